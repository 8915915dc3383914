// One load of each kind on one space-frame member, read back from everywhere it is shown: the
// dialog's labels, the list row, the method's load line, the drawing's tooltip, the member
// window's label and the printed table. Each must name the load by the same symbols and
// direction, which this test states by hand for every kind.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "analysis/AnalysisRun.h"
#include "analysis/MemberDiagrams.h"
#include "app/MethodSteps.h"
#include "app/PickInfo.h"
#include "editors/MemberLoadEditor.h"
#include "editors/MemberLoadForm.h"
#include "graphics/DiagramDrawing.h"
#include "graphics/RecordingCanvas.h"
#include "model/LoadSymbols.h"
#include "reports/InputReport.h"
#include "reports/TextReportPrinter.h"
#include "support/SampleModels.h"
#include "support/ScriptedMessages.h"

namespace stavelorn {
namespace {

struct Expected {
  int code;
  std::set<std::string> symbols;  // every value the kind has
  const char* direction;
};

const Expected kKinds[] = {
    {1, {"P", "a"}, "local y"},
    {2, {"M", "a"}, "about local z"},
    {3, {"w", "a", "b"}, "local y"},
    {4, {"w1", "w2", "a", "b"}, "local y"},
    {5, {"P", "a"}, "axial"},
    {6, {"w", "a", "b"}, "axial"},
    {7, {"T", "a"}, "axial"},
    {8, {"P", "a"}, "local z"},
    {9, {"M", "a"}, "about local y"},
    {10, {"w", "a", "b"}, "local z"},
    {11, {"w1", "w2", "a", "b"}, "local z"},
};

// The symbols a text names values by: each word directly before " = ".
std::set<std::string> NamedSymbols(const std::string& text) {
  std::set<std::string> found;
  const std::regex named(R"(([A-Za-z][A-Za-z0-9]*) = )");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), named);
       it != std::sregex_iterator(); ++it)
    found.insert((*it)[1]);
  return found;
}

// Member 1 of a space cantilever carries load i + 1 of kKinds (code i + 1): magnitude 10 + i,
// w2 = 3 for a linear load, a = 1 and b = 0.5 where the kind has them.
ModelStore EveryKindOnOneMember() {
  std::string loads;
  for (const Expected& e : kKinds)
    loads += "\n1," + std::to_string(e.code) + "," + std::to_string(9 + e.code) + ",3,1,0.5";
  ModelStore model = testing::ModelFromText(R"("every kind","SFrame"
"Joints",2, 0,0,0, 4,0,0
"Supports",1, 1,1,1,1,1,1,1
"Materials",1, 200000000,80000000,0.000012
"Cross-Sections",1, 0.01,0.0002,0.0001,0.00005
"Members",1, 1,2,1,1,0
"Member Loads",11)" + loads + "\n");
  EXPECT_EQ(model.MemberLoadCount, 11);
  return model;
}

TEST(LoadSymbols, EveryViewNamesEachKindByTheSameSymbols) {
  ModelStore model = EveryKindOnOneMember();
  const AnalysisRun run = CheckAndAnalyze(model);
  ASSERT_TRUE(run.Trail);
  ASSERT_EQ(model.AnalysisStatus, kAnalysisComplete);

  const std::vector<std::string> sources = MethodSteps(model, *run.Trail).FixedEndSources(0);
  const std::string tooltip = PickedItemText(model, {PickedItem::Kind::Member, 1});
  RecordingCanvas memberWindow;
  DrawMemberDiagrams(model, BuildMemberDiagrams(model).at(0), memberWindow);
  std::vector<std::string> drawn;
  for (const Stroke& s : memberWindow.Strokes())
    if (s.Shape == Stroke::Kind::Text && s.Text.find(" = ") != std::string::npos)
      drawn.push_back(s.Text);
  ASSERT_EQ(drawn.size(), std::size(kKinds));
  std::ostringstream report;
  TextReportPrinter printer(report);
  PrintInputData(model, printer);
  printer.EndDocument();
  const std::string printed = report.str();
  ScriptedMessages messages;
  MemberLoadEditor list(model, messages);
  list.Open();

  for (std::size_t i = 0; i < std::size(kKinds); ++i) {
    const Expected& e = kKinds[i];
    SCOPED_TRACE("load type " + std::to_string(e.code));
    const MemberLoadKindInfo& kind = *FindMemberLoadKind(e.code);
    std::set<std::string> magnitudes;
    for (const std::string& s : e.symbols)
      if (s != "a" && s != "b") magnitudes.insert(s);

    // The dialog labels each field it shows with the value's symbol.
    std::set<std::string> labelled;
    for (int k = 0; k < 4; ++k) {
      const std::string label = LoadFieldLabel(kind, k);
      if (!label.empty()) labelled.insert(label.substr(0, label.find_first_of(" :")));
    }
    EXPECT_EQ(labelled, e.symbols);
    // Its sign note names the magnitude, and its help names b only where there is one.
    const std::string help = LoadSignNote(kind) + " " + LoadDistanceNote(kind);
    EXPECT_NE(help.find(*magnitudes.begin()), std::string::npos) << help;
    EXPECT_EQ(help.find(" b ") != std::string::npos, e.symbols.count("b") > 0) << help;

    // The list row, the method's line and the tooltip line of the load, found by its order.
    const std::string row = list.Grid().Text(static_cast<int>(i) + 1, 1);
    const std::string trail = sources.at(i);
    std::istringstream tooltipLines(tooltip);
    std::string line, tip;
    for (std::size_t n = 0; std::getline(tooltipLines, line);)
      if (line.rfind("Load: ", 0) == 0 && n++ == i) tip = line;
    for (const std::string& text : {row, trail, tip}) {
      EXPECT_EQ(NamedSymbols(text), e.symbols) << text;
      EXPECT_NE(text.find("(" + std::string(e.direction) + ")"), std::string::npos) << text;
      EXPECT_NE(text.find(std::to_string(9 + e.code)), std::string::npos) << text;
    }
    // The drawing labels the magnitudes.
    EXPECT_EQ(NamedSymbols(drawn[i]), magnitudes) << drawn[i];
    EXPECT_NE(drawn[i].find(e.direction), std::string::npos) << drawn[i];

    // The printed row: the kind by its magnitudes and direction, a value under each column the
    // kind has and "---" under the others.
    std::string kindLabel;
    for (const char* s : {"P", "M", "T", "w", "w1", "w2"})
      if (magnitudes.count(s)) kindLabel += std::string(kindLabel.empty() ? "" : ",") + s;
    kindLabel += " " + std::string(e.direction);
    const std::size_t at = printed.find("  " + kindLabel + " ");
    ASSERT_NE(at, std::string::npos) << kindLabel;
    const std::string printedRow = printed.substr(at, printed.find('\n', at) - at);
    std::size_t dashes = 0;
    for (std::size_t p = printedRow.find("---"); p != std::string::npos;
         p = printedRow.find("---", p + 3))
      ++dashes;
    EXPECT_EQ(dashes, 4 - e.symbols.size()) << printedRow;
  }
}

}  // namespace
}  // namespace stavelorn
