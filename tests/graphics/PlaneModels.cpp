#include "graphics/PlaneModels.h"

namespace stavelorn::testing {

namespace {

// Grows a table by one row, keeping the rows it has.
template <typename T>
void AppendRow(Table<T>& table, int count, int cols, const std::vector<T>& row) {
  Table<T> grown(count + 1, cols);
  for (int r = 1; r <= count; ++r)
    for (int c = 1; c <= cols; ++c) grown(r, c) = table(r, c);
  for (int c = 1; c <= cols && c <= static_cast<int>(row.size()); ++c)
    grown(count + 1, c) = row[c - 1];
  table = grown;
}

template <typename T>
void AppendValue(Array<T>& array, int count, T value) {
  Array<T> grown(count + 1);
  for (int i = 1; i <= count; ++i) grown(i) = array(i);
  grown(count + 1) = value;
  array = grown;
}

}  // namespace

ModelStore JointsOnly(const char* type, std::initializer_list<std::vector<float>> joints) {
  ModelStore model;
  model.Reset();
  model.SetStructType(type);
  for (const std::vector<float>& joint : joints)
    AppendRow(model.JointCoords, model.JointCount++, model.CoordColumns, joint);
  return model;
}

void AddSupport(ModelStore& model, std::vector<std::int16_t> record) {
  AppendRow(model.Supports, model.SupportCount++, model.CoordsPerJoint + 1, record);
}

void AddMember(ModelStore& model, int begin, int end) {
  AppendRow(model.MemberProps, model.MemberCount, 4,
            {static_cast<std::int16_t>(begin), static_cast<std::int16_t>(end), 1, 1});
  AppendValue(model.RollAngles, model.MemberCount++, 0.0f);
}

void AddJointLoad(ModelStore& model, int joint, std::vector<float> components) {
  AppendValue(model.JointLoadJoints, model.JointLoadCount, static_cast<std::int16_t>(joint));
  AppendRow(model.JointLoadValues, model.JointLoadCount++, model.CoordsPerJoint, components);
}

void AddMemberLoad(ModelStore& model, int member, int type, std::vector<float> values) {
  AppendRow(model.MemberLoadInfo, model.MemberLoadCount, 2,
            {static_cast<std::int16_t>(member), static_cast<std::int16_t>(type)});
  AppendRow(model.MemberLoadValues, model.MemberLoadCount++, 4, values);
}

std::vector<Stroke> StrokesOf(const RecordingCanvas& canvas, Stroke::Kind shape, int colour) {
  std::vector<Stroke> found;
  for (const Stroke& s : canvas.Strokes())
    if (s.Shape == shape && s.Colour == colour) found.push_back(s);
  return found;
}

}  // namespace stavelorn::testing
