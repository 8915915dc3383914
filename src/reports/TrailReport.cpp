#include "reports/TrailReport.h"

#include <algorithm>
#include <string>
#include <vector>

#include "analysis/TrailEquilibrium.h"
#include "analysis/TrailLabels.h"
#include "model/ModelQuantities.h"
#include "model/StructType.h"
#include "reports/ReportLine.h"
#include "reports/ReportUnits.h"

namespace stavelorn {

namespace {

// Which structure coordinates are free: numbered first, the restrained ones after them.
std::string FreeCoordinatesText(int free) {
  if (free == 0) return "No structure coordinate is free: every one is restrained.";
  if (free == 1) return "Structure coordinate 1 is free, the others restrained.";
  return "Structure coordinates 1 to " + std::to_string(free) + " are free, the others restrained.";
}

constexpr int kBlockColumns = 6;  // matrix columns per printed block
constexpr int kCellWidth = 11;
constexpr int kLabelWidth = 8;

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

// With named units, the units of a printed table: each row's after its label ("u3 [kN-m]"), each
// column's on a line under the column labels. A stiffness entry is its row's unit per its
// column's. Both are empty when the units are unnamed, and the table prints as it always did.
struct TableUnits {
  std::vector<std::string> Rows, Cols;
};

// A matrix `rows` x `cols` (value(r, c), 0-based) in blocks of columns, each block headed by its
// column labels; rows are labelled on the left.
template <typename Value>
void PrintMatrix(ReportPrinter& printer, const std::string& title,
                 std::vector<std::string> rowLabels, const std::vector<std::string>& colLabels,
                 Value value, const TableUnits& units = {}) {
  PageBreakRule(printer);
  Print(printer, 5, title);
  std::size_t labelWidth = kLabelWidth - 2;
  for (std::size_t r = 0; r < rowLabels.size(); ++r) {
    if (r < units.Rows.size() && !units.Rows[r].empty()) rowLabels[r] += " " + units.Rows[r];
    labelWidth = std::max(labelWidth, rowLabels[r].size());
  }
  const bool colUnits = std::any_of(units.Cols.begin(), units.Cols.end(),
                                    [](const std::string& unit) { return !unit.empty(); });
  const int cols = static_cast<int>(colLabels.size());
  for (int first = 0; first < cols; first += kBlockColumns) {
    const int last = std::min(cols, first + kBlockColumns);
    for (const std::vector<std::string>* texts : {&colLabels, &units.Cols}) {
      if (texts == &units.Cols && !colUnits) break;
      ReportLine heading;
      heading.Blanks(5 + static_cast<int>(labelWidth) + 2);
      for (int c = first; c < last; ++c)
        heading.Text(RightAligned(texts->at(static_cast<std::size_t>(c)), kCellWidth));
      const std::string& text = heading.Str();
      Print(printer, 0, text.substr(0, text.find_last_not_of(' ') + 1));
    }
    for (std::size_t r = 0; r < rowLabels.size(); ++r) {
      ReportLine line;
      line.Blanks(5).Text(RightAligned(rowLabels[r], static_cast<int>(labelWidth))).Blanks(2);
      for (int c = first; c < last; ++c) Cell(line, value(static_cast<int>(r), c));
      Print(printer, line);
    }
    PrintBlankLines(printer, 1);
  }
}

// Vectors side by side, one column each, rows labelled.
void PrintVectors(ReportPrinter& printer, const std::string& title,
                  const std::vector<std::string>& rowLabels,
                  const std::vector<std::string>& colLabels,
                  const std::vector<const std::vector<double>*>& columns, const TableUnits& units) {
  PrintMatrix(
      printer, title, rowLabels, colLabels,
      [&](int r, int c) {
        const std::vector<double>& column = *columns[static_cast<std::size_t>(c)];
        const std::size_t row = static_cast<std::size_t>(r);
        return row < column.size() ? column[row] : 0.0;
      },
      units);
}

// The report units of the coordinates in `coordinates` (member end coordinates 1..2n, or the
// joint coordinates of structure coordinates), taken round a joint's coordinates of the type:
// each one's force or displacement. Empty when the units are unnamed.
std::vector<std::string> CoordinateUnits(const ModelStore& model,
                                         const std::vector<int>& coordinates, bool force) {
  std::vector<std::string> units;
  if (!model.Units.Named) return units;
  const StructTypeInfo& type = model.TypeInfo();
  for (int coordinate : coordinates) {
    const JointCoordNames& names = CoordinateOf(type, (coordinate - 1) % type.CoordsPerJoint + 1);
    const std::string unit =
        ReportUnit(model.Units, force ? ForceQuantity(names) : DisplacementQuantity(names));
    // A rotation has no unit of the system, but a column of rotations still says what it holds.
    units.push_back(unit.empty() ? "[rad]" : unit);
  }
  return units;
}

std::vector<int> OneTo(int n) {
  std::vector<int> numbers;
  for (int i = 1; i <= n; ++i) numbers.push_back(i);
  return numbers;
}

// The unit of a column of displacements whose rows are translations and rotations: "[m,rad]",
// "[m]" for a type without rotations; "" when the units are unnamed.
std::string DisplacementColumnUnit(const ModelStore& model) {
  const std::string length = UnitText(model.Units, Quantity::Length, UnitStyle::Ascii);
  if (length.empty()) return "";
  return "[" + length + (RotationCount(model.TypeInfo()) > 0 ? ",rad]" : "]");
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
  if (const std::string unit = UnitText(model.Units, Quantity::Length, UnitStyle::Ascii);
      !unit.empty())
    head.Text(" " + unit);
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
  const std::vector<std::string> forces = CoordinateUnits(model, OneTo(n), true);
  const TableUnits stiffness{forces, CoordinateUnits(model, OneTo(n), false)};
  const TableUnits vectors{forces, {"", DisplacementColumnUnit(model), ""}};
  PrintMatrix(
      printer, "[k] local stiffness, releases applied", u, u,
      [&](int r, int c) { return m.LocalStiffness(r, c); }, stiffness);
  if (m.GeometricStiffness.Rows > 0)
    PrintMatrix(
        printer, "[kg] local geometric stiffness, from the axial force", u, u,
        [&](int r, int c) { return m.GeometricStiffness(r, c); }, stiffness);
  // [T] holds sines and cosines: their single-precision round-off prints as 0.
  PrintMatrix(printer, "[T] transformation, {u} = [T]{v}", u, v,
              [&](int r, int c) { return ShownCosine(m.Transformation(r, c)); });
  PrintMatrix(
      printer, "[K] = [T]'[k][T], rows and columns by code number", code, code,
      [&](int r, int c) { return m.GlobalStiffness(r, c); }, stiffness);
  PrintVectors(printer, "Global: {Ff} fixed-end forces, {v} end displacements, {F} = [T]'{Q}", v,
               {"{Ff}", "{v}", "{F}"},
               {&m.GlobalFixedEndForces, &m.GlobalEndDisplacements, &m.GlobalEndForces}, vectors);
  PrintVectors(printer, "Local: {Qf} fixed-end forces, {u} = [T]{v}, {Q} = [k]{u} + {Qf}", u,
               {"{Qf}", "{u}", "{Q}"},
               {&m.LocalFixedEndForces, &m.LocalEndDisplacements, &m.LocalEndForces}, vectors);
}

// The equilibrium checks, each line of a check on its own printed line.
void PrintChecks(const ModelStore& model, const StructureResults& results, const MethodTrail& trail,
                 ReportPrinter& printer) {
  PageBreakRule(printer);
  PrintTitleBlock(printer, 3, "Equilibrium Checks");
  for (const EquilibriumLine& check : TrailEquilibrium(model, results, trail)) {
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

void PrintTrail(const ModelStore& model, const StructureResults& results, const MethodTrail& trail,
                ReportPrinter& printer) {
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
  Print(printer, 3, FreeCoordinatesText(trail.DofCount));
  if (model.Units.Named)
    PrintWrapped(
        printer, 3,
        "Units: " + UnitText(model.Units, Quantity::Force, UnitStyle::Ascii) + " (force), " +
            UnitText(model.Units, Quantity::Length, UnitStyle::Ascii) +
            " (length). A row's label ends in the unit of its force, a column's unit stands "
            "under its label, and a stiffness entry is in its row's unit per its "
            "column's; rotations are in radians.");
  PrintBlankLines(printer, 1);
  for (const TrailMember& m : trail.Members) PrintMember(model, m, printer);

  const int n = trail.DofCount;
  PageBreakRule(printer);
  PrintTitleBlock(printer, 3, "Structure Stiffness Matrix [S] and Load Vector {P}");
  const std::vector<std::string> codes = Numbered("", n);
  // The joint coordinate (1..CoordsPerJoint) of each free structure coordinate, for its unit.
  std::vector<int> coordinateOfCode(static_cast<std::size_t>(std::max(n, 0)), 1);
  for (std::size_t i = 0; i < trail.CoordNumbers.size(); ++i) {
    const int code = trail.CoordNumbers[i];
    if (code >= 1 && code <= n && trail.CoordsPerJoint > 0)
      coordinateOfCode[static_cast<std::size_t>(code - 1)] =
          static_cast<int>(i) % trail.CoordsPerJoint + 1;
  }
  const std::vector<std::string> rowForces = CoordinateUnits(model, coordinateOfCode, true);
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
                  [&](int r, int c) { return trail.Stiffness(r, c); },
                  {rowForces, CoordinateUnits(model, coordinateOfCode, false)});
    if (trail.HasStiffness() && n <= kPrintedStiffnessLimit &&
        trail.StructureGeometricStiffness.Rows == n)
      PrintMatrix(printer, "[Kg] structure geometric stiffness, from the members' [kg]", codes,
                  codes, [&](int r, int c) { return trail.StructureGeometricStiffness(r, c); },
                  {rowForces, CoordinateUnits(model, coordinateOfCode, false)});
    PrintMatrix(printer, "{P} = joint loads - sum of {Ff}, and the solution {d}", codes,
                {"joint ld.", "-sum {Ff}", "{P}", "{d}"},
                [&](int r, int c) {
                  const std::vector<double>* columns[] = {&trail.JointLoads, &trail.FixedEndPart,
                                                          &trail.LoadVector, &trail.Displacements};
                  return columns[c]->at(static_cast<std::size_t>(r));
                },
                {rowForces, {"", "", "", DisplacementColumnUnit(model)}});
  }
  PrintChecks(model, results, trail, printer);
  Print(printer, 16, "*************** End of the Method ***************");
}

}  // namespace stavelorn
