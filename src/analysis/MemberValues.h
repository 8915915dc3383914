// The matrix stiffness method for one member, as plain functions that return values: the
// member's data, its geometry and transformation matrix [T], its local stiffness [k] with the
// releases applied, its global stiffness [K] = [T]^T [k] [T], its fixed-end forces {Qf}, its code
// numbers and the transformations between its local and global end vectors. The engine builds
// its steps from these, and whoever records the method gets the very values the engine used.
//
// Every function computes in the store type Real by the rule of Arithmetic.h (expressions in
// double, each stored value rounded to Real). Vectors and matrices are indexed from 1 up to
// EndCoords (2 x the joint's coordinates), in the local or global coordinate order of the type;
// lengths, forces and moduli are in the user's consistent units, rotations in radians.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/ModelStore.h"

namespace stavelorn {

inline constexpr int kMaxEndCoords = 12;  // 2 x 6 coordinates of a space-frame member

template <typename Real>
using MemberVector = std::array<Real, kMaxEndCoords + 1>;  // used from index 1
template <typename Real>
using MemberMatrix = std::array<MemberVector<Real>, kMaxEndCoords + 1>;  // used from (1, 1)
using CodeNumberList = std::array<int, kMaxEndCoords + 1>;               // used from index 1

// What the method reads about one member: its joints, its release code and the properties of
// its material and cross-section. A property the type does not use is 0.
template <typename Real>
struct MemberContext {
  StructKind Kind = StructKind::None;
  int EndCoords = 0;  // 2 x coordinates per joint: the size of every member vector
  int Member = 0;
  int BeginJoint = 0;
  int EndJoint = 0;
  int ReleaseType = 0;  // 0 none, 1 hinge at the beginning, 2 at the end, 3 both
  Real ElasticModulus = 0, ShearModulus = 0, ThermalCoeff = 0;
  Real Area = 0, InertiaZ = 0, InertiaY = 0, TorsionConstant = 0;
};

// Length, direction cosines and transformation matrix [T] (global -> local) of one member.
template <typename Real>
struct MemberGeometry {
  Real Length = 0;
  Real DirCosX = 0, DirCosY = 0, DirCosZ = 0;  // those the type does not use are 0
  MemberMatrix<Real> Transform{};              // [T]
  // [T] is exactly the identity for the type's purposes, so the products are replaced by copies.
  bool Aligned = false;
};

// The member `member` (1-based) of the model, for a model of type `kind` whose joints have
// endCoords / 2 coordinates. Trusses never read a release; the others take the last release
// record of the member.
template <typename Real>
MemberContext<Real> LoadMemberContext(const ModelStore& model, StructKind kind, int endCoords,
                                      int member);

template <typename Real>
MemberGeometry<Real> ComputeMemberGeometry(const ModelStore& model,
                                           const MemberContext<Real>& member);

// [k] in local coordinates, with the member's releases applied.
template <typename Real>
MemberMatrix<Real> ComputeLocalStiffness(const MemberContext<Real>& member,
                                         const MemberGeometry<Real>& geometry);

// [K] = [T]^T [k] [T] (a copy of [k] for an aligned member).
template <typename Real>
MemberMatrix<Real> ComputeGlobalStiffness(const MemberContext<Real>& member,
                                          const MemberGeometry<Real>& geometry,
                                          const MemberMatrix<Real>& k);

// {Qf} after adding one member-load, temperature-change or fabrication-error record (1-based,
// a record of this member) to `qf`. Each adds its values to what is there, rounding each sum.
template <typename Real>
MemberVector<Real> ComputeMemberLoadFef(const ModelStore& model, int record,
                                        const MemberContext<Real>& member,
                                        const MemberGeometry<Real>& geometry,
                                        MemberVector<Real> qf);

// One member load as a record holds it: the load type code and its four values (magnitudes,
// then the distances a and b), in double precision.
struct MemberLoadData {
  int Code = 0;
  std::array<double, 4> Values{};
};

// {Qf} after adding the load `load` to `qf`, by the same formulas as a record of the model: how
// the influence lines place a unit load at a position no record holds exactly.
template <typename Real>
MemberVector<Real> AddMemberLoadFef(const MemberLoadData& load, const MemberContext<Real>& member,
                                    const MemberGeometry<Real>& geometry, MemberVector<Real> qf);
template <typename Real>
MemberVector<Real> AddTemperatureFef(const ModelStore& model, int record,
                                     const MemberContext<Real>& member, MemberVector<Real> qf);
template <typename Real>
MemberVector<Real> AddFabricationErrorFef(const ModelStore& model, int record,
                                          const MemberContext<Real>& member,
                                          const MemberGeometry<Real>& geometry,
                                          MemberVector<Real> qf);

// {Qf} of every member load, temperature change and fabrication error of the member, added in
// that order and in record order.
template <typename Real>
MemberVector<Real> ComputeFixedEndForces(const ModelStore& model, const MemberContext<Real>& member,
                                         const MemberGeometry<Real>& geometry);

// The structure coordinate number of each end coordinate of the member, from the numbering
// `coordNumbers` ((joint-1)*CoordsPerJoint + k -> number).
template <typename Real>
CodeNumberList MemberCodeNumbers(const Array<std::int16_t>& coordNumbers,
                                 const MemberContext<Real>& member);

// {v} of the settlements at the member's joints added to `v`, every component of each record.
template <typename Real>
MemberVector<Real> AddSettlementDisp(const ModelStore& model, const MemberContext<Real>& member,
                                     MemberVector<Real> v);
template <typename Real>
bool HasSettlementAtMemberJoints(const ModelStore& model, const MemberContext<Real>& member);

// {u} = [T]{v} (a copy for an aligned member).
template <typename Real>
MemberVector<Real> TransformDispToLocal(const MemberContext<Real>& member,
                                        const MemberGeometry<Real>& geometry,
                                        const MemberVector<Real>& v);
// {Ff} = [T]^T{Qf} (a copy for an aligned member).
template <typename Real>
MemberVector<Real> TransformFefToGlobal(const MemberContext<Real>& member,
                                        const MemberGeometry<Real>& geometry,
                                        const MemberVector<Real>& qf);
// {F} = [T]^T{Q}, always through the product.
template <typename Real>
MemberVector<Real> TransformForcesToGlobal(const MemberContext<Real>& member,
                                           const MemberGeometry<Real>& geometry,
                                           const MemberVector<Real>& q);
// [k]{u}: the end forces of the member's end displacements alone.
template <typename Real>
MemberVector<Real> ComputeLocalEndForces(const MemberContext<Real>& member,
                                         const MemberMatrix<Real>& k, const MemberVector<Real>& u);

}  // namespace stavelorn
