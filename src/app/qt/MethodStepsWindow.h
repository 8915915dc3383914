// The window "The Method, Step by Step": tabs for the numbering, the chosen member's values, the
// structure's [S], {P} and {d}, and the equilibrium checks, with a member picker (Previous/Next)
// above them. What each table holds and which cells stand out is MethodSteps's; this window
// only shows it. Ctrl+C on a table copies its whole matrix as tab-separated text.
#pragma once

#include <QDialog>
#include <QTableView>
#include <vector>

#include "app/MethodSteps.h"

class QComboBox;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace stavelorn {

// A StepTable shown in a view: labels as headers, blanks for zeros, marked cells shaded.
class StepTableView : public QTableView {
  Q_OBJECT
 public:
  explicit StepTableView(QWidget* parent = nullptr);
  void Show(const StepTable& table, const QColor& mark);
  const StepTable& Table() const { return table_; }
  // Brings the first shaded cell into view.
  void ScrollToFirstMark();
  // Makes the view exactly as large as its rows and columns, so every cell shows whole; the page
  // around it scrolls when the window is smaller.
  void FitWhole();
  // Whether the cell is shown shaded.
  bool IsShaded(int row, int col) const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  StepTable table_;
};

class MethodStepsWindow : public QDialog {
  Q_OBJECT
 public:
  MethodStepsWindow(const ModelStore& model, const StructureResults& results,
                    const MethodTrail& trail, QWidget* parent = nullptr);

  int CurrentMember() const { return current_; }  // 0-based
  void ChooseMember(int index);
  // The view showing the table titled `name`: "Numbering", "S", "P", or a member table by its
  // symbol ("k", "T", "K", "Qf", "Ff", "v", "u", "Q", "F").
  StepTableView* View(const QString& name) const;

 private:
  QWidget* NumberingPage();
  QWidget* MemberPage();
  QWidget* StructurePage();
  QWidget* ChecksPage();
  StepTableView* AddView(QVBoxLayout* layout, const QString& name, const QString& title,
                         QLabel** titleLabel = nullptr);

  MethodSteps steps_;
  int current_ = 0;
  QComboBox* picker_ = nullptr;
  QPushButton* previous_ = nullptr;
  QPushButton* next_ = nullptr;
  QLabel* facts_ = nullptr;
  QLabel* sources_ = nullptr;
  std::vector<StepTableView*> memberViews_;
  std::vector<QLabel*> memberTitles_;
  StepTableView* stiffness_ = nullptr;
  StepTableView* loads_ = nullptr;
  // [kg] beside [k] and [Kg] beside [S], shown once a stability analysis has added them.
  StepTableView* geometric_ = nullptr;
  QLabel* geometricTitle_ = nullptr;
  StepTableView* structureGeometric_ = nullptr;
};

// Shows the window modally over `parent` and returns once it has been closed.
void ShowMethodStepsWindow(const ModelStore& model, const StructureResults& results,
                           const MethodTrail& trail, QWidget* parent);

}  // namespace stavelorn
