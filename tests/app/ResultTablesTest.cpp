// The results windows' tables against small structures whose answers are known in closed form
// (a cantilever of length 10 with EA = 1000, EI = 1000; two bars sharing a load), so
// every expected cell below is worked out by hand, not read back from the program.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/Analysis.h"
#include "analysis/EquilibriumCheck.h"
#include "app/ResultTables.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

ModelStore Solved(const std::string& text) {
  ModelStore m = testing::ModelFromText(text);
  Analyze(m);
  EXPECT_EQ(m.AnalysisStatus, kAnalysisComplete) << m.StructType;
  return m;
}

// A cantilever from joint 1 (fixed) at the origin to joint 2 at X = 10, loaded at joint 2.
std::string Cantilever(const std::string& type, const std::string& joints, const std::string& fixed,
                       const std::string& material, const std::string& section,
                       const std::string& member, const std::string& load) {
  return "\"Check\",\"" + type + "\"\n\"Joints\",2, " + joints + "\n\"Supports\",1, 1," + fixed +
         "\n\"Materials\",1, " + material + "\n\"Cross-Sections\",1, " + section +
         "\n\"Members\",1, 1,2,1,1" + member + "\n\"Joint Loads\",1, 2," + load + "\n";
}
const std::string kPFrame =
    Cantilever("PFrame", "0,0, 10,0", "1,1,1", "1000,0", "1,1", "", "10,-3,0");
// Two bars in line pinned at their outer ends share a load of 25 at their common joint, a
// roller; a third bar from there up to a pin carries nothing.
const std::string kPTruss = R"("Check","PTruss"
"Joints",4, 0,0, 10,0, 20,0, 10,10
"Supports",4, 1,1,1, 2,0,1, 3,1,1, 4,1,1
"Materials",1, 1000,0
"Cross-Sections",1, 1
"Members",3, 1,2,1,1, 2,3,1,1, 2,4,1,1
"Joint Loads",1, 2,25,0
)";

// The data rows under the heading, each with its cells joined by '|'; "Z" is a printed zero and
// "~0" a value that is zero but for round-off, which must print below 1E-04.
void ExpectCells(const ResultTable& table, const std::vector<std::string>& rows) {
  ASSERT_EQ(table.Rows(), static_cast<int>(rows.size()) + 1);
  for (std::size_t r = 1; r <= rows.size(); ++r) {
    std::vector<std::string> expected;
    std::stringstream row(rows[r - 1]);
    for (std::string cell; std::getline(row, cell, '|');) expected.push_back(cell);
    ASSERT_EQ(table.Cells[r].size(), expected.size()) << "row " << r;
    for (std::size_t c = 0; c < expected.size(); ++c) {
      const std::string& cell = table.Cells[r][c];
      SCOPED_TRACE("row " + std::to_string(r) + " col " + std::to_string(c) + ": " + cell);
      if (expected[c] == "~0") {
        EXPECT_EQ(cell.size(), 11u);
        EXPECT_LT(std::fabs(std::strtod(cell.c_str(), nullptr)), 1E-4);
      } else {
        EXPECT_EQ(cell, expected[c] == "Z" ? " 0.0000E+00" : expected[c]);
      }
    }
  }
}

struct Case {
  const std::string& model;
  FormId window;
  std::vector<std::string> rows;
};

TEST(ResultTables, EveryWindowOfEveryType) {
  const Case cases[] = {
      {kPTruss, FormId::MbForce, {"1| 1.2500E+01 (T)", "2| 1.2500E+01 (C)", "3|Z"}},
      {kPFrame,
       FormId::MbForce,
       {"1|1|-1.0000E+01| 3.0000E+00| 3.0000E+01", "|2| 1.0000E+01|-3.0000E+00|~0"}},
      // The roller at joint 2 is free in X: its X reaction shows zero.
      {kPTruss, FormId::Reac, {"1|-1.2500E+01|~0", "2|Z|~0", "3|-1.2500E+01|~0", "4|~0|~0"}},
  };
  for (const Case& c : cases) {
    const ResultTable table = BuildResultTable(Solved(c.model), c.window);
    SCOPED_TRACE(c.model.substr(0, 16) + " " + table.Caption);
    ExpectCells(table, c.rows);
  }
}

// A cell's number within the five significant digits it is printed with.
void ExpectShown(const std::string& cell, double value, const std::string& where) {
  EXPECT_NEAR(std::strtod(cell.c_str(), nullptr), value, 5e-5 * std::fabs(value) + 1e-30)
      << where << ": " << cell;
}

// Every example's three windows hold one row per joint, member end or support, and each cell is
// the stored result of its own coordinate: the settlement at a settled restraint, 0 at a free
// coordinate's reaction, tension or compression from the sign of a bar's force.
TEST(ResultTables, EveryExampleShowsEachStoredResultInItsOwnCell) {
  for (const char* name : {"continuous-beam", "roof-truss", "portal-frame", "space-truss-tower",
                           "grid-floor", "space-frame"}) {
    std::string problem;
    ModelStore m = testing::ExampleModel(name, problem);
    Analyze(m);
    ASSERT_EQ(m.AnalysisStatus, kAnalysisComplete) << name;
    const int n = m.CoordsPerJoint;
    auto restrained = [&](int joint, int k) {
      return m.CoordNumbers((joint - 1) * n + k) > m.DofCount;
    };
    const ResultTable disp = BuildResultTable(m, FormId::Disp);
    ASSERT_EQ(disp.Rows(), m.JointCount + 1) << name;
    for (int j = 1; j <= m.JointCount; ++j)
      for (int k = 1; k <= n; ++k) {
        double settled = 0;
        for (int s = 1; s <= m.SettlementCount; ++s)
          if (m.SettlementJoints(s) == j) settled = m.SettlementValues(s, k);
        const double shown = restrained(j, k) ? settled : testing::Displacement(m, j, k);
        ExpectShown(disp.Cells[j][k], shown, std::string(name) + " displacement");
      }
    const ResultTable forces = BuildResultTable(m, FormId::MbForce);
    const bool truss = m.StructType == "PTruss" || m.StructType == "STruss";
    ASSERT_EQ(forces.Rows(), 1 + m.MemberCount * (truss ? 1 : 2)) << name;
    for (int member = 1; member <= m.MemberCount; ++member) {
      if (truss) {
        const std::string& cell = forces.Cells[member][1];
        const float q = m.MemberEndForces(member, 1);
        ExpectShown(cell, std::fabs(q), std::string(name) + " bar force");
        EXPECT_EQ(cell.find(q < 0 ? "(T)" : "(C)") != std::string::npos, q != 0) << cell;
        continue;
      }
      for (int end = 0; end < 2; ++end) {
        const std::vector<std::string>& row = forces.Cells[2 * member - 1 + end];
        EXPECT_EQ(row[1], std::to_string(m.MemberProps(member, end + 1)));
        for (int k = 1; k <= n; ++k)
          ExpectShown(row[static_cast<std::size_t>(k + 1)], m.MemberEndForces(member, end * n + k),
                      std::string(name) + " end force");
      }
    }
    const ResultTable reactions = BuildResultTable(m, FormId::Reac);
    ASSERT_EQ(reactions.Rows(), m.SupportCount + 1) << name;
    for (int s = 1; s <= m.SupportCount; ++s) {
      const int joint = m.Supports(s, 1);
      EXPECT_EQ(reactions.Cells[s][0], std::to_string(joint));
      for (int k = 1; k <= n; ++k)
        ExpectShown(reactions.Cells[s][k],
                    restrained(joint, k) ? testing::Reaction(m, joint, k) : 0,
                    std::string(name) + " reaction");
    }
  }
}

// A grid's size: its columns plus 28 twips per grid line across, its rows plus 30 per line down;
// past 15 rows it shows 14 data rows and a scroll bar 255 wide. Under the default alignment a
// cell that reads wholly as a number sits at the right, any other text at the left.
TEST(ResultTables, GridSizeAndCellPlaces) {
  const ResultGridSize small = SizeResultGrid({500, 1400}, 3, 400, 300);
  EXPECT_EQ(small.Width, 500 + 1400 + 3 * 28);
  EXPECT_EQ(small.Height, 400 + 2 * 300 + 4 * 30);
  EXPECT_EQ(small.ShownDataRows, 2);
  EXPECT_FALSE(small.VerticalScrollBar);
  const ResultGridSize tall = SizeResultGrid({500}, 16, 400, 300);
  EXPECT_TRUE(tall.VerticalScrollBar);
  EXPECT_EQ(tall.ShownDataRows, 14);
  EXPECT_EQ(tall.Width, 500 + 2 * 28 + 255);
  EXPECT_EQ(tall.Height, 14 * 300 + 400 + 480);
  EXPECT_FALSE(SizeResultGrid({500}, 15, 400, 300).VerticalScrollBar);

  ResultTable t;
  t.Cells = {{"Member", "Axial Force"}, {"1", " 1.2500E+01 (T)"}, {"2", "-3.5E+00 "}};
  t.ColWidths = {800, 2000};
  t.Alignment = CellAlignment::General;
  EXPECT_EQ(PlaceOf(t, 1, 0), CellPlace::Right);
  EXPECT_EQ(PlaceOf(t, 1, 1), CellPlace::Left);
  EXPECT_EQ(PlaceOf(t, 2, 1), CellPlace::Right);
  EXPECT_EQ(PlaceOf(t, 0, 1), CellPlace::Left);
  t.Alignment = CellAlignment::Centred;
  EXPECT_EQ(PlaceOf(t, 2, 1), CellPlace::Centre);
}

}  // namespace
}  // namespace stavelorn
