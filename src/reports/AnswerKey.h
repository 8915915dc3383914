// The program's answers for checking a student's hand-worked method: every quantity of the method
// trail a student can be asked for (a member's length, cosines, code numbers, [k], [T], [K], {Qf},
// {Ff}, {v}, {u}, {Q}, {F}; the structure's [S], {P} and {d}; the support reactions), each as a
// labelled grid of the values of the run whose results the program shows. Values are in the
// project's own consistent units, rotations in radians.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "analysis/AnalysisRun.h"
#include "analysis/MethodTrail.h"
#include "model/ModelStore.h"

namespace stavelorn {

enum class AnswerQuantity { L, Cosines, Codes, k, T, K, Qf, Ff, v, u, Q, F, S, P, d, Reactions };

// How an answer is written: one number, a list (one column) or a list of rows.
enum class AnswerShape { Scalar, Vector, Matrix };

// The facts about each quantity, in one table.
struct AnswerQuantityInfo {
  AnswerQuantity Quantity;
  const char* Name;   // in an answers file and the batch output: "k", "cosines"
  const char* Title;  // in the window: "[k] local stiffness, releases applied"
  AnswerShape Shape;
  bool PerMember;        // asked of one member
  bool NeedsSolution;    // known only after a complete analysis
  bool Symmetric;        // a matrix equal to its transpose
  bool Exact;            // whole numbers matched exactly (code numbers)
  bool ReleaseBound;     // changed by a member's release: [k], [K], {Qf}, {Ff}
  AnswerQuantity Other;  // the same entry in the other frame (itself when there is none)
};

// Every quantity, in the order the method meets them.
const std::vector<AnswerQuantityInfo>& AnswerQuantities();
const AnswerQuantityInfo& InfoOf(AnswerQuantity quantity);
// The quantity an answers file names ("Qf"), or nullptr.
const AnswerQuantityInfo* FindAnswerQuantity(const std::string& name);

// A quantity's values with the trail's row and column labels; a vector is one column.
struct AnswerGrid {
  std::string Title;
  AnswerShape Shape = AnswerShape::Scalar;
  int Rows = 0, Cols = 0;
  std::vector<double> Values;  // row by row
  std::vector<std::string> RowLabels, ColumnLabels;

  double At(int row, int col) const {  // 0-based
    return Values.at(static_cast<std::size_t>(row) * static_cast<std::size_t>(Cols) +
                     static_cast<std::size_t>(col));
  }
  // The largest magnitude of the values: the scale round-off and zero entries are judged on.
  double Largest() const;
};

class AnswerKey {
 public:
  // `results` are those of the complete analysis of `model` that `trail` records (`solved`), or
  // of a model whose analysis failed, with `trail` from RecordMemberSteps.
  AnswerKey(const ModelStore& model, const StructureResults& results,
            std::shared_ptr<const MethodTrail> trail, bool solved);

  bool Solved() const { return solved_; }
  // The values are those of the double-precision run (else of the single-precision one).
  bool DoublePrecision() const { return trail_->DoublePrecision; }
  const ModelStore& Model() const { return model_; }
  int MemberCount() const { return static_cast<int>(trail_->Members.size()); }

  // Whether the program has the quantity's values: those that need a solution only after a
  // complete one, and [S] only where the trail keeps it (up to kTrailStiffnessLimit unknowns).
  bool Has(AnswerQuantity quantity) const;
  // The labelled grid of the quantity (of member 1..MemberCount() for a member quantity). Its
  // shape and labels are always there; its values are zeros where Has() is false.
  AnswerGrid Expected(AnswerQuantity quantity, int member) const;
  // [k], [K], {Qf} or {Ff} of the member computed by the same routines without its release.
  AnswerGrid WithoutRelease(AnswerQuantity quantity, int member) const;
  // Whether the member carries a release that changes its stiffness or fixed-end forces.
  bool Released(int member) const;

 private:
  const TrailMember& Member(int member) const;
  AnswerGrid Grid(AnswerQuantity quantity, int member) const;  // shape, title and labels
  std::vector<double> Values(AnswerQuantity quantity, const TrailMember& m) const;
  std::vector<double> StructureValues(AnswerQuantity quantity) const;
  std::string CoordinateLabel(const std::string& symbol, int code) const;

  ModelStore model_;
  StructureResults results_;
  std::shared_ptr<const MethodTrail> trail_;
  bool solved_;
};

// The answer key of a model that CheckAndAnalyze accepted and analysed into `run`: the trail of
// the stored results after a complete analysis, else the member steps that need no solution.
AnswerKey KeyOfAnalysis(const ModelStore& model, const AnalysisRun& run);

}  // namespace stavelorn
