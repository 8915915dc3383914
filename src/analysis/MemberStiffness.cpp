// The current member's properties and release code, its local stiffness matrix [k] and its
// global stiffness matrix [K] = [T]^T [k] [T].

#include <cmath>

#include "analysis/Arithmetic.h"
#include "analysis/Engine.h"

namespace stavelorn {

template <typename Real>
void Engine<Real>::LoadMemberContext(int member) {
  CurrentMember = member;
  BeginJoint = Model.MemberProps(member, 1);
  EndJoint = Model.MemberProps(member, 2);
  const int m = Model.MemberProps(member, 3);
  const int s = Model.MemberProps(member, 4);
  const Table<float>& mat = Model.Materials;
  const Table<float>& sec = Model.Sections;
  // Each type loads only the properties it uses; the others keep the previous member's values
  // and are never read.
  ElasticModulus = mat(m, 1);
  switch (Kind) {
    case StructKind::Beam:
      ThermalCoeff = mat(m, 2);
      InertiaZ = sec(s, 1);
      break;
    case StructKind::PTruss:
    case StructKind::STruss:
      ThermalCoeff = mat(m, 2);
      Area = sec(s, 1);
      break;
    case StructKind::PFrame:
      ThermalCoeff = mat(m, 2);
      Area = sec(s, 1);
      InertiaZ = sec(s, 2);
      break;
    case StructKind::Grid:
      ShearModulus = mat(m, 2);
      ThermalCoeff = mat(m, 3);
      InertiaZ = sec(s, 1);
      TorsionConstant = sec(s, 2);
      break;
    case StructKind::SFrame:
      ShearModulus = mat(m, 2);
      ThermalCoeff = mat(m, 3);
      Area = sec(s, 1);
      InertiaZ = sec(s, 2);
      InertiaY = sec(s, 3);
      TorsionConstant = sec(s, 4);
      break;
    case StructKind::None: break;
  }
  // Trusses are pin-jointed by nature and never read a release. For the others the last record
  // of the member counts.
  ReleaseType = 0;
  if (Kind == StructKind::PTruss || Kind == StructKind::STruss) return;
  for (int r = 1; r <= Model.ReleaseCount; ++r)
    if (Model.Releases(r, 1) == member) ReleaseType = Model.Releases(r, 2);
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
void Engine<Real>::ComputeLocalStiffness() {
  MemberMatrix& k = LocalStiffness;
  for (MemberVector& row : k) row.fill(Real(0));
  const Calc l = MemberLength, l3 = std::pow(l, Calc(3)), e = ElasticModulus;
  const Real a = Store<Real>(Calc(Area) * e / l);
  const Real t = Store<Real>(Calc(TorsionConstant) * Calc(ShearModulus) / l);
  const Real c1 = Store<Real>(e * Calc(InertiaZ) / l3);
  const Real c3 = Store<Real>(3 * e * Calc(InertiaZ) / l3);
  switch (Kind) {
    case StructKind::PTruss: FillPair(k, 1, 3, a); break;
    case StructKind::STruss: FillPair(k, 1, 4, a); break;
    case StructKind::Beam:
      FillBendingBlock(k, {1, 2, 3, 4}, +1, MemberLength, c1, c3, ReleaseType);
      break;
    case StructKind::PFrame:
      FillPair(k, 1, 4, a);
      FillBendingBlock(k, {2, 3, 5, 6}, +1, MemberLength, c1, c3, ReleaseType);
      break;
    case StructKind::Grid:
      FillBendingBlock(k, {1, 3, 4, 6}, +1, MemberLength, c1, c3, ReleaseType);
      // A hinge at either end frees the twist, so a released grid member carries no torsion.
      if (ReleaseType == 0) FillPair(k, 2, 5, t);
      break;
    case StructKind::SFrame: {
      const Real c1y = Store<Real>(e * Calc(InertiaY) / l3);
      const Real c3y = Store<Real>(3 * e * Calc(InertiaY) / l3);
      FillPair(k, 1, 7, a);
      FillBendingBlock(k, {2, 6, 8, 12}, +1, MemberLength, c1, c3, ReleaseType);
      FillBendingBlock(k, {3, 5, 9, 11}, -1, MemberLength, c1y, c3y, ReleaseType);
      if (ReleaseType == 0) FillPair(k, 4, 10, t);
      break;
    }
    case StructKind::None: break;
  }
}

template <typename Real>
void Engine<Real>::ComputeGlobalStiffness() {
  const int n = EndCoords;
  MemberMatrix work{};
  ComputeMemberGeometry();
  ComputeLocalStiffness();
  const MemberMatrix& k = LocalStiffness;
  const MemberMatrix& t = TransformMatrix;
  MemberMatrix& kg = GlobalStiffness;
  if (IsAligned()) {
    for (int i = 1; i <= n; ++i)
      for (int j = 1; j <= n; ++j) kg[i][j] = k[i][j];
    return;
  }
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j)
      for (int l = 1; l <= n; ++l) work[i][j] = AddProduct(work[i][j], k[i][l], t[l][j]);
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j)
      for (int l = 1; l <= n; ++l) kg[i][j] = AddProduct(kg[i][j], t[l][i], work[l][j]);
}

template void Engine<float>::LoadMemberContext(int);
template void Engine<double>::LoadMemberContext(int);
template void Engine<float>::ComputeLocalStiffness();
template void Engine<double>::ComputeLocalStiffness();
template void Engine<float>::ComputeGlobalStiffness();
template void Engine<double>::ComputeGlobalStiffness();

}  // namespace stavelorn
