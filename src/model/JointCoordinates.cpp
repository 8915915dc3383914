#include "model/JointCoordinates.h"

namespace stavelorn {

const std::vector<JointCoordinate>& JointCoordinatesOf(const std::string& type) {
  // A beam moves up and down and turns in its plane; a grid lies in the X-Z plane and moves out
  // of it, turning about the two axes in it.
  static const std::vector<JointCoordinate> beam{{'Y', false}, {'Z', true}};
  static const std::vector<JointCoordinate> planeTruss{{'X', false}, {'Y', false}};
  static const std::vector<JointCoordinate> planeFrame{{'X', false}, {'Y', false}, {'Z', true}};
  static const std::vector<JointCoordinate> spaceTruss{{'X', false}, {'Y', false}, {'Z', false}};
  static const std::vector<JointCoordinate> grid{{'Y', false}, {'X', true}, {'Z', true}};
  static const std::vector<JointCoordinate> spaceFrame{{'X', false}, {'Y', false}, {'Z', false},
                                                       {'X', true},  {'Y', true},  {'Z', true}};
  static const std::vector<JointCoordinate> none;
  if (type == "Beam") return beam;
  if (type == "PTruss") return planeTruss;
  if (type == "PFrame") return planeFrame;
  if (type == "STruss") return spaceTruss;
  if (type == "Grid") return grid;
  if (type == "SFrame") return spaceFrame;
  return none;
}

std::string JointCoordinateName(const JointCoordinate& coordinate) {
  return std::string(1, coordinate.Axis) + (coordinate.Rotation ? " Rotation" : " Translation");
}

const std::vector<MemberEndCoordinate>& MemberEndCoordinatesOf(const std::string& type) {
  // A grid member's local y is the grid's normal, the global Y axis.
  static const std::vector<MemberEndCoordinate> beam{{'y', false, "Shear"}, {'z', true, "Moment"}};
  static const std::vector<MemberEndCoordinate> planeTruss{{'x', false, "Axial"},
                                                           {'y', false, "Shear"}};
  static const std::vector<MemberEndCoordinate> planeFrame{
      {'x', false, "Axial"}, {'y', false, "Shear"}, {'z', true, "Moment"}};
  static const std::vector<MemberEndCoordinate> spaceTruss{
      {'x', false, "Axial"}, {'y', false, "y Shear"}, {'z', false, "z Shear"}};
  static const std::vector<MemberEndCoordinate> grid{
      {'y', false, "Shear"}, {'x', true, "Torsion"}, {'z', true, "Moment"}};
  static const std::vector<MemberEndCoordinate> spaceFrame{
      {'x', false, "Axial"},  {'y', false, "y Shear"}, {'z', false, "z Shear"},
      {'x', true, "Torsion"}, {'y', true, "y Moment"}, {'z', true, "z Moment"}};
  static const std::vector<MemberEndCoordinate> none;
  if (type == "Beam") return beam;
  if (type == "PTruss") return planeTruss;
  if (type == "PFrame") return planeFrame;
  if (type == "STruss") return spaceTruss;
  if (type == "Grid") return grid;
  if (type == "SFrame") return spaceFrame;
  return none;
}

}  // namespace stavelorn
