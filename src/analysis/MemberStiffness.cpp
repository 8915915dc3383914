// A member's properties and release code, its local stiffness matrix [k] and its global
// stiffness matrix [K] = [T]^T [k] [T].

#include <cmath>

#include "analysis/Arithmetic.h"
#include "analysis/MemberValues.h"

namespace stavelorn {

template <typename Real>
MemberContext<Real> LoadMemberContext(const ModelStore& model, StructKind kind, int endCoords,
                                      int member) {
  MemberContext<Real> c;
  c.Kind = kind;
  c.EndCoords = endCoords;
  c.Member = member;
  c.BeginJoint = model.MemberProps(member, 1);
  c.EndJoint = model.MemberProps(member, 2);
  const int m = model.MemberProps(member, 3);
  const int s = model.MemberProps(member, 4);
  const Table<float>& mat = model.Materials;
  const Table<float>& sec = model.Sections;
  // Each type loads only the properties it uses; the others stay 0 and are never read.
  c.ElasticModulus = mat(m, 1);
  switch (kind) {
    case StructKind::Beam:
      c.ThermalCoeff = mat(m, 2);
      c.InertiaZ = sec(s, 1);
      break;
    case StructKind::PTruss:
    case StructKind::STruss:
      c.ThermalCoeff = mat(m, 2);
      c.Area = sec(s, 1);
      break;
    case StructKind::PFrame:
      c.ThermalCoeff = mat(m, 2);
      c.Area = sec(s, 1);
      c.InertiaZ = sec(s, 2);
      break;
    case StructKind::Grid:
      c.ShearModulus = mat(m, 2);
      c.ThermalCoeff = mat(m, 3);
      c.InertiaZ = sec(s, 1);
      c.TorsionConstant = sec(s, 2);
      break;
    case StructKind::SFrame:
      c.ShearModulus = mat(m, 2);
      c.ThermalCoeff = mat(m, 3);
      c.Area = sec(s, 1);
      c.InertiaZ = sec(s, 2);
      c.InertiaY = sec(s, 3);
      c.TorsionConstant = sec(s, 4);
      break;
    case StructKind::None: break;
  }
  // Trusses are pin-jointed by nature and never read a release. For the others the last record
  // of the member counts.
  if (kind == StructKind::PTruss || kind == StructKind::STruss) return c;
  for (int r = 1; r <= model.ReleaseCount; ++r)
    if (model.Releases(r, 1) == member) c.ReleaseType = model.Releases(r, 2);
  return c;
}

namespace {

// Fills the bending block of a member on the local coordinates p[0..3] (transverse translation
// and rotation at the beginning, then at the end); `s` is the sign of the translation-rotation
// couplings, -1 for bending in a space frame's x-z plane, whose rotation about y turns the
// other way. c1 = E·I/L³ and c3 = 3·E·I/L³. A hinged end carries no moment, so its rotation row
// and column vanish and the rest stiffens by the condensed factor c3.
template <typename Real, typename Matrix>
void FillBendingBlock(Matrix& k, const int (&p)[4], int s, Real length, Real c1, Real c3,
                      int release) {
  const Calc l = length, l2 = std::pow(l, Calc(2));
  auto set = [&](int a, int b, Calc value) { k[p[a]][p[b]] = k[p[b]][p[a]] = Store<Real>(value); };
  switch (release) {
    case 0: {
      const Real sixLc1 = Store<Real>(l * 6 * c1);
      set(0, 0, 12 * Calc(c1));
      set(0, 1, s * sixLc1);
      set(0, 2, -12 * Calc(c1));
      set(0, 3, s * sixLc1);
      set(1, 1, l2 * 4 * c1);
      set(1, 2, -s * sixLc1);
      set(1, 3, (l2 + l2) * c1);
      set(2, 2, 12 * Calc(c1));
      set(2, 3, -s * sixLc1);
      set(3, 3, l2 * 4 * c1);
      break;
    }
    case 1: {
      const Real lc3 = Store<Real>(l * c3);
      set(0, 0, c3);
      set(0, 2, -Calc(c3));
      set(0, 3, s * lc3);
      set(2, 2, c3);
      set(2, 3, -s * lc3);
      set(3, 3, l2 * c3);
      break;
    }
    case 2: {
      const Real lc3 = Store<Real>(l * c3);
      set(0, 0, c3);
      set(0, 1, s * lc3);
      set(0, 2, -Calc(c3));
      set(1, 1, l2 * c3);
      set(1, 2, -s * lc3);
      set(2, 2, c3);
      break;
    }
    default: break;  // hinged at both ends: no bending stiffness
  }
}

// Equal and opposite stiffness `value` between local coordinates a and b (axial or torsion).
template <typename Real, typename Matrix>
void FillPair(Matrix& k, int a, int b, Real value) {
  k[a][a] = k[b][b] = value;
  k[a][b] = k[b][a] = -value;
}

}  // namespace

template <typename Real>
MemberMatrix<Real> ComputeLocalStiffness(const MemberContext<Real>& member,
                                         const MemberGeometry<Real>& geometry) {
  MemberMatrix<Real> k{};
  const Real length = geometry.Length;
  const int release = member.ReleaseType;
  const Calc l = length, l3 = std::pow(l, Calc(3)), e = member.ElasticModulus;
  const Real a = Store<Real>(Calc(member.Area) * e / l);
  const Real t = Store<Real>(Calc(member.TorsionConstant) * Calc(member.ShearModulus) / l);
  const Real c1 = Store<Real>(e * Calc(member.InertiaZ) / l3);
  const Real c3 = Store<Real>(3 * e * Calc(member.InertiaZ) / l3);
  switch (member.Kind) {
    case StructKind::PTruss: FillPair(k, 1, 3, a); break;
    case StructKind::STruss: FillPair(k, 1, 4, a); break;
    case StructKind::Beam: FillBendingBlock(k, {1, 2, 3, 4}, +1, length, c1, c3, release); break;
    case StructKind::PFrame:
      FillPair(k, 1, 4, a);
      FillBendingBlock(k, {2, 3, 5, 6}, +1, length, c1, c3, release);
      break;
    case StructKind::Grid:
      FillBendingBlock(k, {1, 3, 4, 6}, +1, length, c1, c3, release);
      // A hinge at either end frees the twist, so a released grid member carries no torsion.
      if (release == 0) FillPair(k, 2, 5, t);
      break;
    case StructKind::SFrame: {
      const Real c1y = Store<Real>(e * Calc(member.InertiaY) / l3);
      const Real c3y = Store<Real>(3 * e * Calc(member.InertiaY) / l3);
      FillPair(k, 1, 7, a);
      FillBendingBlock(k, {2, 6, 8, 12}, +1, length, c1, c3, release);
      FillBendingBlock(k, {3, 5, 9, 11}, -1, length, c1y, c3y, release);
      if (release == 0) FillPair(k, 4, 10, t);
      break;
    }
    case StructKind::None: break;
  }
  return k;
}

template <typename Real>
MemberMatrix<Real> ComputeGlobalStiffness(const MemberContext<Real>& member,
                                          const MemberGeometry<Real>& geometry,
                                          const MemberMatrix<Real>& k) {
  const int n = member.EndCoords;
  const MemberMatrix<Real>& t = geometry.Transform;
  MemberMatrix<Real> kg{};
  if (geometry.Aligned) {
    for (int i = 1; i <= n; ++i)
      for (int j = 1; j <= n; ++j) kg[i][j] = k[i][j];
    return kg;
  }
  MemberMatrix<Real> work{};  // [k][T]
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j)
      for (int l = 1; l <= n; ++l) work[i][j] = AddProduct(work[i][j], k[i][l], t[l][j]);
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j)
      for (int l = 1; l <= n; ++l) kg[i][j] = AddProduct(kg[i][j], t[l][i], work[l][j]);
  return kg;
}

#define STAVELORN_INSTANTIATE(Real)                                                        \
  template MemberContext<Real> LoadMemberContext(const ModelStore&, StructKind, int, int); \
  template MemberMatrix<Real> ComputeLocalStiffness(const MemberContext<Real>&,            \
                                                    const MemberGeometry<Real>&);          \
  template MemberMatrix<Real> ComputeGlobalStiffness(                                      \
      const MemberContext<Real>&, const MemberGeometry<Real>&, const MemberMatrix<Real>&);
STAVELORN_INSTANTIATE(float)
STAVELORN_INSTANTIATE(double)
#undef STAVELORN_INSTANTIATE

}  // namespace stavelorn
