// Length, direction cosines and transformation matrix of the current member, and the three
// vector transformations between its local and the global coordinates.

#include <cmath>

#include "analysis/Arithmetic.h"
#include "analysis/Engine.h"

namespace stavelorn {

template <typename Real>
void Engine<Real>::ComputeMemberGeometry() {
  const Table<float>& xyz = Model.JointCoords;
  auto difference = [&](int column) {
    return Calc(xyz(EndJoint, column)) - Calc(xyz(BeginJoint, column));
  };
  auto square = [](Calc x) { return std::pow(x, Calc(2)); };

  switch (Kind) {
    case StructKind::Beam:
      // A beam lies along X; its length is the signed X difference, so a member entered from
      // right to left gets a negative length (the model checks refuse it).
      MemberLength = Store<Real>(difference(1));
      DirCosX = 1;
      DirCosY = 0;
      break;
    case StructKind::PTruss:
    case StructKind::PFrame: {
      const Calc dx = difference(1), dy = difference(2);
      MemberLength = Store<Real>(std::sqrt(square(dx) + square(dy)));
      DirCosX = Store<Real>(dx / Calc(MemberLength));
      DirCosY = Store<Real>(dy / Calc(MemberLength));
      break;
    }
    case StructKind::Grid: {
      // The grid lies in the X-Z plane: its second coordinate column is Z.
      const Calc dx = difference(1), dz = difference(2);
      MemberLength = Store<Real>(std::sqrt(square(dx) + square(dz)));
      DirCosX = Store<Real>(dx / Calc(MemberLength));
      DirCosZ = Store<Real>(dz / Calc(MemberLength));
      break;
    }
    case StructKind::STruss:
    case StructKind::SFrame: {
      const Calc dx = difference(1), dy = difference(2), dz = difference(3);
      MemberLength = Store<Real>(std::sqrt(square(dx) + square(dy) + square(dz)));
      DirCosX = Store<Real>(dx / Calc(MemberLength));
      DirCosY = Store<Real>(dy / Calc(MemberLength));
      DirCosZ = Store<Real>(dz / Calc(MemberLength));
      break;
    }
    case StructKind::None: break;
  }

  MemberMatrix& t = TransformMatrix;
  for (MemberVector& row : t) row.fill(Real(0));
  const Real cx = DirCosX, cy = DirCosY, cz = DirCosZ;
  switch (Kind) {
    case StructKind::Beam:
      for (int i = 1; i <= 4; ++i) t[i][i] = 1;
      break;
    case StructKind::PTruss:
      t[1][1] = cx, t[1][2] = cy, t[2][1] = -cy, t[2][2] = cx;
      t[3][3] = cx, t[3][4] = cy, t[4][3] = -cy, t[4][4] = cx;
      break;
    case StructKind::PFrame:
      t[1][1] = cx, t[1][2] = cy, t[2][1] = -cy, t[2][2] = cx, t[3][3] = 1;
      t[4][4] = cx, t[4][5] = cy, t[5][4] = -cy, t[5][5] = cx, t[6][6] = 1;
      break;
    case StructKind::STruss:
      // Only the axial rows: a truss bar has no transverse stiffness to transform.
      t[1][1] = cx, t[1][2] = cy, t[1][3] = cz;
      t[4][4] = cx, t[4][5] = cy, t[4][6] = cz;
      break;
    case StructKind::Grid:
      t[1][1] = 1, t[2][2] = cx, t[2][3] = cz, t[3][2] = -cz, t[3][3] = cx;
      t[4][4] = 1, t[5][5] = cx, t[5][6] = cz, t[6][5] = -cz, t[6][6] = cx;
      break;
    case StructKind::SFrame: {
      const Real psi = Store<Real>(Calc(pi_) * Calc(Model.RollAngles(CurrentMember)) / 180);
      const Real cosPsi = Store<Real>(std::cos(Calc(psi)));
      const Real sinPsi = Store<Real>(std::sin(Calc(psi)));
      const Real q = Store<Real>(std::sqrt(square(cx) + square(cz)));
      const Calc c = cosPsi, s = sinPsi, x = cx, y = cy, z = cz;
      if (std::fabs(q) > Real(1e-6)) {
        t[1][1] = cx, t[1][2] = cy, t[1][3] = cz;
        t[2][1] = Store<Real>((-x * y * c - z * s) / q);
        t[2][2] = Store<Real>(q * c);
        t[2][3] = Store<Real>((-y * z * c + x * s) / q);
        t[3][1] = Store<Real>((x * y * s - z * c) / q);
        t[3][2] = Store<Real>(-q * s);
        t[3][3] = Store<Real>((y * z * s + x * c) / q);
      } else {
        // Parallel to Y, the member has no horizontal projection to orient its local y axis;
        // the axis is then taken along -X, turned by the roll about the member.
        t[1][2] = cy;
        t[2][1] = Store<Real>(-y * c);
        t[2][3] = sinPsi;
        t[3][1] = Store<Real>(y * s);
        t[3][3] = cosPsi;
      }
      // The three other 3 x 3 blocks of [T] repeat the rotation; [T] has 13 rows and columns
      // (used from 1), so i + 9 <= 12 lies inside it.
      for (int i = 1; i <= 3; ++i)
        // cppcheck-suppress containerOutOfBounds ; see above: the largest index is 12 of 0..12
        for (int j = 1; j <= 3; ++j) t[i + 3][j + 3] = t[i + 6][j + 6] = t[i + 9][j + 9] = t[i][j];
      break;
    }
    case StructKind::None: break;
  }
}

template <typename Real>
bool Engine<Real>::IsAligned() const {
  // [T] may be replaced by the identity only when it is the identity: the member points exactly
  // along +X and every other direction cosine its type uses is exactly zero. A nearly aligned
  // member goes through the products, or its small transverse components would be lost. A
  // space-frame member is never aligned: its roll turns [T] even along X.
  if (Kind == StructKind::SFrame || DirCosX != 1) return false;
  switch (Kind) {
    case StructKind::Beam: return true;
    case StructKind::PTruss:
    case StructKind::PFrame: return DirCosY == 0;
    case StructKind::Grid: return DirCosZ == 0;
    case StructKind::STruss: return DirCosY == 0 && DirCosZ == 0;
    default: return false;
  }
}

template <typename Real>
void Engine<Real>::TransformDispToLocal() {
  const int n = EndCoords;
  MemberVector& u = MemberLocalDisp;
  const MemberVector& v = MemberGlobalDisp;
  u.fill(Real(0));
  if (IsAligned()) {
    for (int i = 1; i <= n; ++i) u[i] = v[i];
    return;
  }
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) u[i] = AddProduct(u[i], TransformMatrix[i][j], v[j]);
}

template <typename Real>
void Engine<Real>::TransformFefToGlobal() {
  const int n = EndCoords;
  ComputeMemberGeometry();
  MemberVector& ff = GlobalFixedEndForces;
  const MemberVector& qf = LocalFixedEndForces;
  if (IsAligned()) {
    for (int i = 1; i <= n; ++i) ff[i] = qf[i];
    return;
  }
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) ff[i] = AddProduct(ff[i], TransformMatrix[j][i], qf[j]);
}

template <typename Real>
void Engine<Real>::TransformForcesToGlobal() {
  const int n = EndCoords;
  MemberVector& f = MemberGlobalForces;
  f.fill(Real(0));
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j)
      f[i] = AddProduct(f[i], TransformMatrix[j][i], MemberLocalForces[j]);
}

template void Engine<float>::ComputeMemberGeometry();
template void Engine<double>::ComputeMemberGeometry();
template bool Engine<float>::IsAligned() const;
template bool Engine<double>::IsAligned() const;
template void Engine<float>::TransformDispToLocal();
template void Engine<double>::TransformDispToLocal();
template void Engine<float>::TransformFefToGlobal();
template void Engine<double>::TransformFefToGlobal();
template void Engine<float>::TransformForcesToGlobal();
template void Engine<double>::TransformForcesToGlobal();

}  // namespace stavelorn
