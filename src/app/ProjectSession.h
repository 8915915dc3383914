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
#include "analysis/StructureResults.h"
#include "app/MenuState.h"
#include "app/MultiplierEntry.h"
#include "editors/EditHistory.h"
#include "model/ModelStore.h"

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
};

// "Project Title", "Cross-Sections", "Joint Loads".
const char* ChangeName(Change change);
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

  bool Complete() const { return Results.Complete(); }
};

class ProjectSession {
 public:
  // A session on `data` as it stands, counted as saved when `saved` (a project just opened, or
  // no project) and as unsaved otherwise (a new project, a damaged file half read).
  explicit ProjectSession(ModelStore& data, bool saved = true);

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
  // The results, trail, mechanism and kept influence line no longer describe the data.
  void DropAnalysis();
  // The results shown, or empty ones (kNoResults) when none are.
  const StructureResults& Results() const;
  // The Influence Lines window showed `line` (with `train` moving on it); kept with the results
  // it was drawn from.
  void KeepInfluenceLine(InfluenceLine line, std::optional<LoadTrain> train = std::nullopt);

  // Double precision is offered once per project, after a slow analysis of a large model.
  bool DoublePrecisionOffered() const { return precisionOffered_; }
  void DoublePrecisionWasOffered() { precisionOffered_ = true; }

 private:
  void Restore(const ModelStore& state);

  ModelStore* data_;
  EditHistory<ModelStore> history_;
  MultiplierEntry multiplier_;
  std::optional<ShownAnalysis> analysis_;
  bool precisionOffered_ = false;
};

}  // namespace stavelorn
