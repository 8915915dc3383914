// One load of each kind on one space-frame member, read back from where it is entered and
// listed: the dialog's labels and help, the list row, the method's load line and the drawing's
// tooltip. Each must name the load by the dialog's symbols and the sign note's direction (that
// the direction is the way the load acts is tests/analysis/MethodTrailTest.cpp; each view's
// named units are in its own checked file: pick-items.txt, method-steps.txt, the editors' layouts).
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "analysis/AnalysisRun.h"
#include "app/MethodSteps.h"
#include "app/PickInfo.h"
#include "editors/MemberLoadEditor.h"
#include "editors/MemberLoadForm.h"
#include "model/LoadSymbols.h"
#include "support/SampleModels.h"
#include "support/ScriptedMessages.h"

namespace stavelorn {
namespace {

// The symbols a text names values by: each word directly before " = ".
std::set<std::string> NamedSymbols(const std::string& text) {
  std::set<std::string> found;
  const std::regex named(R"(([A-Za-z][A-Za-z0-9]*) = )");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), named);
       it != std::sregex_iterator(); ++it)
    found.insert((*it)[1]);
  return found;
}

// Member 1's loads as the list rows, the method's first lines (after their "Load n ...: ") and
// the tooltip's "Load: " lines word them, in the order of the loads.
std::vector<std::vector<std::string>> LoadViews(ModelStore& model) {
  const AnalysisRun run = CheckAndAnalyze(model);
  EXPECT_TRUE(run.Trail);
  if (!run.Trail) return {};
  std::vector<std::vector<std::string>> views(3);
  const std::vector<std::string> trail =
      MethodSteps(model, run.Results, *run.Trail).FixedEndSources(0);
  for (int row = 0; row < model.MemberLoadCount; ++row)
    views[1].push_back(trail.at(row).substr(trail.at(row).find(": ", 10) + 2));
  std::istringstream tooltip(PickedItemText(model, run.Results, {PickedItem::Kind::Member, 1}));
  for (std::string line; std::getline(tooltip, line);)
    if (line.rfind("Load: ", 0) == 0) views[2].push_back(line.substr(6));
  ScriptedMessages messages;
  MemberLoadEditor list(model, messages);
  list.Open();
  for (int row = 1; row <= model.MemberLoadCount; ++row)
    views[0].push_back(list.Grid().Text(row, 1));
  return views;
}

// Member 1 of a space cantilever carries one load of each kind, in the order of the codes.
TEST(LoadSymbols, EveryViewNamesEachKindByTheSameSymbols) {
  std::string loads;
  for (int code = 1; code <= 11; ++code) loads += "\n1," + std::to_string(code) + ",10,3,1,0.5";
  ModelStore model = testing::ModelFromText(R"("every kind","SFrame"
"Joints",2, 0,0,0, 4,0,0
"Supports",1, 1,1,1,1,1,1,1
"Materials",1, 200000000,80000000,0.000012
"Cross-Sections",1, 0.01,0.0002,0.0001,0.00005
"Members",1, 1,2,1,1,0
"Member Loads",11)" + loads + "\n");
  const std::vector<std::vector<std::string>> views = LoadViews(model);
  ASSERT_EQ(views.size(), 3u);
  for (int code = 1; code <= 11; ++code) {
    SCOPED_TRACE("load type " + std::to_string(code));
    const MemberLoadKindInfo& kind = *FindMemberLoadKind(code);
    std::set<std::string> symbols;
    for (int k = 0; k < 4; ++k)
      if (const std::string label = LoadFieldLabel(kind, k); !label.empty())
        symbols.insert(label.substr(0, label.find_first_of(" :")));
    const std::string direction = "(" + LoadDirection(kind) + ")";
    EXPECT_NE(LoadSignNote(kind).find(LoadDirection(kind)), std::string::npos);
    // The dialog's help names b only where the kind has one.
    EXPECT_EQ(LoadDistanceNote(kind).find(" b ") != std::string::npos, symbols.count("b") > 0);
    for (const std::vector<std::string>& view : views) {
      const std::string& text = view.at(static_cast<std::size_t>(code - 1));
      EXPECT_EQ(NamedSymbols(text), symbols) << text;
      EXPECT_NE(text.find(direction), std::string::npos) << text;
    }
  }
}

}  // namespace
}  // namespace stavelorn
