// The main window `mcas`: title and count labels, the drawing canvas, the deflection multiplier
// controls and the menus. Every decision is ProjectCommands's; this window builds the controls,
// forwards the user's commands and shows the commands' menus and labels afterwards.
#pragma once

#include <QMainWindow>
#include <array>
#include <map>
#include <memory>

#include "app/ProjectCommands.h"
#include "graphics/qt/PictureBox.h"
#include "model/ModelStore.h"
#include "ui/qt/QtFileDialogs.h"
#include "ui/qt/QtMessages.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;

namespace stavelorn {

class MainWindow : public QMainWindow, public CommandWindows {
  Q_OBJECT
 public:
  // `messages` and `dialogs` default to real boxes and dialogs; tests pass scripted ones.
  MainWindow(ModelStore& model, Messages* messages = nullptr, FileDialogs* dialogs = nullptr);
  ~MainWindow() override;

  ProjectCommands& Commands() { return commands_; }
  // cppcheck-suppress CastIntegerToAddressAtReturn ; std::array of pointers, misread as integers
  QAction* Action(MenuItem item) const { return actions_[static_cast<std::size_t>(item)]; }
  QLabel* Label(int number) const { return labels_.at(static_cast<std::size_t>(number)); }
  QComboBox* MultiplierBox() const { return combo_; }
  PictureBox* Canvas() const { return canvas_; }

  // Shows the commands' menus, labels and multiplier text.
  void Refresh();

  // CommandWindows
  bool ShowTitleDialog() override;
  void Redraw() override;
  std::unique_ptr<ReportPrinter> OpenPrinter() override;
  bool ChoosePrintOptions(PrintChoices& choices, bool hasResults) override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void BuildMenus();
  void Run(MenuItem item);
  void ArrangeLayout();
  void MultiplierEdited(const QString& text);
  void SavePicture();

  ModelStore& model_;
  QtMessages qtMessages_;
  QtFileDialogs qtDialogs_;
  Messages& messages_;
  FileDialogs& dialogs_;
  ProjectCommands commands_;
  std::array<QAction*, kMenuItemCount> actions_{};
  std::array<QLabel*, 9> labels_{};
  QComboBox* combo_ = nullptr;
  QPushButton* redraw_ = nullptr;
  PictureBox* canvas_ = nullptr;
  QAction* savePicture_ = nullptr;
  bool restoringMultiplier_ = false;
};

}  // namespace stavelorn
