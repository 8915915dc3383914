#include "app/PickInfo.h"

#include "analysis/MemberDiagrams.h"

#include <array>
#include <cmath>
#include <vector>

#include "editors/MemberLoadEditor.h"
#include "model/LoadSymbols.h"
#include "model/ModelQuantities.h"
#include "model/NumberText.h"
#include "model/StructType.h"
#include "reports/ResultValues.h"

namespace stavelorn {

namespace {

// A member load as the member-load list words it, as "P = 40 (local y), a = 2".
std::string LoadText(const ModelStore& model, int record) {
  const MemberLoadKindInfo* kind = FindMemberLoadKind(model.MemberLoadInfo(record, 2));
  if (kind == nullptr) return "type " + std::to_string(model.MemberLoadInfo(record, 2));
  std::array<float, 4> values{};
  for (int k = 1; k <= 4 && k <= model.MemberLoadValues.Cols(); ++k)
    values[static_cast<std::size_t>(k - 1)] = model.MemberLoadValues(record, k);
  return MemberLoadValuesText(*kind, values, model.Units);
}

std::string Number(float value) {
  return std::isfinite(value) ? FormatShortest(value) : "?";
}

// A value with the project's unit of its quantity: "12 kN", or "12" without named units.
std::string Number(float value, const ModelStore& model, Quantity quantity) {
  const std::string unit = UnitText(model.Units, quantity);
  return Number(value) + (unit.empty() ? "" : " " + unit);
}

// "X Translation 12, Y Translation -3" over the joint coordinates of the type, leaving out zeros
// when asked; a load's components by their symbols instead, "Fx = 10, Mz = -5". Each value has
// the unit `quantity` gives its coordinate.
template <typename ValueOf>
std::string CoordinateValues(const ModelStore& model, const StructTypeInfo& type, ValueOf value,
                             bool skipZeros, Quantity (*quantity)(const JointCoordNames&),
                             bool loadSymbols = false) {
  std::string text;
  for (int k = 1; k <= type.CoordsPerJoint; ++k) {
    const float v = value(k);
    if (skipZeros && v == 0) continue;
    if (!text.empty()) text += ", ";
    const JointCoordNames& coordinate = CoordinateOf(type, k);
    const std::string shown = Number(v, model, quantity(coordinate));
    text += loadSymbols ? JointLoadSymbol(type, k) + " = " + shown
                        : CoordinateName(coordinate) + " " + shown;
  }
  return text.empty() ? "0" : text;
}

bool Inside(int number, int count) {
  return number >= 1 && number <= count;
}

std::string JointText(const ModelStore& model, const StructureResults& results,
                      const StructTypeInfo& type, int j) {
  std::string text = "Joint " + std::to_string(j) + "\n";
  for (int c = 1; c <= type.CoordColumns && c <= model.JointCoords.Cols(); ++c)
    text += std::string(c > 1 ? ", " : "") + type.ColumnAxes[c - 1] + " = " +
            Number(model.JointCoords(j, c), model, Quantity::Length);

  std::string restraints;
  for (int s = 1; s <= model.SupportCount && s <= model.Supports.Rows(); ++s)
    if (model.Supports(s, 1) == j) {
      restraints.clear();  // a joint listed twice keeps its later row
      for (int k = 1; k <= type.CoordsPerJoint && k + 1 <= model.Supports.Cols(); ++k)
        if (model.Supports(s, k + 1) == 1)
          restraints += (restraints.empty() ? "" : ", ") + CoordinateName(CoordinateOf(type, k));
    }
  text += "\nRestrained: " + (restraints.empty() ? std::string("none") : restraints);

  for (int r = 1; r <= model.JointLoadCount && r <= model.JointLoadJoints.Size(); ++r)
    if (model.JointLoadJoints(r) == j)
      text += "\nLoad: " + CoordinateValues(
                               model, type, [&](int k) { return model.JointLoadValues(r, k); },
                               true, ForceQuantity, true);
  for (int r = 1; r <= model.SettlementCount && r <= model.SettlementJoints.Size(); ++r)
    if (model.SettlementJoints(r) == j)
      text += "\nSupport displacement: " + CoordinateValues(
                                               model, type,
                                               [&](int k) { return model.SettlementValues(r, k); },
                                               true, DisplacementQuantity);

  if (results.AnalysisStatus == kAnalysisComplete) {
    text += "\nDisplacement: " + CoordinateValues(
                                     model, type,
                                     [&](int k) { return ShownDisplacement(model, results, j, k); },
                                     false, DisplacementQuantity);
    if (!restraints.empty())
      text += "\nReaction: " + CoordinateValues(
                                   model, type,
                                   [&](int k) { return ShownReaction(model, results, j, k); },
                                   false, ForceQuantity);
  }
  return text;
}

std::string ReleaseText(const ModelStore& model, int m) {
  int code = 0;  // the stiffness takes the last record of a member
  for (int r = 1; r <= model.ReleaseCount && r <= model.Releases.Rows(); ++r)
    if (model.Releases(r, 1) == m) code = model.Releases(r, 2);
  switch (code) {
    case 1: return "hinged at the beginning";
    case 2: return "hinged at the end";
    case 3: return "hinged at both ends";
    default: return "none";
  }
}

// "A 0.0078, I 0.000115": the values of a table row under their names, each with its unit.
std::string RowText(const ModelStore& model, const Table<float>& table, int row,
                    const std::vector<std::pair<const char*, Quantity>>& names) {
  std::string text;
  for (std::size_t c = 0; c < names.size() && static_cast<int>(c) < table.Cols(); ++c)
    text += std::string(c ? ", " : "") + names[c].first + " " +
            Number(table(row, static_cast<int>(c) + 1), model, names[c].second);
  return text;
}

std::vector<std::pair<const char*, Quantity>> SectionSymbols(const StructTypeInfo& type) {
  std::vector<std::pair<const char*, Quantity>> symbols;
  for (int p = 0; p < type.SectionColumns; ++p) {
    const SectionPropertyNames& property = type.Sections[static_cast<std::size_t>(p)];
    symbols.emplace_back(property.Symbol, SectionQuantity(property));
  }
  return symbols;
}

std::vector<std::pair<const char*, Quantity>> MaterialSymbols(int columns) {
  const char* const names[] = {"E", columns == 3 ? "G" : "alpha", "alpha"};
  std::vector<std::pair<const char*, Quantity>> symbols;
  for (int c = 1; c <= columns; ++c)
    symbols.emplace_back(names[c - 1], MaterialQuantity(columns, c));
  return symbols;
}

std::string MemberText(const ModelStore& model, const StructureResults& results,
                       const StructTypeInfo& type, int m) {
  const int begin = model.MemberProps(m, 1), end = model.MemberProps(m, 2);
  const int material = model.MemberProps(m, 3), section = model.MemberProps(m, 4);
  std::string text = "Member " + std::to_string(m) + ": joint " + std::to_string(begin) +
                     " to joint " + std::to_string(end);
  text += "\nMaterial " + std::to_string(material);
  if (Inside(material, model.MaterialCount))
    text += " (" +
            RowText(model, model.Materials, material, MaterialSymbols(model.MaterialColumns())) +
            ")";
  text += "\nSection " + std::to_string(section);
  if (Inside(section, model.SectionCount))
    text += " (" + RowText(model, model.Sections, section, SectionSymbols(type)) + ")";
  if (!type.Truss) text += "\nRelease: " + ReleaseText(model, m);
  if (type.RollAngles && m <= model.RollAngles.Size())
    text += "\nRoll angle: " + Number(model.RollAngles(m)) + " degrees";

  for (int r = 1; r <= model.MemberLoadCount && r <= model.MemberLoadInfo.Rows(); ++r)
    if (model.MemberLoadInfo(r, 1) == m) text += "\nLoad: " + LoadText(model, r);
  for (int r = 1; r <= model.TempChangeCount && r <= model.TempChangeMembers.Size(); ++r)
    if (model.TempChangeMembers(r) == m)
      text += "\nTemperature change: " +
              Number(model.TempChangeValues(r), model, Quantity::TemperatureChange);
  for (int r = 1; r <= model.FabErrorCount && r <= model.FabErrorMembers.Size(); ++r)
    if (model.FabErrorMembers(r) == m)
      text += "\nFabrication error: " + Number(model.FabErrorValues(r), model, Quantity::Length);

  if (results.AnalysisStatus == kAnalysisComplete && m <= results.MemberEndForces.Rows()) {
    const int perEnd = type.CoordsPerJoint;
    for (int e = 0; e < 2; ++e) {
      text += e == 0 ? "\nEnd forces at joint " : "\n           at joint ";
      text += std::to_string(e == 0 ? begin : end) + ": ";
      for (int k = 1; k <= perEnd && e * perEnd + k <= results.MemberEndForces.Cols(); ++k)
        text +=
            std::string(k > 1 ? ", " : "") + type.EndCoordNames[static_cast<std::size_t>(k - 1)] +
            " " +
            Number(results.MemberEndForces(m, e * perEnd + k), model, EndForceQuantity(type, k));
    }
    // The extremes of its internal-force diagrams, as the member window lists them.
    const std::vector<MemberDiagram> diagrams = BuildMemberDiagrams(model, results);
    if (m <= static_cast<int>(diagrams.size()))
      for (const DiagramExtreme& x : diagrams[static_cast<std::size_t>(m - 1)].Extremes)
        text += "\n" + std::string(x.Maximum ? "Largest " : "Smallest ") +
                QuantityName(model.StructType, x.Quantity) + " " +
                Number(x.Value, model, UnitQuantity(x.Quantity)) +
                " at x = " + Number(x.X, model, Quantity::Length);
  }
  return text;
}

}  // namespace

std::string PickedItemText(const ModelStore& model, const StructureResults& results,
                           const PickedItem& item) {
  const StructTypeInfo* type = model.Type();
  if (type == nullptr) return "";
  if (item.What == PickedItem::Kind::Joint && Inside(item.Number, model.JointCount) &&
      item.Number <= model.JointCoords.Rows())
    return JointText(model, results, *type, item.Number);
  if (item.What == PickedItem::Kind::Member && Inside(item.Number, model.MemberCount) &&
      item.Number <= model.MemberProps.Rows())
    return MemberText(model, results, *type, item.Number);
  return "";
}

std::string StructureDescription(const ModelStore& model, const StructureResults& results,
                                 const PickedItem& focused) {
  const StructTypeInfo* type = model.Type();
  if (type == nullptr) return "";
  auto count = [](int n, const char* what) {
    return std::to_string(n) + " " + what + (n == 1 ? "" : "s");
  };
  std::string text = std::string(type->Name) + ", " + count(model.JointCount, "joint") + ", " +
                     count(model.MemberCount, "member");
  if (results.AnalysisStatus == kAnalysisComplete) {
    float largest = 0;
    int joint = 0;
    int coordinate = 0;
    for (int j = 1; j <= model.JointCount; ++j)
      for (int k = 1; k <= type->CoordsPerJoint; ++k) {
        const float value = ShownDisplacement(model, results, j, k);
        if (!CoordinateOf(*type, k).Rotation && std::fabs(value) > std::fabs(largest)) {
          largest = value;
          joint = j;
          coordinate = k;
        }
      }
    if (joint > 0)
      text += "\nLargest displacement: " + CoordinateName(CoordinateOf(*type, coordinate)) + " " +
              Number(largest, model, Quantity::Length) + " at joint " + std::to_string(joint);
  }
  if (const std::string item = PickedItemText(model, results, focused); !item.empty())
    text += "\n\nKeyboard focus: " + item;
  for (int j = 1; j <= model.JointCount; ++j)
    text += "\n\n" + PickedItemText(model, results, PickedItem{PickedItem::Kind::Joint, j});
  for (int m = 1; m <= model.MemberCount; ++m)
    text += "\n\n" + PickedItemText(model, results, PickedItem{PickedItem::Kind::Member, m});
  return text;
}

}  // namespace stavelorn
