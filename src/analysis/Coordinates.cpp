// Numbering of the structure coordinates, the static stability count and the joint loads.

#include <cstdint>
#include <stdexcept>

#include "analysis/Arithmetic.h"
#include "analysis/Engine.h"

namespace stavelorn {

namespace {

// How many of a joint's coordinates, counted from its last, are rotations; releases can leave a
// joint where every member end is hinged, and then nothing resists those rotations.
int RotationalCoords(StructKind kind) {
  return kind == StructKind::None ? 0 : TypeOf(kind).Rotations;
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
        CurrentMember = m;
        BeginJoint = Model.MemberProps(m, 1);
        EndJoint = Model.MemberProps(m, 2);
        if (BeginJoint != j && EndJoint != j) continue;
        // Here the first release record of the member counts (the stiffness takes the last).
        ReleaseType = 0;
        for (int r = 1; r <= Model.ReleaseCount; ++r) {
          if (Model.Releases(r, 1) == m) {
            ReleaseType = Model.Releases(r, 2);
            break;
          }
        }
        if (BeginJoint == j) {
          ++ends;
          if (ReleaseType == 1 || ReleaseType == 3) ++hinged;
        }
        if (EndJoint == j) {
          ++ends;
          if (ReleaseType == 2 || ReleaseType == 3) ++hinged;
        }
      }
      // Every member end here is hinged (or no member meets the joint): nothing turns the joint,
      // so its rotations are held rather than left as zero rows of the stiffness matrix.
      if (hinged == ends)
        for (int k = firstRotation; k <= j * perJoint; ++k) restraintFlags(k) = 1;
    }
  }

  int free = 0;
  for (int k = 1; k <= n; ++k) free += restraintFlags(k) == 0;
  Results.DofCount = static_cast<std::int16_t>(free);
  Results.RestrainedCount = static_cast<std::int16_t>(n - free);

  // A count only: a structure can pass it and still be a mechanism (the solution finds those).
  const bool truss = Kind == StructKind::PTruss || Kind == StructKind::STruss;
  const int resisting =
      (truss ? Model.MemberCount : Model.MemberCount * perJoint) + Results.RestrainedCount;
  if (resisting < n) {
    Results.AnalysisStatus = kNotStable;
    return;
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
  const int perJoint = CoordsPerJoint();
  for (int i = 1; i <= Model.JointLoadCount; ++i) {
    const int j = Model.JointLoadJoints(i);
    for (int k = 1; k <= perJoint; ++k) {
      // A load on a restrained coordinate goes straight into its support and is not analysed.
      const int n = Results.CoordNumbers((j - 1) * perJoint + k);
      if (n <= Results.DofCount)
        Equations.P(n) = Store<Real>(Calc(Equations.P(n)) + Calc(Model.JointLoadValues(i, k)));
    }
  }
}

template <typename Real>
int Engine<Real>::CodeNumber(int i) const {
  const int perJoint = CoordsPerJoint();
  if (i <= perJoint) return Results.CoordNumbers((BeginJoint - 1) * perJoint + i);
  return Results.CoordNumbers((EndJoint - 1) * perJoint + i - perJoint);
}

template void Engine<float>::NumberCoordinates();
template void Engine<double>::NumberCoordinates();
template void Engine<float>::AddJointLoads();
template void Engine<double>::AddJointLoads();
template int Engine<float>::CodeNumber(int) const;
template int Engine<double>::CodeNumber(int) const;

}  // namespace stavelorn
