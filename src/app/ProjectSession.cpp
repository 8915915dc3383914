#include "app/ProjectSession.h"

#include <array>

#include "graphics/DeflectedShape.h"
#include "model/ProjectFile.h"

namespace stavelorn {

namespace {

struct ChangeInfo {
  Change Step;
  const char* Name;
  MenuItem Window;  // the data window that commits it; MenuItem::Count for none
};

constexpr std::array<ChangeInfo, 11> kChanges = {{
    {Change::ProjectTitle, "Project Title", MenuItem::Count},
    {Change::Units, "Units", MenuItem::Count},
    {Change::Joints, "Joints", MenuItem::MnuJoint},
    {Change::Materials, "Materials", MenuItem::MnuMatProp},
    {Change::CrossSections, "Cross-Sections", MenuItem::MnuCrossProp},
    {Change::Members, "Members", MenuItem::MnuMemb},
    {Change::JointLoads, "Joint Loads", MenuItem::MnuLoadJt},
    {Change::MemberLoads, "Member Loads", MenuItem::MnuLoadMem},
    {Change::SupportDisplacements, "Support Displacements", MenuItem::MnuLoadSett},
    {Change::TemperatureChanges, "Temperature Changes", MenuItem::MnuLoadTemp},
    {Change::FabricationErrors, "Fabrication Errors", MenuItem::MnuLoadErr},
}};

// Whether two models hold the same project: the same file text, which holds every datum.
bool SameProject(const ModelStore& a, const ModelStore& b) {
  std::string textA, textB;
  return !ProjectFileText(a, textA) && !ProjectFileText(b, textB) && textA == textB;
}

// The title changes no result; any other difference does.
bool SameAnalysisInput(const ModelStore& a, const ModelStore& b) {
  ModelStore retitled = a;
  retitled.ProjectTitle = b.ProjectTitle;
  return SameProject(retitled, b);
}

}  // namespace

const char* ChangeName(Change change) {
  for (const ChangeInfo& info : kChanges)
    if (info.Step == change) return info.Name;
  return "";
}

std::optional<Change> ChangeOfDataWindow(MenuItem menu) {
  for (const ChangeInfo& info : kChanges)
    if (info.Window == menu && menu != MenuItem::Count) return info.Step;
  return std::nullopt;
}

ProjectSession::ProjectSession(ModelStore& data, bool saved) : data_(&data) {
  history_.Reset(data, saved);
}

Phase ProjectSession::CurrentPhase() const {
  if (!Open()) return Phase::NoProject;
  return ResultsShown() ? Phase::ShowingResults : Phase::EnteringData;
}

void ProjectSession::RecordChange(Change change) {
  if (!SameProject(*data_, history_.Current())) history_.Record(ChangeName(change), *data_);
}

std::string ProjectSession::UndoCaption() const {
  return CanUndo() ? "Undo " + history_.UndoName() : "Undo";
}

std::string ProjectSession::RedoCaption() const {
  return CanRedo() ? "Redo " + history_.RedoName() : "Redo";
}

void ProjectSession::Undo() {
  if (CanUndo()) Restore(history_.Undo());
}

void ProjectSession::Redo() {
  if (CanRedo()) Restore(history_.Redo());
}

void ProjectSession::Restore(const ModelStore& state) {
  if (ResultsShown() && SameAnalysisInput(state, *data_)) {
    data_->ProjectTitle = state.ProjectTitle;
    return;
  }
  // The file belongs to the session, not to the data.
  const std::string file = data_->ProjectFile;
  *data_ = state;
  data_->ProjectFile = file;
  analysis_.reset();
}

void ProjectSession::DropAnalysis() {
  analysis_.reset();
}

void ProjectSession::ShowRun(const AnalysisRun& run) {
  ShownAnalysis shown;
  shown.Results = run.Results;
  if (shown.Complete()) shown.Trail = run.Trail;
  shown.LoadCases = run.LoadCases;
  shown.Combinations = run.Combinations;
  multiplier_.Choose(AutomaticDeflectionMultiplier(*data_, shown.Results, multiplier_.Value()));
  analysis_ = std::move(shown);
}

const StructureResults& ProjectSession::Results() const {
  static const StructureResults none;
  return analysis_ ? analysis_->Results : none;
}

void ProjectSession::KeepInfluenceLine(InfluenceLine line, std::optional<LoadTrain> train) {
  if (!ResultsShown()) return;
  analysis_->Influence = std::move(line);
  analysis_->InfluenceTrain = std::move(train);
}

}  // namespace stavelorn
