// The load previews drawn from the list grids: joint-load arrows in colour 13 with their
// magnitudes, uniform member loads in colour 10 with |w|, and rows naming nothing in the model
// drawn as nothing.
#include <gtest/gtest.h>

#include <algorithm>

#include "editors/GridModel.h"
#include "editors/KeyedEntry.h"
#include "editors/LoadPreviews.h"
#include "graphics/RecordingCanvas.h"
#include "support/ScriptedMessages.h"

using namespace stavelorn;
using stavelorn::testing::Structure;

namespace {

GridModel Grid(const std::vector<std::vector<std::string>>& rows) {
  GridModel grid;
  grid.SetCols(static_cast<int>(rows.at(0).size()));
  grid.SetRows(static_cast<int>(rows.size()) + 1);
  for (std::size_t r = 0; r < rows.size(); ++r)
    for (std::size_t c = 0; c < rows[r].size(); ++c)
      grid.SetText(static_cast<int>(r) + 1, static_cast<int>(c), rows[r][c]);
  return grid;
}

// Lines and arcs drawn in a colour.
std::size_t Strokes(const RecordingCanvas& canvas, int colour) {
  return static_cast<std::size_t>(std::count_if(
      canvas.Strokes().begin(), canvas.Strokes().end(),
      [colour](const Stroke& s) { return s.Colour == colour && s.Shape != Stroke::Kind::Text; }));
}

// The numbers printed in a colour, as printed.
std::vector<std::string> Labels(const RecordingCanvas& canvas, int colour) {
  std::vector<std::string> labels;
  for (const Stroke& s : canvas.Strokes())
    if (s.Shape == Stroke::Kind::Text && s.Colour == colour) labels.push_back(s.Text);
  return labels;
}

TEST(LoadPreviews, JointLoadsAreDrawnAsTypedAndRowsNamingNothingAreSkipped) {
  struct Case {
    std::vector<std::vector<std::string>> rows;
    std::size_t strokes;
    std::vector<std::string> labels;
  };
  // A force is a shaft and a two-stroke head; a moment is an arc and a two-stroke head.
  const Case cases[] = {
      {{{"2", "12", "", ""}}, 3, {" 12"}},
      {{{"2", "-5", "-7", "x"}}, 6, {" 5", " 7"}},
      {{{"9", "1", "1", "1"}, {"0", "1", "", ""}, {"", "4", "", ""}}, 0, {}},
      {{{"3", "", "", "2"}}, 3, {" 2"}},
  };
  for (const Case& c : cases) {
    ModelStore model = Structure("PFrame", 3);
    ScriptedMessages messages;
    RecordingCanvas canvas;
    const GridModel grid = Grid(c.rows);
    DrawJointLoadsPreview(model, grid, static_cast<int>(c.rows.size()), canvas, messages);
    EXPECT_EQ(Strokes(canvas, kLightMagenta), c.strokes);
    EXPECT_EQ(Labels(canvas, kLightMagenta), c.labels);
    EXPECT_TRUE(messages.Log().empty());
  }
}

TEST(LoadPreviews, MemberLoadsAreDrawnInGreenWithTheirSignedValue) {
  struct Case {
    std::vector<std::vector<std::string>> rows;
    std::size_t strokes;
    std::vector<std::string> labels;
  };
  // The line the arrows hang from, and a shaft and two head strokes at each of the eleven points.
  const Case cases[] = {
      {{{"1", "-2.5"}}, 34, {"-2.5"}},
      {{{"2", "4"}, {"1", "0"}, {"7", "3"}, {"", "3"}, {"1", "Conc., type 1"}}, 34, {" 4"}},
  };
  for (const Case& c : cases) {
    ModelStore model = Structure("Beam", 3);
    ScriptedMessages messages;
    RecordingCanvas canvas;
    const GridModel grid = Grid(c.rows);
    DrawMemberLoadsPreview(model, grid, static_cast<int>(c.rows.size()), canvas, messages);
    EXPECT_EQ(Strokes(canvas, kLightGreen), c.strokes);
    EXPECT_EQ(Labels(canvas, kLightGreen), c.labels);
  }
}

TEST(LoadPreviews, SpaceTypesShowMemberLoadsButNoJointLoads) {
  ModelStore model = Structure("SFrame", 3);
  ScriptedMessages messages;
  RecordingCanvas canvas;
  const GridModel joints = Grid({{"2", "5", "5", "5", "5", "5", "5"}});
  DrawJointLoadsPreview(model, joints, 1, canvas, messages);
  EXPECT_EQ(Strokes(canvas, kLightMagenta), 0u);
  const GridModel members = Grid({{"1", "5"}});
  DrawMemberLoadsPreview(model, members, 1, canvas, messages);
  EXPECT_EQ(Strokes(canvas, kLightGreen), 34u);
  EXPECT_GT(Strokes(canvas, kYellow), 0u);  // the members, in yellow with their numbers
}

}  // namespace
