// What outlives a project: the recent projects, the sections last chosen in Print Options, the
// arithmetic of Analyze, the answers kept for the routine questions and the main window's place
// on the screen. The commands keep it up to
// date; the window layer reads it from and writes it to the user's settings.
#pragma once

#include <string>

#include "app/PrecisionChoice.h"
#include "app/RecentProjects.h"
#include "ui/RoutineQuestions.h"

namespace stavelorn {

struct Preferences {
  RecentProjects Recent;
  // The sections last chosen in "Print Options" (PrintOptions::Remembered); "" before any.
  std::string PrintChoice;
  PrecisionChoice Precision;
  // The routine questions answered with "Don't ask again" ticked, and their answers.
  RoutineAnswers Routine;
  // The window's size and place as the window system encodes them; "" before any.
  std::string WindowGeometry;
};

}  // namespace stavelorn
