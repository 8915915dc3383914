#include "reports/Gradebook.h"

#include <cmath>
#include <memory>

#include "analysis/AnalysisRun.h"
#include "model/ProjectFile.h"

namespace stavelorn {

namespace {

using Kind = JsonValue::Kind;
using KeyItems = std::map<std::string, std::vector<AskedQuantity>>;

// One item of a variant's "answers": its quantity and member, or what is wrong with it.
std::optional<std::string> ReadKeyItem(const JsonValue& item, AskedQuantity& asked) {
  const JsonValue* name = item.kind == Kind::Object ? item.Find("quantity") : nullptr;
  const AnswerQuantityInfo* info =
      name && name->kind == Kind::String ? FindAnswerQuantity(name->text) : nullptr;
  if (!info) return std::string("names no known \"quantity\"");
  asked.Quantity = info->Quantity;
  if (!info->PerMember) return std::nullopt;
  const JsonValue* member = item.Find("member");
  const double m = member && member->kind == Kind::Number ? member->Number() : 0;
  if (m < 1 || m != std::floor(m) || m > 1e6) return std::string("has no \"member\" number");
  asked.Member = static_cast<int>(m);
  return std::nullopt;
}

// The key of a project: its analysis's answers, or why there are none.
struct ProjectKey {
  std::unique_ptr<AnswerKey> Key;
  std::string Fault;
};

ProjectKey KeyOfProject(const std::string& name, const std::string& text) {
  ModelStore model;
  model.Reset();
  if (RunResult error = ReadProjectText(model, text))
    return {nullptr, "the project \"" + name + "\" cannot be read: " + error->Description};
  const AnalysisRun run = CheckAndAnalyze(model);
  if (run.Rejected) {
    std::string reason = run.RejectionText;
    for (char& c : reason)
      if (c == '\n') c = ' ';
    return {nullptr, "the project \"" + name + "\" is rejected: " + reason};
  }
  return {std::make_unique<AnswerKey>(KeyOfAnalysis(model, run)), ""};
}

// The grade of one file; `keyOf` gives a project's key, analysed once for the class.
template <typename KeyOf>
StudentGrade Grade(const StudentFile& file, const VariantsFolder& folder,
                   const std::optional<KeyItems>& keyItems,
                   const std::optional<std::vector<AskedQuantity>>& only, KeyOf keyOf) {
  StudentGrade grade{file.Student, "", std::nullopt, file.ReadFault};
  if (!grade.Fault.empty()) return grade;
  JsonValue document;
  if (auto fault = ParseAnswersDocument(file.Text, document)) return grade.Fault = *fault, grade;
  const JsonValue* project = document.Find("project");
  if (!project || project->kind != Kind::String) return grade.Fault = "names no \"project\"", grade;
  grade.Project = project->text;
  const auto text = folder.Projects.find(grade.Project);
  if (text == folder.Projects.end())
    return grade.Fault = "no project \"" + grade.Project + "\" in the variants folder", grade;
  const ProjectKey& key = keyOf(text->first, text->second);
  if (!key.Key) return grade.Fault = key.Fault, grade;
  const AnswerSheet sheet = ReadAnswerItems(document, *key.Key);
  if (only) return grade.Judged = JudgeAsked(*key.Key, sheet, *only), grade;
  if (!keyItems) return grade.Judged = JudgeGiven(*key.Key, sheet), grade;
  const auto asked = keyItems->find(grade.Project);
  if (asked == keyItems->end())
    return grade.Fault = "key.json has no variant \"" + grade.Project + "\"", grade;
  grade.Judged = JudgeAsked(*key.Key, sheet, asked->second);
  return grade;
}

}  // namespace

std::string StudentGrade::Reason() const {
  if (!Fault.empty() || !Judged) return Fault;
  std::string text;
  for (const std::string& skipped : Judged->Skipped) text += (text.empty() ? "" : "; ") + skipped;
  return text;
}

std::variant<KeyItems, std::string> ReadKeyFile(const std::string& text) {
  JsonValue document;
  try {
    document = ParseJson(text);
  } catch (const JsonError& error) {
    return std::string("key.json is not JSON: ") + error.what();
  }
  const JsonValue* variants = document.kind == Kind::Object ? document.Find("variants") : nullptr;
  if (!variants || variants->kind != Kind::Array)
    return std::string("key.json has no \"variants\" list");
  KeyItems items;
  for (std::size_t v = 0; v < variants->items.size(); ++v) {
    const JsonValue& variant = variants->items[v];
    const std::string where = "key.json: variant " + std::to_string(v + 1);
    const JsonValue* project = variant.kind == Kind::Object ? variant.Find("project") : nullptr;
    const JsonValue* answers = variant.kind == Kind::Object ? variant.Find("answers") : nullptr;
    if (!project || project->kind != Kind::String) return where + " names no \"project\"";
    if (!answers || answers->kind != Kind::Array) return where + " has no \"answers\" list";
    std::vector<AskedQuantity>& asked = items[project->text];
    for (std::size_t i = 0; i < answers->items.size(); ++i) {
      AskedQuantity quantity;
      if (auto fault = ReadKeyItem(answers->items[i], quantity))
        return where + " (" + project->text + "), answer " + std::to_string(i + 1) + " " + *fault;
      asked.push_back(quantity);
    }
  }
  return items;
}

std::variant<std::vector<StudentGrade>, std::string> GradeClass(
    const std::vector<StudentFile>& files, const VariantsFolder& folder,
    const std::optional<std::vector<AskedQuantity>>& only) {
  std::optional<KeyItems> keyItems;
  if (folder.KeyText) {
    auto read = ReadKeyFile(*folder.KeyText);
    if (const std::string* fault = std::get_if<std::string>(&read)) return *fault;
    keyItems = std::move(std::get<KeyItems>(read));
  }
  std::map<std::string, ProjectKey> keys;
  auto keyOf = [&keys](const std::string& name, const std::string& text) -> const ProjectKey& {
    auto at = keys.find(name);
    if (at == keys.end()) at = keys.emplace(name, KeyOfProject(name, text)).first;
    return at->second;
  };
  std::vector<StudentGrade> grades;
  for (const StudentFile& file : files)
    grades.push_back(Grade(file, folder, keyItems, only, keyOf));
  return grades;
}

}  // namespace stavelorn
