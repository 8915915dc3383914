#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "analysis/Analysis.h"
#include "analysis/AnalysisRun.h"
#include "analysis/EquilibriumCheck.h"
#include "analysis/MechanismMode.h"
#include "analysis/MemoryGuard.h"
#include "reports/BatchReport.h"
#include "reports/MiniJson.h"

namespace stavelorn {
namespace {

using testing::ModelFromText;

struct Mechanism {
  const char* name;
  const char* text;
  int status;
  // A coordinate the mode must move by `value` (closed-form rigid-body motion), as joint, k.
  int joint, k;
  double value;
  const char* sentence;  // what the message says about it
};

const Mechanism kMechanisms[] = {
    // Turns about its one support: joint 2 rises by L times the rotation.
    {"beam on one roller", R"("B","Beam"
"Joints",2, 0, 4
"Supports",1, 1,1,0
"Materials",1, 200,0
"Cross-Sections",1, 1
"Members",1, 1,2,1,1
)",
     kNotStable, 2, 2, 0.25, "Joint 2 can move in Y without resistance"},
    // Sways: the top joints move sideways together, nothing shortens.
    {"truss square without a diagonal", R"("T","PTruss"
"Joints",4, 0,0, 4,0, 4,3, 0,3
"Supports",2, 1,1,1, 2,0,1
"Materials",1, 200,0
"Cross-Sections",1, 1
"Members",4, 1,2,1,1, 2,3,1,1, 3,4,1,1, 4,1,1,1
)",
     kNotStable, 4, 1, 1, "Joint 3 can move in X without resistance"},
    // A pin-ended column hung from a pin carries no shear: its foot swings sideways freely.
    {"column hinged at both ends", R"("C","PFrame"
"Joints",2, 0,0, 0,5
"Supports",1, 2,1,1,0
"Materials",1, 200,0
"Cross-Sections",1, 1,1
"Members",1, 1,2,1,1
"Member Releases",1, 1,3
)",
     kSolutionFailed, 1, 1, 1, "Joint 1 can move in X without resistance"},
    // Held against deflection and bending at both ends, it turns about its axis as a whole.
    {"grid girder free to twist", R"("G","Grid"
"Joints",2, 0,0, 6,0
"Supports",2, 1,1,0,1, 2,1,0,1
"Materials",1, 200,80,0
"Cross-Sections",1, 1,1
"Members",1, 1,2,1,1
)",
     kSolutionFailed, 1, 2, 1, "Joint 1 can rotate about X without resistance"},
    // Columns on pins joined by a beam with hinges at both ends: nothing stops the sway.
    {"space portal with a beam hinged at both ends", R"("P","SFrame"
"Joints",4, 0,0,0, 0,4,0, 6,4,0, 6,0,0
"Supports",2, 1,1,1,1,0,0,0, 4,1,1,1,0,0,0
"Materials",1, 200,80,0
"Cross-Sections",1, 1,1,1,1
"Members",3, 1,2,1,1,0, 2,3,1,1,0, 4,3,1,1,0
"Member Releases",1, 2,3
)",
     kSolutionFailed, 0, 0, 0, "without resistance"},
    // The same in the plane. A pivot of a mechanism is the cancellation residue of round-off,
    // not exactly 0, and can even come out positive; the solution must still fail.
    {"portal on pins with a beam hinged at both ends", R"("Hinged portal","PFrame"
"Joints",4, 0,0, 0,4, 6,4, 6,0
"Supports",2, 1,1,1,0, 4,1,1,0
"Materials",1, 200000000,0
"Cross-Sections",1, 0.01,0.0002
"Members",3, 1,2,1,1, 2,3,1,1, 4,3,1,1
"Member Releases",1, 2,3
"Joint Loads",1, 2,1,-1,0
)",
     kSolutionFailed, 0, 0, 0, "without resistance"},
    {"unbraced panel beside an over-braced one", R"("Panels","PTruss"
"Joints",6, 0,0, 3,0, 6,0, 0,3, 3,3, 6,3
"Supports",2, 1,1,1, 3,0,1
"Materials",1, 200000000,0
"Cross-Sections",1, 0.01
"Members",9, 1,2,1,1, 2,3,1,1, 4,5,1,1, 5,6,1,1, 1,4,1,1, 2,5,1,1, 3,6,1,1, 1,5,1,1, 2,4,1,1
"Joint Loads",1, 6,1,-1
)",
     kSolutionFailed, 0, 0, 0, "without resistance"},
};

class MechanismModeTest : public ::testing::TestWithParam<Mechanism> {};

TEST_P(MechanismModeTest, MovesFreelyAndOnlyWhereNothingHolds) {
  const Mechanism& c = GetParam();
  SCOPED_TRACE(c.name);
  ModelStore model = ModelFromText(c.text);
  const AnalysisRun run = CheckAndAnalyze(model, 0);
  ASSERT_FALSE(run.Rejected) << run.RejectionText;
  ASSERT_EQ(model.AnalysisStatus, c.status);
  EXPECT_EQ(AnalyzeInPrecision<double>(model).AnalysisStatus, c.status) << "in double precision";
  const std::vector<double>& mode = model.MechanismMode;
  const int perJoint = model.CoordsPerJoint;
  ASSERT_EQ(mode.size(), static_cast<std::size_t>(model.JointCount * perJoint));

  AnalysisResults<double> numbering;
  EquationSystem<double> s = AssembleFreeStiffness(model, numbering);
  std::vector<double> x(static_cast<std::size_t>(numbering.DofCount), 0.0);
  double largest = 0, largestS = 0;
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
  for (int r = 1; r <= s.Size(); ++r)
    for (int col = 1; col <= s.Size(); ++col) largestS = std::max(largestS, std::fabs(s.S(r, col)));
  for (int r = 1; r <= s.Size(); ++r) {
    double force = 0;
    for (int col = 1; col <= s.Size(); ++col)
      force += s.S(r, col) * x[static_cast<std::size_t>(col - 1)];
    EXPECT_LE(std::fabs(force), 1e-12 * largestS) << "row " << r;
  }
  if (c.joint > 0) {
    EXPECT_NEAR(std::fabs(mode[static_cast<std::size_t>((c.joint - 1) * perJoint + c.k - 1)]),
                c.value, 1e-12);
  }
  const std::string message = AnalysisOutcomeText(model);
  EXPECT_EQ(message.rfind(AnalysisOutcomeText(model.AnalysisStatus), 0), 0u) << message;
  EXPECT_NE(message.find(c.sentence), std::string::npos) << message;
}

INSTANTIATE_TEST_SUITE_P(Models, MechanismModeTest, ::testing::ValuesIn(kMechanisms));

TEST(MechanismMode, TooFewMembersFailTheStabilityCount) {
  ModelStore m = ModelFromText(kMechanisms[6].text);
  m.MemberCount = 7;  // the two diagonals go
  Analyze(m);
  EXPECT_EQ(m.AnalysisStatus, kNotStable);
  EXPECT_EQ(m.DofCount, 9);
  EXPECT_EQ(m.RestrainedCount, 3);
}

// Two springs in a row, free at both ends, move together without resistance: (1, 1, 1). A
// spring held at one end leaves only a third joint that nothing holds: (0, 0, 1). Held at both
// ends, the row has none, even with the springs at one end a hundred million times softer.
TEST(MechanismMode, NullVectorsOfSprings) {
  struct Case {
    double rows[3][3];
    std::vector<double> mode;
  };
  const Case cases[] = {{{{1, -1, 0}, {-1, 2, -1}, {0, -1, 1}}, {1, 1, 1}},
                        {{{5, -1, 0}, {-1, 1, 0}, {0, 0, 0}}, {0, 0, 1}},
                        {{{2, -1, 0}, {-1, 1 + 1e-8, -1e-8}, {0, -1e-8, 2e-8}}, {}}};
  for (const Case& c : cases) {
    EquationSystem<double> s;
    s.Redim(3);
    for (int r = 1; r <= 3; ++r)
      for (int col = 1; col <= 3; ++col) s.S(r, col) = c.rows[r - 1][col - 1];
    const std::vector<double> x = NullVector(s);
    ASSERT_EQ(x.size(), c.mode.size());
    for (std::size_t i = 0; i < x.size(); ++i) EXPECT_NEAR(x[i], c.mode[i], 1e-12) << i;
  }
}

// The beam on one roller fails the count but still has its 3 x 3 free-coordinate matrix built
// in double precision (72 bytes) to find its mechanism; the memory guard counts it.
TEST(MechanismMode, TheMemoryGuardCountsItsMatrix) {
  const ModelStore model = ModelFromText(kMechanisms[0].text);
  EXPECT_EQ(MechanismMatrixBytes(3), 72u);
  EXPECT_EQ(MemoryRefusal(model, 72), "");
  EXPECT_NE(MemoryRefusal(model, 71).find("3 unknowns"), std::string::npos);
}

TEST(MechanismMode, BatchToolPrintsTheModeAsJson) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "stavelorn-mechanism";
  std::filesystem::create_directories(dir);
  for (const Mechanism& c : {kMechanisms[0], kMechanisms[2]}) {
    const std::string path = (dir / "model.str").string();
    std::ofstream(path) << c.text;
    std::ostringstream out, err;
    const int exit = RunBatchReport({"--json", path}, out, err);
    EXPECT_EQ(exit, c.status == kNotStable ? kExitNotStable : kExitSolutionFailed);
    const JsonValue json = ParseJson(out.str());
    EXPECT_EQ(json["status"].text, std::to_string(c.status));
    const JsonValue& mode = json["mechanism"]["mode"];
    ASSERT_EQ(mode.items.size(), 2u) << c.name;
    for (std::size_t j = 0; j < 2; ++j) {
      EXPECT_EQ(mode[j]["joint"].text, std::to_string(j + 1));
      EXPECT_EQ(mode[j]["values"].items.size(), c.status == kNotStable ? 2u : 3u);
    }
    EXPECT_EQ(mode[c.joint == 1 ? 1 : 0]["values"][0].text, "0");  // the joint held by the support
    const std::string moving = "Joint " + std::to_string(c.joint) +
                               (c.status == kNotStable ? " Y Translation" : " X Translation");
    EXPECT_EQ(json["mechanism"]["moving"][0].text, moving);
    EXPECT_NE(err.str().find(c.sentence), std::string::npos) << err.str();
  }
}

}  // namespace
}  // namespace stavelorn
