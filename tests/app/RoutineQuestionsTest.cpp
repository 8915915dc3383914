// The routine questions (save before Analyze, print on Edit Data, Edit in a list window): each
// offers "Don't ask again", a tick keeps the answer it came with for as long as the preferences
// say so, and the Preferences dialog asks it again. (That the save question is put only about
// data the project's file does not hold is in tests/app/golden/session.txt and
// PrecisionOfferTest.cpp.) Then the other preference kept across projects, the recent files.
#include <gtest/gtest.h>

#include <utility>

#include "app/ProjectCommandsFixture.h"
#include "app/RecentProjects.h"
#include "editors/EditorSession.h"

namespace stavelorn {
namespace {

using M = MenuItem;
using Q = RoutineQuestion;

// One turn of a routine question: whether its box showed, offering "Don't ask again", and
// whether the command then did what Yes (or OK) does.
using Turn = std::pair<bool, bool>;

class RoutineQuestionsTest : public ProjectCommandsTest {
 protected:
  void SetUp() override {
    ProjectCommandsTest::SetUp();
    OpenCopyOf("portal-frame.str");
  }

  // Brings the command of `question` to its question and answers `answer` (ticked when `tick`)
  // if a box is expected.
  Turn Take(Q question, bool expectAsked, int answer, bool tick) {
    // The state where the question is put: data the file does not hold, or results shown.
    if (question == Q::SaveBeforeAnalysis) {
      if (commands_.Session().ResultsShown()) EditDataQuietly();
      model_.JointCoords(2, 2) += ++changes_ % 2 ? 0.25f : -0.25f;
      commands_.DataWindowClosed(M::MnuJoint, true);
    }
    if (question == Q::PrintOnEditData && !commands_.Session().ResultsShown()) AnalyzeQuietly();
    const std::size_t before = messages_.Log().size();
    const std::size_t printed = windows_.printed.str().size();
    if (expectAsked) messages_.Answer(answer, tick);
    bool positive = false;
    switch (question) {
      case Q::SaveBeforeAnalysis:
        if (!expectAsked || answer != kAnswerCancel) messages_.Answer(kAnswerNo);  // results
        commands_.Analyze();
        positive = !commands_.HasUnsavedChanges();
        break;
      case Q::PrintOnEditData:
        commands_.EditData();
        positive = windows_.printed.str().size() > printed;
        break;
      case Q::EditListItem: {
        DataWindow window = MakeDataWindow(FormId::JointA, model_, messages_);
        testing::ScriptedEditorWindows editorWindows(*window.Editor);
        window.Editor->Open();
        window.Editor->Grid().Select(2, 1, 2, 1);
        editorWindows.Then([](ListEditor& editor) { editor.CancelEntry(); });
        window.Editor->Edit();
        positive = editorWindows.dialogs == 1;
        break;
      }
      case Q::Count: break;
    }
    const auto& log = messages_.Log();
    const bool asked = log.size() > before && log[before].DontAskOffered &&
                       log[before].Style == RoutineQuestionOf(question).Style;
    return {asked, positive};
  }
  void EditDataQuietly() {
    if (!commands_.Prefs().Routine.Kept(Q::PrintOnEditData)) messages_.Answer(kAnswerNo);
    commands_.EditData();
  }

  int changes_ = 0;  // joint 2 moves up and down by turns, so the frame keeps its shape
};

TEST_F(RoutineQuestionsTest, ATickKeepsTheAnswerUntilThePreferencesAskAgain) {
  const struct {
    Q question;
    int answer;
    bool tick;
    bool kept;  // the next turn takes `answer` without asking
  } rows[] = {
      {Q::SaveBeforeAnalysis, kAnswerYes, true, true},
      {Q::SaveBeforeAnalysis, kAnswerYes, false, false},
      {Q::SaveBeforeAnalysis, kAnswerCancel, true, false},  // a dismissal keeps nothing
      {Q::PrintOnEditData, kAnswerYes, true, true},
      {Q::PrintOnEditData, kAnswerNo, true, true},
      {Q::EditListItem, kAnswerOk, true, true},
      {Q::EditListItem, kAnswerCancel, true, false},  // would leave Edit doing nothing
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(RoutineQuestionOf(row.question).Setting) + " answered " +
                 std::to_string(row.answer) + (row.tick ? ", ticked" : ""));
    commands_.Prefs().Routine = RoutineAnswers();
    const bool positive = row.answer == kAnswerYes || row.answer == kAnswerOk;
    EXPECT_EQ(Take(row.question, true, row.answer, row.tick), (Turn{true, positive}));
    const int negative =
        RoutineQuestionOf(row.question).Style == kStyleYesNoQuestion ? kAnswerNo : kAnswerCancel;
    const Turn expected = row.kept ? Turn{false, positive} : Turn{true, false};
    EXPECT_EQ(Take(row.question, !row.kept, negative, false), expected);

    // Preferences, cancelled, leaves the answer kept; OK on "Ask every time" asks again.
    for (const bool ok : {false, true}) {
      windows_.preferences = [&](RoutineAnswers& answers) {
        EXPECT_EQ(answers.Kept(row.question), row.kept ? row.answer : 0);
        answers.Keep(row.question, 0);
        return ok;
      };
      commands_.Run(M::MnuProjPreferences);
    }
    EXPECT_EQ(Take(row.question, true, negative, false), (Turn{true, false}));
  }
}

// The last opened comes first, a file is listed once, a kept list loses blanks and is cut to
// eight, and captions are numbered with their ampersands shown.
TEST(RecentProjects, OrderRepeatsLengthAndCaptions) {
  RecentProjects recent(
      std::vector<std::string>{"/a", "", "/b", "/a", "/c", "/d", "/e", "/f", "/g", "/h", "/i"});
  EXPECT_EQ(recent.Paths(),
            (std::vector<std::string>{"/a", "/b", "/c", "/d", "/e", "/f", "/g", "/h"}));
  recent.Add("/p/Smith & Jones.str");
  recent.Add("/c");
  recent.Add("");  // no file: nothing to list
  EXPECT_EQ(recent.Caption(1), "&2 /p/Smith && Jones.str");
  recent.Remove("/c");
  EXPECT_EQ(recent.Paths().front(), "/p/Smith & Jones.str");
  EXPECT_EQ(recent.Paths().size(), 7u);
}

}  // namespace
}  // namespace stavelorn
