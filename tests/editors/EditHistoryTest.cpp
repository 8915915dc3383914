#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "editors/EditHistory.h"

namespace stavelorn {
namespace {

// One session of commands on a history that starts at state 0, saved: "+5" records the step
// "s5" leading to state 5, "u" undoes, "r" redoes, "S" marks the current state saved. The
// expectations are what a user would see afterwards.
struct Session {
  const char* commands;
  std::size_t limit;
  int state;             // the current state
  const char* undoName;  // what Undo would take back ("" for nothing)
  const char* redoName;  // what Redo would make again
  bool saved;            // the current state is the one last saved
};

const Session kSessions[] = {
    {"", 200, 0, "", "", true},
    {"+1", 200, 1, "s1", "", false},
    {"+1 +2 u", 200, 1, "s1", "s2", false},
    {"+1 +2 u u", 200, 0, "", "s1", true},
    {"+1 +2 u u u", 200, 0, "", "s1", true},  // nothing left to undo: no change
    {"+1 +2 u u r r r", 200, 2, "s2", "", false},
    {"+1 +2 u +3", 200, 3, "s3", "", false},  // a new step drops what could be redone
    {"+1 +2 u +3 u", 200, 1, "s1", "s3", false},
    {"+1 S +2 u", 200, 1, "s1", "s2", true},  // back to the saved state
    {"+1 S u", 200, 0, "", "s1", false},
    {"+1 S u r", 200, 1, "s1", "", true},
    {"+1 +2 S u u +3 u", 200, 0, "", "s3", false},  // the saved state can no longer be reached
    {"+1 +2 +3 +4", 3, 4, "s4", "", false},
    {"+1 +2 +3 +4 u u u u", 3, 1, "", "s2", false},  // the oldest step is forgotten
    {"S +1 +2 +3 u u u", 3, 0, "", "s1", true},
    {"S +1 +2 +3 +4 u u u", 3, 1, "", "s2", false},  // the saved state went with it
};

TEST(EditHistory, EachCommandSequenceEndsWhereAUserExpects) {
  for (const Session& s : kSessions) {
    SCOPED_TRACE(std::string("\"") + s.commands + "\" limit " + std::to_string(s.limit));
    EditHistory<int> history(0, s.limit);
    std::istringstream commands(s.commands);
    for (std::string c; commands >> c;) {
      if (c == "u")
        history.Undo();
      else if (c == "r")
        history.Redo();
      else if (c == "S")
        history.MarkSaved();
      else
        history.Record("s" + c.substr(1), std::stoi(c.substr(1)));
    }
    EXPECT_EQ(history.Current(), s.state);
    EXPECT_EQ(history.UndoName(), s.undoName);
    EXPECT_EQ(history.RedoName(), s.redoName);
    EXPECT_EQ(history.CanUndo(), *s.undoName != '\0');
    EXPECT_EQ(history.CanRedo(), *s.redoName != '\0');
    EXPECT_EQ(history.AtSaved(), s.saved);
  }
}

// Two hundred steps and more: each undo hands back the state before its step, in order, down to
// the oldest step kept.
TEST(EditHistory, KeepsTwoHundredStepsInOrder) {
  EditHistory<int> history(0);
  for (int step = 1; step <= 250; ++step) history.Record("s" + std::to_string(step), step);
  int undone = 0;
  while (history.CanUndo()) {
    const int before = history.Current();
    EXPECT_EQ(history.UndoName(), "s" + std::to_string(before));
    EXPECT_EQ(history.Undo(), before - 1);
    ++undone;
  }
  EXPECT_EQ(undone, 200);
  EXPECT_EQ(history.Current(), 50);
  history.Reset(7, false);
  EXPECT_FALSE(history.CanUndo() || history.CanRedo() || history.AtSaved());
  EXPECT_EQ(history.Current(), 7);
}

}  // namespace
}  // namespace stavelorn
