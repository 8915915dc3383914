// The message boxes through which the program asks the user and reports failures. Each routine
// shows a text under a title in one fixed style and returns the button pressed. The routines are
// the same for every caller; an implementation only has to show one box in a given style, once
// with real windows and once as a scripted test double.
#pragma once

#include <cstddef>
#include <string>

#include "model/RunError.h"

namespace stavelorn {

class RoutineAnswers;
enum class RoutineQuestion : std::size_t;

// The button codes a message box returns.
enum MessageAnswer : int {
  kAnswerOk = 1,
  kAnswerCancel = 2,
  kAnswerRetry = 4,
  kAnswerYes = 6,
  kAnswerNo = 7,
};

// Buttons and icon of a message box, by their classic style numbers.
enum MessageStyle : int {
  kStyleYesNo = 4,                 // Yes, No
  kStyleCritical = 16,             // OK, critical-stop icon
  kStyleRetryCancelCritical = 21,  // Retry, Cancel, critical-stop icon
  kStyleOkCancelQuestion = 33,     // OK, Cancel, question icon
  kStyleYesNoCancelQuestion = 35,  // Yes, No, Cancel, question icon
  kStyleYesNoQuestion = 36,        // Yes, No, question icon
  kStyleInformation = 64,          // OK, information icon
};

class Messages {
 public:
  virtual ~Messages() = default;

  // Yes/No with a question icon (style 36). Like every question, it returns kAnswerCancel when
  // the box is dismissed with Escape or its close button: the caller calls its command off.
  int AskQuestion(const std::string& title, const std::string& text) {
    return Show(title, text, kStyleYesNoQuestion);
  }
  // Yes/No without an icon (style 4).
  int AskYesNo(const std::string& title, const std::string& text) {
    return Show(title, text, kStyleYesNo);
  }
  // OK with the critical-stop icon (style 16).
  int ShowStop(const std::string& title, const std::string& text) {
    return Show(title, text, kStyleCritical);
  }
  // OK with the information icon (style 64): a note that needs no decision.
  int ShowInformation(const std::string& title, const std::string& text) {
    return Show(title, text, kStyleInformation);
  }
  // OK/Cancel with a question icon (style 33).
  int AskOkCancel(const std::string& title, const std::string& text) {
    return Show(title, text, kStyleOkCancelQuestion);
  }
  // Yes/No/Cancel with a question icon (style 35), for a question that may also call off the
  // command that asks it.
  int AskYesNoCancel(const std::string& title, const std::string& text) {
    return Show(title, text, kStyleYesNoCancelQuestion);
  }
  // A run-time failure, worded by RunErrorText, with OK (style 16).
  int ReportError(const std::string& title, const RunError& error) {
    return Show(title, RunErrorText(error), kStyleCritical);
  }
  // A run-time failure whose step can be repeated: Retry (4) or Cancel (2) (style 21).
  int ReportErrorRetry(const std::string& title, const RunError& error) {
    return Show(title, RunErrorText(error), kStyleRetryCancelCritical);
  }

  // A routine question (see RoutineQuestions) in its own style, with "Don't ask again" under
  // it. An answer kept by an earlier tick is returned without showing anything; an answer given
  // with the box ticked is kept when the question can keep it. Until a place to keep answers is
  // given, the question is asked as any other, without the tick.
  int AskRoutine(RoutineQuestion question, const std::string& title, const std::string& text);
  // Where the answers kept live (the preferences); nullptr asks every question.
  void KeepRoutineAnswersIn(RoutineAnswers* answers) { routine_ = answers; }

 protected:
  // The button pressed and whether "Don't ask again" was ticked.
  struct TickedAnswer {
    int Answer;
    bool DontAskAgain;
  };
  // Shows one box and returns the code of the button pressed.
  virtual int Show(const std::string& title, const std::string& text, MessageStyle style) = 0;
  // Shows one box with the check box "Don't ask again" under its text.
  virtual TickedAnswer ShowWithDontAsk(const std::string& title, const std::string& text,
                                       MessageStyle style) = 0;

 private:
  RoutineAnswers* routine_ = nullptr;
};

}  // namespace stavelorn
