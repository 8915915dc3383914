// Writing the project file: the model as text, then an atomic replacement of the target.
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <initializer_list>
#include <random>
#include <utility>

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

#include "model/NumberText.h"
#include "model/ProjectFile.h"
#include "model/StructType.h"

namespace stavelorn {

namespace {

// Builds the text record by record; the first problem met is kept and stops further writing.
class RecordWriter {
 public:
  explicit RecordWriter(std::string& text) : text_(text) {}

  void String(const std::string& value) {
    std::string quoted = "\"";
    for (char c : value) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    Field(quoted + "\"");
  }
  void Integer(int value) { Field(std::to_string(value)); }
  void Single(float value) {
    if (!std::isfinite(value)) {
      Fail(kErrOverflow, "Overflow: a value of " + place_ + " is not a finite number");
      return;
    }
    Field(FormatShortest(value));
  }
  void EndRecord() {
    text_ += "\r\n";
    first_ = true;
  }

  // Opens a section after checking that its tables hold at least `count` rows and the columns
  // the type requires ({have, need} pairs); the records read nothing beyond that.
  bool Section(const char* label, int count, std::initializer_list<int> rows,
               std::initializer_list<std::pair<int, int>> columns = {}) {
    place_ = std::string("section \"") + label + "\"";
    for (int have : rows)
      if (have < count)
        Fail(kErrSubscript, "Subscript out of range: a table of " + place_ + " holds " +
                                std::to_string(have) + " rows for a count of " +
                                std::to_string(count));
    for (auto [have, need] : columns)
      if (have < need)
        Fail(kErrSubscript, "Subscript out of range: a table of " + place_ + " has " +
                                std::to_string(have) + " columns, " + std::to_string(need) +
                                " needed");
    if (failed()) return false;
    String(label);
    Integer(count);
    EndRecord();
    return true;
  }

  bool failed() const { return error_.has_value(); }
  RunResult error() const { return error_; }

  void Fail(int number, const std::string& description) {
    if (!error_) error_ = RunError{number, description};
  }

 private:
  void Field(const std::string& text) {
    if (!first_) text_ += ',';
    text_ += text;
    first_ = false;
  }

  std::string& text_;
  bool first_ = true;
  std::string place_;
  RunResult error_;
};

void WriteSections(const ModelStore& m, RecordWriter& out) {
  const int dof = m.CoordsPerJoint;
  if (m.JointCount > 0 && out.Section("Joints", m.JointCount, {m.JointCoords.Rows()},
                                      {{m.JointCoords.Cols(), m.CoordColumns}}))
    for (int j = 1; j <= m.JointCount; ++j, out.EndRecord())
      for (int c = 1; c <= m.CoordColumns; ++c) out.Single(m.JointCoords(j, c));

  if (m.SupportCount > 0 &&
      out.Section("Supports", m.SupportCount, {m.Supports.Rows()}, {{m.Supports.Cols(), dof + 1}}))
    for (int s = 1; s <= m.SupportCount; ++s, out.EndRecord())
      for (int c = 1; c <= dof + 1; ++c) out.Integer(m.Supports(s, c));

  const int materialColumns = m.MaterialColumns();
  if (m.MaterialCount > 0 && out.Section("Materials", m.MaterialCount, {m.Materials.Rows()},
                                         {{m.Materials.Cols(), materialColumns}}))
    for (int i = 1; i <= m.MaterialCount; ++i, out.EndRecord())
      for (int c = 1; c <= materialColumns; ++c) out.Single(m.Materials(i, c));

  if (m.SectionCount > 0 && out.Section("Cross-Sections", m.SectionCount, {m.Sections.Rows()},
                                        {{m.Sections.Cols(), m.SectionColumns}}))
    for (int i = 1; i <= m.SectionCount; ++i, out.EndRecord())
      for (int c = 1; c <= m.SectionColumns; ++c) out.Single(m.Sections(i, c));

  // Only a space frame's members carry an angle of roll.
  const bool spaceFrame = m.Type() && m.Type()->RollAngles;
  if (m.MemberCount > 0 &&
      out.Section("Members", m.MemberCount,
                  {m.MemberProps.Rows(), spaceFrame ? m.RollAngles.Size() : m.MemberCount},
                  {{m.MemberProps.Cols(), 4}}))
    for (int i = 1; i <= m.MemberCount; ++i, out.EndRecord()) {
      for (int c = 1; c <= 4; ++c) out.Integer(m.MemberProps(i, c));
      if (spaceFrame) out.Single(m.RollAngles(i));
    }

  // A truss has pinned joints everywhere, so releases mean nothing to it and are not kept.
  if (m.ReleaseCount > 0 && !IsTruss(m.StructType) &&
      out.Section("Member Releases", m.ReleaseCount, {m.Releases.Rows()}, {{m.Releases.Cols(), 2}}))
    for (int i = 1; i <= m.ReleaseCount; ++i, out.EndRecord())
      for (int c = 1; c <= 2; ++c) out.Integer(m.Releases(i, c));

  if (m.JointLoadCount > 0 && out.Section("Joint Loads", m.JointLoadCount,
                                          {m.JointLoadJoints.Size(), m.JointLoadValues.Rows()},
                                          {{m.JointLoadValues.Cols(), dof}}))
    for (int i = 1; i <= m.JointLoadCount; ++i, out.EndRecord()) {
      out.Integer(m.JointLoadJoints(i));
      for (int c = 1; c <= dof; ++c) out.Single(m.JointLoadValues(i, c));
    }

  if (m.MemberLoadCount > 0 &&
      out.Section("Member Loads", m.MemberLoadCount,
                  {m.MemberLoadInfo.Rows(), m.MemberLoadValues.Rows()},
                  {{m.MemberLoadInfo.Cols(), 2}, {m.MemberLoadValues.Cols(), 4}}))
    for (int i = 1; i <= m.MemberLoadCount; ++i, out.EndRecord()) {
      out.Integer(m.MemberLoadInfo(i, 1));
      out.Integer(m.MemberLoadInfo(i, 2));
      for (int c = 1; c <= 4; ++c) out.Single(m.MemberLoadValues(i, c));
    }

  if (m.SettlementCount > 0 && out.Section("Support Displacements", m.SettlementCount,
                                           {m.SettlementJoints.Size(), m.SettlementValues.Rows()},
                                           {{m.SettlementValues.Cols(), dof}}))
    for (int i = 1; i <= m.SettlementCount; ++i, out.EndRecord()) {
      out.Integer(m.SettlementJoints(i));
      for (int c = 1; c <= dof; ++c) out.Single(m.SettlementValues(i, c));
    }

  if (m.TempChangeCount > 0 && out.Section("Temperature Changes", m.TempChangeCount,
                                           {m.TempChangeMembers.Size(), m.TempChangeValues.Size()}))
    for (int i = 1; i <= m.TempChangeCount; ++i, out.EndRecord()) {
      out.Integer(m.TempChangeMembers(i));
      out.Single(m.TempChangeValues(i));
    }

  if (m.FabErrorCount > 0 && out.Section("Fabrication Errors", m.FabErrorCount,
                                         {m.FabErrorMembers.Size(), m.FabErrorValues.Size()}))
    for (int i = 1; i <= m.FabErrorCount; ++i, out.EndRecord()) {
      out.Integer(m.FabErrorMembers(i));
      out.Single(m.FabErrorValues(i));
    }

  // Last, so that a file of a project without named units stays as it always was.
  if (m.Units.Named && out.Section("Units", 1, {1})) {
    out.String(InfoOf(m.Units.Force).Name);
    out.String(InfoOf(m.Units.Length).Name);
    out.String(InfoOf(m.Units.Temperature).Name);
    out.EndRecord();
  }
}

RunError AccessError(const std::string& what, const std::string& path, int err) {
  return RunError{kErrFileAccess,
                  "cannot " + what + " \"" + path + "\" (" + std::strerror(err) + ")"};
}

// Writes `text` to a fresh file beside `target` and flushes it to disk; returns its path. A
// failure names the target: the temporary file is the writer's affair, not the user's.
RunResult WriteTemporary(const std::string& target, const std::string& text, std::string& tmpPath) {
  std::random_device seed;
  std::mt19937 random(seed());
  std::FILE* file = nullptr;
  for (int attempt = 0; attempt < 20 && !file; ++attempt) {
    tmpPath = target + ".saving-" + std::to_string(random() % 1000000);
    file = std::fopen(tmpPath.c_str(), "wbx");  // x: never reuse an existing file
    if (!file && errno != EEXIST) return AccessError("create", target, errno);
  }
  if (!file) return AccessError("create", target, EEXIST);
  bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  ok = std::fflush(file) == 0 && ok;
#if defined(__unix__) || defined(__APPLE__)
  ok = ::fsync(fileno(file)) == 0 && ok;
#endif
  int err = errno;
  ok = std::fclose(file) == 0 && ok;
  if (!ok) {
    std::remove(tmpPath.c_str());
    return AccessError("write", target, err ? err : EIO);
  }
  return std::nullopt;
}

}  // namespace

RunResult ProjectFileText(const ModelStore& model, std::string& text) {
  text.clear();
  RecordWriter out(text);
  out.String(model.ProjectTitle);
  out.EndRecord();
  out.String(model.StructType);
  out.EndRecord();
  WriteSections(model, out);
  return out.error();
}

RunResult WriteProjectFile(const ModelStore& model) {
  std::string text;
  if (RunResult error = ProjectFileText(model, text)) return error;
  return WriteFileAtomically(model.ProjectFile, text);
}

RunResult WriteFileAtomically(const std::string& path, const std::string& text) {
  std::string tmpPath;
  if (RunResult error = WriteTemporary(path, text, tmpPath)) return error;
  std::error_code ec;
  std::filesystem::rename(tmpPath, path, ec);
  if (ec) {
    std::remove(tmpPath.c_str());
    return AccessError("replace", path, ec.value());
  }
  return std::nullopt;
}

}  // namespace stavelorn
