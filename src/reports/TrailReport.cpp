#include "reports/TrailReport.h"

#include <algorithm>
#include <string>
#include <vector>

#include "analysis/TrailEquilibrium.h"
#include "analysis/TrailLabels.h"
#include "model/StructType.h"
#include "reports/ReportLine.h"

namespace stavelorn {

namespace {

constexpr int kBlockColumns = 6;  // matrix columns per printed block
constexpr int kCellWidth = 11;
constexpr int kLabelWidth = 8;
constexpr int kTextWidth = 78;  // characters of a printed line of text

// A value under the report's mask; an exact zero as a lone 0, so the pattern of a sparse matrix
// shows at a glance.
void Cell(ReportLine& line, double value) {
  if (value == 0)
    line.Blanks(kCellWidth - 1).Text("0");
  else
    line.Blanks(kCellWidth - 10).Number(static_cast<float>(value), kMaskE3);
}

std::string RightAligned(const std::string& text, int width) {
  return text.size() >= static_cast<std::size_t>(width)
             ? text
             : std::string(static_cast<std::size_t>(width) - text.size(), ' ') + text;
}

// A matrix `rows` x `cols` (value(r, c), 0-based) in blocks of columns, each block headed by its
// column labels; rows are labelled on the left.
template <typename Value>
void PrintMatrix(ReportPrinter& printer, const std::string& title,
                 const std::vector<std::string>& rowLabels,
                 const std::vector<std::string>& colLabels, Value value) {
  PageBreakRule(printer);
  Print(printer, 5, title);
  const int cols = static_cast<int>(colLabels.size());
  for (int first = 0; first < cols; first += kBlockColumns) {
    const int last = std::min(cols, first + kBlockColumns);
    ReportLine heading;
    heading.Blanks(5 + kLabelWidth);
    for (int c = first; c < last; ++c)
      heading.Text(RightAligned(colLabels[static_cast<std::size_t>(c)], kCellWidth));
    Print(printer, heading);
    for (std::size_t r = 0; r < rowLabels.size(); ++r) {
      ReportLine line;
      line.Blanks(5).Text(RightAligned(rowLabels[r], kLabelWidth - 2)).Blanks(2);
      for (int c = first; c < last; ++c) Cell(line, value(static_cast<int>(r), c));
      Print(printer, line);
    }
    PrintBlankLines(printer, 1);
  }
}

// A paragraph broken between words into lines of at most kTextWidth characters after `indent`.
void PrintWrapped(ReportPrinter& printer, int indent, const std::string& text) {
  std::string line;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(' ', start);
    if (end == std::string::npos) end = text.size();
    const std::string word = text.substr(start, end - start);
    if (!line.empty() && static_cast<int>(line.size() + 1 + word.size()) > kTextWidth - indent) {
      Print(printer, indent, line);
      line.clear();
    }
    line += (line.empty() ? "" : " ") + word;
    start = end + 1;
  }
  if (!line.empty()) Print(printer, indent, line);
}

// Vectors side by side, one column each, rows labelled.
void PrintVectors(ReportPrinter& printer, const std::string& title,
                  const std::vector<std::string>& rowLabels,
                  const std::vector<std::string>& colLabels,
                  const std::vector<const std::vector<double>*>& columns) {
  PrintMatrix(printer, title, rowLabels, colLabels, [&](int r, int c) {
    const std::vector<double>& column = *columns[static_cast<std::size_t>(c)];
    const std::size_t row = static_cast<std::size_t>(r);
    return row < column.size() ? column[row] : 0.0;
  });
}

std::vector<std::string> Numbered(const std::string& symbol, int n) {
  std::vector<std::string> labels;
  for (int i = 1; i <= n; ++i) labels.push_back(symbol + std::to_string(i));
  return labels;
}

std::string CoordinateLegend(const std::string& type, int perJoint, bool global) {
  std::string text;
  for (int k = 1; k <= perJoint; ++k)
    text += (k > 1 ? ", " : "") + (global ? GlobalCoordName(type, k) : LocalCoordName(type, k));
  return text;
}

void PrintMember(const ModelStore& model, const TrailMember& m, ReportPrinter& printer) {
  const int n = static_cast<int>(m.CodeNumbers.size());
  PageBreakRule(printer);
  ReportLine head;
  head.Blanks(3).Text("Member " + std::to_string(m.Member) + ":  joint " +
                      std::to_string(m.BeginJoint) + " to joint " + std::to_string(m.EndJoint) +
                      ",  L =");
  head.Number(static_cast<float>(m.Length), kMaskE4);
  if (!IsTruss(model.StructType)) head.Text(",  release code " + std::to_string(m.ReleaseType));
  Print(printer, head);
  ReportLine codes;
  codes.Blanks(5).Text("Code numbers:");
  for (int code : m.CodeNumbers) codes.Text(" " + std::to_string(code));
  Print(printer, codes);
  PrintBlankLines(printer, 1);

  const std::vector<std::string> u = Numbered("u", n), v = Numbered("v", n);
  std::vector<std::string> code;
  for (int c : m.CodeNumbers) code.push_back(std::to_string(c));
  PrintMatrix(printer, "[k] local stiffness, releases applied", u, u,
              [&](int r, int c) { return m.LocalStiffness(r, c); });
  // [T] holds sines and cosines: their single-precision round-off prints as 0.
  PrintMatrix(printer, "[T] transformation, {u} = [T]{v}", u, v,
              [&](int r, int c) { return ShownCosine(m.Transformation(r, c)); });
  PrintMatrix(printer, "[K] = [T]'[k][T], rows and columns by code number", code, code,
              [&](int r, int c) { return m.GlobalStiffness(r, c); });
  PrintVectors(printer, "Global: {Ff} fixed-end forces, {v} end displacements, {F} = [T]'{Q}", v,
               {"{Ff}", "{v}", "{F}"},
               {&m.GlobalFixedEndForces, &m.GlobalEndDisplacements, &m.GlobalEndForces});
  PrintVectors(printer, "Local: {Qf} fixed-end forces, {u} = [T]{v}, {Q} = [k]{u} + {Qf}", u,
               {"{Qf}", "{u}", "{Q}"},
               {&m.LocalFixedEndForces, &m.LocalEndDisplacements, &m.LocalEndForces});
}

// The equilibrium checks, each line of a check on its own printed line.
void PrintChecks(const ModelStore& model, const MethodTrail& trail, ReportPrinter& printer) {
  PageBreakRule(printer);
  PrintTitleBlock(printer, 3, "Equilibrium Checks");
  for (const EquilibriumLine& check : TrailEquilibrium(model, trail)) {
    std::size_t start = 0;
    do {
      const std::size_t end = check.Text.find('\n', start);
      const std::string line = check.Text.substr(start, end - start);
      if (line.empty())
        PrintBlankLines(printer, 1);
      else
        Print(printer, 5, line);
      start = end == std::string::npos ? end : end + 1;
    } while (start != std::string::npos);
  }
  PrintBlankLines(printer, 1);
}

}  // namespace

void PrintTrail(const ModelStore& model, const MethodTrail& trail, ReportPrinter& printer) {
  PrintBlankLines(printer, 2);
  PageBreakRule(printer);
  Print(printer, 10,
        {std::string_view("************************************************************"),
         "*                The Method, Step by Step                  *",
         "************************************************************"});
  PrintBlankLines(printer, 1);
  PrintWrapped(printer, 3, TrailPrecisionNote(trail));
  PrintBlankLines(printer, 1);
  const std::string& type = model.StructType;
  Print(printer, 3, "Local end coordinates u1, u2, ..., at the beginning, then at the end:");
  Print(printer, 7, CoordinateLegend(type, trail.CoordsPerJoint, false));
  Print(printer, 3, "Global end coordinates v1, v2, ..., likewise:");
  Print(printer, 7, CoordinateLegend(type, trail.CoordsPerJoint, true));
  Print(printer, 3,
        "Structure coordinates 1 to " + std::to_string(trail.DofCount) +
            " are free, the others restrained.");
  PrintBlankLines(printer, 1);
  for (const TrailMember& m : trail.Members) PrintMember(model, m, printer);

  const int n = trail.DofCount;
  PageBreakRule(printer);
  PrintTitleBlock(printer, 3, "Structure Stiffness Matrix [S] and Load Vector {P}");
  const std::vector<std::string> codes = Numbered("", n);
  if (n < 1) {
    Print(printer, 5, "No coordinate is free: there is no [S] to solve, and each member's end");
    Print(printer, 5, "forces are its fixed-end forces and those of the settlements.");
    PrintBlankLines(printer, 1);
  } else {
    if (n > kPrintedStiffnessLimit || !trail.HasStiffness())
      Print(printer, 5,
            "[S] has " + std::to_string(n) + " rows and columns; it is printed only up to " +
                std::to_string(kPrintedStiffnessLimit) + ", where it still fits a few pages.");
    else
      PrintMatrix(printer, "[S] structure stiffness matrix, free coordinates", codes, codes,
                  [&](int r, int c) { return trail.Stiffness(r, c); });
    PrintMatrix(printer, "{P} = joint loads - sum of {Ff}, and the solution {d}", codes,
                {"joint ld.", "-sum {Ff}", "{P}", "{d}"}, [&](int r, int c) {
                  const std::vector<double>* columns[] = {&trail.JointLoads, &trail.FixedEndPart,
                                                          &trail.LoadVector, &trail.Displacements};
                  return columns[c]->at(static_cast<std::size_t>(r));
                });
  }
  PrintChecks(model, trail, printer);
  Print(printer, 16, "*************** End of the Method ***************");
}

}  // namespace stavelorn
