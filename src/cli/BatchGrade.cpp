#include "cli/BatchGrade.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "cli/BatchFileRefusals.h"
#include "cli/BatchOptionTable.h"
#include "model/ExitStatus.h"
#include "model/ProjectFile.h"
#include "reports/GradebookText.h"

namespace stavelorn {

namespace fs = std::filesystem;

namespace {

constexpr char kKeyFileName[] = "key.json";

void Refuse(std::ostream& err, const std::string& text) {
  err << kBatchProgramName << ": " << text << '\n';
}

std::string Quoted(const std::string& path) {
  return "\"" + path + "\"";
}

// Whether the file's name ends in `extension`, in any case.
bool HasExtension(const fs::path& path, const std::string& extension) {
  std::string name = path.filename().string();
  if (name.size() <= extension.size()) return false;
  name = name.substr(name.size() - extension.size());
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return name == extension;
}

// The files (not folders) of `folder` ending in `extension`, or why it cannot be read.
std::optional<std::string> FilesOf(const std::string& folder, const std::string& extension,
                                   std::vector<fs::path>& files) {
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) return Quoted(folder) + " is not a folder";
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    if (it->is_regular_file(typeError) && HasExtension(it->path(), extension))
      files.push_back(it->path());
  }
  if (ec) return "cannot read the folder " + Quoted(folder);
  return std::nullopt;
}

// The students' files, each read or with the reason it could not be.
std::optional<std::string> ReadAnswersFolder(const std::string& folder,
                                             std::vector<StudentFile>& students) {
  std::vector<fs::path> files;
  if (auto fault = FilesOf(folder, ".json", files)) return fault;
  for (const fs::path& file : files) {
    StudentFile student{file.stem().string(), "", ""};
    if (auto fault = ReadAnswersFile(file.string(), student.Text)) student.ReadFault = *fault;
    students.push_back(std::move(student));
  }
  std::sort(students.begin(), students.end(),
            [](const StudentFile& a, const StudentFile& b) { return a.Student < b.Student; });
  return std::nullopt;
}

std::optional<std::string> ReadVariantsFolder(const std::string& folder, VariantsFolder& read) {
  std::vector<fs::path> projects;
  if (auto fault = FilesOf(folder, ".str", projects)) return fault;
  for (const fs::path& project : projects)
    if (auto fault = ReadAnswersFile(project.string(), read.Projects[project.filename().string()]))
      return fault;
  const fs::path key = fs::path(folder) / kKeyFileName;
  std::error_code ec;
  if (!fs::exists(key, ec)) return std::nullopt;
  return ReadAnswersFile(key.string(), read.KeyText.emplace());
}

// Why the outputs asked for would replace something of the user's, or nothing.
std::optional<std::string> OutputRefusal(const GradeRequest& request) {
  std::error_code ec;
  if (request.summary && fs::exists(fs::symlink_status(*request.summary, ec)))
    return Quoted(*request.summary) + " exists already; the summary replaces no file";
  if (!request.feedback || !fs::exists(fs::symlink_status(*request.feedback, ec)))
    return std::nullopt;
  if (!fs::is_directory(*request.feedback, ec) || !fs::is_empty(*request.feedback, ec) || ec)
    return Quoted(*request.feedback) +
           " is not an empty folder; feedback is written only into a new or empty one";
  return std::nullopt;
}

std::optional<std::string> WriteFeedback(const std::string& folder,
                                         const std::vector<StudentGrade>& grades) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec) return "cannot make the folder " + Quoted(folder);
  for (const StudentGrade& grade : grades)
    if (RunResult error = WriteFileAtomically(
            (fs::path(folder) / (grade.Student + ".json")).string(), FeedbackJson(grade)))
      return error->Description;
  return std::nullopt;
}

}  // namespace

int RunGrade(const GradeRequest& request, const std::optional<std::vector<AskedQuantity>>& only,
             std::ostream& out, std::ostream& err) {
  if (auto refusal = OutputRefusal(request)) return Refuse(err, *refusal), kExitOutputFailed;
  std::vector<StudentFile> students;
  VariantsFolder variants;
  for (auto fault : {ReadAnswersFolder(request.answersFolder, students),
                     ReadVariantsFolder(request.variantsFolder, variants)})
    if (fault) return Refuse(err, *fault), kExitRejected;
  auto graded = GradeClass(students, variants, only);
  if (const std::string* fault = std::get_if<std::string>(&graded))
    return Refuse(err, Quoted(request.variantsFolder) + ": " + *fault), kExitRejected;
  const std::vector<StudentGrade>& grades = std::get<std::vector<StudentGrade>>(graded);
  out << GradebookCsv(grades) << std::flush;
  if (!out) return kExitOutputFailed;
  if (request.summary)
    if (RunResult error = WriteFileAtomically(*request.summary, ClassSummaryCsv(grades)))
      return Refuse(err, error->Description), kExitOutputFailed;
  if (request.feedback)
    if (auto fault = WriteFeedback(*request.feedback, grades))
      return Refuse(err, *fault), kExitOutputFailed;
  return kExitComplete;
}

}  // namespace stavelorn
