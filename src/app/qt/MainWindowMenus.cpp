// The main window's menus: the menu bar built from the menu table, the View menu and the
// recent projects' list.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

#include "app/MenuRoutes.h"
#include "app/qt/DrawingBar.h"
#include "app/qt/MainWindow.h"
#include "graphics/qt/PictureBox.h"
#include "ui/AccessibleNames.h"

namespace stavelorn {

namespace {

using M = MenuItem;

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
}  // namespace stavelorn
