#include "reports/DiagramsReport.h"

#include <string>

#include "analysis/MemberDiagrams.h"
#include "reports/ReportLine.h"

namespace stavelorn {

namespace {

// Every quantity's column is 11 characters wide: a blank and a number under the three-decimal
// mask; a space frame's six quantities then still fit beside the section on an 80-column line.
constexpr int kColumn = 11;

std::string RightAligned(const std::string& text, int width) {
  return text.size() >= static_cast<std::size_t>(width)
             ? text
             : std::string(static_cast<std::size_t>(width) - text.size(), ' ') + text;
}

void PrintLegend(const ModelStore& model, ReportPrinter& printer) {
  const bool space = BendsInTwoPlanes(model.StructType);
  Print(printer, 4,
        {std::string_view("x is measured from the beginning joint; f and m are the force and"),
         "moment that the part beyond the section exerts on the part before it,",
         space ? "in local axes: N = f.x, Vy = -f.y, Vz = -f.z, T = m.x, My = m.y, Mz = m.z."
               : "in local axes: N = f.x, V = -f.y, T = m.x, M = m.z.",
         "N is positive in tension; a span sagging under a downward load has a positive",
         "shear near its beginning and a positive moment. x- and x+ are the sections",
         "just before and just after a concentrated load; * marks a local extreme."});
  // Named units: one line for all tables, whose columns have no room for them.
  if (model.Units.Named)
    Print(printer, 4,
          "x and the length in " + UnitText(model.Units, Quantity::Length, UnitStyle::Ascii) +
              ", N and V in " + UnitText(model.Units, Quantity::Force, UnitStyle::Ascii) +
              ", T and M in " + UnitText(model.Units, Quantity::Moment, UnitStyle::Ascii) + ".");
  PrintBlankLines(printer, 1);
}

void PrintMember(const ModelStore& model, const MemberDiagram& d, ReportPrinter& printer) {
  const int columns = static_cast<int>(d.Quantities.size());
  const int indent = (80 - (kColumn + 1) - columns * kColumn) / 2;
  Print(printer, ReportLine()
                     .Blanks(indent)
                     .Text("Member")
                     .Number(d.Member, kMaskAt3)
                     .Text("   Joints")
                     .Number(model.MemberProps(d.Member, 1), kMaskAt3)
                     .Text(" to")
                     .Number(model.MemberProps(d.Member, 2), kMaskAt3)
                     .Text("   Length")
                     .Number(static_cast<float>(d.Length), kMaskE3));
  // The section takes 12 columns (the number, then "-" or "+" beside a load and "*" at an
  // extreme), each quantity 11 (a blank, then the number).
  ReportLine heading, rule;
  heading.Blanks(indent).Text(RightAligned("x", 6)).Blanks(6);
  rule.Blanks(indent).Text("----------  ");
  for (DiagramQuantity q : d.Quantities) {
    heading.Text(RightAligned(QuantityName(model.StructType, q), 7)).Blanks(4);
    rule.Text(" ----------");
  }
  Print(printer, heading);
  Print(printer, rule);
  for (const DiagramStation& s : d.Stations) {
    ReportLine line;
    line.Blanks(indent).Number(static_cast<float>(s.X), kMaskE3);
    line.Text(s.Side == StationSide::Before ? "-" : s.Side == StationSide::After ? "+" : " ");
    line.Text(s.Extreme ? "*" : " ");
    for (DiagramQuantity q : d.Quantities)
      line.Blanks(1).Number(static_cast<float>(s.Values[static_cast<std::size_t>(Index(q))]),
                            kMaskE3);
    Print(printer, line);
  }
  for (const DiagramExtreme& e : d.Extremes)
    Print(printer, ReportLine()
                       .Blanks(indent + 2)
                       .Text(RightAligned(QuantityName(model.StructType, e.Quantity), 2))
                       .Text(e.Maximum ? "  max " : "  min ")
                       .Number(static_cast<float>(e.Value), kMaskE3)
                       .Text("  at x =")
                       .Number(static_cast<float>(e.X), kMaskE3));
  PrintBlankLines(printer, 1);
}

}  // namespace

void PrintDiagramsReport(const ModelStore& model, const StructureResults& results,
                         ReportPrinter& printer) {
  if (results.AnalysisStatus != kAnalysisComplete) return;
  PrintBlankLines(printer, 2);
  PageBreakRule(printer);
  PrintTitleBlock(printer, 28, "Internal Force Diagrams");
  PrintLegend(model, printer);
  for (const MemberDiagram& d : BuildMemberDiagrams(model, results)) {
    PageBreakRule(printer);
    PrintMember(model, d, printer);
  }
}

}  // namespace stavelorn
