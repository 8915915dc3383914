// The "Preferences" dialog of Project > Preferences…: for each routine question, whether it is
// asked every time or answered as the user answered it with "Don't ask again" ticked. It only
// chooses; ProjectCommands keeps the answers and the questions take them.
#pragma once

#include <QDialog>
#include <array>

#include "ui/RoutineQuestions.h"

class QComboBox;

namespace stavelorn {

class PreferencesDialog : public QDialog {
  Q_OBJECT
 public:
  PreferencesDialog(const RoutineAnswers& answers, QWidget* parent);

  // The answers as the lists now stand.
  RoutineAnswers Chosen() const;

  QComboBox* ChoiceBox(RoutineQuestion question) const {
    return boxes_.at(static_cast<std::size_t>(question));
  }

 private:
  std::array<QComboBox*, kRoutineQuestionCount> boxes_{};
};

}  // namespace stavelorn
