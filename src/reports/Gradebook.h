// Grading a class: a folder of answers files, each naming its project, judged against the
// projects of a variants folder into one grade per student. What is judged is the instructor's
// choice, never the student's file: the --only list, else every quantity the variants folder's
// key.json lists for the project, else (no key) what the file gives. The folders' contents come
// in as text; reading them is the caller's.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "reports/AnswerScore.h"

namespace stavelorn {

// One answers file of the class.
struct StudentFile {
  std::string Student;    // the file's name without ".json"
  std::string Text;       // its contents
  std::string ReadFault;  // why it could not be read ("" when it could)
};

// What the variants folder holds.
struct VariantsFolder {
  std::map<std::string, std::string> Projects;  // each project's file name and its text
  std::optional<std::string> KeyText;           // key.json, when there is one
};

struct StudentGrade {
  std::string Student;
  std::string Project;              // as the file names it ("" when it names none)
  std::optional<Judgement> Judged;  // none when the file could not be judged...
  std::string Fault;                // ...and this says why

  int Checked() const { return Judged ? Judged->Checked() : 0; }
  int Right() const { return Judged ? Judged->Right() : 0; }
  // Why the file could not be judged, or what was skipped in it ("" for neither), "; " between.
  std::string Reason() const;
};

// The quantities key.json asks of each project, or what is wrong with it.
std::variant<std::map<std::string, std::vector<AskedQuantity>>, std::string> ReadKeyFile(
    const std::string& text);

// Every student's grade, in the order of `files`; or key.json's fault, when it has one.
std::variant<std::vector<StudentGrade>, std::string> GradeClass(
    const std::vector<StudentFile>& files, const VariantsFolder& folder,
    const std::optional<std::vector<AskedQuantity>>& only);

}  // namespace stavelorn
