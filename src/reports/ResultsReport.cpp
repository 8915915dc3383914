#include "reports/ResultsReport.h"

#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "model/ModelQuantities.h"
#include "model/StructType.h"
#include "model/SupportAxes.h"
#include "reports/ReportLine.h"
#include "reports/ReportUnits.h"
#include "reports/ResultValues.h"

namespace stavelorn {

namespace {

// Where a results table puts its heading and its numbers. A row is `rowBlanks`, the joint (or
// member) number under `numberMask`, `afterNumber` blanks, then per value `beforeValue` blanks,
// the value under `valueMask` and `afterValue` blanks. The end forces print two rows per member,
// the second (the end joint) after `secondRowBlanks`; the six-column table puts the member's
// number on a line of its own above them instead.
struct TableLayout {
  int headingBlanks;
  int rowBlanks;
  int secondRowBlanks;
  std::string_view numberMask;
  int afterNumber;
  int beforeValue;
  std::string_view valueMask;
  int afterValue;
  bool memberOnOwnLine;
};

// A table is laid out for three coordinates per joint, or for the space frame's six in narrower
// columns of shorter numbers; a table of two coordinates is the three-coordinate one, one
// column narrower and centred 7 blanks further right.
TableLayout LayoutFor(const StructTypeInfo& type, TableLayout threeColumns,
                      TableLayout sixColumns) {
  if (type.CoordsPerJoint > 3) return sixColumns;
  const int shift = 7 * (3 - type.CoordsPerJoint);
  threeColumns.headingBlanks += shift;
  threeColumns.rowBlanks += shift;
  threeColumns.secondRowBlanks += shift;
  return threeColumns;
}

TableLayout DisplacementLayout(const StructTypeInfo& type) {
  return LayoutFor(type, {13, 15, 0, kMaskAt3, 3, 5, kMaskE4, 0, false},
                   {7, 7, 0, kMaskAt2, 1, 1, kMaskE3, 0, false});
}

TableLayout ReactionLayout(const StructTypeInfo& type) {
  return LayoutFor(type, {16, 18, 0, kMaskAt3, 7, 0, kMaskE4, 3, false},
                   {7, 7, 0, kMaskAt2, 2, 0, kMaskE3, 1, false});
}

TableLayout EndForceLayout(const StructTypeInfo& type) {
  return LayoutFor(type, {13, 14, 23, kMaskAt3, 6, 3, kMaskE4, 0, false},
                   {7, 7, 7, kMaskAt2, 0, 1, kMaskE3, 0, true});
}

// The units of a table's columns: `numbered` columns of numbers (member, joint), then one per
// joint coordinate with the quantity `quantity` gives it.
std::vector<std::string> CoordinateUnits(const ModelStore& model, int numbered,
                                         Quantity (*quantity)(const JointCoordNames&)) {
  std::vector<std::string> units(static_cast<std::size_t>(numbered));
  for (int k = 1; k <= model.CoordsPerJoint; ++k)
    units.push_back(ReportUnit(model.Units, quantity(CoordinateOf(model.TypeInfo(), k))));
  return units;
}

void PrintDisplacements(const ModelStore& model, const StructureResults& results,
                        ReportPrinter& printer) {
  PrintTitleBlock(printer, 30, "Joint Displacements");
  const StructTypeInfo& type = model.TypeInfo();
  const TableLayout layout = DisplacementLayout(type);
  PrintHeading(printer, layout.headingBlanks, HeadingLines(type.DisplacementHeading),
               CoordinateUnits(model, 1, DisplacementQuantity));
  for (int j = 1; j <= model.JointCount; ++j) {
    ReportLine line;
    line.Blanks(layout.rowBlanks).Number(j, layout.numberMask).Blanks(layout.afterNumber);
    for (int k = 1; k <= model.CoordsPerJoint; ++k)
      line.Blanks(layout.beforeValue)
          .Number(ShownDisplacement(model, results, j, k), layout.valueMask);
    Print(printer, line.Text(" "));
  }
}

void PrintAxialForces(const ModelStore& model, const StructureResults& results,
                      ReportPrinter& printer) {
  PrintTitleBlock(printer, 30, "Member Axial Forces");
  PrintHeading(printer, 26, {"Member    Axial Force (Qa)", "------    ----------------"},
               NumberedColumnUnits(model.Units, {Quantity::Force}));
  for (int m = 1; m <= model.MemberCount; ++m) {
    float q = results.MemberEndForces(m, 1);
    ReportLine line;
    line.Blanks(27).Number(m, kMaskAt3).Blanks(6).Number(std::fabs(q), kMaskE4);
    Print(printer, line.Text(q < 0 ? " (T)" : q > 0 ? " (C)" : " "));
  }
}

void PrintEndForces(const ModelStore& model, const StructureResults& results,
                    ReportPrinter& printer) {
  PrintTitleBlock(printer, 21, "Member End Forces in Local Coordinates");
  const StructTypeInfo& type = model.TypeInfo();
  const TableLayout layout = EndForceLayout(type);
  // Rows that name their joint alone have one numbered column; the others name the member too.
  PrintHeading(printer, layout.headingBlanks, HeadingLines(type.EndForceHeading),
               CoordinateUnits(model, layout.memberOnOwnLine ? 1 : 2, ForceQuantity));
  const int n = model.CoordsPerJoint;
  for (int m = 1; m <= model.MemberCount; ++m) {
    ReportLine first;
    first.Blanks(layout.rowBlanks);
    if (layout.memberOnOwnLine)
      Print(printer, ReportLine().Blanks(7).Text("Member:").Number(m, kMaskAt2));
    else
      first.Number(m, layout.numberMask).Blanks(layout.afterNumber);
    ReportLine second;
    second.Blanks(layout.secondRowBlanks);
    first.Number(model.MemberProps(m, 1), layout.numberMask).Blanks(1);
    second.Number(model.MemberProps(m, 2), layout.numberMask).Blanks(1);
    for (int k = 1; k <= n; ++k) {
      first.Blanks(layout.beforeValue).Number(results.MemberEndForces(m, k), layout.valueMask);
      second.Blanks(layout.beforeValue).Number(results.MemberEndForces(m, n + k), layout.valueMask);
    }
    Print(printer, first.Text(" "));
    Print(printer, second.Text(" "));
    PrintBlankLines(printer, 1);
  }
}

// One support's row of reactions, as `reaction` reads them.
void PrintReactionRow(const ModelStore& model, const StructureResults& results,
                      const TableLayout& layout, int joint,
                      float (*reaction)(const ModelStore&, const StructureResults&, int, int),
                      ReportPrinter& printer) {
  ReportLine line;
  line.Blanks(layout.rowBlanks).Number(joint, layout.numberMask).Blanks(layout.afterNumber);
  for (int k = 1; k <= model.CoordsPerJoint; ++k)
    line.Blanks(layout.beforeValue)
        .Number(reaction(model, results, joint, k), layout.valueMask)
        .Blanks(layout.afterValue);
  Print(printer, line);
}

void PrintReactions(const ModelStore& model, const StructureResults& results,
                    ReportPrinter& printer) {
  PrintTitleBlock(printer, 31, "Support Reactions");
  const StructTypeInfo& type = model.TypeInfo();
  const TableLayout layout = ReactionLayout(type);
  PrintHeading(printer, layout.headingBlanks, HeadingLines(type.ReactionHeading),
               CoordinateUnits(model, 1, ForceQuantity));
  for (int s = 1; s <= model.SupportCount; ++s)
    PrintReactionRow(model, results, layout, model.Supports(s, 1), ShownReaction, printer);
  if (!AnySupportTurned(model)) return;
  // The turned supports once more, along their own axes.
  PrintBlankLines(printer, 1);
  Print(printer, ReportLine().Blanks(layout.headingBlanks).Text("In the turned supports' axes:"));
  for (int s = 1; s <= model.SupportCount; ++s)
    if (JointTurnOf(model, model.Supports(s, 1)).Turned())
      PrintReactionRow(model, results, layout, model.Supports(s, 1), ShownReactionInSupportAxes,
                       printer);
}

}  // namespace

void PrintOutput(const ModelStore& model, const StructureResults& results, ReportPrinter& printer) {
  if (results.AnalysisStatus < 1) return;
  PageBreakRule(printer);
  Print(printer, 10,
        {std::string_view("************************************************************"),
         "*                   Results of Analysis                    *",
         "************************************************************"});
  // Only when the user chose it: the method as taught prints as it always has.
  if (results.SolvedInDoublePrecision)
    Print(printer, 26, std::string_view("Computed in double precision"));
  // Values that look like a slip of units, which the analysis took as they are.
  for (const std::string& note : results.PlausibilityNotes) {
    PrintBlankLines(printer, 1);
    PrintWrapped(printer, 10, "Note: " + note);
  }
  PrintBlankLines(printer, 2);

  PrintDisplacements(model, results, printer);
  PrintBlankLines(printer, 2);
  PageBreakRule(printer);

  if (IsTruss(model.StructType))
    PrintAxialForces(model, results, printer);
  else
    PrintEndForces(model, results, printer);
  PrintBlankLines(printer, 2);
  PageBreakRule(printer);

  PrintReactions(model, results, printer);
  PrintBlankLines(printer, 2);
  Print(printer, 16, "*************** End of Analysis ***************");
}

}  // namespace stavelorn
