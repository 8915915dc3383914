// The results of a project's load cases and combinations. [S] is assembled and factorised once:
// each further case is one more right-hand side. A combination's results are the factored sum of
// its cases' stored results (first-order superposition), and an envelope is the greatest and
// least of every result over the combinations (over the cases when there are none).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "analysis/Engine.h"
#include "analysis/EquationSolver.h"
#include "analysis/MethodTrail.h"
#include "analysis/StructureResults.h"
#include "model/ModelStore.h"

namespace stavelorn {

// One load case or combination: its name, a combination's factors (one per case; empty for a
// case), the loads its results answer (the case's own, or the combination's combined loads,
// model/LoadCombination.h) and the results. A case other than the one whose run recorded the
// whole trail keeps its own method steps when a trail was asked for (CaseTrail.h).
struct CaseResults {
  std::string Name;
  std::vector<float> Factors;
  LoadSet Loads;
  StructureResults Results;
  std::shared_ptr<const MethodTrail> Steps;
};

// A structure solved in double precision: its numbering (CoordNumbers, DofCount,
// RestrainedCount) and its [S] as the banded solution left it, in factors.
struct FactoredStructure {
  AnalysisResults<double> Numbering;
  EquationSystem<double> Factors;
};

// More load cases on a factored structure, `model` being that structure: each case's {P} from
// its `loads`, all solved in one sweep of the factors, then each case's end forces and reactions,
// as Engine::Analyze computes them in double precision. With `steps`, each case's method steps
// go there, in case order, without the structure's matrices (CaseTrail.h). Throws as
// Engine::Analyze does.
std::vector<AnalysisResults<double>> SolveLoadCases(const ModelStore& model,
                                                    const std::vector<const LoadSet*>& loads,
                                                    const FactoredStructure& structure,
                                                    std::vector<MethodTrail>* steps = nullptr);

// Each combination of the model with its combined loads and, when every case is complete, the
// factored sum of the cases' results (`cases` in case order, numbered alike); otherwise the
// status of the first case that is not.
std::vector<CaseResults> CombineCases(const ModelStore& model,
                                      const std::vector<CaseResults>& cases);

}  // namespace stavelorn
