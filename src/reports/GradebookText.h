// What grading a class writes: the gradebook (one CSV row per student, as a course's gradebook
// imports it), the class summary (three CSV tables) and each student's feedback (JSON to hand
// back, without the program's values).
#pragma once

#include <string>
#include <vector>

#include "reports/Gradebook.h"

namespace stavelorn {

// "student,project,checked,right,score,slip,reason", then one row per grade, in order.
std::string GradebookCsv(const std::vector<StudentGrade>& grades);

// The tables "slip,students" (every slip, how many students made it at least once),
// "entry,wrong" (every entry wrong at least once, most often wrong first) and "quantity,right"
// (the share of the students judged on each quantity who got it wholly right, in percent), a
// blank line between them.
std::string ClassSummaryCsv(const std::vector<StudentGrade>& grades);

// The student's name, project, score and reason, then the verdicts as --check --for-student
// writes them.
std::string FeedbackJson(const StudentGrade& grade);

}  // namespace stavelorn
