// The structure with every member divided into equal pieces, as the second-order analysis and
// the critical load need it: the cubic shape functions of one piece then follow the bent member
// closely. The project's joints keep their numbers; the new joints inside the members follow
// them, member by member from each member's beginning. A released end stays released at the
// piece that ends there, and every load of a member goes to the pieces it lies on. Values are in
// double precision, in the project's units.
#pragma once

#include <string>
#include <vector>

#include "analysis/MemberValues.h"
#include "analysis/StructureResults.h"
#include "model/ModelStore.h"

namespace stavelorn {

inline constexpr int kDefaultSegments = 4;
inline constexpr int kMaxSegments = 64;

struct MemberSegment {
  MemberContext<double> Context;    // Member: the project's member; joints: the piece's joints
  MemberGeometry<double> Geometry;  // the member's axes, the piece's length
  // A space-frame member hinged at both ends keeps the twist of its first piece, so that the
  // joints inside it do not spin freely about its axis (the member still carries no torsion).
  bool HoldsTwist = false;
  CodeNumberList CodeNumbers{};
  MemberMatrix<double> LocalStiffness{};  // [k], releases applied
  MemberVector<double> FixedEndForces{};  // {Qf} of the member's loads on this piece
};

struct DividedStructure {
  int CoordsPerJoint = 0;
  int SegmentsPerMember = 1;
  int JointCount = 0;                   // the project's joints and the joints inside the members
  std::vector<MemberSegment> Segments;  // member by member, from each member's beginning
  // The structure coordinate of (joint-1)*CoordsPerJoint + k-1, from 1; the free coordinates
  // come first.
  std::vector<int> CoordNumbers;
  int FreeCount = 0;
  int HalfBandwidth = 0;
  std::vector<double> JointLoads;   // at the free coordinates, from 0
  std::vector<double> Settlements;  // at every joint coordinate, as CoordNumbers is indexed
};

// Why the members of this model cannot be divided, or "": the divided structure holds its
// supports rigidly and square to the axes, so springs and turned supports are refused by name.
std::string SupportsNotDivided(const ModelStore& model);

// The model, checked and analysed in `analysed` (whose numbering says which of the project's
// joint coordinates are held), with each member in `segments` pieces (1..kMaxSegments).
DividedStructure DivideMembers(const ModelStore& model, const StructureResults& analysed,
                               int segments);

// The pieces of the member load `load` of a member of length `length` in `segments` equal
// pieces: (piece from 0, the load on it), each load in the piece's own distances.
std::vector<std::pair<int, MemberLoadData>> SplitMemberLoad(const MemberLoadData& load,
                                                            double length, int segments);

}  // namespace stavelorn
