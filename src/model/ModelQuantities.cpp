#include "model/ModelQuantities.h"

namespace stavelorn {

Quantity ForceQuantity(const JointCoordNames& coordinate) {
  return coordinate.Rotation ? Quantity::Moment : Quantity::Force;
}

Quantity DisplacementQuantity(const JointCoordNames& coordinate) {
  return coordinate.Rotation ? Quantity::Angle : Quantity::Length;
}

Quantity MaterialQuantity(int columns, int column) {
  return column == columns ? Quantity::PerTemperature : Quantity::Stress;
}

Quantity SectionQuantity(const SectionPropertyNames& property) {
  return property.Measure;
}

Quantity LoadValueQuantity(const MemberLoadKindInfo& kind, int value) {
  if (value >= 3) return Quantity::Length;
  switch (kind.Form) {
    case LoadForm::PointForce: return Quantity::Force;
    case LoadForm::PointCouple: return Quantity::Moment;
    case LoadForm::UniformForce:
    case LoadForm::LinearForce: return Quantity::ForcePerLength;
  }
  return Quantity::Force;
}

Quantity EndForceQuantity(const StructTypeInfo& type, int column) {
  return ForceQuantity(CoordinateOf(type, (column - 1) % type.CoordsPerJoint + 1));
}

}  // namespace stavelorn
