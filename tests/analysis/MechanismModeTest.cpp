#include <gtest/gtest.h>

#include <cmath>

#include "analysis/Analysis.h"
#include "analysis/AnalysisRun.h"
#include "analysis/MechanismMode.h"
#include "support/CaseNames.h"
#include "support/SampleModels.h"
#include "support/StructureTexts.h"

namespace stavelorn {
namespace {

using testing::ModelFromText;

struct Mechanism {
  const char* name;
  std::string text;
  int status;
  // A coordinate the mode must move by `value` (closed-form rigid-body motion), as joint, k.
  int joint, k;
  double value;
  const char* sentence;  // what the message says about it
};

const Mechanism kMechanisms[] = {
    // Turns about its one support: joint 2 rises by L times the rotation.
    {"beam on one roller", testing::SmallProject("beam-on-one-roller"), kNotStable, 2, 2, 0.25,
     "Joint 2 can move in Y without resistance"},
    // A pin-ended column hung from a pin carries no shear: its foot swings sideways freely.
    {"column hinged at both ends", testing::SmallProject("column-hinged-at-both-ends"),
     kSolutionFailed, 1, 1, 1, "Joint 1 can move in X without resistance"},
    // Held against deflection and bending at both ends, it turns about its axis as a whole.
    {"grid girder free to twist", testing::SmallProject("grid-girder-free-to-twist"),
     kSolutionFailed, 1, 2, 1, "Joint 1 can rotate about X without resistance"},
    // Columns on pins joined by a beam with hinges at both ends: nothing stops the sway. A
    // pivot of a mechanism is the cancellation residue of round-off, not exactly 0, and can
    // even come out positive; the solution must still fail.
    {"portal on pins with a beam hinged at both ends",
     testing::SmallProject("portal-on-pins-with-a-hinged-beam"), kSolutionFailed, 0, 0, 0,
     "without resistance"},
    {"unbraced panel beside an over-braced one",
     testing::SmallProject("over-braced-beside-unbraced"), kSolutionFailed, 0, 0, 0,
     "without resistance"},
};

class MechanismModeTest : public ::testing::TestWithParam<Mechanism> {};

TEST_P(MechanismModeTest, MovesFreelyAndOnlyWhereNothingHolds) {
  const Mechanism& c = GetParam();
  SCOPED_TRACE(c.name);
  ModelStore model = ModelFromText(c.text);
  const AnalysisRun run = CheckAndAnalyze(model, 0);
  ASSERT_FALSE(run.Rejected) << run.RejectionText;
  ASSERT_EQ(run.Results.AnalysisStatus, c.status);
  EXPECT_EQ(AnalyzeInPrecision<double>(model).AnalysisStatus, c.status) << "in double precision";
  const std::vector<double>& mode = run.Results.MechanismMode;
  const int perJoint = model.CoordsPerJoint;
  ASSERT_EQ(mode.size(), static_cast<std::size_t>(model.JointCount * perJoint));

  AnalysisResults<double> numbering;
  EquationSystem<double> s = AssembleFreeStiffness(model, numbering);
  std::vector<double> x(static_cast<std::size_t>(numbering.DofCount), 0.0);
  double largest = 0, largestS = 0, largestForce = 0;
  for (int i = 1; i <= numbering.CoordNumbers.Size(); ++i) {
    const int number = numbering.CoordNumbers(i);
    const double v = mode[static_cast<std::size_t>(i - 1)];
    largest = std::max(largest, std::fabs(v));
    if (number <= numbering.DofCount)
      x[static_cast<std::size_t>(number - 1)] = v;
    else
      EXPECT_EQ(v, 0) << "restrained coordinate " << i;
  }
  EXPECT_DOUBLE_EQ(largest, 1);
  for (int r = 1; r <= s.Size(); ++r) {
    double force = 0;
    for (int col = 1; col <= s.Size(); ++col) {
      force += s.S(r, col) * x[static_cast<std::size_t>(col - 1)];
      largestS = std::max(largestS, std::fabs(s.S(r, col)));
    }
    largestForce = std::max(largestForce, std::fabs(force));
  }
  EXPECT_LE(largestForce, 1e-12 * largestS) << "the mode moves against the stiffness";
  if (c.joint > 0) {
    EXPECT_NEAR(std::fabs(mode[static_cast<std::size_t>((c.joint - 1) * perJoint + c.k - 1)]),
                c.value, 1e-12);
  }
  const std::string message = AnalysisOutcomeText(model, run);
  EXPECT_EQ(message.rfind(AnalysisOutcomeText(run.Results.AnalysisStatus), 0), 0u) << message;
  EXPECT_NE(message.find(c.sentence), std::string::npos) << message;
}

INSTANTIATE_TEST_SUITE_P(Models, MechanismModeTest, ::testing::ValuesIn(kMechanisms),
                         testing::NamedCases());

}  // namespace
}  // namespace stavelorn
