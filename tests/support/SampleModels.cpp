#include "support/SampleModels.h"

#include "model/LoadCombination.h"
#include "model/ProjectFile.h"
#include "model/StructType.h"
#include "model/SupportAxes.h"

#include <fstream>
#include <initializer_list>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <utility>

namespace stavelorn::testing {

namespace {

// Deterministic values with a spread of magnitudes and signs, each exact to 7 digits.
template <typename T>
void FillTable(Table<T>& table, int rows, int cols, int seed) {
  static const float kValues[] = {240.0f, -10.5f,  0.0065f,  6.5e-06f, 1.234568e+07f, 29000.0f,
                                  0.3f,   -144.0f, 1.0e-12f, 3.5f,     -0.0001f,      7.25e+20f};
  table.Redim(rows, cols);
  for (int r = 1; r <= rows; ++r)
    for (int c = 1; c <= cols; ++c) table(r, c) = static_cast<T>(kValues[(seed + 5 * r + c) % 12]);
}

template <typename T>
void Set(Array<T>& array, std::initializer_list<double> values) {
  array.Redim(static_cast<int>(values.size()));
  for (int i = 1; i <= array.Size(); ++i) array(i) = static_cast<T>(values.begin()[i - 1]);
}

template <typename T>
void Set(Table<T>& table, std::initializer_list<std::initializer_list<double>> rows) {
  table.Redim(static_cast<int>(rows.size()), static_cast<int>(rows.begin()->size()));
  for (int r = 1; r <= table.Rows(); ++r)
    for (int c = 1; c <= table.Cols(); ++c)
      table(r, c) = static_cast<T>(rows.begin()[r - 1].begin()[c - 1]);
}

// Lists and tables read alike: a list is a table of one column.
template <typename T>
T At(const Array<T>& array, int row, int) {
  return array(row);
}
template <typename T>
T At(const Table<T>& table, int row, int col) {
  return table(row, col);
}

// The first entry of the leading rows x cols block where a and b differ, or "" when none does.
template <typename Tab>
std::string FirstDifference(const Tab& a, const Tab& b, int rows, int cols, const char* name) {
  for (int r = 1; r <= rows; ++r)
    for (int c = 1; c <= cols; ++c)
      if (At(a, r, c) != At(b, r, c)) {
        std::ostringstream out;
        out << name << "(" << r << ", " << c << "): " << At(a, r, c) << " vs " << At(b, r, c);
        return out.str();
      }
  return "";
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
  m.SupportCount = 2;  // joints 1 and 3, every other coordinate restrained
  m.Supports.Redim(2, dof + 1);
  for (int s = 1; s <= 2; ++s)
    for (int k = 0; k <= dof; ++k)
      m.Supports(s, k + 1) = static_cast<std::int16_t>(k == 0 ? 2 * s - 1 : (s + k) % 2);
  m.MaterialCount = 2;
  FillTable(m.Materials, 2, m.MaterialColumns(), 2);
  m.SectionCount = 2;
  FillTable(m.Sections, 2, m.SectionColumns, 3);
  m.MemberCount = 2;
  Set(m.MemberProps, {{1, 2, 1, 2}, {2, 3, 2, 1}});
  Set(m.RollAngles, {30, -90});
  m.ReleaseCount = 1;
  Set(m.Releases, {{2, 3}});
  m.JointLoadCount = 2;
  Set(m.JointLoadJoints, {2, 3});
  FillTable(m.JointLoadValues, 2, dof, 4);
  m.MemberLoadCount = 2;
  Set(m.MemberLoadInfo, {{1, 3}, {2, 1}});
  FillTable(m.MemberLoadValues, 2, 4, 5);
  m.SettlementCount = 1;
  Set(m.SettlementJoints, {1});
  FillTable(m.SettlementValues, 1, dof, 6);
  m.TempChangeCount = 1;
  Set(m.TempChangeMembers, {2});
  Set(m.TempChangeValues, {50});
  m.FabErrorCount = 1;
  Set(m.FabErrorMembers, {1});
  Set(m.FabErrorValues, {-0.125});
  return m;
}

// The names and the loads of every case but the shown one, and the combinations.
static bool SameLoadCases(const ModelStore& a, const ModelStore& b, std::string& difference) {
  const int cases = a.LoadCaseCount();
  if (cases != b.LoadCaseCount()) return difference = "load case count", false;
  for (int c = 1; c <= cases; ++c)
    if (a.LoadCaseName(c) != b.LoadCaseName(c)) return difference = "load case names", false;
  if (a.Combinations.size() != b.Combinations.size())
    return difference = "combination count", false;
  for (std::size_t i = 0; i < a.Combinations.size(); ++i)
    if (a.Combinations[i].Name != b.Combinations[i].Name ||
        a.Combinations[i].Factors != b.Combinations[i].Factors)
      return difference = "combination " + a.Combinations[i].Name, false;
  for (int c = 1; c <= cases; ++c) {
    if (c == a.CurrentLoadCase) continue;
    // Each case alone, shown in the load tables, as a project of one case.
    if (!SameModelData(ModelWithLoads(a, a.LoadsOfCase(c)), ModelWithLoads(b, b.LoadsOfCase(c)),
                       difference))
      return difference = "load case " + std::to_string(c) + ": " + difference, false;
  }
  return true;
}

bool SameModelData(const ModelStore& a, const ModelStore& b, std::string& difference) {
  if (a.ProjectTitle != b.ProjectTitle) return difference = "title", false;
  if (a.StructType != b.StructType) return difference = "type", false;
  if (a.Units != b.Units) return difference = "units", false;
  const int dof = a.CoordsPerJoint;
  // Each table with its count and width; roll angles belong to space frames alone.
#define STAVELORN_SAME(table, count, cols)                               \
  if (a.count != b.count) return difference = #count, false;             \
  difference = FirstDifference(a.table, b.table, a.count, cols, #table); \
  if (!difference.empty()) return false;
  STAVELORN_SAME(JointCoords, JointCount, a.CoordColumns)
  STAVELORN_SAME(Supports, SupportCount, dof + 1)
  STAVELORN_SAME(Materials, MaterialCount, a.MaterialColumns())
  STAVELORN_SAME(Sections, SectionCount, a.SectionColumns)
  STAVELORN_SAME(MemberProps, MemberCount, 4)
  STAVELORN_SAME(RollAngles, MemberCount, a.StructType == "SFrame" ? 1 : 0)
  STAVELORN_SAME(Releases, ReleaseCount, 2)
  STAVELORN_SAME(SpringCoords, SpringCount, 2)
  STAVELORN_SAME(SpringStiffness, SpringCount, 1)
  STAVELORN_SAME(SupportAngleJoints, SupportAngleCount, 1)
  STAVELORN_SAME(SupportAngleValues, SupportAngleCount, 1)
  STAVELORN_SAME(JointLoadJoints, JointLoadCount, 1)
  STAVELORN_SAME(JointLoadValues, JointLoadCount, dof)
  STAVELORN_SAME(MemberLoadInfo, MemberLoadCount, 2)
  STAVELORN_SAME(MemberLoadValues, MemberLoadCount, 4)
  STAVELORN_SAME(SettlementJoints, SettlementCount, 1)
  STAVELORN_SAME(SettlementValues, SettlementCount, dof)
  STAVELORN_SAME(TempChangeMembers, TempChangeCount, 1)
  STAVELORN_SAME(TempChangeValues, TempChangeCount, 1)
  STAVELORN_SAME(FabErrorMembers, FabErrorCount, 1)
  STAVELORN_SAME(FabErrorValues, FabErrorCount, 1)
#undef STAVELORN_SAME
  return SameLoadCases(a, b, difference);
}

ModelStore OnSpringsAndTurned(const ModelStore& model, float stiffness) {
  ModelStore m = model;
  int support = 1;
  for (int s = 1; s <= m.SupportCount && m.SettlementCount > 0; ++s)
    if (m.Supports(s, 1) == m.SettlementJoints(1)) support = s;
  std::vector<int> held;
  for (int k = 1; k <= m.CoordsPerJoint; ++k)
    if (m.Supports(support, k + 1) == 1) held.push_back(k);
  m.SpringCount = static_cast<std::int16_t>(held.size());
  m.SpringCoords.Redim(m.SpringCount, 2);
  m.SpringStiffness.Redim(m.SpringCount);
  for (int r = 1; r <= m.SpringCount; ++r) {
    m.SpringCoords(r, 1) = m.Supports(support, 1);
    m.SpringCoords(r, 2) = static_cast<std::int16_t>(held[static_cast<std::size_t>(r - 1)]);
    m.SpringStiffness(r) = stiffness;
  }
  const std::optional<TurnedPair> pair = TurnedCoordinates(m.TypeInfo());
  if (!pair) return m;
  const int last = m.SupportCount;
  m.Supports(last, pair->First + 1) = 0;
  m.Supports(last, pair->Second + 1) = 1;
  m.SupportAngleCount = 1;
  m.SupportAngleJoints.Redim(1);
  m.SupportAngleValues.Redim(1);
  m.SupportAngleJoints(1) = m.Supports(last, 1);
  m.SupportAngleValues(1) = 20;
  return m;
}

ModelStore ModelFromText(const std::string& text) {
  ModelStore model;
  model.Reset();
  if (RunResult error = ReadProjectText(model, text)) throw std::runtime_error(error->Description);
  return model;
}

std::string FileText(const ModelStore& model) {
  std::string text;
  if (RunResult error = ProjectFileText(model, text)) throw std::runtime_error(error->Description);
  return text;
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string SourcePath(const std::string& relative) {
  return std::string(STAVELORN_SOURCE_DIR) + "/" + relative;
}

ModelStore ModelFromFile(const std::string& relative) {
  return ModelFromText(ReadWholeFile(SourcePath(relative)));
}

std::string ExampleText(const std::string& name) {
  return ReadWholeFile(SourcePath("examples/" + name + ".str"));
}

ModelStore ExampleModel(const std::string& name) {
  ModelStore model;
  model.Reset();
  model.ProjectFile = SourcePath("examples/" + name + ".str");
  if (RunResult error = ReadProjectFile(model)) throw std::runtime_error(error->Description);
  return model;
}

namespace {

// Numbers the coordinates (free ones first) and fills recognisable results: displacement n is
// +-n/1000, end force c of member m is +-(10 m + c), reaction n is 100 n + 0.5; truss axial forces
// cycle through tension, compression and zero.
StructureResults HandResults(const ModelStore& model) {
  StructureResults results;
  const int perJoint = model.CoordsPerJoint;
  const int total = model.JointCount * perJoint;
  auto restrained = [&](int joint, int k) {
    for (int s = 1; s <= model.SupportCount; ++s)
      if (model.Supports(s, 1) == joint && model.Supports(s, k + 1) == 1) return true;
    return false;
  };
  results.CoordNumbers.Redim(total);
  int next = 0;
  int free = 0;
  for (bool fixed : {false, true}) {
    for (int j = 1; j <= model.JointCount; ++j)
      for (int k = 1; k <= perJoint; ++k)
        if (restrained(j, k) == fixed)
          results.CoordNumbers((j - 1) * perJoint + k) = static_cast<std::int16_t>(++next);
    if (!fixed) free = next;
  }
  results.DofCount = static_cast<std::int16_t>(free);
  results.RestrainedCount = static_cast<std::int16_t>(total - free);
  results.JointDisplacements.Redim(free);
  for (int n = 1; n <= free; ++n) results.JointDisplacements(n) = (n % 2 == 0 ? -n : n) / 1000.0f;
  results.MemberEndForces.Redim(model.MemberCount, 2 * perJoint);
  for (int m = 1; m <= model.MemberCount; ++m)
    for (int c = 1; c <= 2 * perJoint; ++c)
      results.MemberEndForces(m, c) = static_cast<float>(c > perJoint ? -(10 * m + c) : 10 * m + c);
  for (int m = 1; IsTruss(model.StructType) && m <= model.MemberCount; ++m) {
    float q = m % 3 == 1 ? -(10.0f * m + 1) : m % 3 == 2 ? 10.0f * m + 1 : 0.0f;
    results.MemberEndForces(m, 1) = q;
    results.MemberEndForces(m, perJoint + 1) = -q;
  }
  results.SupportReactions.Redim(total - free);
  for (int r = 1; r <= total - free; ++r) results.SupportReactions(r) = 100.0f * (free + r) + 0.5f;
  results.AnalysisStatus = kAnalysisComplete;
  return results;
}

}  // namespace

AnalysedModel HandResultsModel(const std::string& name) {
  const std::size_t named = name.find("-kip-in");
  ModelStore model = ModelFromFile("tests/reports/golden/" + name.substr(0, named) + ".str");
  if (named != std::string::npos)
    model.Units = NamedUnits(ForceUnit::kip, LengthUnit::in, TemperatureUnit::F);
  StructureResults results = HandResults(model);
  return {std::move(model), std::move(results)};
}

}  // namespace stavelorn::testing
