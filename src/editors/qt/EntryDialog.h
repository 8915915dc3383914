// The entry dialog ("B" form) of an editor: a drop-down choice above the fields when the editor
// has one, the text boxes Text1..Text7 with their labels, the check boxes Check1..Check6 (each
// with the spring and stiffness a support's restraint may take), and OK,
// Cancel and Next. It shows what the editor's EntryForm holds and hands every keystroke, click and
// button to the editor, so the list grid follows the typing.
#pragma once

#include <QDialog>
#include <array>

#include "editors/ListEditor.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace stavelorn {

class EntryDialog : public QDialog {
  Q_OBJECT
 public:
  EntryDialog(ListEditor& editor, QWidget* parent);

  QLineEdit* Field(int number) const { return fields_.at(static_cast<std::size_t>(number)); }
  QComboBox* Choice() const { return choice_; }
  QCheckBox* Check(int number) const { return checks_.at(static_cast<std::size_t>(number)); }
  // The spring beside check box `number` and its stiffness.
  QCheckBox* Spring(int number) const { return springs_.at(static_cast<std::size_t>(number)); }
  QLineEdit* Stiffness(int number) const {
    return stiffnesses_.at(static_cast<std::size_t>(number));
  }

 public slots:
  // The window's close button and Escape: Cancel, whatever the mode.
  void reject() override;

 private:
  void Build();
  // Shows the editor's dialog state: texts, check marks, visibility; closes when it has closed.
  void Sync();
  void FocusField();

  ListEditor& editor_;
  std::array<QLabel*, EntryForm::kFields + 1> labels_{};
  std::array<QLineEdit*, EntryForm::kFields + 1> fields_{};
  std::array<QCheckBox*, EntryForm::kChecks + 1> checks_{};
  std::array<QCheckBox*, EntryForm::kChecks + 1> springs_{};
  std::array<QLabel*, EntryForm::kChecks + 1> stiffnessLabels_{};
  std::array<QLineEdit*, EntryForm::kChecks + 1> stiffnesses_{};
  QLabel* note_ = nullptr;
  QLabel* choiceLabel_ = nullptr;
  QComboBox* choice_ = nullptr;
  QLabel* checkGroup_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* next_ = nullptr;
  bool syncing_ = false;
};

}  // namespace stavelorn
