// The user's settings (QSettings of the application) as the program's Preferences.
#pragma once

#include "app/Preferences.h"

namespace stavelorn {

// The preferences the settings hold; a setting never written reads as its default.
Preferences LoadPreferences();
// Writes each preference whose setting differs from it (an empty print choice or window
// geometry, never made yet, leaves its setting as it is).
void SavePreferences(const Preferences& preferences);

}  // namespace stavelorn
