// The names a screen reader announces for the program's controls. A control is announced by its
// visible caption as read aloud: without the access-key marks, the padding that spaces it on
// screen, or the colon and ellipsis that only punctuate the layout.
#pragma once

#include <string>

namespace stavelorn {

// "&Project     " -> "Project", " Project Title : " -> "Project Title", "Save &As..." ->
// "Save As"; "&&" stands for a plain ampersand.
std::string SpokenCaption(const std::string& caption);

// A caption as shown on screen, access-key marks kept, without the blanks that pad it.
std::string UnpaddedCaption(const std::string& caption);

// A label that shows a value is announced with what the value is and the value itself:
// ("Units", "kN-m") -> "Units: kN-m"; a value that already says what it is ("Units: kN-m") is
// announced as shown; with no value shown, only what it is.
std::string LabelledValue(const std::string& what, const std::string& value);

}  // namespace stavelorn
