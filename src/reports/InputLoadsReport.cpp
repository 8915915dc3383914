// The sections of the input-data report that follow the member data: releases and every kind of
// load or imposed deformation.
#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "model/LoadCombination.h"
#include "model/LoadSymbols.h"
#include "model/MemberLoadKind.h"
#include "model/ModelQuantities.h"
#include "model/StructType.h"
#include "reports/InputSections.h"
#include "reports/ReportUnits.h"

namespace stavelorn {

namespace {

// The heading lines of a joint table, as the type words them (the unused lines are null), with
// the unit of each joint coordinate's value as `quantity` gives it.
void PrintJointHeading(ReportPrinter& printer, int indent, const ModelStore& model,
                       const std::array<const char*, 3>& heading,
                       Quantity (*quantity)(const JointCoordNames&)) {
  std::vector<Quantity> quantities;
  for (int k = 1; k <= model.CoordsPerJoint; ++k)
    quantities.push_back(quantity(CoordinateOf(model.TypeInfo(), k)));
  PrintHeading(printer, indent, HeadingLines(heading),
               NumberedColumnUnits(model.Units, quantities));
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

std::array<float, 4> LoadRecord(const ModelStore& model, int record) {
  std::array<float, 4> values{};
  for (int k = 1; k <= 4; ++k)
    values[static_cast<std::size_t>(k - 1)] = model.MemberLoadValues(record, k);
  return values;
}

// The member-load table with a column per stored value: the first column where each value
// column starts, 11 characters wide, the kind named by its symbols and direction.
constexpr int kValueWidth = 11;
constexpr std::array<int, 4> kValueColumns = {30, 43, 56, 69};

std::string Centred(const std::string& text, int width) {
  const int left = std::max(0, (width - static_cast<int>(text.size())) / 2);
  return std::string(static_cast<std::size_t>(left), ' ') + text;
}

void PrintMemberLoadValues(const ModelStore& model, ReportPrinter& printer) {
  const std::array<std::array<const char*, 4>, 2> headings = {
      {{"P, M, T,", "w2", "a", "b"}, {"w or w1", "", "", ""}}};
  // The kinds name their directions in the member's local axes, which the heading says once.
  const char* const kindHeadings[] = {"Load", "Kind (local axes)"};
  const char* const memberHeadings[] = {"Member", " No."};
  for (int line = 0; line < 2; ++line) {
    ReportLine heading;
    heading.Column(5).Text(memberHeadings[line]).Column(13).Text(kindHeadings[line]);
    for (std::size_t k = 0; k < 4; ++k)
      if (*headings[line][k])
        heading.Column(kValueColumns[k]).Text(Centred(headings[line][k], kValueWidth));
    Print(printer, heading);
  }
  // With named units a and b are lengths; the first two values' unit varies by kind, so it ends
  // each row.
  const std::string length = ReportUnit(model.Units, Quantity::Length);
  if (!length.empty())
    Print(printer, ReportLine()
                       .Column(kValueColumns[2])
                       .Text(Centred(length, kValueWidth))
                       .Column(kValueColumns[3])
                       .Text(Centred(length, kValueWidth)));
  ReportLine rule;
  rule.Column(5).Text("------").Column(13).Text("---------------");
  for (int column : kValueColumns) rule.Column(column).Text(std::string(kValueWidth, '-'));
  Print(printer, rule);

  for (int i = 1; i <= model.MemberLoadCount; ++i) {
    const int code = model.MemberLoadInfo(i, 2);
    const MemberLoadKindInfo* kind = FindMemberLoadKind(code);
    ReportLine line;
    line.Column(6).Number(model.MemberLoadInfo(i, 1), kMaskAt3);
    line.Column(13).Text(kind ? LoadKindLabel(*kind) : "type " + std::to_string(code));
    for (std::size_t k = 0; k < 4; ++k) {
      line.Column(kValueColumns[k]);
      if (kind && !LoadSymbol(*kind, static_cast<int>(k)).empty())
        line.Blanks(1).Number(model.MemberLoadValues(i, static_cast<int>(k) + 1), kMaskE3Short);
      else
        line.Text(Centred("---", kValueWidth));
    }
    const std::string unit = kind ? ReportUnit(model.Units, LoadValueQuantity(*kind, 1)) : "";
    if (!unit.empty()) line.Blanks(1).Text(unit);
    Print(printer, line);
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
  // Whole-span uniform loads need only their intensity, and keep the table they always had;
  // any other load needs every value its kind has, under labelled columns.
  for (int i = 1; i <= model.MemberLoadCount; ++i)
    if (!WholeSpanUniform(model.MemberLoadInfo(i, 2), LoadRecord(model, i))) {
      PrintMemberLoadValues(model, printer);
      return;
    }
  Print(printer, 27,
        {"                    Load    ", "Member   Load     Intensity ",
         "  No.    Type        (w)    ", "------  -------  -----------"});
  // Only whole-span uniform loads come here: the intensity is all there is to print. With named
  // units each line ends in the unit of the intensity.
  const std::string unit =
      ReportUnit(model.Units, LoadValueQuantity(InfoOf(MemberLoadKind::Uniform), 1));
  for (int i = 1; i <= model.MemberLoadCount; ++i) {
    ReportLine line;
    line.Blanks(28)
        .Number(model.MemberLoadInfo(i, 1), kMaskAt3)
        .Blanks(4)
        .Text(InfoOf(MemberLoadKind::Uniform).ReportName)
        .Blanks(3)
        .Number(model.MemberLoadValues(i, 1), kMaskE3Short);
    if (!unit.empty()) line.Blanks(1).Text(unit);
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

void PrintLoadSections(const ModelStore& model, ReportPrinter& printer) {
  const std::pair<int, void (*)(const ModelStore&, ReportPrinter&)> sections[] = {
      {model.JointLoadCount, PrintJointLoads},
      {model.MemberLoadCount, PrintMemberLoads},
      {model.SettlementCount, PrintSupportDisplacements},
      {model.TempChangeCount, PrintTemperatureChanges},
      {model.FabErrorCount, PrintFabricationErrors}};
  for (const auto& [count, section] : sections) {
    if (count == 0) continue;
    PageBreakRule(printer);
    section(model, printer);
    PrintBlankLines(printer, 2);
  }
}

void PrintLoadCasesInput(const ModelStore& model, ReportPrinter& printer) {
  for (int c = 1; c <= model.LoadCaseCount(); ++c) {
    PageBreakRule(printer);
    PrintTitleBlock(printer, 10, LoadCaseTitle(model, c));
    PrintBlankLines(printer, 1);
    PrintLoadSections(ModelWithLoads(model, model.LoadsOfCase(c)), printer);
  }
  if (model.Combinations.empty()) return;
  PageBreakRule(printer);
  PrintTitleBlock(printer, 30, "Load Combinations");
  for (const LoadCombination& combination : model.Combinations)
    PrintWrapped(printer, 10, CombinationText(model, combination));
  PrintBlankLines(printer, 2);
}

}  // namespace stavelorn
