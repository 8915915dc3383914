// The texts of the main window's labels Label1..Label7: title, type caption and the counts. Each
// command decides which of them it refreshes, so they are kept as state beside the menus.
#pragma once

#include <array>
#include <string>

#include "app/ProjectSession.h"
#include "model/ModelStore.h"

namespace stavelorn {

struct MainLabels {
  std::array<std::string, 8> Text;  // Text[1]..Text[7]; Text[0] unused
  // "Units: kN, m, °C" for the status line, every number on the screen being in them; "" while
  // the project does not name its units.
  std::string Units;

  void ShowTitle(const ModelStore& m) { Text[1] = m.ProjectTitle; }
  void ShowType(const ModelStore& m);
  void ShowJointCounts(const ModelStore& m);    // Label3, Label4
  void ShowMaterialCount(const ModelStore& m);  // Label5
  void ShowSectionCount(const ModelStore& m);   // Label6
  void ShowMemberCount(const ModelStore& m);    // Label7
  // Every label as the model stands: title, type, and each count that is above 0 (a count of 0
  // leaves its label empty, as in a new project).
  void ShowModel(const ModelStore& m);
};

// The main window's fixed banner, the whole title while no project is open.
inline constexpr char kMainWindowBanner[] =
    "Computer Software for STAVELORN Tessel Edition by Orvel Dunverake";

// The main window's title: the project's file name ("Untitled" before it has one) with a "*"
// while it differs from the file, then the banner: "portal-frame.str* — " + kMainWindowBanner.
std::string MainWindowTitle(const ProjectSession& session, const std::string& projectFile);

}  // namespace stavelorn
