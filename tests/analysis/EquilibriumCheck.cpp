#include "analysis/EquilibriumCheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <map>

#include "model/ProjectFile.h"

namespace stavelorn::testing {

namespace {

using Vec = std::array<double, 3>;
Vec Add(Vec a, Vec b, double s = 1) {
  return {a[0] + s * b[0], a[1] + s * b[1], a[2] + s * b[2]};
}
Vec Cross(Vec a, Vec b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
double Norm(Vec a) {
  return std::sqrt(a[0] * a[0] + a[1] * a[1] + a[2] * a[2]);
}

// A force and its moment about the point it is given at.
struct Wrench {
  Vec force{}, moment{};
};

// What each joint coordinate (global) or member end coordinate (local) of a type is: a force
// along x, y or z (lower case) or a moment about X, Y or Z (upper case).
const std::map<std::string, std::string> kComponents = {{"Beam", "yZ"},    {"PTruss", "xy"},
                                                        {"PFrame", "xyZ"}, {"STruss", "xyz"},
                                                        {"Grid", "yXZ"},   {"SFrame", "xyzXYZ"}};

// The values value(1..n) of the type's coordinates as one wrench.
template <typename Get>
Wrench ToWrench(const std::string& components, Get value) {
  Wrench w;
  for (std::size_t k = 0; k < components.size(); ++k) {
    const char c = components[k];
    (std::isupper(c) ? w.moment : w.force)[std::tolower(c) - 'x'] += value(static_cast<int>(k) + 1);
  }
  return w;
}

Vec Position(const ModelStore& m, int j) {
  const Table<float>& c = m.JointCoords;
  if (m.StructType == "Beam") return {c(j, 1), 0, 0};
  if (m.StructType == "PTruss" || m.StructType == "PFrame") return {c(j, 1), c(j, 2), 0};
  if (m.StructType == "Grid") return {c(j, 1), 0, c(j, 2)};
  return {c(j, 1), c(j, 2), c(j, 3)};
}

// Local axes: x along the member; in the plane types y is x turned +90 degrees about Z; a grid's
// y is global Y; a space member's y lies in the vertical plane through x, pointing up (along -X
// for a vertical member), and is then turned by the roll angle about x.
std::array<Vec, 3> AxesOf(const ModelStore& m, int member, Vec d) {
  const Vec x = Add({}, d, 1 / Norm(d));
  if (m.StructType == "Grid") return {x, Vec{0, 1, 0}, Cross(x, {0, 1, 0})};
  if (m.StructType != "STruss" && m.StructType != "SFrame")
    return {x, Vec{-x[1], x[0], 0}, {0, 0, 1}};
  const double q = std::hypot(x[0], x[2]);
  Vec y0{-x[1], 0, 0}, z0{0, 0, 1};
  if (q > 1e-6) {
    z0 = Add({}, Cross(x, {0, 1, 0}), 1 / q);
    y0 = Cross(z0, x);
  }
  const double psi = m.StructType == "SFrame" ? m.RollAngles(member) * std::acos(-1.0) / 180 : 0;
  return {x, Add(Add({}, y0, std::cos(psi)), z0, std::sin(psi)),
          Add(Add({}, z0, std::cos(psi)), y0, -std::sin(psi))};
}

// The member loads in local axes as one wrench about the member's beginning. A positive
// transverse load or couple acts against the local axis (types 1-4 against y and about -z,
// types 8-11 against z and, for the couple, about +y, the x-z plane's own sense of turning),
// as gravity does on a member whose y axis points up.
Wrench MemberLoads(const ModelStore& m, int member, double length) {
  Wrench total;
  if (m.StructType == "PTruss" || m.StructType == "STruss") return total;
  for (int r = 1; r <= m.MemberLoadCount; ++r) {
    if (m.MemberLoadInfo(r, 1) != member) continue;
    const int type = m.MemberLoadInfo(r, 2);
    const double w = m.MemberLoadValues(r, 1), w2 = m.MemberLoadValues(r, 2);
    const double l1 = m.MemberLoadValues(r, 3), c = length - l1 - m.MemberLoadValues(r, 4);
    const Vec dir = type >= 8 ? Vec{0, 0, 1} : Vec{0, 1, 0};
    // Types 8-11 are types 1-4 in the x-z plane. The resultant's magnitude against `dir` and
    // its first moment about the beginning:
    const int shape = (type - 1) % 7 + 1;
    const double resultant = shape == 1   ? w
                             : shape == 3 ? w * c
                             : shape == 4 ? (w + w2) / 2 * c
                                          : 0;
    const double firstMoment = shape == 1   ? w * l1
                               : shape == 3 ? w * c * (l1 + c / 2)
                               : shape == 4
                                   ? w * (l1 * c + c * c / 2) + (w2 - w) * (l1 * c / 2 + c * c / 3)
                                   : 0;
    Vec couple{};
    if (type == 2) couple = {0, 0, -w};
    if (type == 9) couple = {0, w, 0};
    if (type == 5) total.force[0] -= w;
    if (type == 6) total.force[0] -= w * c;
    if (type == 7) couple = {-w, 0, 0};
    total.force = Add(total.force, dir, -resultant);
    total.moment = Add(Add(total.moment, couple), Cross({1, 0, 0}, dir), -firstMoment);
  }
  return total;
}

}  // namespace

double EquilibriumResidual(const ModelStore& m) {
  const std::string components = kComponents.at(m.StructType);
  const int perJoint = m.CoordsPerJoint;
  double scale = 0, size = 1, forceResidual = 0, momentResidual = 0;
  for (int j = 1; j <= m.JointCount; ++j) size = std::max(size, Norm(Position(m, j)));
  auto grow = [&scale](double v) {
    scale = std::max(scale, std::fabs(v));
    return v;
  };
  Wrench total;  // about the global origin
  auto addAt = [&total](Vec point, Vec force, Vec moment) {
    total.force = Add(total.force, force);
    total.moment = Add(Add(total.moment, moment), Cross(point, force));
  };
  for (int i = 1; i <= m.JointLoadCount; ++i) {
    const Wrench w = ToWrench(components, [&](int k) { return grow(m.JointLoadValues(i, k)); });
    addAt(Position(m, m.JointLoadJoints(i)), w.force, w.moment);
  }
  for (int j = 1; j <= m.JointCount; ++j) {
    const Wrench w = ToWrench(components, [&](int k) { return Reaction(m, j, k); });
    addAt(Position(m, j), w.force, w.moment);
  }
  for (int member = 1; member <= m.MemberCount; ++member) {
    const Vec begin = Position(m, m.MemberProps(member, 1));
    const Vec d = Add(Position(m, m.MemberProps(member, 2)), begin, -1);
    const std::array<Vec, 3> axes = AxesOf(m, member, d);
    auto global = [&axes](Vec v) {
      return Add(Add(Add({}, axes[0], v[0]), axes[1], v[1]), axes[2], v[2]);
    };
    const Wrench load = MemberLoads(m, member, Norm(d));
    grow(Norm(load.force));
    grow(Norm(load.moment) / size);
    addAt(begin, global(load.force), global(load.moment));
    auto q = [&](int i) { return grow(m.MemberEndForces(member, i)); };
    const Wrench atBegin = ToWrench(components, q);
    const Wrench atEnd = ToWrench(components, [&](int k) { return q(k + perJoint); });
    const Vec moment = Add(Add(atBegin.moment, atEnd.moment), Cross({Norm(d), 0, 0}, atEnd.force));
    forceResidual = std::max(forceResidual, Norm(Add(Add(atBegin.force, atEnd.force), load.force)));
    momentResidual = std::max(momentResidual, Norm(Add(moment, load.moment)));
  }
  forceResidual = std::max(forceResidual, Norm(total.force));
  momentResidual = std::max(momentResidual, Norm(total.moment));
  if (scale == 0) return forceResidual + momentResidual;
  return std::max(forceResidual / scale, momentResidual / (scale * size));
}

float Displacement(const ModelStore& m, int joint, int k) {
  const int n = m.CoordNumbers((joint - 1) * m.CoordsPerJoint + k);
  return n <= m.DofCount ? m.JointDisplacements(n) : 0.0f;
}

float Reaction(const ModelStore& m, int joint, int k) {
  const int n = m.CoordNumbers((joint - 1) * m.CoordsPerJoint + k);
  return n > m.DofCount ? m.SupportReactions(n - m.DofCount) : 0.0f;
}

}  // namespace stavelorn::testing
