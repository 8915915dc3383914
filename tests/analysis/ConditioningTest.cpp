#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "analysis/Analysis.h"
#include "analysis/AnalysisRun.h"
#include "analysis/ConditioningNotes.h"
#include "analysis/EquilibriumCheck.h"
#include "analysis/MethodTrail.h"
#include "analysis/TrailLabels.h"
#include "support/SampleModels.h"
#include "support/StructureTexts.h"

namespace stavelorn {
namespace {

using testing::ModelFromText;
using testing::PortalFrameText;

constexpr double kE = 2e8, kH = 10;       // kN/m², kN at the top of column 1
constexpr double kHeight = 5, kSpan = 4;  // of PortalFrameText

// Sway of the portal with members that do not stretch (slope-deflection, both joints turning
// alike): with a = 2EI/h and b = 6EI/L, ψ = H·h·(2a + b) / (2a·(3a + 6b)) and the sway is ψ·h.
// Their stretch changes it by about 12I/(A·h²), which is negligible for every portal here.
double PortalSway(double inertia) {
  const double a = 2 * kE * inertia / kHeight, b = 6 * kE * inertia / kSpan;
  return kH * kHeight * kHeight * (2 * a + b) / (2 * a * (3 * a + 6 * b));
}

// A square of four bars on a pin and a roller, pushed sideways at its top: a mechanism.
const std::string kSquareWithoutDiagonal = testing::SmallProject("truss-square-without-a-diagonal");
enum class Verdict {
  Single,          // solved in single precision, no note
  DoubleWithNote,  // single precision stopped at a pivot; solved in double, with the note
  Mechanism,       // unstable, with its mode
  IllConditioned,  // beyond double precision, no mode
};

struct Case {
  const char* name;
  std::string text;
  Verdict verdict;
  double inertia;       // of the portals, for their sway; 0 for the others
  const char* mention;  // what the note or the failure message must say ("" nothing)
  bool unitHint;        // whether the note asks to check the units of A and I
  bool named = false;   // the project states its units (kN, m), and the hint names them
};

const Case kCases[] = {
    {"portal A/I = 1e6", PortalFrameText("1", "1E-06"), Verdict::DoubleWithNote, 1e-6,
     "member 1: EA/L = 4.0E+07 against 12EI/L³ = 1.9E+01, a ratio of 2.1E+06", false},
    {"portal, A in mm² and I in m⁴", PortalFrameText("10000", "0.0001"), Verdict::DoubleWithNote,
     1e-4, "member 1: EA/L = 4.0E+11 against 12EI/L³ = 1.9E+03, a ratio of 2.1E+08", true},
    {"named units", PortalFrameText("10000", "0.0001"), Verdict::DoubleWithNote, 1e-4,
     "same units (this project states A in m² and I in m⁴).", true, true},
    {"portal A/I = 1e12", PortalFrameText("1", "1E-12"), Verdict::IllConditioned, 0,
     "member 1: EA/L = 4.0E+07 against 12EI/L³ = 1.9E-05, a ratio of 2.1E+12", true},
    {"truss square without a diagonal", kSquareWithoutDiagonal, Verdict::Mechanism, 0,
     "can move in X without resistance", false},
    {"shallow two-bar truss", testing::SmallProject("shallow-two-bar-truss"), Verdict::Single, 0,
     "", false},
};

TEST(Conditioning, EachPrecisionGivesItsOwnVerdict) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    ModelStore model = ModelFromText(c.text);
    if (c.named) model.Units = NamedUnits(ForceUnit::kN, LengthUnit::m, TemperatureUnit::C);
    const AnalysisRun run = CheckAndAnalyze(model, 0);
    ASSERT_FALSE(run.Rejected) << run.RejectionText;
    const std::string outcome = AnalysisOutcomeText(model, run);
    const bool solved = c.verdict != Verdict::Mechanism && c.verdict != Verdict::IllConditioned;
    const std::string& told = solved ? run.AccuracyNote : outcome;
    EXPECT_NE(told.find(c.mention), std::string::npos) << told;
    EXPECT_EQ(told.find("check that A and I are in the same units") != std::string::npos,
              c.unitHint)
        << told;
    EXPECT_EQ(told.find("this project states") != std::string::npos, c.named) << told;
    switch (c.verdict) {
      case Verdict::Single:
      case Verdict::DoubleWithNote: {
        ASSERT_EQ(run.Results.AnalysisStatus, kAnalysisComplete) << outcome;
        EXPECT_EQ(run.UsedDoublePrecision, c.verdict != Verdict::Single);
        EXPECT_EQ(run.AccuracyNote.empty(), c.verdict == Verdict::Single) << run.AccuracyNote;
        EXPECT_LT(testing::EquilibriumResidual(model, run.Results), 1e-5);
        if (c.inertia > 0) {
          EXPECT_NEAR(testing::Displacement(model, run.Results, 2, 1), PortalSway(c.inertia),
                      1e-4 * PortalSway(c.inertia));
        }
        break;
      }
      case Verdict::Mechanism:
        EXPECT_LT(run.Results.AnalysisStatus, 0);
        EXPECT_FALSE(run.Results.MechanismMode.empty());
        EXPECT_EQ(outcome.find("ill-conditioned"), std::string::npos) << outcome;
        break;
      case Verdict::IllConditioned:
        EXPECT_EQ(run.Results.AnalysisStatus, kSolutionFailed);
        EXPECT_TRUE(run.Results.MechanismMode.empty());
        EXPECT_NE(outcome.find("too ill-conditioned to solve even in double precision"),
                  std::string::npos)
            << outcome;
        break;
    }
    // Double precision alone tells the same failure as the guard does.
    ModelStore alone = ModelFromText(c.text);
    const std::string aloneOutcome =
        AnalysisOutcomeText(alone, CheckAndAnalyze(alone, 0, true, AnalysisPrecision::Double));
    EXPECT_TRUE(solved || aloneOutcome == outcome) << aloneOutcome;
  }
}

// The member the note names: the largest EA/L against 12EI/L³ among members that have a length
// and every property; a member without one is passed over, and a structure of none names nobody.
TEST(Conditioning, TheContrastPassesOverMembersMissingALengthOrAProperty) {
  const auto frame = [](const char* joints, const char* sections, const char* members) {
    return ModelFromText(std::string(R"("f","PFrame", "Joints",3, )") + joints +
                         R"(, "Supports",1, 1,1,1,1, "Materials",1, 200000000,0, )" + sections +
                         ", " + members);
  };
  const char* const apart = "0,0, 0,4, 5,4";
  const char* const twoSections = R"("Cross-Sections",2, 0.01,0.0001, 0.02,0.0001)";
  const struct {
    const char* name;
    ModelStore model;
    int member;  // 0: none named
  } cases[] = {
      {"the stiffer axially of two", frame(apart, twoSections, R"("Members",2, 1,2,1,1, 2,3,1,2)"),
       2},
      {"a first member of no length",
       frame("0,0, 0,0, 5,0", twoSections, R"("Members",2, 1,2,1,2, 2,3,1,1)"), 2},
      {"a member of no area alone",
       frame(apart, R"("Cross-Sections",1, 0,0.0001)", R"("Members",1, 1,2,1,1)"), 0},
      {"a member of no inertia alone",
       frame(apart, R"("Cross-Sections",1, 0.01,0)", R"("Members",1, 1,2,1,1)"), 0},
      {"a truss", ModelFromText(kSquareWithoutDiagonal), 0},
  };
  for (const auto& c : cases) {
    const std::optional<AxialBendingContrast> contrast = LargestAxialBendingContrast(c.model);
    EXPECT_EQ(contrast ? contrast->Member : 0, c.member) << c.name;
  }
}

// Wherever the elimination may stop, the notes name the coordinate as the trail labels each
// member end that carries its number: every coordinate, free or held, of every example.
TEST(Conditioning, EveryCoordinateIsNamedAsTheTrailNamesTheMemberEndsAtIt) {
  for (const char* name : testing::kExampleNames) {
    const ModelStore model = testing::ExampleModel(name);
    const AnalysisResults<double> results = AnalyzeInPrecision<double>(model);
    for (const TrailMember& m : RecordMemberSteps(model).Members)
      for (std::size_t i = 0; i < m.CodeNumbers.size(); ++i) {
        const int code = m.CodeNumbers[i];
        const std::string label = EndLabel(model.StructType, "v", static_cast<int>(i) + 1,
                                           m.BeginJoint, m.EndJoint, true);
        EXPECT_EQ(StructureCoordinateText(model, results, code),
                  "coordinate " + std::to_string(code) + label.substr(label.find(' ')))
            << name;
      }
  }
}

}  // namespace
}  // namespace stavelorn
