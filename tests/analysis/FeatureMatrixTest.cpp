// One oracle for every action each structure type accepts, with expected values worked out here
// from textbook mechanics, never from the engine's own formulas:
// - a cantilever (fixed at joint 1, free at joint 2): the free end's displacement is the
//   flexibility integral of every load along the member (PL³/3EI, ML/EI, PL/EA, TL/GJ and their
//   distributed forms) plus the rigid motion of a settled wall, which tests the load vector, the
//   stiffness and the transformation;
// - a member fixed at both ends: its end forces are the work-equivalent end loads of its member
//   loads (Hermite shape functions), plus k·v for a settled end and -EA·(αΔT + e/L) axially, with
//   a released end condensed out of the textbook [k] here;
// - a truss joint held by mutually perpendicular bars: each bar takes the load's component along
//   it, so the joint moves by the sum of (P·e)L/EA along each bar.
// Every analysed model must also balance as a whole and member by member.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "analysis/Analysis.h"
#include "analysis/EquilibriumCheck.h"
#include "analysis/SecondOrder.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

using testing::AxesOf;
using testing::ComponentsOf;
using testing::Dot;
using testing::Norm;
using testing::PointAction;
using testing::Vec;

// Section and material of every model: E, G, α, A, Iz, Iy, J.
constexpr double kE = 2e8, kG = 8e7, kAlpha = 1.2e-5, kA = 0.01, kIz = 2e-4, kIy = 1e-4, kJ = 5e-5;

enum class Oracle { Cantilever, FixedMember, TrussJoint };

// One cell of the feature matrix: a structure type, an action it accepts, the oracle that checks
// it and the project-file sections that apply the action.
struct Cell {
  const char* type;
  const char* action;
  Oracle oracle;
  const char* sections;
  int release = 0;  // the member's release code
};

// The oracles by short names, so that each cell stays on one line of the table.
constexpr Oracle kTip = Oracle::Cantilever, kFixed = Oracle::FixedMember,
                 kJoint = Oracle::TrussJoint;

// Loads in both bending planes and a settlement of every coordinate, for the released members.
const char kBeamHinged[] = R"("Member Loads",2, 1,1,3,0,1.5,0, 1,4,3,5,1.5,1
"Support Displacements",1, 2,0.002,0.001)";
const char kPFrameHinged[] = R"("Member Loads",3, 1,2,3,0,1.5,0, 1,4,3,5,1.5,1, 1,6,3,0,1.5,1
"Support Displacements",1, 2,0.002,-0.001,0.003)";
const char kGridHinged[] = R"("Member Loads",2, 1,2,3,0,1.5,0, 1,3,3,0,1.5,1
"Support Displacements",1, 2,0.002,0.001,-0.003)";
const char kSFrameHinged[] = R"("Member Loads",3, 1,4,3,5,1.5,1, 1,9,3,0,1.5,0, 1,10,3,0,1.5,1
"Support Displacements",1, 2,0.002,-0.001,0.003,0.001,-0.002,0.0015)";

// A torque on a member hinged at one end (a torque between two hinges has nowhere to go).
const char kTorque[] = R"("Member Loads",1, 1,7,3,0,1.5,0)";

// Member loads: magnitude 3 (second 5), a = 1.5 and b = 1 on members of length 5 (7 in space).
const Cell kCells[] = {
    {"Beam", "joint force", kTip, R"("Joint Loads",1, 2,-10,0)"},
    {"Beam", "joint moment", kTip, R"("Joint Loads",1, 2,0,7)"},
    {"Beam", "concentrated force", kTip, R"("Member Loads",1, 1,1,3,0,1.5,0)"},
    {"Beam", "concentrated couple", kTip, R"("Member Loads",1, 1,2,3,0,1.5,0)"},
    {"Beam", "uniform load", kFixed, R"("Member Loads",1, 1,3,3,0,1.5,1)"},
    {"Beam", "linear load", kTip, R"("Member Loads",1, 1,4,3,5,1.5,1)"},
    {"Beam", "support settlement", kFixed, R"("Support Displacements",1, 2,0.002,0.001)"},

    {"Beam", "hinges at both ends", kFixed, kBeamHinged, 3},

    {"PTruss", "joint force", kJoint, R"("Joint Loads",1, 3,10,-20)"},
    {"PTruss", "temperature change", kFixed, R"("Temperature Changes",1, 1,40)"},
    {"PTruss", "fabrication error", kFixed, R"("Fabrication Errors",1, 1,0.003)"},
    {"PTruss", "support settlement", kFixed, R"("Support Displacements",1, 2,0.002,-0.001)"},

    {"PFrame", "joint force", kTip, R"("Joint Loads",1, 2,4,-10,0)"},
    {"PFrame", "joint moment", kTip, R"("Joint Loads",1, 2,0,0,7)"},
    {"PFrame", "concentrated force", kTip, R"("Member Loads",1, 1,1,3,0,1.5,0)"},
    {"PFrame", "concentrated couple", kFixed, R"("Member Loads",1, 1,2,3,0,1.5,0)"},
    {"PFrame", "uniform load", kTip, R"("Member Loads",1, 1,3,3,0,1.5,1)"},
    {"PFrame", "linear load", kFixed, R"("Member Loads",1, 1,4,3,5,1.5,1)"},
    {"PFrame", "axial force", kTip, R"("Member Loads",1, 1,5,3,0,1.5,0)"},
    {"PFrame", "uniform axial load", kFixed, R"("Member Loads",1, 1,6,3,0,1.5,1)"},
    {"PFrame", "temperature change", kFixed, R"("Temperature Changes",1, 1,-25)"},
    {"PFrame", "fabrication error", kFixed, R"("Fabrication Errors",1, 1,0.002)"},
    {"PFrame", "support settlement", kFixed, R"("Support Displacements",1, 2,0.002,-0.001,0.003)"},

    {"PFrame", "hinge at beginning", kFixed, kPFrameHinged, 1},
    {"PFrame", "hinge at end", kFixed, kPFrameHinged, 2},
    {"PFrame", "hinges at both ends", kFixed, kPFrameHinged, 3},

    {"STruss", "joint force", kJoint, R"("Joint Loads",1, 4,10,-20,5)"},
    {"STruss", "temperature change", kFixed, R"("Temperature Changes",1, 1,40)"},
    {"STruss", "fabrication error", kFixed, R"("Fabrication Errors",1, 1,-0.003)"},
    {"STruss", "support settlement", kFixed, R"("Support Displacements",1, 2,0.002,-0.001,0.004)"},

    {"Grid", "joint force", kTip, R"("Joint Loads",1, 2,-10,0,0)"},
    {"Grid", "joint moment", kTip, R"("Joint Loads",1, 2,0,7,-4)"},
    {"Grid", "concentrated force", kFixed, R"("Member Loads",1, 1,1,3,0,1.5,0)"},
    {"Grid", "concentrated couple", kTip, R"("Member Loads",1, 1,2,3,0,1.5,0)"},
    {"Grid", "uniform load", kTip, R"("Member Loads",1, 1,3,3,0,1.5,1)"},
    {"Grid", "linear load", kFixed, R"("Member Loads",1, 1,4,3,5,1.5,1)"},
    {"Grid", "torque", kTip, R"("Member Loads",1, 1,7,3,0,1.5,0)"},
    {"Grid", "support settlement", kFixed, R"("Support Displacements",1, 2,0.002,0.001,-0.003)"},

    {"Grid", "hinges at both ends", kFixed, kGridHinged, 3},

    {"SFrame", "joint force", kTip, R"("Joint Loads",1, 2,4,-10,3,0,0,0)"},
    {"SFrame", "joint moment", kTip, R"("Joint Loads",1, 2,0,0,0,7,-4,2)"},
    {"SFrame", "concentrated force", kTip, R"("Member Loads",1, 1,1,3,0,1.5,0)"},
    {"SFrame", "concentrated couple", kFixed, R"("Member Loads",1, 1,2,3,0,1.5,0)"},
    {"SFrame", "uniform load", kFixed, R"("Member Loads",1, 1,3,3,0,1.5,1)"},
    {"SFrame", "linear load", kTip, R"("Member Loads",1, 1,4,3,5,1.5,1)"},
    {"SFrame", "axial force", kFixed, R"("Member Loads",1, 1,5,3,0,1.5,0)"},
    {"SFrame", "uniform axial load", kTip, R"("Member Loads",1, 1,6,3,0,1.5,1)"},
    {"SFrame", "torque", kFixed, R"("Member Loads",1, 1,7,3,0,1.5,0)"},
    {"SFrame", "concentrated force in local z", kFixed, R"("Member Loads",1, 1,8,3,0,1.5,0)"},
    {"SFrame", "couple about local y", kTip, R"("Member Loads",1, 1,9,3,0,1.5,0)"},
    {"SFrame", "uniform load in local z", kTip, R"("Member Loads",1, 1,10,3,0,1.5,1)"},
    {"SFrame", "linear load in local z", kFixed, R"("Member Loads",1, 1,11,3,5,1.5,1)"},
    {"SFrame", "temperature change", kFixed, R"("Temperature Changes",1, 1,30)"},
    {"SFrame", "fabrication error", kFixed, R"("Fabrication Errors",1, 1,0.002)"},
    {"SFrame", "support settlement", kFixed,
     R"("Support Displacements",1, 2,0.002,-0.001,0.003,0.001,-0.002,0.0015)"},
    {"SFrame", "settlement of the wall", kTip, R"("Joint Loads",1, 2,4,-10,3,0,0,0
"Support Displacements",1, 1,0.002,-0.001,0.003,0.001,-0.002,0.0015)"},
    {"SFrame", "hinge at beginning", kFixed, kSFrameHinged, 1},
    {"SFrame", "hinge at end", kFixed, kSFrameHinged, 2},
    {"SFrame", "hinges at both ends", kFixed, kSFrameHinged, 3},
    {"SFrame", "torque, hinge at beginning", kFixed, kTorque, 1},
    {"SFrame", "torque, hinge at end", kFixed, kTorque, 2},
};

// Local components u, v, w (translations along x, y, z), then rotations about x, y, z.
using Six = std::array<double, 6>;
int ComponentIndex(char c) {
  return std::isupper(static_cast<unsigned char>(c)) ? 3 + (c - 'X') : c - 'x';
}

// What the section gives each type: a plane type bends about z only and has no torsion.
struct Rigidities {
  double EA, EIz, EIy, GJ;
};
Rigidities RigiditiesOf(const std::string& type) {
  const bool space = type == "SFrame", truss = type == "PTruss" || type == "STruss";
  return {kE * kA, truss ? 0 : kE * kIz, space ? kE * kIy : 0,
          space || type == "Grid" ? kG * kJ : 0};
}

// The free end's local displacements of a cantilever of length L fixed at x = 0.
Six CantileverTip(const std::vector<PointAction>& actions, double L, const Rigidities& r) {
  Six d{};
  for (const PointAction& a : actions) {
    const double s = a.s;
    d[0] += a.f[0] * s / r.EA;
    if (r.GJ > 0) d[3] += a.c[0] * s / r.GJ;
    // Bending in x-y: v' is the rotation about z.
    d[1] += a.f[1] * s * s * (3 * L - s) / (6 * r.EIz) + a.c[2] * s * (2 * L - s) / (2 * r.EIz);
    d[5] += a.f[1] * s * s / (2 * r.EIz) + a.c[2] * s / r.EIz;
    if (r.EIy > 0) {
      // Bending in x-z: the rotation about y is -w'.
      d[2] += a.f[2] * s * s * (3 * L - s) / (6 * r.EIy) - a.c[1] * s * (2 * L - s) / (2 * r.EIy);
      d[4] += -a.f[2] * s * s / (2 * r.EIy) + a.c[1] * s / r.EIy;
    }
  }
  return d;
}

// Member end vectors: the six local components at the beginning, then the six at the end.
using Twelve = std::array<double, 12>;
using Matrix12 = std::array<Twelve, 12>;

// The textbook local stiffness of a space member, from which each type keeps its components.
Matrix12 LocalStiffness(double L, const Rigidities& r) {
  Matrix12 k{};
  auto put = [&k](int i, int j, double v) {
    k[i][j] += v;
    if (i != j) k[j][i] += v;
  };
  auto pair = [&](int i, double stiffness) {  // axial or torsional spring between the ends
    put(i, i, stiffness);
    put(i + 6, i + 6, stiffness);
    put(i, i + 6, -stiffness);
  };
  pair(0, r.EA / L);
  pair(3, r.GJ / L);
  // Bending block on (translation, rotation) at each end; s = +1 in x-y, -1 in x-z.
  auto bend = [&](int t, int q, double EI, double s) {
    const double c = EI / (L * L * L);
    put(t, t, 12 * c), put(t + 6, t + 6, 12 * c), put(t, t + 6, -12 * c);
    put(t, q, s * 6 * L * c), put(t, q + 6, s * 6 * L * c);
    put(t + 6, q, -s * 6 * L * c), put(t + 6, q + 6, -s * 6 * L * c);
    put(q, q, 4 * L * L * c), put(q + 6, q + 6, 4 * L * L * c), put(q, q + 6, 2 * L * L * c);
  };
  bend(1, 5, r.EIz, 1);
  bend(2, 4, r.EIy, -1);
  return k;
}

// The end forces of a member fixed at both ends under its loads: minus the work-equivalent end
// loads, with the Hermite shape functions of each bending plane.
Twelve FixedEndForces(const std::vector<PointAction>& actions, double L) {
  Twelve q{};
  for (const PointAction& a : actions) {
    const double x = a.s / L;
    const double n[4] = {1 - 3 * x * x + 2 * x * x * x, L * (x - 2 * x * x + x * x * x),
                         3 * x * x - 2 * x * x * x, L * (x * x * x - x * x)};
    const double dn[4] = {(-6 * x + 6 * x * x) / L, 1 - 4 * x + 3 * x * x, (6 * x - 6 * x * x) / L,
                          3 * x * x - 2 * x};
    q[0] -= a.f[0] * (1 - x), q[6] -= a.f[0] * x;
    q[3] -= a.c[0] * (1 - x), q[9] -= a.c[0] * x;
    // x-y plane: (v, θz) at each end; a couple about z works through v'.
    const int xy[4] = {1, 5, 7, 11}, xz[4] = {2, 4, 8, 10};
    const double sign[4] = {1, -1, 1, -1};  // in x-z the rotation about y is -w'
    for (int i = 0; i < 4; ++i) {
      q[xy[i]] -= a.f[1] * n[i] + a.c[2] * dn[i];
      q[xz[i]] -= sign[i] * (a.f[2] * n[i] - a.c[1] * dn[i]);
    }
  }
  return q;
}

// A hinge frees the end moments it names (about z, and about y in space); with no moment there,
// the free end rotations are condensed out of the member's stiffness and fixed-end forces.
void Condense(Matrix12& k, Twelve& q, const std::string& type, int release) {
  for (int end = 0; end < 2; ++end)
    for (int h : {6 * end + 5, 6 * end + 4}) {
      if ((release != 3 && release != end + 1) || (h % 6 == 4 && type != "SFrame")) continue;
      const double khh = k[h][h];
      const Twelve column = k[h];
      const double qh = q[h];
      for (int i = 0; i < 12; ++i) {
        q[i] -= column[i] * qh / khh;
        for (int j = 0; j < 12; ++j) k[i][j] -= column[i] * column[j] / khh;
      }
    }
}

// Row `row` of a joint table (loads or settlements) in the member's local axes: translation or
// force, then rotation or couple.
std::array<Vec, 2> LocalRow(const ModelStore& m, const Table<float>& table, int row,
                            const std::array<Vec, 3>& axes) {
  std::vector<double> values;
  for (int k = 1; k <= m.CoordsPerJoint; ++k) values.push_back(table(row, k));
  const testing::Wrench w = testing::WrenchOf(m.StructType, values);
  auto local = [&](Vec v) { return Vec{Dot(axes[0], v), Dot(axes[1], v), Dot(axes[2], v)}; };
  return {local(w.force), local(w.moment)};
}

std::string ModelText(const std::string& type, Oracle oracle, const std::string& sections,
                      int release) {
  const std::string released =
      release ? "\"Member Releases\",1, 1," + std::to_string(release) + "\n" + sections : sections;
  if (oracle != Oracle::TrussJoint)
    return testing::OneMemberText(type, oracle == Oracle::FixedMember, released);
  // Bars from joint 1 (and 2, 3) to the loaded joint at the origin, mutually perpendicular; in
  // the plane the first runs along -X, where [T] is not the identity.
  return "\"Cell\",\"" + type + "\"\n" +
         (type == "PTruss" ? R"("Joints",3, 5,0, 0,-3, 0,0
"Supports",2, 1,1,1, 2,1,1
"Members",2, 1,3,1,1, 2,3,1,2
)"
                           : R"("Joints",4, 2,3,6, 6,-12,4, 12,4,-6, 0,0,0
"Supports",3, 1,1,1,1, 2,1,1,1, 3,1,1,1
"Members",3, 1,4,1,1, 2,4,1,2, 3,4,1,1
)") + "\"Cross-Sections\",2, 0.01, 0.02\n\"Materials\",1, 200000000,0.000012\n" +
         released + "\n";
}

// Expected values against stored ones, each within 1e-4 of the largest expected magnitude of its
// kind (translations or rotations, forces or moments), and exactly 0 where mechanics says 0 while
// others of its kind are not (the analysis stores the round-off of such a zero as 0). `value(k)`
// gives the local (k < 6) or, past them, the global component k % 6 that the type's coordinate is.
template <typename Expected>
void ExpectClose(const ModelStore& m, int ends, Expected value, std::function<float(int)> stored,
                 const char* what) {
  const std::string& kinds = ComponentsOf(m.StructType);
  const std::size_t n = kinds.size();
  std::vector<double> expected;
  for (std::size_t i = 0; i < static_cast<std::size_t>(ends) * n; ++i)
    expected.push_back(value(i / n, kinds[i % n]));
  auto rotational = [&](std::size_t i) { return std::isupper(kinds[i % n]) != 0; };
  double largest[2] = {0, 0};
  for (std::size_t i = 0; i < expected.size(); ++i)
    largest[rotational(i)] = std::max(largest[rotational(i)], std::fabs(expected[i]));
  ASSERT_GT(std::max(largest[0], largest[1]), 0) << what << ": the oracle expects nothing";
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const double scale = largest[rotational(i)];
    if (scale > 0 && std::fabs(expected[i]) < 1e-12 * scale)
      EXPECT_EQ(stored(static_cast<int>(i)), 0.0f) << what << " " << i + 1;
    else
      EXPECT_NEAR(stored(static_cast<int>(i)), expected[i], 1e-4 * scale + 1e-9)
          << what << " " << i + 1;
  }
}

void CheckCantilever(const ModelStore& m, const StructureResults& r, Vec d,
                     const std::array<Vec, 3>& axes) {
  const double L = Norm(d);
  std::vector<PointAction> actions = PointActions(testing::LocalLoadsOf(m, 1, L));
  for (int i = 1; i <= m.JointLoadCount; ++i) {
    const auto load = LocalRow(m, m.JointLoadValues, i, axes);
    actions.push_back({L, load[0], load[1]});
  }
  Six tip = CantileverTip(actions, L, RigiditiesOf(m.StructType));
  for (int s = 1; s <= m.SettlementCount; ++s) {  // the wall moves: the member follows it rigidly
    const auto [moved, turned] = LocalRow(m, m.SettlementValues, s, axes);
    const Vec rigid = {moved[0], moved[1] + turned[2] * L, moved[2] - turned[1] * L};
    for (int i = 0; i < 3; ++i) tip[i] += rigid[i], tip[3 + i] += turned[i];
  }
  auto global = [&](int, char c) {
    const int i = ComponentIndex(c), base = i < 3 ? 0 : 3;
    return axes[0][i % 3] * tip[base] + axes[1][i % 3] * tip[base + 1] +
           axes[2][i % 3] * tip[base + 2];
  };
  ExpectClose(
      m, 1, global, [&](int k) { return testing::Displacement(m, r, 2, k + 1); },
      "free-end displacement");
}

void CheckFixedMember(const ModelStore& m, const StructureResults& results, Vec d,
                      const std::array<Vec, 3>& axes) {
  const double L = Norm(d);
  const Rigidities r = RigiditiesOf(m.StructType);
  Matrix12 k = LocalStiffness(L, r);
  Twelve q = FixedEndForces(PointActions(testing::LocalLoadsOf(m, 1, L)), L);
  // A heated or too long member pushes on the walls that hold its length.
  double strain = 0;
  for (int i = 1; i <= m.TempChangeCount; ++i) strain += kAlpha * m.TempChangeValues(i);
  for (int i = 1; i <= m.FabErrorCount; ++i) strain += m.FabErrorValues(i) / L;
  q[0] += r.EA * strain, q[6] -= r.EA * strain;
  if (const int release = m.ReleaseCount ? m.Releases(1, 2) : 0) {
    // A released member of a grid or space frame carries no twist at its hinge: it is a torsion
    // bar held at the other end only, which takes the whole torque.
    for (int i : {3, 9})
      for (int j = 0; j < 12; ++j) k[i][j] = k[j][i] = 0;
    if (release == 1) q[9] += q[3], q[3] = 0;
    if (release == 2) q[3] += q[9], q[9] = 0;
    Condense(k, q, m.StructType, release);
  }
  Twelve v{};
  for (int s = 1; s <= m.SettlementCount; ++s) {
    const auto moved = LocalRow(m, m.SettlementValues, s, axes);
    const int at = m.SettlementJoints(s) == 1 ? 0 : 6;
    for (int a = 0; a < 6; ++a) v[at + a] = moved[a / 3][a % 3];
  }
  for (int i = 0; i < 12; ++i)
    for (int j = 0; j < 12; ++j) q[i] += k[i][j] * v[j];
  ExpectClose(
      m, 2, [&](int end, char c) { return q[6 * end + ComponentIndex(c)]; },
      [&](int i) { return results.MemberEndForces(1, i + 1); }, "end force");
}

void CheckTrussJoint(const ModelStore& m, const StructureResults& r) {
  const int loaded = m.JointCount;
  std::vector<double> load;
  for (int c = 1; c <= m.CoordsPerJoint; ++c) load.push_back(m.JointLoadValues(1, c));
  const Vec p = testing::WrenchOf(m.StructType, load).force;
  Vec moved{};
  for (int bar = 1; bar <= m.MemberCount; ++bar) {
    const Vec along = testing::Add(testing::Position(m, loaded), testing::Position(m, bar), -1);
    const double L = Norm(along), ea = kE * m.Sections(m.MemberProps(bar, 4), 1);
    const double pull = Dot(p, along) / L;  // tension in the bar
    moved = testing::Add(moved, along, pull / ea);
    EXPECT_NEAR(r.MemberEndForces(bar, 1), -pull, 1e-4 * Norm(p)) << "bar " << bar;
  }
  ExpectClose(
      m, 1, [&](int, char c) { return moved[ComponentIndex(c)]; },
      [&](int k) { return testing::Displacement(m, r, loaded, k + 1); }, "joint displacement");
}

TEST(FeatureMatrix, EveryActionOfEveryTypeMatchesTextbookMechanics) {
  for (const Cell& cell : kCells) {
    const std::string text = ModelText(cell.type, cell.oracle, cell.sections, cell.release);
    SCOPED_TRACE(std::string(cell.type) + ", " + cell.action + "\n" + text);
    ModelStore m = testing::ModelFromText(text);
    const StructureResults r = Analyze(m);
    ASSERT_EQ(r.AnalysisStatus, kAnalysisComplete);
    EXPECT_LT(testing::EquilibriumResidual(m, r), 1e-4);
    const Vec d = testing::Add(testing::Position(m, 2), testing::Position(m, 1), -1);
    const auto check = [&](const StructureResults& results) {
      switch (cell.oracle) {
        case Oracle::Cantilever: CheckCantilever(m, results, d, AxesOf(m, 1, d)); break;
        case Oracle::FixedMember: CheckFixedMember(m, results, d, AxesOf(m, 1, d)); break;
        case Oracle::TrussJoint: CheckTrussJoint(m, results); break;
      }
    };
    check(r);
    // The stability analyses divide a frame's member into pieces, here of length 0.5, so that
    // every load starts or stands where a piece ends: its first-order results are the same.
    if (m.TypeInfo().Stability) {
      SCOPED_TRACE("divided into pieces");
      check(AnalyzeSecondOrder(m, r, static_cast<int>(std::lround(2 * Norm(d)))).FirstOrder);
    }
  }
}

}  // namespace
}  // namespace stavelorn
