#include "analysis/EquilibriumCheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "model/ProjectFile.h"

namespace stavelorn::testing {

namespace {

struct Vec {
  double x = 0, y = 0, z = 0;
};
Vec operator+(Vec a, Vec b) {
  return {a.x + b.x, a.y + b.y, a.z + b.z};
}
Vec operator-(Vec a, Vec b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}
Vec operator*(double s, Vec a) {
  return {s * a.x, s * a.y, s * a.z};
}
Vec Cross(Vec a, Vec b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double Norm(Vec a) {
  return std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z);
}
Vec Axis(int axis, double value) {
  Vec v;
  (axis == 0 ? v.x : axis == 1 ? v.y : v.z) = value;
  return v;
}

struct Wrench {
  Vec force, moment;  // moment about the point the wrench is given at
};

// What each joint coordinate (global) or member end coordinate (local) of a type is: a force
// or a moment, along axis 0 (x), 1 (y) or 2 (z). Local and global orders correspond.
struct Component {
  bool moment;
  int axis;
};
std::vector<Component> Components(const std::string& type) {
  if (type == "Beam") return {{false, 1}, {true, 2}};
  if (type == "PTruss") return {{false, 0}, {false, 1}};
  if (type == "PFrame") return {{false, 0}, {false, 1}, {true, 2}};
  if (type == "STruss") return {{false, 0}, {false, 1}, {false, 2}};
  if (type == "Grid") return {{false, 1}, {true, 0}, {true, 2}};
  return {{false, 0}, {false, 1}, {false, 2}, {true, 0}, {true, 1}, {true, 2}};
}

// Components first..first+count-1 of `values` as a wrench.
template <typename Get>
Wrench ToWrench(const std::vector<Component>& components, Get value) {
  Wrench w;
  for (std::size_t k = 0; k < components.size(); ++k) {
    const Vec v = Axis(components[k].axis, value(static_cast<int>(k) + 1));
    (components[k].moment ? w.moment : w.force) = (components[k].moment ? w.moment : w.force) + v;
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

struct MemberFrame {
  Vec begin, ex, ey, ez;
  double length;
  Vec ToGlobal(Vec v) const { return v.x * ex + v.y * ey + v.z * ez; }
};

// Local axes: x along the member; in the plane types y is x turned +90 degrees about Z; a grid's
// y is global Y; a space member's y lies in the vertical plane through x, pointing up (along -X
// for a vertical member), and is then turned by the roll angle about x.
MemberFrame FrameOf(const ModelStore& m, int member) {
  MemberFrame f;
  f.begin = Position(m, m.MemberProps(member, 1));
  const Vec d = Position(m, m.MemberProps(member, 2)) - f.begin;
  f.length = Norm(d);
  f.ex = (1 / f.length) * d;
  if (m.StructType == "Grid") {
    f.ey = {0, 1, 0};
    f.ez = Cross(f.ex, f.ey);
  } else if (m.StructType == "STruss" || m.StructType == "SFrame") {
    const double q = std::hypot(f.ex.x, f.ex.z);
    Vec y0{-f.ex.y, 0, 0}, z0{0, 0, 1};
    if (q > 1e-6) {
      z0 = (1 / q) * Cross(f.ex, {0, 1, 0});
      y0 = Cross(z0, f.ex);
    }
    const double psi = m.StructType == "SFrame" ? m.RollAngles(member) * std::acos(-1.0) / 180 : 0;
    f.ey = std::cos(psi) * y0 + std::sin(psi) * z0;
    f.ez = std::cos(psi) * z0 - std::sin(psi) * y0;
  } else {
    f.ey = {-f.ex.y, f.ex.x, 0};
    f.ez = {0, 0, 1};
  }
  return f;
}

// The member loads of `member` in local axes, as one wrench about its beginning. A positive
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
    const double l1 = m.MemberLoadValues(r, 3), l2 = m.MemberLoadValues(r, 4);
    const double c = length - l1 - l2;
    const Vec along{1, 0, 0};
    const Vec dir = type >= 8 ? Vec{0, 0, 1} : Vec{0, 1, 0};
    Wrench w1;
    switch (type) {
      case 1:
      case 8:
        w1.force = -w * dir;
        w1.moment = Cross(l1 * along, w1.force);
        break;
      case 2: w1.moment = {0, 0, -w}; break;
      case 9: w1.moment = {0, w, 0}; break;
      case 3:
      case 10:
        w1.force = -(w * c) * dir;
        w1.moment = Cross((l1 + c / 2) * along, w1.force);
        break;
      case 4:
      case 11: {
        const double firstMoment = w * (l1 * c + c * c / 2) + (w2 - w) * (l1 * c / 2 + c * c / 3);
        w1.force = -((w + w2) / 2 * c) * dir;
        w1.moment = -firstMoment * Cross(along, dir);
        break;
      }
      case 5: w1.force = {-w, 0, 0}; break;
      case 6: w1.force = {-w * c, 0, 0}; break;
      case 7: w1.moment = {-w, 0, 0}; break;
      default: break;
    }
    total.force = total.force + w1.force;
    total.moment = total.moment + w1.moment;
  }
  return total;
}

}  // namespace

ModelStore ModelFromText(const std::string& text) {
  ModelStore model;
  model.Reset();
  const RunResult error = ReadProjectText(model, text);
  EXPECT_FALSE(error.has_value()) << (error ? error->Description : "");
  return model;
}

double EquilibriumResidual(const ModelStore& m) {
  const std::vector<Component> components = Components(m.StructType);
  const int perJoint = m.CoordsPerJoint;
  double scale = 0, size = 1, forceResidual = 0, momentResidual = 0;
  for (int j = 1; j <= m.JointCount; ++j) size = std::max(size, Norm(Position(m, j)));
  auto grow = [&scale](double v) { scale = std::max(scale, std::fabs(v)); };

  Wrench total;  // about the global origin
  auto addAt = [&total](Vec point, const Wrench& w) {
    total.force = total.force + w.force;
    total.moment = total.moment + w.moment + Cross(point, w.force);
  };
  for (int i = 1; i <= m.JointLoadCount; ++i) {
    addAt(Position(m, m.JointLoadJoints(i)), ToWrench(components, [&](int k) {
            grow(m.JointLoadValues(i, k));
            return m.JointLoadValues(i, k);
          }));
  }
  for (int j = 1; j <= m.JointCount; ++j)
    addAt(Position(m, j), ToWrench(components, [&](int k) { return Reaction(m, j, k); }));

  for (int member = 1; member <= m.MemberCount; ++member) {
    const MemberFrame f = FrameOf(m, member);
    const Wrench load = MemberLoads(m, member, f.length);
    grow(Norm(load.force));
    grow(Norm(load.moment) / size);
    addAt(f.begin, {f.ToGlobal(load.force), f.ToGlobal(load.moment)});
    auto q = [&](int i) {
      grow(m.MemberEndForces(member, i));
      return m.MemberEndForces(member, i);
    };
    const Wrench atBegin = ToWrench(components, q);
    const Wrench atEnd = ToWrench(components, [&](int k) { return q(k + perJoint); });
    const Vec force = atBegin.force + atEnd.force + load.force;
    const Vec moment =
        atBegin.moment + atEnd.moment + Cross({f.length, 0, 0}, atEnd.force) + load.moment;
    forceResidual = std::max(forceResidual, Norm(force));
    momentResidual = std::max(momentResidual, Norm(moment));
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
