#include "model/ModelStore.h"

#include <stdexcept>
#include <string>
#include <utility>

#include "model/StructType.h"

namespace stavelorn {

void ModelStore::Reset() {
  CoordsPerJoint = CoordColumns = SectionColumns = 0;
  JointCount = SupportCount = MaterialCount = SectionCount = MemberCount = 0;
  ReleaseCount = JointLoadCount = MemberLoadCount = SettlementCount = 0;
  TempChangeCount = FabErrorCount = SpringCount = SupportAngleCount = 0;
  LoadCases.clear();
  CurrentLoadCase = 1;
  Combinations.clear();
  Variations.clear();
  ProjectTitle.clear();
  ProjectFile.clear();
  StructType.clear();
  Units = UnitSystem();
}

bool ModelStore::SetStructType(const std::string& code) {
  const StructTypeInfo* type = FindStructType(code);
  if (!type) return false;
  StructType = code;
  CoordsPerJoint = static_cast<std::int16_t>(type->CoordsPerJoint);
  CoordColumns = static_cast<std::int16_t>(type->CoordColumns);
  SectionColumns = static_cast<std::int16_t>(type->SectionColumns);
  return true;
}

int ModelStore::MaterialColumns() const {
  const StructTypeInfo* type = Type();
  return type ? type->MaterialColumns : 2;
}

const StructTypeInfo* ModelStore::Type() const {
  return FindStructType(StructType);
}

const StructTypeInfo& ModelStore::TypeInfo() const {
  const StructTypeInfo* type = Type();
  if (!type) throw std::invalid_argument("no structure type is set");
  return *type;
}

StructKind ModelStore::Kind() const {
  return KindOfStructure(StructType);
}

int ModelStore::LoadCaseCount() const {
  return LoadCases.empty() ? 1 : static_cast<int>(LoadCases.size());
}

std::string ModelStore::LoadCaseName(int c) const {
  return LoadCases.empty() ? std::string() : LoadCases.at(static_cast<std::size_t>(c - 1)).Name;
}

void ModelStore::SelectLoadCase(int c) {
  if (c == CurrentLoadCase) return;
  if (c < 1 || c > LoadCaseCount()) throw std::out_of_range("no load case " + std::to_string(c));
  LoadSet& loads = *this;
  std::swap(loads, LoadCases[static_cast<std::size_t>(CurrentLoadCase - 1)].Loads);
  std::swap(loads, LoadCases[static_cast<std::size_t>(c - 1)].Loads);
  CurrentLoadCase = c;
}

const LoadSet& ModelStore::LoadsOfCase(int c) const {
  if (c == CurrentLoadCase) return *this;
  return LoadCases.at(static_cast<std::size_t>(c - 1)).Loads;
}

bool ModelStore::HasLoadCases() const {
  return LoadCases.size() > 1 || (LoadCases.size() == 1 && !LoadCases[0].Name.empty()) ||
         !Combinations.empty();
}

}  // namespace stavelorn
