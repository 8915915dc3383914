// A moving load in the page against the batch tool: every preset's greatest and least effect at a
// section and its envelope along the member are --train's and --envelope's, and a train, lane
// load or section the panel cannot take is refused with the desktop's words.
#include "web/PageMovingLoad.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "cli/ToolRun.h"
#include "reports/JsonReader.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

const char kBeam[] = "examples/continuous-beam.str";

void ExpectShownNear(const std::string& shown, double expected) {
  EXPECT_NEAR(std::stod(shown), expected, 1e-6 * std::abs(expected) + 1e-9) << shown;
}

// The number after `what` in the line, as the panel writes "Greatest 261.9: first load at ...".
double NumberAfter(const std::string& line, const std::string& what) {
  return std::stod(line.substr(line.find(what) + what.size()));
}

struct Train {
  std::vector<std::string> cells;
  std::string lane;
  std::string text;  // as --train writes it
};

Train PresetTrain(const PageMovingLoad& moving, int index) {
  const JsonValue preset = ParseJson(moving.Preset(index));
  Train train{{}, preset["lane"].text, ""};
  for (const JsonValue& row : preset["rows"].items) {
    train.cells.push_back(row[0].text);
    train.cells.push_back(row[1].text);
    train.text += (train.text.empty() ? "" : ",") + row[0].text + "@" + row[1].text;
  }
  return train;
}

TEST(PageMovingLoad, EveryPresetGivesTheBatchToolsExtremesAndEnvelope) {
  PageSession page;
  PageMovingLoad moving(page);
  page.Open("beam.str", testing::ReadWholeFile(testing::SourcePath(kBeam)));
  EXPECT_EQ(moving.Form(2), "") << "before an analysis";
  page.Analyze(false);
  const JsonValue form = ParseJson(moving.Form(2));
  EXPECT_EQ(form["x"].text, "5") << "the middle of the 10 m span";
  const std::size_t presets = form["trains"].items.size() - 1;
  ASSERT_GE(presets, 2u);
  EXPECT_EQ(moving.Preset(0), "");
  EXPECT_EQ(moving.Preset(static_cast<int>(presets) + 1), "");
  for (int index = 1; index <= static_cast<int>(presets); ++index) {
    SCOPED_TRACE(form["trains"][static_cast<std::size_t>(index)].text);
    const Train train = PresetTrain(moving, index);
    std::vector<std::string> args{"--json", "--influence", "internal:2:5:M", "--envelope"};
    if (!train.text.empty()) args.insert(args.end(), {"--train", train.text});
    if (!train.lane.empty()) args.insert(args.end(), {"--lane", train.lane});
    args.push_back(testing::SourcePath(kBeam));
    const JsonValue tool = ParseJson(testing::RunTool(args).out)["influence"];

    const JsonValue placed = ParseJson(moving.Place(2, "M", "5", train.cells, train.lane, 0));
    ASSERT_EQ(placed["problem"].text, "");
    EXPECT_NEAR(NumberAfter(placed["lines"][1].text, "Greatest "),
                tool["movingLoad"]["max"]["value"].Number(), 1e-4);
    EXPECT_NEAR(NumberAfter(placed["lines"][2].text, "Least "),
                tool["movingLoad"]["min"]["value"].Number(), 1e-4);
    EXPECT_NE(placed["svg"].text.find("<svg"), std::string::npos);

    const JsonValue envelope = ParseJson(moving.Envelope(2, "M", train.cells, train.lane, 0));
    ASSERT_EQ(envelope["problem"].text, "");
    const JsonValue& rows = envelope["table"]["cells"];
    const JsonValue& stations = tool["envelope"]["stations"];
    ASSERT_EQ(rows.items.size(), stations.items.size() + 1);
    const std::string& copy = envelope["table"]["copy"].text;
    EXPECT_EQ(std::count(copy.begin(), copy.end(), '\n'),
              static_cast<std::ptrdiff_t>(rows.items.size()));
    EXPECT_EQ(copy.substr(0, copy.find('\n')), "x\tmax\tfirst load at\tmin\tfirst load at");
    for (std::size_t s = 0; s < stations.items.size(); ++s) {
      ExpectShownNear(rows[s + 1][0].text, stations[s]["x"].Number());
      ExpectShownNear(rows[s + 1][1].text, stations[s]["max"].Number());
      ExpectShownNear(rows[s + 1][3].text, stations[s]["min"].Number());
    }
  }
}

TEST(PageMovingLoad, RefusesWhatThePanelCannotTakeNamingIt) {
  PageSession page;
  PageMovingLoad moving(page);
  page.Open("beam.str", testing::ReadWholeFile(testing::SourcePath(kBeam)));
  page.Analyze(false);
  const struct {
    std::vector<std::string> cells;
    const char* lane;
    int direction;
    const char* quantity;
    const char* x;
    const char* named;
  } entries[] = {
      {{"10", "0", "20", "far"}, "", 0, "M", "5", "Row 2"},
      {{"10", "0"}, "", 0, "M", "middle", "section"},
      {{"10", "0"}, "", 0, "M", "99", "99"},
      {{"10", "0"}, "", 3, "M", "5", "direction"},
      {{"10", "0"}, "", 0, "Q", "5", "\"Q\""},
  };
  for (const auto& e : entries) {
    SCOPED_TRACE(e.named);
    const std::string problem =
        ParseJson(moving.Place(2, e.quantity, e.x, e.cells, e.lane, e.direction))["problem"].text;
    EXPECT_NE(problem.find(e.named), std::string::npos) << problem;
    // The envelope takes no section; the train and the quantity it refuses alike.
    if (std::string(e.x) == "5") {
      EXPECT_EQ(
          ParseJson(moving.Envelope(2, e.quantity, e.cells, e.lane, e.direction))["problem"].text,
          problem);
    }
  }
  EXPECT_EQ(moving.Form(4), "") << "no such member";
  EXPECT_NE(ParseJson(moving.Envelope(9, "M", {"10", "0"}, "", 0))["problem"].text, "");
}

// The influence line is the structure's: "Show:" on a combination or the envelope changes nothing.
TEST(PageMovingLoad, TheTrainTravelsOverTheAnalysedStructureWhateverShowShows) {
  PageSession page;
  PageMovingLoad moving(page);
  page.Open("cases.str", testing::kThreeCaseFrame);
  const std::size_t choices = ParseJson(page.Analyze(false))["shown"].items.size();
  const std::string placed = moving.Place(2, "M", "4", {"10", "0", "10", "2"}, "1", 0);
  EXPECT_EQ(ParseJson(placed)["problem"].text, "");
  for (int choice : {3, static_cast<int>(choices) - 1}) {
    page.ChooseShown(choice);
    EXPECT_EQ(moving.Place(2, "M", "4", {"10", "0", "10", "2"}, "1", 0), placed) << choice;
  }
}

}  // namespace
}  // namespace stavelorn
