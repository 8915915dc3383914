#include "model/ModelStore.h"

#include <stdexcept>

#include "model/StructType.h"

namespace stavelorn {

void ModelStore::Reset() {
  CoordsPerJoint = CoordColumns = SectionColumns = 0;
  JointCount = SupportCount = MaterialCount = SectionCount = MemberCount = 0;
  ReleaseCount = JointLoadCount = MemberLoadCount = SettlementCount = 0;
  TempChangeCount = FabErrorCount = 0;
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

}  // namespace stavelorn
