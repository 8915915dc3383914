// The joints and members previews, drawn on a recording canvas from grids filled through the
// editors, before anything reaches the model.
#include <gtest/gtest.h>

#include "editors/EditorPreviews.h"
#include "editors/JointEditor.h"
#include "editors/MemberEditor.h"
#include "editors/ScriptedEditorWindows.h"
#include "graphics/RecordingCanvas.h"
#include "support/ScriptedMessages.h"

using namespace stavelorn;
using stavelorn::testing::ScriptedEditorWindows;

namespace {

struct Joint {
  std::vector<std::string> coords;
  std::vector<int> checks;
};

// The joints typed into a new project's joints list, drawn as its preview.
RecordingCanvas JointsPreview(const std::string& type, const std::vector<Joint>& joints) {
  ModelStore model;
  model.Reset();
  model.SetStructType(type);
  ScriptedMessages messages;
  JointEditor editor(model, messages);
  ScriptedEditorWindows windows(editor);
  editor.Open();
  windows.Then([&joints](ListEditor& ed) {
    for (std::size_t j = 0; j < joints.size(); ++j) {
      if (j) ed.Next();
      for (std::size_t c = 0; c < joints[j].coords.size(); ++c)
        ed.TypeField(static_cast<int>(c) + 2, joints[j].coords[c]);
      for (int check : joints[j].checks) ed.ClickCheck(check, true);
    }
    ed.Ok();
  });
  editor.Shown();
  EXPECT_EQ(model.JointCount, 0);  // drawn from the grid alone
  RecordingCanvas canvas;
  DrawJointsPreview(model, editor.Grid(), editor.ItemCount(), canvas);
  return canvas;
}

int Count(const RecordingCanvas& canvas, Stroke::Kind kind, int colour) {
  int n = 0;
  for (const Stroke& s : canvas.Strokes()) n += s.Shape == kind && s.Colour == colour;
  return n;
}

TEST(EditorPreviews, EachRestraintTextGetsItsSymbolOrNone) {
  // Joint 2 carries the support; joints 1 and 3 frame it. A roller's wheel is a red circle
  // beside the joint (X roller) or under it (Y roller); hinges and walls are red lines only.
  enum Want { None, WheelBeside, WheelUnder, LinesOnly };
  struct Case {
    const char* type;
    std::vector<int> checks;
    Want want;
  };
  const Case cases[] = {
      {"PTruss", {1}, WheelBeside}, {"PTruss", {2}, WheelUnder},   {"PTruss", {1, 2}, LinesOnly},
      {"PTruss", {}, None},         {"Beam", {1}, WheelUnder},     {"Beam", {1, 4}, LinesOnly},
      {"Beam", {4}, None},          {"PFrame", {1, 4}, None},      {"PFrame", {1, 2, 4}, LinesOnly},
      {"PFrame", {2, 4}, None},     {"STruss", {1, 3}, LinesOnly}, {"STruss", {2}, WheelUnder},
      {"Grid", {1}, WheelUnder},    {"Grid", {4}, LinesOnly},      {"SFrame", {1, 2}, LinesOnly},
      {"SFrame", {2}, WheelUnder},  {"SFrame", {}, None},
  };
  for (const Case& c : cases) {
    RecordingCanvas canvas = JointsPreview(
        c.type, {{{"0", "0", "0"}, {}}, {{"5", "2", "1"}, c.checks}, {{"10", "4", "2"}, {}}});
    const int red = Count(canvas, Stroke::Kind::Line, kLightRed) +
                    Count(canvas, Stroke::Kind::Circle, kLightRed);
    const Stroke* wheel = nullptr;
    for (const Stroke& s : canvas.Strokes())
      if (s.Shape == Stroke::Kind::Circle && s.Colour == kLightRed) wheel = &s;
    SCOPED_TRACE(std::string(c.type) + " case " + std::to_string(&c - cases));
    EXPECT_EQ(red > 0, c.want != None);
    EXPECT_EQ(wheel != nullptr, c.want == WheelBeside || c.want == WheelUnder);
    if (!wheel) continue;
    // The joint's marker tells where the joint is drawn.
    const Stroke* marker = nullptr;
    int markers = 0;
    for (const Stroke& s : canvas.Strokes())
      if ((s.Shape == Stroke::Kind::Box ||
           (s.Shape == Stroke::Kind::Circle && s.Colour == kLightCyan)) &&
          ++markers == 2)
        marker = &s;
    ASSERT_NE(marker, nullptr);
    const double x =
        marker->Shape == Stroke::Kind::Box ? (marker->X1 + marker->X2) / 2 : marker->X1;
    const double y =
        marker->Shape == Stroke::Kind::Box ? (marker->Y1 + marker->Y2) / 2 : marker->Y1;
    EXPECT_NEAR(c.want == WheelBeside ? wheel->Y1 : wheel->X1, c.want == WheelBeside ? y : x, 1e-9);
  }
}

TEST(EditorPreviews, JointsAreNumberedAndTrussJointsAreCircles) {
  RecordingCanvas truss = JointsPreview("PTruss", {{{"0", "0"}, {}}, {{"4", "3"}, {}}});
  EXPECT_EQ(Count(truss, Stroke::Kind::Circle, kLightCyan), 2);
  std::vector<std::string> texts;
  for (const Stroke& s : truss.Strokes())
    if (s.Shape == Stroke::Kind::Text) texts.push_back(s.Text);
  EXPECT_EQ(texts, (std::vector<std::string>{" 1", " 2"}));
  // Margins of a tenth: the 4 x 3 extent sits in a square of side 1.2 * 4.
  EXPECT_NEAR(truss.ScaleRect().Right - truss.ScaleRect().Left, 4.8, 1e-9);

  RecordingCanvas frame = JointsPreview("PFrame", {{{"0", "0"}, {}}, {{"4", "3"}, {}}});
  int boxes = 0;
  for (const Stroke& s : frame.Strokes()) boxes += s.Shape == Stroke::Kind::Box;
  EXPECT_EQ(boxes, 2);
}

TEST(EditorPreviews, MembersAreDrawnFromTheGridOnceAndOnlyWithAnEndJoint) {
  ModelStore model;
  model.Reset();
  model.SetStructType("PFrame");
  model.JointCount = 3;
  model.JointCoords.Redim(3, 2);
  model.JointCoords(2, 2) = 4;
  model.JointCoords(3, 1) = 6;
  model.MaterialCount = model.SectionCount = 1;
  model.MemberCount = 1;  // stored already: not drawn a second time
  model.MemberProps.Redim(1, 4);
  model.MemberProps(1, 1) = 1;
  model.MemberProps(1, 2) = 2;
  ScriptedMessages messages;
  MemberEditor editor(model, messages);
  ScriptedEditorWindows windows(editor);
  editor.Open();
  RecordingCanvas canvas;
  windows.Then([&](ListEditor& ed) {
    ed.TypeField(2, "2");
    ed.TypeField(3, "3");
    ed.Next();
    ed.TypeField(2, "3");  // no end joint yet
    DrawMembersPreview(model, ed.Grid(), ed.ItemCount(), canvas, messages);
    ed.CancelEntry();
  });
  editor.Add();
  int yellow = 0, otherMembers = 0;
  std::vector<std::string> yellowTexts;
  for (const Stroke& s : canvas.Strokes()) {
    if (s.Shape == Stroke::Kind::Line && s.Colour == kYellow) ++yellow;
    if (s.Shape == Stroke::Kind::Line && s.Colour == kLightCyan) ++otherMembers;
    if (s.Shape == Stroke::Kind::Text && s.Colour == kYellow) yellowTexts.push_back(s.Text);
  }
  EXPECT_EQ(yellow, 2);  // members 1 and 2 of the grid; row 3 has no end joint
  EXPECT_EQ(otherMembers, 0);
  EXPECT_EQ(yellowTexts, (std::vector<std::string>{" 1", " 2"}));
}

}  // namespace
