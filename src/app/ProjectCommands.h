// The main window's commands as the program decides them: New, Open, Change Project Title, Save,
// Save As, Print, Close, Exit, the data menus, Analyze, Edit Data and the deflection multiplier.
// Each works on the model and talks to the user only through Messages and FileDialogs, and to
// the windows only through CommandWindows, so tests drive every flow with scripted answers.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "analysis/AnalysisRun.h"
#include "analysis/InfluenceLine.h"
#include "app/DiagramPages.h"
#include "app/MainLabels.h"
#include "app/MenuState.h"
#include "app/PrecisionChoice.h"
#include "app/RecentProjects.h"
#include "editors/EditHistory.h"
#include "model/ModelStore.h"
#include "reports/PrintCommand.h"
#include "reports/PrintOptions.h"
#include "reports/ReportPrinter.h"
#include "ui/FileDialogs.h"
#include "ui/Messages.h"

namespace stavelorn {

// What the commands need from the windows they cannot own.
class CommandWindows {
 public:
  virtual ~CommandWindows() = default;
  // Shows the project title dialog modally; true when it was closed with OK (and applied).
  virtual bool ShowTitleDialog() = 0;
  // Redraws the structure, with its deformed shape after an analysis, on the main canvas.
  virtual void Redraw() = 0;
  // A printer for one report, or nullptr when the user backed out (of choosing a PDF file, say).
  virtual std::unique_ptr<ReportPrinter> OpenPrinter() = 0;
  // Shows the units dialog on `units`; true when it was closed with OK.
  virtual bool ChooseUnits(UnitSystem& units) = 0;
  // Shows the "Precision" dialog on `precision`; true when it was closed with OK. Windows
  // without the dialog leave the precision as it is.
  virtual bool ChoosePrecision(AnalysisPrecision& precision) {
    (void)precision;
    return false;
  }
  // Shows the "Print Options" dialog on `options`; true when it was closed with OK.
  virtual bool ChoosePrintOptions(PrintOptions& options) = 0;
  // Shows the pages Print would print with `options`, the diagrams' `pictures` and the
  // `influence` line (when given), from where they can be printed.
  virtual void ShowPrintPreview(const PrintOptions& options,
                                const std::vector<const PagePicture*>& pictures,
                                const PrintedInfluence* influence) = 0;
  // The diagrams' pictures in a form the printer OpenPrinter gives can paint (see DiagramPages);
  // none where the windows have no printer that draws.
  virtual std::vector<std::unique_ptr<PagePicture>> DiagramPictures() { return {}; }
  // `page` in a form the printer OpenPrinter gives can paint; none where it cannot draw.
  virtual std::unique_ptr<PagePicture> PrintablePicture(DiagramPage page) {
    (void)page;
    return nullptr;
  }
};

// The largest deflection multiplier the model stores.
inline constexpr std::int32_t kLargestMultiplier = 2147483647;

class ProjectCommands {
 public:
  ProjectCommands(ModelStore& model, Messages& messages, FileDialogs& dialogs,
                  CommandWindows& windows);

  // The entry routine: an empty model and a fresh main window.
  void Start();

  const MenuState& Menus() const { return menus_; }
  const MainLabels& Labels() const { return labels_; }
  bool HasUnsavedChanges() const { return unsaved_; }
  const std::string& MultiplierText() const { return multiplierText_; }
  // The projects last opened or saved; the window keeps them between sessions.
  const RecentProjects& Recent() const { return recent_; }
  void SetRecent(const RecentProjects& recent) { recent_ = recent; }
  // What the last analysis found; empty (kNoResults) before one and once the data it describes
  // have changed.
  const StructureResults& Results() const { return results_; }
  // The method step by step of the analysis whose results are shown, or nullptr when none are.
  const MethodTrail* Trail() const { return results_.Complete() ? trail_.get() : nullptr; }
  // The Influence Lines window has shown `line` last; Print Options offers to print it until the
  // next analysis or project.
  void KeepInfluenceLine(InfluenceLine line) { influence_ = std::move(line); }
  // The line kept from the analysis whose results are shown, or nullptr.
  const InfluenceLine* KeptInfluenceLine() const {
    return results_.Complete() && influence_ ? &*influence_ : nullptr;
  }

  void NewProject();
  void ChangeProjectTitle();
  // Project > Units...: names, changes or drops the project's units. Between two named systems
  // a project with values asks whether to convert them or only relabel them.
  void ChangeUnits();
  void OpenProject();
  // Opens the given file as the Open command does after its dialog; false when nothing usable
  // was read.
  bool OpenProjectFile(const std::string& path);
  // Open Recent: a file that no longer exists is taken off the list, with a message.
  bool OpenRecentProject(const std::string& path);
  bool SaveProject();
  bool SaveProjectAs();
  // Print and Print Preview: the "Print Options" dialog first, with the ticks last chosen,
  // then the chosen sections. A report printed to a file names the file in a message and in
  // Notice().
  void Print();
  void PrintPreview();
  // The sections last chosen in "Print Options" (PrintOptions::Remembered); the window keeps
  // them between sessions.
  const std::string& PrintChoice() const { return printChoice_; }
  void SetPrintChoice(const std::string& choice) { printChoice_ = choice; }
  // The arithmetic Analyze solves in (Project > Precision…); the window keeps its Setting()
  // between sessions.
  const PrecisionChoice& Precision() const { return precision_; }
  void RestorePrecision(const std::string& setting) { precision_.Restore(setting); }
  // Project > Precision…: the "Precision" dialog, which takes effect at the next analysis.
  void ChoosePrecision();
  // What the status line says of the precision of the results shown: "double precision" after an
  // analysis in double precision alone, else "".
  std::string PrecisionStatus() const;
  // What the status line says of the last command's outcome ("Report printed to ..."), or "".
  const std::string& Notice() const { return notice_; }
  // Close Project and Exit: false when the user chose to keep the project open.
  bool CloseProject();
  bool ConfirmExit();

  // Carries out a menu item whose route is MenuTarget::Command; any other item does nothing.
  void Run(MenuItem item);

  // A results window has closed: the main window is current again.
  void ResultsWindowClosed() { model_.CurrentForm = FormId::mcas; }

  // A data window opened from `menu` has closed; `committed` when it closed with its Close
  // button, which writes its grid into the model.
  void DataWindowClosed(MenuItem menu, bool committed);
  // The Loads menu was opened.
  void LoadsMenuOpened();

  void Analyze();
  void EditData();

  // The Edit menu: every committed change of the project is one step, named after what it
  // changed. Undoing or redoing a change of the data drops the results shown, as Edit Data does;
  // undoing back to the saved state leaves nothing unsaved. New and Open start a fresh history.
  bool CanUndo() const { return history_.CanUndo(); }
  bool CanRedo() const { return history_.CanRedo(); }
  // "Undo Joints", "Redo Project Title"; "Undo" and "Redo" when there is nothing to take.
  std::string UndoCaption() const;
  std::string RedoCaption() const;
  void Undo();
  void Redo();
  // The one way a command commits a change of the project: the model as it now stands becomes
  // the step `step` ("Joints", "Project Title", "Units"), unless nothing changed.
  void RecordChange(const std::string& step);

  // The multiplier box's list: the multiplier the last analysis chose and a few multiples of it.
  std::vector<std::string> MultiplierChoices() const;

  // The multiplier's text as it is being typed: taken at once when it is a positive whole number
  // (so typing 12 sets 12); anything else waits for the end of the entry.
  void TypeMultiplierText(const std::string& text);
  // The multiplier's entry is complete (picked, Return, the box left, a double-click). Returns ""
  // when accepted, else the reason it was refused, naming the box and what was typed; the
  // multiplier then keeps its last accepted value.
  std::string SetMultiplierText(const std::string& text);

 private:
  bool AskProjectFileName();
  // A change of units has been made to the model: unsaved, results dropped with converted data,
  // labels and drawing renewed.
  void CommitUnitsChange(bool converted);
  bool WriteProject();
  bool SaveBeforeDiscarding();
  void ShowAnalysisOutcome(const AnalysisRun& run);
  // After a slow single-precision analysis of a large model, once per project: offers to solve
  // in double precision from now on.
  void OfferDoublePrecision(const AnalysisRun& run);
  // Labels and drawing as the model now stands.
  void ShowCurrentModel();
  void AcceptMultiplier(const std::string& text);
  // Puts a multiplier in use, the box showing exactly its value.
  void SetMultiplier(std::int32_t multiplier);
  void PrintSections(const PrintOptions& options);
  bool ChoosePrintOptions(PrintOptions& options);
  // Puts a state of the history in place: the data, then the menus and results it allows.
  void RestoreProject(const ModelStore& state);
  // The windows' diagram pictures when `options` print the diagrams, else none.
  std::vector<std::unique_ptr<PagePicture>> DiagramPictures(const PrintOptions& options);
  // The kept influence line's section when `options` print it, else none.
  std::optional<PrintedInfluence> InfluenceToPrint(const PrintOptions& options);

  ModelStore& model_;
  Messages& messages_;
  FileDialogs& dialogs_;
  CommandWindows& windows_;
  MenuState menus_;
  MainLabels labels_;
  RecentProjects recent_;
  bool unsaved_ = false;
  std::string multiplierText_ = " 5";
  std::int32_t automaticMultiplier_ = 5;
  std::shared_ptr<const MethodTrail> trail_;
  StructureResults results_;
  EditHistory<ModelStore> history_;
  std::string printChoice_;
  PrecisionChoice precision_;
  std::string notice_;
  std::optional<InfluenceLine> influence_;
};

}  // namespace stavelorn
