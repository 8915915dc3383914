#include "ui/RoutineQuestions.h"

#include <algorithm>

namespace stavelorn {

namespace {

using Q = RoutineQuestion;

const std::array<RoutineQuestionInfo, kRoutineQuestionCount> kQuestions = {{
    {Q::SaveBeforeAnalysis, "SaveBeforeAnalysis", "\"Save Input Data in File ?\" before Analyze",
     kStyleYesNoQuestion},
    {Q::PrintOnEditData, "PrintOnEditData", "\"Print Results of the Analysis ?\" on Edit Data",
     kStyleYesNoQuestion},
    {Q::EditListItem, "EditListItem", "\"Edit ... ?\" on a list window's Edit button",
     kStyleOkCancelQuestion},
}};

struct AnswerWord {
  int Answer;
  const char* Setting;
  const char* Choice;
};

const AnswerWord kAnswerWords[] = {
    {kAnswerYes, "yes", "Always Yes"},
    {kAnswerNo, "no", "Always No"},
    {kAnswerOk, "ok", "Always OK"},
};

}  // namespace

const std::array<RoutineQuestionInfo, kRoutineQuestionCount>& RoutineQuestions() {
  return kQuestions;
}

const RoutineQuestionInfo& RoutineQuestionOf(RoutineQuestion question) {
  return kQuestions[static_cast<std::size_t>(question)];
}

std::vector<RoutineChoice> RoutineChoicesOf(RoutineQuestion question) {
  const bool yesNo = RoutineQuestionOf(question).Style == kStyleYesNoQuestion;
  std::vector<RoutineChoice> choices = {{0, "Ask every time"}};
  for (const AnswerWord& word : kAnswerWords)
    if ((word.Answer == kAnswerOk) != yesNo) choices.push_back({word.Answer, word.Choice});
  return choices;
}

bool RoutineAnswers::Keep(RoutineQuestion question, int answer) {
  const std::vector<RoutineChoice> choices = RoutineChoicesOf(question);
  if (std::none_of(choices.begin(), choices.end(),
                   [answer](const RoutineChoice& choice) { return choice.Answer == answer; }))
    return false;
  kept_[static_cast<std::size_t>(question)] = answer;
  return true;
}

std::string RoutineAnswers::Setting(RoutineQuestion question) const {
  for (const AnswerWord& word : kAnswerWords)
    if (word.Answer == Kept(question)) return word.Setting;
  return "";
}

void RoutineAnswers::Restore(RoutineQuestion question, const std::string& setting) {
  int answer = 0;
  for (const AnswerWord& word : kAnswerWords)
    if (setting == word.Setting) answer = word.Answer;
  if (!Keep(question, answer)) Keep(question, 0);
}

}  // namespace stavelorn
