// The batch tool over the six example projects, and over projects it cannot report; then each
// option that adds to its report: --picture, --influence, --case, the stability analyses and
// --variants.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/AnalysisRun.h"
#include "cli/ToolRun.h"
#include "model/ExitStatus.h"
#include "model/Version.h"
#include "reports/JsonReader.h"
#include "support/Golden.h"
#include "support/SampleModels.h"
#include "support/StructureTexts.h"

namespace stavelorn {
namespace {

namespace fs = std::filesystem;
using testing::Occurrences;
using testing::RunTool;
using testing::ScratchFile;
using testing::SourcePath;
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

// The batch tool's --picture: the drawing it writes beside the report, and what it refuses.
// The picture asked for, with its deformed shape (one curve per member, or the mechanism's) and
// its diagram only when asked, beside a report left as it is, the multiplier named with a
// deformed shape (the picture's layout, title and caption are in the saved picture's golden
// file); what it cannot draw is refused, and no file is left behind. It replaces an earlier
// picture of any version, never another file.
TEST(BatchPicture, DrawsWhatIsAskedOrRefusesAndLeavesNoFileBehind) {
  const std::string svg = ScratchFile("picture.svg", "");
  const std::filesystem::path dir = std::filesystem::path(svg).parent_path();
  const std::string portal = testing::SourcePath("examples/portal-frame.str");
  const std::string space = testing::SourcePath("examples/space-frame.str");
  const std::string roller =
      ScratchFile("roller.str", testing::CollinearTruss() + "\"Supports\",1, 1,0,1");
  const std::string broken = ScratchFile("broken.str", "\"t\",\"PFrame\"\n\"Joints\",2, 0,0");
  const std::string earlier = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg>\n<metadata>" +
                              std::string(kProgramName) + " 0.9.0</metadata>\n</svg>\n";
  const std::string project = testing::ReadWholeFile(portal);
  const struct {
    std::vector<std::string> args;
    int status;
    std::string err;
    int deformed = 0, diagrams = 0;          // groups of each in the picture written
    std::optional<std::string> before = {};  // the file at the picture's path before the run
  } cases[] = {
      {{"--json", "--picture", svg, portal}, 0, ""},
      {{"--json", "--picture", svg, "--diagram", "M", "--deformed", portal}, 0, "", 3, 3},
      {{"--picture", svg, "--deformed", roller}, 3, "Statically", 2},
      {{"--deformed", portal}, 64, "go with --picture"},
      {{"--picture", svg, "--diagram", portal}, 64, "usage"},
      {{"--picture", svg, "--diagram", "Vz", portal}, 64, "has no diagram Vz (it has N, V, M)"},
      {{"--json", "--picture", svg, "--diagram", "M", space}, 0, "", 0, 8},
      {{"--picture", svg, broken}, 2, "is not a project this program can read"},
      {{"--json", "--picture", svg, portal}, 0, "", 0, 0, earlier},
      {{"--json", "--picture", svg, portal}, 74, "\"" + svg + "\" is not a picture", 0, 0, project},
  };
  for (const auto& c : cases) {
    std::filesystem::remove(svg);
    if (c.before) std::ofstream(svg, std::ios::binary) << *c.before;
    const ToolRun run = RunTool(c.args);
    SCOPED_TRACE(run.err);
    EXPECT_EQ(run.status, c.status);
    EXPECT_NE(run.err.find(c.err), std::string::npos);
    const bool written = c.status == 0 || c.status == 3;
    ASSERT_EQ(std::filesystem::exists(svg), written || c.before);
    if (!written && c.before) {
      EXPECT_EQ(testing::ReadWholeFile(svg), *c.before) << "left as it was";
    }
    EXPECT_TRUE(c.status != 0 || run.out == RunTool({"--json", c.args.back()}).out)
        << "the report is left as it is";
    if (!written) continue;
    const std::string text = testing::ReadWholeFile(svg);
    EXPECT_EQ(text.find("deflections \u00d7 ") != std::string::npos, c.deformed && c.status == 0);
    EXPECT_EQ(Occurrences(text, "<g class=\"deformed\" data-member="), c.deformed);
    EXPECT_EQ(Occurrences(text, "<g class=\"diagram\""), c.diagrams);
  }
  std::filesystem::remove(svg);
  for (const auto& entry : std::filesystem::directory_iterator(dir))
    EXPECT_EQ(entry.path().string().find(".saving-"), std::string::npos) << entry.path();
  // A space frame's M and V are the diagrams of Mz and Vy, as the influence lines read them.
  const auto drawn = [&](const char* quantity) {
    RunTool({"--picture", svg, "--diagram", quantity, space});
    return testing::ReadWholeFile(svg);
  };
  EXPECT_EQ(drawn("M"), drawn("Mz"));
  EXPECT_EQ(drawn("V"), drawn("Vy"));
  EXPECT_NE(drawn("V"), drawn("Vz"));
}

// The batch tool's --influence: the "influence" object it writes, once for each option that shapes
// it (the requests it refuses are among the tool's refusals; the lines' and the trains' values
// against closed forms are the analysis tests').
// Against a file checked by eye, on the simply supported beam of 10 on members of 4 and 6
// (influence-beam.str) but for the roof truss:
// - the shear at member 2's x = 3 along the path 2, 1: both sides of the section, -0.7 and 0.3,
//   and -x/10 on member 1;
// - the roof truss without a path: its bottom chord, members 1 to 4, the pinned joint 1's
//   reaction 1 - X/12 by the lever rule;
// - two loads of 10 at 2 and a lane load of 1 with the envelope of member 2's moment: at its
//   x = 1 the loads at 3 and 5 (52.5 with the lane, the first on member 1), at its beginning
//   52; a downward train never makes these moments negative;
// - a lane load alone, which stands nowhere: 25.
TEST(InfluenceBatch, WritesEachOptionsInfluenceObjectAsCheckedByEye) {
  const std::string beam = testing::SourcePath("tests/reports/golden/influence-beam.str");
  const std::vector<std::string> runs[] = {
      {"--json", "--influence", "internal:2:3:V", "--path", "2,1", beam},
      {"--json", "--influence", "reaction:1:2", testing::SourcePath("examples/roof-truss.str")},
      {"--json", "--influence", "internal:2:1:M", "--train", "10,10@2", "--lane", "1", "--envelope",
       beam},
      {"--json", "--influence", "internal:2:1:M", "--lane", "2", beam},
  };
  std::string text;
  for (const std::vector<std::string>& args : runs) {
    const testing::ToolRun run = testing::RunTool(args);
    EXPECT_EQ(run.status, 0) << run.err;
    text += run.out.substr(run.out.find("\"influence\""));
  }
  testing::ExpectGoldenFile(text, "tests/reports/golden/influence.json");
}

// The batch tool on a project of three load cases and two combinations: --case chooses the case
// the trail follows, the first without it (that the top level holds the chosen case's numbers is
// the browser page's test, which shows them beside the tool's).
// The text of the first "key": [...] array of `json`.
std::string FirstArray(const std::string& json, const std::string& key) {
  const std::size_t start = json.find("\"" + key + "\": [");
  if (start == std::string::npos) return "";
  return json.substr(start, json.find("\n ]", start) - start);
}

// The whole report of every case with the diagrams, checked by eye: each case's, combination's
// and the envelopes' heading after two blank lines, as every heading, each envelope value with the
// case or combination that gives it, and the diagrams naming the case they are of; and the same
// in JSON, each diagram station's largest and smallest values with the case or combination that
// gives each.
TEST(LoadCaseBatch, TheReportOfEveryCaseMatchesItsCheckedFile) {
  const std::string file = ScratchFile("frame-cases.str", testing::kThreeCaseFrame);
  const testing::ToolRun every = RunTool({"--diagrams", file});
  ASSERT_EQ(every.status, kExitComplete) << every.err;
  testing::ExpectGoldenFile(every.out, "tests/cli/golden/three-case-frame.txt");
  testing::ExpectGoldenFile(RunTool({"--json", "--diagrams", file}).out,
                            "tests/cli/golden/three-case-frame.json");
}

// --trail follows a chosen case with its own {P} and {d}; a combination has none and says so.
TEST(LoadCaseBatch, TheTrailIsOfTheChosenCaseAndACombinationSaysItHasNone) {
  const std::string file = ScratchFile("frame-cases.str", testing::kThreeCaseFrame);
  const testing::ToolRun dead = RunTool({"--json", "--trail", "--case", "Dead", file});
  const testing::ToolRun wind = RunTool({"--json", "--trail", "--case", "Wind", file});
  ASSERT_EQ(wind.status, kExitComplete) << wind.err;
  EXPECT_NE(FirstArray(wind.out, "loadVector"), "");
  EXPECT_NE(FirstArray(wind.out, "loadVector"), FirstArray(dead.out, "loadVector"));
  EXPECT_EQ(FirstArray(RunTool({"--json", "--trail", file}).out, "loadVector"),
            FirstArray(dead.out, "loadVector"));
  const testing::ToolRun combined = RunTool({"--json", "--trail", "--case", "1.2D+L+W", file});
  EXPECT_EQ(combined.status, kExitComplete);
  EXPECT_EQ(combined.out.find("\"trail\""), std::string::npos);
  EXPECT_NE(combined.err.find("has no step-by-step solution of its own"), std::string::npos)
      << combined.err;
}

// The batch tool's critical load and second-order analysis: the JSON they add and their exit
// statuses (their options' refusals, a type that is no frame among them, are the tool's refusals).
// A cantilever column under `load` down at its top and 1 across.
std::string Cantilever(const std::string& load) {
  return ScratchFile("cantilever-" + load + ".str",
                     "\"Column\"\n\"PFrame\"\n\"Joints\",2\n0,0\n0,5\n\"Supports\",1\n1,1,1,1\n"
                     "\"Materials\",1\n2E+08,1.2E-05\n\"Cross-Sections\",1\n1,0.0001\n"
                     "\"Members\",1\n1,2,1,1\n\"Joint Loads\",1\n2,1," +
                         load + ",0\n");
}

TEST(StabilityBatch, ThePortalFramesModesAndSecondOrderResultsReadAsCheckedByEye) {
  const std::string portal = SourcePath("examples/portal-frame.str");
  const testing::ToolRun buckling = RunTool({"--json", "--buckling", "--modes", "2", portal});
  const testing::ToolRun second = RunTool({"--json", "--second-order", "--segments", "8", portal});
  EXPECT_EQ(buckling.status, 0);
  EXPECT_EQ(second.status, 0);
  testing::ExpectGoldenFile(buckling.out + second.out, "tests/cli/golden/stability-portal.json");
}

// What a run says of a column with no compression, one beyond its critical load, and a trail that
// adds the geometric stiffness.
TEST(StabilityBatch, StatusesAndMessages) {
  const std::string portal = SourcePath("examples/portal-frame.str");
  struct Case {
    std::vector<std::string> args;
    int status;
    const char* said;  // in the output or on stderr
  } cases[] = {
      {{"--json", "--buckling", Cantilever("100")}, 0, "No member is in compression"},
      {{"--json", "--second-order", Cantilever("-10000")}, 4, "at or above the elastic critical"},
      {{"--json", "--buckling", "--modes", "1", Cantilever("-10000")}, 0, "[0.19739"},
      {{"--json", "--trail", "--buckling", portal}, 0, "\"structureGeometricStiffness\": [["},
  };
  for (const Case& c : cases) {
    const testing::ToolRun run = RunTool(c.args);
    EXPECT_EQ(run.status, c.status) << c.args[1] << " " << c.args.back();
    EXPECT_NE((run.out + run.err).find(c.said), std::string::npos) << c.said << "\n"
                                                                   << run.out << run.err;
  }
}

// --variants on the command line: the variants and their key written into a new folder, named on
// standard output, in the units asked for, which the tool converts a named project to as it does
// for its reports (a folder that holds anything is refused by the writer,
// with the exit status the tool returns, in the class variants' test; the usage errors of its
// options are among the batch tool's refusals).
// The example roof truss with the apex's height varied, named in kN and m.
std::string Template() {
  return testing::ScratchFile(
      "roof.str", testing::ExampleText("roof-truss") +
                      "\"Variations\",1\r\n\"Joints\",7,2,2.5,3.5,0.25\r\n\"Units\",1\r\n"
                      "\"kN\",\"m\",\"C\"\r\n");
}

TEST(VariantsBatch, WritesTheVariantsInTheUnitsAskedFor) {
  const std::string folder = (fs::path(Template()).parent_path() / "class").string();
  fs::remove_all(folder);
  const testing::ToolRun run =
      RunTool({"--variants", "3", "--seed", "11", "--units", "N,mm", Template(), folder});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, folder + "/roof-01.str\n" + folder + "/roof-02.str\n" + folder +
                         "/roof-03.str\n" + folder + "/key.json\n");
  for (const char* name : {"roof-01.str", "roof-02.str", "roof-03.str"}) {
    const ModelStore variant = testing::ModelFromText(testing::ReadWholeFile(folder + "/" + name));
    EXPECT_EQ(variant.Units, NamedUnits(ForceUnit::N, LengthUnit::mm, TemperatureUnit::C))
        << "an omitted TEMP keeps the template's";
    // The height drawn in millimetres, on the grid 2500, 2750, ... 3500.
    const float height = variant.JointCoords(7, 2);
    EXPECT_EQ(std::fmod(height, 250.0f), 0.0f) << height;
    EXPECT_TRUE(height >= 2500 && height <= 3500) << height;
  }
  fs::remove_all(folder);
}

}  // namespace
}  // namespace stavelorn
