// The batch tool's options as its users read them: the help, as the tool printed it before its
// options were a table, and the man page and the README, which must name every option. Then
// grading a class: twelve answers files against two variants of the roof truss and a key of five
// quantities give the gradebook worked out by hand (golden/gradebook.csv), the summary counts each
// slip once per student, and no feedback file shows a value.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>

#include "analysis/AnalysisRun.h"
#include "cli/BatchOptionTable.h"
#include "cli/ToolRun.h"
#include "model/NumberText.h"
#include "reports/AnswerKey.h"
#include "reports/JsonReader.h"
#include "support/Golden.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

// Whether `text` holds `option` as a whole word: "--diagram" is not found in "--diagrams".
bool Names(const std::string& text, const std::string& option) {
  for (std::size_t at = text.find(option); at != std::string::npos;
       at = text.find(option, at + 1)) {
    const std::size_t after = at + option.size();
    if (after == text.size() ||
        !(std::isalnum(static_cast<unsigned char>(text[after])) || text[after] == '-'))
      return true;
  }
  return false;
}

TEST(BatchOptionTable, UsageAndHelpReadAsCheckedByEye) {
  testing::ExpectGoldenFile(BatchUsageText() + BatchHelpText(), "tests/cli/golden/help.txt");
}

TEST(BatchOptionTable, TheManPageAndTheReadmeNameEveryOption) {
  const std::string readme = testing::ReadWholeFile(testing::SourcePath("README.md"));
  const std::size_t section = readme.find("## The batch tool");
  ASSERT_NE(section, std::string::npos);
  const std::string paragraph = readme.substr(section, readme.find("\n## ", section) - section);
  // roff writes each hyphen of an option as "\-".
  std::string manPage =
      testing::ReadWholeFile(testing::SourcePath("packaging/stavelorn-report.1.in"));
  for (std::size_t at; (at = manPage.find("\\-")) != std::string::npos;) manPage.erase(at, 1);
  for (const BatchOptionRow& row : BatchOptionRows()) {
    EXPECT_TRUE(Names(paragraph, row.name)) << "the README's batch tool lacks " << row.name;
    EXPECT_TRUE(Names(manPage, row.name)) << "the man page lacks " << row.name;
  }
}

namespace fs = std::filesystem;
using testing::RunTool;

// What the key asks: L of members 1 and 5 (5 is inclined), [k] of member 5, {d}, the reactions.
// 1 + 1 + 16 + 13 + 4 = 35 entries on the roof truss.
const std::pair<AnswerQuantity, int> kAsked[] = {{AnswerQuantity::L, 1},
                                                 {AnswerQuantity::L, 5},
                                                 {AnswerQuantity::k, 5},
                                                 {AnswerQuantity::d, 0},
                                                 {AnswerQuantity::Reactions, 0}};

using Values = std::vector<std::optional<double>>;

// One item of an answers file, its values in the quantity's shape ("null" for an empty one).
std::string Item(const AnswerKey& key, AnswerQuantity q, int member, const Values& values) {
  const AnswerGrid grid = key.Expected(q, member);
  auto entry = [&](int i) {
    const auto& v = values[static_cast<std::size_t>(i)];
    return v ? RoundTripText(*v) : std::string("null");
  };
  std::string text;
  if (grid.Shape == AnswerShape::Scalar) text = entry(0);
  for (int r = 0; grid.Shape != AnswerShape::Scalar && r < grid.Rows; ++r) {
    text += r ? ", " : "[";
    for (int c = 0; c < grid.Cols; ++c)
      text += (c ? ", " : grid.Shape == AnswerShape::Matrix ? "[" : "") + entry(r * grid.Cols + c);
    text += grid.Shape == AnswerShape::Matrix ? "]" : "";
  }
  if (grid.Shape != AnswerShape::Scalar) text += "]";
  return "{\"quantity\": \"" + std::string(InfoOf(q).Name) + "\"" +
         (member ? ", \"member\": " + std::to_string(member) : "") + ", \"values\": " + text + "}";
}

Values Exact(const AnswerKey& key, AnswerQuantity q, int member) {
  const AnswerGrid grid = key.Expected(q, member);
  return Values(grid.Values.begin(), grid.Values.end());
}

struct Variant {
  ModelStore model;
  AnswerKey key;
};

Variant VariantOf(const std::string& text) {
  ModelStore model = testing::ModelFromText(text);
  const AnalysisRun run = CheckAndAnalyze(model);
  return {model, KeyOfAnalysis(model, run)};
}

// An answers file for `project`: the key's own values of every asked quantity, each passed
// through `change` (which may drop it by returning "", or add items after it).
template <typename Change>
std::string AnswersFile(const std::string& project, const AnswerKey& key, Change change) {
  std::string items;
  for (const auto& [q, member] : kAsked) {
    const std::string item = change(q, member, Exact(key, q, member));
    if (!item.empty()) items += (items.empty() ? "\n" : ",\n") + item;
  }
  return "{\"project\": \"" + project + "\", \"answers\": [" + items + "]}";
}

fs::path ClassFolder() {
  const fs::path dir =
      fs::temp_directory_path() / ("stavelorn-grade-" + std::to_string(getpid()) + "-" +
                                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
  fs::remove_all(dir);
  fs::create_directories(dir / "answers");
  fs::create_directories(dir / "variants");
  return dir;
}

void Write(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

TEST(GradeBatch, TwelveAnswersFilesGiveTheGradebookWorkedOutByHand) {
  const fs::path dir = ClassFolder();
  const std::string truss = testing::ExampleText("roof-truss");
  std::string raised = truss;  // joint 6 raised: member 5 longer and steeper
  raised.replace(raised.find("\n3,1.5"), 6, "\n3,2");
  const Variant one = VariantOf(truss), two = VariantOf(raised);
  Write(dir / "variants" / "truss-01.str", truss);
  Write(dir / "variants" / "truss-02.str", raised);
  // Each key's own values, as the key and a right student give them.
  const auto right = [](const AnswerKey& key) {
    return [&key](AnswerQuantity q, int m, Values v) { return Item(key, q, m, v); };
  };
  Write(dir / "variants" / "key.json",
        "{\"variants\": [\n" + AnswersFile("truss-01.str", one.key, right(one.key)) + ",\n" +
            AnswersFile("truss-02.str", two.key, right(two.key)) + "]}");

  using Q = AnswerQuantity;
  const AnswerKey& k1 = one.key;
  auto student = [&](const std::string& name, auto change) {
    Write(dir / "answers" / (name + ".json"), AnswersFile("truss-01.str", k1, change));
  };
  // Right, with L of member 2 wrong: the key does not ask for it.
  student("ada", [&](Q q, int m, Values v) {
    return Item(k1, q, m, v) + (m == 1 ? ",\n" + Item(k1, Q::L, 2, {999.0}) : "");
  });
  student("ben", [&](Q q, int m, Values v) {  // EA/L of member 5 with its sign changed
    if (q == Q::k) v[0] = -*v[0];
    return Item(k1, q, m, v);
  });
  // L of member 1 in millimetres, L of member 5 negative: one slip each, the first in the
  // slips' order is the one the gradebook names.
  student("cat", [&](Q q, int m, Values v) {
    if (q == Q::L) v[0] = m == 1 ? *v[0] * 1000 : -*v[0];
    return Item(k1, q, m, v);
  });
  student("dan", [&](Q q, int m, Values v) {  // [K] given for [k]: all 16 entries wrong
    return Item(k1, q, m, q == Q::k ? Exact(k1, Q::K, 5) : v);
  });
  student("eve", [&](Q q, int m, Values v) {  // {d} left blank: 13 entries not answered
    return Item(k1, q, m, q == Q::d ? Values(v.size()) : v);
  });
  student("fay", [&](Q q, int m, Values v) {  // no reactions: 4 entries not answered
    return q == Q::Reactions ? "" : Item(k1, q, m, v);
  });
  student("gus", [&](Q q, int m, Values v) {  // L of member 1 again, wrong: only the first counts
    return Item(k1, q, m, v) + (q == Q::L && m == 1 ? ",\n" + Item(k1, Q::L, 1, {1.0}) : "");
  });
  student("hal", [&](Q q, int m, Values v) {  // [k] of three rows: skipped, 16 not answered
    std::string item = Item(k1, q, m, v);
    if (q == Q::k) item.erase(item.rfind(", ["), item.rfind("]]") - item.rfind(", [") + 1);
    return item;
  });
  student("kim", [&](Q q, int m, Values v) {  // d1 and d2 exchanged
    if (q == Q::d) std::swap(v[0], v[1]);
    return Item(k1, q, m, v);
  });
  Write(dir / "answers" / "ivy.json", "{\"project\": \"truss-01.str\", \"answers\": [");
  Write(dir / "answers" / "jon.json", AnswersFile("truss-09.str", k1, right(k1)));
  Write(dir / "answers" / "lee.json", AnswersFile("truss-02.str", two.key, right(two.key)));
  Write(dir / "answers" / "notes.txt", "not an answers file");

  const std::string answers = (dir / "answers").string(), variants = (dir / "variants").string();
  const auto run =
      RunTool({"--grade", answers, variants, "--summary", (dir / "summary.csv").string(),
               "--feedback", (dir / "feedback").string()});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  // The gradebook worked out by hand from the students above (compared as it stands, never
  // rewritten by a golden-file update).
  EXPECT_EQ(run.out, testing::ReadWholeFile(testing::SourcePath("tests/cli/golden/gradebook.csv")));

  // Each slip once per student who made it; [k]'s first entry is wrong for ben, dan and hal, {d}'s
  // first two for eve and kim; each quantity's share of the ten judged students wholly right.
  const std::string summary = testing::ReadWholeFile((dir / "summary.csv").string());
  EXPECT_EQ(summary.substr(0, summary.find("\n\n") + 2),
            "slip,students\ntransposed,0\nsign,2\nlocal-global,1\nrelease-ignored,0\nunits,1\n"
            "swapped-coordinates,1\n\n");
  EXPECT_NE(summary.find("\n\nentry,wrong\nk:5 row 1 column 1,3\nk:5 row 1 column 2,2\n"),
            std::string::npos);
  EXPECT_NE(summary.find("\nd row 2,2\nL:1,1\nL:5,1\nd row 3,1\n"), std::string::npos);
  EXPECT_EQ(summary.substr(summary.find("quantity,right")),
            "quantity,right\nL:1,90.0\nL:5,90.0\nk:5,70.0\nd,80.0\nreactions,90.0\n");

  // Every student has feedback, which shows no value: only whether each is right, and hints.
  int files = 0;
  for (const auto& entry : fs::directory_iterator(dir / "feedback")) {
    ++files;
    const JsonValue json = ParseJson(testing::ReadWholeFile(entry.path().string()));
    EXPECT_EQ(json["student"].text + ".json", entry.path().filename().string());
    for (const JsonValue& item : json["items"].items)
      EXPECT_TRUE(!item.Find("expected") && !item.Find("given")) << entry.path();
  }
  EXPECT_EQ(files, 12);
  // Ben's [k] is wrong by its sign, his {d} right (the verdicts' words are the answer checks').
  const JsonValue ben = ParseJson(testing::ReadWholeFile((dir / "feedback" / "ben.json").string()));
  EXPECT_EQ(ben["quantities"][2]["allRight"].text, "false");
  EXPECT_EQ(ben["quantities"][3]["allRight"].text, "true");
  EXPECT_EQ(ben["items"][2]["slip"].text, "sign");

  // --only overrides the key: ada's L of member 2 is now judged.
  const auto only = RunTool({"--grade", answers, variants, "--only", "L:1,L:2"});
  EXPECT_NE(only.out.find("\nada,truss-01.str,2,1,50.0,,\n"), std::string::npos) << only.out;
  // Outputs never replace what is there: the summary and the feedback folder now exist.
  const auto again =
      RunTool({"--grade", answers, variants, "--summary", (dir / "summary.csv").string()});
  EXPECT_EQ(again.status, 74);
  EXPECT_EQ(again.out, "");
  EXPECT_EQ(RunTool({"--grade", answers, variants, "--feedback", answers}).status, 74);
  EXPECT_EQ(RunTool({"--grade", answers, (dir / "none").string()}).status, 2);
  for (const auto& [answersList, says] :
       {std::pair{"", "variant 1 has no \"answers\" list"},
        {", \"answers\": [{\"quantity\": \"X\"}]", "1 names no known \"quantity\""},
        {", \"answers\": [{\"quantity\": \"k\", \"member\": \"5\"}]", "1 has no \"member\" number"},
        {", \"answers\": [{\"quantity\": \"k\"}]", "1 has no \"member\" number"}}) {
    Write(dir / "variants" / "key.json",
          "{\"variants\": [{\"project\": \"truss-01.str\"" + std::string(answersList) + "}]}");
    const auto badKey = RunTool({"--grade", answers, variants});
    EXPECT_EQ(badKey.status, 2);
    EXPECT_NE(badKey.err.find(says), std::string::npos) << badKey.err;
  }
  // Without a key, what each file gives is judged: ada's wrong L of member 2 too.
  fs::remove(dir / "variants" / "key.json");
  const auto unkeyed = RunTool({"--grade", answers, variants});
  EXPECT_NE(unkeyed.out.find("\nada,truss-01.str,36,35,97.2,,\n"), std::string::npos)
      << unkeyed.out;
  fs::remove_all(dir);
}

}  // namespace
}  // namespace stavelorn
