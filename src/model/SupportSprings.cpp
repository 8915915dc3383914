#include "model/SupportSprings.h"

#include <cctype>
#include <cmath>

#include "model/NumberText.h"
#include "model/StructType.h"

namespace stavelorn {

int SupportRecordOf(const ModelStore& model, int joint) {
  int found = 0;
  for (int s = 1; s <= model.SupportCount; ++s)
    if (model.Supports(s, 1) == joint) found = s;
  return found;
}

int SpringRecordAt(const ModelStore& model, int joint, int k) {
  for (int r = 1; r <= model.SpringCount; ++r)
    if (model.SpringCoords(r, 1) == joint && model.SpringCoords(r, 2) == k) return r;
  return 0;
}

std::optional<float> SpringAt(const ModelStore& model, int joint, int k) {
  const int record = SpringRecordAt(model, joint, k);
  if (record == 0) return std::nullopt;
  return model.SpringStiffness(record);
}

float SpringBaseSettlement(const ModelStore& model, int joint, int k) {
  float sum = 0.0f;
  for (int r = 1; r <= model.SettlementCount; ++r)
    if (model.SettlementJoints(r) == joint) sum += model.SettlementValues(r, k);
  return sum;
}

namespace {

std::optional<RecordProblem> NoSupportAt(const ModelStore& model, int joint) {
  if (SupportRecordOf(model, joint) > 0) return std::nullopt;
  return RecordProblem{1, "joint " + std::to_string(joint) + " has no support record"};
}

}  // namespace

std::optional<RecordProblem> SpringRecordProblem(const ModelStore& model, int record) {
  const int joint = model.SpringCoords(record, 1), k = model.SpringCoords(record, 2);
  if (std::optional<RecordProblem> problem = NoSupportAt(model, joint)) return problem;
  const StructTypeInfo* type = model.Type();
  if (!type || k < 1 || k > type->CoordsPerJoint)
    return RecordProblem{2, "coordinate " + std::to_string(k) + " is outside 1.." +
                                std::to_string(model.CoordsPerJoint)};
  const std::string where =
      std::string("the ") + CoordinateOf(*type, k).Check + " of joint " + std::to_string(joint);
  const int support = SupportRecordOf(model, joint);
  if (model.Supports(support, k + 1) != 1)
    return RecordProblem{2, where + " is not restrained by support record " +
                                std::to_string(support) +
                                "; a spring holds a restrained coordinate"};
  const int first = SpringRecordAt(model, joint, k);
  if (first != record)
    return RecordProblem{2, where + " already has spring record " + std::to_string(first)};
  const float stiffness = model.SpringStiffness(record);
  if (!(stiffness > 0.0f) || !std::isfinite(stiffness))
    return RecordProblem{3, "the stiffness " + FormatShortest(stiffness) +
                                " is not above zero; a spring needs a positive stiffness"};
  return std::nullopt;
}

std::optional<RecordProblem> SupportAngleProblem(const ModelStore& model, int record) {
  const StructTypeInfo* type = model.Type();
  if (!type || type->SupportTurnAxis == 0) {
    std::string name = type ? type->Name : "structure";
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return RecordProblem{2, "the supports of a " + name +
                                " cannot be turned; only plane trusses, plane frames and grids "
                                "take an angle"};
  }
  const int joint = model.SupportAngleJoints(record);
  if (std::optional<RecordProblem> problem = NoSupportAt(model, joint)) return problem;
  for (int r = 1; r < record; ++r)
    if (model.SupportAngleJoints(r) == joint)
      return RecordProblem{
          1, "joint " + std::to_string(joint) + " already has angle record " + std::to_string(r)};
  if (!std::isfinite(model.SupportAngleValues(record)))
    return RecordProblem{2, "the angle is not a finite number"};
  return std::nullopt;
}

}  // namespace stavelorn
