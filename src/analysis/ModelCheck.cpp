#include "analysis/ModelCheck.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "analysis/ModelChecker.h"
#include "model/LoadCombination.h"
#include "model/MemberLoadKind.h"
#include "model/NumberText.h"
#include "model/ProjectSections.h"
#include "model/StructType.h"

namespace stavelorn {
namespace model_check {

namespace {

// Every material and section property the member stiffness divides or multiplies by must be
// positive: a zero or negative one makes the member's stiffness vanish or pull the wrong way. A
// type with a shear modulus keeps it in the second material column.
constexpr const char* kModulusE = "modulus of elasticity E";
constexpr const char* kShearG = "shear modulus G";

// Coordinate numbers are signed 16-bit, so no structure may have more joint coordinates.
constexpr long kMostCoordinates = 32767;

}  // namespace

// The length the engine will compute: single-precision coordinates, their differences, squares
// and square root evaluated in double, the result stored in single precision. A beam takes the
// signed X difference, so a member entered right to left would get a negative length.
float EngineMemberLength(const ModelStore& m, int begin, int end) {
  auto delta = [&](int col) {
    return double{m.JointCoords(end, col)} - double{m.JointCoords(begin, col)};
  };
  if (m.Kind() == StructKind::Beam) return static_cast<float>(delta(1));
  double sum = 0;
  for (int col = 1; col <= m.CoordColumns; ++col) sum += delta(col) * delta(col);
  return static_cast<float>(std::sqrt(sum));
}

std::vector<std::string> ModelChecker::Run() {
  if (!TablesFit()) return problems_;
  CheckCoordinateCount();
  CheckSupports();
  CheckRecordFaults();
  CheckMembers();
  CheckProperties();
  structureChecked_ = true;
  CheckLoads(true);
  return problems_;
}

// The checks of another load case of the structure this checker has checked (Run), on
// `caseModel`, the same structure with that case's loads: only its load records, against the
// lengths, supports and releases this checker found.
std::vector<std::string> ModelChecker::RunOnLoadsOf(const ModelStore& caseModel) const {
  ModelChecker loads(caseModel, type_);
  // A table of this case's own that does not fit kept Run from the structure: check it whole.
  if (!structureChecked_) return loads.Run();
  if (!loads.TablesFit()) return loads.problems_;
  loads.supportOf_ = supportOf_;
  loads.length_ = length_;
  loads.releaseOf_ = releaseOf_;
  loads.CheckLoads(false);
  return loads.problems_;
}

// Tables shorter than their counts come only from a program that filled the model itself, not
// from the file reader or the editors; every other check indexes these tables, so with one of
// them too small nothing else is checked.
bool ModelChecker::TablesFit() {
  bool fit = true;
  for (const SectionRow& row : ProjectSections())
    for (const FieldGroup& group : row.Fields) {
      const int width = group.Width(m_);
      const PlaceShape held = ShapeHeld(group.Place, m_);
      if (width > 0 && !FitsShape(row.Label, RecordCount(row, m_), held.Rows, held.Columns, width))
        fit = false;
    }
  return fit;
}

bool ModelChecker::FitsShape(const char* section, int count, int rows, int cols, int neededCols) {
  if (count == 0 || (count > 0 && rows >= count && cols >= neededCols)) return true;
  std::string problem =
      std::string(section) + ": " +
      (count < 0 ? "the count " + Str(count) + " is negative"
                 : Str(count) + " records need " + Str(count) + " x " + Str(neededCols) +
                       " values, but the table holds " + Str(rows) + " x " + Str(cols));
  // A section kept in two tables names a bad count once.
  if (problems_.empty() || problems_.back() != problem) Report(std::move(problem));
  return false;
}

void ModelChecker::CheckCoordinateCount() {
  const long coordinates = long{m_.JointCount} * m_.CoordsPerJoint;
  if (coordinates > kMostCoordinates)
    Report("Joints: " + Str(m_.JointCount) + " joints of " + Str(m_.CoordsPerJoint) +
           " coordinates make " + Str(coordinates) + " structure coordinates, more than the " +
           Str(kMostCoordinates) + " that can be numbered");
}

void ModelChecker::CheckSupports() {
  supportOf_.assign(static_cast<std::size_t>(m_.JointCount) + 1, 0);
  for (int s = 1; s <= m_.SupportCount; ++s) {
    const std::string item = "Support " + Str(s);
    const int joint = m_.Supports(s, 1);
    // The numbering keeps the later of two rows for one joint; so do the settlement checks.
    if (InRange(item, "joint", joint, m_.JointCount)) supportOf_[joint] = s;
    // Any other code is counted as a restraint by the stability count but numbered as free, so
    // two coordinates would receive one number.
    for (int k = 1; k <= m_.CoordsPerJoint; ++k) {
      const int code = m_.Supports(s, k + 1);
      if (code != 0 && code != 1)
        Report(item + ": restraint code " + Str(code) + " of the " +
               type_.Coords[static_cast<std::size_t>(k - 1)].Check +
               " is neither 0 (free) nor 1 (restrained)");
    }
  }
}

// Springs and support angles must agree with the support records.
void ModelChecker::CheckRecordFaults() {
  for (const SectionRow& row : ProjectSections())
    for (int r = 1; row.RecordFault && r <= RecordCount(row, m_); ++r)
      if (std::optional<RecordProblem> problem = row.RecordFault(m_, r))
        Report(std::string(row.Label) + " " + Str(r) + ": " + problem->Text);
}

void ModelChecker::CheckMembers() {
  length_.assign(static_cast<std::size_t>(m_.MemberCount) + 1, 0.0f);
  materialUser_.assign(static_cast<std::size_t>(m_.MaterialCount) + 1, 0);
  sectionUser_.assign(static_cast<std::size_t>(m_.SectionCount) + 1, 0);
  for (int member = 1; member <= m_.MemberCount; ++member) {
    const std::string item = "Member " + Str(member);
    const int begin = m_.MemberProps(member, 1), end = m_.MemberProps(member, 2);
    const int material = m_.MemberProps(member, 3), section = m_.MemberProps(member, 4);
    const bool beginKnown = InRange(item, "beginning joint", begin, m_.JointCount);
    const bool endKnown = InRange(item, "end joint", end, m_.JointCount);
    if (InRange(item, "material", material, m_.MaterialCount) && materialUser_[material] == 0)
      materialUser_[material] = member;
    if (InRange(item, "cross-section", section, m_.SectionCount) && sectionUser_[section] == 0)
      sectionUser_[section] = member;
    if (!beginKnown || !endKnown) continue;
    const float length = EngineLength(begin, end);
    if (length == 0.0f)
      Report(item + ": joints " + Str(begin) + " and " + Str(end) + " coincide" +
             (type_.Kind == StructKind::Beam ? " in X" : "") + ", so the member has no length");
    else if (length < 0.0f)  // only a beam's signed length can be negative
      Report(item + ": runs right to left (X = " + Num(m_.JointCoords(begin, 1)) + " to " +
             Num(m_.JointCoords(end, 1)) + "); enter a beam member left to right");
    else if (std::isinf(length))
      Report(item + ": its length is too large for a single-precision number");
    else
      length_[member] = length;
  }
}

void ModelChecker::CheckProperties() {
  for (int material = 1; material <= m_.MaterialCount; ++material)
    if (materialUser_[material] != 0)
      CheckPositive("Material " + Str(material), m_.Materials, material, MaterialProps(),
                    materialUser_[material]);
  for (int section = 1; section <= m_.SectionCount; ++section)
    if (sectionUser_[section] != 0)
      CheckPositive("Cross-section " + Str(section), m_.Sections, section, SectionProps(),
                    sectionUser_[section]);
}

// The names of the checked material and section columns, in column order.
std::vector<const char*> ModelChecker::MaterialProps() const {
  if (type_.MaterialColumns == 3) return {kModulusE, kShearG};
  return {kModulusE};
}

std::vector<const char*> ModelChecker::SectionProps() const {
  std::vector<const char*> names;
  for (int col = 0; col < type_.SectionColumns; ++col)
    names.push_back(type_.Sections[static_cast<std::size_t>(col)].Check);
  return names;
}

// Only sets that some member uses are checked: an unused set never reaches the stiffness.
void ModelChecker::CheckPositive(const std::string& item, const Table<float>& table, int row,
                                 const std::vector<const char*>& names, int firstUser) {
  for (std::size_t col = 1; col <= names.size(); ++col) {
    const float value = table(row, static_cast<int>(col));
    if (!(value > 0.0f && std::isfinite(value)))
      Report(item + ": " + names[col - 1] + " = " + Num(value) + " is not positive (member " +
             Str(firstUser) + " uses it)");
  }
}

}  // namespace model_check

using model_check::ModelChecker;
using model_check::Str;

namespace {

// Why the model's type cannot be checked further: unknown, or with tables not of its size; ""
// when it can.
std::string TypeMismatch(const ModelStore& model, const StructTypeInfo* type) {
  if (!type) return "Structure type \"" + model.StructType + "\" is none of the six types";
  if (model.CoordsPerJoint != type->CoordsPerJoint || model.CoordColumns != type->CoordColumns ||
      model.SectionColumns != type->SectionColumns)
    return "Structure type " + model.StructType + ": the model's table sizes do not match the type";
  return "";
}

}  // namespace

std::vector<std::string> CheckModel(const ModelStore& model) {
  const StructTypeInfo* type = FindStructType(model.StructType);
  if (std::string mismatch = TypeMismatch(model, type); !mismatch.empty()) return {mismatch};
  return ModelChecker(model, *type).Run();
}

std::vector<std::string> CheckModelAndCases(const ModelStore& model) {
  const StructTypeInfo* type = FindStructType(model.StructType);
  if (std::string mismatch = TypeMismatch(model, type); !mismatch.empty()) return {mismatch};
  ModelChecker structure(model, *type);
  std::vector<std::string> problems = structure.Run();
  if (model.LoadCaseCount() == 1) return problems;
  const std::size_t shownProblems = problems.size();
  const auto shared = [&problems, shownProblems](const std::string& problem) {
    const auto shown = problems.begin() + static_cast<long>(shownProblems);
    return std::find(problems.begin(), shown, problem) != shown;
  };
  ModelStore caseModel = ModelWithLoads(model, LoadSet());
  for (int c = 1; c <= model.LoadCaseCount(); ++c) {
    if (c == model.CurrentLoadCase) continue;
    static_cast<LoadSet&>(caseModel) = model.LoadsOfCase(c);
    for (const std::string& problem : structure.RunOnLoadsOf(caseModel))
      if (!shared(problem))
        problems.push_back("Load case \"" + model.LoadCaseName(c) + "\": " + problem);
  }
  return problems;
}

std::optional<float> CheckedMemberLength(const ModelStore& model, int member) {
  if (member < 1 || member > model.MemberCount || member > model.MemberProps.Rows() ||
      model.MemberProps.Cols() < 2)
    return std::nullopt;
  const int begin = model.MemberProps(member, 1), end = model.MemberProps(member, 2);
  const auto known = [&](int joint) {
    return joint >= 1 && joint <= model.JointCount && joint <= model.JointCoords.Rows() &&
           model.JointCoords.Cols() >= model.CoordColumns;
  };
  if (!known(begin) || !known(end)) return std::nullopt;
  const float length = model_check::EngineMemberLength(model, begin, end);
  if (!(length > 0.0f) || std::isinf(length)) return std::nullopt;
  return length;
}

std::string InputDataErrorText(const std::vector<std::string>& problems, std::size_t maxShown) {
  std::string text = "The analysis cannot start until these input data are corrected:\n";
  const std::size_t shown = std::min(problems.size(), maxShown);
  for (std::size_t i = 0; i < shown; ++i) text += "\n" + problems[i];
  if (problems.size() > shown)
    text += "\n... and " + Str(static_cast<long>(problems.size() - shown)) + " more.";
  return text;
}

}  // namespace stavelorn
