// Fixed-end forces of a member in local coordinates: what its supports would exert on
// it, if both its ends were held fixed, under a member load, a uniform temperature change or a
// fabrication error. A positive transverse load acts against the local y (or z) axis, so its
// fixed-end shears are positive.

#include <cmath>

#include "analysis/Arithmetic.h"
#include "analysis/MemberValues.h"
#include "model/MemberLoadKind.h"
#include "model/StructType.h"

namespace stavelorn {

namespace {

// Adds the fixed-end forces of a bar that would lengthen by f/(A·E/L) if it were free: a
// restrained bar is pushed back by both its ends, +f at the beginning and -f at the end. Beams
// and grids have no axial coordinate and ignore such records.
template <typename Real>
MemberVector<Real> AddAxialPair(MemberVector<Real> qf, StructKind kind, Calc f) {
  const StructTypeInfo* type = FindStructType(kind);
  const int axial = type ? EndCoordinate(*type, 'x', false) : 0;
  if (axial == 0) return qf;
  const int endAxial = axial + type->CoordsPerJoint;
  qf[axial] = Store<Real>(Calc(qf[axial]) + f);
  qf[endAxial] = Store<Real>(Calc(qf[endAxial]) - f);
  return qf;
}

// Adds the bending fixed-end forces of a member fixed at both ends (shear and moment at the
// beginning, then at the end) to the coordinates sb, mb, se, me of {Qf}; `mirrored` turns the
// moments for bending in a space frame's x-z plane.
template <typename Real>
void PlaceBendingFef(MemberVector<Real>& qf, Real length, int release, Real fsb, Real fmb, Real fse,
                     Real fme, int sb, int mb, int se, int me, bool mirrored) {
  const Calc sign = mirrored ? -1 : 1;
  auto addShear = [&qf](int i, Calc value) { qf[i] = Store<Real>(Calc(qf[i]) + value); };
  auto addMoment = [&qf, sign](int i, Calc value) {
    qf[i] = Store<Real>(Calc(qf[i]) + sign * value);
  };
  // A hinged end cannot hold its fixed-end moment: it is released onto the member, which
  // carries it to the other end and changes both shears accordingly.
  const Calc twoL = Calc(length) + Calc(length);
  switch (release) {
    case 0:
      addShear(sb, fsb);
      addMoment(mb, fmb);
      addShear(se, fse);
      addMoment(me, fme);
      break;
    case 1:
      addShear(sb, fsb - 3 * Calc(fmb) / twoL);
      addShear(se, fse + 3 * Calc(fmb) / twoL);
      addMoment(me, fme - Calc(fmb) / 2);
      break;
    case 2:
      addShear(sb, fsb - 3 * Calc(fme) / twoL);
      addMoment(mb, fmb - Calc(fme) / 2);
      addShear(se, fse + 3 * Calc(fme) / twoL);
      break;
    case 3:
      addShear(sb, fsb - (Calc(fmb) + Calc(fme)) / Calc(length));
      addShear(se, fse + (Calc(fmb) + Calc(fme)) / Calc(length));
      break;
    default: break;
  }
}

}  // namespace

template <typename Real>
MemberVector<Real> ComputeMemberLoadFef(const ModelStore& model, int record,
                                        const MemberContext<Real>& member,
                                        const MemberGeometry<Real>& geometry,
                                        MemberVector<Real> qf) {
  const MemberLoadData load{model.MemberLoadInfo(record, 2),
                            {model.MemberLoadValues(record, 1), model.MemberLoadValues(record, 2),
                             model.MemberLoadValues(record, 3), model.MemberLoadValues(record, 4)}};
  return AddMemberLoadFef(load, member, geometry, qf);
}

template <typename Real>
MemberVector<Real> AddMemberLoadFef(const MemberLoadData& load, const MemberContext<Real>& member,
                                    const MemberGeometry<Real>& geometry, MemberVector<Real> qf) {
  const int code = load.Code;
  const MemberLoadKindInfo* info = FindMemberLoadKind(code);
  const auto kind = static_cast<MemberLoadKind>(code);
  const Calc w = load.Values[0];
  const Calc w2 = load.Values[1];
  const Calc l1 = load.Values[2];
  const Calc l = geometry.Length;
  const Calc l2 = (info && IsDistributed(*info))
                      ? load.Values[3]
                      : l - l1;  // concentrated loads: the distance from the load to the end
  const Calc lp2 = l * l, lp3 = lp2 * l, lp4 = lp3 * l;

  // Beginning then end: axial force, shear, moment, torque, as a member fixed at both ends
  // would receive them.
  Real fab = 0, fsb = 0, fmb = 0, ftb = 0, fae = 0, fse = 0, fme = 0, fte = 0;
  switch (kind) {
    case MemberLoadKind::Concentrated:
    case MemberLoadKind::ConcentratedZ:
      fsb = Store<Real>(w * l2 * l2 * (3 * l1 + l2) / lp3);
      fmb = Store<Real>(w * l1 * l2 * l2 / lp2);
      fse = Store<Real>(w * l1 * l1 * (3 * l2 + l1) / lp3);
      fme = Store<Real>(-w * l1 * l1 * l2 / lp2);
      break;
    case MemberLoadKind::Couple:
    case MemberLoadKind::CoupleY:
      fsb = Store<Real>(-6 * w * l1 * l2 / lp3);
      fmb = Store<Real>(w * l2 * (l2 - 2 * l1) / lp2);
      fse = Store<Real>(6 * w * l1 * l2 / lp3);
      fme = Store<Real>(w * l1 * (l1 - 2 * l2) / lp2);
      break;
    case MemberLoadKind::Uniform:
    case MemberLoadKind::UniformZ: {
      const Calc l1p2 = l1 * l1, l1p3 = l1p2 * l1, l2p2 = l2 * l2, l2p3 = l2p2 * l2;
      fsb = Store<Real>((w * l / 2) * (1 - (l1 / lp4) * (2 * lp3 - 2 * l1p2 * l + l1p3) -
                                       (l2p3 / lp4) * (2 * l - l2)));
      fmb = Store<Real>((w * lp2 / 12) * (1 - (l1p2 / lp4) * (6 * lp2 - 8 * l1 * l + 3 * l1p2) -
                                          (l2p3 / lp4) * (4 * l - 3 * l2)));
      fse = Store<Real>((w * l / 2) * (1 - (l1p3 / lp4) * (2 * l - l1) -
                                       (l2 / lp4) * (2 * lp3 - 2 * l2p2 * l + l2p3)));
      fme = Store<Real>(-(w * lp2 / 12) * (1 - (l1p3 / lp4) * (4 * l - 3 * l1) -
                                           (l2p2 / lp4) * (6 * lp2 - 8 * l2 * l + 3 * l2p2)));
      break;
    }
    case MemberLoadKind::Linear:
    case MemberLoadKind::LinearZ: {
      // Intensity w at l1 varying linearly to w2 at L - l2; a = L - l1 is never 0 here (a load
      // starting at the far end is refused before the analysis).
      const Calc a = l - l1, g = 1 + l2 / a + l2 * l2 / (a * a);
      const Calc a3 = a * a * a, l2p3 = l2 * l2 * l2, l2p4 = l2p3 * l2;
      const Calc c = l - l1 - l2;  // loaded length
      fsb = Store<Real>(
          (w * a3 / (20 * lp3)) * (7 * l + 8 * l1 - g * l2 * (3 * l + 2 * l1) / a + 2 * l2p4 / a3) +
          (w2 * a3 / (20 * lp3)) *
              (g * (3 * l + 2 * l1) - (l2p3 / (a * a)) * (2 + (15 * l - 8 * l2) / a)));
      fse = Store<Real>((w + w2) / 2 * c - fsb);
      // The part of the load rising from 0 at l1 to w2 at L - l2, integrated in closed form.
      const Calc fmb2 = w2 * c / (60 * lp2) *
                        (30 * l1 * a * a + 20 * c * a * (l - 3 * l1) -
                         15 * c * c * (2 * l - 3 * l1) + 12 * c * c * c);
      fmb = Store<Real>((w * a3 / (60 * lp2)) *
                            (3 * l + 12 * l1 - g * l2 * (2 * l + 3 * l1) / a + 3 * l2p4 / a3) +
                        fmb2);
      fme =
          Store<Real>(((2 * l1 - 2 * l - l2) * w - (l - l1 + 2 * l2) * w2) * c / 6 + l * fsb - fmb);
      break;
    }
    case MemberLoadKind::AxialForce:
      fab = Store<Real>(w * l2 / l);
      fae = Store<Real>(w * l1 / l);
      break;
    case MemberLoadKind::AxialUniform:
      fab = Store<Real>(w * (l - l1 - l2) * (l - l1 + l2) / (2 * l));
      fae = Store<Real>(w * (l - l1 - l2) * (l + l1 - l2) / (2 * l));
      break;
    case MemberLoadKind::Torque:
      ftb = Store<Real>(w * l2 / l);
      fte = Store<Real>(w * l1 / l);
      break;
    default: break;  // an unknown load type loads nothing
  }

  auto add = [&qf](int i, Calc value) { qf[i] = Store<Real>(Calc(qf[i]) + value); };
  auto bend = [&](int sb, int mb, int se, int me, bool mirrored) {
    PlaceBendingFef(qf, geometry.Length, member.ReleaseType, fsb, fmb, fse, fme, sb, mb, se, me,
                    mirrored);
  };
  const StructTypeInfo* type = FindStructType(member.Kind);
  if (!type || type->Truss) return qf;  // truss bars take their loads at the joints only
  const int n = type->CoordsPerJoint;
  // The local-z kinds bend a space-frame member in its x-z plane, where a rotation about y turns
  // a positive z translation the other way: the shears go to z, the moments change sign.
  const int zShear = EndCoordinate(*type, 'z', false), yMoment = EndCoordinate(*type, 'y', true);
  const bool xzPlane = info && info->Plane == BendingPlane::LocalXZ && zShear && yMoment;
  const int shear = xzPlane ? zShear : EndCoordinate(*type, 'y', false);
  const int moment = xzPlane ? yMoment : EndCoordinate(*type, 'z', true);
  bend(shear, moment, n + shear, n + moment, xzPlane);
  if (const int axial = EndCoordinate(*type, 'x', false)) {
    add(axial, fab);
    add(n + axial, fae);
  }
  const int ab = EndCoordinate(*type, 'x', true), ae = n + ab;  // the twist, when there is one
  if (ab == 0) return qf;
  // A hinge frees the twist at its end, so the whole torque goes to the other end.
  switch (member.ReleaseType) {
    case 0:
      add(ab, ftb);
      add(ae, fte);
      break;
    case 1: add(ae, Calc(ftb) + Calc(fte)); break;
    case 2: add(ab, Calc(ftb) + Calc(fte)); break;
    default: break;
  }
  return qf;
}

template <typename Real>
MemberVector<Real> AddTemperatureFef(const ModelStore& model, int record,
                                     const MemberContext<Real>& member, MemberVector<Real> qf) {
  const Real f = Store<Real>(Calc(member.Area) * Calc(member.ElasticModulus) *
                             Calc(member.ThermalCoeff) * Calc(model.TempChangeValues(record)));
  return AddAxialPair(qf, member.Kind, f);
}

template <typename Real>
MemberVector<Real> AddFabricationErrorFef(const ModelStore& model, int record,
                                          const MemberContext<Real>& member,
                                          const MemberGeometry<Real>& geometry,
                                          MemberVector<Real> qf) {
  const Real f = Store<Real>(Calc(member.Area) * Calc(member.ElasticModulus) *
                             Calc(model.FabErrorValues(record)) / Calc(geometry.Length));
  return AddAxialPair(qf, member.Kind, f);
}

template <typename Real>
MemberVector<Real> ComputeFixedEndForces(const ModelStore& model, const MemberContext<Real>& member,
                                         const MemberGeometry<Real>& geometry) {
  MemberVector<Real> qf{};
  const int m = member.Member;
  for (int r = 1; r <= model.MemberLoadCount; ++r)
    if (model.MemberLoadInfo(r, 1) == m) qf = ComputeMemberLoadFef(model, r, member, geometry, qf);
  for (int r = 1; r <= model.TempChangeCount; ++r)
    if (model.TempChangeMembers(r) == m) qf = AddTemperatureFef(model, r, member, qf);
  for (int r = 1; r <= model.FabErrorCount; ++r)
    if (model.FabErrorMembers(r) == m) qf = AddFabricationErrorFef(model, r, member, geometry, qf);
  return qf;
}

#define STAVELORN_INSTANTIATE(Real)                                                                \
  template MemberVector<Real> ComputeMemberLoadFef(                                                \
      const ModelStore&, int, const MemberContext<Real>&, const MemberGeometry<Real>&,             \
      MemberVector<Real>);                                                                         \
  template MemberVector<Real> AddMemberLoadFef(const MemberLoadData&, const MemberContext<Real>&,  \
                                               const MemberGeometry<Real>&, MemberVector<Real>);   \
  template MemberVector<Real> AddTemperatureFef(const ModelStore&, int,                            \
                                                const MemberContext<Real>&, MemberVector<Real>);   \
  template MemberVector<Real> AddFabricationErrorFef(                                              \
      const ModelStore&, int, const MemberContext<Real>&, const MemberGeometry<Real>&,             \
      MemberVector<Real>);                                                                         \
  template MemberVector<Real> ComputeFixedEndForces(const ModelStore&, const MemberContext<Real>&, \
                                                    const MemberGeometry<Real>&);
STAVELORN_INSTANTIATE(float)
STAVELORN_INSTANTIATE(double)
#undef STAVELORN_INSTANTIATE

}  // namespace stavelorn
