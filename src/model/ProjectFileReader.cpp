// Reading the project file, section by section (the fields themselves: ProjectFieldReader.h).
#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <system_error>
#include <utility>
#include <variant>
#include <vector>

#include "model/NumberText.h"
#include "model/ProjectFieldReader.h"
#include "model/ProjectFile.h"
#include "model/ProjectSections.h"
#include "model/Variations.h"

namespace stavelorn {

namespace {

class ProjectReader : SectionValueReader {
 public:
  ProjectReader(ModelStore& model, const std::string& text, std::vector<std::string>* skipped)
      : SectionValueReader(text), model_(model), skipped_(skipped) {}

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
    RunResult error;
    while (!error && !fields_.AtEnd()) error = ReadSection();
    // The load tables hold case 1 whenever a project is handed on, read whole or in part.
    model_.SelectLoadCase(1);
    return error;
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

    if (section_ == kVariationsLabel) return ReadVariations(count, label.line);
    const SectionRow* row = FindSection(section_);
    if (variationsRead_ && (!row || row->Count) && IsKnownLabel(row))
      return OutOfPlace(label.line, "stands after section \"" + std::string(kVariationsLabel) +
                                        "\"; only \"Units\" follows it");
    if (section_ == kLoadCasesLabel) return ReadCaseNames(count, label.line);
    if (section_ == kLoadCaseLabel) return EnterCase(count, label.line);
    if (section_ == kLoadCombinationsLabel) return ReadCombinations(count, label.line);
    // Any other label is passed over with its count, and said so; reading goes on with the next
    // two fields.
    if (!row) {
      if (skipped_)
        skipped_->push_back("Line " + std::to_string(label.line) + ": the section label " +
                            Shown(section_) + " is not one this program knows; it was skipped.");
      return std::nullopt;
    }
    if (RunResult e = CheckLoadSectionPlace(*row, label.line)) return e;
    if (!row->Count) unitsRead_ = true;
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
    return CheckRecords(*row);
  }

  // A section whose records must agree with the sections before it leaves the model again when
  // one does not.
  RunResult CheckRecords(const SectionRow& row) {
    if (!row.RecordFault) return std::nullopt;
    for (record_ = 1; record_ <= model_.*row.Count; ++record_)
      if (std::optional<RecordProblem> problem = row.RecordFault(model_, record_)) {
        model_.*row.Count = 0;
        return RecordFaultError(*problem);
      }
    return std::nullopt;
  }

  // The fault of record record_, read on the line recordLines_ kept for it.
  RunError RecordFaultError(const RecordProblem& problem) const {
    const int line = recordLines_[static_cast<std::size_t>(record_ - 1)];
    return RunError{kErrInvalidCall,
                    "Invalid procedure call: " + Place("field " + std::to_string(problem.Field)) +
                        " on line " + std::to_string(line) + ": " + problem.Text};
  }

  bool IsKnownLabel(const SectionRow* row) const {
    return row || section_ == kLoadCasesLabel || section_ == kLoadCaseLabel ||
           section_ == kLoadCombinationsLabel;
  }

  // The variations of a template, after every section whose values they name.
  RunResult ReadVariations(int count, int line) {
    if (variationsRead_) return OutOfPlace(line, "is the second; a project has one at most");
    if (unitsRead_) return OutOfPlace(line, "stands after section \"Units\"; it comes before it");
    variationsRead_ = true;
    std::vector<Variation> variations(static_cast<std::size_t>(count));
    recordLines_.clear();
    for (record_ = 1; record_ <= count; ++record_)
      if (RunResult e = ReadVariation(variations[static_cast<std::size_t>(record_ - 1)])) return e;
    model_.Variations = std::move(variations);
    for (record_ = 1; record_ <= count; ++record_)
      if (auto problem = VariationProblem(model_, static_cast<std::size_t>(record_ - 1))) {
        model_.Variations.clear();
        return RecordFaultError(*problem);
      }
    return std::nullopt;
  }

  // "SECTION",record,field,low,high,step[,case]
  RunResult ReadVariation(Variation& variation) {
    Field section;
    const std::string first = "field " + std::to_string(kVariationSectionField);
    if (RunResult e = fields_.Next(section, Place(first))) return e;
    if (!section.quoted)
      return RunError{kErrTypeMismatch, "Type mismatch: " + Place(first) + " on line " +
                                            std::to_string(section.line) + " reads " +
                                            Shown(section.text) + ", not a quoted section label"};
    recordLines_.push_back(section.line);
    variation.Section = section.text;
    std::int16_t record = 0, field = 0, loadCase = 1;
    Field last;
    const auto what = [](int number) { return "field " + std::to_string(number); };
    if (RunResult e = ReadValue(record, what(kVariationRecordField))) return e;
    if (RunResult e = ReadValue(field, what(kVariationFieldField))) return e;
    if (RunResult e = ReadValue(variation.Low, what(kVariationLowField))) return e;
    if (RunResult e = ReadValue(variation.High, what(kVariationHighField))) return e;
    if (RunResult e = ReadValue(variation.Step, what(kVariationStepField), &last)) return e;
    if (!last.lastOnLine) {
      if (RunResult e = ReadValue(loadCase, what(kVariationCaseField), &last)) return e;
      if (!last.lastOnLine)
        return RunError{kErrSubscript, "Subscript out of range: record " + std::to_string(record_) +
                                           " of section \"" + section_ + "\" on line " +
                                           std::to_string(last.line) + " holds more than " +
                                           std::to_string(kVariationCaseField) + " fields"};
    }
    variation.Record = record;
    variation.Field = field;
    variation.Case = loadCase;
    return std::nullopt;
  }

  // "section "Load Case" on line 12", for the refusals of the load-case sections.
  std::string SectionOnLine(int line) const {
    return "section \"" + section_ + "\" on line " + std::to_string(line);
  }
  RunResult OutOfPlace(int line, const std::string& rule) const {
    return RunError{kErrTypeMismatch, "Type mismatch: " + SectionOnLine(line) + " " + rule};
  }

  // A load section belongs to the case the last "Load Case" line named, at most one of a kind.
  RunResult CheckLoadSectionPlace(const SectionRow& row, int line) {
    if (!row.PerLoadCase) return std::nullopt;
    if (combinationsRead_)
      return OutOfPlace(line, "stands after section \"" + std::string(kLoadCombinationsLabel) +
                                  "\"; every load section comes before it");
    const std::string key = std::to_string(model_.CurrentLoadCase) + ":" + row.Label;
    if (!loadSectionsRead_.insert(key).second)
      return OutOfPlace(line, "is the second of load case " +
                                  std::to_string(model_.CurrentLoadCase) +
                                  "; a load case holds at most one of each load section");
    return std::nullopt;
  }

  // A case or combination name: quoted, not empty, and none of the names before it.
  RunResult ReadName(const std::string& what) {
    Field name;
    if (RunResult e = fields_.Next(name, Place(what))) return e;
    if (!name.quoted || name.text.empty())
      return RunError{kErrTypeMismatch, "Type mismatch: " + Place(what) + " on line " +
                                            std::to_string(name.line) + " reads " +
                                            Shown(name.text) + ", not a quoted name"};
    for (const std::string& earlier : names_)
      if (earlier == name.text)
        return RunError{kErrTypeMismatch,
                        "Type mismatch: " + Place(what) + " on line " + std::to_string(name.line) +
                            " repeats the name " + Shown(name.text) +
                            "; load cases and combinations each need a name of their own"};
    names_.push_back(name.text);
    nameLine_ = name.line;
    nameEndedLine_ = name.lastOnLine;
    return std::nullopt;
  }

  RunResult ReadCaseNames(int count, int line) {
    if (!model_.LoadCases.empty())
      return OutOfPlace(line, "is the second; a project names its load cases once");
    if (!loadSectionsRead_.empty() || caseEntered_ || combinationsRead_)
      return OutOfPlace(line, "stands after a load section; it comes before the first one");
    if (count < 1)
      return RunError{kErrSubscript, "Subscript out of range: " + Place("the count") + " is " +
                                         std::to_string(count) + ", not 1 or more"};
    std::vector<LoadCase> cases(static_cast<std::size_t>(count));
    for (record_ = 1; record_ <= count; ++record_) {
      if (RunResult e = ReadName("the name")) return e;
      cases[static_cast<std::size_t>(record_ - 1)].Name = names_.back();
    }
    model_.LoadCases = std::move(cases);
    return std::nullopt;
  }

  RunResult EnterCase(int number, int line) {
    if (combinationsRead_)
      return OutOfPlace(line, "stands after section \"" + std::string(kLoadCombinationsLabel) +
                                  "\"; every load case comes before it");
    const int cases = model_.LoadCaseCount();
    if (number < 1 || number > cases)
      return RunError{kErrSubscript, "Subscript out of range: " + SectionOnLine(line) +
                                         " names load case " + std::to_string(number) +
                                         ", outside 1.." + std::to_string(cases)};
    model_.SelectLoadCase(number);
    caseEntered_ = true;
    return std::nullopt;
  }

  RunResult ReadCombinations(int count, int line) {
    if (combinationsRead_) return OutOfPlace(line, "is the second; a project has one at most");
    if (unitsRead_) return OutOfPlace(line, "stands after section \"Units\"; it comes before it");
    combinationsRead_ = true;
    const int cases = model_.LoadCaseCount();
    std::vector<LoadCombination> combinations(static_cast<std::size_t>(count));
    for (record_ = 1; record_ <= count; ++record_) {
      LoadCombination& combination = combinations[static_cast<std::size_t>(record_ - 1)];
      if (RunResult e = ReadName("field 1")) return e;
      combination.Name = names_.back();
      combination.Factors.resize(static_cast<std::size_t>(cases));
      int held = 0;
      bool lineEnded = nameEndedLine_;
      while (!lineEnded && held < cases) {
        Field factor;
        if (RunResult e = ReadValue(combination.Factors[static_cast<std::size_t>(held)],
                                    "field " + std::to_string(held + 2), &factor))
          return e;
        ++held;
        lineEnded = factor.lastOnLine;
      }
      if (held < cases) return WrongFactorCount(std::to_string(held), cases);
      if (!lineEnded) return WrongFactorCount("more than " + std::to_string(cases), cases);
    }
    model_.Combinations = std::move(combinations);
    return std::nullopt;
  }

  RunResult WrongFactorCount(const std::string& held, int cases) const {
    return RunError{kErrSubscript,
                    "Subscript out of range: record " + std::to_string(record_) + " of section \"" +
                        section_ + "\" on line " + std::to_string(nameLine_) + " holds " + held +
                        " factors; it needs one per load case, " + std::to_string(cases)};
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
    recordLines_.clear();
    for (record_ = 1; record_ <= count; ++record_) {
      int field = 0;
      for (const FieldGroup& group : row.Fields)
        for (int c = 1; c <= group.Width(model_); ++c) {
          const std::string what = "field " + std::to_string(++field);
          RunResult e = std::visit([&](auto place) { return ReadField(scratch, place, c, what); },
                                   group.Place);
          if (e) return e;
          if (field == 1) recordLines_.push_back(lastLine_);
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

  ModelStore& model_;
  std::vector<std::string>* skipped_;
  std::string previous_;
  std::vector<int> recordLines_;  // of each record of the section being read
  // Where the load-case sections stand, for the refusals of sections out of their place.
  std::set<std::string> loadSectionsRead_;  // "case:label"
  bool caseEntered_ = false;
  bool combinationsRead_ = false;
  bool unitsRead_ = false;
  bool variationsRead_ = false;
  std::vector<std::string> names_;  // of the cases and combinations read so far
  int nameLine_ = 0;
  bool nameEndedLine_ = false;
};

// No project file comes near this; a larger file is not one and would only exhaust memory.
constexpr std::uintmax_t kLargestProjectFile = 256u << 20;

}  // namespace

RunResult ReadProjectText(ModelStore& model, const std::string& text,
                          std::vector<std::string>* skipped) {
  RunResult error = ProjectReader(model, text, skipped).Read();
  if (error) error->InFile = true;
  return error;
}

RunResult ReadProjectFile(ModelStore& model, std::vector<std::string>* skipped) {
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
  return ReadProjectText(model, contents.str(), skipped);
}

}  // namespace stavelorn
