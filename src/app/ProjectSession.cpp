#include "app/ProjectSession.h"

#include <array>
#include <memory>

#include "analysis/CaseTrail.h"
#include "graphics/DeflectedShape.h"
#include "model/LoadCombination.h"
#include "model/ProjectFile.h"

namespace stavelorn {

namespace {

struct ChangeInfo {
  Change Step;
  const char* Name;
  MenuItem Window;  // the data window that commits it; MenuItem::Count for none
};

constexpr std::array<ChangeInfo, 13> kChanges = {{
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
    {Change::LoadCases, "Load Cases", MenuItem::Count},
    {Change::LoadCombinations, "Load Combinations", MenuItem::Count},
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

std::optional<Change> ChangeNamed(const std::string& name) {
  for (const ChangeInfo& info : kChanges)
    if (name == info.Name) return info.Step;
  return std::nullopt;
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
    if (analysis_->ChosenModel) {
      auto retitled = std::make_shared<ModelStore>(*analysis_->ChosenModel);
      retitled->ProjectTitle = state.ProjectTitle;
      analysis_->ChosenModel = std::move(retitled);
    }
    return;
  }
  // The file belongs to the session, not to the data.
  const std::string file = data_->ProjectFile;
  *data_ = state;
  data_->ProjectFile = file;
  analysis_.reset();
}

void ProjectSession::AddGeometricStiffnessToTrail() {
  if (!ResultsShown() || !analysis_->Trail || analysis_->Trail->Members.empty() ||
      analysis_->Trail->Members.front().GeometricStiffness.Rows > 0)
    return;
  auto trail = std::make_shared<MethodTrail>(*analysis_->Trail);
  AddGeometricStiffness(*data_, *trail);
  analysis_->Trail = std::move(trail);
}

void ProjectSession::KeepSecondOrder(SecondOrderRun run) {
  if (ResultsShown())
    analysis_->SecondOrder = std::make_shared<const SecondOrderRun>(std::move(run));
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
  shown.AnalysedCase = data_->CurrentLoadCase;
  shown.Choices = ShownChoicesOf(*data_, shown.LoadCases, shown.Combinations);
  shown.Shown = static_cast<std::size_t>(shown.Choices.empty() ? 0 : shown.AnalysedCase - 1);
  multiplier_.Choose(AutomaticDeflectionMultiplier(*data_, shown.Results, multiplier_.Value()));
  analysis_ = std::move(shown);
}

const StructureResults& ProjectSession::Results() const {
  static const StructureResults none;
  return analysis_ ? analysis_->Results : none;
}

void ProjectSession::ChooseShown(std::size_t choice) {
  if (!ResultsShown() || choice >= analysis_->Choices.size()) return;
  ShownAnalysis& shown = *analysis_;
  const ShownChoice& chosen = shown.Choices[choice];
  shown.Shown = choice;
  shown.ChosenModel.reset();
  shown.ChosenResults = StructureResults();
  shown.Envelope.reset();
  shown.ChosenTrail.reset();
  switch (chosen.Kind) {
    case ShownKind::Case: {
      if (chosen.Index == shown.AnalysedCase) return;
      const CaseResults& loadCase = shown.LoadCases.at(static_cast<std::size_t>(chosen.Index - 1));
      shown.ChosenModel = std::make_shared<const ModelStore>(
          ModelWithLoads(*data_, data_->LoadsOfCase(chosen.Index)));
      shown.ChosenResults = loadCase.Results;
      if (shown.Trail && loadCase.Steps)
        shown.ChosenTrail = std::make_shared<const MethodTrail>(
            TrailOfCase(*shown.Trail, *loadCase.Steps, loadCase.Results));
      return;
    }
    case ShownKind::Combination: {
      const CaseResults& combination =
          shown.Combinations.at(static_cast<std::size_t>(chosen.Index));
      shown.ChosenModel =
          std::make_shared<const ModelStore>(ModelWithLoads(*data_, combination.Loads));
      shown.ChosenResults = combination.Results;
      return;
    }
    case ShownKind::Envelope:
      // An envelope has no one set of loads to draw.
      shown.ChosenModel = std::make_shared<const ModelStore>(ModelWithLoads(*data_, LoadSet()));
      shown.Envelope = std::make_shared<const ResultEnvelope>(
          EnvelopeOf(*data_, EnvelopeSources(shown.LoadCases, shown.Combinations), true));
      return;
  }
}

const ModelStore& ProjectSession::ShownModel() const {
  return analysis_ && analysis_->ChosenModel ? *analysis_->ChosenModel : *data_;
}

const StructureResults& ProjectSession::ShownResults() const {
  if (!analysis_ || analysis_->Choices.empty()) return Results();
  const ShownChoice& chosen = analysis_->Choices[analysis_->Shown];
  return chosen.Kind == ShownKind::Case && chosen.Index == analysis_->AnalysedCase
             ? analysis_->Results
             : analysis_->ChosenResults;
}

const ResultEnvelope* ProjectSession::ShownEnvelope() const {
  return analysis_ ? analysis_->Envelope.get() : nullptr;
}

std::string ProjectSession::NoTrailReason() const {
  if (!analysis_ || analysis_->Choices.empty()) return "";
  return stavelorn::NoTrailReason(*data_, analysis_->Choices[analysis_->Shown],
                                  ShownTrail() != nullptr);
}

const MethodTrail* ProjectSession::ShownTrail() const {
  if (!ResultsShown()) return nullptr;
  if (analysis_->Choices.empty()) return analysis_->Trail.get();
  const ShownChoice& chosen = analysis_->Choices[analysis_->Shown];
  if (chosen.Kind != ShownKind::Case) return nullptr;
  return chosen.Index == analysis_->AnalysedCase ? analysis_->Trail.get()
                                                 : analysis_->ChosenTrail.get();
}

void ProjectSession::KeepInfluenceLine(InfluenceLine line, std::optional<LoadTrain> train) {
  if (!ResultsShown()) return;
  analysis_->Influence = std::move(line);
  analysis_->InfluenceTrain = std::move(train);
}

}  // namespace stavelorn
