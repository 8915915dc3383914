#include <gtest/gtest.h>

#include "model/ModelStore.h"

namespace stavelorn {
namespace {

// A type takes the type table's sizes; an unknown or miscased code changes nothing, and a reset
// empties the store.
TEST(ModelStore, SetStructTypeTakesTheTableSizesAndResetEmptiesTheStore) {
  ModelStore m;
  ASSERT_TRUE(m.SetStructType("Grid"));
  const StructTypeInfo& grid = m.TypeInfo();
  EXPECT_FALSE(m.SetStructType("Arch"));
  EXPECT_FALSE(m.SetStructType("beam"));
  EXPECT_EQ(m.StructType, "Grid");
  EXPECT_EQ(m.CoordsPerJoint, grid.CoordsPerJoint);
  EXPECT_EQ(m.CoordColumns, grid.CoordColumns);
  EXPECT_EQ(m.SectionColumns, grid.SectionColumns);
  EXPECT_EQ(m.MaterialColumns(), grid.MaterialColumns);
  m.ProjectTitle = "old";
  m.JointCount = 3;
  m.AnalysisStatus = kAnalysisComplete;
  m.DeflectionMultiplier = 20;
  m.Reset();
  EXPECT_EQ(m.JointCount, 0);
  EXPECT_EQ(m.CoordsPerJoint, 0);
  EXPECT_EQ(m.StructType, "");
  EXPECT_EQ(m.ProjectTitle, "");
  EXPECT_EQ(m.AnalysisStatus, kNoResults);
  EXPECT_EQ(m.DeflectionMultiplier, 5);
  EXPECT_EQ(m.Pi, 3.14159265358979f);
}

TEST(Table, IsOneBasedAndRefusesIndicesOutsideItsShape) {
  Table<float> t(2, 3);
  t(2, 3) = 6;
  EXPECT_EQ(t(2, 3), 6);
  EXPECT_THROW(t(0, 1), std::out_of_range);
  EXPECT_THROW(t(3, 1), std::out_of_range);
  EXPECT_THROW(t(1, 4), std::out_of_range);
  Array<int> a(2);
  EXPECT_THROW(a(3), std::out_of_range);
  a.Redim(-5);
  EXPECT_EQ(a.Size(), 0);
}

}  // namespace
}  // namespace stavelorn
