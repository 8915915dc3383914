#include "analysis/TrailLabels.h"

#include <cmath>
#include <cstdio>

#include "model/StructType.h"

namespace stavelorn {

namespace {

using R = CoordRole;

CoordRole RoleOf(const std::string& type, int k) {
  const std::vector<CoordRole> roles = CoordRoles(type);
  return k >= 1 && k <= static_cast<int>(roles.size()) ? roles[static_cast<std::size_t>(k - 1)]
                                                       : R::ForceX;
}

}  // namespace

std::vector<CoordRole> CoordRoles(const std::string& type) {
  std::vector<CoordRole> roles;
  if (const StructTypeInfo* info = FindStructType(type))
    for (int k = 1; k <= info->CoordsPerJoint; ++k) {
      const JointCoordNames& c = CoordinateOf(*info, k);
      roles.push_back(static_cast<CoordRole>((c.Rotation ? 3 : 0) + (c.Axis - 'X')));
    }
  return roles;
}

std::vector<int> PositionAxes(const std::string& type) {
  std::vector<int> axes;
  if (const StructTypeInfo* info = FindStructType(type))
    for (int c = 0; c < info->CoordColumns; ++c) axes.push_back(info->ColumnAxes[c] - 'X');
  return axes;
}

bool IsMoment(CoordRole role) {
  return role == R::MomentX || role == R::MomentY || role == R::MomentZ;
}

int AxisOf(CoordRole role) {
  switch (role) {
    case R::ForceX:
    case R::MomentX: return 0;
    case R::ForceY:
    case R::MomentY: return 1;
    default: return 2;
  }
}

std::string GlobalCoordName(const std::string& type, int k) {
  const CoordRole role = RoleOf(type, k);
  return std::string(1, "XYZ"[AxisOf(role)]) + (IsMoment(role) ? " rot." : " trans.");
}

std::string LocalCoordName(const std::string& type, int k) {
  switch (RoleOf(type, k)) {
    case R::ForceX: return "axial";
    case R::MomentX: return "twist";
    case R::ForceY: return "y trans.";
    case R::ForceZ: return "z trans.";
    case R::MomentY: return "y rot.";
    default: return "z rot.";
  }
}

std::string ReleaseName(int code) {
  switch (code) {
    case 0: return "none";
    case 1: return "Beginning";
    case 2: return "End";
    case 3: return "Both Ends";
    default: return "code " + std::to_string(code);
  }
}

std::string EndLabel(const std::string& type, const std::string& symbol, int i, int beginJoint,
                     int endJoint, bool global) {
  const int perJoint = static_cast<int>(CoordRoles(type).size());
  const int k = perJoint > 0 && i > perJoint ? i - perJoint : i;
  const int joint = perJoint > 0 && i > perJoint ? endJoint : beginJoint;
  return symbol + std::to_string(i) + " (" +
         (global ? GlobalCoordName(type, k) : LocalCoordName(type, k)) + ", joint " +
         std::to_string(joint) + ")";
}

std::string StepNumber(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6g", value);
  return text;
}

double ShownCosine(double value) {
  return std::fabs(value) <= kCosineRoundOff ? 0.0 : value;
}

}  // namespace stavelorn
