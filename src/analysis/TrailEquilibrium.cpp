#include "analysis/TrailEquilibrium.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "analysis/MemberValues.h"
#include "analysis/SupportResults.h"
#include "analysis/TrailLabels.h"
#include "model/SupportAxes.h"

namespace stavelorn {

namespace {

std::string Residual(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3e", value);
  return text;
}

// The joint's position in X, Y, Z.
std::array<double, 3> JointPosition(const ModelStore& model, int joint) {
  std::array<double, 3> at{};
  const std::vector<int> axes = PositionAxes(model.StructType);
  for (std::size_t c = 0; c < axes.size(); ++c)
    at[static_cast<std::size_t>(axes[c])] = model.JointCoords(joint, static_cast<int>(c) + 1);
  return at;
}

// Force and moment (about the origin) totals of a set of joint actions, with the sums of their
// terms' sizes, against which a total's round-off is judged.
struct Resultant {
  std::array<double, 3> Force{}, Moment{}, ForceSize{}, MomentSize{};

  void Add(const std::array<double, 3>& at, CoordRole role, double value) {
    const std::size_t a = static_cast<std::size_t>(AxisOf(role));
    if (IsMoment(role)) {
      Moment[a] += value;
      MomentSize[a] += std::fabs(value);
      return;
    }
    std::array<double, 3> f{};
    f[a] = value;
    Force[a] += value;
    ForceSize[a] += std::fabs(value);
    // r x F
    const std::array<double, 3> m = {at[1] * f[2] - at[2] * f[1], at[2] * f[0] - at[0] * f[2],
                                     at[0] * f[1] - at[1] * f[0]};
    for (std::size_t i = 0; i < 3; ++i) {
      Moment[i] += m[i];
      MomentSize[i] += std::fabs(m[i]);
    }
  }
  double Along(CoordRole role) const {
    const std::size_t a = static_cast<std::size_t>(AxisOf(role));
    return IsMoment(role) ? Moment[a] : Force[a];
  }
  double SizeAlong(CoordRole role) const {
    const std::size_t a = static_cast<std::size_t>(AxisOf(role));
    return IsMoment(role) ? MomentSize[a] : ForceSize[a];
  }
};

const char* SumName(CoordRole role) {
  switch (role) {
    case CoordRole::ForceX: return "Fx";
    case CoordRole::ForceY: return "Fy";
    case CoordRole::ForceZ: return "Fz";
    case CoordRole::MomentX: return "Mx";
    case CoordRole::MomentY: return "My";
    default: return "Mz";
  }
}

EquilibriumLine MemberEquilibrium(const std::string& type, const TrailMember& m) {
  // {Q} - {Qf} = [k]{u} balances by itself: the fixed-end forces stand for the member's loads.
  const std::vector<CoordRole> roles = CoordRoles(type);
  const std::size_t per = roles.size();
  std::array<double, 6> sum{};
  std::array<double, 3> endForce{};
  EquilibriumLine line;
  for (std::size_t i = 0; i < 2 * per && i < m.LocalEndForces.size(); ++i) {
    const CoordRole role = roles[i % per];
    const double value = m.LocalEndForces[i] - m.LocalFixedEndForces[i];
    const double arm = std::max(1.0, m.Length);
    line.Scale = std::max({line.Scale, arm * std::fabs(m.LocalEndForces[i]),
                           arm * std::fabs(m.LocalFixedEndForces[i])});
    const int slot = (IsMoment(role) ? 3 : 0) + AxisOf(role);
    sum[static_cast<std::size_t>(slot)] += value;
    if (i >= per && !IsMoment(role)) endForce[static_cast<std::size_t>(AxisOf(role))] = value;
  }
  // Moments about the beginning: the end forces act at x = L.
  sum[4] -= m.Length * endForce[2];
  sum[5] += m.Length * endForce[1];
  line.Text = "Member " + std::to_string(m.Member) + " (local axes, moments about joint " +
              std::to_string(m.BeginJoint) + "):";
  // Three sums to a line, so that a space frame's six fit a printed page and a narrow window.
  for (std::size_t i = 0; i < roles.size(); ++i) {
    const CoordRole role = roles[i];
    const double value = sum[static_cast<std::size_t>((IsMoment(role) ? 3 : 0) + AxisOf(role))];
    line.Text +=
        std::string(i % 3 == 0 ? "\n   " : "") + "  sum " + SumName(role) + " = " + Residual(value);
    line.Residual = std::max(line.Residual, std::fabs(value));
  }
  return line;
}

// A value along coordinate k of a joint as the solution holds it, along the support's axes at a
// turned joint: there split into the two global axes it lies between.
void AddAtJoint(Resultant& sum, const ModelStore& model, const std::vector<CoordRole>& roles,
                int joint, int k, double value) {
  const std::array<double, 3> at = JointPosition(model, joint);
  const JointTurn turn = model.SupportAngleCount > 0 ? JointTurnOf(model, joint) : JointTurn{};
  if (!turn.Turned() || (k != turn.First && k != turn.Second)) {
    sum.Add(at, roles[static_cast<std::size_t>(k - 1)], value);
    return;
  }
  MemberVector<double> v{};
  v[k] = value;
  turn.ToGlobalAxes(v);
  for (int c : {turn.First, turn.Second}) sum.Add(at, roles[static_cast<std::size_t>(c - 1)], v[c]);
}

}  // namespace

std::vector<EquilibriumLine> TrailEquilibrium(const ModelStore& model,
                                              const StructureResults& results,
                                              const MethodTrail& trail) {
  // The joint and the coordinate of each structure coordinate number.
  const int perJoint = trail.CoordsPerJoint;
  const int all = static_cast<int>(trail.CoordNumbers.size());
  std::vector<int> jointOfCode(static_cast<std::size_t>(all) + 1, 0),
      coordOfCode(static_cast<std::size_t>(all) + 1, 0);
  for (int i = 0; i < all && perJoint > 0; ++i) {
    const int code = trail.CoordNumbers[static_cast<std::size_t>(i)];
    if (code < 1 || code > all) continue;
    jointOfCode[static_cast<std::size_t>(code)] = i / perJoint + 1;
    coordOfCode[static_cast<std::size_t>(code)] = i % perJoint + 1;
  }

  std::vector<EquilibriumLine> lines;
  lines.push_back({"Each member: {Q} against its loads {Qf}; each sum is 0 but for round-off"});
  for (const TrailMember& m : trail.Members)
    lines.push_back(MemberEquilibrium(model.StructType, m));

  const std::vector<CoordRole> roles = CoordRoles(model.StructType);
  const int per = static_cast<int>(roles.size());
  Resultant loads, reactions;
  for (int code = 1; code <= trail.DofCount; ++code) {
    const std::size_t c = static_cast<std::size_t>(code);
    AddAtJoint(loads, model, roles, jointOfCode[c], coordOfCode[c], trail.JointLoads[c - 1]);
  }
  // A member load acts on the structure as the opposite of its fixed-end forces.
  for (const TrailMember& m : trail.Members)
    for (int i = 0; i < 2 * per; ++i) {
      const int joint = i < per ? m.BeginJoint : m.EndJoint;
      loads.Add(JointPosition(model, joint), roles[static_cast<std::size_t>(i % per)],
                -m.GlobalFixedEndForces[static_cast<std::size_t>(i)]);
    }
  for (int code = trail.DofCount + 1; code <= all; ++code) {
    const std::size_t c = static_cast<std::size_t>(code);
    AddAtJoint(reactions, model, roles, jointOfCode[c], coordOfCode[c],
               results.SupportReactions(code - trail.DofCount));
  }
  for (int r = 1; r <= model.SpringCount; ++r) {
    const int joint = model.SpringCoords(r, 1), k = model.SpringCoords(r, 2);
    AddAtJoint(reactions, model, roles, joint, k, ReactionInSupportAxes(model, results, joint, k));
  }
  lines.push_back({""});
  lines.push_back({"The whole structure: loads + reactions = 0, moments about the origin"});
  for (CoordRole role : roles) {
    const double applied = loads.Along(role), held = reactions.Along(role);
    lines.push_back({std::string("sum ") + SumName(role) + ":  loads " + StepNumber(applied) +
                         "  reactions " + StepNumber(held) + "  residual " +
                         Residual(applied + held),
                     std::fabs(applied + held), loads.SizeAlong(role) + reactions.SizeAlong(role)});
  }
  return lines;
}

}  // namespace stavelorn
