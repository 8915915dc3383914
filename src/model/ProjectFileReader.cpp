// Reading the project file. Fields are read one after another as the format's writer made them:
// a field ends at a comma or a line end, blanks around an unquoted field do not count, a quoted
// field may hold commas and doubled quotes. Line breaks between fields carry no meaning.
#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <utility>
#include <variant>

#include "model/NumberText.h"
#include "model/ProjectFile.h"
#include "model/ProjectSections.h"

namespace stavelorn {

namespace {

struct Field {
  std::string text;
  bool quoted = false;
  int line = 0;
};

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsLineEnd(char c) {
  return c == '\r' || c == '\n';
}

// Splits the text into fields and keeps count of lines for the messages.
class FieldReader {
 public:
  explicit FieldReader(const std::string& text) : text_(text) {}

  // Skips blanks and line breaks; true when nothing but them is left.
  bool AtEnd() {
    for (; pos_ < text_.size() && (IsBlank(text_[pos_]) || IsLineEnd(text_[pos_])); ++pos_)
      CountLine(pos_);
    return pos_ >= text_.size();
  }

  // Reads the next field; `where` names what was expected, for the error message.
  RunResult Next(Field& field, const std::string& where) {
    if (AtEnd())
      return RunError{kErrPastEndOfFile, "Input past end of file: the file ends before " + where};
    field = Field{};
    field.line = line_;
    if (text_[pos_] == '"') {
      field.quoted = true;
      for (++pos_;; ++pos_) {
        if (pos_ >= text_.size())
          return RunError{kErrPastEndOfFile,
                          "Input past end of file: the quoted text that opens on line " +
                              std::to_string(field.line) + " (" + where + ") is never closed"};
        CountLine(pos_);
        if (text_[pos_] != '"') {
          field.text += text_[pos_];
        } else if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '"') {
          field.text += '"';  // a doubled quote stands for one
          ++pos_;
        } else {
          ++pos_;
          break;
        }
      }
      while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
      if (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_]))
        return RunError{kErrTypeMismatch,
                        "Type mismatch: unexpected text after the quoted field on line " +
                            std::to_string(line_) + " (" + where + ")"};
    } else {
      std::size_t start = pos_;
      while (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) ++pos_;
      std::size_t end = pos_;
      while (end > start && IsBlank(text_[end - 1])) --end;
      field.text = text_.substr(start, end - start);
    }
    if (pos_ < text_.size() && text_[pos_] == ',') ++pos_;
    return std::nullopt;
  }

 private:
  void CountLine(std::size_t at) {
    // CR LF, a lone LF and a lone CR each end one line.
    if (text_[at] == '\n' ||
        (text_[at] == '\r' && (at + 1 >= text_.size() || text_[at + 1] != '\n')))
      ++line_;
  }

  const std::string& text_;
  std::size_t pos_ = 0;
  int line_ = 1;
};

// What quoting a field for a message looks like: short, and free of control characters.
std::string Shown(const std::string& text) {
  std::string shown;
  for (char c : text.substr(0, 40)) shown += (static_cast<unsigned char>(c) < 32) ? '?' : c;
  return "\"" + shown + (text.size() > 40 ? "...\"" : "\"");
}

class ProjectReader {
 public:
  ProjectReader(ModelStore& model, const std::string& text) : model_(model), fields_(text) {}

  RunResult Read() {
    Field field;
    if (RunResult e = fields_.Next(field, "the title")) return e;
    model_.ProjectTitle = field.text;
    if (RunResult e = fields_.Next(field, "the structure type")) return e;
    if (!model_.SetStructType(field.text))
      return RunError{kErrTypeMismatch,
                      "Type mismatch: the structure type " + Shown(field.text) + " on line " +
                          std::to_string(field.line) +
                          " is none of Beam, PTruss, PFrame, STruss, Grid, SFrame"};
    while (!fields_.AtEnd())
      if (RunResult e = ReadSection()) return e;
    return std::nullopt;
  }

 private:
  RunResult ReadSection() {
    Field label;
    std::string after = previous_.empty() ? "the type record" : "section \"" + previous_ + "\"";
    if (RunResult e = fields_.Next(label, "a section label")) return e;
    if (!label.quoted)
      return RunError{kErrTypeMismatch,
                      "Type mismatch: a quoted section label was expected on line " +
                          std::to_string(label.line) + " after " + after + ", but it reads " +
                          Shown(label.text) + " (does a count disagree with its records?)"};
    section_ = label.text;
    std::int16_t count = 0;
    if (RunResult e = ReadCount(count)) return e;
    previous_ = section_;

    const SectionRow* row = FindSection(section_);
    // Any other label is passed over with its count; reading goes on with the next two fields.
    if (!row) return std::nullopt;
    // A section without a count field holds exactly one record.
    if (!row->Count && count != 1)
      return RunError{kErrSubscript, "Subscript out of range: " + Place("the count") + " is " +
                                         std::to_string(count) + ", not 1"};
    // The records go to a scratch model first, so that the section enters the model whole.
    ModelStore scratch;
    if (RunResult e = ReadRecords(*row, count, scratch)) return e;
    for (const FieldGroup& group : row->Fields)
      if (group.Width(model_) > 0)
        std::visit([&](auto place) { Commit(scratch, place); }, group.Place);
    if (row->Count) model_.*row->Count = count;
    return std::nullopt;
  }

  template <typename Member>
  void Commit(ModelStore& scratch, Member member) {
    model_.*member = std::move(scratch.*member);
  }
  void Commit(ModelStore& scratch, UnitNamesPlace) {
    model_.Units = scratch.Units;
    model_.Units.Named = true;
  }

  RunResult ReadCount(std::int16_t& count) {
    record_ = 0;
    if (RunResult e = ReadValue(count, "the count")) return e;
    if (count < 0)
      return RunError{kErrSubscript, "Subscript out of range: " + Place("the count") + " is " +
                                         std::to_string(count)};
    return std::nullopt;
  }

  // Reads `count` records of the row's shape into the scratch model, fields numbered from 1
  // across the groups of a record.
  RunResult ReadRecords(const SectionRow& row, int count, ModelStore& scratch) {
    for (const FieldGroup& group : row.Fields)
      std::visit([&](auto place) { Size(scratch, place, count, group.Width(model_)); },
                 group.Place);
    for (record_ = 1; record_ <= count; ++record_) {
      int field = 0;
      for (const FieldGroup& group : row.Fields)
        for (int c = 1; c <= group.Width(model_); ++c) {
          const std::string what = "field " + std::to_string(++field);
          RunResult e = std::visit([&](auto place) { return ReadField(scratch, place, c, what); },
                                   group.Place);
          if (e) return e;
        }
    }
    return std::nullopt;
  }

  template <typename T>
  static void Size(ModelStore& scratch, Table<T> ModelStore::*table, int rows, int columns) {
    (scratch.*table).Redim(rows, columns);
  }
  template <typename T>
  static void Size(ModelStore& scratch, Array<T> ModelStore::*array, int rows, int) {
    (scratch.*array).Redim(rows);
  }
  static void Size(ModelStore&, UnitNamesPlace, int, int) {}

  template <typename T>
  RunResult ReadField(ModelStore& scratch, Table<T> ModelStore::*table, int column,
                      const std::string& what) {
    return ReadValue((scratch.*table)(record_, column), what);
  }
  template <typename T>
  RunResult ReadField(ModelStore& scratch, Array<T> ModelStore::*array, int,
                      const std::string& what) {
    return ReadValue((scratch.*array)(record_), what);
  }
  RunResult ReadField(ModelStore& scratch, UnitNamesPlace, int column, const std::string& what) {
    Field field;
    if (RunResult e = fields_.Next(field, Place(what))) return e;
    if (!SetUnitNamed(scratch.Units, column, field.text))
      return RunError{kErrTypeMismatch,
                      "Type mismatch: " + Place(what) + " on line " + std::to_string(field.line) +
                          " reads " + Shown(field.text) + ", none of " + AcceptedUnitNames(column)};
    return std::nullopt;
  }

  RunResult ReadValue(std::int16_t& value, const std::string& what) {
    Field field;
    if (RunResult e = fields_.Next(field, Place(what))) return e;
    bool overflow = false;
    std::optional<std::int16_t> parsed =
        field.quoted ? std::nullopt : ParseInt16(field.text, overflow);
    if (overflow)
      return RunError{kErrOverflow, "Overflow: " + Place(what) + " on line " +
                                        std::to_string(field.line) + " reads " + Shown(field.text) +
                                        ", outside -32768..32767"};
    if (!parsed)
      return RunError{kErrTypeMismatch, "Type mismatch: " + Place(what) + " on line " +
                                            std::to_string(field.line) + " reads " +
                                            Shown(field.text) + ", not a whole number"};
    value = *parsed;
    return std::nullopt;
  }

  RunResult ReadValue(float& value, const std::string& what) {
    Field field;
    if (RunResult e = fields_.Next(field, Place(what))) return e;
    std::optional<float> parsed = field.quoted ? std::nullopt : ParseSingle(field.text);
    if (!parsed)
      return RunError{kErrTypeMismatch, "Type mismatch: " + Place(what) + " on line " +
                                            std::to_string(field.line) + " reads " +
                                            Shown(field.text) + ", not a number"};
    const std::string limit = StoredRangeProblem(field.text);
    if (!limit.empty())
      return RunError{kErrOverflow, "Overflow: " + Place(what) + " on line " +
                                        std::to_string(field.line) + ": " + limit};
    value = *parsed;
    return std::nullopt;
  }

  // "field 2 of record 3 of section "Joints"", for the messages.
  std::string Place(const std::string& what) const {
    std::string section = "section \"" + section_ + "\"";
    return record_ > 0 ? what + " of record " + std::to_string(record_) + " of " + section
                       : what + " of " + section;
  }

  ModelStore& model_;
  FieldReader fields_;
  std::string section_;
  std::string previous_;
  int record_ = 0;
};

// No project file comes near this; a larger file is not one and would only exhaust memory.
constexpr std::uintmax_t kLargestProjectFile = 256u << 20;

}  // namespace

RunResult ReadProjectText(ModelStore& model, const std::string& text) {
  RunResult error = ProjectReader(model, text).Read();
  if (error) error->InFile = true;
  return error;
}

RunResult ReadProjectFile(ModelStore& model) {
  const std::string& path = model.ProjectFile;
  std::error_code ec;
  if (!std::filesystem::exists(path, ec))
    return RunError{kErrFileNotFound, "File not found: \"" + path + "\""};
  if (std::filesystem::is_directory(path, ec))
    return RunError{kErrFileAccess, "\"" + path + "\" is a folder"};
  std::uintmax_t size = std::filesystem::file_size(path, ec);
  if (!ec && size > kLargestProjectFile)
    return RunError{kErrFileAccess, "\"" + path + "\" holds " + std::to_string(size >> 20) +
                                        " MB, far more than any project file"};
  std::ifstream in(path, std::ios::binary);
  if (!in)
    return RunError{kErrFileAccess, "cannot open \"" + path + "\" (" + std::strerror(errno) + ")"};
  std::ostringstream contents;
  contents << in.rdbuf();
  if (in.bad()) return RunError{kErrFileAccess, "cannot read \"" + path + "\""};
  return ReadProjectText(model, contents.str());
}

}  // namespace stavelorn
