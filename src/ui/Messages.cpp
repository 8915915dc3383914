#include "ui/Messages.h"

#include "ui/RoutineQuestions.h"

namespace stavelorn {

int Messages::AskRoutine(RoutineQuestion question, const std::string& title,
                         const std::string& text) {
  const MessageStyle style = RoutineQuestionOf(question).Style;
  if (routine_ == nullptr) return Show(title, text, style);
  if (const int kept = routine_->Kept(question)) return kept;
  const TickedAnswer reply = ShowWithDontAsk(title, text, style);
  if (reply.DontAskAgain) routine_->Keep(question, reply.Answer);
  return reply.Answer;
}

}  // namespace stavelorn
