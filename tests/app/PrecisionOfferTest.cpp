// The questions of Analyze and Edit Data, answered or dismissed with Escape or the close button:
// double precision is offered once a project above three hundred unknowns, and a dismissed
// question calls its command off there, with nothing it would have done afterwards done.
#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "analysis/AccuracyGuard.h"
#include "analysis/AnalysisRun.h"
#include "analysis/GeneratedStructures.h"
#include "app/ProjectCommandsFixture.h"

namespace stavelorn {
namespace {

struct Turn {
  const char* question;
  int unknowns;          // 300, or 301 for a model offered double precision
  const char* commands;  // A: Analyze, E: Edit Data, S: a new project, in order
  const char* answers;   // to the questions, in order: N(o), C(ancel), Y(es)
  const char* boxes;     // the boxes shown, in order: S(ave), R(esults), O(ffer), P(rint)
  bool resultsShown;     // after the last command
  bool doubleAfter;      // double precision chosen, and the results shown solved in it
};

TEST_F(ProjectCommandsTest, DoubleIsOfferedOnceAProjectAndADismissedQuestionCallsItsCommandOff) {
  const std::map<char, std::string> titles = {{'S', "Save Data ?"},
                                              {'R', kAnalysisResultsTitle},
                                              {'O', kPrecisionTitle},
                                              {'P', "Print Results ?"}};
  const std::map<char, int> answers = {{'N', kAnswerNo}, {'C', kAnswerCancel}, {'Y', kAnswerYes}};
  const Turn cases[] = {
      // Nothing is saved and nothing analysed.
      {"save before analysing dismissed", 300, "A", "C", "S", false, false},
      // The results stay shown; the precision offer that would follow is not made.
      {"print the results dismissed", 301, "A", "NC", "SR", true, false},
      // The offer stays open and is made again after the next analysis.
      {"double precision dismissed", 301, "AA", "NNCNNN", "SROSRO", true, false},
      // Declined, it is not made again in this project, but is in the next.
      {"double precision declined", 301, "AASA", "NNNNNNNN", "SROSRSRO", true, false},
      // Taken, the next analysis runs in double precision and offers nothing more.
      {"double precision taken", 301, "AA", "NNYNN", "SROSR", true, true},
      // Edit Data keeps the results on the screen.
      {"print before editing dismissed", 300, "AE", "NNC", "SRP", true, false},
  };
  for (const Turn& turn : cases) {
    SCOPED_TRACE(turn.question);
    std::deque<int> given;
    for (const char* a = turn.answers; *a; ++a) given.push_back(answers.at(*a));
    std::vector<std::string> expected;
    for (const char* box = turn.boxes; *box; ++box) expected.push_back(titles.at(*box));
    ScriptedMessages messages(given);
    ProjectCommands commands(model_, messages, dialogs_, windows_);
    const auto start = [&] {
      commands.Start();
      model_ = PlaneFrameGrid(9, 10);
      if (turn.unknowns == 301) model_.Supports(1, 4) = 0;
    };
    start();
    for (const char* command = turn.commands; *command; ++command)
      if (*command == 'S')
        start();
      else
        EXPECT_EQ(*command == 'A' ? commands.Analyze() : commands.EditData(), "");
    std::vector<std::string> shownTitles;
    for (const ScriptedMessages::Shown& shown : messages.Log()) {
      if (shown.Title == kPrecisionTitle) {
        EXPECT_NE(shown.Text.find("301 unknowns"), std::string::npos);
      }
      if (shown.Title != kAnalysisAccuracyTitle) shownTitles.push_back(shown.Title);
    }
    EXPECT_EQ(shownTitles, expected);
    if (turn.doubleAfter) {
      EXPECT_EQ(messages.Log().back().Title, kAnalysisResultsTitle);  // no accuracy box after it
      EXPECT_TRUE(commands.Trail() && commands.Trail()->DoublePrecision);
    }
    EXPECT_EQ(commands.Session().ResultsShown(), turn.resultsShown);
    EXPECT_EQ(commands.Prefs().Precision.Chosen(),
              turn.doubleAfter ? AnalysisPrecision::Double : AnalysisPrecision::Single);
    EXPECT_EQ(commands.PrecisionStatus(), turn.doubleAfter ? "double precision" : "");
  }
  PrecisionChoice restored;
  restored.Restore("Double");  // not written by the program: the method as taught
  EXPECT_EQ(restored.Chosen(), AnalysisPrecision::Single);
}

}  // namespace
}  // namespace stavelorn
