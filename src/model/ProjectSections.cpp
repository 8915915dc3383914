#include "model/ProjectSections.h"

#include <algorithm>

#include "model/MemberLoadKind.h"
#include "model/ModelQuantities.h"

namespace stavelorn {

namespace {

template <int N>
int Fixed(const ModelStore&) {
  return N;
}
int CoordColumns(const ModelStore& m) {
  return m.CoordColumns;
}
int CoordsPerJoint(const ModelStore& m) {
  return m.CoordsPerJoint;
}
// The joint, then a 1 or 0 per coordinate.
int SupportFields(const ModelStore& m) {
  return m.CoordsPerJoint + 1;
}
int MaterialColumns(const ModelStore& m) {
  return m.MaterialColumns();
}
int SectionColumns(const ModelStore& m) {
  return m.SectionColumns;
}
// Only a space frame's members carry an angle of roll.
int RollAngleFields(const ModelStore& m) {
  return m.Type() && m.Type()->RollAngles ? 1 : 0;
}

template <Quantity Q>
std::optional<Quantity> Always(const StructTypeInfo&, const ModelStore&, int, int) {
  return Q;
}
std::optional<Quantity> MaterialField(const StructTypeInfo& type, const ModelStore&, int,
                                      int column) {
  return MaterialQuantity(type.MaterialColumns, column);
}
std::optional<Quantity> SectionField(const StructTypeInfo& type, const ModelStore&, int,
                                     int column) {
  return SectionQuantity(type.Sections.at(static_cast<std::size_t>(column - 1)));
}
std::optional<Quantity> JointLoadField(const StructTypeInfo& type, const ModelStore&, int,
                                       int column) {
  return ForceQuantity(CoordinateOf(type, column));
}
std::optional<Quantity> SettlementField(const StructTypeInfo& type, const ModelStore&, int,
                                        int column) {
  return DisplacementQuantity(CoordinateOf(type, column));
}
// A spring resists a translation with a force per length and a rotation with a moment per radian,
// whose unit is a moment's.
std::optional<Quantity> SpringField(const StructTypeInfo& type, const ModelStore& m, int row, int) {
  const Table<std::int16_t>& coords = m.SpringCoords;
  const int k = row <= coords.Rows() && coords.Cols() >= 2 ? coords(row, 2) : 0;
  if (k < 1 || k > type.CoordsPerJoint) return std::nullopt;
  return CoordinateOf(type, k).Rotation ? Quantity::Moment : Quantity::ForcePerLength;
}
// A member load's values are what its kind makes them; nothing says what an unknown kind's are.
std::optional<Quantity> MemberLoadField(const StructTypeInfo&, const ModelStore& m, int row,
                                        int column) {
  const Table<std::int16_t>& info = m.MemberLoadInfo;
  const MemberLoadKindInfo* kind =
      row <= info.Rows() && info.Cols() >= 2 ? FindMemberLoadKind(info(row, 2)) : nullptr;
  if (!kind) return std::nullopt;
  return LoadValueQuantity(*kind, column);
}

// The rows and columns held at each kind of place.
struct ShapeOf {
  const ModelStore& m;
  template <typename T>
  PlaceShape operator()(Table<T> ModelStore::*table) const {
    return {(m.*table).Rows(), (m.*table).Cols()};
  }
  template <typename T>
  PlaceShape operator()(Array<T> ModelStore::*array) const {
    return {(m.*array).Size(), 1};
  }
  PlaceShape operator()(UnitNamesPlace) const { return {1, 3}; }
};

using M = ModelStore;

std::vector<SectionRow> BuildSections() {
  return {
      {"Joints", &M::JointCount, {{&M::JointCoords, CoordColumns, Always<Quantity::Length>}}},
      {"Supports", &M::SupportCount, {{&M::Supports, SupportFields}}},
      {"Support Springs",
       &M::SpringCount,
       {{&M::SpringCoords, Fixed<2>}, {&M::SpringStiffness, Fixed<1>, SpringField}},
       false,
       false,
       SpringRecordProblem},
      // Angles are degrees whatever the units.
      {"Support Angles",
       &M::SupportAngleCount,
       {{&M::SupportAngleJoints, Fixed<1>}, {&M::SupportAngleValues, Fixed<1>}},
       false,
       false,
       SupportAngleProblem},
      {"Materials", &M::MaterialCount, {{&M::Materials, MaterialColumns, MaterialField}}},
      {"Cross-Sections", &M::SectionCount, {{&M::Sections, SectionColumns, SectionField}}},
      // Angles of roll are degrees whatever the units.
      {"Members",
       &M::MemberCount,
       {{&M::MemberProps, Fixed<4>}, {&M::RollAngles, RollAngleFields}}},
      {"Member Releases", &M::ReleaseCount, {{&M::Releases, Fixed<2>}}, true},
      {"Joint Loads",
       &M::JointLoadCount,
       {{&M::JointLoadJoints, Fixed<1>}, {&M::JointLoadValues, CoordsPerJoint, JointLoadField}},
       false,
       true},
      {"Member Loads",
       &M::MemberLoadCount,
       {{&M::MemberLoadInfo, Fixed<2>}, {&M::MemberLoadValues, Fixed<4>, MemberLoadField}},
       false,
       true},
      {"Support Displacements",
       &M::SettlementCount,
       {{&M::SettlementJoints, Fixed<1>}, {&M::SettlementValues, CoordsPerJoint, SettlementField}},
       false,
       true},
      {"Temperature Changes",
       &M::TempChangeCount,
       {{&M::TempChangeMembers, Fixed<1>},
        {&M::TempChangeValues, Fixed<1>, Always<Quantity::TemperatureChange>}},
       false,
       true},
      {"Fabrication Errors",
       &M::FabErrorCount,
       {{&M::FabErrorMembers, Fixed<1>}, {&M::FabErrorValues, Fixed<1>, Always<Quantity::Length>}},
       false,
       true},
      // Last, so that a file of a project without named units stays as it always was.
      {"Units", nullptr, {{UnitNamesPlace{}, Fixed<3>}}},
  };
}

}  // namespace

const std::vector<SectionRow>& ProjectSections() {
  static const std::vector<SectionRow> rows = BuildSections();
  return rows;
}

const SectionRow* FindSection(const std::string& label) {
  for (const SectionRow& row : ProjectSections())
    if (label == row.Label) return &row;
  return nullptr;
}

int RecordCount(const SectionRow& row, const ModelStore& model) {
  if (row.Count) return model.*row.Count;
  return model.Units.Named ? 1 : 0;
}

PlaceShape ShapeHeld(const FieldPlace& place, const ModelStore& model) {
  return std::visit(ShapeOf{model}, place);
}

std::string UnitNameOf(const UnitSystem& units, int column) {
  switch (column) {
    case 1: return InfoOf(units.Force).Name;
    case 2: return InfoOf(units.Length).Name;
    default: return InfoOf(units.Temperature).Name;
  }
}

bool SetUnitNamed(UnitSystem& units, int column, const std::string& name) {
  switch (column) {
    case 1: {
      std::optional<ForceUnit> force = FindForceUnit(name);
      if (force) units.Force = *force;
      return force.has_value();
    }
    case 2: {
      std::optional<LengthUnit> length = FindLengthUnit(name);
      if (length) units.Length = *length;
      return length.has_value();
    }
    default: {
      std::optional<TemperatureUnit> temperature = FindTemperatureUnit(name);
      if (temperature) units.Temperature = *temperature;
      return temperature.has_value();
    }
  }
}

std::string AcceptedUnitNames(int column) {
  switch (column) {
    case 1: return ForceUnitNames();
    case 2: return LengthUnitNames();
    default: return TemperatureUnitNames();
  }
}

namespace {

void VisitSection(ModelStore& m, const StructTypeInfo& type, const SectionRow& row,
                  const std::function<void(float&, Quantity)>& visit) {
  for (const FieldGroup& group : row.Fields) {
    if (!group.QuantityOf) continue;
    const PlaceShape held = ShapeHeld(group.Place, m);
    const int rows = std::min(RecordCount(row, m), held.Rows);
    const int columns = std::min(group.Width(m), held.Columns);
    for (int r = 1; r <= rows; ++r)
      for (int c = 1; c <= columns; ++c) {
        std::optional<Quantity> quantity = group.QuantityOf(type, m, r, c);
        if (!quantity) continue;
        if (auto* table = std::get_if<Table<float> ModelStore::*>(&group.Place))
          visit((m.**table)(r, c), *quantity);
        else
          visit((m.*std::get<Array<float> ModelStore::*>(group.Place))(r), *quantity);
      }
  }
}

}  // namespace

void ForEachInputValue(ModelStore& m, const std::function<void(float&, Quantity)>& visit) {
  const StructTypeInfo* type = m.Type();
  if (!type) return;
  const int shownCase = m.CurrentLoadCase;
  for (int c = 1; c <= m.LoadCaseCount(); ++c) {
    m.SelectLoadCase(c);
    for (const SectionRow& row : ProjectSections())
      if (row.PerLoadCase || c == 1) VisitSection(m, *type, row, visit);
  }
  m.SelectLoadCase(shownCase);
}

}  // namespace stavelorn
