// Checking a student's work: answers taken from the trail's own JSON are all right, each common
// slip planted in one entry of an inclined member is named, the tolerance holds at its edges,
// and malformed answers files are refused naming the item.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <set>
#include <sstream>
#include <utility>
#include <vector>

#include "analysis/AnalysisRun.h"
#include "analysis/EquilibriumCheck.h"
#include "cli/ToolRun.h"
#include "model/ExitStatus.h"
#include "reports/AnswerJudge.h"
#include "reports/JsonReader.h"
#include "reports/ResultsJson.h"
#include "support/Golden.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

using namespace testing;

using Grid = std::vector<std::vector<double>>;

std::string Json(const Grid& g, bool vector) {
  std::ostringstream out;
  out.precision(17);
  out << "[";
  for (std::size_t r = 0; r < g.size(); ++r) {
    out << (r ? ", " : "") << (vector ? "" : "[");
    for (std::size_t c = 0; c < g[r].size(); ++c) out << (c ? ", " : "") << g[r][c];
    out << (vector ? "" : "]");
  }
  return out.str() + "]";
}

Grid FromJson(const JsonValue& v) {
  Grid g;
  for (const JsonValue& row : v.items) {
    g.emplace_back();
    if (row.kind == JsonValue::Kind::Array)
      for (const JsonValue& x : row.items) g.back().push_back(x.Number());
    else
      g.back().push_back(row.Number());
  }
  return g;
}

// The trail's JSON of a model, the independent record the answers are taken from.
JsonValue TrailOf(const std::string& project) {
  ModelStore model = ModelFromText(project);
  AnalysisRun run = CheckAndAnalyze(model);
  return ParseJson(ResultsJson(model, run.Results, run.UsedDoublePrecision, run.AccuracyNote,
                               run.Trail.get(), false));
}

struct Checked {
  JsonValue json;
  int status;
  std::string err;
};

// The batch tool's verdicts on `answers` for `project`, both written to files as a class would.
Checked CheckFiles(const std::string& project, const std::string& answers,
                   const std::vector<std::string>& options = {}) {
  std::vector<std::string> args = {"--check", ScratchFile("a.json", answers),
                                   ScratchFile("p.str", project)};
  args.insert(args.end(), options.begin(), options.end());
  const ToolRun run = RunTool(args);
  return {run.out.empty() ? JsonValue{} : ParseJson(run.out), run.status, run.err};
}

std::string Item(const std::string& quantity, int member, const std::string& values) {
  return "{\"quantity\": \"" + quantity + "\"" +
         (member ? ", \"member\": " + std::to_string(member) : std::string()) +
         ", \"values\": " + values + "}";
}

// Every quantity of every member and of the structure, as the trail JSON and the results give
// them, and the cosines from the joints' coordinates.
TEST(AnswerCheck, EveryExampleAnswersItsOwnTrailWithoutAWrongEntry) {
  const std::pair<const char*, const char*> kMemberKeys[] = {
      {"codes", "codeNumbers"},        {"k", "localStiffness"},
      {"T", "transformation"},         {"K", "globalStiffness"},
      {"Qf", "localFixedEndForces"},   {"Ff", "globalFixedEndForces"},
      {"v", "globalEndDisplacements"}, {"u", "localEndDisplacements"},
      {"Q", "localEndForces"},         {"F", "globalEndForces"}};
  for (const char* name : testing::kExampleNames) {
    SCOPED_TRACE(name);
    const std::string project = ExampleText(name);
    const ModelStore model = ModelFromText(project);
    const JsonValue results = TrailOf(project);
    const JsonValue& trail = results["trail"];
    std::vector<std::string> items;
    int entries = 0;
    auto add = [&](const std::string& q, int member, const JsonValue& v) {
      const Grid g = FromJson(v);
      const bool vector = v.items.empty() || v.items[0].kind != JsonValue::Kind::Array;
      for (const auto& row : g) entries += static_cast<int>(row.size());
      items.push_back(Item(q, member, Json(g, vector)));
    };
    for (const JsonValue& m : trail["members"].items) {
      const int member = static_cast<int>(m["member"].Number());
      items.push_back(Item("L", member, m["length"].text));
      ++entries;
      for (const auto& [quantity, key] : kMemberKeys) add(quantity, member, m[key]);
      // Cosines of the member's axis, measured from its joints' coordinates.
      const Vec d = Add(Position(model, model.MemberProps(member, 2)),
                        Position(model, model.MemberProps(member, 1)), -1);
      const bool plane = model.StructType == "Beam" || model.StructType == "PTruss" ||
                         model.StructType == "PFrame";
      Grid cosines;
      for (int axis = 0; axis < (plane ? 2 : 3); ++axis) cosines.push_back({d[axis] / Norm(d)});
      items.push_back(Item("cosines", member, Json(cosines, true)));
      entries += plane ? 2 : 3;
    }
    add("S", 0, trail["structureStiffness"]);
    add("P", 0, trail["loadVector"]);
    add("d", 0, trail["displacements"]);
    Grid reactions;
    for (const JsonValue& r : results["supportReactions"].items) {
      reactions.emplace_back();
      for (const JsonValue& x : r["values"].items) reactions.back().push_back(x.Number());
    }
    for (const auto& row : reactions) entries += static_cast<int>(row.size());
    items.push_back(Item("reactions", 0, Json(reactions, false)));

    std::string answers = "{\"answers\": [";
    for (std::size_t i = 0; i < items.size(); ++i) answers += (i ? ",\n" : "\n") + items[i];
    const Checked c = CheckFiles(project, answers + "]}");
    ASSERT_EQ(c.status, kExitComplete) << c.err;
    EXPECT_EQ(c.json["checked"].Number(), entries);
    EXPECT_EQ(c.json["right"].Number(), entries);
  }
}

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.4g", value);
  return text;
}

// One inclined member of a beam, a plane frame, a space truss and a space frame (a cantilever; the
// frames with a hinge at its end and a uniform load), tests/reports/golden/inclined-*.str; the
// plane frame again a thousand times stiffer, whose displacements are all below 1e-3.
// Every quantity of the inclined member of each type (with and without its hinge), with its title
// and labels, then the judge's verdict on entries given alone, each line naming what was planted:
// every entry that is not round-off with its sign changed (each quantity's own hint; for [k] the
// term of the entry, over L, L² or L³, or 3 for a hinged member), and once per quantity, in the
// first entry where the slip's value differs from the right one and from zero, the value times
// 1000, the mirrored entry, the entry of the other frame, the entry without the hinge and the next
// row's entry. The first slip that explains a value is the one named. Checked by eye.
TEST(AnswerCheck, EachSlipPlantedInOneEntryIsNamedWithItsHint) {
  std::string text;
  for (const char* type : {"beam", "pframe", "struss", "sframe", "stiff-pframe"}) {
    for (bool hinged : {true, false}) {
      std::string project =
          ReadWholeFile(SourcePath(std::string("tests/reports/golden/inclined-") + type + ".str"));
      const std::size_t releases = project.find("\"Member Releases\",1\n1,2\n");
      if (!hinged && releases == std::string::npos) continue;
      if (!hinged) project.erase(releases, 24);
      ModelStore model = ModelFromText(project);
      const AnswerKey key = KeyOfAnalysis(model, CheckAndAnalyze(model));
      text += std::string("== ") + type + (hinged ? "\n" : " without its hinge\n");
      for (const AnswerQuantityInfo& info : AnswerQuantities()) {
        const AnswerGrid grid = key.Expected(info.Quantity, 1);
        const AnswerGrid other = key.Expected(info.Other, 1);
        const AnswerGrid free = key.WithoutRelease(info.Quantity, 1);
        text += grid.Title + "\n  rows:";
        for (const std::string& label : grid.RowLabels) text += " | " + label;
        text += "\n  columns:";
        for (const std::string& label : grid.ColumnLabels) text += " | " + label;
        auto plant = [&](int r, int c, const std::string& slip, double value) {
          std::vector<std::optional<double>> given(grid.Values.size());
          given[static_cast<std::size_t>(r * grid.Cols + c)] = value;
          for (const EntryVerdict& v : JudgeAnswer(key, info.Quantity, 1, given))
            text += "\n  " + slip + " of " + Number(v.Expected) + ": " + VerdictText(grid, v);
        };
        std::set<std::string> planted;
        for (int r = 0; r < grid.Rows; ++r)
          for (int c = 0; c < grid.Cols; ++c) {
            const double e = grid.At(r, c);
            auto roundOff = [&grid](double x) { return std::abs(x) <= 1e-6 * grid.Largest(); };
            if (!roundOff(e)) plant(r, c, "sign", -e);
            const std::pair<std::string, double> slips[] = {
                {"units", e * 1000},
                {"pounds for newtons", e / 4.4482216},
                {"transposed", c < grid.Rows && r < grid.Cols ? grid.At(c, r) : e},
                {"other frame", other.At(r, c)},
                {"no hinge", free.At(r, c)},
                {"next row", r + 1 < grid.Rows ? grid.At(r + 1, c) : e}};
            for (const auto& [slip, value] : slips)
              if (!roundOff(value) && (slip != "units" || !roundOff(e)) &&
                  std::abs(value - e) > 1e-3 * std::abs(e) && planted.insert(slip).second)
                plant(r, c, slip, value);
          }
        text += "\n";
      }
    }
  }
  ExpectGoldenFile(text, "tests/reports/golden/answer-hints.txt");
}

TEST(AnswerCheck, TheToleranceAtItsEdgesZerosIncluded) {
  struct Row {
    double given, expected, largest;
    bool right;
  };
  const Row kRows[] = {
      {100.49, 100, 100, true},    {100.51, 100, 100, false},  // 0.5 % of the value
      {0.2, 0.2, 1e5, true},       {0.18, 0.2, 1e5, false},    // 0.2 is no round-off of 1e5...
      {99.9, 0.5, 1e6, true},      {100.1, 0.5, 1e6, false},   // ...but 0.5 is: 1e-4 of 1e6 holds
      {-100, 0, 1e6, true},        {-100.1, 0, 1e6, false},   {0, 0, 0, true},
      {1e-300, 0, 0, false},  // all zero: only zero is right
      {std::nan(""), 5, 5, false}, {INFINITY, 5, 5, false},
  };
  for (const Row& r : kRows)
    EXPECT_EQ(WithinTolerance(r.given, r.expected, r.largest), r.right)
        << r.given << " for " << r.expected << " of " << r.largest;
}

// Code numbers match exactly; an empty entry is not judged; a wrong code that is another
// coordinate's number is a numbering slip.
TEST(AnswerCheck, CodeNumbersMatchExactlyAndNullsAreNotJudged) {
  const std::string project = ExampleText("portal-frame");
  const Grid codes = FromJson(TrailOf(project)["trail"]["members"][1]["codeNumbers"]);
  Grid given = codes;
  given[0][0] += 0.001;
  given[1][0] = codes[0][0];
  std::string values = Json(given, true);
  values.replace(values.rfind(", "), std::string::npos, ", null]");
  const Checked c = CheckFiles(project, "{\"answers\": [" + Item("codes", 2, values) + "]}");
  ASSERT_EQ(c.status, kExitComplete) << c.err;
  EXPECT_EQ(c.json["checked"].Number(), 5);
  EXPECT_EQ(c.json["right"].Number(), 3);
  const JsonValue& items = c.json["items"];
  EXPECT_EQ(items[0]["slip"].kind, JsonValue::Kind::Null);
  EXPECT_EQ(items[1]["slip"].text, "swapped-coordinates");
  EXPECT_EQ(items[1]["col"].kind, JsonValue::Kind::Null);
}

// Each malformed answers file is refused with exit 2 naming the item, against a file checked by
// eye.
TEST(AnswerCheck, AMalformedAnswersFileIsRefusedNamingTheItem) {
  const std::string project = ExampleText("portal-frame");
  std::string log;
  for (const char* file :
       {"{\"answers\": [\n{\"quantity\": \"L\" \"member\": 1}]}", "{\"answers\": 3}",
        "{\"answers\": [{\"quantity\": \"M\", \"values\": 1}]}",
        "{\"answers\": [{\"quantity\": \"L\", \"member\": 1, \"values\": 5},"
        " {\"quantity\": \"k\", \"member\": 4, \"values\": []}]}",
        "{\"answers\": [{\"quantity\": \"T\", \"values\": []}]}",
        "{\"answers\": [{\"quantity\": \"Qf\", \"member\": 2, \"values\": [1, 2]}]}",
        "{\"answers\": [{\"quantity\": \"reactions\", \"values\": [[1, 2, 3], [4, 5]]}]}",
        "{\"answers\": [{\"quantity\": \"L\", \"member\": 1, \"values\": \"5\"}]}",
        "{\"answers\": [{\"quantity\": \"L\", \"member\": 1, \"values\": [5]}]}",
        "{\"answers\": [{\"quantity\": \"S\"}]}"}) {
    const Checked c = CheckFiles(project, file);
    EXPECT_EQ(c.status, kExitRejected) << file;
    log += std::string(file) + "\n  " + c.err.substr(c.err.find("a.json: ") + 8);  // its own folder
  }
  ExpectGoldenFile(log, "tests/reports/golden/malformed-answers.txt");
}

// What is judged: without --only what the file gives, once per quantity, a whole null quantity
// and a malformed item left out (exit 2 for the latter, the rest still judged); with --only the
// list, an entry left out counting wrong. --for-student shows no value, only hints.
TEST(AnswerCheck, TheFileOrTheOnlyListDecidesWhatIsJudged) {
  const std::string project = ExampleText("portal-frame");
  ModelStore model = ModelFromText(project);
  const AnswerKey key = KeyOfAnalysis(model, CheckAndAnalyze(model));
  const std::string length = std::to_string(key.Expected(AnswerQuantity::L, 1).Values[0]);
  const std::string right = Item("L", 1, length), negative = Item("L", 1, "-" + length);
  struct Row {
    std::vector<std::string> items, options;
    int status, checked, right, quantities, skipped;
  };
  const Row kRows[] = {
      {{right, Item("L", 1, "1")}, {}, kExitComplete, 1, 1, 1, 1},
      {{right, Item("cosines", 1, "null"), Item("k", 1, "[null]")}, {}, kExitRejected, 1, 1, 1, 1},
      {{right}, {"--only", "L:1,k:1"}, kExitComplete, 37, 1, 2, 0},
      {{right, Item("L", 2, "null")}, {"--only", "L,L:1"}, kExitComplete, 3, 1, 3, 0},
      {{right}, {"--only", "L:1,k:4,S"}, kExitComplete, 1 + 49, 1, 2, 1},
      {{negative, right}, {"--for-student"}, kExitComplete, 1, 0, 1, 1},
  };
  for (const Row& row : kRows) {
    std::string answers = "{\"answers\": [";
    for (const std::string& item : row.items) answers += (&item == &row.items[0] ? "" : ",") + item;
    const Checked c = CheckFiles(project, answers + "]}", row.options);
    SCOPED_TRACE(answers);
    EXPECT_EQ(c.status, row.status) << c.err;
    EXPECT_EQ(c.json["checked"].Number(), row.checked);
    EXPECT_EQ(c.json["right"].Number(), row.right);
    EXPECT_EQ(c.json["allRight"].text, row.checked == row.right ? "true" : "false");
    EXPECT_EQ(c.json["quantities"].items.size(), static_cast<std::size_t>(row.quantities));
    EXPECT_EQ(c.json["skipped"].items.size(), static_cast<std::size_t>(row.skipped));
    const bool forStudent = !row.options.empty() && row.options[0] == "--for-student";
    for (const JsonValue& item : c.json["items"].items) {
      EXPECT_EQ(item.Find("expected") == nullptr, forStudent);
      EXPECT_EQ(item.Find("given") == nullptr, forStudent);
      const JsonValue* given = item.Find("given");
      if (given && given->kind == JsonValue::Kind::Null) {
        EXPECT_EQ(item["right"].text, "false");
      }
    }
  }
  const Checked student =
      CheckFiles(project, "{\"answers\": [" + negative + "]}", {"--for-student"});
  EXPECT_EQ(student.json["items"][0]["hint"].text, "a length is never negative");
  const Checked unanswered =
      CheckFiles(project, "{\"answers\": []}", {"--for-student", "--only", "d"});
  EXPECT_EQ(unanswered.json["items"][0]["hint"].text, "not answered");
  EXPECT_EQ(unanswered.json["quantities"][0]["allRight"].text, "false");
}

// A structure that fails the stability count (unstable-frame.str): the member steps are judged,
// the rest are not, and the tool exits as its report does. (That --check goes with no option but
// --case is the option table's, shown among the tool's refusals.)
TEST(AnswerCheck, AnUnstableStructureHasOnlyItsMemberStepsJudged) {
  const std::string project = ReadWholeFile(SourcePath("tests/reports/golden/unstable-frame.str"));
  const Checked c = CheckFiles(project,
                               "{\"answers\": [{\"quantity\": \"L\", \"member\": 1, \"values\": 5},"
                               "{\"quantity\": \"cosines\", \"member\": 1, \"values\": [0.8, 0.6]},"
                               "{\"quantity\": \"d\", \"values\": [1, 2, 3, 4, 5, 6, 7]}]}");
  EXPECT_EQ(c.status, kExitNotStable);
  EXPECT_EQ(c.json["checked"].Number(), 3);
  EXPECT_EQ(c.json["right"].Number(), 1);
  EXPECT_EQ(c.json["items"].items.size(), 10u);
  EXPECT_EQ(c.json["items"][1]["slip"].text, "swapped-coordinates");
  EXPECT_EQ(c.json["items"][9]["right"].kind, JsonValue::Kind::Null);
  // Asked for, {d} has no value to judge by: it is skipped and said so, not counted wrong.
  const Checked asked = CheckFiles(project, "{\"answers\": []}", {"--only", "L:1,d"});
  EXPECT_EQ(asked.status, kExitNotStable);
  EXPECT_EQ(asked.json["checked"].Number(), 1);
  EXPECT_EQ(asked.json["skipped"][0].text, "d not judged: the program has no value for it");
  for (std::size_t i = 3; i < 10; ++i) {  // d is a column: entry k is row k, of no column
    EXPECT_EQ(c.json["items"][i]["row"].Number(), i - 2.0);
    EXPECT_EQ(c.json["items"][i]["col"].kind, JsonValue::Kind::Null);
  }
}

}  // namespace
}  // namespace stavelorn
