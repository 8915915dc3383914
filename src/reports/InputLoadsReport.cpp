// The sections of the input-data report that follow the member data: releases and every kind of
// load or imposed deformation.
#include <array>
#include <string>
#include <vector>

#include "model/MemberLoadKind.h"
#include "model/ModelQuantities.h"
#include "model/StructType.h"
#include "reports/InputSections.h"
#include "reports/ReportUnits.h"

namespace stavelorn {

namespace {

// The short name of a member load type, or nothing for a code outside the kind table.
std::string_view LoadTypeLabel(int code) {
  const MemberLoadKindInfo* kind = FindMemberLoadKind(code);
  return kind ? kind->ReportName : "";
}

// The heading lines of a joint table, as the type words them (the unused lines are null), with
// the unit of each joint coordinate's value as `quantity` gives it.
void PrintJointHeading(ReportPrinter& printer, int indent, const ModelStore& model,
                       const std::array<const char*, 3>& heading,
                       Quantity (*quantity)(const JointCoordNames&)) {
  std::vector<std::string_view> lines;
  for (const char* line : heading)
    if (line) lines.emplace_back(line);
  std::vector<Quantity> quantities;
  for (int k = 1; k <= model.CoordsPerJoint; ++k)
    quantities.push_back(quantity(CoordinateOf(model.TypeInfo(), k)));
  PrintHeading(printer, indent, lines, NumberedColumnUnits(model.Units, quantities));
}

// Joint loads and support displacements share their row shapes: a joint number under "@@@" and
// the components after fixed gaps, or for the space frame under "@@" with six short values.
void PrintJointRecords(ReportPrinter& printer, const ModelStore& model,
                       const Array<std::int16_t>& joints, const Table<float>& values, int count,
                       int prefix, const std::vector<int>& gaps) {
  const bool spaceFrame = model.CoordsPerJoint == 6;
  for (int i = 1; i <= count; ++i) {
    ReportLine line;
    if (spaceFrame) {
      line.Blanks(7).Number(joints(i), kMaskAt2).Blanks(2);
      std::vector<int> separators = {0, 1, 1, 1, 1, 1};
      AppendValues(line, separators, RowValues(values, i, 6), kMaskE3);
    } else {
      line.Blanks(prefix).Number(joints(i), kMaskAt3);
      AppendValues(line, gaps, RowValues(values, i, model.CoordsPerJoint));
    }
    Print(printer, line);
  }
}

}  // namespace

void PrintMemberReleases(const ModelStore& model, ReportPrinter& printer) {
  PrintTitleBlock(printer, 33, "Member Releases");
  Print(printer, 28, {"Member No.     Hinge at:", "----------     ---------"});
  for (int i = 1; i <= model.ReleaseCount; ++i) {
    int member = model.Releases(i, 1);
    switch (model.Releases(i, 2)) {
      case 1:
        Print(printer,
              ReportLine().Blanks(31).Number(member, kMaskAt3).Blanks(9).Text("Beginning"));
        break;
      case 2:
        Print(printer, ReportLine().Blanks(31).Number(member, kMaskAt3).Blanks(12).Text("End"));
        break;
      case 3:
        Print(printer, ReportLine().Blanks(31).PlainInteger(member).Blanks(9).Text("Both Ends"));
        break;
      default: break;  // not a release code: no line
    }
  }
}

void PrintJointLoads(const ModelStore& model, ReportPrinter& printer) {
  PrintTitleBlock(printer, 33, "Joint Loads");
  // Two, three and six components: the columns move left as they grow in number.
  const int perJoint = model.CoordsPerJoint;
  int prefix = 18;
  std::vector<int> gaps = {7, 3, 3};
  if (perJoint == 2) prefix = 25, gaps = {7, 3};
  PrintJointHeading(printer,
                    perJoint == 2   ? 23
                    : perJoint == 3 ? 16
                                    : 7,
                    model, model.TypeInfo().JointLoadHeading, ForceQuantity);
  PrintJointRecords(printer, model, model.JointLoadJoints, model.JointLoadValues,
                    model.JointLoadCount, prefix, gaps);
}

void PrintMemberLoads(const ModelStore& model, ReportPrinter& printer) {
  PrintTitleBlock(printer, 32, "Member Loads");
  // Member loads do not act on trusses: their records are only announced by the title.
  if (IsTruss(model.StructType)) return;
  Print(printer, 27,
        {"                    Load    ", "Member   Load     Intensity ",
         "  No.    Type        (w)    ", "------  -------  -----------"});
  for (int i = 1; i <= model.MemberLoadCount; ++i) {
    const int code = model.MemberLoadInfo(i, 2);
    ReportLine line;
    line.Blanks(28)
        .Number(model.MemberLoadInfo(i, 1), kMaskAt3)
        .Blanks(4)
        .Text(LoadTypeLabel(code));
    // The first magnitude (P, M, T, w or w1) in the intensity column, for every kind: the line
    // has no room for w2, a and b under labelled columns. A code of no kind has no magnitude.
    // With named units each line ends in the unit of its own magnitude, which differs by kind.
    if (const MemberLoadKindInfo* kind = FindMemberLoadKind(code)) {
      line.Blanks(3).Number(model.MemberLoadValues(i, 1), kMaskE3Short);
      const std::string unit = ReportUnit(model.Units, LoadValueQuantity(*kind, 1));
      if (!unit.empty()) line.Blanks(1).Text(unit);
    } else
      line.Text("   ---   ");
    Print(printer, line);
  }
}

void PrintSupportDisplacements(const ModelStore& model, ReportPrinter& printer) {
  PrintTitleBlock(printer, 28, "Support Displacements");
  const int perJoint = model.CoordsPerJoint;
  int prefix = 12;
  std::vector<int> gaps = {8, 6, 6};
  if (perJoint == 2) prefix = 22, gaps = {8, 7};
  PrintJointHeading(printer,
                    perJoint == 2   ? 20
                    : perJoint == 3 ? 11
                                    : 7,
                    model, model.TypeInfo().SettlementHeading, DisplacementQuantity);
  PrintJointRecords(printer, model, model.SettlementJoints, model.SettlementValues,
                    model.SettlementCount, prefix, gaps);
}

void PrintTemperatureChanges(const ModelStore& model, ReportPrinter& printer) {
  PrintTitleBlock(printer, 30, "Temperature Changes");
  PrintHeading(printer, 29,
               {"Member     Temperature", "  No.      Change (Tu)", "------     -----------"},
               NumberedColumnUnits(model.Units, {Quantity::TemperatureChange}));
  for (int i = 1; i <= model.TempChangeCount; ++i)
    Print(printer, ReportLine()
                       .Blanks(30)
                       .Number(model.TempChangeMembers(i), kMaskAt3)
                       .Blanks(7)
                       .Number(model.TempChangeValues(i), kMaskE4));
}

void PrintFabricationErrors(const ModelStore& model, ReportPrinter& printer) {
  PrintTitleBlock(printer, 30, "Fabrication Errors");
  PrintHeading(printer, 29,
               {"Member     Fabrication", "  No.     Error (axial)", "------    -------------"},
               NumberedColumnUnits(model.Units, {Quantity::Length}));
  for (int i = 1; i <= model.FabErrorCount; ++i)
    Print(printer, ReportLine()
                       .Blanks(30)
                       .Number(model.FabErrorMembers(i), kMaskAt3)
                       .Blanks(7)
                       .Number(model.FabErrorValues(i), kMaskE4));
}

}  // namespace stavelorn
