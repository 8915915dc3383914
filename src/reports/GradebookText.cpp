#include "reports/GradebookText.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

#include "reports/JsonText.h"
#include "reports/VerdictJson.h"

namespace stavelorn {

namespace {

// A field as CSV writes it: in double quotes, its own doubled, when it holds a comma, a quote or
// a line break.
std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

std::string CsvRow(const std::vector<std::string>& fields) {
  std::string row;
  for (std::size_t i = 0; i < fields.size(); ++i) row += (i ? "," : "") + CsvField(fields[i]);
  return row + "\n";
}

// Where an entry stands in the method's order: quantity, member, row, column.
using EntryPlace = std::tuple<int, int, int, int>;

EntryPlace PlaceOf(const JudgedQuantity& q, const JudgedEntry& e) {
  return {static_cast<int>(q.Quantity), q.Member, e.Verdict.Row, e.Verdict.Col};
}

// "k:1 row 2 column 3", "d row 4", "L:1".
std::string EntryLabel(const EntryPlace& place) {
  const auto [quantity, member, row, col] = place;
  const AnswerQuantity q = static_cast<AnswerQuantity>(quantity);
  const AnswerShape shape = InfoOf(q).Shape;
  std::string label = AskedLabel(q, member);
  if (shape != AnswerShape::Scalar) label += " row " + std::to_string(row + 1);
  if (shape == AnswerShape::Matrix) label += " column " + std::to_string(col + 1);
  return label;
}

std::string SlipTable(const std::vector<StudentGrade>& grades) {
  std::map<Slip, int> students;
  for (const StudentGrade& grade : grades) {
    if (!grade.Judged) continue;
    std::set<Slip> made;
    for (const JudgedQuantity& q : grade.Judged->Quantities)
      for (const JudgedEntry& e : q.Entries)
        if (q.Judged && !e.Verdict.Right && e.Verdict.Named != Slip::None)
          made.insert(e.Verdict.Named);
    for (Slip slip : made) ++students[slip];
  }
  std::string table = "slip,students\n";
  for (Slip slip : {Slip::Transposed, Slip::Sign, Slip::LocalGlobal, Slip::ReleaseIgnored,
                    Slip::Units, Slip::SwappedCoordinates})
    table += CsvRow({SlipName(slip), std::to_string(students[slip])});
  return table;
}

std::string EntryTable(const std::vector<StudentGrade>& grades) {
  std::map<EntryPlace, int> wrong;
  for (const StudentGrade& grade : grades)
    if (grade.Judged)
      for (const JudgedQuantity& q : grade.Judged->Quantities)
        for (const JudgedEntry& e : q.Entries)
          if (q.Judged && !e.Verdict.Right) ++wrong[PlaceOf(q, e)];
  std::vector<std::pair<EntryPlace, int>> rows(wrong.begin(), wrong.end());
  std::stable_sort(rows.begin(), rows.end(),
                   [](const auto& a, const auto& b) { return a.second > b.second; });
  std::string table = "entry,wrong\n";
  for (const auto& [place, count] : rows)
    table += CsvRow({EntryLabel(place), std::to_string(count)});
  return table;
}

std::string QuantityTable(const std::vector<StudentGrade>& grades) {
  std::map<std::pair<int, int>, std::pair<int, int>> tally;  // (quantity, member): (right, judged)
  for (const StudentGrade& grade : grades)
    if (grade.Judged)
      for (const JudgedQuantity& q : grade.Judged->Quantities)
        if (q.Judged) {
          auto& [right, judged] = tally[{static_cast<int>(q.Quantity), q.Member}];
          right += q.AllRight();
          ++judged;
        }
  std::string table = "quantity,right\n";
  for (const auto& [quantity, count] : tally)
    table += CsvRow({AskedLabel(static_cast<AnswerQuantity>(quantity.first), quantity.second),
                     ScoreText(count.first, count.second)});
  return table;
}

}  // namespace

std::string GradebookCsv(const std::vector<StudentGrade>& grades) {
  std::string csv = "student,project,checked,right,score,slip,reason\n";
  for (const StudentGrade& grade : grades) {
    const Slip slip = grade.Judged ? grade.Judged->CommonSlip() : Slip::None;
    csv += CsvRow({grade.Student, grade.Project, std::to_string(grade.Checked()),
                   std::to_string(grade.Right()), ScoreText(grade.Right(), grade.Checked()),
                   SlipName(slip), grade.Reason()});
  }
  return csv;
}

std::string ClassSummaryCsv(const std::vector<StudentGrade>& grades) {
  return SlipTable(grades) + "\n" + EntryTable(grades) + "\n" + QuantityTable(grades);
}

std::string FeedbackJson(const StudentGrade& grade) {
  const Judgement none;
  return "{\"student\": " + JsonString(grade.Student) +
         ", \"project\": " + JsonString(grade.Project) +
         ", \"score\": " + ScoreText(grade.Right(), grade.Checked()) +
         ",\n \"reason\": " + JsonString(grade.Reason()) + ",\n" +
         VerdictMembers(grade.Judged ? *grade.Judged : none, true, 1) + "}\n";
}

}  // namespace stavelorn
