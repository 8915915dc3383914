#include "app/InfluenceChoice.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "analysis/InfluencePath.h"
#include "analysis/MemberAxes.h"
#include "model/NumberMask.h"
#include "model/NumberText.h"
#include "model/StructType.h"

namespace stavelorn {

namespace {

constexpr const char* kValueMask = " 0.0000E+00;-0.0000E+00";

bool OfJoint(InfluenceKind kind) {
  return kind == InfluenceKind::Reaction || kind == InfluenceKind::Displacement;
}

bool Names(const ModelStore& model, const StructureResults& results, const InfluenceQuantity& q) {
  return InfluenceQuantityProblem(model, results, q).empty();
}

// The kind with the first component that names something at the joint, the current component
// first.
bool TryJointKind(const ModelStore& model, const StructureResults& results, InfluenceChoice& choice,
                  InfluenceKind kind, int joint) {
  InfluenceQuantity q = choice.Quantity;
  q.Kind = kind;
  q.Item = joint;
  std::vector<int> components{q.Component};
  for (int k = 1; k <= model.CoordsPerJoint; ++k) components.push_back(k);
  for (int k : components) {
    q.Component = k;
    if (Names(model, results, q)) return choice.Quantity = q, true;
  }
  return false;
}

std::string Short(double value) {
  return FormatShortest(static_cast<float>(value));
}

std::string Lower(std::string text) {
  if (!text.empty()) text.front() = static_cast<char>(std::tolower(text.front()));
  return text;
}

// Where a station lies on its member, in words.
std::string Place(const ModelStore& model, const InfluenceSpan& span, const InfluenceStation& s) {
  std::string place;
  if (s.Side == StationSide::Before) place = "before section";
  if (s.Side == StationSide::After) place = "after section";
  const double tenths = s.X / span.Length * 10;
  if (place.empty() && s.X == 0)
    place = "joint " + std::to_string(model.MemberProps(span.Member, 1));
  if (place.empty() && s.X == span.Length)
    place = "joint " + std::to_string(model.MemberProps(span.Member, 2));
  if (place.empty() && std::fabs(tenths - std::round(tenths)) < 1e-9)
    place = std::to_string(static_cast<int>(std::lround(tenths))) + "/10 L";
  if (s.Extreme) place += place.empty() ? "extreme" : ", extreme";
  return place;
}

}  // namespace

const std::vector<InfluenceKindInfo>& InfluenceKinds() {
  static const std::vector<InfluenceKindInfo> kinds = {
      {InfluenceKind::Reaction, "Support reaction"},
      {InfluenceKind::EndForce, "Member end force"},
      {InfluenceKind::Internal, "Internal force"},
      {InfluenceKind::Displacement, "Displacement"}};
  return kinds;
}

int InfluenceKindIndex(InfluenceKind kind) {
  const std::vector<InfluenceKindInfo>& kinds = InfluenceKinds();
  for (std::size_t i = 0; i < kinds.size(); ++i)
    if (kinds[i].Kind == kind) return static_cast<int>(i);
  return 0;
}

std::string InfluenceItemLabel(InfluenceKind kind) {
  return OfJoint(kind) ? "Joint:" : "Member:";
}

int InfluenceItemCount(const ModelStore& model, InfluenceKind kind) {
  return OfJoint(kind) ? model.JointCount : model.MemberCount;
}

std::vector<std::string> InfluenceComponents(const ModelStore& model, InfluenceKind kind) {
  const StructTypeInfo& type = model.TypeInfo();
  const int n = type.CoordsPerJoint;
  std::vector<std::string> names;
  if (OfJoint(kind)) {
    for (int k = 1; k <= n; ++k)
      names.push_back(kind == InfluenceKind::Reaction ? CoordinateOf(type, k).Reaction
                                                      : CoordinateName(CoordinateOf(type, k)));
  } else if (kind == InfluenceKind::EndForce) {
    for (int k = 1; k <= 2 * n; ++k)
      names.push_back(std::to_string(k) + " " +
                      type.EndCoordNames.at(static_cast<std::size_t>((k - 1) % n)) +
                      (k > n ? " (end)" : " (beginning)"));
  } else {
    for (DiagramQuantity d : QuantitiesOfType(model.StructType))
      names.push_back(QuantityName(model.StructType, d));
  }
  return names;
}

int InfluenceComponentIndex(const ModelStore& model, const InfluenceQuantity& q) {
  if (q.Kind != InfluenceKind::Internal) return q.Component - 1;
  const std::vector<DiagramQuantity> quantities = QuantitiesOfType(model.StructType);
  return static_cast<int>(std::find(quantities.begin(), quantities.end(), q.Quantity) -
                          quantities.begin());
}

void ChooseInfluenceKind(const ModelStore& model, InfluenceChoice& choice, InfluenceKind kind) {
  InfluenceQuantity& q = choice.Quantity;
  q.Kind = kind;
  q.Component = 1;
  q.Item = std::max(q.Item, 1);
  const std::vector<DiagramQuantity> quantities = QuantitiesOfType(model.StructType);
  if (kind == InfluenceKind::Internal && !quantities.empty()) q.Quantity = quantities.back();
}

void ChooseInfluenceControls(const ModelStore& model, InfluenceChoice& choice, int item,
                             int component, const std::string& section) {
  InfluenceQuantity& q = choice.Quantity;
  q.Item = item;
  const int index = std::max(component, 0);
  if (q.Kind == InfluenceKind::Internal) {
    const std::vector<DiagramQuantity> quantities = QuantitiesOfType(model.StructType);
    if (index < static_cast<int>(quantities.size()))
      q.Quantity = quantities[static_cast<std::size_t>(index)];
    if (const std::optional<float> x = ParseSingle(section)) q.X = *x;
  } else {
    q.Component = index + 1;
  }
}

std::string InfluencePathText(const ModelStore& model, const InfluenceChoice& choice,
                              const InfluenceLine& line) {
  if (choice.Path.empty()) return DefaultPathText(ChooseDefaultPath(model));
  std::string text;
  for (const InfluenceSpan& span : line.Path) text += " " + std::to_string(span.Member);
  return text;
}

InfluenceChoice FirstInfluenceChoice(const ModelStore& model, const StructureResults& results) {
  InfluenceChoice choice;
  for (int s = 1; s <= model.SupportCount; ++s)
    if (TryJointKind(model, results, choice, InfluenceKind::Reaction, model.Supports(s, 1))) break;
  return choice;
}

bool PickJoint(const ModelStore& model, const StructureResults& results, InfluenceChoice& choice,
               int joint) {
  const InfluenceKind first = choice.Quantity.Kind == InfluenceKind::Displacement
                                  ? InfluenceKind::Displacement
                                  : InfluenceKind::Reaction;
  const InfluenceKind second =
      first == InfluenceKind::Reaction ? InfluenceKind::Displacement : InfluenceKind::Reaction;
  return TryJointKind(model, results, choice, first, joint) ||
         TryJointKind(model, results, choice, second, joint);
}

void PickMember(const ModelStore& model, InfluenceChoice& choice, int member, double x) {
  if (member < 1 || member > model.MemberCount) return;
  if (choice.PickingPath) {
    auto at = std::find(choice.Path.begin(), choice.Path.end(), member);
    if (at != choice.Path.end())
      choice.Path.erase(at);
    else
      choice.Path.push_back(member);
    return;
  }
  InfluenceQuantity& q = choice.Quantity;
  if (q.Kind == InfluenceKind::EndForce) {
    q.Item = member;
    return;
  }
  const std::vector<DiagramQuantity> quantities = QuantitiesOfType(model.StructType);
  if (q.Kind != InfluenceKind::Internal && !quantities.empty()) {
    // The bending moment where the type has one, the axial force of a truss bar otherwise.
    const bool bends = std::count(quantities.begin(), quantities.end(), DiagramQuantity::Mz) > 0;
    q.Quantity = bends ? DiagramQuantity::Mz : quantities.front();
  }
  q.Kind = InfluenceKind::Internal;
  q.Item = member;
  q.X = x;
}

double PickedSection(double fraction, double length) {
  return std::round(std::clamp(fraction, 0.0, 1.0) * 20) / 20 * length;
}

bool PickMemberAt(const ModelStore& model, InfluenceChoice& choice, int member, double fraction) {
  const std::optional<MemberAxes> axes = MemberLocalAxes(model, member);
  if (!axes || !std::isfinite(fraction)) return false;
  PickMember(model, choice, member, PickedSection(fraction, axes->Length));
  return true;
}

std::string InfluenceName(const ModelStore& model, const InfluenceQuantity& q) {
  const StructTypeInfo& type = model.TypeInfo();
  const int n = type.CoordsPerJoint;
  switch (q.Kind) {
    case InfluenceKind::Reaction:
      return "Reaction " + std::string(CoordinateOf(type, q.Component).Reaction) + " at joint " +
             std::to_string(q.Item);
    case InfluenceKind::Displacement:
      return CoordinateName(CoordinateOf(type, q.Component)) + " of joint " +
             std::to_string(q.Item);
    case InfluenceKind::EndForce: {
      const int end = q.Component > n ? 2 : 1;
      return "Member " + std::to_string(q.Item) + " end force " + std::to_string(q.Component) +
             " (" + type.EndCoordNames.at(static_cast<std::size_t>((q.Component - 1) % n)) +
             " at joint " + std::to_string(model.MemberProps(q.Item, end)) + ")";
    }
    case InfluenceKind::Internal:
      return QuantityName(model.StructType, q.Quantity) + " (" +
             Lower(QuantityCaption(q.Quantity)) + ") at x = " + Short(q.X) + " of member " +
             std::to_string(q.Item);
  }
  return "";
}

std::string InfluencePrinciple(const ModelStore& model, const InfluenceQuantity& q) {
  const std::string name = InfluenceName(model, q);
  if (q.Kind == InfluenceKind::Displacement) {
    const bool rotation = CoordinateOf(model.TypeInfo(), q.Component).Rotation;
    return std::string("Maxwell's theorem: the line is the deflected shape under a unit ") +
           (rotation ? "couple" : "force") + " at this coordinate (" + name +
           "), ordinates measured downward.";
  }
  return "Müller-Breslau's principle: the line has the shape the structure takes when the "
         "restraint that carries this force (" +
         name + ") is released and moved by one unit in its positive direction.";
}

ResultTable BuildInfluenceTable(const ModelStore& model, const InfluenceLine& line) {
  ResultTable table;
  table.Caption = "Influence Lines";
  table.Label1 = model.ProjectTitle;
  table.Label2 = "Influence line of " + InfluenceName(model, line.Quantity);
  table.Cells.push_back({"Member", "x", "Where", "Ordinate"});
  auto value = [](double v) { return FormatMasked(static_cast<float>(v), kValueMask); };
  for (const InfluenceSpan& span : line.Path)
    for (const InfluenceStation& s : span.Stations)
      table.Cells.push_back(
          {std::to_string(span.Member), Short(s.X), Place(model, span, s), value(s.Value)});
  for (const auto& [label, point] : {std::pair{"max", line.Max}, std::pair{"min", line.Min}})
    if (point.Member)
      table.Cells.push_back({std::to_string(point.Member), Short(point.Station.X), label,
                             value(point.Station.Value)});
  table.ColWidths = {900, 1100, 1700, 1400};
  table.HeadingHeight = 300;
  table.RowHeight = 300;
  table.Alignment = CellAlignment::General;
  table.Size = SizeResultGrid(table.ColWidths, table.Rows(), table.HeadingHeight, table.RowHeight);
  return table;
}

}  // namespace stavelorn
