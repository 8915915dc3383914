// The members divided into pieces: joints, numbering, releases and the loads of each piece.

#include "analysis/DividedStructure.h"

#include <algorithm>
#include <cmath>

#include "model/MemberLoadKind.h"
#include "model/StructType.h"
#include "model/SupportAxes.h"

namespace stavelorn {

namespace {

// The joint number of division point `point` (1..segments-1) of member `member`.
int InnerJoint(const ModelStore& model, int segments, int member, int point) {
  return model.JointCount + (member - 1) * (segments - 1) + point;
}

// The twist coordinate of the piece's stiffness, given back to the first piece of a space-frame
// member hinged at both ends (see MemberSegment::HoldsTwist).
void HoldTwist(MemberSegment& piece, const StructTypeInfo& type) {
  const int twist = EndCoordinate(type, 'x', true), n = type.CoordsPerJoint;
  const MemberContext<double>& c = piece.Context;
  const double t = c.TorsionConstant * c.ShearModulus / piece.Geometry.Length;
  MemberMatrix<double>& k = piece.LocalStiffness;
  k[twist][twist] = k[n + twist][n + twist] = t;
  k[twist][n + twist] = k[n + twist][twist] = -t;
}

// The pieces of member `m` with their stiffness and the loads of its temperature changes and
// fabrication errors (both uniform along the member, so every piece takes the member's).
std::vector<MemberSegment> PiecesOf(const ModelStore& model, const StructTypeInfo& type,
                                    int segments, int m) {
  const MemberContext<double> member =
      LoadMemberContext<double>(model, type.Kind, 2 * type.CoordsPerJoint, m);
  const MemberGeometry<double> geometry = ComputeMemberGeometry(model, member);
  MemberVector<double> axial{};
  for (int r = 1; r <= model.TempChangeCount; ++r)
    if (model.TempChangeMembers(r) == m) axial = AddTemperatureFef(model, r, member, axial);
  for (int r = 1; r <= model.FabErrorCount; ++r)
    if (model.FabErrorMembers(r) == m)
      axial = AddFabricationErrorFef(model, r, member, geometry, axial);

  const int release = member.ReleaseType;
  const bool twists = EndCoordinate(type, 'x', true) != 0;
  std::vector<MemberSegment> pieces(static_cast<std::size_t>(segments));
  for (int s = 0; s < segments; ++s) {
    MemberSegment& piece = pieces[static_cast<std::size_t>(s)];
    piece.Context = member;
    const bool first = s == 0, last = s == segments - 1;
    piece.Context.BeginJoint = first ? member.BeginJoint : InnerJoint(model, segments, m, s);
    piece.Context.EndJoint = last ? member.EndJoint : InnerJoint(model, segments, m, s + 1);
    const bool beginHinged = first && (release == 1 || release == 3);
    const bool endHinged = last && (release == 2 || release == 3);
    piece.Context.ReleaseType = (beginHinged ? 1 : 0) + (endHinged ? 2 : 0);
    piece.Geometry = geometry;
    piece.Geometry.Length = geometry.Length / segments;
    piece.LocalStiffness = ComputeLocalStiffness(piece.Context, piece.Geometry);
    piece.HoldsTwist = twists && release == 3 && segments > 1 && first;
    if (piece.HoldsTwist) HoldTwist(piece, type);
    piece.FixedEndForces = axial;
  }
  for (int r = 1; r <= model.MemberLoadCount; ++r) {
    if (model.MemberLoadInfo(r, 1) != m) continue;
    MemberLoadData load;
    load.Code = model.MemberLoadInfo(r, 2);
    for (int i = 0; i < 4; ++i)
      load.Values[static_cast<std::size_t>(i)] = model.MemberLoadValues(r, i + 1);
    for (const auto& [s, part] : SplitMemberLoad(load, geometry.Length, segments)) {
      MemberSegment& piece = pieces[static_cast<std::size_t>(s)];
      piece.FixedEndForces =
          AddMemberLoadFef(part, piece.Context, piece.Geometry, piece.FixedEndForces);
    }
  }
  return pieces;
}

}  // namespace

std::vector<std::pair<int, MemberLoadData>> SplitMemberLoad(const MemberLoadData& load,
                                                            double length, int segments) {
  std::vector<std::pair<int, MemberLoadData>> parts;
  const MemberLoadKindInfo* info = FindMemberLoadKind(load.Code);
  if (!info) return parts;
  const double h = length / segments;
  if (IsConcentrated(*info)) {
    const double at = load.Values[2];
    const int s = std::clamp(static_cast<int>(std::floor(at / h)), 0, segments - 1);
    MemberLoadData part = load;
    part.Values[2] = std::clamp(at - s * h, 0.0, h);
    parts.emplace_back(s, part);
    return parts;
  }
  const double start = load.Values[2], end = length - load.Values[3];
  for (int s = 0; s < segments; ++s) {
    const double x0 = s * h, x1 = s == segments - 1 ? length : (s + 1) * h;
    const double from = std::max(x0, start), to = std::min(x1, end);
    if (to - from <= 1e-12 * length) continue;
    MemberLoadData part = load;
    part.Values[2] = from - x0;
    part.Values[3] = x1 - to;
    if (IsLinear(*info)) {
      const double rise = (load.Values[1] - load.Values[0]) / (end - start);
      part.Values[0] = load.Values[0] + rise * (from - start);
      part.Values[1] = load.Values[0] + rise * (to - start);
    }
    parts.emplace_back(s, part);
  }
  return parts;
}

std::string SupportsNotDivided(const ModelStore& model) {
  if (model.SpringCount == 0 && !AnySupportTurned(model)) return "";
  return std::string("The stability analyses take rigid supports square to the axes; this ") +
         (model.SpringCount > 0 ? "structure stands on springs."
                                : "structure has a turned support.");
}

DividedStructure DivideMembers(const ModelStore& model, const StructureResults& analysed,
                               int segments) {
  const StructTypeInfo& type = model.TypeInfo();
  const int perJoint = type.CoordsPerJoint;
  DividedStructure d;
  d.CoordsPerJoint = perJoint;
  d.SegmentsPerMember = segments;
  d.JointCount = model.JointCount + model.MemberCount * (segments - 1);
  const std::size_t coords = static_cast<std::size_t>(d.JointCount * perJoint);

  // The project's joints are held where its own analysis held them; no joint inside a member is.
  std::vector<bool> held(coords, false);
  for (int k = 1; k <= model.JointCount * perJoint; ++k)
    held[static_cast<std::size_t>(k - 1)] = analysed.CoordNumbers(k) > analysed.DofCount;
  // The joints inside a member are numbered right after its beginning, so the band of the
  // equations stays near the project's own.
  std::vector<std::size_t> order;
  for (int j = 1; j <= model.JointCount; ++j) {
    for (int k = 0; k < perJoint; ++k)
      order.push_back(static_cast<std::size_t>((j - 1) * perJoint + k));
    for (int m = 1; m <= model.MemberCount; ++m)
      if (model.MemberProps(m, 1) == j)
        for (int point = 1; point < segments; ++point)
          for (int k = 0; k < perJoint; ++k)
            order.push_back(static_cast<std::size_t>(
                (InnerJoint(model, segments, m, point) - 1) * perJoint + k));
  }
  d.CoordNumbers.assign(coords, 0);
  int number = 0;
  for (std::size_t i : order)
    if (!held[i]) d.CoordNumbers[i] = ++number;
  d.FreeCount = number;
  for (std::size_t i : order)
    if (held[i]) d.CoordNumbers[i] = ++number;

  d.JointLoads.assign(static_cast<std::size_t>(d.FreeCount), 0.0);
  for (int r = 1; r <= model.JointLoadCount; ++r)
    for (int k = 1; k <= perJoint; ++k) {
      const int n = d.CoordNumbers[static_cast<std::size_t>(
          (model.JointLoadJoints(r) - 1) * perJoint + k - 1)];
      if (n <= d.FreeCount)
        d.JointLoads[static_cast<std::size_t>(n - 1)] += model.JointLoadValues(r, k);
    }
  d.Settlements.assign(coords, 0.0);
  for (int r = 1; r <= model.SettlementCount; ++r)
    for (int k = 1; k <= perJoint; ++k)
      d.Settlements[static_cast<std::size_t>((model.SettlementJoints(r) - 1) * perJoint + k - 1)] +=
          model.SettlementValues(r, k);

  for (int m = 1; m <= model.MemberCount; ++m)
    for (MemberSegment& piece : PiecesOf(model, type, segments, m)) {
      int lowest = d.FreeCount, highest = 1;
      for (int i = 1; i <= perJoint; ++i) {
        const auto at = [&](int joint) {
          return d.CoordNumbers[static_cast<std::size_t>((joint - 1) * perJoint + i - 1)];
        };
        piece.CodeNumbers[i] = at(piece.Context.BeginJoint);
        piece.CodeNumbers[perJoint + i] = at(piece.Context.EndJoint);
      }
      for (int i = 1; i <= 2 * perJoint; ++i)
        if (piece.CodeNumbers[i] <= d.FreeCount) {
          lowest = std::min(lowest, piece.CodeNumbers[i]);
          highest = std::max(highest, piece.CodeNumbers[i]);
        }
      d.HalfBandwidth = std::max(d.HalfBandwidth, highest - lowest);
      d.Segments.push_back(piece);
    }
  return d;
}

}  // namespace stavelorn
