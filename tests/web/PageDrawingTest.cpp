// Drawing in the browser page through its JSON: the portal frame of the examples drawn by hand at
// several zooms (a hand a few screen pixels off still snaps and picks, whatever the zoom), its
// loads typed into the forms the drawing opens, is the example's file and undoes step by step;
// what follows the pointer; a joint with members asks before it goes.
#include "web/PageDrawing.h"

#include <gtest/gtest.h>

#include <cmath>

#include "reports/JsonReader.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

using stavelorn::testing::FileText;

// The drawing mode's sheet while every point lies within its first ten by six grid cells of 1 m:
// a square of 14 m about (5, 3), the Y axis up, drawn on the picture's 1000 units.
constexpr double kSheetLeft = -2, kSheetTop = 10, kUnitsPerMetre = 1000.0 / 14;

struct Hand {
  Hand(const ModelStore& start, double shownZoom) : zoom(shownZoom) {
    page.Open("drawn.str", FileText(start));
    EXPECT_NE(ParseJson(drawing.SetActive(true)).Find("palette"), nullptr);
  }
  // The pointer at `p`, three screen pixels right of it and two above, as a hand is.
  JsonValue At(const char* phase, Point p) {
    return ParseJson(drawing.Pointer(phase, (p.X - kSheetLeft) * kUnitsPerMetre + 3 / zoom,
                                     (kSheetTop - p.Y) * kUnitsPerMetre - 2 / zoom, zoom));
  }
  JsonValue Click(Point p) {
    At("press", p);
    return At("release", p);
  }
  JsonValue Drag(Point from, Point to) {
    At("press", from);
    At("move", {(from.X + to.X) / 2, (from.Y + to.Y) / 2});
    At("move", to);
    return At("release", to);
  }
  void Tool(DrawTool tool) { drawing.Choose("tool", static_cast<int>(tool)); }
  // Places a load of the tool in hand at `p`, typing `value` into the form the drawing opens.
  void Load(Point p, const std::string& value) {
    EXPECT_EQ(At("press", p)["changed"].text, "true");
    // While its form is open the drawing waits: nothing drawn anew, no key taken.
    EXPECT_EQ(At("release", p).Find("svg"), nullptr);
    EXPECT_EQ(ParseJson(drawing.Key("callOff", false)).Find("svg"), nullptr);
    EXPECT_NE(ParseJson(editing.State())["entry"].kind, JsonValue::Kind::Null);
    editing.TypeField(2, value);
    editing.EntryCommand("ok");
  }

  std::string Text() { return ParseJson(editing.ProjectText(false))["text"].text; }

  double zoom;
  PageSession page;
  PageEditing editing{page};
  PageDrawing drawing{page, editing};
};

int LoadOption(PageDrawing& drawing, MemberLoadKind kind) {
  const JsonValue options = ParseJson(drawing.Palette())["loads"]["options"];
  for (std::size_t i = 0; i < options.items.size(); ++i)
    if (options[i].text == InfoOf(kind).LongName) return static_cast<int>(i);
  return -1;
}

TEST(PageDrawing, APortalDrawnByHandAtAnyZoomIsTheExampleAndUndoesStepByStep) {
  const ModelStore example = testing::ExampleModel("portal-frame");
  ModelStore unbuilt = example;
  unbuilt.JointCount = unbuilt.SupportCount = unbuilt.MemberCount = 0;
  unbuilt.JointLoadCount = unbuilt.MemberLoadCount = 0;
  for (double zoom : {0.35, 1.0, 2.5}) {
    SCOPED_TRACE(zoom);
    Hand hand(unbuilt, zoom);
    hand.Tool(DrawTool::Member);
    const JsonValue pressed = hand.At("press", {0, 0});
    EXPECT_EQ(pressed["changed"].text, "false");
    EXPECT_NE(pressed.Find("svg"), nullptr);
    EXPECT_EQ(hand.At("release", {0, 5})["changed"].text, "true");
    EXPECT_EQ(ParseJson(hand.drawing.Picture())["changed"].text, "false") << "told once";
    hand.drawing.Choose("section", 2);
    hand.Drag({0, 5}, {8, 5});
    hand.drawing.Choose("section", 1);
    hand.Drag({8, 0}, {8, 5});
    hand.Tool(DrawTool::Support);
    hand.drawing.Choose("support", 0);  // fixed
    hand.Click({0, 0});
    hand.drawing.Choose("support", 1);  // pinned
    hand.Click({8, 0});
    hand.Tool(DrawTool::JointLoad);
    hand.Load({0, 5}, "12");
    hand.Tool(DrawTool::MemberLoad);
    hand.drawing.Choose("load", LoadOption(hand.drawing, MemberLoadKind::Concentrated));
    hand.Load({2.2, 5}, "40");  // at the grid point 2 m along
    hand.drawing.Choose("load", LoadOption(hand.drawing, MemberLoadKind::Uniform));
    hand.Load({4, 5}, "25");
    hand.Tool(DrawTool::JointLoad);
    hand.Load({0, 5}, "12");  // its one load edited, the list's question answered
    EXPECT_EQ(hand.Text(), FileText(example));
    for (const char* step :
         {"Undo Member Loads", "Undo Member Loads", "Undo Joint Loads", "Undo Joints",
          "Undo Joints", "Undo Members", "Undo Members", "Undo Members"}) {
      EXPECT_EQ(ParseJson(hand.editing.State())["undo"].text, step);
      hand.editing.Undo();
    }
    EXPECT_EQ(ParseJson(hand.editing.State())["canUndo"].text, "false");
  }
}

TEST(PageDrawing, TheOverlayFollowsThePointerAndAJointWithMembersAsksBeforeItGoes) {
  Hand hand(testing::ExampleModel("portal-frame"), 1);
  // An overlay's line from `a` to `b`, in the picture's units.
  const auto expectLine = [](const JsonValue& line, Point a, Point b) {
    const char* keys[] = {"x1", "y1", "x2", "y2"};
    const double at[] = {a.X - kSheetLeft, kSheetTop - a.Y, b.X - kSheetLeft, kSheetTop - b.Y};
    for (int k = 0; k < 4; ++k)
      EXPECT_NEAR(std::stod(line[keys[k]].text), at[k] * kUnitsPerMetre, 1e-9) << keys[k];
  };
  hand.Tool(DrawTool::Member);
  // Ignored: a press before drawing starts, at no place, or at a zoom of 0 or less.
  EXPECT_EQ((PageDrawing{hand.page, hand.editing}.Pointer("press", 100, 100, 1)), "");
  for (const auto& [x, zoom] : {std::pair{std::nan(""), 1.0}, {100.0, 0.0}, {100.0, -1.0}})
    EXPECT_EQ(ParseJson(hand.drawing.Pointer("press", x, 100, zoom)).Find("svg"), nullptr) << zoom;
  hand.At("press", {0, 5});
  const JsonValue moved = hand.At("move", {4, 2});
  EXPECT_EQ(moved.Find("svg"), nullptr);  // the band alone follows the pointer
  expectLine(moved["overlay"]["band"], {0, 5}, {4, 2});
  EXPECT_EQ(moved["overlay"]["snap"]["kind"].text, "grid");
  EXPECT_EQ(moved["status"].text.rfind("X = 4, Y = 2, grid point", 0), 0u) << moved["status"].text;
  EXPECT_EQ(ParseJson(hand.drawing.Key("callOff", false))["overlay"]["band"].kind,
            JsonValue::Kind::Null);
  hand.At("press", {0, 5});
  hand.drawing.SetActive(true);  // drawing mode chosen again: the member begun is called off
  EXPECT_EQ(hand.At("move", {4, 2})["overlay"]["band"].kind, JsonValue::Kind::Null);
  const std::string drawn = hand.Text();
  hand.drawing.SetActive(false);  // with the mode off the pointer draws nothing
  for (const auto& [phase, p] : {std::pair{"press", Point{0, 5}}, {"release", Point{4, 2}}})
    EXPECT_EQ(hand.drawing.Pointer(phase, (p.X - kSheetLeft) * kUnitsPerMetre,
                                   (kSheetTop - p.Y) * kUnitsPerMetre, hand.zoom),
              "");
  EXPECT_EQ(hand.Text(), drawn);
  hand.drawing.SetActive(true);

  hand.Tool(DrawTool::Select);
  const JsonValue over = hand.At("move", {4, 5});
  EXPECT_EQ(over["overlay"]["hover"]["kind"].text, "member");
  EXPECT_EQ(over["overlay"]["hover"]["number"].text, "2");
  expectLine(over["overlay"]["hover"], {0, 5}, {8, 5});
  expectLine(hand.At("move", {8, 5})["overlay"]["hover"], {8, 5}, {8, 5});  // joint 3
  hand.Click({8, 5});
  EXPECT_NE(
      ParseJson(hand.drawing.Picture())["svg"].text.find("<circle cx=\"714.286\" cy=\"357.143\""),
      std::string::npos);  // the chosen joint's mark
  hand.page.Analyze(false);
  const JsonValue asked = ParseJson(hand.drawing.Key("delete", false));
  EXPECT_NE(asked["question"].kind, JsonValue::Kind::Null);
  EXPECT_EQ(asked["changed"].text, "false");
  EXPECT_EQ(ParseJson(hand.editing.State())["analysed"].text, "true");
  const JsonValue deleted = ParseJson(hand.drawing.Key("delete", true));
  EXPECT_EQ(deleted["changed"].text, "true");
  EXPECT_NE(deleted.Find("svg"), nullptr) << "the structure drawn without the joint";
  const JsonValue after = ParseJson(hand.editing.State());
  EXPECT_EQ(after["undo"].text, "Undo Joints");
  EXPECT_EQ(after["analysed"].text, "false") << "the results no longer describe the data";
}

// Each palette choice is brought within what the project offers: a tool the type cannot use
// gives way to Select, a number to the nearest the project has.
TEST(PageDrawing, EachPaletteChoiceIsBroughtWithinWhatTheProjectOffers) {
  // A frame of two materials and two sections; a truss, whose members take no loads.
  for (const ModelStore& model :
       {testing::FullModel("PFrame"), testing::ExampleModel("roof-truss")}) {
    SCOPED_TRACE(model.StructType);
    Hand hand(model, 1);
    const JsonValue palette = ParseJson(hand.drawing.Palette());
    for (const JsonValue& tool : palette["tools"].items) {
      const JsonValue chosen =
          ParseJson(hand.drawing.Choose("tool", std::stod(tool["tool"].text)))["palette"];
      for (const JsonValue& shown : chosen["tools"].items)
        EXPECT_EQ(shown["chosen"].text == "true", tool["enabled"].text == "true"
                                                      ? shown["tool"].text == tool["tool"].text
                                                      : shown["caption"].text == "Select")
            << tool["caption"].text << " shows " << shown["caption"].text;
    }
    const int loads = static_cast<int>(palette["loads"]["options"].items.size());
    for (int load = 0; load < loads; ++load)
      EXPECT_EQ(ParseJson(hand.drawing.Choose("load", load))["palette"]["loads"]["selected"].text,
                std::to_string(load));
    const std::string supports = std::to_string(palette["supports"]["options"].items.size() - 1);
    const struct {
      const char* Control;
      const char* Group;
      const char* Key;
      double Value;
      std::string Shown;
    } choices[] = {
        {"support", "supports", "selected", -3, "0"},
        {"support", "supports", "selected", 99, supports},
        {"load", "loads", "selected", 99, std::to_string(std::max(loads - 1, 0))},
        {"material", "material", "value", 0, "1"},
        {"material", "material", "value", 99, palette["material"]["most"].text},
        {"section", "section", "value", 99, palette["section"]["most"].text},
        {"section", "section", "value", std::nan(""), "1"},
        {"grid", "grid", "value", -1, "0"},
        {"grid", "grid", "value", 0.5, "0.5"},
        {"live", "live", "on", 1, "true"},
    };
    for (const auto& c : choices) {
      SCOPED_TRACE(std::string(c.Control) + " " + std::to_string(c.Value));
      const JsonValue chosen = ParseJson(hand.drawing.Choose(c.Control, c.Value));
      EXPECT_EQ(chosen["palette"][c.Group][c.Key].text, c.Shown);
      EXPECT_NE(chosen.Find("svg"), nullptr);
    }
  }
}

}  // namespace
}  // namespace stavelorn
