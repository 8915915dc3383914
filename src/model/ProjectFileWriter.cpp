// Writing the project file: the model as text, then an atomic replacement of the target.
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <variant>
#include <vector>

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

#include "model/NumberText.h"
#include "model/ProjectFile.h"
#include "model/ProjectSections.h"
#include "model/StructType.h"
#include "model/Variations.h"

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
  // Ends the line of a record; a record without fields (a marker) has none.
  void EndRecord() {
    if (first_) return;
    text_ += "\r\n";
    first_ = true;
  }

  // Opens a section after checking that each place of its records holds at least `count` rows
  // and the columns its fields need; the records read nothing beyond that.
  bool Section(const SectionRow& row, int count, const ModelStore& m) {
    place_ = std::string("section \"") + row.Label + "\"";
    for (const FieldGroup& group : row.Fields) {
      const int have = ShapeHeld(group.Place, m).Rows;
      if (group.Width(m) > 0 && have < count)
        Fail(kErrSubscript, "Subscript out of range: a table of " + place_ + " holds " +
                                std::to_string(have) + " rows for a count of " +
                                std::to_string(count));
    }
    for (const FieldGroup& group : row.Fields) {
      const int have = ShapeHeld(group.Place, m).Columns, need = group.Width(m);
      if (have < need)
        Fail(kErrSubscript, "Subscript out of range: a table of " + place_ + " has " +
                                std::to_string(have) + " columns, " + std::to_string(need) +
                                " needed");
    }
    if (failed()) return false;
    String(row.Label);
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

// The values of one record at a place, as the place's value type is written.
class RecordFields {
 public:
  RecordFields(const ModelStore& m, RecordWriter& out, int record)
      : m_(m), out_(out), record_(record) {}

  template <typename T>
  void operator()(Table<T> ModelStore::*table, int columns) const {
    for (int c = 1; c <= columns; ++c) Write((m_.*table)(record_, c));
  }
  template <typename T>
  void operator()(Array<T> ModelStore::*array, int columns) const {
    if (columns > 0) Write((m_.*array)(record_));
  }
  void operator()(UnitNamesPlace, int columns) const {
    for (int c = 1; c <= columns; ++c) out_.String(UnitNameOf(m_.Units, c));
  }

 private:
  void Write(std::int16_t value) const { out_.Integer(value); }
  void Write(float value) const { out_.Single(value); }

  const ModelStore& m_;
  RecordWriter& out_;
  int record_;
};

void WriteSection(const ModelStore& m, const SectionRow& row, RecordWriter& out) {
  const int count = RecordCount(row, m);
  if (count == 0 || (row.DroppedForTrusses && IsTruss(m.StructType)) || !out.Section(row, count, m))
    return;
  for (int record = 1; record <= count; ++record, out.EndRecord())
    for (const FieldGroup& group : row.Fields) {
      const int width = group.Width(m);
      std::visit([&](auto place) { RecordFields(m, out, record)(place, width); }, group.Place);
    }
}

void WriteHeader(RecordWriter& out, const char* label, int count) {
  out.String(label);
  out.Integer(count);
  out.EndRecord();
}

// The load sections of every case, each case after its "Load Case" line, the case names before
// them and the combinations after them.
void WriteLoadCases(const ModelStore& m, RecordWriter& out) {
  const int cases = m.LoadCaseCount();
  if (!m.LoadCases.empty()) {
    WriteHeader(out, kLoadCasesLabel, cases);
    for (const LoadCase& loadCase : m.LoadCases) out.String(loadCase.Name), out.EndRecord();
  }
  // The type and the loads of one case, as the sections' records read them.
  ModelStore caseView;
  caseView.SetStructType(m.StructType);
  for (int c = 1; c <= cases; ++c) {
    if (cases > 1) WriteHeader(out, kLoadCaseLabel, c);
    static_cast<LoadSet&>(caseView) = m.LoadsOfCase(c);
    for (const SectionRow& row : ProjectSections())
      if (row.PerLoadCase) WriteSection(caseView, row, out);
  }
  if (m.Combinations.empty()) return;
  WriteHeader(out, kLoadCombinationsLabel, static_cast<int>(m.Combinations.size()));
  for (const LoadCombination& combination : m.Combinations) {
    if (static_cast<int>(combination.Factors.size()) != cases)
      out.Fail(kErrSubscript, "Subscript out of range: the load combination " + combination.Name +
                                  " holds " + std::to_string(combination.Factors.size()) +
                                  " factors for " + std::to_string(cases) + " load cases");
    if (out.failed()) return;
    out.String(combination.Name);
    for (float factor : combination.Factors) out.Single(factor);
    out.EndRecord();
  }
}

// The variations that still name a value of the model: one whose record has been deleted since
// (or whose field no longer holds a number) varies nothing, and written as it is it would make
// the file unreadable.
std::vector<Variation> SoundVariations(const ModelStore& m) {
  ModelStore trial = m;
  std::vector<Variation> sound;
  trial.Variations.clear();
  for (const Variation& variation : m.Variations) {
    trial.Variations.push_back(variation);
    if (VariationProblem(trial, trial.Variations.size() - 1))
      trial.Variations.pop_back();
    else
      sound.push_back(variation);
  }
  return sound;
}

// A template's variations; a load section's record names its case where the project has cases.
void WriteVariations(const ModelStore& m, RecordWriter& out) {
  if (m.Variations.empty()) return;
  const std::vector<Variation> sound = SoundVariations(m);
  if (sound.empty()) return;
  WriteHeader(out, kVariationsLabel, static_cast<int>(sound.size()));
  for (const Variation& variation : sound) {
    out.String(variation.Section);
    out.Integer(variation.Record);
    out.Integer(variation.Field);
    out.Single(variation.Low);
    out.Single(variation.High);
    out.Single(variation.Step);
    if (m.HasLoadCases() && VariesLoadSection(variation)) out.Integer(variation.Case);
    out.EndRecord();
  }
}

void WriteSections(const ModelStore& m, RecordWriter& out) {
  const bool cases = m.HasLoadCases();
  bool loadCasesWritten = false;
  for (const SectionRow& row : ProjectSections()) {
    // The one section without a count, "Units", comes last, after the variations.
    if (!row.Count) WriteVariations(m, out);
    if (!cases || !row.PerLoadCase) {
      WriteSection(m, row, out);
    } else if (!loadCasesWritten) {
      WriteLoadCases(m, out);
      loadCasesWritten = true;
    }
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
