// The questions a user meets at every turn of the work, each of which offers "Don't ask again":
// what each is, where the settings keep the answer given with that tick, and the answers kept.
// A Yes/No question keeps Yes or No; an OK/Cancel question keeps only OK, since a kept Cancel
// would leave its command doing nothing without a word. A dismissal keeps nothing.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "ui/Messages.h"

namespace stavelorn {

enum class RoutineQuestion : std::size_t {
  SaveBeforeAnalysis,  // "Save Input Data in File ?" before Analyze
  PrintOnEditData,     // "Print Results of the Analysis ?" on Edit Data
  EditListItem,        // "Edit coordinates of Joint 3 ?" and the other lists' Edit button
  Count
};

inline constexpr std::size_t kRoutineQuestionCount =
    static_cast<std::size_t>(RoutineQuestion::Count);

struct RoutineQuestionInfo {
  RoutineQuestion Question;
  const char* Setting;  // the settings key of the answer kept: "SaveBeforeAnalysis"
  const char* Caption;  // what the Preferences dialog calls it, the question quoted
  MessageStyle Style;   // kStyleYesNoQuestion or kStyleOkCancelQuestion
};

// Every routine question, in the order the Preferences dialog lists them.
const std::array<RoutineQuestionInfo, kRoutineQuestionCount>& RoutineQuestions();
const RoutineQuestionInfo& RoutineQuestionOf(RoutineQuestion question);

// One answer a routine question can take without being asked (0: asked every time), with the
// words the Preferences dialog shows for it.
struct RoutineChoice {
  int Answer;
  std::string Text;  // "Ask every time", "Always Yes", "Always No", "Always OK"
};

// What the Preferences dialog offers for the question, "Ask every time" first.
std::vector<RoutineChoice> RoutineChoicesOf(RoutineQuestion question);

class RoutineAnswers {
 public:
  // The answer the question takes without being asked, or 0 when it is asked.
  int Kept(RoutineQuestion question) const { return kept_[static_cast<std::size_t>(question)]; }
  // Keeps `answer` (0 asks again). False, with nothing changed, for an answer the question
  // cannot keep.
  bool Keep(RoutineQuestion question, int answer);

  // The answer kept as the settings hold it: "yes", "no", "ok", or "" when the question is asked.
  std::string Setting(RoutineQuestion question) const;
  // Takes such a text back; anything else (never written, or edited by hand) asks again.
  void Restore(RoutineQuestion question, const std::string& setting);

  bool operator==(const RoutineAnswers& other) const { return kept_ == other.kept_; }

 private:
  std::array<int, kRoutineQuestionCount> kept_{};
};

}  // namespace stavelorn
