// The printed reports: the whole report of one small project per structure type and the trail of
// one small frame, each compared with a file checked line by line against the report layouts
// (run with STAVELORN_UPDATE_GOLDEN=1 to rewrite the files after a deliberate change, then check
// the difference by eye before committing); then what those files cannot show, and the print
// command around the reports: the font, the first page, the sections ticked, a printer that
// fails and the text printer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "analysis/AnalysisRun.h"
#include "analysis/EquilibriumCheck.h"
#include "analysis/GeneratedStructures.h"
#include "model/ProjectFile.h"
#include "model/StructType.h"
#include "reports/InputReport.h"
#include "reports/MiniJson.h"
#include "reports/PrintCommand.h"
#include "reports/PrintOptions.h"
#include "reports/ReportFixtures.h"
#include "reports/ReportPrinter.h"
#include "reports/ResultsReport.h"
#include "reports/TextReportPrinter.h"
#include "reports/TrailJson.h"
#include "reports/TrailReport.h"
#include "support/ScriptedMessages.h"

namespace stavelorn {
namespace {

using S = ReportSection;

// A ReportPrinter for tests: it records every operation in order on a page of 60 lines, lets a
// test say how full the first page already is, and can fail chosen lines a given number of
// times, the way a printer that runs out of paper does.
class RecordingPrinter : public ReportPrinter {
 public:
  // "line:<text>", "newpage", "end", "abandon", "font:<name>", "size:<points>", "bold:<0|1>".
  std::vector<std::string> events;
  double usedAtStart = 0;
  // Number of a line in the document (from 1) -> failures still to come before it prints.
  std::map<int, int> failLine;

  void PrintLine(const std::string& text) override {
    if (failLine[printed_ + 1]-- > 0) throw PrinterFailure(RunError{kErrPrinter, "Printer error"});
    events.push_back("line:" + text);
    ++printed_;
    ++lines_;
  }
  void NewPage() override {
    events.push_back("newpage");
    lines_ = 0;
    usedAtStart = 0;
  }
  double CurrentY() const override { return usedAtStart + lines_; }
  double PageHeight() const override { return 60; }
  void EndDocument() override { events.push_back("end"); }
  void AbandonDocument() override { events.push_back("abandon"); }
  std::string FontName() const override { return font_; }
  void SetFontName(const std::string& name) override { events.push_back("font:" + (font_ = name)); }
  void SetFontSize(double points) override {
    events.push_back("size:" + std::to_string(static_cast<int>(points)));
  }
  void SetFontBold(bool bold) override { events.push_back(bold ? "bold:1" : "bold:0"); }

  // The printed lines only, without the "line:" tag.
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    for (const std::string& event : events)
      if (event.rfind("line:", 0) == 0) lines.push_back(event.substr(5));
    return lines;
  }

 private:
  int printed_ = 0;
  int lines_ = 0;
  std::string font_ = "Arial";
};

std::string GoldenPath(const std::string& name) {
  return std::string(STAVELORN_SOURCE_DIR) + "/tests/reports/golden/" + name;
}

// The model of the project file tests/reports/golden/<name>.str.
ModelStore LoadGoldenModel(const std::string& name) {
  return testing::ModelFromText(ReadWholeFile(GoldenPath(name + ".str")));
}

// Numbers the coordinates (free ones first, then restrained ones, each group in joint order)
// and fills the results with recognisable values, then marks the analysis complete:
//   displacement of free coordinate n         n / 1000, negative for even n;
//   end force component c of member m         10 m + c, negative for end components;
//   reaction of restrained coordinate n       100 n + 0.5;
// except that a truss member's axial force is negative (tension) for m = 1, 4, 7, ...,
// positive for m = 2, 5, 8, ... and zero for m = 3, 6, 9, ...
void FillHandResults(ModelStore& model) {
  const int perJoint = model.CoordsPerJoint;
  const int total = model.JointCount * perJoint;
  auto restrained = [&](int joint, int k) {
    for (int s = 1; s <= model.SupportCount; ++s)
      if (model.Supports(s, 1) == joint && model.Supports(s, k + 1) == 1) return true;
    return false;
  };
  model.CoordNumbers.Redim(total);
  int next = 0;
  int free = 0;
  for (bool fixed : {false, true}) {
    for (int j = 1; j <= model.JointCount; ++j)
      for (int k = 1; k <= perJoint; ++k)
        if (restrained(j, k) == fixed)
          model.CoordNumbers((j - 1) * perJoint + k) = static_cast<std::int16_t>(++next);
    if (!fixed) free = next;
  }
  model.DofCount = static_cast<std::int16_t>(free);
  model.RestrainedCount = static_cast<std::int16_t>(total - free);
  model.JointDisplacements.Redim(free);
  for (int n = 1; n <= free; ++n) model.JointDisplacements(n) = (n % 2 == 0 ? -n : n) / 1000.0f;
  model.MemberEndForces.Redim(model.MemberCount, 2 * perJoint);
  for (int m = 1; m <= model.MemberCount; ++m)
    for (int c = 1; c <= 2 * perJoint; ++c)
      model.MemberEndForces(m, c) = static_cast<float>(c > perJoint ? -(10 * m + c) : 10 * m + c);
  for (int m = 1; IsTruss(model.StructType) && m <= model.MemberCount; ++m) {
    float q = m % 3 == 1 ? -(10.0f * m + 1) : m % 3 == 2 ? 10.0f * m + 1 : 0.0f;
    model.MemberEndForces(m, 1) = q;
    model.MemberEndForces(m, perJoint + 1) = -q;
  }
  model.SupportReactions.Redim(total - free);
  for (int r = 1; r <= total - free; ++r) model.SupportReactions(r) = 100.0f * (free + r) + 0.5f;
  model.AnalysisStatus = kAnalysisComplete;
}

// The line `offset` lines below the first of `lines` that contains `text`.
std::string LineAfter(const std::vector<std::string>& lines, const std::string& text, int offset) {
  auto it = std::find_if(lines.begin(), lines.end(), [&](const std::string& line) {
    return line.find(text) != std::string::npos;
  });
  EXPECT_NE(it, lines.end()) << text;
  return it == lines.end() ? "" : *(it + offset);
}

void ExpectGolden(const std::string& text, const std::string& name) {
  const std::string golden = GoldenPath(name);
  if (std::getenv("STAVELORN_UPDATE_GOLDEN")) std::ofstream(golden, std::ios::binary) << text;
  EXPECT_EQ(text, ReadWholeFile(golden)) << name;
}

ModelStore Analysed(const std::string& name) {
  ModelStore model = LoadGoldenModel(name);
  FillHandResults(model);
  return model;
}

TEST(GoldenReport, EachStructureTypeMatchesItsCheckedFile) {
  for (const char* name : {"beam", "ptruss", "pframe", "struss", "grid", "sframe"}) {
    std::ostringstream out;
    TextReportPrinter printer(out);
    ScriptedMessages messages;
    EXPECT_EQ(PrintReport(Analysed(name), printer, messages), PrintOutcome::Printed);
    EXPECT_TRUE(messages.Log().empty());
    ExpectGolden(out.str(), name + std::string(".txt"));
  }
}

struct Trailed {
  std::string text;
  JsonValue json;
  int dofCount;
};

Trailed Trail(ModelStore model) {
  AnalysisRun run = CheckAndAnalyze(model);
  EXPECT_TRUE(run.Trail);
  if (!run.Trail) return {};
  std::ostringstream out;
  TextReportPrinter printer(out);
  PrintTrail(model, *run.Trail, printer);
  printer.EndDocument();
  return {out.str(), ParseJson(TrailJson(*run.Trail)), run.Trail->DofCount};
}

// An L-shaped frame: a column fixed at its foot and a beam pinned at its far end, with a uniform
// load on the beam and a sway load at the knee.
TEST(TrailReport, PrintsTheSmallFrameAsCheckedByEye) {
  ExpectGolden(Trail(testing::ModelFromText(R"("L frame","PFrame"
"Joints",3, 0,0, 0,4, 6,4
"Supports",2, 1,1,1,1, 3,1,1,0
"Materials",1, 200000000,0
"Cross-Sections",1, 0.01,0.0001
"Members",2, 1,2,1,1, 2,3,1,1
"Joint Loads",1, 2,10,0,0
"Member Loads",1, 2,3,5,0,0,0
)"))
                   .text,
               "trail-frame.txt");
}

TEST(TrailReport, LeavesOutALargeStiffnessMatrixAndSaysWhy) {
  struct Case {
    int bays, storeys;
    bool printed, inJson;
  };
  // 3 x (bays + 1) x storeys free coordinates: 54, 72 and 330.
  for (Case c : {Case{2, 6, true, true}, Case{3, 6, false, true}, Case{10, 10, false, false}}) {
    const Trailed t = Trail(PlaneFrameGrid(c.bays, c.storeys));
    SCOPED_TRACE(t.dofCount);
    EXPECT_EQ(t.text.find("[S] structure stiffness matrix") != std::string::npos, c.printed);
    EXPECT_EQ(t.text.find("it is printed only up to 60") != std::string::npos, !c.printed);
    EXPECT_EQ(t.json["structureStiffness"].kind == JsonValue::Kind::Null, !c.inJson);
    EXPECT_EQ(t.json["displacements"].items.size(), static_cast<std::size_t>(t.dofCount));
  }
}

TEST(TrailReport, SaysSoWhenNoCoordinateIsFree) {
  const Trailed t = Trail(testing::ModelFromText(R"("Fixed","PFrame"
"Joints",2, 0,0, 4,0
"Supports",2, 1,1,1,1, 2,1,1,1
"Materials",1, 200000000,0
"Cross-Sections",1, 0.01,0.0001
"Members",1, 1,2,1,1
"Member Loads",1, 1,3,5,0,0,0
)"));
  EXPECT_NE(t.text.find("No coordinate is free"), std::string::npos);
  EXPECT_EQ(t.json["structureStiffness"].kind, JsonValue::Kind::Array);
  EXPECT_TRUE(t.json["structureStiffness"].items.empty());
  // The member's end forces are its fixed-end forces: wL/2 and wL^2/12.
  EXPECT_EQ(t.json["members"][0]["localEndForces"][1].text, "10");
}

std::vector<std::string> InputLines(const ModelStore& model) {
  RecordingPrinter printer;
  PrintInputData(model, printer);
  return printer.Lines();
}

std::vector<std::string> ResultLines(const ModelStore& model) {
  RecordingPrinter printer;
  PrintOutput(model, printer);
  return printer.Lines();
}

// The general data, the joints and the closing lines: every empty table leaves its section out.
TEST(InputReport, ANewProjectWithOnlyJointsPrintsTheGeneralDataAndItsJoints) {
  ModelStore model;
  model.Reset();
  model.SetStructType("PFrame");
  model.JointCount = 2;
  model.JointCoords.Redim(2, 2);
  std::vector<std::string> lines = InputLines(model);
  ASSERT_EQ(lines.size(), 33u);
  EXPECT_NE(lines[32].find("End of Input Data"), std::string::npos);
}

TEST(InputReport, UnknownCodesPrintNoReleaseLineAndNoLoadLabelAndAnyRestraintCodeIsYes) {
  ModelStore beam = LoadGoldenModel("beam");
  beam.Releases(1, 2) = 0;
  beam.Releases(2, 2) = 4;
  beam.MemberLoadInfo(3, 2) = 12;
  std::vector<std::string> lines = InputLines(beam);
  EXPECT_EQ(LineAfter(lines, "Hinge at:", 2), std::string(33, ' ') + "9         Beginning");
  EXPECT_EQ(LineAfter(lines, "Intensity", 5), std::string(30, ' ') + "3       ---   ");
  ModelStore truss = LoadGoldenModel("ptruss");
  truss.Supports(1, 2) = 2;
  truss.Supports(1, 3) = -1;
  truss.Supports(2, 2) = 0;
  EXPECT_EQ(LineAfter(InputLines(truss), "X Restraint   Y Restraint", 2),
            std::string(26, ' ') + "1" + std::string(11, ' ') + "Yes           No");
}

TEST(ResultsReport, ATrussForceOfNegativeZeroIsNeitherTensionNorCompression) {
  ModelStore model = Analysed("ptruss");
  model.MemberEndForces(2, 1) = -0.0f;
  EXPECT_EQ(LineAfter(ResultLines(model), "Axial Force (Qa)", 3),
            std::string(29, ' ') + "2       0.0000E+00 ");
}

// Joint 3 of the truss is a roller: free in X, restrained in Y.
TEST(ResultsReport, RestrainedCoordinatesShowTheFirstSettlementOfTheirJoint) {
  ModelStore model = Analysed("ptruss");
  model.SettlementCount = 3;
  model.SettlementJoints.Redim(3);
  model.SettlementValues.Redim(3, 2);
  model.SettlementJoints(1) = 1;
  model.SettlementValues(1, 1) = 1E-10f;  // exactly 1E-10 is not more than 1E-10
  model.SettlementValues(1, 2) = 2E-10f;
  model.SettlementJoints(2) = 3;
  model.SettlementValues(2, 2) = -0.25f;
  model.SettlementJoints(3) = 3;
  model.SettlementValues(3, 2) = 7.0f;
  std::vector<std::string> lines = ResultLines(model);
  EXPECT_EQ(LineAfter(lines, "X Translation", 2).substr(33), " 0.0000E+00      2.0000E-10 ");
  EXPECT_EQ(LineAfter(lines, "X Translation", 4).substr(33), " 3.0000E-03     -2.5000E-01 ");
}

TEST(ResultsReport, LargeNumbersOverflowTheirFieldsAndPushTheRowRight) {
  ModelStore frame = Analysed("sframe");
  frame.MemberProps(1, 1) = 100;  // only the printed joint number changes
  EXPECT_EQ(LineAfter(ResultLines(frame), "Member: 1", 1).substr(0, 22), "       100   1.100E+01");
  ModelStore beam = Analysed("beam");
  beam.MemberProps(1, 2) = 1000;
  EXPECT_EQ(LineAfter(ResultLines(beam), "Shear Force     Moment", 3).substr(0, 49),
            std::string(30, ' ') + "1000    -1.3000E+01");
}

// More than 0.8 of 60 lines used: a new page and five blank lines before the banner.
TEST(ResultsReport, StartsANewPageOnlyWhenThePageIsMoreThanFourFifthsUsed) {
  const std::string banner = "line:" + std::string(10, ' ') + std::string(60, '*');
  for (double used : {48.5, 48.0}) {
    RecordingPrinter printer;
    printer.usedAtStart = used;
    PrintOutput(Analysed("beam"), printer);
    const std::size_t first = used > 48 ? 6 : 0;
    ASSERT_GT(printer.events.size(), first);
    EXPECT_EQ(printer.events[0] == "newpage", used > 48) << used;
    EXPECT_EQ(printer.events[first], banner) << used;
  }
}

// A clean run sets the report font, starts on the current page when at most a tenth of it is
// used (else on a new one), and at the end restores the font's old name.
TEST(PrintCommand, SetsTheFontStartsOnTheCurrentPageIfFreeAndRestoresTheFont) {
  for (double used : {0.0, 6.0, 6.5}) {
    RecordingPrinter printer;
    printer.usedAtStart = used;
    ScriptedMessages messages;
    EXPECT_EQ(PrintReport(Analysed("pframe"), printer, messages), PrintOutcome::Printed);
    const std::vector<std::string>& e = printer.events;
    const std::vector<std::string> start = {"font:Courier New", "bold:0", "size:10"};
    EXPECT_TRUE(std::equal(start.begin(), start.end(), e.begin()));
    const bool newPage = used > 6.0;
    EXPECT_EQ(e[3] == "newpage", newPage) << used;
    EXPECT_EQ(e[8 + (newPage ? 1 : 0)], "line:" + std::string(26, ' ') + std::string(28, '*'));
    EXPECT_EQ(e[e.size() - 2], "end");
    EXPECT_EQ(e.back(), "font:Arial");
  }
}

TEST(PrintCommand, RetryRepeatsTheFailedLineAndCancelAbandonsTheDocument) {
  RecordingPrinter clean;
  ScriptedMessages none;
  PrintReport(Analysed("pframe"), clean, none);
  RecordingPrinter printer;
  printer.failLine[40] = 2;  // the printer refuses line 40 twice
  ScriptedMessages messages({kAnswerRetry, kAnswerRetry});
  EXPECT_EQ(PrintReport(Analysed("pframe"), printer, messages), PrintOutcome::Printed);
  EXPECT_EQ(printer.events, clean.events);
  ASSERT_EQ(messages.Log().size(), 2u);
  EXPECT_EQ(messages.Log()[0].Title, "Printer Error");
  EXPECT_EQ(messages.Log()[0].Text, "Unexpected error # 482 occurred: \n\nPrinter error");
  EXPECT_EQ(messages.Log()[0].Style, kStyleRetryCancelCritical);

  RecordingPrinter cancelled;
  cancelled.failLine[40] = 1;
  ScriptedMessages cancel({kAnswerCancel});
  EXPECT_EQ(PrintReport(Analysed("pframe"), cancelled, cancel), PrintOutcome::Cancelled);
  EXPECT_EQ(cancelled.Lines().size(), 39u);
  const std::vector<std::string> tail = {"abandon", "font:Arial"};
  EXPECT_TRUE(std::equal(tail.begin(), tail.end(), cancelled.events.end() - 2));
  EXPECT_EQ(std::count(cancelled.events.begin(), cancelled.events.end(), "end"), 0);

  ModelStore model = Analysed("pframe");
  model.MemberCount = 11;  // one member more than the tables hold: no document is left behind
  RecordingPrinter broken;
  EXPECT_THROW(PrintReport(model, broken, none), std::out_of_range);
  EXPECT_TRUE(std::equal(tail.begin(), tail.end(), broken.events.end() - 2));
  EXPECT_TRUE(none.Log().empty());
}

// The report holds the ticked sections only, and results only after a completed analysis: they
// are unticked otherwise and cannot be ticked, so with the input data unticked nothing is chosen.
TEST(PrintOptions, TheReportHoldsTheTickedSectionsAndResultsOnlyAfterACompletedAnalysis) {
  for (std::int16_t status : {kNoResults, kAnalysisComplete, kNotStable, kSolutionFailed}) {
    ModelStore model = Analysed("pframe");
    model.AnalysisStatus = status;
    const bool complete = status == kAnalysisComplete;
    for (auto [input, results] : {std::pair{true, true}, {true, false}, {false, true}}) {
      SCOPED_TRACE(std::to_string(status) + (input ? " input" : "") + (results ? " results" : ""));
      PrintOptions options(model);
      EXPECT_TRUE(options.Available(S::InputData) && options.Chosen(S::InputData));
      EXPECT_EQ(options.Available(S::Results), complete);
      EXPECT_EQ(options.Chosen(S::Results), complete);
      options.Choose(S::InputData, input);
      options.Choose(S::Results, results);
      EXPECT_EQ(options.AnythingChosen(), input || (results && complete));
      if (!options.AnythingChosen()) continue;
      std::ostringstream out;
      TextReportPrinter printer(out);
      ScriptedMessages messages;
      ASSERT_EQ(PrintReport(model, printer, messages, options), PrintOutcome::Printed);
      EXPECT_EQ(out.str().find("End of Input Data") != std::string::npos, input);
      EXPECT_EQ(out.str().find("End of Analysis") != std::string::npos, results && complete);
    }
  }
}

// The document reaches the stream only when it ends (the golden reports show its pages); an
// abandoned one never does, and a stream that refuses the document is a printer failure.
TEST(TextReportPrinter, OnlyAFinishedDocumentReachesTheStream) {
  std::ostringstream out;
  TextReportPrinter printer(out);
  printer.PrintLine("dropped");
  printer.AbandonDocument();
  EXPECT_EQ(printer.CurrentY(), 0);
  printer.NewPage();  // nothing on the page yet: no empty page
  printer.PrintLine("a");
  EXPECT_EQ(out.str(), "");
  printer.EndDocument();
  printer.PrintLine("b");  // a new document starts on a new sheet
  printer.EndDocument();
  EXPECT_EQ(out.str(), "a\n\fb\n");
  out.setstate(std::ios::badbit);
  printer.PrintLine("lost");
  EXPECT_THROW(printer.EndDocument(), PrinterFailure);
}

}  // namespace
}  // namespace stavelorn
