// The results windows' tables against small structures whose answers are known in closed form
// (a cantilever of length 10 with EA = 1000, EI = 1000, GJ = 500; two bars sharing a load), so
// every expected cell below is worked out by hand, not read back from the program.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "analysis/Analysis.h"
#include "app/ResultTables.h"

namespace stavelorn {
namespace {

using Rows = std::vector<std::vector<std::string>>;

struct Structure {
  const char* Type;
  std::vector<std::vector<float>> Joints;
  std::vector<std::vector<std::int16_t>> Supports;  // joint, then a code per coordinate
  std::vector<float> Material;
  std::vector<float> Section;
  std::vector<std::pair<int, int>> Members;
  std::vector<std::pair<int, std::vector<float>>> Loads;  // joint, components
};

template <typename T>
void Fill(Table<T>& table, const std::vector<std::vector<T>>& rows) {
  table.Redim(static_cast<int>(rows.size()), rows.empty() ? 0 : static_cast<int>(rows[0].size()));
  for (std::size_t r = 0; r < rows.size(); ++r)
    for (std::size_t c = 0; c < rows[r].size(); ++c) table(int(r) + 1, int(c) + 1) = rows[r][c];
}

ModelStore Solved(const Structure& s) {
  ModelStore m;
  m.ProjectTitle = "Check";
  m.SetStructType(s.Type);
  m.JointCount = static_cast<std::int16_t>(s.Joints.size());
  Fill(m.JointCoords, s.Joints);
  m.SupportCount = static_cast<std::int16_t>(s.Supports.size());
  Fill(m.Supports, s.Supports);
  m.MaterialCount = m.SectionCount = 1;
  Fill(m.Materials, {s.Material});
  Fill(m.Sections, {s.Section});
  m.MemberCount = static_cast<std::int16_t>(s.Members.size());
  m.MemberProps.Redim(m.MemberCount, 4);
  m.RollAngles.Redim(m.MemberCount);
  for (int i = 1; i <= m.MemberCount; ++i) {
    m.MemberProps(i, 1) = static_cast<std::int16_t>(s.Members[std::size_t(i - 1)].first);
    m.MemberProps(i, 2) = static_cast<std::int16_t>(s.Members[std::size_t(i - 1)].second);
    m.MemberProps(i, 3) = m.MemberProps(i, 4) = 1;
  }
  m.JointLoadCount = static_cast<std::int16_t>(s.Loads.size());
  m.JointLoadJoints.Redim(m.JointLoadCount);
  m.JointLoadValues.Redim(m.JointLoadCount, m.CoordsPerJoint);
  for (int i = 1; i <= m.JointLoadCount; ++i) {
    const auto& [joint, values] = s.Loads[std::size_t(i - 1)];
    m.JointLoadJoints(i) = static_cast<std::int16_t>(joint);
    for (int k = 1; k <= m.CoordsPerJoint; ++k)
      m.JointLoadValues(i, k) = values[std::size_t(k - 1)];
  }
  Analyze(m);
  EXPECT_EQ(m.AnalysisStatus, kAnalysisComplete) << s.Type;
  return m;
}

// Cantilevers from joint 1 (fixed) at the origin to joint 2 at X = 10, loaded at joint 2.
const Structure kBeam{"Beam", {{0}, {10}}, {{1, 1, 1}}, {1000, 0}, {1}, {{1, 2}}, {{2, {-3, 0}}}};
const Structure kPFrame{"PFrame", {{0, 0}, {10, 0}}, {{1, 1, 1, 1}},    {1000, 0},
                        {1, 1},   {{1, 2}},          {{2, {10, -3, 0}}}};
const Structure kGrid{"Grid", {{0, 0}, {10, 0}}, {{1, 1, 1, 1}},   {1000, 500, 0},
                      {1, 1}, {{1, 2}},          {{2, {-3, 5, 0}}}};
const Structure kSFrame{
    "SFrame", {{0, 0, 0}, {10, 0, 0}},    {{1, 1, 1, 1, 1, 1, 1}}, {1000, 500, 0}, {1, 1, 1, 1},
    {{1, 2}}, {{2, {10, -3, 6, 5, 0, 0}}}};
// Two bars in line pinned at their outer ends share a load of 25 at their common joint, a
// roller; a third bar from there up to a pin carries nothing.
const Structure kPTruss{"PTruss",
                        {{0, 0}, {10, 0}, {20, 0}, {10, 10}},
                        {{1, 1, 1}, {2, 0, 1}, {3, 1, 1}, {4, 1, 1}},
                        {1000, 0},
                        {1},
                        {{1, 2}, {2, 3}, {2, 4}},
                        {{2, {25, 0}}}};
// One bar pushed along its axis at a support free only in X.
const Structure kSTruss{
    "STruss", {{0, 0, 0}, {10, 0, 0}}, {{1, 1, 1, 1}, {2, 0, 1, 1}}, {1000, 0}, {1},
    {{1, 2}}, {{2, {-10, 0, 0}}}};

// "~0" stands for a value that is zero but for round-off: it must print below 1E-04.
void ExpectCells(const ResultTable& table, const Rows& expected, const char* type) {
  ASSERT_EQ(table.Rows(), static_cast<int>(expected.size())) << type;
  for (std::size_t r = 0; r < expected.size(); ++r) {
    ASSERT_EQ(table.Cells[r].size(), expected[r].size()) << type << " row " << r;
    for (std::size_t c = 0; c < expected[r].size(); ++c) {
      const std::string& cell = table.Cells[r][c];
      if (expected[r][c] == "~0") {
        EXPECT_EQ(cell.size(), 11u) << type << " row " << r << " col " << c;
        EXPECT_LT(std::fabs(std::strtod(cell.c_str(), nullptr)), 1E-4)
            << type << " (" << r << ", " << c << ") " << cell;
      } else {
        EXPECT_EQ(cell, expected[r][c]) << type << " row " << r << " col " << c;
      }
    }
  }
}

struct Case {
  const Structure* Model;
  Rows Cells;
};

constexpr const char* Z = " 0.0000E+00";

TEST(ResultTables, JointDisplacementsOfEachType) {
  const Case cases[] = {
      {&kBeam,
       {{"Joint", " Y Translation", "Rotation (Rad)"},
        {"1", Z, Z},
        {"2", "-1.0000E+00", "-1.5000E-01"}}},
      {&kPTruss,
       {{"Joint", " X Translation", " Y Translation"},
        {"1", Z, Z},
        {"2", " 1.2500E-01", Z},
        {"3", Z, Z},
        {"4", Z, Z}}},
      {&kPFrame,
       {{"Joint", " X Translation", " Y Translation", "Rotation (Rad)"},
        {"1", Z, Z, Z},
        {"2", " 1.0000E-01", "-1.0000E+00", "-1.5000E-01"}}},
      {&kSTruss,
       {{"Joint", "X Translation", "Y Translation", "Z Translation"},
        {"1", Z, Z, Z},
        {"2", "-1.0000E-01", Z, Z}}},
      {&kGrid,
       {{"Joint", " Y Translation", "X Rotation (Rad)", "Z Rotation (Rad)"},
        {"1", Z, Z, Z},
        {"2", "-1.0000E+00", " 1.0000E-01", "-1.5000E-01"}}},
      {&kSFrame,
       {{"Joint", "X Translation", "Y Translation", "Z Translation", "X Rotation (Rad)",
         "Y Rotation (Rad)", "Z Rotation (Rad)"},
        {"1", Z, Z, Z, Z, Z, Z},
        {"2", " 1.0000E-01", "-1.0000E+00", " 2.0000E+00", " 1.0000E-01", "-3.0000E-01",
         "-1.5000E-01"}}},
  };
  for (const Case& c : cases) {
    const ResultTable table = BuildResultTable(Solved(*c.Model), FormId::Disp);
    EXPECT_EQ(table.Caption, "Joint Displacements");
    EXPECT_EQ(table.Label2, "Joint Displacements");
    EXPECT_EQ(table.Label1, "Check");
    EXPECT_EQ(table.ShowsCanvas, std::string(c.Model->Type) != "SFrame") << c.Model->Type;
    ExpectCells(table, c.Cells, c.Model->Type);
  }
}

TEST(ResultTables, MemberForcesOfEachType) {
  const Case cases[] = {
      {&kBeam,
       {{"Member", "Joint", "Shear Force", "Moment"},
        {"1", "1", " 3.0000E+00", " 3.0000E+01"},
        {"", "2", "-3.0000E+00", "~0"}}},
      {&kPTruss,
       {{"Member", "Axial Force"}, {"1", " 1.2500E+01 (T)"}, {"2", " 1.2500E+01 (C)"}, {"3", Z}}},
      {&kPFrame,
       {{"Member", "Joint", "Axial Force", "Shear Force", "Moment"},
        {"1", "1", "-1.0000E+01", " 3.0000E+00", " 3.0000E+01"},
        {"", "2", " 1.0000E+01", "-3.0000E+00", "~0"}}},
      {&kSTruss, {{"Member", "Axial Force"}, {"1", " 1.0000E+01 (C)"}}},
      {&kGrid,
       {{"Member", "Joint", "Shear Force", "Torsional Moment", "Bending Moment"},
        {"1", "1", " 3.0000E+00", "-5.0000E+00", " 3.0000E+01"},
        {"", "2", "-3.0000E+00", " 5.0000E+00", "~0"}}},
      {&kSFrame,
       {{"Member", "Joint", "Axial Force", "y Shear Force", "z Shear Force", "Torsional Moment",
         "y Bending Moment", "z Bending Moment"},
        {"1", "1", "-1.0000E+01", " 3.0000E+00", "-6.0000E+00", "-5.0000E+00", " 6.0000E+01",
         " 3.0000E+01"},
        {"", "2", " 1.0000E+01", "-3.0000E+00", " 6.0000E+00", " 5.0000E+00", "~0", "~0"}}},
  };
  for (const Case& c : cases) {
    const ResultTable table = BuildResultTable(Solved(*c.Model), FormId::MbForce);
    EXPECT_EQ(table.Caption, "Member End Forces in Local Coordinates");
    EXPECT_EQ(table.Label2, "Member Forces");
    EXPECT_FALSE(table.ShowsCanvas);
    ExpectCells(table, c.Cells, c.Model->Type);
  }
}

TEST(ResultTables, SupportReactionsOfEachType) {
  const Case cases[] = {
      {&kBeam, {{"Joint", "Y Force", "Moment"}, {"1", " 3.0000E+00", " 3.0000E+01"}}},
      // The roller at joint 2 is free in X: its X reaction shows zero.
      {&kPTruss,
       {{"Joint", "X Force", "Y Force"},
        {"1", "-1.2500E+01", "~0"},
        {"2", Z, "~0"},
        {"3", "-1.2500E+01", "~0"},
        {"4", "~0", "~0"}}},
      {&kPFrame,
       {{"Joint", "X Force", "Y Force", "Moment"},
        {"1", "-1.0000E+01", " 3.0000E+00", " 3.0000E+01"}}},
      {&kSTruss,
       {{"Joint", "X Force", "Y Force", "Z Force"},
        {"1", " 1.0000E+01", "~0", "~0"},
        {"2", Z, "~0", "~0"}}},
      {&kGrid,
       {{"Joint", "Y Force", "X Moment", "Z Moment"},
        {"1", " 3.0000E+00", "-5.0000E+00", " 3.0000E+01"}}},
      {&kSFrame,
       {{"Joint", "X Force", "Y Force", "Z-Force", "X Moment", "Y Moment", "Z Moment"},
        {"1", "-1.0000E+01", " 3.0000E+00", "-6.0000E+00", "-5.0000E+00", " 6.0000E+01",
         " 3.0000E+01"}}},
  };
  for (const Case& c : cases) {
    const ResultTable table = BuildResultTable(Solved(*c.Model), FormId::Reac);
    EXPECT_EQ(table.Caption, "Support Reactions");
    EXPECT_EQ(table.Label2, "Support Reactions");
    ExpectCells(table, c.Cells, c.Model->Type);
  }
}

TEST(ResultTables, SettlementsShowAtTheRestrainedCoordinatesOnlyAboveRoundOff) {
  ModelStore model = Solved(kBeam);
  model.SettlementCount = 1;
  model.SettlementJoints.Redim(1);
  model.SettlementJoints(1) = 1;
  Fill(model.SettlementValues, {{0.5f, 1E-12f}});
  Analyze(model);
  ASSERT_EQ(model.AnalysisStatus, kAnalysisComplete);
  const ResultTable table = BuildResultTable(model, FormId::Disp);
  EXPECT_EQ(table.Cells[1], (std::vector<std::string>{"1", " 5.0000E-01", Z}));
}

TEST(ResultTables, GridSizesAndAlignmentOfEachWindow) {
  const ModelStore frame = Solved(kPFrame), truss = Solved(kPTruss);
  const ResultTable disp = BuildResultTable(frame, FormId::Disp);
  const ResultTable forces = BuildResultTable(frame, FormId::MbForce);
  const ResultTable axial = BuildResultTable(truss, FormId::MbForce);
  const ResultTable reactions = BuildResultTable(truss, FormId::Reac);
  // Columns plus 28 per grid line across; data rows, heading and 30 per grid line down.
  EXPECT_EQ(std::make_pair(disp.Size.Width, disp.Size.Height),
            std::make_pair(500 + 3 * 1400 + 5 * 28, 2 * 300 + 400 + 4 * 30));
  EXPECT_EQ(std::make_pair(forces.Size.Width, forces.Size.Height),
            std::make_pair(2 * 800 + 3 * 1200 + 6 * 28, 2 * 300 + 500 + 4 * 30));
  EXPECT_EQ(std::make_pair(axial.Size.Width, axial.Size.Height),
            std::make_pair(800 + 2000 + 3 * 28, 3 * 300 + 500 + 5 * 30));
  EXPECT_EQ(std::make_pair(reactions.Size.Width, reactions.Size.Height),
            std::make_pair(500 + 2 * 1300 + 4 * 28, 5 * 300 + 6 * 30));
  EXPECT_EQ(PlaceOf(disp, 2, 1), CellPlace::Centre);
  EXPECT_EQ(PlaceOf(reactions, 0, 1), CellPlace::Centre);
  // The member forces keep the grid's default: numbers to the right, text to the left.
  EXPECT_EQ(PlaceOf(forces, 1, 2), CellPlace::Right);
  EXPECT_EQ(PlaceOf(forces, 0, 2), CellPlace::Left);
  EXPECT_EQ(PlaceOf(axial, 1, 1), CellPlace::Left);  // " 1.2500E+01 (T)" is text
}

// A continuous beam on `joints` pins, turned at its second joint.
ModelStore ContinuousBeam(int joints) {
  Structure beam{"Beam", {}, {}, {1000, 0}, {1}, {}, {{2, {0, 1}}}};
  for (int j = 1; j <= joints; ++j) {
    beam.Joints.push_back({float(j)});
    beam.Supports.push_back({std::int16_t(j), 1, 0});
    if (j > 1) beam.Members.emplace_back(j - 1, j);
  }
  return Solved(beam);
}

TEST(ResultTables, TwentyJointBeamScrollsFourteenRowsHigh) {
  const ResultTable table = BuildResultTable(ContinuousBeam(20), FormId::Disp);
  EXPECT_EQ(table.Rows(), 21);
  EXPECT_TRUE(table.Size.VerticalScrollBar);
  EXPECT_EQ(table.Size.ShownDataRows, 14);
  EXPECT_EQ(table.Size.Height, 14 * 300 + 400 + 480);
  EXPECT_EQ(table.Size.Width, 500 + 2 * 1400 + 4 * 28 + 255);
  // Fifteen rows still fit without scrolling, in the same height.
  const ResultTable fits = BuildResultTable(ContinuousBeam(14), FormId::Disp);
  EXPECT_FALSE(fits.Size.VerticalScrollBar);
  EXPECT_EQ(fits.Size.ShownDataRows, 14);
  EXPECT_EQ(std::make_pair(fits.Size.Width, fits.Size.Height), std::make_pair(3412, 5080));
}

TEST(ResultTables, CopiedCellsAreTabSeparatedWithoutPadding) {
  const ResultTable table = BuildResultTable(Solved(kPTruss), FormId::MbForce);
  EXPECT_EQ(CopyCells(table, 1, 0, 2, 1, [](int, int) { return true; }),
            "1\t1.2500E+01 (T)\n2\t1.2500E+01 (C)\n");
  EXPECT_EQ(CopyCells(table, 0, 0, 1, 1, [](int row, int col) { return row == col; }),
            "Member\t\n\t1.2500E+01 (T)\n");
}

}  // namespace
}  // namespace stavelorn
