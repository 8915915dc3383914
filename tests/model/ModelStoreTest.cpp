#include <gtest/gtest.h>

#include "model/ModelStore.h"

namespace stavelorn {
namespace {

TEST(ModelStore, ResetEmptiesTheStoreAndRoundsPiFromDouble) {
  ModelStore m;
  m.SetStructType("PFrame");
  m.ProjectTitle = "old";
  m.JointCount = 3;
  m.JointCoords.Redim(3, 2);
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
  EXPECT_EQ(m.JointCoords.Rows(), 3) << "rows stay; the count makes the table empty";
}

struct TypeSizes {
  const char* code;
  int coordsPerJoint, coordColumns, sectionColumns, materialColumns;
};

TEST(ModelStore, SetStructTypeFixesTheSizesOfEachType) {
  const TypeSizes table[] = {{"Beam", 2, 1, 1, 2},   {"PTruss", 2, 2, 1, 2},
                             {"PFrame", 3, 2, 2, 2}, {"STruss", 3, 3, 1, 2},
                             {"Grid", 3, 2, 2, 3},   {"SFrame", 6, 3, 4, 3}};
  for (const TypeSizes& t : table) {
    ModelStore m;
    ASSERT_TRUE(m.SetStructType(t.code)) << t.code;
    EXPECT_EQ(m.CoordsPerJoint, t.coordsPerJoint) << t.code;
    EXPECT_EQ(m.CoordColumns, t.coordColumns) << t.code;
    EXPECT_EQ(m.SectionColumns, t.sectionColumns) << t.code;
    EXPECT_EQ(m.MaterialColumns(), t.materialColumns) << t.code;
  }
}

TEST(ModelStore, AnUnknownTypeChangesNothing) {
  ModelStore m;
  m.SetStructType("Grid");
  EXPECT_FALSE(m.SetStructType("Arch"));
  EXPECT_FALSE(m.SetStructType("beam")) << "codes are case-sensitive";
  EXPECT_EQ(m.StructType, "Grid");
  EXPECT_EQ(m.CoordsPerJoint, 3);
}

TEST(Table, IsOneBasedAndRefusesIndicesOutsideItsShape) {
  Table<float> t(2, 3);
  t(1, 1) = 1;
  t(2, 3) = 6;
  EXPECT_EQ(t(2, 3), 6);
  EXPECT_THROW(t(0, 1), std::out_of_range);
  EXPECT_THROW(t(3, 1), std::out_of_range);
  EXPECT_THROW(t(1, 4), std::out_of_range);
  Array<int> a(2);
  EXPECT_THROW(a(0), std::out_of_range);
  EXPECT_THROW(a(3), std::out_of_range);
  a.Redim(-5);
  EXPECT_EQ(a.Size(), 0);
}

}  // namespace
}  // namespace stavelorn
