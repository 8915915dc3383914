// The batch tool over the six example projects, and over projects it cannot report.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iomanip>
#include <map>
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

// The tool adds the trail and the diagrams after the results only when asked (that it prints the
// print command's report of each example, analysed with the accuracy guard, is the browser page's
// test, which shows the same report; the results JSON's layout, with the trail and the diagrams,
// is in its golden file and the answer checks').
TEST(ExampleProjects, PrintTheTrailAndTheDiagramsOnlyWhenAsked) {
  for (const char* name : testing::kExampleNames) {
    SCOPED_TRACE(name);
    const std::string path = testing::SourcePath(std::string("examples/") + name + ".str");
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
// JSON of the mechanism, a row per joint in order with the middle joint free to drop. A load case
// is one the project names. A picture is named .svg and replaces no file but an earlier picture,
// a project is one file that exists and reads as a project. Units convert only from named units,
// and only to units of the tables; an influence line needs --json, a quantity it names, a path of
// members that exist and a stable structure; a train starts at offset 0 and never steps back;
// the stability analyses are for frames, and --segments goes with one of them, from 1 to 64;
// --variants goes alone, with a count and a folder, and a template that varies something.
TEST(BatchTool, AProjectItCannotReportGivesItsStatusAndTheReasonButNoResults) {
  std::string badMember = testing::CollinearTruss();  // member 1 ends at a joint that is not there
  badMember.replace(badMember.find("1,2,1,1"), 7, "1,7,1,1");
  const std::string beam = InfluenceBeam("beam.str", "1,1,0");
  const std::filesystem::path scratch = std::filesystem::path(beam).parent_path();
  std::filesystem::create_directories(scratch / "folder.svg");
  std::filesystem::create_directories(scratch / "folder.str");
  const std::string bars = testing::CollinearTruss();
  const std::map<std::string, std::string> made = {
      {"rejected", ScratchFile("rejected.str", badMember + "\"Supports\",2, 1,1,1, 3,1,1")},
      {"roller", ScratchFile("roller.str", bars + "\"Supports\",1, 1,0,1")},
      {"pinned", ScratchFile("pinned.str", bars + "\"Supports\",2, 1,1,1, 3,1,1")},
      {"beam", beam},
      {"notes", ScratchFile("notes.svg", "notes, not a picture")},
      {"broken", ScratchFile("broken.str", "\"t\",\"PFrame\"\n\"Joints\",2, 0,0")},
      {"cases", ScratchFile("cases.str", testing::kThreeCaseFrame)},
      {"scratch", scratch.string()},
      {"loose", InfluenceBeam("loose.str", "1,0,0")}};
  std::vector<std::vector<std::string>> runs;
  std::istringstream lines(
      testing::ReadWholeFile(testing::SourcePath("tests/reports/golden/tool-refusal-runs.txt")));
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("#", 0) == 0) continue;
    std::istringstream words(line);
    std::vector<std::string>& args = runs.emplace_back();
    for (std::string arg; words >> std::quoted(arg); args.push_back(arg))
      for (const auto& [name, path] : made)
        if (const std::size_t at = arg.find("{" + name + "}"); at != std::string::npos)
          arg.replace(at, name.size() + 2, path);
  }
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
  testing::ExpectGoldenFile(log + RunTool({"--json", made.at("roller")}).out,
                            "tests/reports/golden/tool-refusals.txt");
}

// The JSON says what the window says of the stiff portal, whose accuracy guard leaves a note: the
// status, the note word for word, which the error stream carries too (the precision and the note
// of other runs stand in the results JSON's golden file; a failed solution's status is among the
// tool's refusals). --precision double solves in double precision only: the JSON says so without
// a note, and the numbers are those the guard stores when it switches.
TEST(BatchTool, TellsThePrecisionAndTheAccuracyNoteAsTheWindowDoesOrAsAsked) {
  const std::string text = testing::PortalFrameText("1", "1E-06");
  const std::string path = ScratchFile("stiff.str", text);
  ModelStore model = testing::ModelFromText(text);
  const AnalysisRun window = CheckAndAnalyze(model, 0, false);
  const ToolRun run = RunTool({"--json", path});
  ASSERT_EQ(run.status, 0) << run.err;
  const JsonValue json = ParseJson(run.out);
  EXPECT_EQ(json["status"].text, std::to_string(window.Results.AnalysisStatus));
  EXPECT_EQ(json["precision"].text, "double");
  EXPECT_EQ(json["accuracyNote"].text, window.AccuracyNote);
  EXPECT_NE(run.err.find("Analysis Accuracy\n" + window.AccuracyNote), std::string::npos);
  const ToolRun doubled = RunTool({"--precision", "double", "--json", path});
  ASSERT_EQ(doubled.status, 0) << doubled.err;
  EXPECT_EQ(ParseJson(doubled.out)["precision"].text, "double");
  EXPECT_EQ(doubled.err, "");
  EXPECT_EQ(doubled.out.substr(doubled.out.find("\"jointDisplacements\"")),
            run.out.substr(run.out.find("\"jointDisplacements\"")));
  // So the two text reports differ only in the line that says which precision was chosen (and in
  // where that line moves the page breaks).
  const auto unpaged = [](std::string report) {
    report.erase(std::remove(report.begin(), report.end(), '\f'), report.end());
    return report;
  };
  std::string printed = unpaged(RunTool({"--precision", "double", path}).out);
  const std::string line = std::string(26, ' ') + "Computed in double precision\n";
  const std::size_t at = printed.find(line);
  ASSERT_NE(at, std::string::npos) << printed;
  EXPECT_EQ(printed.erase(at, line.size()), unpaged(RunTool({path}).out));
}

}  // namespace
}  // namespace stavelorn
