// The window "Check My Work": a quantity and member picker, an empty grid of the answer's shape
// with the trail's labels to type or paste (Ctrl+V) into, Check and Show Answer. What is offered,
// judged and said is CheckWork's; this window only shows it.
#pragma once

#include <QDialog>

#include "app/CheckWork.h"
#include "ui/Messages.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace stavelorn {

class CheckWorkWindow : public QDialog {
  Q_OBJECT
 public:
  CheckWorkWindow(CheckWork work, QWidget* parent = nullptr);

  const CheckWork& Work() const { return work_; }
  // Chooses the quantity (by its index among those offered) and the member (1-based).
  void Choose(int offeredIndex, int member);
  // Pastes tab-separated text at the entry grid's current cell, as Ctrl+V does.
  void PasteText(const QString& text);
  QTableWidget* Entries() const { return entries_; }
  QTableWidget* Answer() const { return answer_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Rebuild();       // a fresh grid for the chosen quantity
  void ShowVerdicts();  // colours, tooltips, count and findings
  void Check();
  void ShowAnswer();

  CheckWork work_;
  QComboBox* quantity_ = nullptr;
  QComboBox* member_ = nullptr;
  QLabel* title_ = nullptr;
  QTableWidget* entries_ = nullptr;
  QTableWidget* answer_ = nullptr;
  QWidget* answerPane_ = nullptr;  // the answer grid under its caption
  QLabel* summary_ = nullptr;
  QListWidget* findings_ = nullptr;
  bool filling_ = false;  // the grid is being filled by the window, not typed in
};

// Opens the window over `parent` for the model's analysis (or a silent one of a copy when no
// results are shown); a model the checks refuse gets their message instead.
void ShowCheckWorkWindow(const ModelStore& model, const StructureResults& results,
                         const MethodTrail* shown, Messages& messages, QWidget* parent);

}  // namespace stavelorn
