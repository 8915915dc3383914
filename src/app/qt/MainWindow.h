// The main window `mcas`: title and count labels, the drawing canvas, the deflection multiplier
// controls and the menus. Every decision is ProjectCommands's; this window builds the controls,
// forwards the user's commands and shows the commands' menus and labels afterwards.
#pragma once

#include <QMainWindow>
#include <array>
#include <map>
#include <memory>
#include <optional>

#include "analysis/MemberDiagrams.h"
#include "app/MenuRoutes.h"
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
class QShortcut;

namespace stavelorn {

class DrawingBar;
class TourWindow;
struct DrawingView;

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
  // The "Local Axes" toggle of the View menu.
  QAction* LocalAxesAction() const { return localAxes_; }
  // The "Joint and Member Numbers" toggle of the View menu.
  QAction* NumbersAction() const { return numbers_; }
  // The internal-force diagram beside the structure, shown while a diagram is chosen.
  PictureBox* DiagramCanvas() const { return diagramCanvas_; }
  QMenu* DiagramsMenu() const { return diagramsMenu_; }
  // Draws the diagram of `quantity` beside the structure, or none.
  void ShowDiagram(std::optional<DiagramQuantity> quantity);
  // Opens the member window of member `member` (after an analysis).
  void OpenMemberDiagrams(int member);

  // Shows the commands' menus, labels and multiplier text.
  void Refresh();

  // CommandWindows
  bool ShowTitleDialog() override;
  bool ChooseUnits(UnitSystem& units) override;
  bool ChoosePrecision(AnalysisPrecision& precision) override;
  bool ChoosePreferences(RoutineAnswers& answers) override;
  bool ChooseStabilityOptions(StabilityOptions& options) override;
  bool ChooseVariants(VariantsChoice& choice) override;
  bool ShowBucklingModes(const CriticalLoads& loads, const StabilityOptions& options) override;
  bool ShowSecondOrder(const SecondOrderRun& run, const StabilityOptions& options) override;
  void Redraw() override;
  std::unique_ptr<ReportPrinter> OpenPrinter() override;
  bool ChoosePrintOptions(PrintOptions& options) override;
  void ShowPrintPreview(const PrintOptions& options,
                        const std::vector<const PagePicture*>& pictures,
                        const PrintedInfluence* influence) override;
  std::vector<std::unique_ptr<PagePicture>> DiagramPictures() override;
  std::unique_ptr<PagePicture> PrintablePicture(DiagramPage page) override;

  // The Getting Started window, once Help → Getting Started has opened it.
  TourWindow* Tour() const { return tour_; }

  QMenu* RecentMenu() const { return recentMenu_; }
  QLabel* ProjectFileLabel() const { return projectFile_; }
  QLabel* UnitsLabel() const { return units_; }
  // "double precision" while the results shown come from a run in double precision alone.
  QLabel* PrecisionLabel() const { return precision_; }
  // View > Draw Structure and its toolbar.
  QAction* DrawAction() const { return drawAction_; }
  DrawingBar* Drawing() const { return drawing_; }

 public slots:
  // A member was clicked on the drawing: shows its data and, after an analysis, its end forces.
  // This is where the member's own window opens once it exists.
  void OpenMemberWindow(int member);
  // The drawing's accessible description, with the item under the keyboard focus, made anew.
  void DescribeDrawing();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void BuildMenus();
  // A menu item chosen, or its key pressed while the item is hidden (ProjectCommands::RunKey).
  void Run(MenuItem item);
  void ArrangeLayout();
  // The size the window opens at when no saved geometry is restored over it.
  void ResizeToDefault();
  // The multiplier's entry is complete: taken, or refused with a message and the box selected.
  void MultiplierEntered(const QString& text);
  void SavePicture();
  void BuildViewMenu(QMenu* before);
  // View > Draw Structure: the toolbar, its status words and its marks over the picture.
  void BuildDrawingMode();
  // Redraw's picture while the drawing mode is on.
  void DrawInDrawingMode(DrawingView& view);
  void FillRecentMenu();
  // The Diagrams menu of the analysed type: none, each of its quantities, the member window.
  void FillDiagramsMenu();
  void DrawDiagram();
  // The Help menu's routes: a page, the tour, the page of the window in use, About.
  void RunHelp(const MenuRoute& route);
  // Hands the tour the project's state; the results windows seen count while results are shown.
  void UpdateTour();

  ModelStore& model_;
  QtMessages qtMessages_;
  QtFileDialogs qtDialogs_;
  Messages& messages_;
  FileDialogs& dialogs_;
  ProjectCommands commands_;
  std::array<QAction*, kMenuItemCount> actions_{};
  // Each item's keys while the item is hidden, which takes its action's keys away.
  std::array<QShortcut*, kMenuItemCount> hiddenItemKeys_{};
  std::array<QLabel*, 9> labels_{};
  QLabel* units_ = nullptr;
  QLabel* precision_ = nullptr;
  QComboBox* combo_ = nullptr;
  QPushButton* redraw_ = nullptr;
  PictureBox* canvas_ = nullptr;
  QAction* savePicture_ = nullptr;
  QMenu* viewMenu_ = nullptr;
  QAction* localAxes_ = nullptr;
  QAction* numbers_ = nullptr;
  QMenu* recentMenu_ = nullptr;
  QLabel* projectFile_ = nullptr;
  PictureBox* diagramCanvas_ = nullptr;
  QMenu* diagramsMenu_ = nullptr;
  std::string diagramsMenuType_;  // the type the Diagrams menu was filled for
  std::optional<DiagramQuantity> shownDiagram_;
  bool restoringMultiplier_ = false;
  TourWindow* tour_ = nullptr;
  DrawingBar* drawing_ = nullptr;
  QAction* drawAction_ = nullptr;
  QLabel* drawStatus_ = nullptr;
  bool sawDisplacements_ = false, sawDiagram_ = false, sawMethodSteps_ = false;
};

}  // namespace stavelorn
