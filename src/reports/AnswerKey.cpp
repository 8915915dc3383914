#include "reports/AnswerKey.h"

#include <cmath>
#include <stdexcept>

#include "analysis/Engine.h"
#include "analysis/TrailLabels.h"
#include "model/StructType.h"
#include "reports/ResultValues.h"

namespace stavelorn {

namespace {

using Q = AnswerQuantity;
using S = AnswerShape;

// clang-format off
const std::vector<AnswerQuantityInfo> kQuantities = {
  //  quantity  name  title  shape  member solution symmetric exact release other
  {Q::L, "L", "Length L", S::Scalar, true, false, false, false, false, Q::L},
  {Q::Cosines, "cosines", "Direction cosines", S::Vector, true, false, false, false, false, Q::Cosines},
  {Q::Codes, "codes", "Code numbers", S::Vector, true, false, false, true, false, Q::Codes},
  {Q::k, "k", "[k] local stiffness, releases applied", S::Matrix, true, false, true, false, true, Q::K},
  {Q::T, "T", "[T] transformation, {u} = [T]{v}", S::Matrix, true, false, false, false, false, Q::T},
  {Q::K, "K", "[K] = [T]'[k][T] global stiffness", S::Matrix, true, false, true, false, true, Q::k},
  {Q::Qf, "Qf", "{Qf} local fixed-end forces", S::Vector, true, false, false, false, true, Q::Ff},
  {Q::Ff, "Ff", "{Ff} global fixed-end forces", S::Vector, true, false, false, false, true, Q::Qf},
  {Q::v, "v", "{v} global end displacements", S::Vector, true, true, false, false, false, Q::u},
  {Q::u, "u", "{u} = [T]{v} local end displacements", S::Vector, true, true, false, false, false, Q::v},
  {Q::Q, "Q", "{Q} = [k]{u} + {Qf} local end forces", S::Vector, true, true, false, false, false, Q::F},
  {Q::F, "F", "{F} = [T]'{Q} global end forces", S::Vector, true, true, false, false, false, Q::Q},
  {Q::S, "S", "[S] structure stiffness matrix", S::Matrix, false, true, true, false, false, Q::S},
  {Q::P, "P", "{P} joint loads minus the members' {Ff}", S::Vector, false, true, false, false, false, Q::P},
  {Q::d, "d", "{d} joint displacements", S::Vector, false, true, false, false, false, Q::d},
  {Q::Reactions, "reactions", "Support reactions", S::Matrix, false, true, false, false, false, Q::Reactions},
};
// clang-format on

// The symbol a member quantity's labels carry and whether it is in global coordinates.
struct EndSymbol {
  const char* Symbol;
  bool Global;
};

EndSymbol SymbolOf(Q q) {
  switch (q) {
    case Q::k:
    case Q::T: return {"u", false};  // {u} = [T]{v}: [T]'s rows are the local end coordinates
    case Q::Qf: return {"Qf", false};
    case Q::Ff: return {"Ff", true};
    case Q::u: return {"u", false};
    case Q::Q: return {"Q", false};
    case Q::F: return {"F", true};
    default: return {"v", true};
  }
}

template <typename Real>
std::vector<double> Flat(const MemberMatrix<Real>& m, int n) {
  std::vector<double> out;
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) out.push_back(m[i][j]);
  return out;
}

template <typename Real>
std::vector<double> Flat(const MemberVector<Real>& v, int n) {
  return std::vector<double>(v.begin() + 1, v.begin() + 1 + n);
}

// The member's values by the assembly's own routines, with its release taken away.
template <typename Real>
std::vector<double> UnreleasedValues(const ModelStore& model, const MethodTrail& trail, int member,
                                     Q q) {
  const int n = 2 * model.CoordsPerJoint;
  MemberContext<Real> context = LoadMemberContext<Real>(model, model.Kind(), n, member);
  context.ReleaseType = 0;
  Array<std::int16_t> numbers(static_cast<int>(trail.CoordNumbers.size()));
  for (int i = 1; i <= numbers.Size(); ++i)
    numbers(i) = static_cast<std::int16_t>(trail.CoordNumbers[static_cast<std::size_t>(i - 1)]);
  const AssembledMember<Real> a = AssembleMember(model, context, numbers);
  switch (q) {
    case Q::k: return Flat(a.LocalStiffness, n);
    case Q::K: return Flat(a.GlobalStiffness, n);
    case Q::Qf: return Flat(a.LocalFixedEndForces, n);
    default: return Flat(a.GlobalFixedEndForces, n);
  }
}

}  // namespace

const std::vector<AnswerQuantityInfo>& AnswerQuantities() {
  return kQuantities;
}

const AnswerQuantityInfo& InfoOf(AnswerQuantity quantity) {
  return kQuantities.at(static_cast<std::size_t>(quantity));
}

const AnswerQuantityInfo* FindAnswerQuantity(const std::string& name) {
  for (const AnswerQuantityInfo& info : kQuantities)
    if (name == info.Name) return &info;
  return nullptr;
}

double AnswerGrid::Largest() const {
  double largest = 0;
  for (double value : Values) largest = std::max(largest, std::abs(value));
  return largest;
}

AnswerKey::AnswerKey(const ModelStore& model, const StructureResults& results,
                     std::shared_ptr<const MethodTrail> trail, bool solved)
    : model_(model), results_(results), trail_(std::move(trail)), solved_(solved) {
  if (!trail_) throw std::invalid_argument("an answer key needs the method's trail");
}

bool AnswerKey::Has(AnswerQuantity quantity) const {
  if (InfoOf(quantity).NeedsSolution && !solved_) return false;
  return quantity != Q::S || trail_->HasStiffness();
}

bool AnswerKey::Released(int member) const {
  return Member(member).ReleaseType != 0;
}

const TrailMember& AnswerKey::Member(int member) const {
  if (member < 1 || member > MemberCount())
    throw std::out_of_range("member " + std::to_string(member) + " does not exist");
  return trail_->Members[static_cast<std::size_t>(member - 1)];
}

std::string AnswerKey::CoordinateLabel(const std::string& symbol, int code) const {
  const int perJoint = trail_->CoordsPerJoint;
  int index = 0;
  while (index < static_cast<int>(trail_->CoordNumbers.size()) &&
         trail_->CoordNumbers[static_cast<std::size_t>(index)] != code)
    ++index;
  return StructureLabel(model_.StructType, symbol, code, index / perJoint + 1,
                        index % perJoint + 1);
}

AnswerGrid AnswerKey::Grid(AnswerQuantity quantity, int member) const {
  const AnswerQuantityInfo& info = InfoOf(quantity);
  const std::string& type = model_.StructType;
  AnswerGrid g;
  g.Title = info.Title;
  g.Shape = info.Shape;
  std::vector<std::string>& rows = g.RowLabels;
  std::vector<std::string>& cols = g.ColumnLabels;
  if (info.PerMember) {
    const TrailMember& m = Member(member);
    const int n = static_cast<int>(m.CodeNumbers.size());
    const EndSymbol row = SymbolOf(quantity);
    auto endLabels = [&](const EndSymbol& s) {
      std::vector<std::string> labels;
      for (int i = 1; i <= n; ++i)
        labels.push_back(EndLabel(type, s.Symbol, i, m.BeginJoint, m.EndJoint, s.Global));
      return labels;
    };
    g.Title = "Member " + std::to_string(m.Member) + ": " + g.Title;
    if (quantity == Q::L) {
      rows = cols = {"L"};
    } else if (quantity == Q::Cosines) {
      const int count = model_.Type() && model_.Type()->Plane ? 2 : 3;
      for (int axis = 0; axis < count; ++axis) rows.push_back(std::string("C") + "XYZ"[axis]);
      cols = {"cosine"};
    } else if (info.Shape == S::Matrix) {
      rows = endLabels(row);
      cols = quantity == Q::T ? endLabels({"v", true}) : rows;
    } else {
      rows = endLabels(row);
      cols = {quantity == Q::Codes ? std::string("code number")
                                   : "{" + std::string(info.Name) + "}"};
    }
  } else if (quantity == Q::Reactions) {
    for (int s = 1; s <= model_.SupportCount; ++s)
      rows.push_back("Joint " + std::to_string(model_.Supports(s, 1)));
    for (int k = 1; k <= model_.CoordsPerJoint; ++k)
      cols.push_back(CoordinateOf(model_.TypeInfo(), k).Reaction);
  } else {
    for (int code = 1; code <= trail_->DofCount; ++code)
      rows.push_back(CoordinateLabel(quantity == Q::P ? "P" : "d", code));
    cols = quantity == Q::S ? rows : std::vector<std::string>{"{" + std::string(info.Name) + "}"};
  }
  g.Rows = static_cast<int>(rows.size());
  g.Cols = static_cast<int>(cols.size());
  g.Values.assign(static_cast<std::size_t>(g.Rows) * static_cast<std::size_t>(g.Cols), 0.0);
  return g;
}

std::vector<double> AnswerKey::Values(AnswerQuantity quantity, const TrailMember& m) const {
  switch (quantity) {
    case Q::L: return {m.Length};
    case Q::Cosines: return {m.DirCosX, m.DirCosY, m.DirCosZ};
    case Q::Codes: return std::vector<double>(m.CodeNumbers.begin(), m.CodeNumbers.end());
    case Q::k: return m.LocalStiffness.Values;
    case Q::T: return m.Transformation.Values;
    case Q::K: return m.GlobalStiffness.Values;
    case Q::Qf: return m.LocalFixedEndForces;
    case Q::Ff: return m.GlobalFixedEndForces;
    case Q::v: return m.GlobalEndDisplacements;
    case Q::u: return m.LocalEndDisplacements;
    case Q::Q: return m.LocalEndForces;
    default: return m.GlobalEndForces;
  }
}

std::vector<double> AnswerKey::StructureValues(AnswerQuantity quantity) const {
  switch (quantity) {
    case Q::S: return trail_->Stiffness.Values;
    case Q::P: return trail_->LoadVector;
    case Q::d: return trail_->Displacements;
    default: {
      std::vector<double> values;
      for (int s = 1; s <= model_.SupportCount; ++s)
        for (int k = 1; k <= model_.CoordsPerJoint; ++k)
          values.push_back(ShownReaction(model_, results_, model_.Supports(s, 1), k));
      return values;
    }
  }
}

AnswerGrid AnswerKey::Expected(AnswerQuantity quantity, int member) const {
  AnswerGrid g = Grid(quantity, member);
  if (!Has(quantity)) return g;
  const std::vector<double> values =
      InfoOf(quantity).PerMember ? Values(quantity, Member(member)) : StructureValues(quantity);
  // Cosines are kept for all three axes; a plane structure's grid takes the first two.
  for (std::size_t i = 0; i < g.Values.size() && i < values.size(); ++i) g.Values[i] = values[i];
  return g;
}

AnswerGrid AnswerKey::WithoutRelease(AnswerQuantity quantity, int member) const {
  AnswerGrid g = Grid(quantity, member);
  if (!InfoOf(quantity).ReleaseBound) return Expected(quantity, member);
  g.Values = trail_->DoublePrecision ? UnreleasedValues<double>(model_, *trail_, member, quantity)
                                     : UnreleasedValues<float>(model_, *trail_, member, quantity);
  return g;
}

AnswerKey KeyOfAnalysis(const ModelStore& model, const AnalysisRun& run) {
  if (run.Trail && run.Results.Complete()) return AnswerKey(model, run.Results, run.Trail, true);
  return AnswerKey(model, run.Results,
                   std::make_shared<const MethodTrail>(RecordMemberSteps(model)), false);
}

}  // namespace stavelorn
