// Influence lines: how one quantity of an analysed structure (a support reaction, a member end
// force, the internal force at a section, a joint displacement) changes as a unit force, acting
// downward (-Y), travels along a path of members. An ordinate is the quantity when the unit load
// stands at that point, in the quantity's own units per unit load and with the sign conventions
// of the results and the diagrams.
//
// On beams, frames and grids the load on a member is a concentrated member load; at a member's
// ends the ordinate is the limit from inside that member. On trusses the load acts at the joints
// of the path only (a deck brings it to the panel points), so the line is straight between them.
// Within a member the ordinate is a cubic in the load's position (the fixed-end forces of a
// concentrated load are), so its extremes are found exactly from four ordinates.
#pragma once

#include <string>
#include <vector>

#include "analysis/InfluencePath.h"
#include "analysis/MemberDiagrams.h"
#include "analysis/StructureResults.h"
#include "model/ModelStore.h"

namespace stavelorn {

enum class InfluenceKind { Reaction, EndForce, Internal, Displacement };

// What an influence line is of.
struct InfluenceQuantity {
  InfluenceKind Kind = InfluenceKind::Reaction;
  int Item = 0;  // the joint (reaction, displacement) or the member (end force, internal force)
  // Reaction, displacement: joint coordinate 1..CoordsPerJoint, in the reactions table's order;
  // end force: 1..2 x CoordsPerJoint, in the member end forces' order (beginning first).
  int Component = 0;
  double X = 0;  // internal force: the section's distance from the member's beginning
  DiagramQuantity Quantity = DiagramQuantity::N;  // internal force
};

// One ordinate: the load at X from its member's beginning. Where the ordinate jumps (the load
// passing the section of an internal force) the point is given twice: Before is the limit with
// the load at smaller x, After with the load at larger x.
struct InfluenceStation {
  double X = 0;
  StationSide Side = StationSide::At;
  double Value = 0;
  bool Extreme = false;  // a local maximum or minimum inside the member
};

struct InfluenceSpan {
  int Member = 0;
  double Length = 0;
  std::vector<InfluenceStation> Stations;  // by x
};

// A stretch of one path member over which the line is one polynomial: between the member's ends
// and the section of an internal force on it; on a truss, a whole bar (straight between its
// joints). The ordinate at x is Shape.At((x - X0) / (X1 - X0)), the limits from inside at X0 and
// X1 included.
struct InfluencePiece {
  int Member = 0;
  double X0 = 0, X1 = 0;
  Cubic Shape;
};

struct InfluencePoint {
  int Member = 0;
  InfluenceStation Station;
};

struct InfluenceLine {
  InfluenceQuantity Quantity;
  std::vector<InfluenceSpan> Path;     // in the path's order
  bool AtJointsOnly = false;           // a truss: the load stands on joints, straight between
  InfluencePoint Max, Min;             // the first largest and the first smallest ordinate
  std::vector<InfluencePiece> Pieces;  // in the path's order, by x within a member
};

// Ordinates smaller than this fraction of the line's largest (or, for a force, of the unit load;
// for a moment, of the unit load on the path's longest member) are round-off and show 0.
inline constexpr double kInfluenceZeroFraction = 1e-9;

// Why the quantity names nothing of the model (no such support, joint or member, a free
// coordinate as a reaction, a restrained one as a displacement, a section outside the member, a
// quantity the type has not), or "" when it is one. The coordinates' numbering is that of
// `results`.
std::string InfluenceQuantityProblem(const ModelStore& model, const StructureResults& results,
                                     const InfluenceQuantity& quantity);

// Why the path cannot carry the load (empty, a member that does not exist or comes twice), or "".
std::string InfluencePathProblem(const ModelStore& model, const std::vector<int>& path);

struct InfluenceResult {
  InfluenceLine Line;
  std::string Problem;  // "" when the line was computed
};

// The influence line of `quantity` over `path` (DefaultInfluencePath when empty) of a model
// whose analysis is complete (`results`).
InfluenceResult ComputeInfluenceLine(const ModelStore& model, const StructureResults& results,
                                     const InfluenceQuantity& quantity, std::vector<int> path = {});

}  // namespace stavelorn
