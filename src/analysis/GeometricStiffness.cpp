// The geometric stiffness [kg] of one member, bending plane by bending plane.

#include "analysis/GeometricStiffness.h"

#include <array>

#include "model/StructType.h"

namespace stavelorn {

namespace {

using Block = std::array<std::array<double, 4>, 4>;

// The consistent [kg] of one bending plane on (v1, θ1, v2, θ2) for N = 1; `s` is the sign of
// the translation-rotation couplings (-1 in a space frame's x-z plane).
Block FullBlock(double l, double s) {
  const double c = 1 / (30 * l);
  const double a = 36 * c, b = 3 * l * c * s, d = 4 * l * l * c, e = -l * l * c;
  return {{{a, b, -a, b}, {b, d, -b, e}, {-a, -b, a, -b}, {b, e, -b, d}}};
}

// The full displacements (v1, θ1, v2, θ2) from those a released member keeps: the rotation at a
// hinge follows from the others as the condensation of [k] makes it (zero moment there), and
// with both ends hinged the member turns as a straight chord.
Block ReleaseShape(int release, double l, double s) {
  Block t{};
  for (int i = 0; i < 4; ++i) t[i][i] = 1;
  const double chord = 3 * s / (2 * l);
  switch (release) {
    case 1: t[1] = {-chord, 0, chord, -0.5}; break;
    case 2: t[3] = {-chord, -0.5, chord, 0}; break;
    case 3:
      t[1] = {-s / l, 0, s / l, 0};
      t[3] = t[1];
      break;
    default: break;
  }
  return t;
}

// Adds N·Tᵀ[kg]T of one bending plane to `kg` at the local coordinates p.
void AddBendingBlock(MemberMatrix<double>& kg, const std::array<int, 4>& p, double l, double s,
                     int release, double axialForce) {
  const Block full = FullBlock(l, s), t = ReleaseShape(release, l, s);
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) {
      double sum = 0;
      for (int a = 0; a < 4; ++a)
        for (int b = 0; b < 4; ++b) sum += t[a][i] * full[a][b] * t[b][j];
      kg[p[i]][p[j]] += axialForce * sum;
    }
}

}  // namespace

MemberMatrix<double> ComputeLocalGeometricStiffness(const MemberContext<double>& member,
                                                    double length, double axialForce,
                                                    bool holdsTwist) {
  MemberMatrix<double> kg{};
  const StructTypeInfo* type = FindStructType(member.Kind);
  if (!type || !type->Stability) return kg;
  const int n = type->CoordsPerJoint;
  const int vy = EndCoordinate(*type, 'y', false), rz = EndCoordinate(*type, 'z', true);
  AddBendingBlock(kg, {vy, rz, n + vy, n + rz}, length, +1, member.ReleaseType, axialForce);
  const int wz = EndCoordinate(*type, 'z', false), ry = EndCoordinate(*type, 'y', true);
  if (wz && ry)
    AddBendingBlock(kg, {wz, ry, n + wz, n + ry}, length, -1, member.ReleaseType, axialForce);
  const int twist = EndCoordinate(*type, 'x', true);
  if (twist && member.Area > 0 && (member.ReleaseType == 0 || holdsTwist)) {
    const double wagner = axialForce * (member.InertiaY + member.InertiaZ) / (member.Area * length);
    kg[twist][twist] += wagner;
    kg[n + twist][n + twist] += wagner;
    kg[twist][n + twist] -= wagner;
    kg[n + twist][twist] -= wagner;
  }
  return kg;
}

}  // namespace stavelorn
