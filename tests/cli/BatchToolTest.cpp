// The batch tool over the six example projects, and over projects it cannot report.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <sstream>

#include "analysis/AnalysisRun.h"
#include "cli/ToolRun.h"
#include "reports/JsonReader.h"
#include "support/Golden.h"
#include "support/SampleModels.h"
#include "support/StructureTexts.h"

namespace stavelorn {
namespace {

using testing::RunTool;
using testing::ScratchFile;
using testing::ToolRun;

struct Example {
  const char* name;
  int members;
};

const Example kExamples[] = {
    {"continuous-beam", 3},    {"roof-truss", 13}, {"portal-frame", 3},
    {"space-truss-tower", 26}, {"grid-floor", 7},  {"space-frame", 8},
};

// The tool adds the trail and the diagrams after the results only when asked, and its JSON holds
// the trail and the diagrams beside the results (that it prints the print command's report of
// each example, analysed with the accuracy guard, is the browser page's test, which shows the
// same report; the results JSON's layout is in its golden file).
TEST(ExampleProjects, PrintAndAgreeWithTheirJson) {
  for (const Example& e : kExamples) {
    SCOPED_TRACE(e.name);
    const std::string path = testing::SourcePath(std::string("examples/") + e.name + ".str");
    EXPECT_EQ(testing::ExampleModel(e.name).MemberCount, e.members);
    const ToolRun plain = RunTool({path});
    EXPECT_EQ(plain.status, 0);
    EXPECT_EQ(plain.err, "");
    const std::size_t end = plain.out.find("End of Analysis");
    ASSERT_NE(end, std::string::npos);
    for (const auto& [flag, title] :
         {std::pair<std::string, std::string>{"--diagrams", "Internal Force Diagrams"},
          {"--trail", "Step by Step"}}) {
      const ToolRun run = RunTool({flag, path});
      EXPECT_EQ(plain.out.find(title), std::string::npos);
      EXPECT_EQ(run.out.substr(0, end), plain.out.substr(0, end));
      EXPECT_NE(run.out.find(title, end), std::string::npos) << flag;
    }

    const ToolRun run = RunTool({"--json", "--trail", "--diagrams", path});
    EXPECT_EQ(run.status, 0);
    const JsonValue json = ParseJson(run.out);
    EXPECT_EQ(json["status"].text, "1");
    // The trail's values are judged in the answer checks and the diagrams' stations against a
    // cut of each member's free body; here only their place beside the rest.
    EXPECT_EQ(json["trail"]["members"].items.size(), static_cast<std::size_t>(e.members));
    EXPECT_EQ(json["diagrams"].items.size(), static_cast<std::size_t>(e.members));
  }
}

// A simply supported beam of 10 on two members of 4 and 6, or on one support only.
std::string InfluenceBeam(const char* name, const char* firstSupport) {
  std::string text =
      testing::ReadWholeFile(testing::SourcePath("tests/reports/golden/influence-beam.str"));
  return ScratchFile(name, text.replace(text.find("1,1,0"), 5, firstSupport));
}

// What the tool says to each request it cannot serve, against a file checked by eye: the exit
// status (64 a wrong request, 2 a project it cannot read or check, 3 a structure not stable, 4 a
// failed solution), the error stream and whether anything was printed, never results; then the
// JSON of the mechanism, a row per joint in order with the middle joint free to drop. A picture is
// named .svg and replaces no file but an earlier picture, a project is one file that exists and
// reads as a project. Units
// convert only from named units, and only to units of the tables; an influence line needs --json,
// a quantity it names, a path of members that exist and a stable structure; a train starts at
// offset 0 and never steps back; --variants goes alone, with a count and a folder.
TEST(BatchTool, AProjectItCannotReportGivesItsStatusAndTheReasonButNoResults) {
  std::string badMember = testing::CollinearTruss();  // member 1 ends at a joint that is not there
  badMember.replace(badMember.find("1,2,1,1"), 7, "1,7,1,1");
  const std::string rejected =
      ScratchFile("rejected.str", badMember + "\"Supports\",2, 1,1,1, 3,1,1");
  const std::string roller =
      ScratchFile("roller.str", testing::CollinearTruss() + "\"Supports\",1, 1,0,1");
  const std::string pinned =
      ScratchFile("pinned.str", testing::CollinearTruss() + "\"Supports\",2, 1,1,1, 3,1,1");
  const std::string beam = InfluenceBeam("beam.str", "1,1,0");
  const std::string notes = ScratchFile("notes.svg", "notes, not a picture");
  const std::string broken = ScratchFile("broken.str", "\"t\",\"PFrame\"\n\"Joints\",2, 0,0");
  const std::filesystem::path scratch = std::filesystem::path(beam).parent_path();
  std::filesystem::create_directories(scratch / "folder.svg");
  std::filesystem::create_directories(scratch / "folder.str");
  const std::vector<std::string> runs[] = {
      {},
      {"--pdf", "a.str"},
      {"--json", "/nonexistent/folder/none.str"},
      {"--json", rejected},
      {roller},
      {pinned},
      {"--units", "kip,in", pinned},
      {"--units", "kip,inch", pinned},
      {"--units", "KIP,in", "--json", rejected},
      {"--units", "kip,in,K", pinned},
      {"--units", "kip", pinned},
      {pinned, "--units"},
      {"--units", "", pinned},
      {"--check", "a.json", "--units", "kip,in", pinned},
      {"--only", "k:1", pinned},
      {"--check", "a.json", "--only", "k:0", pinned},
      {"--check", "a.json", "--only", "S:1,d", pinned},
      {"--check", "a.json", "--only", "k,,d", pinned},
      {"--grade", "--for-student", "answers", "variants"},
      {"--grade", "answers"},
      {"--grade", "answers", "variants", "--case", "snow"},
      {pinned, roller},
      {"--picture", "portal-frame.str"},
      {"--picture", notes, beam},
      {"--picture", (scratch / "folder.svg").string(), beam},
      {"--picture", (scratch / "no-such-folder" / "out.svg").string(), beam},
      {"--json", (scratch / "folder.str").string()},
      {"--json", broken},
      {"--json", "--influence", "reaction:1:1", beam},
      {"--json", "--influence", "internal:1:2.5e0:M", "--path", "1", beam},
      {"--json", "--influence", "displacement:2:2", beam},
      {"--influence", "reaction:1:1", beam},
      {"--json", "--influence", "reaction:1", beam},
      {"--json", "--influence", "internal:1:x:M", beam},
      {"--json", "--influence", "internal:1: 2:M", beam},
      {"--json", "--influence", "internal:1:2:m", beam},
      {"--json", "--influence", "moment:1:2", beam},
      {"--json", "--influence", "reaction:1:1", "--path", "1,,2", beam},
      {"--json", "--influence", "reaction:2:1", beam},
      {"--json", "--influence", "reaction:1:1", "--path", "1,7", beam},
      {"--json", "--influence", "reaction:1:1", InfluenceBeam("loose.str", "1,0,0")},
      {"--json", "--influence", "reaction:1:1", "--train", "10@1,5@3", beam},
      {"--json", "--influence", "reaction:1:1", "--train", "10,5@3,5@2", beam},
      {"--json", "--influence", "reaction:1:1", "--train", "10,5", beam},
      {"--json", "--influence", "reaction:1:1", "--lane", "heavy", beam},
      {"--json", "--train", "10", beam},
      {"--json", "--influence", "internal:1:2:M", "--envelope", beam},
      {"--json", "--influence", "reaction:1:1", "--train", "10", "--envelope", beam},
      {"--check", "a.json", "--train", "10", beam},
      {"--seed", "4", "t.str"},
      {"--variants", "0", "t.str", "out"},
      {"--variants", "2", "t.str"},
      {"--variants", "2", "--json", "t.str", "out"},
      {"--variants", "2", "--seed", "-1", "t.str", "out"},
  };
  const std::string dir = scratch.string();  // varies by run
  std::string log;
  for (const std::vector<std::string>& args : runs) {
    ToolRun run = RunTool(args);
    for (std::size_t at; (at = run.err.find(dir)) != std::string::npos;)
      run.err.replace(at, dir.size(), "SCRATCH");
    log += ">";
    for (const std::string& arg : args) log += " " + std::filesystem::path(arg).filename().string();
    log += "\nstatus " + std::to_string(run.status) + (run.out.empty() ? "" : ", printed") + "\n" +
           run.err + "\n";
    EXPECT_EQ(run.out.find("Results of Analysis"), std::string::npos) << log;
    // Every refusal says in words what is wrong: a usage error first of all, and never as a
    // run-time error's number or a temporary file's name.
    EXPECT_TRUE(run.status != 64 || run.err.rfind("stavelorn-report: ", 0) == 0) << log;
    EXPECT_EQ(run.err.find("Unexpected error"), std::string::npos) << log;
    EXPECT_EQ(run.err.find(".saving-"), std::string::npos) << log;
  }
  testing::ExpectGoldenFile(log + RunTool({"--json", roller}).out,
                            "tests/reports/golden/tool-refusals.txt");
}

// --units converts a project that names its units before analysing it, reports in the new
// units and leaves the file alone; the JSON names the units as the file would.
TEST(BatchTool, ConvertsANamedProjectToTheUnitsAskedFor) {
  const std::string text =
      testing::ReadWholeFile(testing::SourcePath("examples/portal-frame.str")) +
      "\"Units\",1\r\n\"kN\",\"m\",\"C\"\r\n";
  const std::string path = ScratchFile("units.str", text);

  const ToolRun json = RunTool({"--units", "kip,in", "--json", path});
  ASSERT_EQ(json.status, 0) << json.err;
  const JsonValue results = ParseJson(json.out);
  EXPECT_EQ(results["units"]["force"].text, "kip");
  EXPECT_EQ(results["units"]["length"].text, "in");
  EXPECT_EQ(results["units"]["temperature"].text, "C") << "an omitted TEMP keeps the file's";
  // Against the same project in kN and m (every result of every example converts by its own
  // quantity's factor in the converted analyses): member 1's moment times 0.2248089 kip/kN and
  // 39.37008 in/m, within the round-off of two single-precision solutions.
  const JsonValue original = ParseJson(RunTool({"--json", path}).out);
  const double kipInch =
      original["memberEndForces"][0]["values"][2].Number() * 0.2248089 * 39.37008;
  EXPECT_NEAR(results["memberEndForces"][0]["values"][2].Number(), kipInch,
              1e-4 * std::abs(kipInch));
  EXPECT_EQ(testing::ReadWholeFile(path), text) << "the file is not changed";

  const ToolRun report = RunTool({"--units", "N,mm,F", path});
  ASSERT_EQ(report.status, 0) << report.err;
  EXPECT_NE(report.out.find("[N/mm2]"), std::string::npos) << "E is printed with its unit";
  EXPECT_EQ(original["units"]["length"].text, "m");
  EXPECT_EQ(
      RunTool({"--json", testing::SourcePath("examples/portal-frame.str")}).out.find("\"units\""),
      std::string::npos)
      << "a project without named units has no units key";
}

// The JSON says what the window says: the precision the stored results have and, whenever the
// accuracy guard left a note, that note word for word; a structure beyond double precision ends
// with the failure's status and its reason. --precision double solves in double precision only:
// the JSON says so without a note, and the numbers are those the guard stores when it switches.
TEST(BatchTool, TellsThePrecisionAndTheAccuracyNoteAsTheWindowDoesOrAsAsked) {
  const struct {
    const char* name;
    std::string text;
    int status;
    const char* precision;  // "" when no results
    bool note;
  } cases[] = {
      {"stiff", testing::PortalFrameText("1", "1E-06"), 0, "double", true},
      {"ordinary", testing::PortalFrameText("0.01", "0.0001"), 0, "single", false},
      {"beyond", testing::PortalFrameText("1", "1E-12"), 4, "", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = ScratchFile(std::string(c.name) + ".str", c.text);
    ModelStore model = testing::ModelFromText(c.text);
    const AnalysisRun window = CheckAndAnalyze(model, 0, false);
    const ToolRun run = RunTool({"--json", path});
    ASSERT_EQ(run.status, c.status) << run.err;
    const JsonValue json = ParseJson(run.out);
    EXPECT_EQ(json["status"].text, std::to_string(window.Results.AnalysisStatus));
    EXPECT_EQ(json.members.count("accuracyNote"), c.note ? 1u : 0u);
    if (c.status == 0) {
      EXPECT_EQ(json["precision"].text, c.precision);
    } else {
      EXPECT_NE(run.err.find(AnalysisOutcomeText(model, window)), std::string::npos) << run.err;
      EXPECT_NE(run.err.find("too ill-conditioned"), std::string::npos) << run.err;
    }
    if (c.note) {
      EXPECT_EQ(json["accuracyNote"].text, window.AccuracyNote);
      EXPECT_NE(run.err.find("Analysis Accuracy\n" + window.AccuracyNote), std::string::npos);
    }
    if (!c.note) continue;
    // Asked for double precision, the tool stores what the guard stores when it switches.
    const ToolRun doubled = RunTool({"--precision", "double", "--json", path});
    ASSERT_EQ(doubled.status, 0) << doubled.err;
    EXPECT_EQ(ParseJson(doubled.out)["precision"].text, "double");
    EXPECT_EQ(doubled.err, "");
    EXPECT_EQ(doubled.out.substr(doubled.out.find("\"jointDisplacements\"")),
              run.out.substr(run.out.find("\"jointDisplacements\"")));
  }
}

// The stiff portal's single-precision results are replaced by the guard's double-precision ones,
// so the two text reports differ only in the line that says which precision was chosen (and in
// where that line moves the page breaks).
TEST(BatchTool, TextReportSaysWhenDoublePrecisionWasChosen) {
  const std::string path =
      ScratchFile("printed-precision.str", testing::PortalFrameText("1", "1E-06"));
  const auto unpaged = [](std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '\f'), text.end());
    return text;
  };
  std::string doubled = unpaged(RunTool({"--precision", "double", path}).out);
  const std::string line = std::string(26, ' ') + "Computed in double precision\n";
  const std::size_t at = doubled.find(line);
  ASSERT_NE(at, std::string::npos) << doubled;
  EXPECT_EQ(doubled.erase(at, line.size()), unpaged(RunTool({path}).out));
}

}  // namespace
}  // namespace stavelorn
