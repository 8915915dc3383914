// The load-case windows' rules: the edits as steps of the history, the case selector of the load
// lists, and "Show:" with every case, combination and the envelope against independent
// analyses of their loads.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "ProjectCommandsFixture.h"
#include "app/EnvelopeViews.h"
#include "app/LoadCaseTables.h"
#include "app/MemberDiagramTable.h"
#include "app/ShownViews.h"
#include "editors/DataWindows.h"
#include "editors/LoadCaseSelector.h"
#include "model/LoadCombination.h"

namespace stavelorn {
namespace {

class LoadCaseWindowTest : public ProjectCommandsTest {
 protected:
  void OpenFrame() { OpenText("frame.str", testing::kThreeCaseFrame); }
};

double Number(const std::string& cell) {
  return std::strtod(cell.c_str(), nullptr);
}

// Every number of two tables alike within `tolerance` of the larger table's largest value.
void ExpectSameNumbers(const ResultTable& shown, const ResultTable& expected) {
  ASSERT_EQ(shown.Rows(), expected.Rows());
  double largest = 0;
  for (const auto& row : expected.Cells)
    for (const std::string& cell : row) largest = std::max(largest, std::fabs(Number(cell)));
  for (std::size_t r = 1; r < shown.Cells.size(); ++r)
    for (std::size_t c = 0; c < shown.Cells[r].size(); ++c)
      EXPECT_NEAR(Number(shown.Cells[r][c]), Number(expected.Cells[r][c]), 1e-4 * largest)
          << "row " << r << " column " << c;
}

TEST_F(LoadCaseWindowTest, EachEditIsOneStepAndARefusalChangesNothing) {
  OpenCopyOf("continuous-beam.str");
  const std::string original = FileText(model_);
  ASSERT_TRUE(Shown(MenuItem::MnuLoadCases));
  EXPECT_EQ(RouteOf(MenuItem::MnuLoadCombos).Target, MenuTarget::Combinations);

  EXPECT_TRUE(commands_.AddLoadCase(NewLoadCaseName(model_)));
  EXPECT_EQ(commands_.UndoCaption(), "Undo Load Cases");
  EXPECT_EQ(LoadCaseTable(model_).Rows,
            (std::vector<std::vector<std::string>>{{"1", "Case 1", "4 loads"},
                                                   {"2", "Case 2", "0 loads"}}));
  EXPECT_TRUE(commands_.MoveLoadCase(2, 1));  // and back; then renamed
  EXPECT_EQ(LoadCaseTable(model_).Rows.front().back(), "0 loads");
  EXPECT_TRUE(commands_.MoveLoadCase(1, 2) && commands_.RenameLoadCase(2, "Snow"));
  EXPECT_TRUE(commands_.AddCombination("Both"));
  EXPECT_TRUE(commands_.SetCombinationFactor(0, 2, "1.5"));
  EXPECT_EQ(CombinationTable(model_).Rows.front(), (std::vector<std::string>{"Both", "0", "1.5"}));
  EXPECT_EQ(CombinationTable(model_).Headings,
            (std::vector<std::string>{"Combination", "Case 1", "Snow"}));

  // Refused: a repeated name, a factor that is no number, the last case; nothing recorded.
  const std::string before = FileText(model_);
  const std::size_t said = messages_.Log().size();
  EXPECT_FALSE(commands_.AddLoadCase("Snow"));
  EXPECT_FALSE(commands_.SetCombinationFactor(0, 1, "lots"));
  EXPECT_FALSE(commands_.RenameCombination(0, "Case 1"));
  EXPECT_EQ(messages_.Log().size(), said + 3);
  EXPECT_EQ(FileText(model_), before);
  EXPECT_EQ(commands_.UndoCaption(), "Undo Load Combinations");

  // A case with loads is deleted only when the answer is yes; its factor goes with it.
  messages_.Answer(kAnswerNo);
  EXPECT_FALSE(commands_.DeleteLoadCase(1));
  EXPECT_EQ(model_.LoadCaseCount(), 2);
  messages_.Answer(kAnswerYes);
  EXPECT_TRUE(commands_.DeleteLoadCase(1));
  EXPECT_EQ(model_.LoadCaseName(1), "Snow");
  EXPECT_EQ(model_.Combinations.front().Factors, std::vector<float>{1.5f});
  EXPECT_EQ(model_.JointLoadCount + model_.MemberLoadCount, 0);
  EXPECT_TRUE(commands_.DeleteCombination(0) && model_.Combinations.empty());
  EXPECT_EQ(commands_.UndoCaption(), "Undo Load Combinations");

  while (commands_.CanUndo()) commands_.Undo();
  EXPECT_EQ(FileText(model_), original);
}

TEST_F(LoadCaseWindowTest, TheSelectorSwitchesTheCaseAListEditsKeepingWhatItHolds) {
  OpenFrame();
  EXPECT_FALSE(LoadCaseSelectorOf(model_, FormId::JointA).Shown);
  const LoadCaseSelector selector = LoadCaseSelectorOf(model_, FormId::JLoadB);
  EXPECT_TRUE(selector.Shown);
  EXPECT_EQ(selector.Choices, (std::vector<std::string>{"1: Dead", "2: Live", "3: Wind"}));

  model_.SelectLoadCase(3);
  DataWindow window = MakeDataWindow(FormId::JLoadA, model_, messages_);
  window.Editor->Open();
  EXPECT_EQ(window.Editor->ItemCount(), 1);
  window.Editor->Grid().SetText(1, 1, "13");  // case 3's load, typed in the grid
  ShowLoadCaseInList(*window.Editor, model_, 1);
  EXPECT_EQ(model_.CurrentLoadCase, 1);
  EXPECT_EQ(window.Editor->ItemCount(), 0);
  EXPECT_EQ(model_.LoadsOfCase(3).JointLoadValues(1, 1), 13.0f);
  ShowLoadCaseInList(*window.Editor, model_, 3);
  EXPECT_EQ(window.Editor->ItemCount(), 1);
}

TEST_F(LoadCaseWindowTest, EveryChoiceShowsTheResultsOfItsOwnLoads) {
  OpenFrame();
  model_.SelectLoadCase(2);
  EXPECT_FALSE(ShownMemberDiagrams(commands_.Session(), 1));  // no results yet
  AnalyzeQuietly();
  ASSERT_TRUE(commands_.Session().ResultsShown());
  const std::vector<ShownChoice>& choices = commands_.Session().Analysis()->Choices;
  ASSERT_EQ(choices.size(), 6u);
  EXPECT_EQ(choices[3].Caption, "Combination 1.2D+1.6L");
  EXPECT_EQ(choices[5].Kind, ShownKind::Envelope);
  EXPECT_EQ(commands_.Session().Analysis()->Shown, 1u) << "the analysed case is shown first";

  for (std::size_t choice = 0; choice + 1 < choices.size(); ++choice) {
    SCOPED_TRACE(choices[choice].Caption);
    commands_.ChooseShown(choice);
    const bool isCase = choices[choice].Kind == ShownKind::Case;
    const LoadSet loads =
        isCase ? model_.LoadsOfCase(choices[choice].Index)
               : CombinedLoads(
                     model_,
                     model_.Combinations[static_cast<std::size_t>(choices[choice].Index)].Factors);
    const ModelStore alone = ModelWithLoads(model_, loads);
    const AnalysisRun run = CheckAndAnalyze(alone);
    for (FormId form : {FormId::Disp, FormId::MbForce, FormId::Reac})
      ExpectSameNumbers(ShownResultTable(commands_.Session(), form),
                        BuildResultTable(alone, run.Results, form));
    // The member window: each member's own diagram, and nothing for a number outside them.
    const std::vector<MemberDiagram> diagrams = BuildMemberDiagrams(alone, run.Results);
    for (int m = 0; m <= model_.MemberCount + 1; ++m) {
      const std::optional<ShownMemberView> view = ShownMemberDiagrams(commands_.Session(), m);
      ASSERT_EQ(view.has_value(), m >= 1 && m <= model_.MemberCount) << m;
      if (view) ExpectSameNumbers(view->Table, BuildMemberDiagramTable(alone, diagrams.at(m - 1)));
    }
    // Step by Step follows a case with its own {P} and {d}, as that case analysed alone.
    EXPECT_EQ(commands_.NoTrailReason().empty(), isCase);
    const MethodTrail* steps = commands_.ShownTrail();
    ASSERT_EQ(steps != nullptr, isCase);
    if (isCase) {
      EXPECT_EQ(steps->LoadVector, run.Trail->LoadVector);
      EXPECT_EQ(steps->Displacements, run.Trail->Displacements);
    }
  }
  commands_.ChooseShown(choices.size());  // past the list: nothing changes
  EXPECT_EQ(commands_.Session().Analysis()->Shown, choices.size() - 2);
}

TEST_F(LoadCaseWindowTest, TheEnvelopeBoundsEverySourceAndIsReachedByTheOneItNames) {
  OpenFrame();
  AnalyzeQuietly();
  commands_.ChooseShown(5);
  const ResultEnvelope* envelope = commands_.Session().ShownEnvelope();
  ASSERT_NE(envelope, nullptr);
  EXPECT_FALSE(commands_.ShownResults().Complete());
  EXPECT_FALSE(commands_.NoTrailReason().empty());

  // The curves drawn: at every station of every member, the greatest and the least of the
  // combinations' own diagrams, given by the combination named.
  const auto curves = EnvelopeCurves(*envelope);
  const std::vector<CaseResults>& sources = commands_.Session().Analysis()->Combinations;
  std::vector<std::vector<MemberDiagram>> own;
  for (const CaseResults& source : sources)
    own.push_back(BuildMemberDiagrams(ModelWithLoads(model_, source.Loads), source.Results));
  for (std::size_t m = 0; m < envelope->Diagrams.size(); ++m)
    for (const StationEnvelope& station : envelope->Diagrams[m].Stations)
      for (DiagramQuantity q : envelope->Diagrams[m].Quantities) {
        const std::size_t i = static_cast<std::size_t>(Index(q));
        const double high = curves.first[m].ValueAt(q, station.X, station.Side);
        const double low = curves.second[m].ValueAt(q, station.X, station.Side);
        const double tolerance = 1e-9 * (1 + std::fabs(high) + std::fabs(low));
        for (const auto& diagrams : own) {
          const double value = diagrams[m].ValueAt(q, station.X, station.Side);
          EXPECT_LE(value, high + tolerance);
          EXPECT_GE(value, low - tolerance);
        }
        for (const auto& [bound, by] : {std::pair{high, station.MaxBy[i]}, {low, station.MinBy[i]}})
          EXPECT_NEAR(bound, own.at(std::size_t(by))[m].ValueAt(q, station.X, station.Side),
                      tolerance);
      }

  // Each curve runs to the end of its member, jumping only inside it.
  for (const std::vector<MemberDiagram>* side : {&curves.first, &curves.second})
    for (const MemberDiagram& d : *side) {
      EXPECT_TRUE(!d.Pieces.empty() && d.Pieces.back().X1 == d.Length) << d.Member;
      for (double jump : d.Jumps) EXPECT_TRUE(jump > 0 && jump < d.Length) << d.Member;
      for (const DiagramExtreme& e : d.Extremes)  // the largest marked max, the least min
        for (const DiagramStation& s : d.Stations)
          EXPECT_TRUE(e.Maximum ? e.Value >= s.Values[Index(e.Quantity)]
                                : e.Value <= s.Values[Index(e.Quantity)]);
    }
  EXPECT_EQ(curves.second[1].Jumps, std::vector<double>{2});   // under member 2's point load
  for (std::size_t m = 0; m < envelope->Diagrams.size(); ++m)  // the stations the tables list
    for (std::size_t i = 0; i < envelope->Diagrams[m].Stations.size(); ++i)
      EXPECT_EQ(curves.first[m].Stations.at(i).X, envelope->Diagrams[m].Stations[i].X);

  // The member window: the greatest curve's rows, then the least's, each curve's first row named;
  // nothing past the last member.
  EXPECT_FALSE(ShownMemberDiagrams(commands_.Session(), model_.MemberCount + 1));
  for (int m = 1; m <= model_.MemberCount; ++m) {
    const std::optional<ShownMemberView> view = ShownMemberDiagrams(commands_.Session(), m);
    ASSERT_TRUE(view && view->Least);
    EXPECT_EQ(view->Table.Caption, "Member " + std::to_string(m) + " Internal Forces");
    const ResultTable greatest = BuildMemberDiagramTable(model_, curves.first.at(m - 1));
    ASSERT_EQ(view->Table.Rows(), 2 * greatest.Rows() - 1);
    EXPECT_EQ(view->Table.Cells[1][0] + "/" + view->Table.Cells[greatest.Rows()][0],
              "greatest/least");
    EXPECT_EQ(view->Table.Cells[1][1], greatest.Cells[1][0]);
  }
  // The tables: a greatest and a least row for every row, the greatest never below the least.
  for (FormId form : {FormId::Disp, FormId::MbForce, FormId::Reac}) {
    const ResultTable plain = BuildResultTable(model_, commands_.Results(), form);
    const ResultTable table = ShownResultTable(commands_.Session(), form);
    ASSERT_EQ(table.Rows(), 2 * plain.Rows() - 1);
    ASSERT_EQ(table.Cols(), plain.Cols() + 1);
    EXPECT_GT(table.Size.Width, plain.Size.Width);               // the window widens for the names
    const std::size_t lead = form == FormId::MbForce ? 2 : 1;    // Member, Joint | Joint
    for (std::size_t c = lead; c < plain.ColWidths.size(); ++c)  // each value's column with them
      EXPECT_GT(table.ColWidths[c + 1], plain.ColWidths[c]);
    for (std::size_t r = 1; r < table.Cells.size(); r += 2) {
      EXPECT_EQ(table.Cells[r][lead], "greatest");
      EXPECT_EQ(table.Cells[r + 1][lead], "least");
      for (std::size_t c = lead + 1; c < table.Cells[r].size(); ++c)
        EXPECT_GE(Number(table.Cells[r][c]), Number(table.Cells[r + 1][c]));
    }
  }
}

// A roller turned 30 degrees at joint 3 pushes only across its rolling direction: in its own axes,
// in every case and combination, its reaction is the whole of the global one (none along, none
// turning); an envelope has no such table.
TEST_F(LoadCaseWindowTest, ATurnedRollersReactionInItsAxesIsTheWholeOfTheGlobalOne) {
  const std::string file =
      testing::ReadWholeFile(testing::SourcePath("tests/reports/golden/inclined-roller-frame.str"));
  OpenText("roller.str", file.substr(0, file.find("\"Load Combinations\"")) +
                             "\"Load Combinations\",2\n\"Both\",1,1\n\"Half\",0.5,0.5\n");
  AnalyzeQuietly();
  const std::vector<ShownChoice>& choices = commands_.Session().Analysis()->Choices;
  ASSERT_EQ(choices.back().Kind, ShownKind::Envelope);
  for (std::size_t choice = 0; choice < choices.size(); ++choice) {
    commands_.ChooseShown(choice);
    const std::optional<ResultTable> turned = ShownSupportAxesTable(commands_.Session());
    ASSERT_EQ(turned.has_value(), choices[choice].Kind != ShownKind::Envelope) << choice;
    if (!turned) continue;
    const auto global = ShownResultTable(commands_.Session(), FormId::Reac).Cells.at(2);
    const std::vector<std::string>& own = turned->Cells.at(1);
    ASSERT_EQ(global[0] + own[0], "33");
    EXPECT_NEAR(std::fabs(Number(own[2])), std::hypot(Number(global[1]), Number(global[2])), 1e-3);
    EXPECT_EQ(std::fabs(Number(own[1])) + std::fabs(Number(own[3])), 0) << own[1] << own[3];
  }
}

// Two bars of length 5 from pins at (0, 0) and (8, 0) to (4, 3): 30 down there presses both
// with 25, 16 across pulls the first with 10 and presses the second with 10. The envelope names
// each bar's force as compression or tension, with the case that gives it.
TEST_F(LoadCaseWindowTest, ATrussEnvelopeNamesEachBarsForceAndItsCase) {
  OpenText("v.str",
           "\"V\"\n\"PTruss\"\n\"Joints\",3\n0,0\n8,0\n4,3\n\"Supports\",2\n1,1,1\n2,1,1\n"
           "\"Materials\",1\n2E+08,0\n\"Cross-Sections\",1\n0.01\n\"Members\",2\n1,3,1,1\n2,3,1,1\n"
           "\"Load Cases\",2\n\"Down\"\n\"Across\"\n\"Load Case\",1\n\"Joint Loads\",1\n3,0,-30\n"
           "\"Load Case\",2\n\"Joint Loads\",1\n3,16,0\n");
  AnalyzeQuietly();
  commands_.ChooseShown(2);
  std::string rows;
  for (const auto& row : ShownResultTable(commands_.Session(), FormId::MbForce).Cells) {
    for (const std::string& cell : row) rows += cell + "|";
    rows += "\n";
  }
  EXPECT_EQ(rows,
            "Member|Envelope|Axial Force|\n1|greatest| 2.5000E+01 (C)  Down|\n"
            "|least| 1.0000E+01 (T)  Across|\n2|greatest| 2.5000E+01 (C)  Down|\n"
            "|least| 1.0000E+01 (C)  Across|\n");
}

}  // namespace
}  // namespace stavelorn
