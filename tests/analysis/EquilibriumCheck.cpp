#include "analysis/EquilibriumCheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <map>

namespace stavelorn::testing {

namespace {

Vec Cross(Vec a, Vec b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

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

// The member loads in local axes as one wrench about the member's beginning.
Wrench MemberLoads(const ModelStore& m, int member, double length) {
  Wrench total;
  for (const PointAction& a : PointActions(LocalLoadsOf(m, member, length))) {
    total.force = Add(total.force, a.f);
    total.moment = Add(Add(total.moment, a.c), Cross({a.s, 0, 0}, a.f));
  }
  return total;
}

}  // namespace

Vec Add(Vec a, Vec b, double s) {
  return {a[0] + s * b[0], a[1] + s * b[1], a[2] + s * b[2]};
}
double Dot(Vec a, Vec b) {
  return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}
double Norm(Vec a) {
  return std::sqrt(Dot(a, a));
}

Wrench WrenchOf(const std::string& type, const std::vector<double>& values) {
  return ToWrench(ComponentsOf(type),
                  [&](int k) { return values[static_cast<std::size_t>(k - 1)]; });
}

std::vector<PointAction> PointActions(const std::vector<LocalLoad>& loads, double upTo,
                                      bool atUpTo) {
  std::vector<PointAction> points;
  const double gauss[3][2] = {{-std::sqrt(0.6), 5.0 / 9}, {0, 8.0 / 9}, {std::sqrt(0.6), 5.0 / 9}};
  for (const LocalLoad& load : loads) {
    if (load.From == load.To) {
      if (load.From < upTo || (load.From == upTo && atUpTo))
        points.push_back({load.From, load.Start, load.Couple});
      continue;
    }
    const double to = std::min(load.To, upTo), c = to - load.From;
    for (const auto& [xi, weight] : gauss) {
      if (c <= 0) break;
      const double s = load.From + (xi + 1) / 2 * c, t = (s - load.From) / (load.To - load.From);
      Vec f{};
      for (int i = 0; i < 3; ++i)
        f[i] = (load.Start[i] * (1 - t) + load.End[i] * t) * weight * c / 2;
      points.push_back({s, f, {}});
    }
  }
  return points;
}

const std::string& ComponentsOf(const std::string& type) {
  static const std::map<std::string, std::string> components = {
      {"Beam", "yZ"},    {"PTruss", "xy"}, {"PFrame", "xyZ"},
      {"STruss", "xyz"}, {"Grid", "yXZ"},  {"SFrame", "xyzXYZ"}};
  return components.at(type);
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

std::vector<LocalLoad> LocalLoadsOf(const ModelStore& m, int member, double length) {
  std::vector<LocalLoad> loads;
  if (m.StructType == "PTruss" || m.StructType == "STruss") return loads;
  for (int r = 1; r <= m.MemberLoadCount; ++r) {
    if (m.MemberLoadInfo(r, 1) != member) continue;
    const int type = m.MemberLoadInfo(r, 2);
    const double w = m.MemberLoadValues(r, 1), w2 = m.MemberLoadValues(r, 2);
    const double a = m.MemberLoadValues(r, 3), b = m.MemberLoadValues(r, 4);
    // Kinds 8-11 are kinds 1-4 in the x-z plane; 5-7 act along or about x.
    const int axis = type >= 8 ? 2 : type == 5 || type == 6 || type == 7 ? 0 : 1;
    const int shape = type >= 8 ? type - 7 : type == 5 ? 1 : type == 6 ? 3 : type == 7 ? 2 : type;
    LocalLoad load;
    load.From = a;
    load.To = shape == 3 || shape == 4 ? length - b : a;
    if (shape == 2) {
      // A positive couple turns clockwise in its own plane: about -z for kind 2, about +y for
      // kind 9 (the x-z plane seen with y towards the viewer), and a torque about -x.
      load.Couple[type == 9 ? 1 : type == 7 ? 0 : 2] = type == 9 ? w : -w;
    } else {
      load.Start[axis] = -w;
      load.End[axis] = shape == 4 ? -w2 : -w;
    }
    loads.push_back(load);
  }
  return loads;
}

double EquilibriumResidual(const ModelStore& m, const StructureResults& r) {
  const std::string components = ComponentsOf(m.StructType);
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
    const Wrench w = ToWrench(components, [&](int k) { return Reaction(m, r, j, k); });
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
    auto q = [&](int i) { return grow(r.MemberEndForces(member, i)); };
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

std::string OneMemberText(const std::string& type, bool heldAtBothEnds,
                          const std::string& sections) {
  // The two joints, the material, the section and what the member record ends with.
  static const std::map<std::string, std::array<const char*, 4>> geometry = {
      {"Beam", {"0, 5", "200000000,0.000012", "0.0002", ""}},
      {"PTruss", {"0,0, 3,4", "200000000,0.000012", "0.01", ""}},
      {"PFrame", {"0,0, 3,4", "200000000,0.000012", "0.01,0.0002", ""}},
      {"STruss", {"0,0,0, 2,3,6", "200000000,0.000012", "0.01", ""}},
      {"Grid", {"0,0, 3,4", "200000000,80000000,0.000012", "0.0002,0.00005", ""}},
      {"SFrame",
       {"0,0,0, 2,3,6", "200000000,80000000,0.000012", "0.01,0.0002,0.0001,0.00005", ",30"}},
  };
  const auto& [joints, material, section, roll] = geometry.at(type);
  std::string held;
  for (std::size_t k = 0; k < ComponentsOf(type).size(); ++k) held += ",1";
  return "\"One member\",\"" + type + "\"\n\"Joints\",2, " + joints + "\n\"Cross-Sections\",1, " +
         section + "\n\"Members\",1, 1,2,1,1" + roll + "\n\"Supports\"," +
         (heldAtBothEnds ? "2, 1" + held + ", 2" + held : "1, 1" + held) + "\n\"Materials\",1, " +
         material + "\n" + sections + "\n";
}

float Displacement(const ModelStore& m, const StructureResults& r, int joint, int k) {
  const int n = r.CoordNumbers((joint - 1) * m.CoordsPerJoint + k);
  return n <= r.DofCount ? r.JointDisplacements(n) : 0.0f;
}

namespace {

// The reaction as the solution holds it: along a turned support's axes, and at a spring
// -k·(d - s), s the settlement of its base.
double SolvedReaction(const ModelStore& m, const StructureResults& r, int joint, int k) {
  const int n = r.CoordNumbers((joint - 1) * m.CoordsPerJoint + k);
  if (n > r.DofCount) return r.SupportReactions(n - r.DofCount);
  double base = 0;
  for (int s = 1; s <= m.SettlementCount; ++s)
    if (m.SettlementJoints(s) == joint) base = m.SettlementValues(s, k);
  for (int s = 1; s <= m.SpringCount; ++s)
    if (m.SpringCoords(s, 1) == joint && m.SpringCoords(s, 2) == k)
      return -double{m.SpringStiffness(s)} * (r.JointDisplacements(n) - base);
  return 0;
}

}  // namespace

float Reaction(const ModelStore& m, const StructureResults& r, int joint, int k) {
  // A turned support's axes: a plane type's x' and y' are X and Y turned about Z; a grid's
  // rotations about Z and X are turned about Y (its coordinates are Y, rotation X, rotation Z).
  double angle = 0;
  for (int a = 1; a <= m.SupportAngleCount; ++a)
    if (m.SupportAngleJoints(a) == joint) angle = m.SupportAngleValues(a) * std::acos(-1.0) / 180;
  const bool grid = m.StructType == "Grid";
  const int first = grid ? 3 : 1, second = 2;
  if (angle == 0 || (k != first && k != second))
    return static_cast<float>(SolvedReaction(m, r, joint, k));
  const double a = SolvedReaction(m, r, joint, first), b = SolvedReaction(m, r, joint, second);
  const double c = std::cos(angle), s = std::sin(angle);
  return static_cast<float>(k == first ? c * a - s * b : s * a + c * b);
}

}  // namespace stavelorn::testing
