// Internal-force diagrams of the members of an analysed structure: the axial force, shears,
// twisting moment and bending moments along each member, as exact piecewise polynomials built
// from the member's stored local end forces and its member loads. Nothing is analysed again.
//
// Sign convention at a section x (0 <= x <= L from the beginning joint, local axes): f and m are
// the force and the moment the part beyond x exerts on the part before it; then N = f.x (tension
// positive), Vy = -f.y, Vz = -f.z, T = m.x, My = m.y and Mz = m.z. A simply supported beam under
// a downward load therefore has a positive shear near its beginning and a positive (sagging)
// moment. Values are in the model's force and length units.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "analysis/StructureResults.h"
#include "model/MemberLoadKind.h"
#include "model/ModelStore.h"

namespace stavelorn {

enum class DiagramQuantity { N, Vy, Vz, T, My, Mz };
inline constexpr int kDiagramQuantityCount = 6;

inline int Index(DiagramQuantity q) {
  return static_cast<int>(q);
}

// The quantities a structure type has, in the order N, Vy, Vz, T, My, Mz.
std::vector<DiagramQuantity> QuantitiesOfType(const std::string& typeCode);

// Whether the type's members bend about both local axes y and z (a space frame), so that its
// shears and moments need the axis in their names.
bool BendsInTwoPlanes(const std::string& typeCode);

// The short name of a quantity as the type calls it: "V" and "M" where a member bends in one
// plane only, "Vy" and "Mz" in a space frame; "N", "Vz", "T", "My" everywhere.
std::string QuantityName(const std::string& typeCode, DiagramQuantity q);

// The quantity a name gives, in every name the diagrams use: the plane types' V and M are the
// shear along and the moment about local y and z, as Vy and Mz. Nothing for any other text.
std::optional<DiagramQuantity> QuantityNamed(const std::string& name);

// What a quantity is, in words: "Axial force", "Shear in local y", ...
const char* QuantityCaption(DiagramQuantity q);

// The kind of quantity, for its unit: forces N, Vy, Vz; moments T, My, Mz.
Quantity UnitQuantity(DiagramQuantity q);

// A polynomial of degree 3 or less in the distance t from the start of its piece.
struct Cubic {
  std::array<double, 4> C{};  // C[k] multiplies t^k
  double At(double t) const { return C[0] + t * (C[1] + t * (C[2] + t * C[3])); }
};

// The stretch of a member between two consecutive load points, with the polynomial of every
// quantity over it. A concentrated load at X0 is included in the piece; one at X1 is not.
struct DiagramPiece {
  double X0 = 0, X1 = 0;
  std::array<Cubic, kDiagramQuantityCount> Q;
};

// At a concentrated load a diagram jumps: a section just before and just after it.
enum class StationSide { At, Before, After };

struct DiagramStation {
  double X = 0;
  StationSide Side = StationSide::At;
  bool Tenth = false;    // x is one of 0, L/10, ..., L
  bool Extreme = false;  // some quantity has a local maximum or minimum here (zero slope)
  std::array<double, kDiagramQuantityCount> Values{};
};

struct DiagramExtreme {
  DiagramQuantity Quantity = DiagramQuantity::N;
  bool Maximum = true;
  double X = 0;
  double Value = 0;
};

struct MemberDiagram {
  int Member = 0;
  double Length = 0;  // the length the analysis used
  std::vector<DiagramQuantity> Quantities;
  std::vector<DiagramPiece> Pieces;
  std::vector<double> Jumps;  // positions of the concentrated loads applied, ascending
  // Values at the joints: at x = 0 before any load there and at x = L after any load there, the
  // stored end forces themselves.
  std::array<double, kDiagramQuantityCount> StartValues{}, EndValues{};
  // The stored end value at x = L less the value built up from the beginning joint through the
  // loads: round-off of the analysis, spread linearly along the member so that the diagram meets
  // both ends.
  std::array<double, kDiagramQuantityCount> ClosureError{};
  // Tenth points, local extremes of every quantity and both sides of every jump, by x.
  std::vector<DiagramStation> Stations;
  // The largest and the smallest value of every quantity of the type, maximum first.
  std::vector<DiagramExtreme> Extremes;

  // The value of a quantity at x, on the given side of a concentrated load there.
  double ValueAt(DiagramQuantity q, double x, StationSide side = StationSide::At) const;
};

// A member load as it acts on the member, in local axes: a force or a couple along or about one
// axis (0 = x, 1 = y, 2 = z), at a point or with an intensity varying linearly from p0 at s to p1
// at e.
struct AppliedLoad {
  LoadForm Form = LoadForm::PointForce;
  int Axis = 0;
  double P0 = 0, P1 = 0;  // the force, couple or intensity, signed along or about the axis
  double S = 0, E = 0;    // where it acts; S == E for a concentrated load
};

// The diagram of one member of a model with a known type (its pieces and end values, without
// stations and extremes) from its local end forces, 2 x CoordsPerJoint in the results' order,
// and the loads acting on it; how the influence lines read a section under a unit load.
MemberDiagram MemberDiagramOf(const ModelStore& model, int member,
                              const std::vector<double>& endForces,
                              const std::vector<AppliedLoad>& loads);

// A diagram value smaller than this fraction of the largest value of its quantity over the whole
// structure is round-off of the double-precision arithmetic here (a difference of terms that
// cancel in exact arithmetic, such as the shear at the middle of a symmetric span), and shows 0.
inline constexpr double kDiagramZeroFraction = 1e-9;

// The diagrams of every member, in member order; empty unless the analysis is complete.
std::vector<MemberDiagram> BuildMemberDiagrams(const ModelStore& model,
                                               const StructureResults& results);

}  // namespace stavelorn
