// The "Check My Work" window's state: a silent analysis that leaves the program's model alone,
// what is offered before and after a failed analysis, pasting a spreadsheet's cells with
// blanks, the marks, tooltips, count and findings of Check, and Show Answer.
#include "app/CheckWork.h"

#include <gtest/gtest.h>

#include "support/SampleModels.h"

namespace stavelorn {
namespace {

using namespace testing;
using Q = AnswerQuantity;

ModelStore Portal() {
  return ModelFromText(ReadWholeFile(SourcePath("examples/portal-frame.str")));
}

TEST(CheckWork, ASilentAnalysisLeavesTheModelAsItWasAndARefusedModelSaysWhy) {
  const ModelStore model = Portal();
  std::string problem;
  std::optional<AnswerKey> key = KeyForExercise(model, nullptr, problem);
  ASSERT_TRUE(key);
  EXPECT_TRUE(key->Solved());
  EXPECT_EQ(model.AnalysisStatus, kNoResults);
  EXPECT_EQ(model.JointDisplacements.Size(), 0);
  EXPECT_EQ(CheckWork(*key).Offered().size(), AnswerQuantities().size());

  ModelStore broken = Portal();
  broken.MemberProps(2, 2) = 2;  // a member from joint 2 to joint 2
  EXPECT_FALSE(KeyForExercise(broken, nullptr, problem));
  EXPECT_NE(problem.find("Member 2"), std::string::npos) << problem;
}

TEST(CheckWork, AfterAFailedAnalysisOnlyTheMemberStepsAreOffered) {
  ModelStore model = Portal();
  model.Supports(1, 4) = 0;  // a pin at one base, nothing at the other: a mechanism
  model.Supports(2, 2) = 0;
  model.Supports(2, 3) = 0;
  std::string problem;
  const CheckWork work(*KeyForExercise(model, nullptr, problem));
  const std::vector<Q> offered = work.Offered();
  EXPECT_EQ(offered, (std::vector<Q>{Q::L, Q::Cosines, Q::Codes, Q::k, Q::T, Q::K, Q::Qf, Q::Ff}));
  EXPECT_FALSE(work.Note().empty());
}

TEST(CheckWork, APastedGridWithBlanksIsCheckedEntryByEntry) {
  std::string problem;
  CheckWork work(*KeyForExercise(Portal(), nullptr, problem));
  work.Choose(Q::K, 1);  // the vertical column, 6 x 6
  ASSERT_EQ(work.Grid().Rows, 6);
  EXPECT_EQ(work.Grid().RowLabels[0], "v1 (X trans., joint 1)");
  EXPECT_EQ(work.Grid().ColumnLabels[5], "v6 (Z rot., joint 2)");
  // Row 1 of [K] of a vertical member (EI = 23000, L = 5): 12EI/L³, 0, -6EI/L², ... pasted from
  // column 1 with a blank; row 2 with a sign slip, text that is no number and a line too long.
  const int filled = work.Paste(0, 0,
                                "2208\t\t-5520\t-2208\t0\t-5520\r\n"
                                "0\t-312000\tabc\t0\t-312000\t0\t99\n");
  EXPECT_EQ(filled, 12);
  EXPECT_EQ(work.Entry(0, 1), "");
  EXPECT_EQ(work.Entry(1, 2), "abc");
  EXPECT_EQ(work.Mark(0, 0), EntryMark::Entered);
  EXPECT_EQ(work.Tooltip(0, 0), "");
  EXPECT_EQ(work.Summary(), "");

  work.Check();
  EXPECT_EQ(work.Mark(0, 1), EntryMark::Empty);
  EXPECT_EQ(work.Mark(0, 0), EntryMark::Right);
  EXPECT_EQ(work.Mark(1, 1), EntryMark::Wrong);
  EXPECT_EQ(work.Mark(1, 2), EntryMark::NotNumber);
  EXPECT_EQ(work.Mark(1, 4), EntryMark::Right);
  EXPECT_EQ(work.Summary(), "10 entries checked: 9 right, 1 wrong.");
  EXPECT_EQ(work.Tooltip(1, 1), "Wrong: sign — check the signs of the direction cosines in [T]");
  EXPECT_EQ(work.Findings(),
            (std::vector<std::string>{
                "row 2, column 2: sign — check the signs of the direction cosines in [T]",
                "row 2, column 3: \"abc\" is not a number"}));
  EXPECT_EQ(work.AnswerText(1, 1), "");

  work.ShowAnswer();
  EXPECT_EQ(work.AnswerText(1, 1), "312000");
  EXPECT_EQ(work.AnswerText(0, 2), "-5520");
  // Typing again takes back the verdicts and the answer.
  work.SetEntry(1, 1, "312000");
  EXPECT_EQ(work.Mark(1, 1), EntryMark::Entered);
  EXPECT_FALSE(work.AnswerShown());
}

TEST(CheckWork, TransformationRowsAreLocalAndTabsOrLineBreaksMakeABlockOfCells) {
  std::string problem;
  const AnswerKey key = *KeyForExercise(Portal(), nullptr, problem);
  // {u} = [T]{v}: [T]'s rows are [k]'s local coordinates, its columns [K]'s global ones.
  const AnswerGrid t = key.Expected(Q::T, 3);
  EXPECT_EQ(t.RowLabels, key.Expected(Q::k, 3).RowLabels);
  EXPECT_EQ(t.ColumnLabels, key.Expected(Q::K, 3).ColumnLabels);
  EXPECT_NE(t.RowLabels, t.ColumnLabels);
  for (const char* block : {"1\t2", "1\n2", "5520\n", "5520\r\n"}) EXPECT_TRUE(IsCellBlock(block));
  for (const char* one : {"5520", "-1.5e3", ""}) EXPECT_FALSE(IsCellBlock(one));
}

}  // namespace
}  // namespace stavelorn
