#include "reports/AnswerJudge.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "analysis/TrailLabels.h"

namespace stavelorn {

namespace {

using Q = AnswerQuantity;

// The factors a change of units gives: 10^n (n = ±1..±12); 12^±n (n = 1..4, inches and feet
// to the first to fourth power) and 4.4482216^±1 (newtons per pound), each also times 10^m.
const std::vector<double>& UnitFactors() {
  static const std::vector<double> factors = [] {
    std::vector<double> bases = {4.4482216, 1 / 4.4482216};
    for (int n = 1; n <= 4; ++n)
      bases.push_back(std::pow(12.0, n)), bases.push_back(std::pow(12.0, -n));
    std::vector<double> out;
    for (int m = -12; m <= 12; ++m) {
      if (m != 0) out.push_back(std::pow(10.0, m));
      for (double base : bases) out.push_back(base * std::pow(10.0, m));
    }
    return out;
  }();
  return factors;
}

std::string Bracketed(Q q) {
  const AnswerQuantityInfo& info = InfoOf(q);
  return info.Shape == AnswerShape::Matrix ? "[" + std::string(info.Name) + "]"
                                           : "{" + std::string(info.Name) + "}";
}

bool IsLocal(Q q) {
  return q == Q::k || q == Q::Qf || q == Q::u || q == Q::Q;
}

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6g", value);
  return text;
}

// The term of the member stiffness an entry of [k] holds (0-based end coordinates).
std::string StiffnessTerm(const std::string& type, int i, int j, bool released) {
  const std::vector<CoordRole> roles = CoordRoles(type);
  if (roles.empty()) return "stiffness";
  const std::size_t per = roles.size();
  const CoordRole a = roles[static_cast<std::size_t>(i) % per];
  const CoordRole b = roles[static_cast<std::size_t>(j) % per];
  if (a == CoordRole::ForceX && b == CoordRole::ForceX) return "EA/L";
  if (a == CoordRole::MomentX && b == CoordRole::MomentX) return "GJ/L";
  // Translations pair over L³, a translation and a rotation over L², rotations over L.
  const int power = 3 - IsMoment(a) - IsMoment(b);
  const char* coefficient = released     ? "3"
                            : power == 3 ? "12"
                            : power == 2 ? "6"
                            : i == j     ? "4"
                                         : "2";
  return coefficient + std::string("EI/L") + (power == 3 ? "³" : power == 2 ? "²" : "");
}

std::string SignHint(const AnswerKey& key, Q q, int member, int row, int col) {
  switch (q) {
    case Q::k:
      return "check the direction of the " +
             StiffnessTerm(key.Model().StructType, row, col, key.Released(member)) + " term";
    case Q::K:
    case Q::T: return "check the signs of the direction cosines in [T]";
    case Q::Cosines: return "measure the cosines from the beginning joint to the end joint";
    case Q::Qf:
    case Q::Ff: return "fixed-end forces are the forces the fixed ends exert on the member";
    case Q::v:
    case Q::u:
    case Q::d: return "check the sense of the displacement";
    case Q::Q:
    case Q::F: return "check the sign convention of the member end forces";
    case Q::S: return "check the direction of the member terms added here";
    case Q::P: return "{P} is the joint loads minus the members' {Ff}";
    case Q::Reactions: return "check the direction of the reaction";
    default: return "a length is never negative";
  }
}

// One slip's value for an entry; where it points (the mirrored or the other entry) or the unit
// factor words its hint once it is the slip named.
struct Candidate {
  Slip Which;
  double Value;
  int Row = 0, Col = 0;
  double Factor = 1;
};

// Every slip's value for entry (row, col), in the order the slips are tried.
std::vector<Candidate> Candidates(const AnswerKey& key, Q q, int member, const AnswerGrid& grid,
                                  int row, int col) {
  const AnswerQuantityInfo& info = InfoOf(q);
  const double e = grid.At(row, col);
  std::vector<Candidate> out;
  if (info.PerMember && info.Shape == AnswerShape::Matrix && !info.Symmetric && row != col)
    out.push_back({Slip::Transposed, grid.At(col, row), col, row});
  if (!info.Exact) out.push_back({Slip::Sign, -e});
  if (info.Other != q)
    out.push_back({Slip::LocalGlobal, key.Expected(info.Other, member).At(row, col)});
  if (info.ReleaseBound && key.Released(member))
    out.push_back({Slip::ReleaseIgnored, key.WithoutRelease(q, member).At(row, col)});
  if (!info.Exact && std::abs(e) > kRoundOffFraction * grid.Largest())
    for (double factor : UnitFactors()) out.push_back({Slip::Units, e * factor, 0, 0, factor});
  // Another coordinate's value: a numbering slip.
  auto other = [&](int r, int c) {
    out.push_back({Slip::SwappedCoordinates, grid.At(r, c), r, c});
  };
  for (int r = 0; r < grid.Rows; ++r)
    if (r != row) other(r, col);
  for (int c = 0; c < grid.Cols; ++c)
    if (c != col) other(row, c);
  return out;
}

std::string Hint(const AnswerKey& key, Q q, int member, const AnswerGrid& grid, int row, int col,
                 const Candidate& c) {
  const Q other = InfoOf(q).Other;
  switch (c.Which) {
    case Slip::Transposed:
      return "the value at row " + std::to_string(c.Row + 1) + ", column " +
             std::to_string(c.Col + 1) + ": " + Bracketed(q) + " written transposed";
    case Slip::Sign: return SignHint(key, q, member, row, col);
    case Slip::LocalGlobal:
      return "the value of " + Bracketed(other) + ": " + Bracketed(q) + " is in " +
             (IsLocal(q) ? "the member's local" : "global") + " coordinates";
    case Slip::ReleaseIgnored: return "the value without the member's hinge: apply its release";
    case Slip::Units: return "off by a factor of " + Number(c.Factor) + ": check the units";
    case Slip::SwappedCoordinates: {
      const bool sameColumn = c.Col == col;
      const std::size_t at = static_cast<std::size_t>(sameColumn ? c.Row : c.Col);
      return "the value of " + std::string(sameColumn ? "row " : "column ") +
             std::to_string(at + 1) + ", " +
             (sameColumn ? grid.RowLabels : grid.ColumnLabels).at(at) +
             ": check the numbering of the coordinates";
    }
    case Slip::None: break;
  }
  return "";
}

bool Matches(const AnswerQuantityInfo& info, double given, double expected, double largest) {
  return info.Exact ? given == expected : WithinTolerance(given, expected, largest);
}

// Whether the slip's value explains the wrong entry. A slip that gives the right value, or a
// zero (the value of most entries, so no sign of any one slip), explains nothing; a unit factor
// is matched by the ratio alone, however small the value it gives.
bool Explains(const AnswerQuantityInfo& info, const Candidate& c, const EntryVerdict& v,
              double largest) {
  if (c.Which == Slip::Units)
    return std::abs(v.Given - c.Value) <= kRelativeTolerance * std::abs(c.Value);
  const bool zero = !info.Exact && std::abs(c.Value) <= kRoundOffFraction * largest;
  return !zero && !Matches(info, c.Value, v.Expected, largest) &&
         Matches(info, v.Given, c.Value, largest);
}

}  // namespace

const char* SlipName(Slip slip) {
  switch (slip) {
    case Slip::Transposed: return "transposed";
    case Slip::Sign: return "sign";
    case Slip::LocalGlobal: return "local-global";
    case Slip::ReleaseIgnored: return "release-ignored";
    case Slip::Units: return "units";
    case Slip::SwappedCoordinates: return "swapped-coordinates";
    case Slip::None: break;
  }
  return "";
}

// A NaN or infinite entry fails both comparisons.
bool WithinTolerance(double given, double expected, double largest) {
  if (std::abs(expected) <= kRoundOffFraction * largest)
    return std::abs(given) <= kZeroTolerance * largest;
  return std::abs(given - expected) <= kRelativeTolerance * std::abs(expected);
}

std::vector<EntryVerdict> JudgeAnswer(const AnswerKey& key, AnswerQuantity quantity, int member,
                                      const std::vector<std::optional<double>>& given) {
  const AnswerQuantityInfo& info = InfoOf(quantity);
  const AnswerGrid grid = key.Expected(quantity, member);
  if (given.size() != grid.Values.size())
    throw std::invalid_argument("the answer does not have the quantity's shape");
  const double largest = grid.Largest();
  std::vector<EntryVerdict> verdicts;
  for (std::size_t i = 0; i < given.size(); ++i) {
    if (!given[i]) continue;
    EntryVerdict v;
    v.Row = static_cast<int>(i) / grid.Cols;
    v.Col = static_cast<int>(i) % grid.Cols;
    v.Given = *given[i];
    v.Expected = grid.Values[i];
    v.Right = Matches(info, v.Given, v.Expected, largest);
    if (!v.Right)
      for (const Candidate& c : Candidates(key, quantity, member, grid, v.Row, v.Col)) {
        if (!Explains(info, c, v, largest)) continue;
        v.Named = c.Which;
        v.Hint = Hint(key, quantity, member, grid, v.Row, v.Col, c);
        break;
      }
    verdicts.push_back(std::move(v));
  }
  return verdicts;
}

std::string VerdictText(const AnswerGrid& grid, const EntryVerdict& verdict) {
  std::string text = "row " + std::to_string(verdict.Row + 1);
  if (grid.Shape == AnswerShape::Matrix) text += ", column " + std::to_string(verdict.Col + 1);
  if (verdict.Right) return text + ": right";
  if (verdict.Named == Slip::None) return text + ": wrong";
  return text + ": " + SlipName(verdict.Named) + " — " + verdict.Hint;
}

}  // namespace stavelorn
