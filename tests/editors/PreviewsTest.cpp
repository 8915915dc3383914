// The previews beside the lists, drawn on a recording canvas from grids filled through the
// editors before anything reaches the model: joints with their support symbols, members, joint
// loads in magenta with their magnitudes and member loads in green with their signed values.
#include <gtest/gtest.h>

#include <optional>

#include "editors/EditorSession.h"
#include "editors/LoadPreviews.h"
#include "graphics/RecordingCanvas.h"

using namespace stavelorn;
using namespace stavelorn::testing;

namespace {

// Three joints typed into a new project's joints list, the second with the restraint boxes
// `checks` (" #1 #2"), drawn as its preview.
RecordingCanvas JointsPreview(const std::string& type, const std::string& checks) {
  ModelStore model = Structure(type, 0);
  Session e(FormId::JointA, model);
  const auto joint = [&model](const std::string& xyz) {
    return xyz.substr(0, 2 * static_cast<std::size_t>(model.CoordColumns) - 1);
  };
  e.windows.Then(Script(joint("0 0 0") + " / " + joint("5 2 1") + checks + " / " + joint("9 4 2")));
  e.editor.Shown();
  EXPECT_EQ(model.JointCount, 0);  // drawn from the grid alone
  RecordingCanvas canvas;
  e.window.DrawPreview(canvas);
  return canvas;
}

// The strokes in a colour: of one shape, or when none is given every line, arc and circle.
std::vector<const Stroke*> Drawn(const RecordingCanvas& canvas, int colour,
                                 std::optional<Stroke::Kind> kind = {}) {
  std::vector<const Stroke*> found;
  for (const Stroke& s : canvas.Strokes())
    if (s.Colour == colour && (kind ? s.Shape == *kind : s.Shape != Stroke::Kind::Text))
      found.push_back(&s);
  return found;
}

Texts Labels(const RecordingCanvas& canvas, int colour) {
  Texts labels;
  for (const Stroke* s : Drawn(canvas, colour, Stroke::Kind::Text)) labels.push_back(s->Text);
  return labels;
}

TEST(Previews, EachRestraintTextGetsItsSymbolOrNone) {
  // Joint 2 carries the support; joints 1 and 3 frame it. A roller's wheel is a red circle
  // beside the joint (X roller) or under it (Y roller); hinges and walls are red lines only.
  enum Want { None, WheelBeside, WheelUnder, LinesOnly };
  const struct {
    const char* type;
    const char* checks;
    Want want;
  } cases[] = {
      {"PTruss", " #1", WheelBeside},     {"PTruss", " #2", WheelUnder},
      {"PTruss", " #1 #2", LinesOnly},    {"PTruss", "", None},
      {"Beam", " #1", WheelUnder},        {"Beam", " #4", None},
      {"PFrame", " #1 #2 #4", LinesOnly}, {"PFrame", " #2 #4", None},
      {"STruss", " #1 #3", LinesOnly},    {"Grid", " #1", WheelUnder},
      {"Grid", " #4", LinesOnly},         {"SFrame", " #2", WheelUnder},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.type) + " case " + std::to_string(&c - cases));
    RecordingCanvas canvas = JointsPreview(c.type, c.checks);
    const auto wheels = Drawn(canvas, kLightRed, Stroke::Kind::Circle);
    EXPECT_EQ(Drawn(canvas, kLightRed).empty(), c.want == None);
    EXPECT_EQ(!wheels.empty(), c.want == WheelBeside || c.want == WheelUnder);
    // Each joint is numbered and marked: a box, or a cyan circle for a plane truss. The second
    // joint's marker tells where it is drawn.
    EXPECT_EQ(Labels(canvas, kLightCyan), (Texts{" 1", " 2", " 3"}));
    const Stroke* marker = nullptr;
    int markers = 0;
    for (const Stroke& s : canvas.Strokes())
      if ((s.Shape == Stroke::Kind::Box ||
           (s.Shape == Stroke::Kind::Circle && s.Colour == kLightCyan)) &&
          ++markers == 2)
        marker = &s;
    EXPECT_EQ(markers, 3);
    ASSERT_NE(marker, nullptr);
    const bool box = marker->Shape == Stroke::Kind::Box;
    EXPECT_EQ(box, std::string(c.type) != "PTruss");
    if (wheels.empty()) continue;
    // A wheel beside the joint is level with it; one under it is right below it.
    const bool beside = c.want == WheelBeside;
    const double at = beside ? (box ? (marker->Y1 + marker->Y2) / 2 : marker->Y1)
                             : (box ? (marker->X1 + marker->X2) / 2 : marker->X1);
    EXPECT_NEAR(beside ? wheels.back()->Y1 : wheels.back()->X1, at, 1e-9);
  }
}

TEST(Previews, MembersAreDrawnFromTheGridOnceAndOnlyWithAnEndJoint) {
  ModelStore model = Structure("PFrame", 3, 1);
  model.JointCoords(2, 1) = 0;
  model.JointCoords(2, 2) = 4;
  model.JointCoords(3, 1) = 6;
  model.SectionCount = 1;
  model.MemberCount = 1;  // stored already: not drawn a second time
  Session e(FormId::MemberA, model);
  RecordingCanvas canvas;
  e.windows.Then([&](ListEditor& ed) {
    ed.TypeField(2, "2");
    ed.TypeField(3, "3");
    ed.Next();
    ed.TypeField(2, "3");  // no end joint yet
    e.window.DrawPreview(canvas);
    ed.CancelEntry();
  });
  e.editor.Add();
  // Members 1 and 2 of the grid; row 3 has no end joint.
  EXPECT_EQ(Drawn(canvas, kYellow, Stroke::Kind::Line).size(), 2u);
  EXPECT_TRUE(Drawn(canvas, kLightCyan, Stroke::Kind::Line).empty());
  EXPECT_EQ(Labels(canvas, kYellow), (Texts{" 1", " 2"}));
}

TEST(Previews, JointLoadsAreDrawnAsTypedAndRowsNamingNothingAreSkipped) {
  const struct {
    const char* type;
    std::vector<Texts> rows;
    std::size_t strokes;
    Texts labels;
  } cases[] = {
      // A force is a shaft and a two-stroke head; a moment is an arc and a two-stroke head.
      {"PFrame", {{"2", "12", "", ""}}, 3, {" 12"}},
      {"PFrame", {{"2", "-5", "-7", "x"}}, 6, {" 5", " 7"}},
      {"PFrame", {{"9", "1", "1", "1"}, {"0", "1", "", ""}, {"", "4", "", ""}}, 0, {}},
      {"PFrame", {{"3", "", "", "2"}}, 3, {" 2"}},
      {"SFrame", {{"2", "5", "5", "5", "5", "5", "5"}}, 0, {}},  // space types show none
  };
  for (const auto& c : cases) {
    ModelStore model = Structure(c.type, 3);
    ScriptedMessages messages;
    RecordingCanvas canvas;
    GridModel grid;
    grid.SetCols(static_cast<int>(c.rows.at(0).size()));
    grid.SetRows(static_cast<int>(c.rows.size()) + 1);
    for (std::size_t r = 0; r < c.rows.size(); ++r)
      for (std::size_t col = 0; col < c.rows[r].size(); ++col)
        grid.SetText(static_cast<int>(r) + 1, static_cast<int>(col), c.rows[r][col]);
    DrawJointLoadsPreview(model, grid, static_cast<int>(c.rows.size()), canvas, messages);
    EXPECT_EQ(Drawn(canvas, kLightMagenta).size(), c.strokes);
    EXPECT_EQ(Labels(canvas, kLightMagenta), c.labels);
    EXPECT_FALSE(Drawn(canvas, kLightCyan).empty());  // the structure
    EXPECT_TRUE(messages.Log().empty());
  }
}

// Every member load of the list is drawn in green with its signed value. A whole-span uniform
// load is the line the arrows hang from and a shaft and two head strokes at each of eleven
// points; a point force is a shaft and a two-stroke head.
TEST(Previews, EveryMemberLoadOfTheListIsDrawnInGreenWithItsSignedValue) {
  ModelStore model = Structure("Beam", 3);
  Enter(model, FormId::MemLoadA, "2 @Uniform_load -4 ~ 0 0 / 1 @Concentrated_force 40 ~ 2 ~");
  Session e(FormId::MemLoadA, model);
  RecordingCanvas canvas;
  e.window.DrawPreview(canvas);
  EXPECT_EQ(Drawn(canvas, kLightGreen).size(), 37u);
  EXPECT_EQ(Labels(canvas, kLightGreen), (Texts{"P = 40", "w = -4"}));
}

}  // namespace
