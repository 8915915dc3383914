// The members' list window draws the hinges its grid holds, before they are stored (the main
// window's hinges, numbers and record labels are in the golden drawings).
#include <gtest/gtest.h>

#include "editors/EditorPreviews.h"
#include "editors/GridModel.h"
#include "graphics/PlaneModels.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

using namespace testing;

TEST(Hinges, ThePreviewShowsTheGridsHinges) {
  GridModel grid;
  grid.SetCols(6);
  grid.SetRows(3);
  for (int row = 1; row <= 2; ++row) {
    grid.SetText(row, 1, std::to_string(row));
    grid.SetText(row, 2, std::to_string(row + 1));
  }
  grid.SetText(1, 5, "Both Ends");
  RecordingCanvas canvas;
  ScriptedMessages messages;
  DrawMembersPreview(ModelFromText("\"t\",\"PFrame\"\n\"Joints\",3, 0,0, 10,0, 20,0\n"), grid, 2,
                     canvas, messages);
  const auto hinges = StrokesOf(canvas, Stroke::Kind::Circle, kHingeColour);
  ASSERT_EQ(hinges.size(), 2u);
  EXPECT_TRUE(hinges[0].X1 > 0 && hinges[0].X1 < 5 && hinges[1].X1 > 5 && hinges[1].X1 < 10);
}

}  // namespace
}  // namespace stavelorn
