// The "Check My Work" window's state: a silent analysis that leaves the program's model alone,
// what is offered before and after a failed analysis, pasting a spreadsheet's cells with
// blanks, the marks, tooltips, count and findings of Check, and Show Answer.
#include "app/CheckWork.h"

#include <gtest/gtest.h>

#include <functional>

#include "model/NumberText.h"
#include "support/Golden.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

using namespace testing;
using Q = AnswerQuantity;

const char* const kPortal = "portal-frame";

TEST(CheckWork, WithoutResultsShownASilentAnalysisSolvesAndARefusedModelSaysWhy) {
  const ModelStore model = ExampleModel(kPortal);
  std::string problem;
  std::optional<AnswerKey> key = KeyForExercise(model, StructureResults(), nullptr, problem);
  ASSERT_TRUE(key);
  EXPECT_TRUE(key->Solved());
  EXPECT_EQ(CheckWork(*key).Offered().size(), AnswerQuantities().size());

  // After an analysis the exercise is checked against the method shown, in its own precision.
  ModelStore analysed = ExampleModel(kPortal);
  const AnalysisRun run =
      CheckAndAnalyze(analysed, AvailableMemoryBytes(), true, AnalysisPrecision::Double);
  EXPECT_TRUE(KeyForExercise(analysed, run.Results, run.Trail.get(), problem)->DoublePrecision());

  // Every member deleted: no member step to offer, nothing solved.
  ModelStore bare = ExampleModel(kPortal);
  bare.MemberCount = 0;
  const CheckWork nothing(KeyOfAnalysis(bare, CheckAndAnalyze(bare)));
  EXPECT_TRUE(nothing.Offered().empty() && nothing.Summary().empty());
  bare.MemberCount = 1;  // one member left: a column standing alone, its steps offered
  EXPECT_EQ(CheckWork(KeyOfAnalysis(bare, CheckAndAnalyze(bare))).Offered().size(), 8u);

  ModelStore broken = ExampleModel(kPortal);
  broken.MemberProps(2, 2) = 2;  // a member from joint 2 to joint 2
  EXPECT_FALSE(KeyForExercise(broken, StructureResults(), nullptr, problem));
  EXPECT_NE(problem.find("Member 2"), std::string::npos) << problem;
}

TEST(CheckWork, AfterAFailedAnalysisOnlyTheMemberStepsAreOffered) {
  ModelStore model = ExampleModel(kPortal);
  model.Supports(1, 4) = 0;  // a pin at one base, nothing at the other: a mechanism
  model.Supports(2, 2) = 0;
  model.Supports(2, 3) = 0;
  std::string problem;
  const CheckWork work(*KeyForExercise(model, StructureResults(), nullptr, problem));
  const std::vector<Q> offered = work.Offered();
  EXPECT_EQ(offered, (std::vector<Q>{Q::L, Q::Cosines, Q::Codes, Q::k, Q::T, Q::K, Q::Qf, Q::Ff}));
  EXPECT_FALSE(work.Note().empty());
}

// The window's grid: each cell that holds anything with its mark and tooltip, and the answer once
// shown; then the summary and the findings.
std::string GridText(const CheckWork& work) {
  const char* const marks[] = {"empty", "entered", "right", "wrong", "not a number"};
  const AnswerGrid& grid = work.Grid();
  std::string text = grid.Title + "\n";
  for (int r = 0; r < grid.Rows; ++r)
    for (int c = 0; c < grid.Cols; ++c)
      if (work.Mark(r, c) != EntryMark::Empty || !work.AnswerText(r, c).empty())
        text += "  " + grid.RowLabels[static_cast<std::size_t>(r)] + " / " +
                grid.ColumnLabels[static_cast<std::size_t>(c)] + ": \"" + work.Entry(r, c) + "\" " +
                marks[static_cast<int>(work.Mark(r, c))] + " (" + work.Tooltip(r, c) + ") " +
                work.AnswerText(r, c) + "\n";
  text += work.Summary() + "\n";
  for (const std::string& finding : work.Findings()) text += "  " + finding + "\n";
  return text;
}

// Row 1 of [K] of a vertical member (EI = 23000, L = 5): 12EI/L³, 0, -6EI/L², ... pasted from
// column 1 with a blank; row 2 with a sign slip, text that is no number and a line too long; a
// block pasted into the last corner loses what falls outside. Checked, its answer shown, then
// typed over, which takes back the verdicts and the answer; against a file checked by eye.
TEST(CheckWork, APastedGridWithBlanksIsCheckedEntryByEntry) {
  std::string problem;
  CheckWork work(*KeyForExercise(ExampleModel(kPortal), StructureResults(), nullptr, problem));
  work.Choose(Q::K, 1);  // the vertical column, 6 x 6
  std::string text = "pasted " + std::to_string(work.Paste(0, 0,
                                                           "2208\t\t-5520\t-2208\t0\t-5520\r\n"
                                                           "0\t-312000\tabc\t0\t-312000\t0\t99\n"));
  text += ", then " + std::to_string(work.Paste(4, 5, "1\t2\n3\t4\n5")) + "\n" + GridText(work);
  work.Check();
  text += GridText(work);
  work.ShowAnswer();
  text += GridText(work);
  for (auto [row, col] : {std::pair{0, 6}, std::pair{6, 0}}) work.SetEntry(row, col, "7");
  work.SetEntry(1, 1, "312000");
  ExpectGoldenFile(text + GridText(work), "tests/app/golden/check-work.txt");
}

// Whatever changes the grid after Check (a typed entry, a paste, a new choice) takes back every
// verdict, the count, the findings and the answer shown; and a slip in any one cell, the first
// row and column among them, is the one finding.
TEST(CheckWork, AnEditTakesBackTheVerdictsAndASlipIsFoundInAnyCell) {
  std::string problem;
  CheckWork work(*KeyForExercise(ExampleModel(kPortal), StructureResults(), nullptr, problem));
  const std::function<void()> edits[] = {[&work] { work.SetEntry(0, 0, "1"); },
                                         [&work] { work.Paste(5, 5, "1\t2\n3"); },
                                         [&work] { work.Choose(Q::K, 2); }};
  for (const auto& edit : edits) {
    work.Choose(Q::K, 1);
    work.Paste(0, 0, "5\t6\n7");
    work.Check();
    work.ShowAnswer();
    edit();
    EXPECT_TRUE(work.Summary().empty() && work.Findings().empty() && !work.AnswerShown());
    for (int r = 0; r < work.Grid().Rows; ++r)
      for (int c = 0; c < work.Grid().Cols; ++c)
        EXPECT_TRUE(work.Mark(r, c) == EntryMark::Empty || work.Mark(r, c) == EntryMark::Entered);
  }
  const AnswerGrid right = work.Key().Expected(Q::K, 1);
  for (int r = 0; r < right.Rows; ++r)
    for (int c = 0; c < right.Cols; ++c) {
      work.Choose(Q::K, 1);
      for (int i = 0; i < right.Rows; ++i)
        for (int j = 0; j < right.Cols; ++j)
          work.SetEntry(
              i, j,
              FormatShortest(static_cast<float>(
                  i == r && j == c ? right.At(i, j) + right.Largest() / 2 : right.At(i, j))));
      work.Check();
      EXPECT_EQ(work.Findings().size(), 1u) << r << ", " << c;
      EXPECT_EQ(work.Mark(r, c), EntryMark::Wrong) << r << ", " << c;
    }
}

// (Each quantity's row and column labels are in tests/reports/golden's answer files.)
TEST(CheckWork, TabsOrLineBreaksMakeABlockOfCells) {
  for (const char* block : {"1\t2", "1\n2", "5520\n", "5520\r\n"}) EXPECT_TRUE(IsCellBlock(block));
  for (const char* one : {"5520", "-1.5e3", ""}) EXPECT_FALSE(IsCellBlock(one));
}

}  // namespace
}  // namespace stavelorn
