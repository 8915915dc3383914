#include "app/qt/PreferencesDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/qt/DialogButtons.h"

namespace stavelorn {

PreferencesDialog::PreferencesDialog(const RoutineAnswers& answers, QWidget* parent)
    : QDialog(parent) {
  setObjectName("Preferences");
  setWindowTitle("Preferences");
  auto* layout = new QVBoxLayout(this);
  auto* note = new QLabel(
      "A question answered with \"Don't ask again\" ticked takes that answer from then on. "
      "Choose \"Ask every time\" to be asked again.");
  note->setAccessibleName("About the questions");
  note->setWordWrap(true);
  layout->addWidget(note);
  auto* form = new QFormLayout;
  for (const RoutineQuestionInfo& question : RoutineQuestions()) {
    auto* box = new QComboBox;
    box->setObjectName(question.Setting);
    box->setAccessibleName(question.Caption);
    for (const RoutineChoice& choice : RoutineChoicesOf(question.Question)) {
      box->addItem(QString::fromStdString(choice.Text), choice.Answer);
      if (choice.Answer == answers.Kept(question.Question)) box->setCurrentIndex(box->count() - 1);
    }
    form->addRow(question.Caption, box);
    boxes_[static_cast<std::size_t>(question.Question)] = box;
  }
  layout->addLayout(form);
  layout->addLayout(OkCancelButtons(this));
  setMinimumWidth(480);
}

RoutineAnswers PreferencesDialog::Chosen() const {
  RoutineAnswers answers;
  for (const RoutineQuestionInfo& question : RoutineQuestions())
    answers.Keep(question.Question, ChoiceBox(question.Question)->currentData().toInt());
  return answers;
}

}  // namespace stavelorn
