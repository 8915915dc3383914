#include "analysis/MemberDiagrams.h"

#include "analysis/MemberAxes.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "analysis/DiagramStations.h"
#include "model/MemberLoadKind.h"
#include "model/StructType.h"

namespace stavelorn {

namespace {

using Q = DiagramQuantity;

// The section quantity that the force or moment at a member end coordinate carries along the
// member: a force along local x, y, z gives N, Vy, Vz; a moment about them T, My, Mz.
DiagramQuantity QuantityAt(const JointCoordNames& coordinate) {
  constexpr std::array<Q, 3> kForces{Q::N, Q::Vy, Q::Vz};
  constexpr std::array<Q, 3> kMoments{Q::T, Q::My, Q::Mz};
  const std::size_t axis = static_cast<std::size_t>(coordinate.Axis - 'X');
  return coordinate.Rotation ? kMoments.at(axis) : kForces.at(axis);
}

// The quantities of a type's diagrams in the order N, Vy, Vz, T, My, Mz. A truss bar's end shears
// are zero: it carries its axial force only.
std::vector<DiagramQuantity> QuantitiesOf(const StructTypeInfo& type) {
  std::vector<DiagramQuantity> quantities;
  for (int k = 1; k <= type.CoordsPerJoint; ++k) {
    const DiagramQuantity q = QuantityAt(CoordinateOf(type, k));
    if (!type.Truss || q == Q::N) quantities.push_back(q);
  }
  std::sort(quantities.begin(), quantities.end(), [](Q a, Q b) { return Index(a) < Index(b); });
  return quantities;
}

std::vector<AppliedLoad> LoadsOn(const ModelStore& model, int member, double length) {
  std::vector<AppliedLoad> loads;
  if (IsTruss(model.StructType)) return loads;  // truss bars take their loads at the joints
  for (int r = 1; r <= model.MemberLoadCount; ++r) {
    if (model.MemberLoadInfo(r, 1) != member) continue;
    const MemberLoadKindInfo* kind = FindMemberLoadKind(model.MemberLoadInfo(r, 2));
    // A kind the type has no coordinate for gave no fixed-end forces, so it is not applied.
    if (!kind || !TypeAcceptsLoad(model.StructType, *kind)) continue;
    auto clamp = [length](double x) { return std::clamp(x, 0.0, length); };
    AppliedLoad load;
    load.Form = kind->Form;
    load.Axis = static_cast<int>(kind->Axis);
    load.P0 = kind->AppliedSign * double(model.MemberLoadValues(r, 1));
    load.P1 = IsLinear(*kind) ? kind->AppliedSign * double(model.MemberLoadValues(r, 2)) : load.P0;
    load.S = clamp(model.MemberLoadValues(r, 3));
    load.E = IsDistributed(*kind) ? clamp(length - double(model.MemberLoadValues(r, 4))) : load.S;
    if (IsDistributed(*kind) && load.E <= load.S) continue;  // covers no length
    loads.push_back(load);
  }
  return loads;
}

// p(t + d) for a polynomial p: the same curve measured from a point d further on.
Cubic Shifted(const Cubic& p, double d) {
  Cubic q;
  q.C[0] = p.C[0] + d * (p.C[1] + d * (p.C[2] + d * p.C[3]));
  q.C[1] = p.C[1] + d * (2 * p.C[2] + 3 * d * p.C[3]);
  q.C[2] = p.C[2] + 3 * d * p.C[3];
  q.C[3] = p.C[3];
  return q;
}

void Add(Cubic& target, const Cubic& term, double sign) {
  for (int k = 0; k < 4; ++k) target.C[k] += sign * term.C[k];
}

// The polynomials of every quantity from x0 on, for sections beyond every load that starts at or
// before x0 and up to the next load point.
std::array<Cubic, kDiagramQuantityCount> PieceFrom(double x0, const std::array<double, 6>& begin,
                                                   const std::vector<AppliedLoad>& loads) {
  std::array<Cubic, kDiagramQuantityCount> q{};
  auto at = [&q](Q quantity) -> Cubic& { return q[static_cast<std::size_t>(Index(quantity))]; };
  // The beginning joint's force Fb and moment Mb act on the part before the section; with its
  // lever arm x, Fb turns about the section by (0, x Fbz, -x Fby).
  const double fx = begin[0], fy = begin[1], fz = begin[2];
  at(Q::N).C[0] = -fx;
  at(Q::Vy).C[0] = fy;
  at(Q::Vz).C[0] = fz;
  at(Q::T).C[0] = -begin[3];
  at(Q::My).C = {-begin[4] - x0 * fz, -fz, 0, 0};
  at(Q::Mz).C = {-begin[5] + x0 * fy, fy, 0, 0};

  for (const AppliedLoad& load : loads) {
    if (load.S > x0) continue;  // not yet reached
    if (load.Form == LoadForm::PointCouple) {
      const Cubic couple{{load.P0, 0, 0, 0}};
      Add(at(load.Axis == 0 ? Q::T : load.Axis == 1 ? Q::My : Q::Mz), couple, -1);
      continue;
    }
    // The load's resultant so far (force) and its moment about the section (arm), in t.
    Cubic force, arm;
    if (load.Form == LoadForm::PointForce) {
      force.C = {load.P0, 0, 0, 0};
      arm.C = {(x0 - load.S) * load.P0, load.P0, 0, 0};
    } else {
      const double c = load.E - load.S, k = (load.P1 - load.P0) / c;
      if (x0 >= load.E) {
        const double total = load.P0 * c + k * c * c / 2;
        force.C = {total, 0, 0, 0};
        arm.C = {(x0 - load.S) * total - (load.P0 * c * c / 2 + k * c * c * c / 3), total, 0, 0};
      } else {
        // Under the load, with u = x - s: the resultant p0 u + k u^2/2 and its moment
        // p0 u^2/2 + k u^3/6.
        force = Shifted(Cubic{{0, load.P0, k / 2, 0}}, x0 - load.S);
        arm = Shifted(Cubic{{0, 0, load.P0 / 2, k / 6}}, x0 - load.S);
      }
    }
    switch (load.Axis) {
      case 0: Add(at(Q::N), force, -1); break;
      case 1:
        Add(at(Q::Vy), force, 1);
        Add(at(Q::Mz), arm, 1);
        break;
      default:
        Add(at(Q::Vz), force, 1);
        Add(at(Q::My), arm, -1);
        break;
    }
  }
  return q;
}

MemberDiagram BuildOne(const ModelStore& model, const StructureResults& results, int member) {
  std::vector<double> endForces;
  for (int k = 1; k <= 2 * model.CoordsPerJoint; ++k)
    endForces.push_back(results.MemberEndForces(member, k));
  const std::optional<MemberAxes> axes = MemberLocalAxes(model, member);
  return MemberDiagramOf(model, member, endForces, LoadsOn(model, member, axes ? axes->Length : 0));
}

}  // namespace

MemberDiagram MemberDiagramOf(const ModelStore& model, int member,
                              const std::vector<double>& endForces,
                              const std::vector<AppliedLoad>& loads) {
  const StructTypeInfo& type = model.TypeInfo();
  MemberDiagram d;
  d.Member = member;
  d.Quantities = QuantitiesOf(type);
  // The member's length as the analysis's own geometry routine gives it.
  const std::optional<MemberAxes> axes = MemberLocalAxes(model, member);
  const double length = axes ? axes->Length : 0;
  d.Length = length;

  // The actions of the joints on the member; the section values at the ends follow from the
  // definitions: at x = 0 the part before the section is the joint's action reversed, at x = L
  // the part beyond it is the end joint's action.
  std::array<double, 6> begin{}, end{};
  for (int k = 1; k <= type.CoordsPerJoint; ++k) {
    const std::size_t c = static_cast<std::size_t>(Index(QuantityAt(CoordinateOf(type, k))));
    begin[c] = endForces.at(static_cast<std::size_t>(k - 1));
    end[c] = endForces.at(static_cast<std::size_t>(k - 1 + type.CoordsPerJoint));
  }
  d.StartValues = {-begin[0], begin[1], begin[2], -begin[3], -begin[4], -begin[5]};
  d.EndValues = {end[0], -end[1], -end[2], end[3], end[4], end[5]};
  if (!(length > 0)) return d;

  std::vector<double> breaks{0, length};
  for (const AppliedLoad& load : loads) {
    breaks.push_back(load.S);
    breaks.push_back(load.E);
    if (load.S == load.E) d.Jumps.push_back(load.S);
  }
  std::sort(breaks.begin(), breaks.end());
  breaks.erase(std::unique(breaks.begin(), breaks.end()), breaks.end());
  std::sort(d.Jumps.begin(), d.Jumps.end());
  d.Jumps.erase(std::unique(d.Jumps.begin(), d.Jumps.end()), d.Jumps.end());
  for (std::size_t i = 0; i + 1 < breaks.size(); ++i)
    d.Pieces.push_back({breaks[i], breaks[i + 1], PieceFrom(breaks[i], begin, loads)});

  // Past every load the built-up values should be the end joint's; what is left is round-off of
  // the analysis. Spreading it linearly keeps every piece a polynomial of the same degree.
  const std::array<Cubic, kDiagramQuantityCount> built = PieceFrom(length, begin, loads);
  for (int q = 0; q < kDiagramQuantityCount; ++q) {
    const std::size_t i = static_cast<std::size_t>(q);
    d.ClosureError[i] = d.EndValues[i] - built[i].C[0];
    for (DiagramPiece& piece : d.Pieces) {
      piece.Q[i].C[0] += d.ClosureError[i] * piece.X0 / length;
      piece.Q[i].C[1] += d.ClosureError[i] / length;
    }
  }
  return d;
}

std::vector<DiagramQuantity> QuantitiesOfType(const std::string& typeCode) {
  const StructTypeInfo* type = FindStructType(typeCode);
  return type ? QuantitiesOf(*type) : std::vector<DiagramQuantity>{};
}

bool BendsInTwoPlanes(const std::string& typeCode) {
  const std::vector<DiagramQuantity> quantities = QuantitiesOfType(typeCode);
  return std::find(quantities.begin(), quantities.end(), Q::My) != quantities.end();
}

std::string QuantityName(const std::string& typeCode, DiagramQuantity q) {
  const bool space = BendsInTwoPlanes(typeCode);
  switch (q) {
    case Q::N: return "N";
    case Q::Vy: return space ? "Vy" : "V";
    case Q::Vz: return "Vz";
    case Q::T: return "T";
    case Q::My: return "My";
    case Q::Mz: return space ? "Mz" : "M";
  }
  return "";
}

std::optional<DiagramQuantity> QuantityNamed(const std::string& name) {
  const std::pair<const char*, Q> names[] = {{"N", Q::N},   {"V", Q::Vy}, {"Vy", Q::Vy},
                                             {"Vz", Q::Vz}, {"T", Q::T},  {"My", Q::My},
                                             {"M", Q::Mz},  {"Mz", Q::Mz}};
  for (const auto& [text, q] : names)
    if (name == text) return q;
  return std::nullopt;
}

const char* QuantityCaption(DiagramQuantity q) {
  switch (q) {
    case Q::N: return "Axial force";
    case Q::Vy: return "Shear in local y";
    case Q::Vz: return "Shear in local z";
    case Q::T: return "Twisting moment";
    case Q::My: return "Bending moment about local y";
    case Q::Mz: return "Bending moment about local z";
  }
  return "";
}

Quantity UnitQuantity(DiagramQuantity q) {
  return q == Q::N || q == Q::Vy || q == Q::Vz ? Quantity::Force : Quantity::Moment;
}

std::vector<MemberDiagram> BuildMemberDiagrams(const ModelStore& model,
                                               const StructureResults& results) {
  std::vector<MemberDiagram> diagrams;
  const StructTypeInfo* type = model.Type();
  if (!results.Complete() || !type) return diagrams;
  for (int m = 1; m <= model.MemberCount; ++m) diagrams.push_back(BuildOne(model, results, m));
  FindStationsAndExtremes(diagrams);
  return diagrams;
}

}  // namespace stavelorn
