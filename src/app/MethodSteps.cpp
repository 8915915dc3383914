#include "app/MethodSteps.h"

#include <array>

#include "analysis/TrailLabels.h"
#include "model/LoadSymbols.h"
#include "model/ModelQuantities.h"
#include "model/NumberText.h"
#include "model/StructType.h"
#include "model/SupportAxes.h"

namespace stavelorn {

namespace {

// The shortest text that reads back to the value: a single-precision value as a float.
std::string FullNumber(double value) {
  const float single = static_cast<float>(value);
  return static_cast<double>(single) == value ? RoundTripText(single) : RoundTripText(value);
}

StepTable MatrixTable(std::string title, std::vector<std::string> rows,
                      std::vector<std::string> cols, const TrailMatrix& matrix) {
  StepTable t;
  t.Title = std::move(title);
  t.RowLabels = std::move(rows);
  t.ColumnLabels = std::move(cols);
  t.Values = matrix.Values;
  return t;
}

}  // namespace

std::string CellText(const StepTable& table, int row, int col) {
  const double value = table.At(row, col);
  if (value == 0) return "";
  if (table.Integers) return std::to_string(static_cast<long>(value));
  return StepNumber(table.Trigonometric ? ShownCosine(value) : value);
}

std::string CellTooltip(const StepTable& table, int row, int col) {
  const double value = table.At(row, col);
  if (value == 0 || table.Integers) return "";
  if (table.Trigonometric && ShownCosine(value) == 0)
    return "Stored " + FullNumber(value) + ": round-off of a cosine, shown as 0";
  return "Stored " + FullNumber(value);
}

std::string TableTsv(const StepTable& table) {
  std::string out;
  for (int r = 0; r < table.Rows(); ++r) {
    for (int c = 0; c < table.Cols(); ++c) {
      if (c) out += '\t';
      out += FullNumber(table.At(r, c));
    }
    out += '\n';
  }
  return out;
}

MethodSteps::MethodSteps(const ModelStore& model, const StructureResults& results,
                         const MethodTrail& trail)
    : model_(model), results_(results), trail_(trail) {
  const int perJoint = trail.CoordsPerJoint;
  const int n = static_cast<int>(trail.CoordNumbers.size());
  jointOfCode_.assign(static_cast<std::size_t>(n) + 1, 0);
  coordOfCode_.assign(static_cast<std::size_t>(n) + 1, 0);
  for (int i = 0; i < n; ++i) {
    const int code = trail.CoordNumbers[static_cast<std::size_t>(i)];
    if (code < 1 || code > n || perJoint < 1) continue;
    jointOfCode_[static_cast<std::size_t>(code)] = i / perJoint + 1;
    coordOfCode_[static_cast<std::size_t>(code)] = i % perJoint + 1;
  }
}

std::string MethodSteps::StructureLabel(const std::string& symbol, int code) const {
  const std::size_t c = static_cast<std::size_t>(code);
  return stavelorn::StructureLabel(model_.StructType, symbol, code, jointOfCode_.at(c),
                                   coordOfCode_.at(c));
}

StepTable MethodSteps::Numbering() const {
  StepTable t;
  t.Title = "Structure coordinate numbers";
  t.Integers = true;
  const int perJoint = trail_.CoordsPerJoint;
  for (int k = 1; k <= perJoint; ++k)
    t.ColumnLabels.push_back(GlobalCoordName(model_.StructType, k));
  const int joints = perJoint > 0 ? static_cast<int>(trail_.CoordNumbers.size()) / perJoint : 0;
  for (int j = 1; j <= joints; ++j) {
    t.RowLabels.push_back("Joint " + std::to_string(j));
    for (int k = 1; k <= perJoint; ++k) {
      const int code = trail_.CoordNumbers[static_cast<std::size_t>((j - 1) * perJoint + k - 1)];
      t.Values.push_back(code);
      t.Marked.push_back(code > trail_.DofCount);
    }
  }
  return t;
}

std::string MethodSteps::NumberingNote() const {
  const int n = trail_.DofCount, all = static_cast<int>(trail_.CoordNumbers.size());
  if (n == 0)
    return "No coordinate is free: restrained coordinates (shaded) 1 to " + std::to_string(all) +
           ".";
  return "Free coordinates 1 to " + std::to_string(n) + ", numbered first, joint by joint; " +
         "restrained coordinates (shaded) " + std::to_string(n + 1) + " to " + std::to_string(all) +
         ".";
}

std::string MethodSteps::MemberCaption(int index) const {
  const TrailMember& m = trail_.Members.at(static_cast<std::size_t>(index));
  return "Member " + std::to_string(m.Member) + ": joint " + std::to_string(m.BeginJoint) +
         " to joint " + std::to_string(m.EndJoint);
}

std::vector<std::string> MethodSteps::MemberFacts(int index) const {
  const TrailMember& m = trail_.Members.at(static_cast<std::size_t>(index));
  const std::string& type = model_.StructType;
  std::vector<std::string> facts;
  facts.push_back("Length L = " + Measured(m.Length, Quantity::Length));
  const double cosines[] = {m.DirCosX, m.DirCosY, m.DirCosZ};
  std::string text = "Direction cosines:";
  for (int axis : PositionAxes(type))
    text += std::string(axis ? ", C" : " C") + "XYZ"[axis] + " = " +
            StepNumber(ShownCosine(cosines[axis]));
  facts.push_back(text);
  if (model_.Type() && model_.Type()->RollAngles) {
    facts.push_back("Roll angle = " + StepNumber(model_.RollAngles(m.Member)) +
                    " degrees; rotation matrix r, the local axes in global X, Y, Z (the "
                    "diagonal blocks of [T]):");
    for (int i = 0; i < 3; ++i)
      facts.push_back(std::string("    ") + "xyz"[i] + ": (" +
                      StepNumber(ShownCosine(m.Transformation(i, 0))) + ", " +
                      StepNumber(ShownCosine(m.Transformation(i, 1))) + ", " +
                      StepNumber(ShownCosine(m.Transformation(i, 2))) + ")");
  }
  if (IsTruss(type))
    facts.push_back("Release code: none (a truss bar is pin-jointed at both ends)");
  else
    facts.push_back("Release code: " + std::to_string(m.ReleaseType) + " (" +
                    ReleaseName(m.ReleaseType) + ")");
  if (m.Aligned)
    facts.push_back(
        "The member points along +X: [T] is taken as the identity, so {u} = {v}, "
        "[K] = [k] and {Ff} = {Qf} are copies");
  // The nodal transformation at an end on a turned support.
  for (const int joint : {m.BeginJoint, m.EndJoint}) {
    const JointTurn turn = JointTurnOf(model_, joint);
    if (!turn.Turned()) continue;
    const StructTypeInfo& info = model_.TypeInfo();
    facts.push_back("Joint " + std::to_string(joint) + " stands on a support turned by " +
                    StepNumber(model_.SupportAngleValues(SupportAngleRecord(model_, joint))) +
                    " degrees: [Tn] turns its " + CoordinateOf(info, turn.First).Check + " and " +
                    CoordinateOf(info, turn.Second).Check + " to the support's axes (cos = " +
                    StepNumber(turn.Cos) + ", sin = " + StepNumber(turn.Sin) +
                    "); [Tn][K][Tn]' and [Tn]{Ff} went into [S] and {P}, and {v} = [Tn]'{d}");
  }
  std::string codes = "Code numbers:";
  for (int code : m.CodeNumbers) codes += " " + std::to_string(code);
  facts.push_back(codes + " (above " + std::to_string(trail_.DofCount) + ": restrained)");
  return facts;
}

std::string MethodSteps::MemberFactsTooltip(int index) const {
  const TrailMember& m = trail_.Members.at(static_cast<std::size_t>(index));
  std::string tip;
  auto note = [&tip](const std::string& name, double value) {
    if (value != 0 && ShownCosine(value) == 0)
      tip += (tip.empty() ? "" : "\n") + name + " stored as " + FullNumber(value) +
             " (round-off, shown as 0)";
  };
  const double cosines[] = {m.DirCosX, m.DirCosY, m.DirCosZ};
  for (int axis : PositionAxes(model_.StructType))
    note(std::string("C") + "XYZ"[axis], cosines[axis]);
  if (model_.Type() && model_.Type()->RollAngles)
    for (int i = 0; i < 3; ++i)
      for (int j = 0; j < 3; ++j)
        note(std::string("r") + "xyz"[i] + "XYZ"[j], m.Transformation(i, j));
  return tip;
}

std::vector<std::string> MethodSteps::FixedEndSources(int index) const {
  const TrailMember& m = trail_.Members.at(static_cast<std::size_t>(index));
  std::vector<std::string> lines;
  for (int r = 1; r <= model_.MemberLoadCount; ++r) {
    if (model_.MemberLoadInfo(r, 1) != m.Member) continue;
    const int code = model_.MemberLoadInfo(r, 2);
    const MemberLoadKindInfo* kind = FindMemberLoadKind(code);
    std::array<float, 4> values{};
    for (int k = 1; k <= 4; ++k)
      values[static_cast<std::size_t>(k - 1)] = model_.MemberLoadValues(r, k);
    lines.push_back("{Qf}: member load " + std::to_string(r) + ", " +
                    (kind ? std::string(kind->LongName) + ": " +
                                MemberLoadValuesText(*kind, values, model_.Units)
                          : "of type " + std::to_string(code)));
  }
  for (int r = 1; r <= model_.TempChangeCount; ++r)
    if (model_.TempChangeMembers(r) == m.Member)
      lines.push_back("{Qf}: temperature change " + std::to_string(r) + ": dT = " +
                      Measured(model_.TempChangeValues(r), Quantity::TemperatureChange));
  for (int r = 1; r <= model_.FabErrorCount; ++r)
    if (model_.FabErrorMembers(r) == m.Member)
      lines.push_back("{Qf}: fabrication error " + std::to_string(r) +
                      ": e = " + Measured(model_.FabErrorValues(r), Quantity::Length));
  for (int r = 1; r <= model_.SettlementCount; ++r) {
    const int joint = model_.SettlementJoints(r);
    if (joint == m.BeginJoint || joint == m.EndJoint)
      lines.push_back("{Ff}: settlement of joint " + std::to_string(joint) +
                      ", as [K]{v} with the settlement in {v}");
  }
  if (lines.empty())
    lines.push_back(
        "No member loads, temperature changes, fabrication errors or settlements: "
        "{Qf} and {Ff} are zero.");
  else
    lines.push_back(
        "{Ff} = [T]'{Qf} + [K]{v of settlements}; it goes into {P} with its sign "
        "changed.");
  return lines;
}

std::string MethodSteps::Measured(double value, Quantity quantity) const {
  const std::string unit = UnitText(model_.Units, quantity);
  return StepNumber(value) + (unit.empty() ? "" : " " + unit);
}

std::string MethodSteps::WithCoordinateUnit(const std::string& label, int coordinate,
                                            bool force) const {
  const StructTypeInfo& type = model_.TypeInfo();
  const JointCoordNames& names = CoordinateOf(type, (coordinate - 1) % type.CoordsPerJoint + 1);
  return WithUnit(label, model_.Units, force ? ForceQuantity(names) : DisplacementQuantity(names));
}

StepTable MethodSteps::MemberVectorTable(const TrailMember& m, const std::string& symbol,
                                         const std::vector<double>& values, bool global) const {
  StepTable t;
  t.Title = "{" + symbol + "}";
  t.ColumnLabels = {"{" + symbol + "}"};
  // {u} and {v} are displacements; {Q}, {Qf}, {F}, {Ff} forces.
  const bool force = symbol != "u" && symbol != "v";
  for (std::size_t i = 0; i < values.size(); ++i) {
    const int coordinate = static_cast<int>(i) + 1;
    t.RowLabels.push_back(WithCoordinateUnit(
        EndLabel(model_.StructType, symbol, coordinate, m.BeginJoint, m.EndJoint, global),
        coordinate, force));
  }
  t.Values = values;
  return t;
}

std::vector<StepTable> MethodSteps::MemberTables(int index) const {
  const TrailMember& m = trail_.Members.at(static_cast<std::size_t>(index));
  const std::string& type = model_.StructType;
  const int n = static_cast<int>(m.CodeNumbers.size());
  // A stiffness entry is a force (row) per displacement (column); [T] has no unit.
  std::vector<std::string> local, global, codes, localForces, localMoves, codeForces, codeMoves;
  for (int i = 1; i <= n; ++i) {
    local.push_back(EndLabel(type, "u", i, m.BeginJoint, m.EndJoint, false));
    global.push_back(EndLabel(type, "v", i, m.BeginJoint, m.EndJoint, true));
    codes.push_back(std::to_string(m.CodeNumbers[static_cast<std::size_t>(i - 1)]) + " = " +
                    global.back());
    localForces.push_back(WithCoordinateUnit(local.back(), i, true));
    localMoves.push_back(WithCoordinateUnit(local.back(), i, false));
    codeForces.push_back(WithCoordinateUnit(codes.back(), i, true));
    codeMoves.push_back(WithCoordinateUnit(codes.back(), i, false));
  }
  std::vector<StepTable> tables;
  tables.push_back(MatrixTable("[k] local stiffness, releases applied", localForces, localMoves,
                               m.LocalStiffness));
  tables.push_back(
      MatrixTable("[T] transformation, {u} = [T]{v}", local, global, m.Transformation));
  tables.back().Trigonometric = true;
  StepTable kg = MatrixTable("[K] = [T]'[k][T], by code numbers (marked: goes into [S])",
                             codeForces, codeMoves, m.GlobalStiffness);
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j)
      kg.Marked.push_back(m.CodeNumbers[static_cast<std::size_t>(i)] <= trail_.DofCount &&
                          m.CodeNumbers[static_cast<std::size_t>(j)] <= trail_.DofCount);
  tables.push_back(std::move(kg));
  tables.push_back(MemberVectorTable(m, "Qf", m.LocalFixedEndForces, false));
  tables.push_back(MemberVectorTable(m, "Ff", m.GlobalFixedEndForces, true));
  tables.push_back(MemberVectorTable(m, "v", m.GlobalEndDisplacements, true));
  tables.push_back(MemberVectorTable(m, "u", m.LocalEndDisplacements, false));
  tables.push_back(MemberVectorTable(m, "Q", m.LocalEndForces, false));
  tables.push_back(MemberVectorTable(m, "F", m.GlobalEndForces, true));
  tables[5].Title = "{v} global end displacements";
  tables[6].Title = "{u} = [T]{v}";
  tables[7].Title = "{Q} = [k]{u} + {Qf}";
  tables[8].Title = "{F} = [T]'{Q}";
  return tables;
}

StepTable MethodSteps::GeometricStiffness(int index) const {
  const TrailMember& m = trail_.Members.at(static_cast<std::size_t>(index));
  StepTable t;
  t.Title = "[kg] local geometric stiffness, from the axial force";
  if (m.GeometricStiffness.Rows == 0) return t;
  const StepTable k = MemberTables(index).front();
  return MatrixTable(t.Title, k.RowLabels, k.ColumnLabels, m.GeometricStiffness);
}

StepTable MethodSteps::StructureGeometricStiffness() const {
  StepTable s = Stiffness(-1);
  s.Title = "[Kg] structure geometric stiffness matrix, from the members' [kg]";
  if (trail_.StructureGeometricStiffness.Rows == 0 || s.Values.empty()) {
    s.RowLabels.clear();
    s.ColumnLabels.clear();
    s.Values.clear();
    return s;
  }
  s.Values = trail_.StructureGeometricStiffness.Values;
  return s;
}

StepTable MethodSteps::Stiffness(int index) const {
  StepTable t;
  t.Title = "[S] structure stiffness matrix";
  if (!trail_.HasStiffness()) return t;
  const int n = trail_.DofCount;
  for (int code = 1; code <= n; ++code) {
    const std::string label = StructureLabel("d", code);
    const int coordinate = coordOfCode_.at(static_cast<std::size_t>(code));
    t.RowLabels.push_back(WithCoordinateUnit(label, coordinate, true));
    t.ColumnLabels.push_back(WithCoordinateUnit(label, coordinate, false));
  }
  t.Values = trail_.Stiffness.Values;
  if (index >= 0 && index < MemberCount()) {
    t.Marked.assign(t.Values.size(), false);
    const std::vector<int>& codes = trail_.Members[static_cast<std::size_t>(index)].CodeNumbers;
    for (int row : codes)
      for (int col : codes)
        if (row <= n && col <= n)
          t.Marked[static_cast<std::size_t>((row - 1) * n + col - 1)] = true;
  }
  return t;
}

std::string MethodSteps::StiffnessNote() const {
  std::string springs;
  for (const TrailSpring& spring : trail_.Springs)
    springs += " S(" + std::to_string(spring.Code) + "," + std::to_string(spring.Code) +
               ") += k = " + StepNumber(spring.Stiffness) + ", the spring at joint " +
               std::to_string(spring.Joint) + " (" +
               CoordinateOf(model_.TypeInfo(), spring.Coordinate).Check + ").";
  if (trail_.HasStiffness())
    return "Free coordinates only; blanks are zeros. Marked: the cells the chosen member added." +
           springs;
  if (trail_.DofCount < 1) return "No free coordinate: there is no [S] to solve.";
  return "[S] has " + std::to_string(trail_.DofCount) + " rows; it is kept for up to " +
         std::to_string(kTrailStiffnessLimit) + " free coordinates.";
}

StepTable MethodSteps::Loads(int index) const {
  StepTable t;
  t.Title = "{P} = joint loads - sum of {Ff}, and the solution {d} of [S]{d} = {P}";
  // The row's unit is its force's; {d} is a length, or an angle in radians.
  t.ColumnLabels = {"Joint loads", "-sum {Ff}", "{P}",
                    model_.Units.Named ? "{d} [" + UnitText(model_.Units, Quantity::Length) +
                                             (RotationCount(model_.TypeInfo()) > 0 ? ", rad]" : "]")
                                       : "{d}"};
  const int n = trail_.DofCount;
  std::vector<bool> memberRow(static_cast<std::size_t>(n), false);
  if (index >= 0 && index < MemberCount())
    for (int code : trail_.Members[static_cast<std::size_t>(index)].CodeNumbers)
      if (code <= n) memberRow[static_cast<std::size_t>(code - 1)] = true;
  for (int code = 1; code <= n; ++code) {
    const std::size_t i = static_cast<std::size_t>(code - 1);
    t.RowLabels.push_back(
        WithCoordinateUnit(StructureLabel("P", code), coordOfCode_.at(i + 1), true));
    for (double value : {trail_.JointLoads.at(i), trail_.FixedEndPart.at(i),
                         trail_.LoadVector.at(i), trail_.Displacements.at(i)})
      t.Values.push_back(value);
    for (int c = 0; c < 4; ++c) t.Marked.push_back(memberRow[i] && c == 1);
  }
  return t;
}

}  // namespace stavelorn
