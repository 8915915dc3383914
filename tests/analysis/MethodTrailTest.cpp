// The method's trail against independent statements of the method: textbook member stiffness
// matrices, [K] = [T]'[k][T], the assembly by code numbers, [S]{d} = {P}, {Q} = [k]{u} + {Qf},
// and the stored results.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "analysis/AnalysisRun.h"
#include "analysis/Arithmetic.h"
#include "analysis/EquilibriumCheck.h"
#include "analysis/MemberValues.h"
#include "model/ProjectFile.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

using Matrix = std::vector<std::vector<double>>;

// A member along X from 0 to L = 2 with E = 3, G = 5, A = 7, Iz (or I) = 11, Iy = 13, J = 17.
constexpr double L = 2, E = 3, G = 5, A = 7, I = 11, Iy = 13, J = 17;

struct TextbookCase {
  const char* type;
  const char* materials;
  const char* section;
  int release;
  std::function<Matrix()> expected;
};

Matrix PlaneFrame() {
  const double a = E * A / L, c = E * I / (L * L * L);
  return {{a, 0, 0, -a, 0, 0},
          {0, 12 * c, 6 * L * c, 0, -12 * c, 6 * L * c},
          {0, 6 * L * c, 4 * L * L * c, 0, -6 * L * c, 2 * L * L * c},
          {-a, 0, 0, a, 0, 0},
          {0, -12 * c, -6 * L * c, 0, 12 * c, -6 * L * c},
          {0, 6 * L * c, 2 * L * L * c, 0, -6 * L * c, 4 * L * L * c}};
}

Matrix SpaceFrame() {
  const double a = E * A / L, t = G * J / L, z = E * I / (L * L * L), y = E * Iy / (L * L * L);
  const double L2 = L * L;
  return {{a, 0, 0, 0, 0, 0, -a, 0, 0, 0, 0, 0},
          {0, 12 * z, 0, 0, 0, 6 * L * z, 0, -12 * z, 0, 0, 0, 6 * L * z},
          {0, 0, 12 * y, 0, -6 * L * y, 0, 0, 0, -12 * y, 0, -6 * L * y, 0},
          {0, 0, 0, t, 0, 0, 0, 0, 0, -t, 0, 0},
          {0, 0, -6 * L * y, 0, 4 * L2 * y, 0, 0, 0, 6 * L * y, 0, 2 * L2 * y, 0},
          {0, 6 * L * z, 0, 0, 0, 4 * L2 * z, 0, -6 * L * z, 0, 0, 0, 2 * L2 * z},
          {-a, 0, 0, 0, 0, 0, a, 0, 0, 0, 0, 0},
          {0, -12 * z, 0, 0, 0, -6 * L * z, 0, 12 * z, 0, 0, 0, -6 * L * z},
          {0, 0, -12 * y, 0, 6 * L * y, 0, 0, 0, 12 * y, 0, 6 * L * y, 0},
          {0, 0, 0, -t, 0, 0, 0, 0, 0, t, 0, 0},
          {0, 0, -6 * L * y, 0, 2 * L2 * y, 0, 0, 0, 6 * L * y, 0, 4 * L2 * y, 0},
          {0, 6 * L * z, 0, 0, 0, 2 * L2 * z, 0, -6 * L * z, 0, 0, 0, 4 * L2 * z}};
}

const TextbookCase kTextbook[] = {
    {"Beam", "3,0", "11", 0,
     [] {
       const double c = E * I / (L * L * L);
       return Matrix{{12 * c, 6 * L * c, -12 * c, 6 * L * c},
                     {6 * L * c, 4 * L * L * c, -6 * L * c, 2 * L * L * c},
                     {-12 * c, -6 * L * c, 12 * c, -6 * L * c},
                     {6 * L * c, 2 * L * L * c, -6 * L * c, 4 * L * L * c}};
     }},
    // Propped form: a hinge at the beginning leaves 3EI/L^3 and no stiffness at the hinge.
    {"Beam", "3,0", "11", 1,
     [] {
       const double c = 3 * E * I / (L * L * L);
       return Matrix{
           {c, 0, -c, L * c}, {0, 0, 0, 0}, {-c, 0, c, -L * c}, {L * c, 0, -L * c, L * L * c}};
     }},
    {"PTruss", "3,0", "7", 0,
     [] {
       const double a = E * A / L;
       return Matrix{{a, 0, -a, 0}, {0, 0, 0, 0}, {-a, 0, a, 0}, {0, 0, 0, 0}};
     }},
    {"PFrame", "3,0", "7,11", 0, PlaneFrame},
    {"STruss", "3,0", "7", 0,
     [] {
       const double a = E * A / L;
       Matrix k(6, std::vector<double>(6, 0));
       k[0][0] = k[3][3] = a;
       k[0][3] = k[3][0] = -a;
       return k;
     }},
    {"Grid", "3,5,0", "11,17", 0,
     [] {
       const double c = E * I / (L * L * L), t = G * J / L;
       return Matrix{{12 * c, 0, 6 * L * c, -12 * c, 0, 6 * L * c},
                     {0, t, 0, 0, -t, 0},
                     {6 * L * c, 0, 4 * L * L * c, -6 * L * c, 0, 2 * L * L * c},
                     {-12 * c, 0, -6 * L * c, 12 * c, 0, -6 * L * c},
                     {0, -t, 0, 0, t, 0},
                     {6 * L * c, 0, 2 * L * L * c, -6 * L * c, 0, 4 * L * L * c}};
     }},
    {"SFrame", "3,5,0", "7,11,13,17", 0, SpaceFrame},
};

class Textbook : public ::testing::TestWithParam<TextbookCase> {};

TEST_P(Textbook, LocalStiffnessIsTheTextbookMatrix) {
  const TextbookCase& c = GetParam();
  const std::string type = c.type;
  const std::string joints = type == "Beam"                         ? "0, 2"
                             : type == "STruss" || type == "SFrame" ? "0,0,0, 2,0,0"
                                                                    : "0,0, 2,0";
  ModelStore m = testing::ModelFromText(
      "\"Member\",\"" + type + "\"\n\"Joints\",2, " + joints + "\n\"Materials\",1, " + c.materials +
      "\n\"Cross-Sections\",1, " + c.section + "\n\"Members\",1, 1,2,1,1" +
      (type == "SFrame" ? ",0" : "") + "\n\"Member Releases\",1, 1," + std::to_string(c.release) +
      "\n");
  const int n = 2 * m.CoordsPerJoint;
  const MemberContext<double> member = LoadMemberContext<double>(m, KindOfStructure(type), n, 1);
  const MemberMatrix<double> k = ComputeLocalStiffness(member, ComputeMemberGeometry(m, member));
  const Matrix expected = c.expected();
  ASSERT_EQ(static_cast<int>(expected.size()), n);
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j)
      EXPECT_NEAR(k[i + 1][j + 1], expected[i][j], 1e-12 * (1 + std::fabs(expected[i][j])))
          << type << " release " << c.release << " (" << i + 1 << ", " << j + 1 << ")";
}

INSTANTIATE_TEST_SUITE_P(EachType, Textbook, ::testing::ValuesIn(kTextbook));

// Every example analysed as the program does it, with its trail.
class ExampleTrail : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    std::string problem;
    model = testing::ExampleModel(GetParam(), problem);
    ASSERT_EQ(problem, "");
    run = CheckAndAnalyze(model);
    ASSERT_EQ(model.AnalysisStatus, kAnalysisComplete);
    ASSERT_TRUE(run.Trail);
    ASSERT_FALSE(run.Trail->DoublePrecision) << "the examples keep to single precision";
  }
  ModelStore model;
  AnalysisRun run;
};

double Largest(const TrailMatrix& m) {
  double largest = 0;
  for (double v : m.Values) largest = std::max(largest, std::fabs(v));
  return largest;
}

TEST_P(ExampleTrail, GlobalStiffnessIsTTransposedKT) {
  for (const TrailMember& m : run.Trail->Members) {
    const int n = static_cast<int>(m.CodeNumbers.size());
    const double scale = Largest(m.LocalStiffness);
    for (int i = 0; i < n; ++i)
      for (int j = 0; j < n; ++j) {
        double sum = 0;
        for (int a = 0; a < n; ++a)
          for (int b = 0; b < n; ++b)
            sum += m.Transformation(a, i) * m.LocalStiffness(a, b) * m.Transformation(b, j);
        EXPECT_NEAR(m.GlobalStiffness(i, j), sum, 1e-6 * scale) << "member " << m.Member;
      }
  }
}

TEST_P(ExampleTrail, AssemblingTheMembersByCodeNumbersGivesS) {
  const MethodTrail& t = *run.Trail;
  ASSERT_TRUE(t.HasStiffness());
  const int n = t.DofCount;
  std::vector<float> s(static_cast<std::size_t>(n * n), 0.0f);
  for (const TrailMember& m : t.Members)
    for (std::size_t i = 0; i < m.CodeNumbers.size(); ++i)
      for (std::size_t j = 0; j < m.CodeNumbers.size(); ++j) {
        const int row = m.CodeNumbers[i], col = m.CodeNumbers[j];
        if (row > n || col > n) continue;
        float& cell = s[static_cast<std::size_t>((row - 1) * n + col - 1)];
        cell =
            Store<float>(Calc(cell) + m.GlobalStiffness(static_cast<int>(i), static_cast<int>(j)));
      }
  for (int r = 0; r < n; ++r)
    for (int c = 0; c < n; ++c)
      EXPECT_EQ(s[static_cast<std::size_t>(r * n + c)], t.Stiffness(r, c))
          << r + 1 << ", " << c + 1;
}

TEST_P(ExampleTrail, StiffnessTimesDisplacementsIsTheLoadVector) {
  const MethodTrail& t = *run.Trail;
  const int n = t.DofCount;
  double largest = 0;
  for (double p : t.LoadVector) largest = std::max(largest, std::fabs(p));
  for (int r = 0; r < n; ++r) {
    double sum = 0, size = 0;
    for (int c = 0; c < n; ++c) {
      sum += t.Stiffness(r, c) * t.Displacements[static_cast<std::size_t>(c)];
      size += std::fabs(t.Stiffness(r, c) * t.Displacements[static_cast<std::size_t>(c)]);
    }
    EXPECT_NEAR(sum, t.LoadVector[static_cast<std::size_t>(r)], 1e-4 * (size + largest)) << r + 1;
    // {P} is the joint loads less the members' fixed-end forces.
    EXPECT_NEAR(
        t.LoadVector[static_cast<std::size_t>(r)],
        t.JointLoads[static_cast<std::size_t>(r)] + t.FixedEndPart[static_cast<std::size_t>(r)],
        1e-6 * (1 + largest));
  }
}

TEST_P(ExampleTrail, EndForcesAreKUPlusQfAndTheStoredResults) {
  for (const TrailMember& m : run.Trail->Members) {
    const int n = static_cast<int>(m.CodeNumbers.size());
    const double scale = Largest(m.LocalStiffness);
    double largestU = 0;
    for (double u : m.LocalEndDisplacements) largestU = std::max(largestU, std::fabs(u));
    for (int i = 0; i < n; ++i) {
      const std::size_t s = static_cast<std::size_t>(i);
      double ku = 0, uFromV = 0;
      for (int j = 0; j < n; ++j) {
        ku += m.LocalStiffness(i, j) * m.LocalEndDisplacements[static_cast<std::size_t>(j)];
        uFromV += m.Transformation(i, j) * m.GlobalEndDisplacements[static_cast<std::size_t>(j)];
      }
      EXPECT_NEAR(m.LocalEndForces[s], ku + m.LocalFixedEndForces[s],
                  1e-5 * (scale * largestU + std::fabs(m.LocalEndForces[s])) + 1e-9)
          << "member " << m.Member << " Q" << i + 1;
      EXPECT_EQ(m.LocalEndForces[s], model.MemberEndForces(m.Member, i + 1));
      double f = 0;
      for (int j = 0; j < n; ++j)
        f += m.Transformation(j, i) * m.LocalEndForces[static_cast<std::size_t>(j)];
      EXPECT_NEAR(m.GlobalEndForces[s], f, 1e-5 * (1 + std::fabs(f)));
      if (!m.Aligned) {
        EXPECT_NEAR(m.LocalEndDisplacements[s], uFromV, 1e-6 * (1 + largestU));
      }
    }
  }
}

TEST_P(ExampleTrail, AnAnalysisWithoutTheTrailStoresTheSameResultsAndNoTrail) {
  ModelStore again;
  again.Reset();
  again.ProjectFile = model.ProjectFile;
  ASSERT_FALSE(ReadProjectFile(again));
  EXPECT_FALSE(CheckAndAnalyze(again, 0, false).Trail);
  for (int m = 1; m <= model.MemberCount; ++m)
    for (int i = 1; i <= 2 * model.CoordsPerJoint; ++i)
      EXPECT_EQ(again.MemberEndForces(m, i), model.MemberEndForces(m, i));
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleTrail,
                         ::testing::Values("continuous-beam", "roof-truss", "portal-frame",
                                           "space-truss-tower", "grid-floor", "space-frame"));

}  // namespace
}  // namespace stavelorn
