#include "app/qt/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>

#include "app/MenuRoutes.h"
#include "app/PickInfo.h"
#include "app/qt/CheckWorkWindow.h"
#include "app/qt/DrawingBar.h"
#include "app/qt/HelpWindow.h"
#include "app/qt/LoadCaseDialogs.h"
#include "app/qt/MethodStepsWindow.h"
#include "app/qt/ResultsWindows.h"
#include "app/qt/SavedPreferences.h"
#include "editors/qt/DataEditors.h"
#include "graphics/Drawing.h"
#include "graphics/StructureLabels.h"
#include "ui/AccessibleNames.h"

namespace stavelorn {

namespace {

using M = MenuItem;

const char* const kMultiplierCaption = "Deflection Multiplier :";

// A menu is announced by its text, so the text carries no padding.
QString Unpadded(const char* caption) {
  return QString::fromStdString(UnpaddedCaption(caption));
}

// The platform's own zoom keys are often the ones given besides them; an action given one key
// twice would take neither, as an ambiguous shortcut.
QList<QKeySequence> Distinct(const QList<QKeySequence>& keys) {
  QList<QKeySequence> distinct;
  for (const QKeySequence& key : keys)
    if (!key.isEmpty() && !distinct.contains(key)) distinct << key;
  return distinct;
}

}  // namespace

MainWindow::MainWindow(ModelStore& model, Messages* messages, FileDialogs* dialogs)
    : model_(model),
      qtMessages_(this),
      qtDialogs_(this),
      messages_(messages ? *messages : static_cast<Messages&>(qtMessages_)),
      dialogs_(dialogs ? *dialogs : static_cast<FileDialogs&>(qtDialogs_)),
      commands_(model, messages_, dialogs_, *this) {
  setObjectName("mcas");
  BuildControls();
  BuildMenus();
  ResizeToDefault();
  commands_.Start();
  commands_.Prefs() = LoadPreferences();
  restoreGeometry(QByteArray::fromStdString(commands_.Prefs().WindowGeometry));
  qApp->installEventFilter(new HelpKeyFilter(this));
  Refresh();
  DrawStartHint(*canvas_, ExamplesFolder());  // no project is open yet
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildControls() {
  auto* central = new QWidget(this);
  setCentralWidget(central);
  for (int n = 1; n <= 8; ++n) {
    auto* label = new QLabel(central);
    label->setObjectName(QString("Label%1").arg(n));
    labels_[static_cast<std::size_t>(n)] = label;
  }
  QFont titleFont = labels_[1]->font();
  titleFont.setBold(true);
  titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
  labels_[1]->setFont(titleFont);
  labels_[1]->setAlignment(Qt::AlignCenter);
  labels_[2]->setFont(titleFont);
  labels_[8]->setText(kMultiplierCaption);

  combo_ = new QComboBox(central);
  combo_->setObjectName("Combo1");
  combo_->setEditable(true);
  for (const std::string& choice : commands_.MultiplierChoices())
    combo_->addItem(QString::fromStdString(choice));
  combo_->setEditText(QString::fromStdString(commands_.MultiplierText()));
  combo_->setInsertPolicy(QComboBox::NoInsert);
  combo_->setAccessibleName(QString::fromStdString(SpokenCaption(kMultiplierCaption)));
  combo_->lineEdit()->setAccessibleName(combo_->accessibleName());
  connect(combo_, &QComboBox::editTextChanged, this, [this](const QString& text) {
    if (!restoringMultiplier_) commands_.TypeMultiplierText(text.toStdString());
  });
  connect(combo_, &QComboBox::textActivated, this, &MainWindow::MultiplierEntered);
  connect(combo_->lineEdit(), &QLineEdit::editingFinished, this,
          [this] { MultiplierEntered(combo_->currentText()); });
  combo_->lineEdit()->installEventFilter(this);

  redraw_ = new QPushButton("ReDraw", central);
  redraw_->setObjectName("ReDraw");
  redraw_->setAccessibleName("Redraw");
  connect(redraw_, &QPushButton::clicked, this, [this] { Redraw(); });

  canvas_ = new PictureBox(central);
  canvas_->setAccessibleName("Structure drawing");
  canvas_->SetTooltipSource([this](const PickedItem& item) {
    return PickedItemText(commands_.ShownModel(), commands_.ShownResults(), item);
  });
  connect(canvas_, &PictureBox::MemberClicked, this, &MainWindow::OpenMemberWindow);
  connect(canvas_, &PictureBox::FocusedItemChanged, this, &MainWindow::DescribeDrawing);

  projectFile_ = new QLabel(this);
  projectFile_->setObjectName("ProjectFile");
  statusBar()->addWidget(projectFile_, 1);
  units_ = new QLabel(this);
  units_->setObjectName("Units");
  statusBar()->addPermanentWidget(units_);
  precision_ = new QLabel(this);
  precision_->setObjectName("Precision");
  statusBar()->addPermanentWidget(precision_);
  diagramCanvas_ = new PictureBox(central);
  diagramCanvas_->setObjectName("DiagramPic");
  diagramCanvas_->hide();
}

void MainWindow::BuildMenus() {
  std::map<M, QMenu*> menus;
  for (const MenuItemInfo& info : MenuItems()) {
    const std::size_t index = static_cast<std::size_t>(info.Item);
    if (info.Item == M::Label8 || info.Item == M::Combo1 || info.Item == M::ReDraw) continue;
    QAction* action = nullptr;
    if (info.Parent == M::Count) {
      // A top-level item with a drop-down becomes a menu; one without is a command of its own.
      if (info.Item == M::MnuProj || info.Item == M::MnuEdit || info.Item == M::MnuLoad ||
          info.Item == M::MnuHelp || info.Item == M::MnuDiagrams || info.Item == M::MnuExercise ||
          info.Item == M::MnuStability) {
        QMenu* menu = menuBar()->addMenu(Unpadded(info.Caption));
        menus[info.Item] = menu;
        action = menu->menuAction();
      } else {
        action = menuBar()->addAction(Unpadded(info.Caption));
      }
    } else if (info.Item == M::MnuProjRecent) {
      recentMenu_ = menus.at(info.Parent)->addMenu(Unpadded(info.Caption));
      action = recentMenu_->menuAction();
      connect(recentMenu_, &QMenu::aboutToShow, this, &MainWindow::FillRecentMenu);
    } else if (std::string(info.Caption) == "-") {
      action = menus.at(info.Parent)->addSeparator();
    } else {
      action = menus.at(info.Parent)->addAction(Unpadded(info.Caption));
    }
    action->setObjectName(info.Name);
    actions_[index] = action;
    if (*info.Shortcuts) {
      action->setShortcuts(QKeySequence::listFromString(info.Shortcuts));
      // A menu shows its items' keys; the tooltip shows them for a command on the menu bar.
      action->setToolTip(QString::fromStdString(MenuItemName(info.Item)) + " (" +
                         action->shortcut().toString(QKeySequence::NativeText) + ")");
      QShortcut* hiddenKey = new QShortcut(this);
      hiddenKey->setKeys(action->shortcuts());
      connect(hiddenKey, &QShortcut::activated, this, [this, item = info.Item] { Run(item); });
      hiddenItemKeys_[index] = hiddenKey;
    }
    if (!action->menu() && !action->isSeparator())
      connect(action, &QAction::triggered, this, [this, item = info.Item] { Run(item); });
  }
  // Saving the picture as an image sits under Print and shows while a project is open.
  savePicture_ = new QAction("Save Pict&ure...", this);
  savePicture_->setObjectName("MnuProjPicture");
  menus.at(M::MnuProj)->insertAction(actions_[static_cast<std::size_t>(M::MnuH2)], savePicture_);
  connect(savePicture_, &QAction::triggered, this, &MainWindow::SavePicture);
  BuildViewMenu(menus.at(M::MnuHelp));
  diagramsMenu_ = menus.at(M::MnuDiagrams);
}

void MainWindow::BuildViewMenu(QMenu* before) {
  // How the drawing is looked at: zoom, fit and the local axes, before the Help menu.
  viewMenu_ = new QMenu("&View", this);
  viewMenu_->setObjectName("MnuView");
  menuBar()->insertMenu(before->menuAction(), viewMenu_);
  QAction* zoomIn = viewMenu_->addAction("Zoom &In");
  connect(zoomIn, &QAction::triggered, canvas_, &PictureBox::ZoomIn);
  zoomIn->setObjectName("MnuViewZoomIn");
  zoomIn->setShortcuts(Distinct({QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence::ZoomIn}));
  QAction* zoomOut = viewMenu_->addAction("Zoom &Out");
  connect(zoomOut, &QAction::triggered, canvas_, &PictureBox::ZoomOut);
  zoomOut->setObjectName("MnuViewZoomOut");
  zoomOut->setShortcuts(Distinct({QKeySequence(Qt::CTRL | Qt::Key_Minus), QKeySequence::ZoomOut}));
  QAction* fit = viewMenu_->addAction("&Whole Structure");
  connect(fit, &QAction::triggered, canvas_, &PictureBox::FitView);
  fit->setObjectName("MnuViewFit");
  fit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
  viewMenu_->addSeparator();
  localAxes_ = viewMenu_->addAction("&Local Axes");
  localAxes_->setObjectName("MnuViewLocalAxes");
  localAxes_->setCheckable(true);
  connect(localAxes_, &QAction::toggled, this, [this] { Redraw(); });
  numbers_ = viewMenu_->addAction("&Joint and Member Numbers");
  numbers_->setObjectName("MnuViewNumbers");
  numbers_->setCheckable(true);
  numbers_->setChecked(true);
  connect(numbers_, &QAction::toggled, this, [this] { Redraw(); });
  BuildDrawingMode();
  connect(drawing_, &DrawingBar::Redrawn, this, [this] {
    Redraw();
    Refresh();
  });
}

void MainWindow::Run(MenuItem item) {
  const MenuRoute route = RouteOf(item);
  switch (route.Target) {
    case MenuTarget::Command:
      // A notice stays on the status line for half a minute, or until the next one.
      if (const std::string notice = commands_.RunKey(item); !notice.empty())
        statusBar()->showMessage(QString::fromStdString(notice), 30000);
      break;
    case MenuTarget::Exit: close(); return;
    case MenuTarget::DataWindow:
      commands_.DataWindowClosed(item, ShowListWindow(route.Window, model_, messages_, this));
      break;
    case MenuTarget::ResultsWindow:
      if (route.Window == FormId::Disp) sawDisplacements_ = true;
      ShowResultsWindow(route.Window, commands_, messages_, this);
      break;
    case MenuTarget::LoadCases:
    case MenuTarget::Combinations:
      ShowLoadCaseDialog(commands_, route.Target == MenuTarget::Combinations, this);
      break;
    case MenuTarget::MethodSteps:
      // A combination or an envelope has no trail of its own.
      if (const std::string reason = commands_.NoTrailReason(); !reason.empty())
        messages_.ShowInformation("Step by Step", reason);
      else if (const MethodTrail* trail = commands_.ShownTrail()) {
        sawMethodSteps_ = true;
        ShowMethodStepsWindow(commands_.ShownModel(), commands_.ShownResults(), *trail, this);
      }
      break;
    case MenuTarget::CheckWork:
      ShowCheckWorkWindow(model_, commands_.Results(), commands_.Trail(), messages_, this);
      break;
    case MenuTarget::HelpPage:
    case MenuTarget::Tour:
    case MenuTarget::HelpOnWindow:
    case MenuTarget::About: RunHelp(route); break;
    case MenuTarget::Nothing: break;
  }
  Refresh();
}

void MainWindow::Refresh() {
  const MenuState menus = commands_.Menus();
  for (const MenuItemInfo& info : MenuItems()) {
    const std::size_t index = static_cast<std::size_t>(info.Item);
    if (actions_[index]) actions_[index]->setVisible(menus.Visible(info.Item));
    if (hiddenItemKeys_[index]) hiddenItemKeys_[index]->setEnabled(!menus.Visible(info.Item));
  }
  savePicture_->setVisible(commands_.ProjectOpen());
  viewMenu_->menuAction()->setVisible(commands_.ProjectOpen());
  if (!commands_.ProjectOpen()) drawAction_->setChecked(false);
  if (drawing_->Active()) drawing_->Follow();
  actions_[static_cast<std::size_t>(M::MnuProjRecent)]->setEnabled(
      !commands_.Prefs().Recent.Empty());
  projectFile_->setText(QString::fromStdString(model_.ProjectFile));
  setWindowTitle(QString::fromStdString(MainWindowTitle(commands_.Session(), model_.ProjectFile)));
  Action(M::MnuEditUndo)->setText("&" + QString::fromStdString(commands_.UndoCaption()));
  Action(M::MnuEditUndo)->setEnabled(commands_.CanUndo());
  Action(M::MnuEditRedo)->setText("&" + QString::fromStdString(commands_.RedoCaption()));
  Action(M::MnuEditRedo)->setEnabled(commands_.CanRedo());
  DescribeDrawing();
  units_->setText(QString::fromStdString(commands_.Labels().Units));
  units_->setAccessibleName(
      QString::fromStdString(LabelledValue("Units", commands_.Labels().Units)));
  precision_->setText(QString::fromStdString(commands_.PrecisionStatus()));
  precision_->setAccessibleName(QString::fromStdString(
      LabelledValue("Precision of the results", commands_.PrecisionStatus())));
  SavePreferences(commands_.Prefs());
  if (commands_.Session().ResultsShown()) {
    if (diagramsMenuType_ != model_.StructType) FillDiagramsMenu();
  } else if (shownDiagram_) {
    ShowDiagram(std::nullopt);  // the results it drew are gone
  }
  labels_[8]->setVisible(menus.Visible(M::Label8));
  combo_->setVisible(menus.Visible(M::Combo1));
  redraw_->setVisible(menus.Visible(M::ReDraw));
  for (int n = 1; n <= 7; ++n)
    labels_[static_cast<std::size_t>(n)]->setText(
        QString::fromStdString(commands_.Labels().Text[static_cast<std::size_t>(n)]));
  QStringList choices;
  for (const std::string& choice : commands_.MultiplierChoices())
    choices << QString::fromStdString(choice);
  QStringList listed;
  for (int i = 0; i < combo_->count(); ++i) listed << combo_->itemText(i);
  if (combo_->currentText().toStdString() != commands_.MultiplierText() || listed != choices) {
    restoringMultiplier_ = true;
    // A new analysis brings a new scale: the list follows the value chosen for it.
    if (listed != choices) {
      combo_->clear();
      combo_->addItems(choices);
    }
    combo_->setEditText(QString::fromStdString(commands_.MultiplierText()));
    restoringMultiplier_ = false;
  }
  ArrangeLayout();
  UpdateTour();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  // A double-click on the multiplier takes its value and redraws at once.
  if (watched == combo_->lineEdit() && event->type() == QEvent::MouseButtonDblClick) {
    MultiplierEntered(combo_->currentText());
    Redraw();
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (commands_.ConfirmExit()) {
    event->accept();
    commands_.Prefs().WindowGeometry = saveGeometry().toStdString();
  } else {
    event->ignore();
  }
  Refresh();
}

void MainWindow::FillRecentMenu() {
  recentMenu_->clear();
  const RecentProjects& recent = commands_.Prefs().Recent;
  for (std::size_t i = 0; i < recent.Paths().size(); ++i) {
    QAction* entry = recentMenu_->addAction(QString::fromStdString(recent.Caption(i)));
    connect(entry, &QAction::triggered, this, [this, path = recent.Paths()[i]] {
      commands_.OpenRecentProject(path);
      Refresh();
    });
  }
}

void MainWindow::MultiplierEntered(const QString& text) {
  // The message box takes the focus, which ends the entry once more; the text is the accepted
  // one by then.
  if (restoringMultiplier_ || text.toStdString() == commands_.MultiplierText()) return;
  std::string refusal = commands_.SetMultiplierText(text.toStdString());
  if (refusal.empty()) return;
  // Once the combo box has finished its own handling of the key, which would otherwise put
  // its current item over the restored text.
  QTimer::singleShot(0, this, [this, refusal] {
    Refresh();  // back to the last accepted value
    messages_.ShowStop("Deflection Multiplier", refusal);
    combo_->lineEdit()->setFocus();
    combo_->lineEdit()->selectAll();
  });
}

void MainWindow::DescribeDrawing() {
  // A changed description reaches a screen reader as an accessibility event of its own.
  canvas_->setAccessibleDescription(QString::fromStdString(
      StructureDescription(model_, commands_.Results(), canvas_->Focused())));
}

void MainWindow::Redraw() {
  // A closed project leaves an empty model, and the fresh window of the next project starts with
  // an empty picture.
  if (model_.JointCount < 1) canvas_->Cls();
  if (!commands_.ProjectOpen()) {
    DrawStartHint(*canvas_, ExamplesFolder());
    return;
  }
  DrawingView view;
  view.Numbers = numbers_->isChecked();
  view.Multiplier = commands_.Multiplier();
  if (drawing_->Active()) {
    DrawInDrawingMode(view);
  } else {
    PlotStructure(commands_.ShownModel(), commands_.ShownResults(), *canvas_, FormId::mcas,
                  messages_, view);
    if (localAxes_->isChecked()) DrawLocalAxes(model_, *canvas_, view);
  }
  if (shownDiagram_) DrawDiagram();
}

void MainWindow::OpenMemberWindow(int member) {
  // After an analysis the member's own window shows its diagrams and loads; before one, a box
  // shows its data.
  if (commands_.Session().ResultsShown()) {
    OpenMemberDiagrams(member);
    return;
  }
  const std::string text = PickedItemText(commands_.ShownModel(), commands_.ShownResults(),
                                          {PickedItem::Kind::Member, member});
  if (!text.empty()) messages_.ShowInformation("Member " + std::to_string(member), text);
}

}  // namespace stavelorn
