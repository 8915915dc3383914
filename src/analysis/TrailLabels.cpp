#include "analysis/TrailLabels.h"

namespace stavelorn {

namespace {

using R = CoordRole;

struct TypeRoles {
  const char* Code;
  std::vector<CoordRole> Roles;
  std::vector<int> Axes;
};

// A grid lies in the X-Z plane and carries its loads by bending and twisting: Y translation,
// rotations about X and Z. Each member end has the same roles in its local axes.
const std::vector<TypeRoles>& Table() {
  static const std::vector<TypeRoles> table = {
      {"Beam", {R::ForceY, R::MomentZ}, {0}},
      {"PTruss", {R::ForceX, R::ForceY}, {0, 1}},
      {"PFrame", {R::ForceX, R::ForceY, R::MomentZ}, {0, 1}},
      {"STruss", {R::ForceX, R::ForceY, R::ForceZ}, {0, 1, 2}},
      {"Grid", {R::ForceY, R::MomentX, R::MomentZ}, {0, 2}},
      {"SFrame", {R::ForceX, R::ForceY, R::ForceZ, R::MomentX, R::MomentY, R::MomentZ}, {0, 1, 2}},
  };
  return table;
}

CoordRole RoleOf(const std::string& type, int k) {
  const std::vector<CoordRole>& roles = CoordRoles(type);
  return k >= 1 && k <= static_cast<int>(roles.size()) ? roles[static_cast<std::size_t>(k - 1)]
                                                       : R::ForceX;
}

}  // namespace

const std::vector<CoordRole>& CoordRoles(const std::string& type) {
  static const std::vector<CoordRole> none;
  for (const TypeRoles& entry : Table())
    if (type == entry.Code) return entry.Roles;
  return none;
}

const std::vector<int>& PositionAxes(const std::string& type) {
  static const std::vector<int> none;
  for (const TypeRoles& entry : Table())
    if (type == entry.Code) return entry.Axes;
  return none;
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

std::string MemberLoadName(int type) {
  static const char* const names[] = {
      "concentrated force",    "concentrated couple",      "uniformly distributed load",
      "linearly varying load", "concentrated axial force", "uniformly distributed axial load",
      "concentrated torque"};
  if (type >= 1 && type <= 7) return names[type - 1];
  if (type >= 8 && type <= 11) return std::string(names[type - 8]) + " in the local x-z plane";
  return "load of type " + std::to_string(type);
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

}  // namespace stavelorn
