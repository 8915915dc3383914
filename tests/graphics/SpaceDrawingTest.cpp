// Drawings of data nobody has checked: references outside the tables and coordinates that are not
// finite draw nothing (the local axes of checked data are in the golden drawings).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "graphics/Drawing.h"
#include "graphics/PlaneModels.h"
#include "support/SampleModels.h"
#include "support/ScriptedMessages.h"

namespace stavelorn {
namespace {

using namespace testing;
using Kind = Stroke::Kind;

// Centres of the joint markers: filled squares, or circles in colour 11 for space trusses.
std::vector<std::pair<double, double>> Markers(const RecordingCanvas& canvas) {
  std::vector<std::pair<double, double>> centres;
  for (const Stroke& s : canvas.Strokes()) {
    if (s.Shape == Kind::Box) centres.emplace_back((s.X1 + s.X2) / 2, (s.Y1 + s.Y2) / 2);
    if (s.Shape == Kind::Circle && s.Colour == kLightCyan) centres.emplace_back(s.X1, s.Y1);
  }
  return centres;
}

TEST(UncheckedData, ReferencesOutsideTheTablesAndNonFiniteCoordinatesDrawNothing) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  // Joint 3 cannot be placed: members to it, to a joint that does not exist and from one below 1;
  // supports on a joint that does not exist and on joint 3; loads on a joint and a member that do
  // not exist, and on the member to joint 3 (unchecked-*.str).
  for (const char* name : {"unchecked-plane-frame", "unchecked-space-frame"}) {
    ModelStore model = ModelFromFile(std::string("tests/graphics/golden/") + name + ".str");
    const std::string type = model.StructType;
    model.JointCoords(3, type == "PFrame" ? 1 : 2) = nan;
    for (int k = 1; k <= model.CoordsPerJoint; ++k) model.JointLoadValues(2, k) = nan;
    // Counts that run past what the tables hold.
    model.JointCount = 40, model.MemberCount = 9, model.SupportCount = 5;
    model.JointLoadCount = 3, model.MemberLoadCount = 5;
    StructureResults hollow;  // complete, with no results behind it
    hollow.AnalysisStatus = kAnalysisComplete;
    DrawnModel drawn(model, FormId::mcas, hollow);
    DrawLocalAxes(model, drawn.canvas, drawn.view);  // along the one member it can place
    EXPECT_TRUE(drawn.messages.Log().empty()) << type;
    EXPECT_EQ(Markers(drawn.canvas).size(), 2u) << type;
    EXPECT_EQ(StrokesOf(drawn.canvas, Kind::Line, kLightCyan).size(), 1u) << type;
    EXPECT_TRUE(StrokesOf(drawn.canvas, Kind::Line, kLightMagenta).empty()) << type;
    EXPECT_TRUE(StrokesOf(drawn.canvas, Kind::Line, kYellow).empty()) << type;
    for (const Stroke& s : drawn.canvas.Strokes())
      EXPECT_TRUE(std::isfinite(s.X1) && std::isfinite(s.Y1)) << type;
  }
}

}  // namespace
}  // namespace stavelorn
