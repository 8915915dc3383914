// Length, direction cosines and transformation matrix of a member, and the three vector
// transformations between its local and the global coordinates.

#include <cmath>

#include "analysis/Arithmetic.h"
#include "analysis/MemberValues.h"

namespace stavelorn {

namespace {

// [T] may be replaced by the identity only when it is the identity: the member points exactly
// along +X and every other direction cosine its type uses is exactly zero. A nearly aligned
// member goes through the products, or its small transverse components would be lost. A
// space-frame member is never aligned: its roll turns [T] even along X.
template <typename Real>
bool IsAligned(StructKind kind, const MemberGeometry<Real>& g) {
  if (kind == StructKind::SFrame || g.DirCosX != 1) return false;
  switch (kind) {
    case StructKind::Beam: return true;
    case StructKind::PTruss:
    case StructKind::PFrame: return g.DirCosY == 0;
    case StructKind::Grid: return g.DirCosZ == 0;
    case StructKind::STruss: return g.DirCosY == 0 && g.DirCosZ == 0;
    default: return false;
  }
}

// The space frame's rotation matrix, from the direction cosines and the roll; the local y axis
// lies in the vertical plane through the member before the roll turns it.
template <typename Real>
void FillSpaceRotation(MemberMatrix<Real>& t, Real cx, Real cy, Real cz, float rollDegrees) {
  auto square = [](Calc x) { return std::pow(x, Calc(2)); };
  // Pi rounded to the store type.
  const Real pi = Store<Real>(4 * std::atan(Calc(1)));
  const Real psi = Store<Real>(Calc(pi) * Calc(rollDegrees) / 180);
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
}

}  // namespace

template <typename Real>
MemberGeometry<Real> ComputeMemberGeometry(const ModelStore& model,
                                           const MemberContext<Real>& member) {
  const Table<float>& xyz = model.JointCoords;
  auto difference = [&](int column) {
    return Calc(xyz(member.EndJoint, column)) - Calc(xyz(member.BeginJoint, column));
  };
  auto square = [](Calc x) { return std::pow(x, Calc(2)); };

  MemberGeometry<Real> g;
  switch (member.Kind) {
    case StructKind::Beam:
      // A beam lies along X; its length is the signed X difference, so a member entered from
      // right to left gets a negative length (the model checks refuse it).
      g.Length = Store<Real>(difference(1));
      g.DirCosX = 1;
      break;
    case StructKind::PTruss:
    case StructKind::PFrame: {
      const Calc dx = difference(1), dy = difference(2);
      g.Length = Store<Real>(std::sqrt(square(dx) + square(dy)));
      g.DirCosX = Store<Real>(dx / Calc(g.Length));
      g.DirCosY = Store<Real>(dy / Calc(g.Length));
      break;
    }
    case StructKind::Grid: {
      // The grid lies in the X-Z plane: its second coordinate column is Z.
      const Calc dx = difference(1), dz = difference(2);
      g.Length = Store<Real>(std::sqrt(square(dx) + square(dz)));
      g.DirCosX = Store<Real>(dx / Calc(g.Length));
      g.DirCosZ = Store<Real>(dz / Calc(g.Length));
      break;
    }
    case StructKind::STruss:
    case StructKind::SFrame: {
      const Calc dx = difference(1), dy = difference(2), dz = difference(3);
      g.Length = Store<Real>(std::sqrt(square(dx) + square(dy) + square(dz)));
      g.DirCosX = Store<Real>(dx / Calc(g.Length));
      g.DirCosY = Store<Real>(dy / Calc(g.Length));
      g.DirCosZ = Store<Real>(dz / Calc(g.Length));
      break;
    }
    case StructKind::None: break;
  }

  MemberMatrix<Real>& t = g.Transform;
  const Real cx = g.DirCosX, cy = g.DirCosY, cz = g.DirCosZ;
  switch (member.Kind) {
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
    case StructKind::SFrame:
      FillSpaceRotation(t, cx, cy, cz, model.RollAngles(member.Member));
      break;
    case StructKind::None: break;
  }
  g.Aligned = IsAligned(member.Kind, g);
  return g;
}

template <typename Real>
MemberVector<Real> TransformDispToLocal(const MemberContext<Real>& member,
                                        const MemberGeometry<Real>& geometry,
                                        const MemberVector<Real>& v) {
  const int n = member.EndCoords;
  MemberVector<Real> u{};
  if (geometry.Aligned) {
    for (int i = 1; i <= n; ++i) u[i] = v[i];
    return u;
  }
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) u[i] = AddProduct(u[i], geometry.Transform[i][j], v[j]);
  return u;
}

template <typename Real>
MemberVector<Real> TransformFefToGlobal(const MemberContext<Real>& member,
                                        const MemberGeometry<Real>& geometry,
                                        const MemberVector<Real>& qf) {
  const int n = member.EndCoords;
  MemberVector<Real> ff{};
  if (geometry.Aligned) {
    for (int i = 1; i <= n; ++i) ff[i] = qf[i];
    return ff;
  }
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) ff[i] = AddProduct(ff[i], geometry.Transform[j][i], qf[j]);
  return ff;
}

template <typename Real>
MemberVector<Real> TransformForcesToGlobal(const MemberContext<Real>& member,
                                           const MemberGeometry<Real>& geometry,
                                           const MemberVector<Real>& q) {
  const int n = member.EndCoords;
  MemberVector<Real> f{};
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) f[i] = AddProduct(f[i], geometry.Transform[j][i], q[j]);
  return f;
}

#define STAVELORN_INSTANTIATE(Real)                                                        \
  template MemberGeometry<Real> ComputeMemberGeometry(const ModelStore&,                   \
                                                      const MemberContext<Real>&);         \
  template MemberVector<Real> TransformDispToLocal(                                        \
      const MemberContext<Real>&, const MemberGeometry<Real>&, const MemberVector<Real>&); \
  template MemberVector<Real> TransformFefToGlobal(                                        \
      const MemberContext<Real>&, const MemberGeometry<Real>&, const MemberVector<Real>&); \
  template MemberVector<Real> TransformForcesToGlobal(                                     \
      const MemberContext<Real>&, const MemberGeometry<Real>&, const MemberVector<Real>&);
STAVELORN_INSTANTIATE(float)
STAVELORN_INSTANTIATE(double)
#undef STAVELORN_INSTANTIATE

}  // namespace stavelorn
