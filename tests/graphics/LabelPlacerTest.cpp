// The label placer on its own and through a recording canvas: a label keeps its spot when it is
// free and otherwise takes the nearest free one, and what it keeps clear of (which it gives way
// to first, texts, then symbols, then lines, shows in the golden drawings' labels; that every text
// stays on its picture, clear of every other, is checked on every example's pictures).
#include <gtest/gtest.h>

#include <cmath>

#include "graphics/LabelPlacer.h"
#include "graphics/RecordingCanvas.h"

namespace stavelorn {
namespace {

TEST(LabelPlacer, KeepsAFreeSpotAndMovesOffATakenOne) {
  // Labels 4 wide and 1 high, preferred at (0, 0) (their top-left corner; the box runs down).
  const struct Case {
    const char* name;
    std::vector<LabelBox> taken;
    LabelPlacer::Corner expected;
  } cases[] = {
      {"nothing in the way", {}, {0, 0}},
      {"touching is not covering", {{4, -1, 6, 0}}, {0, 0}},
      {"a label on the spot: one line up", {{0, -1, 4, 0}}, {0, 1}},
      {"the spot and the line above taken: one line down", {{0, -1, 4, 1}}, {0, -1}},
      {"a column taken: one width right", {{0, -3, 4, 3}}, {4, 0}},
      {"all covered alike: the preferred spot", {{-50, -50, 50, 50}}, {0, 0}},
      {"the near spots all taken: the nearest farther out", {{-9, -3, 13, 2}}, {0, 3}},
  };
  // A cell size that is no size is taken as the label's height.
  for (const Case& c : cases)
    for (double cell : {1.0, 0.0, double(NAN)}) {
      LabelPlacer placer;
      placer.Clear(cell);
      for (const LabelBox& box : c.taken) placer.Avoid(box);
      const LabelPlacer::Corner got = placer.Place(0, 0, 4, 1);
      EXPECT_DOUBLE_EQ(got.X, c.expected.X) << c.name << " cell " << cell;
      EXPECT_DOUBLE_EQ(got.Y, c.expected.Y) << c.name << " cell " << cell;
    }
}

TEST(RecordingCanvasLabels, ALabelAvoidsTextsMarkersArrowHeadsAndMemberLinesButNotDiagrams) {
  const struct Case {
    const char* name;
    void (*draw)(RecordingCanvas&);
    bool moved;
  } cases[] = {
      {"an earlier label", [](RecordingCanvas& c) { c.PrintLabel("12"); }, true},
      {"a joint marker", [](RecordingCanvas& c) { c.FilledBox(50, 49, 51, 50); }, true},
      {"an arrow head stroke", [](RecordingCanvas& c) { c.Line(50, 49.5, 51, 49, 13); }, true},
      {"a hinge circle", [](RecordingCanvas& c) { c.Circle(51, 49.5, 0.5, 11); }, true},
      {"a member line",
       [](RecordingCanvas& c) {
         c.BeginSymbol(SymbolClass::Member, 0, 1);
         c.Line(0, 49.5, 100, 49.5, 11);
       },
       true},
      {"a long line of no member or load",
       [](RecordingCanvas& c) { c.Line(0, 49.5, 100, 49.5, 11); }, false},
      {"a diagram's outline",
       [](RecordingCanvas& c) {
         c.BeginSymbol(SymbolClass::Diagram, 0, 1);
         c.Line(50, 49.5, 51, 49, 15);
       },
       false},
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
    EXPECT_EQ(label.X1 != 50 || label.Y1 != 50, c.moved) << c.name;
  }
}

}  // namespace
}  // namespace stavelorn
