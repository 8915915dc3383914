#include "analysis/InfluencePath.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <queue>

#include "analysis/MemberAxes.h"

namespace stavelorn {

namespace {

struct TrussPoint {
  double X = 0, Y = 0, Z = 0;
};

// A truss joint's place: X,Y on a plane truss, X,Y,Z on a space truss.
TrussPoint JointAt(const ModelStore& model, int joint) {
  const bool space = model.TypeInfo().CoordColumns == 3;
  return {model.JointCoords(joint, 1), model.JointCoords(joint, 2),
          space ? model.JointCoords(joint, 3) : 0.0};
}

bool IsJoint(const ModelStore& model, int joint) {
  return joint >= 1 && joint <= model.JointCount;
}

// Lengths below this are taken as equal: a millionth of the structure's largest dimension.
double LevelTolerance(const ModelStore& model) {
  TrussPoint low = JointAt(model, 1), high = low;
  for (int j = 2; j <= model.JointCount; ++j) {
    const TrussPoint p = JointAt(model, j);
    low = {std::min(low.X, p.X), std::min(low.Y, p.Y), std::min(low.Z, p.Z)};
    high = {std::max(high.X, p.X), std::max(high.Y, p.Y), std::max(high.Z, p.Z)};
  }
  return 1e-6 * std::max({high.X - low.X, high.Y - low.Y, high.Z - low.Z});
}

// The two supported joints farthest apart in plan (the first such pair in the supports' order),
// the one with the smaller X (then Z) first; nothing when no two stand apart.
std::optional<std::pair<int, int>> OutermostSupports(const ModelStore& model, double tolerance) {
  std::optional<std::pair<int, int>> outermost;
  double farthest = tolerance;
  for (int a = 1; a <= model.SupportCount; ++a)
    for (int b = a + 1; b <= model.SupportCount; ++b) {
      const int ja = model.Supports(a, 1), jb = model.Supports(b, 1);
      if (!IsJoint(model, ja) || !IsJoint(model, jb)) continue;
      const TrussPoint pa = JointAt(model, ja), pb = JointAt(model, jb);
      const double apart = std::hypot(pb.X - pa.X, pb.Z - pa.Z);
      if (apart <= farthest) continue;
      farthest = apart;
      const bool swap = pb.X < pa.X || (pb.X == pa.X && pb.Z < pa.Z);
      outermost = swap ? std::pair(jb, ja) : std::pair(ja, jb);
    }
  return outermost;
}

// The fewest members joining `from` to `to` through joints at `from`'s level (the lower member
// number first at a fork), in travel order; empty when no such chain exists.
std::vector<int> ChainAtLevel(const ModelStore& model, int from, int to, double tolerance) {
  const double level = JointAt(model, from).Y;
  const auto atLevel = [&](int j) {
    return IsJoint(model, j) && std::fabs(JointAt(model, j).Y - level) <= tolerance;
  };
  std::map<int, int> arrivedBy{{from, 0}};  // joint -> the member the search reached it by
  std::queue<int> frontier;
  frontier.push(from);
  while (!frontier.empty() && !arrivedBy.count(to)) {
    const int joint = frontier.front();
    frontier.pop();
    for (int m = 1; m <= model.MemberCount; ++m) {
      const int begin = model.MemberProps(m, 1), end = model.MemberProps(m, 2);
      const int other = begin == joint ? end : end == joint ? begin : 0;
      if (other == 0 || !atLevel(begin) || !atLevel(end) || arrivedBy.count(other)) continue;
      arrivedBy[other] = m;
      frontier.push(other);
    }
  }
  std::vector<int> chain;
  if (!arrivedBy.count(to)) return chain;
  for (int joint = to; joint != from;) {
    const int m = arrivedBy[joint];
    chain.push_back(m);
    joint = model.MemberProps(m, 1) == joint ? model.MemberProps(m, 2) : model.MemberProps(m, 1);
  }
  std::reverse(chain.begin(), chain.end());
  return chain;
}

std::vector<int> MembersNotParallelToY(const ModelStore& model) {
  std::vector<int> path;
  for (int m = 1; m <= model.MemberCount; ++m) {
    const std::optional<MemberAxes> axes = MemberLocalAxes(model, m);
    if (axes && std::hypot(axes->X[0], axes->X[2]) > 1e-6) path.push_back(m);
  }
  return path;
}

std::string MemberList(const std::vector<int>& members) {
  std::string list;
  for (int m : members) list += (list.empty() ? "" : ", ") + std::to_string(m);
  return list;
}

}  // namespace

DefaultPath ChooseDefaultPath(const ModelStore& model) {
  if (model.Type() && model.TypeInfo().Truss && model.JointCount > 0) {
    const double tolerance = LevelTolerance(model);
    if (const auto supports = OutermostSupports(model, tolerance)) {
      const auto [from, to] = *supports;
      if (std::fabs(JointAt(model, from).Y - JointAt(model, to).Y) <= tolerance) {
        std::vector<int> chord = ChainAtLevel(model, from, to, tolerance);
        if (!chord.empty()) return {std::move(chord), from, to};
      }
    }
  }
  return {MembersNotParallelToY(model), 0, 0};
}

std::vector<int> DefaultInfluencePath(const ModelStore& model) {
  return ChooseDefaultPath(model).Members;
}

std::string DefaultPathText(const DefaultPath& path) {
  if (path.FromJoint == 0)
    return "The unit load travels on every member not parallel to Y: " + MemberList(path.Members) +
           ". To load only some of them, press Pick Path and click them in order.";
  return "The unit load travels along the chord at the supports' level from joint " +
         std::to_string(path.FromJoint) + " to joint " + std::to_string(path.ToJoint) +
         ": members " + MemberList(path.Members) +
         ". To load another chord, press Pick Path and click its members in order.";
}

}  // namespace stavelorn
