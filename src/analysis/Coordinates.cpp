// Numbering of the structure coordinates, the static stability count and the joint loads.

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "analysis/Arithmetic.h"
#include "analysis/Engine.h"

namespace stavelorn {

namespace {

// How many of a joint's coordinates, counted from its last, are rotations; releases can leave a
// joint where every member end is hinged, and then nothing resists those rotations.
int RotationalCoords(StructKind kind) {
  return kind == StructKind::None ? 0 : RotationCount(TypeOf(kind));
}

// The release code of a member by its first release record (0 when it has none). Here the first
// record counts, where the stiffness takes the last.
int FirstReleaseCode(const ModelStore& model, int member) {
  for (int r = 1; r <= model.ReleaseCount; ++r)
    if (model.Releases(r, 1) == member) return model.Releases(r, 2);
  return 0;
}

}  // namespace

template <typename Real>
void Engine<Real>::NumberCoordinates() {
  const int perJoint = CoordsPerJoint();
  const int jointCount = Model.JointCount > 0 ? Model.JointCount : 0;
  const int n = jointCount * perJoint;
  if (n > INT16_MAX)
    throw std::length_error("more joint coordinates than 16-bit coordinate numbers can hold");
  Array<std::int16_t> restraintFlags(n);

  // A joint listed twice keeps its later row.
  for (int s = 1; s <= Model.SupportCount; ++s) {
    const int j = Model.Supports(s, 1);
    for (int k = 1; k <= perJoint; ++k)
      restraintFlags((j - 1) * perJoint + k) = Model.Supports(s, k + 1);
  }
  // A spring holds its coordinate elastically: an unknown of the structure, yet a restraint to
  // the stability count.
  constexpr std::int16_t kSpring = 2;
  int springs = 0;
  for (int r = 1; r <= Model.SpringCount; ++r) {
    const int k = Model.SpringCoords(r, 2);
    if (k < 1 || k > perJoint) continue;
    std::int16_t& flag = restraintFlags((Model.SpringCoords(r, 1) - 1) * perJoint + k);
    if (flag == 1) flag = kSpring, ++springs;
  }

  const int rotations = RotationalCoords(Kind);
  if (rotations > 0 && Model.ReleaseCount >= 1) {
    for (int j = 1; j <= jointCount; ++j) {
      const int firstRotation = (j - 1) * perJoint + perJoint - rotations + 1;
      bool anyFreeRotation = false;
      for (int k = firstRotation; k <= j * perJoint; ++k) anyFreeRotation |= restraintFlags(k) == 0;
      if (!anyFreeRotation) continue;
      int ends = 0;
      int hinged = 0;
      for (int m = 1; m <= Model.MemberCount; ++m) {
        const int begin = Model.MemberProps(m, 1);
        const int end = Model.MemberProps(m, 2);
        if (begin != j && end != j) continue;
        const int release = FirstReleaseCode(Model, m);
        if (begin == j) {
          ++ends;
          if (release == 1 || release == 3) ++hinged;
        }
        if (end == j) {
          ++ends;
          if (release == 2 || release == 3) ++hinged;
        }
      }
      // Every member end here is hinged (or no member meets the joint): nothing turns the joint,
      // so its rotations are held rather than left as zero rows of the stiffness matrix.
      if (hinged == ends)
        for (int k = firstRotation; k <= j * perJoint; ++k)
          if (restraintFlags(k) != kSpring) restraintFlags(k) = 1;
    }
  }

  int free = 0;
  for (int k = 1; k <= n; ++k) free += restraintFlags(k) == 0 || restraintFlags(k) == kSpring;
  Results.DofCount = static_cast<std::int16_t>(free);
  Results.RestrainedCount = static_cast<std::int16_t>(n - free);

  // A count only: a structure can pass it and still be a mechanism (the solution finds those).
  const bool truss = IsTruss(Model.StructType);
  const int resisting = (truss ? Model.MemberCount : Model.MemberCount * perJoint) +
                        Results.RestrainedCount + springs;
  if (resisting < n) {
    Results.AnalysisStatus = kNotStable;
    if (StopAtStabilityCount) return;
  }

  Results.CoordNumbers.Redim(n);
  int freeNumber = 0;
  int restrainedNumber = Results.DofCount;
  for (int k = 1; k <= n; ++k) {
    if (restraintFlags(k) == 1)
      Results.CoordNumbers(k) = static_cast<std::int16_t>(++restrainedNumber);
    else
      Results.CoordNumbers(k) = static_cast<std::int16_t>(++freeNumber);
  }
}

template <typename Real>
void Engine<Real>::AddJointLoads() {
  if (!recorder_) {
    ForEachFreeJointLoad([this](int n, float load) {
      Equations.P(n) = Store<Real>(Calc(Equations.P(n)) + Calc(load));
    });
    return;
  }
  // The record keeps {P} as the members left it and the joint loads alone beside the sum.
  const std::size_t n = static_cast<std::size_t>(Results.DofCount);
  std::vector<Real> fixedEndPart(n), jointLoads(n);
  for (std::size_t i = 0; i < n; ++i) fixedEndPart[i] = Equations.P(static_cast<int>(i) + 1);
  ForEachFreeJointLoad([this, &jointLoads](int code, float load) {
    Real& p = jointLoads[static_cast<std::size_t>(code - 1)];
    p = Store<Real>(Calc(p) + Calc(load));
    Equations.P(code) = Store<Real>(Calc(Equations.P(code)) + Calc(load));
  });
  recorder_->StructureAssembled(Equations, fixedEndPart, jointLoads);
}

template <typename Real>
CodeNumberList MemberCodeNumbers(const Array<std::int16_t>& coordNumbers,
                                 const MemberContext<Real>& member) {
  const int perJoint = member.EndCoords / 2;
  CodeNumberList codes{};
  for (int i = 1; i <= perJoint; ++i) {
    codes[i] = coordNumbers((member.BeginJoint - 1) * perJoint + i);
    codes[i + perJoint] = coordNumbers((member.EndJoint - 1) * perJoint + i);
  }
  return codes;
}

template void Engine<float>::NumberCoordinates();
template void Engine<double>::NumberCoordinates();
template void Engine<float>::AddJointLoads();
template void Engine<double>::AddJointLoads();
template CodeNumberList MemberCodeNumbers(const Array<std::int16_t>&, const MemberContext<float>&);
template CodeNumberList MemberCodeNumbers(const Array<std::int16_t>&, const MemberContext<double>&);

}  // namespace stavelorn
