// The main window's commands as the program decides them: New, Open, Change Project Title,
// Units, Save, Save As, Print, Close, Exit, the data menus, Analyze, Edit Data, Undo, Redo and
// the deflection multiplier. Each works on the open project's session and talks to the user
// only through Messages and FileDialogs, and to the windows only through CommandWindows, so
// tests drive every flow with scripted answers. The menus are computed from the session, never
// kept. The commands are written in four files, each calling only those after it: this one's
// .cpp (the project and its history), AnalysisCommands.cpp, ProjectFileCommands.cpp and
// PrintCommands.cpp; StabilityCommands.cpp calls none of them, LoadCaseCommands.cpp only the
// first.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "analysis/InfluenceLine.h"
#include "app/CommandWindows.h"
#include "app/MainLabels.h"
#include "app/MenuRoutes.h"
#include "app/MenuState.h"
#include "app/Preferences.h"
#include "app/ProjectSession.h"
#include "app/ShownPrint.h"
#include "model/ModelStore.h"
#include "ui/FileDialogs.h"
#include "ui/Messages.h"

namespace stavelorn {

struct AnalysisRun;

class ProjectCommands {
 public:
  // The routine questions asked through `messages` keep their answers in the preferences.
  ProjectCommands(ModelStore& model, Messages& messages, FileDialogs& dialogs,
                  CommandWindows& windows);
  ~ProjectCommands() { messages_.KeepRoutineAnswersIn(nullptr); }
  ProjectCommands(const ProjectCommands&) = delete;
  ProjectCommands& operator=(const ProjectCommands&) = delete;

  // The entry routine: an empty model, no project.
  void Start();

  // The menus the window shows now: a function of the phase and the data.
  MenuState Menus() const { return MenuState(session_.CurrentPhase(), model_); }
  const MainLabels& Labels() const { return labels_; }
  const ProjectSession& Session() const { return session_; }
  // What the analysis shown found (its mechanism after a failed one); empty (kNoResults) when
  // none is shown.
  const StructureResults& Results() const { return session_.Results(); }
  bool ProjectOpen() const { return session_.Open(); }
  bool HasUnsavedChanges() const { return session_.Unsaved(); }
  // What outlives the project; the window reads it from the settings and writes it back.
  Preferences& Prefs() { return preferences_; }
  const Preferences& Prefs() const { return preferences_; }

  // The method step by step of the analysis whose results are shown, or nullptr.
  const MethodTrail* Trail() const {
    return session_.ResultsShown() ? session_.Analysis()->Trail.get() : nullptr;
  }
  // The Influence Lines window has shown `line` last; Print Options offers to print it until the
  // results are dropped.
  void KeepInfluenceLine(InfluenceLine line, std::optional<LoadTrain> train = std::nullopt) {
    session_.KeepInfluenceLine(std::move(line), std::move(train));
  }

  // Carries out a menu item whose route is MenuTarget::Command (any other item does nothing)
  // and returns what the status line says of its outcome ("Report printed to ..."), or "".
  std::string Run(MenuItem item);

  // A menu item's key, pressed whatever the menus show (MeaningOfKey); returns the status line's
  // notice, which says why when the key cannot be carried out now.
  std::string RunKey(MenuItem item);

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
  // Save writes over the project's file, or asks for one as Save As does when it has none.
  bool SaveProject();
  bool SaveProjectAs();
  // Print and Print Preview: the "Print Options" dialog first, with the ticks last chosen,
  // then the chosen sections. A report printed to a file is named in a message, and Print
  // returns the status line's notice of it.
  std::string Print();
  void PrintPreview();
  // Project > Precision…: the "Precision" dialog, which takes effect at the next analysis.
  void ChoosePrecision();
  // Project > Preferences…: the "Preferences" dialog, where the routine questions answered with
  // "Don't ask again" are asked again or given another answer.
  void ChoosePreferences();
  // What the status line says of the precision of the results shown: "double precision" after an
  // analysis in double precision alone, else "".
  std::string PrecisionStatus() const;
  // Exercise > Make Variants…: the project's variants and their key written into the folder the
  // "Make Variants" dialog chose, as the batch tool's --variants writes them (VariantCommands
  // .cpp); returns the status line's notice of them, or "".
  std::string MakeVariants();
  // Close Project and Exit: false when the user chose to keep the project open.
  bool CloseProject();
  bool ConfirmExit();

  // A data window opened from `menu` has closed; `committed` when it closed with its Close
  // button, which writes its grid into the model.
  void DataWindowClosed(MenuItem menu, bool committed);

  // Both return the status line's notice of a report they printed to a file, or "".
  std::string Analyze();
  std::string EditData();

  // Stability > Critical Load… and Second-Order Analysis, on the results shown (StabilityCommands
  // .cpp), with the members divided as Stability > Options… chose: the smallest load factors of
  // the project's loads with their modes drawn (or told in a message where the windows cannot
  // draw them), or the second-order results beside the first-order ones with their
  // amplification (in a window, or a message where there is none), kept for the printed report;
  // a structure with no compression or loads at or above the critical load are said so.
  void ShowCriticalLoad();
  void ShowSecondOrder();
  void ChooseStabilityOptions();

  // Loads > Load Cases… and Load Combinations… (LoadCaseCommands.cpp): each edit that changes the
  // data is one step of the history; a refusal is said through Messages and changes nothing.
  // Deleting a case that holds loads asks first. Each returns whether the data changed.
  bool AddLoadCase(const std::string& name);
  bool RenameLoadCase(int c, const std::string& name);
  bool DeleteLoadCase(int c);
  bool MoveLoadCase(int c, int to);
  bool AddCombination(const std::string& name);
  bool RenameCombination(std::size_t k, const std::string& name);
  bool DeleteCombination(std::size_t k);
  // `text` is the factor of case `c` in combination `k`, as typed.
  bool SetCombinationFactor(std::size_t k, int c, const std::string& text);
  // "Show:" beside the results: the windows, drawings, tooltips and Step by Step follow choice
  // `choice` of the analysis (ShownCases.h); the drawing is redrawn.
  void ChooseShown(std::size_t choice);
  const ModelStore& ShownModel() const { return session_.ShownModel(); }
  const StructureResults& ShownResults() const { return session_.ShownResults(); }
  // Why Step by Step cannot follow the choice shown; "" when it can, and ShownTrail is its trail.
  std::string NoTrailReason() const { return session_.NoTrailReason(); }
  const MethodTrail* ShownTrail() const { return session_.ShownTrail(); }
  // The Edit menu: every committed change of the project is one step (see Change). Undoing or
  // redoing a change of the data drops the results shown, as Edit Data does; undoing back to
  // the saved state leaves nothing unsaved. New and Open start a fresh history.
  bool CanUndo() const { return session_.CanUndo(); }
  bool CanRedo() const { return session_.CanRedo(); }
  std::string UndoCaption() const { return session_.UndoCaption(); }
  std::string RedoCaption() const { return session_.RedoCaption(); }
  void Undo();
  void Redo();
  // The drawing mode changed the data as they stand: the results shown no longer describe them,
  // and the change is one step of the history.
  void DataDrawn(Change change);

  // The multiplier box (MultiplierEntry): the value the drawings magnify the deformed shape by,
  // its text, its list, what is typed and entered.
  std::int32_t Multiplier() const { return session_.Multiplier().Value(); }
  const std::string& MultiplierText() const { return session_.Multiplier().Text(); }
  std::vector<std::string> MultiplierChoices() const { return session_.Multiplier().Choices(); }
  void TypeMultiplierText(const std::string& text);
  std::string SetMultiplierText(const std::string& text);

 private:
  // A fresh session on the model as it stands (see ProjectSession).
  void StartSession(bool saved);
  bool AskProjectFileName();
  // A change of units has been made to the model: results dropped with converted data, the
  // step recorded, labels and drawing renewed.
  void CommitUnitsChange(bool converted);
  bool WriteProject();
  bool SaveBeforeDiscarding();
  std::string ShowAnalysisOutcome(const AnalysisRun& run);
  // After a slow single-precision analysis of a large model, once per project: offers to solve
  // in double precision from now on.
  void OfferDoublePrecision(const AnalysisRun& run);
  // Labels and drawing as the model now stands.
  void ShowCurrentModel();
  // A load-case edit's `refusal` is said, or the edit becomes the step `change`.
  bool CommitLoadCaseEdit(const std::string& refusal, Change change);
  std::string PrintSections(const PrintOptions& options);
  bool ChoosePrintOptions(PrintOptions& options);
  // The windows' diagram pictures when `options` print the diagrams, else none.
  std::vector<std::unique_ptr<PagePicture>> DiagramPictures(const PrintOptions& options);
  // The kept influence line's section when `options` print it, else none.
  std::optional<PrintedInfluence> InfluenceToPrint(const PrintOptions& options);

  ModelStore& model_;
  Messages& messages_;
  FileDialogs& dialogs_;
  CommandWindows& windows_;
  ProjectSession session_;
  MainLabels labels_;
  Preferences preferences_;
};

}  // namespace stavelorn
