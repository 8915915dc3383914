// Stability > Critical Load…, Second-Order Analysis and Options…: offered after an analysis of a
// plane or space frame, the options' field rules and what the commands then say, draw or print (the
// menus of each type and phase, where Stability shows, are in tests/app/golden/menu-states.txt).

#include <cmath>
#include <sstream>

#include "app/MethodSteps.h"
#include "app/ProjectCommandsFixture.h"
#include "app/SecondOrderTables.h"
#include "app/StabilityOptions.h"
#include "reports/TrailReport.h"
#include "support/Golden.h"
#include "support/ResultTableText.h"

namespace stavelorn {
namespace {

using M = MenuItem;

TEST_F(ProjectCommandsTest, StabilityIsOfferedForAnalysedFramesAndTellsItsFactors) {
  OpenCopyOf("portal-frame.str");
  AnalyzeQuietly();
  const std::size_t before = messages_.Log().size();
  commands_.Run(M::MnuCriticalLoad);
  commands_.Run(M::MnuSecondOrder);
  ASSERT_EQ(messages_.Log().size(), before + 2);
  const auto& critical = messages_.Log()[before];
  EXPECT_EQ(critical.Title, "Critical Load");
  EXPECT_NE(critical.Text.find("(each member in 4 pieces):\n\nMode 1: load factor 35.352\n"
                               "Mode 2: load factor 118.19\n"),
            std::string::npos)
      << critical.Text;
  const auto& second = messages_.Log()[before + 1];
  EXPECT_EQ(second.Title, "Second-Order Analysis");
  // The sway of the top: 0.01444 first order, amplified by about 1/(1 - 1/35.35).
  EXPECT_NE(second.Text.find("Joint 2 X Translation: 0.014441 first order, 0.014914 second "
                             "order, amplification 1.0328"),
            std::string::npos)
      << second.Text;
}

// A column loaded along its axis, its top kept from turning, sways in neither order: only its
// shortening, the last free coordinate, is listed.
TEST_F(ProjectCommandsTest, SecondOrderListsOnlyTheTranslationsThatMove) {
  OpenText("column.str",
           "\"Column\"\n\"PFrame\"\n\"Joints\",2\n0,0\n0,4\n\"Supports\",2\n1,1,1,1\n2,0,0,1\n"
           "\"Materials\",1\n2E+08,1.2E-05\n\"Cross-Sections\",1\n0.0078,0.000115\n"
           "\"Members\",1\n1,2,1,1\n\"Joint Loads\",1\n2,0,-100,0\n");
  AnalyzeQuietly();
  commands_.Run(M::MnuSecondOrder);
  const std::string& text = messages_.Log().back().Text;
  EXPECT_EQ(text.find("X Translation"), std::string::npos) << text;
  EXPECT_NE(text.find("Joint 2 Y Translation: -0.00025641 first order"), std::string::npos) << text;
}

// The options chosen hold for the project's later analyses: finer pieces bring the factor down
// toward the exact one, and only the modes asked for are sought and drawn.
TEST_F(ProjectCommandsTest, StabilityOptionsHoldForTheProjectAndModesAreDrawn) {
  OpenCopyOf("portal-frame.str");
  windows_.stabilityOptions = [](StabilityOptions& options) {
    EXPECT_EQ(options.Segments, 4);
    EXPECT_EQ(options.Modes, 3);
    options = {8, 2};
    return true;
  };
  commands_.Run(M::MnuStabilityOptions);
  AnalyzeQuietly();
  windows_.drawsModes = true;
  commands_.Run(M::MnuCriticalLoad);
  ASSERT_EQ(windows_.drawnFactors.size(), 2u);
  EXPECT_LT(windows_.drawnFactors[0], 35.352);
  EXPECT_GT(windows_.drawnFactors[0], 35.2);
  // Cancelled, the dialog changes nothing; a project opened afresh starts from the defaults.
  windows_.stabilityOptions = [](StabilityOptions& options) {
    options = {1, 1};
    return false;
  };
  commands_.Run(M::MnuStabilityOptions);
  EXPECT_EQ(commands_.Session().Stability().Segments, 8);
  OpenCopyOf("portal-frame.str");
  EXPECT_EQ(commands_.Session().Stability().Segments, 4);
  EXPECT_EQ(commands_.Session().Stability().Modes, 3);
}

// Once a stability analysis has run, the method shows each member's [kg] and the structure's
// [Kg], in the units of [S]: the portal's sway coordinate at joint 2 takes 6/5 N/L from the left
// column alone (the beam runs along it), negative since the column is compressed.
TEST_F(ProjectCommandsTest, TheMethodShowsTheGeometricStiffnessOnceAStabilityAnalysisRan) {
  auto printed = [this] {
    return testing::PrintedText(
        [&](ReportPrinter& p) { PrintTrail(model_, commands_.Results(), *commands_.Trail(), p); });
  };
  for (M stability : {M::MnuSecondOrder, M::MnuCriticalLoad}) {
    OpenCopyOf("portal-frame.str");
    model_.Units = NamedUnits(ForceUnit::kN, LengthUnit::m, TemperatureUnit::C);
    AnalyzeQuietly();
    EXPECT_EQ(testing::Occurrences(printed(), "[kg]"), 0);
    const MethodSteps first(model_, commands_.Results(), *commands_.Trail());  // no [kg] yet
    EXPECT_EQ(first.GeometricStiffness(0).Rows() + first.StructureGeometricStiffness().Rows(), 0);
    commands_.Run(stability);
    const MethodTrail& trail = *commands_.Trail();
    const MethodSteps steps(model_, commands_.Results(), trail);
    EXPECT_EQ(steps.GeometricStiffness(0).Rows(), 6);
    const StepTable kg = steps.StructureGeometricStiffness();
    ASSERT_EQ(kg.Rows(), trail.DofCount);
    const int sway = trail.CoordNumbers.at(3) - 1;  // joint 2, X
    const double axial = commands_.Results().MemberEndForces(1, 1);
    EXPECT_NEAR(kg.At(sway, sway), -1.2 * std::fabs(axial) / 5, 1e-6 * std::fabs(axial));
    const std::string method = printed();
    EXPECT_EQ(testing::Occurrences(method, "[kg] local geometric stiffness"), 3);
    EXPECT_EQ(testing::Occurrences(method, "[Kg] structure geometric stiffness"), 1);
    const auto heading = [&method](const char* title) {  // the columns' labels and units
      std::istringstream block(method.substr(method.find(title)));
      std::string line, lines;
      for (int i = 0; i < 3 && std::getline(block, line); ++i) lines += i ? line + "\n" : "";
      return lines;
    };
    EXPECT_EQ(heading("[Kg] structure"), heading("[S] structure"));  // both force / displacement
  }
}

// Print adds the settled run after the results, with fixed-layout headings, and the window shows
// the same rows in its grids, against a file read by eye (the second-order analysis against the
// beam-column's closed form is tests/analysis/StabilityTest.cpp's).
TEST_F(ProjectCommandsTest, TheReportPrintsTheSecondOrderResultsOnceTheyHaveSettled) {
  OpenCopyOf("portal-frame.str");
  AnalyzeQuietly();
  windows_.printOptions = [](PrintOptions& options) {
    for (ReportSection section :
         {ReportSection::InputData, ReportSection::MethodTrail, ReportSection::Diagrams})
      options.Choose(section, false);
    options.Choose(ReportSection::Results, true);
  };
  commands_.Run(M::MnuSecondOrder);
  commands_.Print();
  const std::string report = windows_.printed.str();
  const std::size_t section = report.find("Second-Order Analysis");
  ASSERT_NE(section, std::string::npos) << report;
  // The window's tables of the same run and what it offers to draw.
  std::string window = "\n== the window\n";
  const SecondOrderRun& run = *commands_.Session().Analysis()->SecondOrder;
  for (const AmplificationTableChoice& table : kAmplificationTables)
    window += testing::ResultTableText(
        AmplificationTable(model_, run.FirstOrder, run.SecondOrder, table.Form));
  for (const std::string& choice : SecondOrderDrawingChoices(model_.StructType))
    window += choice + "\n";
  testing::ExpectGoldenFile(report.substr(report.rfind('\n', section) + 1) + window,
                            "tests/app/golden/second-order-print.txt");
}

TEST(StabilityOptionsFormTest, EachFieldTakesAWholeNumberWithinItsLimits) {
  struct Case {
    std::string segments, modes;
    std::string refusal;  // "" when accepted
    std::size_t field;
  } cases[] = {
      {" 64 ", "20", "", 0},
      {"1", "1", "", 0},
      {"0", "3", "Pieces per member: \"0\" is out of range. Enter a whole number from 1 to 64.", 0},
      {"65", "3", "Pieces per member: \"65\" is out of range. Enter a whole number from 1 to 64.",
       0},
      {"4", "21", "Buckling modes: \"21\" is out of range. Enter a whole number from 1 to 20.", 1},
  };
  for (const Case& c : cases) {
    StabilityOptionsForm form;
    form.Texts = {c.segments, c.modes};
    const StabilityOptionsForm::Refusal refusal = form.Check();
    EXPECT_EQ(refusal.Text, c.refusal) << c.segments << ", " << c.modes;
    if (!c.refusal.empty()) {
      EXPECT_EQ(refusal.Field, c.field) << c.segments << ", " << c.modes;
      continue;
    }
    const StabilityOptions chosen = form.Chosen();
    EXPECT_EQ(chosen.Segments, std::stoi(c.segments));
    EXPECT_EQ(chosen.Modes, std::stoi(c.modes));
    EXPECT_EQ(StabilityOptionsForm::Load(chosen).Texts[1], c.modes);
  }
}

}  // namespace
}  // namespace stavelorn
