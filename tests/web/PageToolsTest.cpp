// Check My Work, the influence lines and the precision as the page gets them: every quantity's
// answer typed back is judged right and a pasted block fills the grid; a simple beam's influence
// lines against their closed forms; the offer of double precision once per project; and what
// every page object does with calls that make no sense.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "analysis/GeneratedStructures.h"
#include "reports/JsonReader.h"
#include "support/SampleModels.h"
#include "web/PageCheckWork.h"
#include "web/PageDrawing.h"
#include "web/PageInfluence.h"
#include "web/PageLoadCases.h"
#include "web/PageMovingLoad.h"
#include "web/PagePrecision.h"
#include "web/PagePrint.h"
#include "web/PageStability.h"

namespace stavelorn {
namespace {

const JsonValue& Cell(const JsonValue& state, int row, int col) {
  return state["cells"][static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

TEST(PageCheckWork, EveryQuantitysAnswerTypedBackIsRightBeforeAndAfterAnalyze) {
  for (const bool analysed : {false, true}) {
    PageSession page;
    PageCheckWork work(page);
    EXPECT_EQ(ParseJson(work.Command())["offered"].text, "false");
    page.Open("portal-frame.str", testing::ExampleText("portal-frame"));
    if (analysed) page.Analyze(false);
    EXPECT_EQ(ParseJson(work.Command())["offered"].text, "true");
    const std::size_t quantities = ParseJson(work.Open())["quantities"].items.size();
    ASSERT_GT(quantities, 10u);
    for (std::size_t q = 0; q < quantities; ++q) {
      const JsonValue shown = ParseJson(work.Choose(static_cast<int>(q), 3));  // the last member
      SCOPED_TRACE(shown["grid"].text);
      EXPECT_EQ(shown["quantity"].text, std::to_string(q));
      const JsonValue answer = ParseJson(work.ShowAnswer());
      int cells = 0;
      for (std::size_t r = 0; r < answer["rows"].items.size(); ++r)
        for (std::size_t c = 0; c < answer["columns"].items.size(); ++c, ++cells)
          work.Type(static_cast<int>(r), static_cast<int>(c), answer["cells"][r][c]["answer"].text);
      const JsonValue checked = ParseJson(work.Check());
      EXPECT_EQ(checked["summary"].text,
                std::to_string(cells) + (cells == 1 ? " entry" : " entries") +
                    " checked: " + std::to_string(cells) + " right, 0 wrong.");
      EXPECT_EQ(Cell(checked, 0, 0)["mark"].text, "right");
    }
  }
}

// A spreadsheet's block fills the grid from the cell pasted into; other text is typed into it.
TEST(PageCheckWork, APastedBlockFillsFromItsCellAndOtherTextIsTypedThere) {
  PageSession page;
  page.Open("portal-frame.str", testing::ExampleText("portal-frame"));
  PageCheckWork work(page);
  EXPECT_EQ(work.Paste(0, 0, "1", "1"), "") << "before the window opens";
  const JsonValue opened = ParseJson(work.Open());
  std::size_t global = 0;
  while (opened["quantities"][global].text.rfind("[K]", 0) != 0) ++global;
  work.Choose(static_cast<int>(global), 1);
  JsonValue pasted = ParseJson(work.Paste(4, 4, "1\t2\n3\t4\t5\n6", ""));
  EXPECT_EQ(Cell(pasted, 5, 5)["text"].text, "4");
  pasted = ParseJson(work.Paste(0, 0, "7", "17"));
  EXPECT_EQ(Cell(pasted, 0, 0)["text"].text, "17");
}

TEST(PageCheckWork, AModelTheChecksRefuseIsNamed) {
  ModelStore broken = testing::ModelFromText(testing::ExampleText("portal-frame"));
  broken.MemberProps(2, 2) = 2;
  PageSession page;
  page.Open("broken.str", testing::FileText(broken));
  const JsonValue opened = ParseJson(PageCheckWork(page).Open());
  const std::string& text = opened["refusal"]["text"].text;
  EXPECT_NE(text.find("Member 2"), std::string::npos) << text;
}

// A simple beam of span 10: each line against its closed form at every station.
TEST(PageInfluence, ASimpleBeamsLinesAreTheirClosedForms) {
  const std::string beam =
      "\"Simple beam\"\r\n\"Beam\"\r\n\"Joints\",2\r\n0\r\n10\r\n\"Supports\",2\r\n1,1,0\r\n"
      "2,1,0\r\n\"Materials\",1\r\n2E+08,1.2E-05\r\n\"Cross-Sections\",1\r\n0.0005\r\n"
      "\"Members\",1\r\n1,2,1,1\r\n\"Member Loads\",1\r\n1,3,20,0,0,0\r\n";
  PageSession page;
  page.Open("beam.str", beam);
  PageInfluence influence(page);
  EXPECT_EQ(influence.Open(), "") << "nothing to study before an analysis";
  page.Analyze(false);
  ParseJson(influence.Open());
  struct Line {
    const char* What;
    std::function<std::string()> Choose;
    std::function<double(double)> Ordinate;
    const char* Section;  // "" for a reaction
  };
  const Line lines[] = {
      {"reaction at joint 1", [&] { return influence.State(); },
       [](double x) { return 1 - x / 10; }, ""},
      {"reaction at joint 2 by a click", [&] { return influence.ClickJoint(2); },
       [](double x) { return x / 10; }, ""},
      {"M at x = 4", [&] { return influence.ClickMember(1, 0.4); },
       [](double x) { return x < 4 ? x * 0.6 : 4 * (10 - x) / 10; }, "4"},
      {"a reaction from the list", [&] { return influence.ChooseKind(0); },
       [](double x) { return 1 - x / 10; }, ""},
  };
  for (const Line& line : lines) {
    SCOPED_TRACE(line.What);
    const JsonValue state = ParseJson(line.Choose());
    EXPECT_EQ(state["problem"].text, "");
    EXPECT_NE(state["svg"].text.find("<line"), std::string::npos);
    EXPECT_FALSE(state["principle"].text.empty());
    EXPECT_EQ(state["sectionShown"].text, *line.Section ? "true" : "false");
    if (*line.Section) {
      EXPECT_EQ(state["section"].text, line.Section);
    }
    const JsonValue& cells = state["table"]["cells"];
    ASSERT_GT(cells.items.size(), 10u);
    for (std::size_t r = 1; r < cells.items.size(); ++r) {
      const double x = std::stod(cells[r][1].text);
      EXPECT_NEAR(std::stod(cells[r][3].text), line.Ordinate(x), 1e-4) << "x = " << x;
    }
  }
  EXPECT_EQ(ParseJson(influence.State())["itemLabel"].text, "Joint:");
  EXPECT_EQ(ParseJson(influence.ChooseControls(9, 0, ""))["problem"].text.empty(), false);
}

// A path picked by clicks carries the line on those members alone; Default Path puts the window
// back as it opened, and a click then picks a section again.
TEST(PageInfluence, APickedPathCarriesTheLineUntilDefaultPath) {
  PageSession page;
  page.Open("beam.str", testing::ExampleText("continuous-beam"));
  page.Analyze(false);
  PageInfluence influence(page);
  const std::string opened = influence.Open();
  EXPECT_EQ(ParseJson(influence.PickPath(true))["pickingPath"].text, "true");
  influence.ClickMember(3, 0.5);
  influence.ClickMember(2, 0.5);
  const JsonValue picked = ParseJson(influence.ClickMember(3, 0.5));
  EXPECT_EQ(picked["path"].text, " 2");
  EXPECT_EQ(picked["sectionShown"].text, "false");
  const JsonValue& cells = picked["table"]["cells"];
  for (std::size_t r = 1; r < cells.items.size(); ++r) EXPECT_EQ(cells[r][0].text, "2") << r;
  EXPECT_EQ(influence.DefaultPath(), opened);
  EXPECT_EQ(ParseJson(influence.ClickMember(2, 0.5))["sectionShown"].text, "true");
}

TEST(PagePrecision, TheKeptSettingAndTheOfferOncePerProject) {
  PageSession page;
  PagePrecision precision(page);
  EXPECT_EQ(ParseJson(precision.Restore("double"))["double"].text, "true");
  EXPECT_EQ(ParseJson(precision.Restore("written by hand"))["chosen"].text, "single");
  EXPECT_EQ(ParseJson(precision.Choose("nonsense"))["chosen"].text, "single");
  ModelStore frame = PlaneFrameGrid(9, 10);  // 300 unknowns; a freed base rotation makes 301
  struct Run {
    int Unknowns;
    const char* Setting;
    bool Offered;
    bool Yes;  // the offer's answer
  };
  for (const Run& run : {Run{300, "single", false, false}, Run{301, "double", false, false},
                         Run{301, "single", true, false}, Run{301, "single", true, true}}) {
    SCOPED_TRACE(run.Unknowns);
    frame.Supports(1, 4) = run.Unknowns == 301 ? 0 : 1;
    precision.Choose(run.Setting);
    page.Open("frame.str", testing::FileText(frame));
    page.Analyze(ParseJson(precision.Form())["double"].text == "true");
    const JsonValue offer = ParseJson(precision.Offer());
    ASSERT_EQ(offer.kind == JsonValue::Kind::Object, run.Offered);
    if (!run.Offered) continue;
    EXPECT_NE(offer["text"].text.find("301 unknowns"), std::string::npos);
    EXPECT_EQ(ParseJson(precision.AnswerOffer(run.Yes))["chosen"].text,
              run.Yes ? "double" : "single");
    EXPECT_EQ(precision.Offer(), "null") << "made once per project";
  }
}

// Whatever the page's script sends: calls with indices out of range, numbers that are not finite
// and names of nothing, on a blank page and on an analysed frame being drawn with the joint tool
// while its tool windows are open, answer JSON (or nothing) and change neither the project nor
// what those windows show.
TEST(PageTools, NonsenseReachesNeitherTheProjectNorItsWindows) {
  constexpr int kFar = 9999;
  const double kNaN = std::nan("");
  const std::vector<std::string> none, junk = {"x", "y"}, train = {"10", "0"};
  PageSession page;
  PageEditing editing(page);
  PageDrawing drawing(page, editing);
  PageCheckWork work(page);
  PageInfluence influence(page);
  PagePrecision precision(page);
  PageStability stability(page);
  PageMovingLoad moving(page);
  PageLoadCases cases(page, editing);
  PagePrint print(page);
  const auto shown = [&] { return editing.ProjectText(false) + work.State() + influence.State(); };
  for (const bool open : {false, true}) {
    if (open) {
      page.Open("portal-frame.str", testing::ExampleText("portal-frame"));
      page.Analyze(false);
      drawing.SetActive(true);
      drawing.Choose("tool", static_cast<int>(DrawTool::Joint));
      work.Open(), influence.Open();
    }
    const std::string before = shown();
    std::vector<std::string> answers;
    answers.insert(answers.end(),
                   {page.ChooseShown(kFar), page.EnterMultiplier("x"), page.PickText("joint", -1),
                    page.PickText("member", kFar), editing.ShowCase(-1), editing.ShowCase(kFar),
                    editing.OpenList("nothing"), editing.Choose(kFar),
                    editing.ListCommand("nothing", -1, kFar, true), editing.TypeField(-1, "x"),
                    editing.TypeField(kFar, "x"), editing.ClickCheck(-1, true),
                    editing.ClickSpring(kFar, true), editing.TypeStiffness(kFar, "1"),
                    editing.Choose(-1), editing.EntryCommand("ok"), editing.EntryCommand("next"),
                    editing.ChangeUnits(true, -1, kFar, -1, "convert"), work.Choose(-1, -1)});
    answers.insert(
        answers.end(),
        {work.Choose(kFar, kFar), work.Type(-1, -1, "1"), work.Type(kFar, kFar, "1"),
         work.Paste(kFar, -1, "1\t2", "x"), work.Choose(0, kFar), work.Choose(kFar, 1),
         work.Type(kFar, 1, "1"), influence.ChooseKind(-1), influence.ChooseKind(kFar),
         influence.ClickJoint(-1), influence.ClickJoint(kFar), influence.ClickMember(kFar, 0.5),
         influence.ClickMember(1, kNaN), precision.Restore("x"), stability.ChooseOptions(none),
         stability.ChooseOptions(junk), stability.BucklingModePicture(-1), moving.Form(-1)});
    answers.insert(
        answers.end(),
        {moving.Form(kFar), moving.Preset(kFar), moving.Place(kFar, "Mz", "1", train, "", 0),
         moving.Place(1, "nothing", "x", junk, "x", kFar), moving.Envelope(-1, "Mz", train, "", -1),
         cases.Command("nothing", -1, "", true), cases.Command("DownB", kFar, "", true),
         cases.Command("DeleteB", kFar, "", true), print.Pages("x"), drawing.Choose("nothing", 1),
         drawing.Choose("tool", kFar), drawing.Choose("load", -1), drawing.Choose("section", kNaN),
         drawing.Pointer("press", kNaN, 100, 1), drawing.Pointer("release", 500, 500, -1),
         drawing.Pointer("press", 500, 500, 0), drawing.Pointer("release", 500, 500, 0),
         drawing.Key("nothing", true)});
    for (const std::string& answer : answers)
      EXPECT_NO_THROW(answer.empty() || ParseJson(answer).kind != JsonValue::Kind::Null) << answer;
    EXPECT_EQ(shown(), before) << (open ? "the frame" : "the blank page");
  }
}

}  // namespace
}  // namespace stavelorn
