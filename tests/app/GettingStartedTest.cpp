// Getting Started followed as a student would: the example portal frame is built into an empty
// project one step of the tour at a time, each a committed change of the session, and the tour
// must move on exactly when the step's data are in, go back when a change is undone, and end with
// the frame equal to the example.
#include <gtest/gtest.h>

#include "analysis/AnalysisRun.h"
#include "app/GettingStarted.h"
#include "app/ProjectSession.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

// What each step adds, copied from the example as the student would type it.
using Stage = void (*)(ModelStore& built, const ModelStore& example);

template <auto... Fields>
void Copy(ModelStore& built, const ModelStore& example) {
  ((built.*Fields = example.*Fields), ...);
}

using S = ModelStore;
const std::vector<std::pair<const char*, Stage>> kStages = {
    {"new plane frame", [](S& b, const S&) { b.SetStructType("PFrame"); }},
    {"joints", Copy<&S::JointCount, &S::JointCoords>},
    {"supports", Copy<&S::SupportCount, &S::Supports>},
    {"material", Copy<&S::MaterialCount, &S::Materials>},
    {"sections", Copy<&S::SectionCount, &S::Sections>},
    {"members", Copy<&S::MemberCount, &S::MemberProps, &S::RollAngles>},
    {"joint load", Copy<&S::JointLoadCount, &S::JointLoadJoints, &S::JointLoadValues>},
    {"member loads", Copy<&S::MemberLoadCount, &S::MemberLoadInfo, &S::MemberLoadValues>},
};

TourState StateOf(const ProjectSession& session) {
  TourState state;
  state.Data = session.Open() ? &session.Data() : nullptr;
  state.ResultsShown = session.ResultsShown();
  return state;
}

TEST(GettingStarted, BuildingTheExampleStepByStepMovesTheTourOnAtEachStepToTheEnd) {
  const ModelStore example = testing::ExampleModel("portal-frame");
  ModelStore built;
  built.Reset();
  ProjectSession session(built, false);
  EXPECT_EQ(CurrentTourStep(StateOf(session)), 0u);
  for (std::size_t stage = 0; stage < kStages.size(); ++stage) {
    kStages[stage].second(built, example);
    session.RecordChange(Change::Joints);
    EXPECT_EQ(CurrentTourStep(StateOf(session)), stage + 1) << kStages[stage].first;
  }
  // The last data step undone takes the tour back to it, and redone forward again.
  session.Undo();
  EXPECT_EQ(CurrentTourStep(StateOf(session)), kStages.size() - 1);
  session.Redo();

  const AnalysisRun run = CheckAndAnalyze(built);
  ASSERT_TRUE(run.Results.Complete());
  session.ShowRun(run);
  TourState state = StateOf(session);
  std::size_t step = kStages.size() + 1;  // past Analyze
  EXPECT_EQ(CurrentTourStep(state), step);
  for (bool TourState::*seen :
       {&TourState::SawDisplacements, &TourState::SawDiagram, &TourState::SawMethodSteps}) {
    state.*seen = true;
    EXPECT_EQ(CurrentTourStep(state), ++step);
  }
  EXPECT_EQ(step, TourSteps().size());
  EXPECT_NE(TourHeading(state).find("Done"), std::string::npos);

  built.ProjectTitle = example.ProjectTitle;
  built.ProjectFile = example.ProjectFile;
  std::string difference;
  EXPECT_TRUE(testing::SameModelData(built, example, difference)) << difference;
}

// A step is done only when its values are the example's: a wrong value, a missing row or an
// extra load keeps the tour at that step, while the two member loads may come in either order.
TEST(GettingStarted, AStepWaitsForTheExamplesValues) {
  const ModelStore example = testing::ExampleModel("portal-frame");
  const std::size_t memberLoads = kStages.size() - 1;
  const struct {
    const char* what;
    void (*spoil)(ModelStore&);
    std::size_t step;
  } cases[] = {
      {"joint 3 at X 7", [](ModelStore& m) { m.JointCoords(3, 1) = 7; }, 1},
      {"joint 4 fixed", [](ModelStore& m) { m.Supports(2, 4) = 1; }, 2},
      {"a second material", [](ModelStore& m) { m.MaterialCount = 2; }, 3},
      {"member 3 reversed",
       [](ModelStore& m) { std::swap(m.MemberProps(3, 1), m.MemberProps(3, 2)); }, 5},
      {"a hinge", [](ModelStore& m) { m.ReleaseCount = 1; }, 5},
      {"wind of 10", [](ModelStore& m) { m.JointLoadValues(1, 1) = 10; }, 6},
      {"wind at joint 3", [](ModelStore& m) { m.JointLoadJoints(1) = 3; }, 6},
      {"P at a = 3", [](ModelStore& m) { m.MemberLoadValues(2, 3) = 3; }, memberLoads},
      {"one roof load", [](ModelStore& m) { m.MemberLoadCount = 1; }, memberLoads},
      {"a third load counted", [](ModelStore& m) { m.MemberLoadCount = 3; }, memberLoads},
      {"a temperature change", [](ModelStore& m) { m.TempChangeCount = 1; }, memberLoads + 1},
  };
  for (const auto& c : cases) {
    ModelStore spoilt = example;
    c.spoil(spoilt);
    TourState state;
    state.Data = &spoilt;
    state.ResultsShown = true;
    EXPECT_EQ(CurrentTourStep(state), c.step) << c.what;
  }
  ModelStore swapped = example;
  for (int k = 1; k <= 2; ++k)
    std::swap(swapped.MemberLoadInfo(1, k), swapped.MemberLoadInfo(2, k));
  for (int k = 1; k <= 4; ++k)
    std::swap(swapped.MemberLoadValues(1, k), swapped.MemberLoadValues(2, k));
  TourState state;
  state.Data = &swapped;
  EXPECT_EQ(CurrentTourStep(state), memberLoads + 1);
}

}  // namespace
}  // namespace stavelorn
