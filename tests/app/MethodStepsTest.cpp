// What the step-by-step window shows: the whole window of small models, the springs and turned
// supports of every example, and equilibrium checks scaled by what they sum.
#include "app/MethodSteps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "analysis/AnalysisRun.h"
#include "analysis/EquilibriumCheck.h"
#include "analysis/TrailEquilibrium.h"
#include "support/CaseNames.h"
#include "support/Golden.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

class ExampleSteps : public ::testing::TestWithParam<const char*> {};

// Numbers in a text, in order: those after each " = " or each blank.
std::vector<double> NumbersAfter(const std::string& text, const std::string& before) {
  std::vector<double> numbers;
  for (std::size_t at = text.find(before); at != std::string::npos; at = text.find(before, at + 1))
    numbers.push_back(std::strtod(text.c_str() + at + before.size(), nullptr));
  return numbers;
}

// A table as the window shows it: its labels, each cell's text ("." where blank, "*" after a
// marked cell), then the tooltip of each cell shown as 0 for round-off, how many cells have a
// tooltip (a count or a code has none) and the table as copied.
std::string TableText(const StepTable& t) {
  std::string text = t.Title + "\n       ";
  for (const std::string& label : t.ColumnLabels) text += " | " + label;
  for (int r = 0; r < t.Rows(); ++r) {
    text += "\n" + t.RowLabels[static_cast<std::size_t>(r)] + ":";
    for (int c = 0; c < t.Cols(); ++c)
      text += " " + (CellText(t, r, c).empty() ? "." : CellText(t, r, c)) +
              (t.IsMarked(r, c) ? "*" : "");
  }
  int tooltips = 0;
  for (int r = 0; r < t.Rows(); ++r)
    for (int c = 0; c < t.Cols(); ++c) {
      tooltips += !CellTooltip(t, r, c).empty();
      if (CellTooltip(t, r, c).find("round-off") != std::string::npos)
        text += "\n" + CellTooltip(t, r, c);
    }
  return text + "\n" + std::to_string(tooltips) + " tooltips\n" +
         (t.Trigonometric ? TableTsv(t) : "") + "\n";
}

// Every joint held (a loaded beam fixed at both ends, held-beam.str): no coordinate is free, and
// the note says so rather than "1 to 0".
TEST(MethodSteps, ANoteForAStructureWithNoFreeCoordinate) {
  ModelStore model = testing::ModelFromFile("tests/reports/golden/held-beam.str");
  const AnalysisRun run = CheckAndAnalyze(model);
  ASSERT_TRUE(run.Trail);
  EXPECT_EQ(MethodSteps(model, run.Results, *run.Trail).NumberingNote(),
            "No coordinate is free: restrained coordinates (shaded) 1 to 4.");
}

// The whole window for small models of four types, against a file checked by eye: a plane frame
// in named units with a hinge, a settlement, a temperature change and a fabrication error; a truss
// with a settlement, a temperature change and a fabrication error; a grid with a member load; a
// space frame whose rolled column's cosines are round-off. With the member chosen in turn, the
// marks follow it in [S] and in the fixed-end part of {P}.
TEST(MethodSteps, SmallModelsOfFourTypesMatchTheCheckedFile) {
  std::string text;
  for (const std::string name : {"frame", "truss", "grid", "space"}) {
    ModelStore model = testing::ModelFromFile("tests/app/golden/steps-" + name + ".str");
    const AnalysisRun run = CheckAndAnalyze(model);
    ASSERT_TRUE(run.Trail) << name;
    const MethodSteps steps(model, run.Results, *run.Trail);
    text += "== " + model.ProjectTitle + "\n" + steps.PrecisionNote() + "\n" +
            TableText(steps.Numbering()) + steps.NumberingNote() + "\n";
    for (int index = 0; index < steps.MemberCount(); ++index) {
      text += steps.MemberCaption(index) + "\n";
      for (const auto& lines : {steps.MemberFacts(index), steps.FixedEndSources(index)})
        for (const std::string& line : lines) text += line + "\n";
      text += steps.MemberFactsTooltip(index) + "\n";
      for (const StepTable& table : steps.MemberTables(index)) text += TableText(table);
      text += TableText(steps.Stiffness(index)) + TableText(steps.Loads(index));
    }
    text += steps.StiffnessNote() + "\n";
  }
  testing::ExpectGoldenFile(text, "tests/app/golden/method-steps.txt");
}

// On springs and a turned support the steps say where each spring's k joined [S] and which
// members' ends were turned to a support's axes (that the structure is still in equilibrium is
// tests/analysis/ElasticSupportTest.cpp's).
TEST_P(ExampleSteps, SpringsAndTurnedSupportsAreShown) {
  const ModelStore elastic = testing::OnSpringsAndTurned(testing::ExampleModel(GetParam()));
  const AnalysisRun turned = CheckAndAnalyze(elastic);
  ASSERT_TRUE(turned.Trail);
  const MethodSteps steps(elastic, turned.Results, *turned.Trail);
  const std::string note = steps.StiffnessNote();
  for (int r = 1; r <= elastic.SpringCount; ++r) {
    const int code = turned.Results.CoordNumbers(
        (elastic.SpringCoords(r, 1) - 1) * elastic.CoordsPerJoint + elastic.SpringCoords(r, 2));
    const std::string at = "S(" + std::to_string(code) + "," + std::to_string(code) + ") += k";
    EXPECT_NE(note.find(at), std::string::npos) << at << " in " << note;
  }
  int turnedEnds = 0;
  for (int index = 0; index < steps.MemberCount(); ++index)
    for (const std::string& fact : steps.MemberFacts(index))
      turnedEnds += fact.find("turned by 20 degrees") != std::string::npos;
  int meeting = 0;
  const int turnedJoint = elastic.SupportAngleCount > 0 ? elastic.SupportAngleJoints(1) : 0;
  for (int m = 1; m <= elastic.MemberCount; ++m)
    for (int end : {1, 2}) meeting += elastic.MemberProps(m, end) == turnedJoint;
  EXPECT_EQ(turnedEnds, meeting);
}

// Each equilibrium check is judged against the size of what it sums: its scale holds every end
// force of its member, and every whole-structure sum its loads and its reactions, also on a
// cantilever held by a couple alone; every residual is round-off, and a slip of a hundredth of a
// member's largest end force shows.
TEST(MethodSteps, EachEquilibriumCheckIsScaledByWhatItSums) {
  std::vector<ModelStore> models;
  for (const char* name : testing::kExampleNames) models.push_back(testing::ExampleModel(name));
  for (const auto& [type, couple] : {std::pair{"Beam", "2,0,7"},
                                     {"PFrame", "2,0,0,7"},
                                     {"Grid", "2,0,7,-4"},
                                     {"SFrame", "2,0,0,0,7,-4,2"}})
    models.push_back(testing::ModelFromText(
        testing::OneMemberText(type, false, std::string("\"Joint Loads\",1, ") + couple)));
  for (ModelStore& model : models) {
    SCOPED_TRACE(model.ProjectTitle + " " + model.StructType);
    const AnalysisRun run = CheckAndAnalyze(model);
    ASSERT_TRUE(run.Trail);
    MethodTrail trail = *run.Trail;
    for (int i = 0; i < trail.DofCount; ++i)  // the {d} shown is the one stored
      EXPECT_EQ(static_cast<float>(trail.Displacements[static_cast<std::size_t>(i)]),
                run.Results.JointDisplacements(i + 1));
    const std::vector<EquilibriumLine> lines = TrailEquilibrium(model, run.Results, trail);
    ASSERT_GT(lines.size(), trail.Members.size());
    for (std::size_t i = 0; i < trail.Members.size(); ++i)
      for (double q : trail.Members[i].LocalEndForces)
        EXPECT_GE(lines[i + 1].Scale, std::fabs(q)) << lines[i + 1].Text;
    double largest = 0;
    for (const EquilibriumLine& line : lines) largest = std::max(largest, line.Scale);
    for (const EquilibriumLine& line : lines) {
      EXPECT_LE(line.Residual, 1e-4 * largest) << line.Text;
      if (line.Text.rfind("sum ", 0) != 0) continue;
      const double loads = NumbersAfter(line.Text, "loads ").at(0);
      const double reactions = NumbersAfter(line.Text, "reactions ").at(0);
      EXPECT_GE(line.Scale, 0.999 * std::max(std::fabs(loads), std::fabs(reactions))) << line.Text;
    }
    std::vector<double>& q = trail.Members.front().LocalEndForces;
    double& biggest = *std::max_element(
        q.begin(), q.end(), [](double a, double b) { return std::fabs(a) < std::fabs(b); });
    biggest *= 1.01;
    const EquilibriumLine slipped = TrailEquilibrium(model, run.Results, trail)[1];
    EXPECT_GT(slipped.Residual, 1e-4 * slipped.Scale) << slipped.Text;
  }
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleSteps, ::testing::ValuesIn(testing::kExampleNames),
                         testing::NamedCases());

}  // namespace
}  // namespace stavelorn
