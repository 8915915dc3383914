#include "support/SampleModels.h"

#include "model/ProjectFile.h"

#include <sstream>

namespace stavelorn::testing {

namespace {

// Deterministic values with a spread of magnitudes and signs, each exact to 7 digits.
float SampleValue(int seed) {
  static const float kValues[] = {240.0f, -10.5f,  0.0065f,  6.5e-06f, 1.234568e+07f, 29000.0f,
                                  0.3f,   -144.0f, 1.0e-12f, 3.5f,     -0.0001f,      7.25e+20f};
  return kValues[seed % 12];
}

template <typename T>
void FillTable(Table<T>& table, int rows, int cols, int seed) {
  table.Redim(rows, cols);
  for (int r = 1; r <= rows; ++r)
    for (int c = 1; c <= cols; ++c) table(r, c) = static_cast<T>(SampleValue(seed + 5 * r + c));
}

template <typename T>
bool SameRows(const Table<T>& a, const Table<T>& b, int rows, int cols, const char* name,
              std::string& difference) {
  for (int r = 1; r <= rows; ++r)
    for (int c = 1; c <= cols; ++c)
      if (a(r, c) != b(r, c)) {
        std::ostringstream out;
        out << name << "(" << r << ", " << c << "): " << a(r, c) << " vs " << b(r, c);
        difference = out.str();
        return false;
      }
  return true;
}

template <typename T>
bool SameEntries(const Array<T>& a, const Array<T>& b, int size, const char* name,
                 std::string& difference) {
  for (int i = 1; i <= size; ++i)
    if (a(i) != b(i)) {
      std::ostringstream out;
      out << name << "(" << i << "): " << a(i) << " vs " << b(i);
      difference = out.str();
      return false;
    }
  return true;
}

}  // namespace

ModelStore FullModel(const std::string& structType) {
  ModelStore m;
  m.Reset();
  m.ProjectTitle = "Exercise 4, \"all sections\"";
  m.SetStructType(structType);
  const int dof = m.CoordsPerJoint;

  m.JointCount = 3;
  FillTable(m.JointCoords, 3, m.CoordColumns, 1);
  m.SupportCount = 2;
  m.Supports.Redim(2, dof + 1);
  for (int s = 1; s <= 2; ++s) {
    m.Supports(s, 1) = static_cast<std::int16_t>(s == 1 ? 1 : 3);
    for (int k = 1; k <= dof; ++k) m.Supports(s, k + 1) = static_cast<std::int16_t>((s + k) % 2);
  }
  m.MaterialCount = 2;
  FillTable(m.Materials, 2, m.MaterialColumns(), 2);
  m.SectionCount = 2;
  FillTable(m.Sections, 2, m.SectionColumns, 3);
  m.MemberCount = 2;
  m.MemberProps.Redim(2, 4);
  const std::int16_t props[2][4] = {{1, 2, 1, 2}, {2, 3, 2, 1}};
  for (int i = 1; i <= 2; ++i)
    for (int c = 1; c <= 4; ++c) m.MemberProps(i, c) = props[i - 1][c - 1];
  m.RollAngles.Redim(2);
  m.RollAngles(1) = 30;
  m.RollAngles(2) = -90;
  m.ReleaseCount = 1;
  m.Releases.Redim(1, 2);
  m.Releases(1, 1) = 2;
  m.Releases(1, 2) = 3;
  m.JointLoadCount = 2;
  m.JointLoadJoints.Redim(2);
  m.JointLoadJoints(1) = 2;
  m.JointLoadJoints(2) = 3;
  FillTable(m.JointLoadValues, 2, dof, 4);
  m.MemberLoadCount = 2;
  m.MemberLoadInfo.Redim(2, 2);
  m.MemberLoadInfo(1, 1) = 1;
  m.MemberLoadInfo(1, 2) = 3;
  m.MemberLoadInfo(2, 1) = 2;
  m.MemberLoadInfo(2, 2) = 1;
  FillTable(m.MemberLoadValues, 2, 4, 5);
  m.SettlementCount = 1;
  m.SettlementJoints.Redim(1);
  m.SettlementJoints(1) = 1;
  FillTable(m.SettlementValues, 1, dof, 6);
  m.TempChangeCount = 1;
  m.TempChangeMembers.Redim(1);
  m.TempChangeMembers(1) = 2;
  m.TempChangeValues.Redim(1);
  m.TempChangeValues(1) = 50;
  m.FabErrorCount = 1;
  m.FabErrorMembers.Redim(1);
  m.FabErrorMembers(1) = 1;
  m.FabErrorValues.Redim(1);
  m.FabErrorValues(1) = -0.125f;
  return m;
}

bool SameModelData(const ModelStore& a, const ModelStore& b, std::string& difference) {
  if (a.ProjectTitle != b.ProjectTitle) return difference = "title", false;
  if (a.StructType != b.StructType) return difference = "type", false;
  const int counts[][2] = {
      {a.JointCount, b.JointCount},           {a.SupportCount, b.SupportCount},
      {a.MaterialCount, b.MaterialCount},     {a.SectionCount, b.SectionCount},
      {a.MemberCount, b.MemberCount},         {a.ReleaseCount, b.ReleaseCount},
      {a.JointLoadCount, b.JointLoadCount},   {a.MemberLoadCount, b.MemberLoadCount},
      {a.SettlementCount, b.SettlementCount}, {a.TempChangeCount, b.TempChangeCount},
      {a.FabErrorCount, b.FabErrorCount}};
  for (const auto& pair : counts)
    if (pair[0] != pair[1]) return difference = "a count", false;
  const int dof = a.CoordsPerJoint;
  return SameRows(a.JointCoords, b.JointCoords, a.JointCount, a.CoordColumns, "JointCoords",
                  difference) &&
         SameRows(a.Supports, b.Supports, a.SupportCount, dof + 1, "Supports", difference) &&
         SameRows(a.Materials, b.Materials, a.MaterialCount, a.MaterialColumns(), "Materials",
                  difference) &&
         SameRows(a.Sections, b.Sections, a.SectionCount, a.SectionColumns, "Sections",
                  difference) &&
         SameRows(a.MemberProps, b.MemberProps, a.MemberCount, 4, "MemberProps", difference) &&
         (a.StructType != "SFrame" ||
          SameEntries(a.RollAngles, b.RollAngles, a.MemberCount, "RollAngles", difference)) &&
         SameRows(a.Releases, b.Releases, a.ReleaseCount, 2, "Releases", difference) &&
         SameEntries(a.JointLoadJoints, b.JointLoadJoints, a.JointLoadCount, "JointLoadJoints",
                     difference) &&
         SameRows(a.JointLoadValues, b.JointLoadValues, a.JointLoadCount, dof, "JointLoadValues",
                  difference) &&
         SameRows(a.MemberLoadInfo, b.MemberLoadInfo, a.MemberLoadCount, 2, "MemberLoadInfo",
                  difference) &&
         SameRows(a.MemberLoadValues, b.MemberLoadValues, a.MemberLoadCount, 4, "MemberLoadValues",
                  difference) &&
         SameEntries(a.SettlementJoints, b.SettlementJoints, a.SettlementCount, "SettlementJoints",
                     difference) &&
         SameRows(a.SettlementValues, b.SettlementValues, a.SettlementCount, dof,
                  "SettlementValues", difference) &&
         SameEntries(a.TempChangeMembers, b.TempChangeMembers, a.TempChangeCount,
                     "TempChangeMembers", difference) &&
         SameEntries(a.TempChangeValues, b.TempChangeValues, a.TempChangeCount, "TempChangeValues",
                     difference) &&
         SameEntries(a.FabErrorMembers, b.FabErrorMembers, a.FabErrorCount, "FabErrorMembers",
                     difference) &&
         SameEntries(a.FabErrorValues, b.FabErrorValues, a.FabErrorCount, "FabErrorValues",
                     difference);
}

std::string SourcePath(const std::string& relative) {
  return std::string(STAVELORN_SOURCE_DIR) + "/" + relative;
}

ModelStore ExampleModel(const std::string& name, std::string& problem) {
  ModelStore model;
  model.Reset();
  model.ProjectFile = SourcePath("examples/" + name + ".str");
  RunResult error = ReadProjectFile(model);
  problem = error ? error->Description : "";
  return model;
}

}  // namespace stavelorn::testing
