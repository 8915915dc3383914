// The printed reports against checked golden files (STAVELORN_UPDATE_GOLDEN=1 rewrites them),
// what those files cannot show, and the print command around the reports.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/AnalysisRun.h"
#include "analysis/GeneratedStructures.h"
#include "model/NumberText.h"
#include "reports/DiagramsReport.h"
#include "reports/JsonReader.h"
#include "reports/PrintCommand.h"
#include "reports/PrintOptions.h"
#include "reports/ReportLine.h"
#include "reports/ReportPrinter.h"
#include "reports/ResultsReport.h"
#include "reports/TextReportPrinter.h"
#include "reports/TrailJson.h"
#include "reports/TrailReport.h"
#include "support/Golden.h"
#include "support/SampleModels.h"
#include "support/ScriptedMessages.h"

namespace stavelorn {
namespace {

using S = ReportSection;

// Records every operation on a page of 60 lines; can start part-way down the first page and
// fail chosen lines a given number of times, like a printer out of paper.
class RecordingPrinter : public ReportPrinter {
 public:
  std::vector<std::string> events;  // "line:<text>", "newpage", "font:<name>", ...
  double usedAtStart = 0;
  std::map<int, int> failLine;  // document line (from 1) -> failures still to come

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
  void PrintPicture(const PagePicture& picture) override {
    events.push_back("picture:" + picture.Caption());
  }
  void EndDocument() override { events.push_back("end"); }
  void AbandonDocument() override { events.push_back("abandon"); }
  std::string FontName() const override { return font_; }
  void SetFontName(const std::string& name) override { events.push_back("font:" + (font_ = name)); }
  void SetFontSize(double points) override {
    events.push_back("size:" + std::to_string(static_cast<int>(points)));
  }
  void SetFontBold(bool bold) override { events.push_back(bold ? "bold:1" : "bold:0"); }

 private:
  int printed_ = 0;
  int lines_ = 0;
  std::string font_ = "Arial";
};

void ExpectGolden(const std::string& text, const std::string& name) {
  testing::ExpectGoldenFile(text, "tests/reports/golden/" + name);
}

// frame-sparse: one of each table that has a row, and none of the loads on members (a section
// without a record prints nothing, not even its heading).
// frame-mixed-loads: no support yet (no table of them), and a point load listed before a
// whole-span uniform one takes the full member-load table.
// pframe-uniform: whole-span uniform loads keep the one-intensity member-load table. The
// "-kip-in" files: named units stand over each table's columns, in the general data and after each
// member load; the rest of each report is as without them.
TEST(GoldenReport, EachStructureTypeMatchesItsCheckedFile) {
  for (const std::string name :
       {"beam", "ptruss", "pframe", "pframe-uniform", "struss", "grid", "sframe", "pframe-kip-in",
        "sframe-kip-in", "grid-kip-in", "frame-sparse", "frame-mixed-loads"}) {
    const testing::AnalysedModel analysed = testing::HandResultsModel(name);
    ScriptedMessages messages;
    ExpectGolden(testing::PrintedText([&](ReportPrinter& printer) {
                   EXPECT_EQ(PrintReport(analysed.Model, analysed.Results, printer, messages),
                             PrintOutcome::Printed);
                 }),
                 name + ".txt");
    EXPECT_TRUE(messages.Log().empty());
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
  return {testing::PrintedText(
              [&](ReportPrinter& printer) { PrintTrail(model, run.Results, *run.Trail, printer); }),
          ParseJson(TrailJson(*run.Trail)), run.Trail->DofCount};
}

// An L-shaped frame (trail-frame.str): a column fixed at its foot and a beam pinned at its far
// end, with a uniform load on the beam and a sway load at the knee; free coordinates 3 and 4 are
// rotations. With named units each member's length, each row's force unit (kN or kN-m) and each
// column's displacement unit are printed too. A space frame's 12 columns are printed in blocks;
// the diagrams report of a space frame with hand-filled results lists each member's stations.
TEST(TrailReport, PrintsTheSmallFramesAsCheckedByEye) {
  const std::string frame =
      testing::ReadWholeFile(testing::SourcePath("tests/reports/golden/trail-frame.str"));
  ExpectGolden(Trail(testing::ModelFromText(frame)).text, "trail-frame.txt");
  ExpectGolden(Trail(testing::ModelFromText(frame + "\"Units\",1, \"kN\",\"m\",\"C\"\n")).text,
               "trail-frame-kN.txt");
  ExpectGolden(Trail(testing::ModelFromFile("tests/app/golden/steps-space.str")).text,
               "trail-space.txt");
  // Every joint held (held-beam.str): no [S] to solve, and the member's end forces are its
  // fixed-end forces.
  ExpectGolden(Trail(testing::ModelFromFile("tests/reports/golden/held-beam.str")).text,
               "trail-held.txt");
  const testing::AnalysedModel sframe = testing::HandResultsModel("sframe-kip-in");
  ExpectGolden(testing::PrintedText([&](ReportPrinter& printer) {
                 PrintDiagramsReport(sframe.Model, sframe.Results, printer);
               }),
               "diagrams-sframe-kip-in.txt");
}

// Wherever the page stands, the diagrams' title and each member's table start with a fifth of
// the page left at least (their first line above line 50), or on a new page.
TEST(DiagramsReport, TheTitleAndEachMemberStartWithAFifthOfThePageLeft) {
  const testing::AnalysedModel sframe = testing::HandResultsModel("sframe-kip-in");
  for (int start = 0; start < 60; ++start) {
    RecordingPrinter printer;
    printer.usedAtStart = start;
    PrintDiagramsReport(sframe.Model, sframe.Results, printer);
    int y = start;
    for (const std::string& e : printer.events) {
      if (e == "newpage") y = 0;
      if (e.rfind("line:", 0) != 0) continue;
      const std::size_t at = e.find_first_not_of(' ', 5);
      if (at != std::string::npos && (e.compare(at, 6, "Member") == 0 || e[at] == '=')) {
        EXPECT_LE(y, e[at] == '=' ? 50 : 48) << start << ": " << e;  // the title's rules
      }
      ++y;
    }
  }
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

// A paragraph fills each line up to its width, a word that fills one exactly included; a word
// longer than a line stands alone.
TEST(ReportLine, WrappedLinesFillEachLineUpToItsWidth) {
  const struct {
    std::size_t width;
    std::vector<std::string> lines;
  } cases[] = {{11, {"aaa bbb c12"}},
               {10, {"aaa bbb", "c12"}},
               {7, {"aaa bbb", "c12"}},
               {6, {"aaa", "bbb", "c12"}},
               {2, {"aaa", "bbb", "c12"}}};
  for (const auto& c : cases) EXPECT_EQ(WrappedLines("aaa bbb c12", c.width), c.lines) << c.width;
  EXPECT_TRUE(WrappedLines("", 5).empty());
}

// What the printer was asked to do, in short: each run of lines as its count and its first line.
std::string Events(const RecordingPrinter& printer) {
  std::string text;
  int lines = 0;
  for (const std::string& e : printer.events) {
    const bool line = e.rfind("line:", 0) == 0;
    if (line && lines++ == 0) text += "\n  " + e;
    if (line) continue;
    if (lines) text += " (" + std::to_string(lines) + " lines)";
    lines = 0;
    text += "\n  " + e;
  }
  return text + (lines ? " (" + std::to_string(lines) + " lines)\n" : "\n");
}

// Against a file checked by eye: a clean run sets the report font, starts on the current page
// when at most a tenth of it is used (else on a new one), and at the end restores the font's old
// name. The results start a new page, with five blank lines before their banner, when more than
// 0.8 of it is used. A printer that refuses a line asks to retry it, and retried twice the
// document is the clean one; cancelled, the document is abandoned after the lines before it.
TEST(PrintCommand, PagesFontsRetriesAndCancelMatchTheCheckedFile) {
  const testing::AnalysedModel pframe = testing::HandResultsModel("pframe");
  const testing::AnalysedModel beam = testing::HandResultsModel("beam");
  std::string text;
  for (double used : {0.0, 6.0, 6.5, 48.0, 48.5}) {
    RecordingPrinter printer;
    printer.usedAtStart = used;
    ScriptedMessages messages;
    if (used < 10)
      EXPECT_EQ(PrintReport(pframe.Model, pframe.Results, printer, messages),
                PrintOutcome::Printed);
    else
      PrintOutput(beam.Model, beam.Results, printer);
    text += (used < 10 ? "== the report, " : "== the results, ") + FormatShortest(used) +
            " lines used" + Events(printer);
  }
  {
    RecordingPrinter printer;  // the method report starts a new page when little is left
    printer.usedAtStart = 50;
    ModelStore frame = testing::ModelFromFile("tests/reports/golden/trail-frame.str");
    const AnalysisRun run = CheckAndAnalyze(frame);
    PrintTrail(frame, run.Results, *run.Trail, printer);
    text += "== the method, 50 lines used" + Events(printer);
  }
  for (int failures : {2, 1}) {
    RecordingPrinter printer;
    printer.failLine[40] = failures;  // the printer refuses line 40
    ScriptedMessages messages({failures == 2 ? kAnswerRetry : kAnswerCancel, kAnswerRetry});
    const PrintOutcome outcome = PrintReport(pframe.Model, pframe.Results, printer, messages);
    text += "== line 40 refused " + std::to_string(failures) + " times, " +
            (outcome == PrintOutcome::Printed ? "printed" : "cancelled") + Events(printer);
    for (const auto& shown : messages.Log())
      text += "  message, style " + std::to_string(shown.Style) + ": " + shown.Text + "\n";
  }
  ExpectGolden(text, "print-events.txt");
}

// A diagram's picture as the printer sees it.
struct CaptionedPicture : PagePicture {
  std::string Caption() const override { return "M"; }
};

// The report holds the ticked sections only, and results only after a completed analysis: they
// are unticked otherwise and cannot be ticked, so with the input data unticked nothing is chosen.

TEST(PrintOptions, TheReportHoldsTheTickedSectionsAndResultsOnlyAfterACompletedAnalysis) {
  for (std::int16_t status : {kNoResults, kAnalysisComplete, kNotStable, kSolutionFailed}) {
    // The hand-filled result arrays stay behind whatever the status says.
    testing::AnalysedModel analysed = testing::HandResultsModel("pframe");
    analysed.Results.AnalysisStatus = status;
    const ModelStore& model = analysed.Model;
    const bool complete = status == kAnalysisComplete;
    for (auto [input, results] : {std::pair{true, true}, {true, false}, {false, true}}) {
      SCOPED_TRACE(std::to_string(status) + (input ? " input" : "") + (results ? " results" : ""));
      PrintOptions options(analysed.Results);
      EXPECT_TRUE(options.Available(S::InputData) && options.Chosen(S::InputData));
      EXPECT_EQ(options.Available(S::Results), complete);
      EXPECT_EQ(options.Chosen(S::Results), complete);
      options.Choose(S::InputData, input);
      options.Choose(S::Results, results);
      EXPECT_EQ(options.AnythingChosen(), input || (results && complete));
      if (!options.AnythingChosen()) continue;
      ScriptedMessages messages;
      const std::string out = testing::PrintedText([&](ReportPrinter& printer) {
        EXPECT_EQ(PrintReport(model, analysed.Results, printer, messages, options),
                  PrintOutcome::Printed);
      });
      EXPECT_EQ(out.find("End of Input Data") != std::string::npos, input);
      EXPECT_EQ(out.find("End of Analysis") != std::string::npos, results && complete);
    }
  }
  // The diagrams' pictures go to the printer in their order, after the results and before the
  // diagram tables, and only when the diagrams are ticked.
  ModelStore model = testing::ModelFromFile("tests/reports/golden/pframe.str");
  const StructureResults results = CheckAndAnalyze(model).Results;
  const CaptionedPicture m;
  for (bool ticked : {true, false}) {
    PrintOptions options(results);
    options.Choose(S::Diagrams, ticked);
    RecordingPrinter printer;
    ScriptedMessages messages;
    PrintReport(model, results, printer, messages, options, nullptr, {&m, &m});
    std::string order;
    for (const std::string& e : printer.events) {
      if (e == "picture:M") order += "P";
      if (e.find("End of Analysis") != std::string::npos) order += "R";
      if (e.find("Internal Force Diagrams") != std::string::npos) order += "T";
    }
    EXPECT_EQ(order, ticked ? "RPPT" : "R");
  }
}

// The document reaches the stream only when it ends (the golden reports show its pages); an
// abandoned one never does, and a stream that refuses the document is a printer failure.
TEST(TextReportPrinter, OnlyAFinishedDocumentReachesTheStream) {
  std::ostringstream out;
  TextReportPrinter printer(out);
  printer.PrintLine("dropped");
  printer.AbandonDocument();
  printer.PrintLine("a");
  EXPECT_EQ(out.str(), "");
  printer.EndDocument();
  std::string sheet;  // a new document starts on a new sheet, which it fills whole
  for (int i = 0; i < TextReportPrinter::kLinesPerPage; ++i) printer.PrintLine("b"), sheet += "b\n";
  printer.EndDocument();
  printer.PrintLine("abandoned");
  printer.AbandonDocument();
  for (int i = 0; i < TextReportPrinter::kLinesPerPage; ++i) printer.PrintLine("b");  // the same
  printer.EndDocument();
  EXPECT_EQ(out.str(), "a\n\f" + sheet + "\f" + sheet);
  out.setstate(std::ios::badbit);
  printer.PrintLine("lost");
  EXPECT_THROW(printer.EndDocument(), PrinterFailure);
}

}  // namespace
}  // namespace stavelorn
