// Getting Started: a guided first model. The student builds the portal frame of the examples in
// the real program, one step at a time; each step says what to do and why, and is done when the
// program's state shows it (the data as entered, the results shown, the windows open), never
// from clicks. The current step is the first one not done, so leaving the tour and coming back
// resumes where the project stands, and undoing a step takes the tour back to it.
#pragma once

#include <string>
#include <vector>

#include "model/ModelStore.h"

namespace stavelorn {

// What the tour looks at: the open project's data (nullptr when none is open), whether its
// results are shown, and which result windows the student has open or has opened since.
struct TourState {
  const ModelStore* Data = nullptr;
  bool ResultsShown = false;
  bool SawDisplacements = false;
  bool SawDiagram = false;
  bool SawMethodSteps = false;
};

struct TourStep {
  const char* Title;  // "Four joints"
  const char* Do;     // what to do, naming the menus and the values to type
  const char* Why;    // what the step means for the method
  // Whether the state shows the step done, asked only once every earlier step is.
  bool (*Done)(const TourState& state);
};

// The steps in order, from an empty window to Step by Step.
const std::vector<TourStep>& TourSteps();

// The index of the first step not done, or TourSteps().size() when the tour is complete.
std::size_t CurrentTourStep(const TourState& state);

// "Step 3 of 12: The supports" for the current step, or the closing sentence once every step
// is done.
std::string TourHeading(const TourState& state);

}  // namespace stavelorn
