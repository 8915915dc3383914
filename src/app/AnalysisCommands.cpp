// The commands around one analysis: Analyze with its outcome and the offer of double precision,
// Edit Data, the precision and preferences dialogs and the deflection multiplier the results are
// drawn with.
#include "analysis/AccuracyGuard.h"
#include "analysis/AnalysisRun.h"
#include "analysis/ModelCheck.h"
#include "app/ProjectCommands.h"

namespace stavelorn {

std::string ProjectCommands::Analyze() {
  // Data the project's file already holds need no saving. A question dismissed with Escape or
  // the close button calls the analysis off.
  if (!session_.HasFile() || session_.Unsaved()) {
    switch (messages_.AskRoutine(RoutineQuestion::SaveBeforeAnalysis, "Save Data ?",
                                 "Save Input Data in File ?")) {
      case kAnswerYes: SaveProject(); break;
      case kAnswerNo: break;
      default: return "";
    }
  }
  // The results this analysis replaces go first, with everything drawn from them.
  session_.DropAnalysis();
  // A model the engine cannot evaluate is stopped with every problem named, before anything is
  // computed or any menu changes.
  const AnalysisRun run =
      CheckAndAnalyze(model_, AvailableMemoryBytes(), true, preferences_.Precision.Chosen());
  if (run.Rejected) {
    messages_.ShowStop(kInputDataErrorTitle, run.RejectionText);
    return "";
  }
  session_.ShowRun(run);
  windows_.Redraw();
  return ShowAnalysisOutcome(run);
}

std::string ProjectCommands::ShowAnalysisOutcome(const AnalysisRun& run) {
  const std::string text = AnalysisOutcomeText(model_, run);
  if (!session_.ResultsShown()) {
    messages_.ShowStop(kAnalysisResultsTitle, text);
    return "";
  }
  const int answer = messages_.AskYesNo(kAnalysisResultsTitle, text);
  if (!run.AccuracyNote.empty())
    messages_.ShowInformation(kAnalysisAccuracyTitle, run.AccuracyNote);
  // Dismissing the results box ends the command there: the results stay shown, nothing is
  // printed and nothing more is asked.
  if (answer == kAnswerCancel) return "";
  // The user has just asked for the results: the whole report, without the options dialog.
  const std::string notice = answer == kAnswerYes ? PrintSections(PrintOptions(Results())) : "";
  OfferDoublePrecision(run);
  return notice;
}

void ProjectCommands::OfferDoublePrecision(const AnalysisRun& run) {
  const int unknowns = Results().DofCount;
  if (session_.DoublePrecisionOffered() || !preferences_.Precision.ShouldOffer(unknowns)) return;
  const int answer =
      messages_.AskYesNo(kPrecisionTitle, DoublePrecisionOfferText(unknowns, run.Seconds));
  // An offer dismissed unanswered is made again after the next slow analysis.
  if (answer == kAnswerCancel) return;
  session_.DoublePrecisionWasOffered();
  if (answer == kAnswerYes) preferences_.Precision.Choose(AnalysisPrecision::Double);
}

void ProjectCommands::ChoosePrecision() {
  AnalysisPrecision chosen = preferences_.Precision.Chosen();
  if (windows_.ChoosePrecision(chosen)) preferences_.Precision.Choose(chosen);
}

void ProjectCommands::ChoosePreferences() {
  RoutineAnswers answers = preferences_.Routine;
  if (windows_.ChoosePreferences(answers)) preferences_.Routine = answers;
}

std::string ProjectCommands::PrecisionStatus() const {
  return session_.ResultsShown() && Results().SolvedInDoublePrecision ? "double precision" : "";
}

std::string ProjectCommands::EditData() {
  // Dismissing the question keeps the results on the screen.
  const int answer = messages_.AskRoutine(RoutineQuestion::PrintOnEditData, "Print Results ?",
                                          "Print Results of the Analysis ?");
  if (answer == kAnswerCancel) return "";
  const std::string notice = answer == kAnswerYes ? PrintSections(PrintOptions(Results())) : "";
  // The deformed shape belongs to results that no longer stand; the data are as they were, so
  // nothing is unsaved that was saved.
  session_.DropAnalysis();
  windows_.Redraw();
  return notice;
}

void ProjectCommands::TypeMultiplierText(const std::string& text) {
  session_.Multiplier().Type(text);
}

std::string ProjectCommands::SetMultiplierText(const std::string& text) {
  return session_.Multiplier().Enter(text);
}

}  // namespace stavelorn
