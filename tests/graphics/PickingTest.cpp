// Picking joints and members on recorded drawings by the strokes tagged with them: on a plane
// frame, on the projection of a space frame and through a zoomed view.
#include <gtest/gtest.h>

#include <cmath>

#include "graphics/DrawingData.h"
#include "graphics/Picking.h"
#include "graphics/PlaneModels.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

using namespace testing;
using Kind = PickedItem::Kind;

constexpr double kSize = 600;

const char kPortal[] = R"("Portal","PFrame"
"Joints",4, 0,0, 0,5, 8,5, 8,0
"Supports",2, 1,1,1,1, 4,1,1,0
"Materials",1, 200,0
"Cross-Sections",1, 1,1
"Members",3, 1,2,1,1, 2,3,1,1, 4,3,1,1
)";

const char kSpaceFrame[] = R"("Space","SFrame"
"Joints",4, 0,0,0, 0,4,0, 6,4,0, 6,4,5
"Supports",1, 1,1,1,1,1,1,1
"Materials",1, 200,80,0
"Cross-Sections",1, 1,1,1,1
"Members",3, 1,2,1,1,0, 2,3,1,1,0, 3,4,1,1,0
)";

// A point of the model on the drawing, and what lies under it, `dx`, `dy` pixels away.
struct Probe {
  double x, y, z;  // model coordinates
  double dx, dy;   // pixels from the point
  PickedItem expected;
};

PickedItem PickNear(const DrawnModel& drawn, const ModelStore& model, const UserScale& visible,
                    const Probe& p) {
  const Point at = model.StructType == "PFrame" ? Point{p.x, p.y}
                                                : ProjectOblique(model.StructType, {p.x, p.y, p.z});
  const PictureMapping map(visible, kSize, kSize);
  return PickAt(drawn.canvas.Strokes(), map, map.X(at.X) + p.dx, map.Y(at.Y) + p.dy);
}

TEST(Picking, FindsTheNearestJointOrMemberOnAPlaneFrameAndOnASpaceFramesProjection) {
  const ModelStore portal = ModelFromText(kPortal), space = ModelFromText(kSpaceFrame);
  const struct {
    const ModelStore& model;
    Probe probe;
  } cases[] = {
      {portal, {0, 5, 0, 0, 0, {Kind::Joint, 2}}},   // on the joint and two members' ends
      {portal, {4, 5, 0, 0, 4, {Kind::Member, 2}}},  // 4 pixels below the beam's middle
      {portal, {4, 5, 0, 0, 9, {}}},                 // beyond the 6-pixel reach
      {space, {6, 4, 5, 0, 0, {Kind::Joint, 4}}},
      {space, {6, 4, 2.5, 3, 0, {Kind::Member, 3}}},  // along Z, drawn running down-left
  };
  for (const auto& c : cases) {
    const DrawnModel drawn(c.model);
    const Probe& p = c.probe;
    const PickedItem got = PickNear(drawn, c.model, drawn.canvas.ScaleRect(), p);
    EXPECT_TRUE(got == p.expected) << c.model.StructType << " " << p.x << "," << p.y << "," << p.z
                                   << ": " << int(got.What) << " " << got.Number;
  }
}

}  // namespace
}  // namespace stavelorn
