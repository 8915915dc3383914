// The results windows' tables against small structures whose answers are known in closed form
// (a cantilever of length 10 with EA = 1000, EI = 1000, GJ = 500; two bars sharing a load), so
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
const std::string kBeam = Cantilever("Beam", "0, 10", "1,1", "1000,0", "1", "", "-3,0");
const std::string kPFrame =
    Cantilever("PFrame", "0,0, 10,0", "1,1,1", "1000,0", "1,1", "", "10,-3,0");
const std::string kSFrame = Cantilever("SFrame", "0,0,0, 10,0,0", "1,1,1,1,1,1", "1000,500,0",
                                       "1,1,1,1", ",0", "10,-3,6,5,0,0");
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
      {kBeam, FormId::Disp, {"1|Z|Z", "2|-1.0000E+00|-1.5000E-01"}},
      {kSFrame,
       FormId::Disp,
       {"1|Z|Z|Z|Z|Z|Z",
        "2| 1.0000E-01|-1.0000E+00| 2.0000E+00| 1.0000E-01|-3.0000E-01|-1.5000E-01"}},
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

TEST(ResultTables, SettlementsShowAtTheRestrainedCoordinatesOnlyAboveRoundOff) {
  ModelStore model = Solved(kBeam);
  model.SettlementCount = 1;
  model.SettlementJoints.Redim(1);
  model.SettlementJoints(1) = 1;
  model.SettlementValues.Redim(1, 2);
  model.SettlementValues(1, 1) = 0.5f, model.SettlementValues(1, 2) = 1E-12f;
  Analyze(model);
  ASSERT_EQ(model.AnalysisStatus, kAnalysisComplete);
  EXPECT_EQ(BuildResultTable(model, FormId::Disp).Cells[1],
            (std::vector<std::string>{"1", " 5.0000E-01", " 0.0000E+00"}));
}

TEST(ResultTables, GridSizesAndAlignmentOfEachWindow) {
  const ModelStore frame = Solved(kPFrame), truss = Solved(kPTruss);
  const ResultTable disp = BuildResultTable(frame, FormId::Disp);
  const ResultTable forces = BuildResultTable(frame, FormId::MbForce);
  const ResultTable axial = BuildResultTable(truss, FormId::MbForce);
  // Columns plus 28 per grid line across; data rows, heading and 30 per grid line down.
  EXPECT_EQ(std::make_pair(disp.Size.Width, disp.Size.Height),
            std::make_pair(500 + 3 * 1400 + 5 * 28, 2 * 300 + 400 + 4 * 30));
  EXPECT_EQ(std::make_pair(axial.Size.Width, axial.Size.Height),
            std::make_pair(800 + 2000 + 3 * 28, 3 * 300 + 500 + 5 * 30));
  EXPECT_EQ(PlaceOf(disp, 2, 1), CellPlace::Centre);
  // The member forces keep the grid's default: numbers to the right, text to the left.
  EXPECT_EQ(PlaceOf(forces, 1, 2), CellPlace::Right);
  EXPECT_EQ(PlaceOf(forces, 0, 2), CellPlace::Left);
  EXPECT_EQ(PlaceOf(axial, 1, 1), CellPlace::Left);  // " 1.2500E+01 (T)" is text
  EXPECT_EQ(CopyCells(axial, 0, 0, 1, 1, [](int row, int col) { return row == col; }),
            "Member\t\n\t1.2500E+01 (T)\n");
}

}  // namespace
}  // namespace stavelorn
