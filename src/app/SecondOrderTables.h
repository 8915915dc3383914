// The second-order results beside the first-order ones: one row per joint displacement or member
// end force with both values and the amplification (second order / first order), as the
// second-order window shows them and the printed report prints them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "analysis/SecondOrder.h"
#include "analysis/StructureResults.h"
#include "app/ResultTables.h"
#include "app/StabilityOptions.h"
#include "model/FormId.h"
#include "model/ModelStore.h"
#include "reports/ReportPrinter.h"

namespace stavelorn {

struct AmplificationRow {
  int Item = 0;      // the joint, or the member
  int Joint = 0;     // the member's end joint (0 for a joint displacement)
  std::string Name;  // the displacement or end force, with its unit when the project names it
  float FirstOrder = 0, SecondOrder = 0;
  // Second order / first order; nothing where the first-order value is 0.
  std::optional<double> Amplification;
};

// The rows of the joint displacements (Disp: every coordinate that moves in either analysis) or
// the member end forces (MbForce: every end force, beginning then end of each member).
std::vector<AmplificationRow> AmplificationRows(const ModelStore& model,
                                                const StructureResults& firstOrder,
                                                const StructureResults& secondOrder, FormId form);

// "1.0328", or "-" where there is no amplification.
std::string AmplificationCell(const AmplificationRow& row);

// The tables the second-order window offers, in its order.
struct AmplificationTableChoice {
  const char* Name;
  FormId Form;
};
inline constexpr AmplificationTableChoice kAmplificationTables[] = {
    {"Joint displacements", FormId::Disp}, {"Member end forces", FormId::MbForce}};

// What the second-order window draws of both runs: "Deformed shape", then each diagram of the
// type, "M   Bending moment".
std::vector<std::string> SecondOrderDrawingChoices(const std::string& typeCode);

// The rows as a results grid: captions, headings and cells, sized as the results windows are.
ResultTable AmplificationTable(const ModelStore& model, const StructureResults& firstOrder,
                               const StructureResults& secondOrder, FormId form);

// "Equilibrium of the deflected structure after 3 iterations, each member in 4 pieces; ...": how
// a settled run went, as the window and the printed section say it.
std::string SecondOrderRunText(const SecondOrderRun& run, const StabilityOptions& options);

// The printed section: a title, how the run went, and both tables in fixed-width columns.
void PrintAmplification(const ModelStore& model, const StructureResults& firstOrder,
                        const StructureResults& secondOrder, const std::string& howItRan,
                        ReportPrinter& printer);

}  // namespace stavelorn
