#include "model/StructType.h"

#include <stdexcept>

namespace stavelorn {

const StructTypeInfo* FindStructType(const std::string& code) {
  for (const StructTypeInfo& type : AllStructTypes())
    if (code == type.Code) return &type;
  return nullptr;
}

const StructTypeInfo* FindStructType(StructKind kind) {
  for (const StructTypeInfo& type : AllStructTypes())
    if (type.Kind == kind) return &type;
  return nullptr;
}

const StructTypeInfo& TypeOf(StructKind kind) {
  if (const StructTypeInfo* type = FindStructType(kind)) return *type;
  throw std::invalid_argument("no structure type of this kind");
}

StructKind KindOfStructure(const std::string& code) {
  const StructTypeInfo* type = FindStructType(code);
  return type ? type->Kind : StructKind::None;
}

bool IsTruss(const std::string& code) {
  const StructTypeInfo* type = FindStructType(code);
  return type && type->Truss;
}

bool IsPlane(const std::string& code) {
  const StructTypeInfo* type = FindStructType(code);
  return type && type->Plane;
}

bool IsRotation(const std::string& code, int k) {
  const StructTypeInfo* type = FindStructType(code);
  return type && k >= 1 && k <= type->CoordsPerJoint && CoordinateOf(*type, k).Rotation;
}

int RotationCount(const StructTypeInfo& type) {
  int count = 0;
  for (int k = 1; k <= type.CoordsPerJoint; ++k)
    if (CoordinateOf(type, k).Rotation) ++count;
  return count;
}

const JointCoordNames& CoordinateOf(const StructTypeInfo& type, int k) {
  return type.Coords.at(static_cast<std::size_t>(k - 1));
}

std::string CoordinateName(const JointCoordNames& coordinate) {
  return std::string(1, coordinate.Axis) + (coordinate.Rotation ? " Rotation" : " Translation");
}

char LocalAxis(const JointCoordNames& coordinate) {
  return static_cast<char>(coordinate.Axis - 'X' + 'x');
}

int EndCoordinate(const StructTypeInfo& type, char localAxis, bool rotation) {
  for (int k = 1; k <= type.CoordsPerJoint; ++k) {
    const JointCoordNames& coordinate = CoordinateOf(type, k);
    if (LocalAxis(coordinate) == localAxis && coordinate.Rotation == rotation) return k;
  }
  return 0;
}

}  // namespace stavelorn
