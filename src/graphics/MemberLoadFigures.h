// The figures of member loads of every kind, drawn on a member where it lies on the picture:
// arrows across the member for concentrated forces, a figure over the loaded length for
// distributed loads, arrows along the member for axial loads, a curved arrow for a couple and a
// double-headed arrow for a torque. The arrows show the sense of the load and a label its symbol
// and signed value, in the member's local axes (local z for the kinds acting in the other plane of
// a space-frame member, in the oblique projection).
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "graphics/Canvas.h"
#include "graphics/DrawingData.h"
#include "model/MemberLoadKind.h"
#include "model/ModelStore.h"

namespace stavelorn {

// One member load as the drawings read it: the member, the kind's code and the four values.
struct MemberLoadRecord {
  int Member = 0;
  int Kind = 0;
  std::array<float, 4> Values{};
};

// A member as it lies on the picture: a point at distance a along it and offset d across it, in
// user units, is Begin + a * Along + d * Across, with Across the picture direction of the local
// axis a load acts in.
struct MemberOnPicture {
  Point Begin;
  Point Along;  // picture displacement per unit of member length
  Point AxisY;  // unit picture directions of the local y and z axes; a local axis that
  Point AxisZ;  // projects to (almost) a point is replaced by the normal of the member's picture
  double Length = 0;  // the member's true length
  int Number = 0;     // the member's number, which its load symbols name
};

// Where a member lies on the picture of its type (plane drawing or oblique projection), when
// both its joints can be placed and it has a length.
std::optional<MemberOnPicture> PlaceMember(const ModelStore& model, int member);

// The model's member-load records that can be drawn, in order, up to a record of member 0,
// which ends the list as it ends the drawing's walk.
std::vector<MemberLoadRecord> DrawableMemberLoads(const ModelStore& model);

// Draws one load on a placed member in a palette colour, each magnitude labelled beside it by
// its symbol, signed value and unit in `units` ("P = 40 kN", "w1 = 0", "w2 = 6"); u is the
// drawing's symbol unit. A kind the model's type does not carry, a load of zero or a load lying
// outside the member is drawn as nothing.
void DrawMemberLoadFigure(Canvas& canvas, const MemberOnPicture& member,
                          const MemberLoadKindInfo& kind, const std::array<float, 4>& values,
                          const UnitSystem& units, double u, int colour);

// Draws every record whose member can be placed and whose kind the model's type carries.
void DrawMemberLoadFigures(const ModelStore& model, const std::vector<MemberLoadRecord>& loads,
                           Canvas& canvas, double u, int colour);

}  // namespace stavelorn
