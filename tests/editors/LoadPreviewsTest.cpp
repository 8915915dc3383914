// The load previews: joint-load arrows from the list grid in colour 13 with their magnitudes,
// rows naming nothing in the model drawn as nothing, and every member load of the list in colour
// 10 with its signed value.
#include <gtest/gtest.h>

#include <algorithm>

#include "editors/GridModel.h"
#include "editors/KeyedEntry.h"
#include "editors/LoadPreviews.h"
#include "editors/MemberLoadEditor.h"
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

// A model of `type` with the member loads (member, kind, four values) stored in it, as the
// member-load list opens on them.
ModelStore WithMemberLoads(const char* type,
                           const std::vector<std::pair<std::array<int, 2>, LoadValues>>& loads) {
  ModelStore model = Structure(type, 3);
  model.MemberLoadCount = static_cast<std::int16_t>(loads.size());
  model.MemberLoadInfo.Redim(model.MemberLoadCount, 2);
  model.MemberLoadValues.Redim(model.MemberLoadCount, 4);
  for (int r = 1; r <= model.MemberLoadCount; ++r) {
    const auto& [info, values] = loads[static_cast<std::size_t>(r - 1)];
    model.MemberLoadInfo(r, 1) = static_cast<std::int16_t>(info[0]);
    model.MemberLoadInfo(r, 2) = static_cast<std::int16_t>(info[1]);
    for (int k = 1; k <= 4; ++k)
      model.MemberLoadValues(r, k) = values[static_cast<std::size_t>(k - 1)];
  }
  return model;
}

TEST(LoadPreviews, EveryMemberLoadOfTheListIsDrawnInGreenWithItsSignedValue) {
  struct Case {
    const char* type;
    std::vector<std::pair<std::array<int, 2>, LoadValues>> loads;
    std::size_t strokes;
    std::vector<std::string> labels;
  };
  // A whole-span uniform load is the line the arrows hang from and a shaft and two head strokes at
  // each of eleven points; a point force is a shaft and a two-stroke head.
  const Case cases[] = {
      {"Beam", {{{1, 3}, {-2.5f, 0, 0, 0}}}, 34, {"-2.5"}},
      {"Beam", {{{2, 3}, {4, 0, 0, 0}}, {{1, 1}, {40, 0, 2, 0}}}, 37, {" 4", " 40"}},
      {"SFrame", {{{1, 8}, {5, 0, 3, 0}}}, 3, {" 5"}},
  };
  for (const Case& c : cases) {
    ModelStore model = WithMemberLoads(c.type, c.loads);
    ScriptedMessages messages;
    MemberLoadEditor editor(model, messages);
    editor.Open();
    RecordingCanvas canvas;
    DrawMemberLoadsPreview(model, editor, canvas, messages);
    EXPECT_EQ(Strokes(canvas, kLightGreen), c.strokes) << c.type;
    EXPECT_EQ(Labels(canvas, kLightGreen), c.labels) << c.type;
  }
}

TEST(LoadPreviews, SpaceTypesShowNoJointLoads) {
  ModelStore model = Structure("SFrame", 3);
  ScriptedMessages messages;
  RecordingCanvas canvas;
  const GridModel joints = Grid({{"2", "5", "5", "5", "5", "5", "5"}});
  DrawJointLoadsPreview(model, joints, 1, canvas, messages);
  EXPECT_EQ(Strokes(canvas, kLightMagenta), 0u);
  EXPECT_GT(Strokes(canvas, kLightCyan), 0u);  // the structure itself is drawn
}

}  // namespace
