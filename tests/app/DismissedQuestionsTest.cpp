// Every Yes/No question of Analyze and Edit Data dismissed with Escape or the close button: the
// command that asked it is called off there, and nothing it would have done after the question
// is done.
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "analysis/AccuracyGuard.h"
#include "analysis/AnalysisRun.h"
#include "analysis/GeneratedStructures.h"
#include "app/ProjectCommandsFixture.h"

namespace stavelorn {
namespace {

struct Dismissal {
  const char* question;
  int unknowns;                     // 300, or 301 for a model offered double precision
  const char* commands;             // A: Analyze, E: Edit Data, in order
  std::deque<int> answers;          // one Cancel among them: the dismissed question
  std::vector<std::string> titles;  // the boxes shown, in order
  bool resultsShown;                // after the last command
};

TEST_F(ProjectCommandsTest, ADismissedYesNoQuestionCallsItsCommandOff) {
  constexpr int N = kAnswerNo;
  constexpr int C = kAnswerCancel;
  const std::string save = "Save Data ?", results = kAnalysisResultsTitle, offer = kPrecisionTitle,
                    print = "Print Results ?";
  const Dismissal cases[] = {
      // Nothing is saved and nothing analysed.
      {"save before analysing", 300, "A", {C}, {save}, false},
      // The results stay shown; the precision offer that would follow is not made.
      {"print the results", 301, "A", {N, C}, {save, results}, true},
      // The offer stays open and is made again after the next analysis.
      {"double precision",
       301,
       "AA",
       {N, N, C, N, N, N},
       {save, results, offer, save, results, offer},
       true},
      // Edit Data keeps the results on the screen.
      {"print before editing", 300, "AE", {N, N, C}, {save, results, print}, true},
  };
  for (const Dismissal& dismissal : cases) {
    SCOPED_TRACE(dismissal.question);
    ScriptedMessages messages(dismissal.answers);
    ProjectCommands commands(model_, messages, dialogs_, windows_);
    commands.Start();
    model_ = PlaneFrameGrid(9, 10);
    if (dismissal.unknowns == 301) model_.Supports(1, 4) = 0;
    for (const char* command = dismissal.commands; *command; ++command)
      EXPECT_EQ(*command == 'A' ? commands.Analyze() : commands.EditData(), "");
    std::vector<std::string> titles;
    for (const ScriptedMessages::Shown& shown : messages.Log())
      if (shown.Title != kAnalysisAccuracyTitle) titles.push_back(shown.Title);
    EXPECT_EQ(titles, dismissal.titles);
    EXPECT_EQ(commands.Session().ResultsShown(), dismissal.resultsShown);
    EXPECT_EQ(commands.Prefs().Precision.Chosen(), AnalysisPrecision::Single);
  }
}

}  // namespace
}  // namespace stavelorn
