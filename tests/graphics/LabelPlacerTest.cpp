// The label placer on its own and through a recording canvas: a label keeps its spot when it is
// free and otherwise takes the nearest free one, and on a drawn structure no two labels overlap.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/AnalysisRun.h"
#include "graphics/Drawing.h"
#include "graphics/LabelPlacer.h"
#include "graphics/PlaneModels.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

using namespace testing;
using Kind = Stroke::Kind;

TEST(LabelPlacer, KeepsAFreeSpotAndMovesOffATakenOne) {
  // Labels 4 wide and 1 high, preferred at (0, 0) (their top-left corner; the box runs down).
  const struct Case {
    const char* name;
    std::vector<LabelBox> taken;
    LabelPlacer::Corner expected;
  } cases[] = {
      {"nothing in the way", {}, {0, 0}},
      {"something elsewhere", {{10, 10, 12, 12}}, {0, 0}},
      {"touching is not covering", {{4, -1, 6, 0}}, {0, 0}},
      {"a label on the spot: one line up", {{0, -1, 4, 0}}, {0, 1}},
      {"the spot and the line above taken: one line down", {{0, -1, 4, 1}}, {0, -1}},
      {"a column taken: one width right", {{0, -3, 4, 3}}, {4, 0}},
      {"a wide band taken: two lines up", {{-9, -2, 13, 1}}, {0, 2}},
      {"all covered alike: the preferred spot", {{-50, -50, 50, 50}}, {0, 0}},
      {"all covered, less so below: one line down",
       {{-50, -50, 50, 50}, {-50, -0.5, 50, 50}},
       {0, -1}},
  };
  for (const Case& c : cases) {
    LabelPlacer placer;
    placer.Clear(1);
    for (const LabelBox& box : c.taken) placer.Avoid(box);
    const LabelPlacer::Corner got = placer.Place(0, 0, 4, 1);
    EXPECT_DOUBLE_EQ(got.X, c.expected.X) << c.name;
    EXPECT_DOUBLE_EQ(got.Y, c.expected.Y) << c.name;
  }
}

TEST(LabelPlacer, ManyLabelsAtOneSpotNeverOverlap) {
  LabelPlacer placer;
  placer.Clear(1);
  std::vector<LabelBox> placed;
  for (int n = 0; n < 12; ++n) {
    const LabelPlacer::Corner c = placer.Place(5, 5, 3, 1);
    placed.push_back({c.X, c.Y - 1, c.X + 3, c.Y});
  }
  for (std::size_t i = 0; i < placed.size(); ++i)
    for (std::size_t j = i + 1; j < placed.size(); ++j)
      EXPECT_EQ(OverlapArea(placed[i], placed[j]), 0) << i << " " << j;
  // What is not finite covers nothing and is never filed.
  placer.Avoid({NAN, 0, 1, 1});
  placer.Place(NAN, 0, 1, 1);
  EXPECT_EQ(placer.Place(100, 100, 3, 1).X, 100);
}

TEST(RecordingCanvasLabels, ALabelAvoidsTextsMarkersAndArrowHeadsButMayCrossLongLines) {
  const struct Case {
    const char* name;
    void (*draw)(RecordingCanvas&);
    bool moved;
  } cases[] = {
      {"an earlier label", [](RecordingCanvas& c) { c.PrintLabel("12"); }, true},
      {"an earlier printed number", [](RecordingCanvas& c) { c.PrintNumber(7); }, true},
      {"a joint marker", [](RecordingCanvas& c) { c.FilledBox(50, 49, 51, 50); }, true},
      {"an arrow head stroke", [](RecordingCanvas& c) { c.Line(50, 49.5, 51, 49, 13); }, true},
      {"a hinge circle", [](RecordingCanvas& c) { c.Circle(51, 49.5, 0.5, 11); }, true},
      {"a member line", [](RecordingCanvas& c) { c.Line(0, 49.5, 100, 49.5, 11); }, false},
      {"nothing", [](RecordingCanvas&) {}, false},
  };
  for (const Case& c : cases) {
    RecordingCanvas canvas;
    canvas.Cls();
    canvas.Scale(0, 100, 100, 0);
    canvas.SetCurrentX(50);
    canvas.SetCurrentY(50);
    c.draw(canvas);
    canvas.SetCurrentX(50);
    canvas.SetCurrentY(50);
    canvas.PrintLabel("-5");
    const Stroke& label = canvas.Strokes().back();
    EXPECT_EQ(label.Text, "-5");
    EXPECT_EQ(label.X1 != 50 || label.Y1 != 50, c.moved) << c.name;
  }
  // A plain text is printed where it is asked to be, whatever lies there.
  RecordingCanvas canvas;
  canvas.Scale(-10, 100, 100, -10);
  canvas.PrintLabel("a");
  canvas.PrintText("b");
  EXPECT_EQ(canvas.Strokes().back().X1, 0);
  EXPECT_EQ(canvas.Strokes().back().Y1, 0);
}

// The boxes of every text of a drawing, as the canvas sizes them.
std::vector<LabelBox> TextBoxes(const RecordingCanvas& canvas) {
  std::vector<LabelBox> boxes;
  for (const Stroke& s : canvas.Strokes())
    if (s.Shape == Kind::Text)
      boxes.push_back({s.X1, s.Y1 - canvas.TextHeight(), s.X1 + canvas.TextWidth(s.Text), s.Y1});
  return boxes;
}

int OverlappingPairs(const RecordingCanvas& canvas) {
  const std::vector<LabelBox> boxes = TextBoxes(canvas);
  int pairs = 0;
  for (std::size_t i = 0; i < boxes.size(); ++i)
    for (std::size_t j = i + 1; j < boxes.size(); ++j) pairs += OverlapArea(boxes[i], boxes[j]) > 0;
  return pairs;
}

TEST(RecordingCanvasLabels, NoTwoLabelsOverlapOnAColumnWithTwoLoadsNorOnTheExamples) {
  // Two forces a fifth of a unit apart on a column: "5" and "2" once read as "52".
  ModelStore column = JointsOnly("PFrame", {{0, 0}, {0, 10}});
  AddMember(column, 1, 2);
  AddMemberLoad(column, 1, 1, {5, 0, 2, 0});
  AddMemberLoad(column, 1, 1, {2, 0, 2.2f, 0});
  AddJointLoad(column, 2, {10, -5, 3});
  const DrawnModel drawn(column);
  EXPECT_EQ(TextBoxes(drawn.canvas).size(), 2u + 3u + 3u);  // loads, joint loads, numbers
  EXPECT_EQ(OverlappingPairs(drawn.canvas), 0);

  for (const char* name : {"portal-frame", "continuous-beam", "roof-truss", "space-frame",
                           "grid-floor", "space-truss-tower"}) {
    std::string problem;
    ModelStore model = ExampleModel(name, problem);
    ASSERT_EQ(problem, "") << name;
    CheckAndAnalyze(model, 0, false);
    DrawnModel example(model);
    DrawLocalAxes(model, example.canvas, example.view);
    EXPECT_EQ(OverlappingPairs(example.canvas), 0) << name;
  }
}

}  // namespace
}  // namespace stavelorn
