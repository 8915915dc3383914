// One open project as the commands keep it: its data, the history of its committed changes
// (whose saved mark tells whether the data differ from the file), the deflection multiplier
// and the analysis whose results are shown. Whatever belongs to one analysis lives in
// ShownAnalysis, so dropping the results is one DropAnalysis(). A new or opened project is a
// new session; what outlives projects is in Preferences.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "analysis/AnalysisRun.h"
#include "analysis/InfluenceLine.h"
#include "analysis/LoadCaseResults.h"
#include "analysis/MethodTrail.h"
#include "analysis/MovingLoad.h"
#include "analysis/SecondOrder.h"
#include "analysis/StructureResults.h"
#include "app/MenuState.h"
#include "app/MultiplierEntry.h"
#include "app/ShownCases.h"
#include "app/StabilityOptions.h"
#include "editors/EditHistory.h"
#include "model/ModelStore.h"
#include "reports/ResultEnvelope.h"

namespace stavelorn {

// Every change of a project that is one step of its history, named as Undo and Redo show it.
enum class Change {
  ProjectTitle,
  Units,
  Joints,
  Materials,
  CrossSections,
  Members,
  JointLoads,
  MemberLoads,
  SupportDisplacements,
  TemperatureChanges,
  FabricationErrors,
  LoadCases,
  LoadCombinations,
};

// "Project Title", "Cross-Sections", "Joint Loads".
const char* ChangeName(Change change);
// The change ChangeName names `name`; std::nullopt for any other text.
std::optional<Change> ChangeNamed(const std::string& name);
// The change a data window opened from `menu` commits; std::nullopt for a menu item that opens
// no data window.
std::optional<Change> ChangeOfDataWindow(MenuItem menu);

// Everything one analysis leaves for the windows; dropped all together.
struct ShownAnalysis {
  // What the run found: the status, the results of a complete analysis, the mechanism of a
  // failed one, and whether it solved in double precision alone.
  StructureResults Results;
  // The method step by step of a complete analysis, as the run that stored the results made it.
  std::shared_ptr<const MethodTrail> Trail;
  // The line the Influence Lines window showed last, which Print Options offers to print.
  std::optional<InfluenceLine> Influence;
  std::optional<LoadTrain> InfluenceTrain;  // the moving load shown on it, if any
  // A project with load cases: every case's and combination's results, which the report prints.
  std::vector<CaseResults> LoadCases, Combinations;
  // The last settled run of Stability > Second-Order Analysis on these results, which the
  // printed report adds beside them.
  std::shared_ptr<const SecondOrderRun> SecondOrder;
  // The case whose loads the load lists showed at Analyze: the one Results and Trail are of.
  int AnalysedCase = 1;
  // What "Show:" offers (none for a project of one case) and the choice shown.
  std::vector<ShownChoice> Choices;
  std::size_t Shown = 0;
  // For a choice other than the analysed case: the data with its loads and its results (none for
  // the envelope), and the envelope with its diagrams when that is shown.
  std::shared_ptr<const ModelStore> ChosenModel;
  StructureResults ChosenResults;
  std::shared_ptr<const ResultEnvelope> Envelope;
  // For another load case: its method steps beside the structure's of Trail (CaseTrail.h).
  std::shared_ptr<const MethodTrail> ChosenTrail;

  bool Complete() const { return Results.Complete(); }
};

class ProjectSession {
 public:
  // A session on `data` as it stands, counted as saved when `saved` (a project just opened, or
  // no project) and as unsaved otherwise (a new project, a damaged file half read).
  explicit ProjectSession(ModelStore& data, bool saved);

  ModelStore& Data() const { return *data_; }
  // A project always has a type: New requires one and Open keeps nothing without one.
  bool Open() const { return !data_->StructType.empty(); }
  bool HasFile() const { return !data_->ProjectFile.empty(); }
  // Whether the data differ from the file they were last read from or saved to.
  bool Unsaved() const { return !history_.AtSaved(); }
  void MarkSaved() { history_.MarkSaved(); }

  // What the menus follow: no project, data being entered, or the results shown.
  Phase CurrentPhase() const;

  // The data as they now stand become the step `change`, unless they equal the last step.
  void RecordChange(Change change);
  // Every state of the data the history keeps, with the steps' names and the saved mark.
  const EditHistory<ModelStore>& History() const { return history_; }
  bool CanUndo() const { return history_.CanUndo(); }
  bool CanRedo() const { return history_.CanRedo(); }
  // "Undo Joints", "Redo Project Title"; "Undo" and "Redo" when there is nothing to take.
  std::string UndoCaption() const;
  std::string RedoCaption() const;
  // Puts the previous (next) step's data in place. The results stay shown when only the title
  // differs, since the title changes no result; any other difference drops them.
  void Undo();
  void Redo();

  MultiplierEntry& Multiplier() { return multiplier_; }
  const MultiplierEntry& Multiplier() const { return multiplier_; }

  // The analysis whose results (or mechanism) are shown, if any.
  const std::optional<ShownAnalysis>& Analysis() const { return analysis_; }
  bool ResultsShown() const { return analysis_ && analysis_->Complete(); }
  // Shows what `run` found (the trail only of a complete analysis); the deformed shape takes the
  // automatic multiplier, unless the run moved nothing.
  void ShowRun(const AnalysisRun& run);
  // A stability analysis ran on the results shown: their trail gains each member's geometric
  // stiffness [kg] and the structure's [Kg], which Step by Step and the printed method then show.
  void AddGeometricStiffnessToTrail();
  // Stability > Second-Order Analysis settled on the results shown: kept with them.
  void KeepSecondOrder(SecondOrderRun run);
  // The results, trail, mechanism and kept influence line no longer describe the data.
  void DropAnalysis();
  // The results shown, or empty ones (kNoResults) when none are.
  const StructureResults& Results() const;
  // "Show:": the results windows, drawings, tooltips and Step by Step follow choice `choice` of
  // the analysis' Choices; a choice out of range changes nothing.
  void ChooseShown(std::size_t choice);
  // The data with the loads of the choice shown, and its results: the model and Results() but
  // for another case or a combination; no results for the envelope.
  const ModelStore& ShownModel() const;
  const StructureResults& ShownResults() const;
  // The envelope when it is the choice shown, else nullptr.
  const ResultEnvelope* ShownEnvelope() const;
  // Why Step by Step cannot follow the choice shown (ShownCases.h); "" when it can.
  std::string NoTrailReason() const;
  // The method step by step of the load case shown, or nullptr (a combination, the envelope, no
  // complete analysis).
  const MethodTrail* ShownTrail() const;
  // The Influence Lines window showed `line` (with `train` moving on it); kept with the results
  // it was drawn from.
  void KeepInfluenceLine(InfluenceLine line, std::optional<LoadTrain> train = std::nullopt);

  // Double precision is offered once per project, after a slow analysis of a large model.
  bool DoublePrecisionOffered() const { return precisionOffered_; }
  void DoublePrecisionWasOffered() { precisionOffered_ = true; }

  // Stability > Options…: kept while the project is open, whatever is analysed.
  const StabilityOptions& Stability() const { return stability_; }
  void ChooseStability(const StabilityOptions& options) { stability_ = options; }

 private:
  void Restore(const ModelStore& state);

  ModelStore* data_;
  EditHistory<ModelStore> history_;
  MultiplierEntry multiplier_;
  std::optional<ShownAnalysis> analysis_;
  bool precisionOffered_ = false;
  StabilityOptions stability_;
};

}  // namespace stavelorn
