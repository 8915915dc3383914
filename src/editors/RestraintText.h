// The restraint and spring texts of the joints list: the names of a joint's restrained
// coordinates, as the grid shows them and the support records are rebuilt from ("X, Y",
// "Y, Rot.", "X,ZR"), and the stiffness of each spring among them ("Y=2000, Rot.=5e4").
#pragma once

#include <string>
#include <vector>

namespace stavelorn {

// One joint coordinate of a type: its name in restraint texts, the entry dialog's check box
// that restrains it and that box's caption.
struct RestraintName {
  const char* Name;
  int Check;
  const char* Caption;
};

// The type's joint coordinates in their order (a beam: Y, Rot.; a grid: Y, XR, ZR; ...); none
// for an unknown type.
const std::vector<RestraintName>& RestraintNames(const std::string& structType);

// The names of the coordinates whose flag is 1, in order, joined by ", " (by "," for space
// frames); "" when none is restrained. `flags` follows the type's coordinate order.
std::string RestraintText(const std::string& structType, const std::vector<int>& flags);

// The flag of each of the type's coordinates: 1 when the text names it. Names are the
// comma-separated parts of the text, blanks around them ignored.
std::vector<int> RestraintFlags(const std::string& structType, const std::string& text);

// The springs of a joint, each coordinate's name and its stiffness as typed, joined by ", ";
// "" when none. `stiffnesses` follows the type's coordinate order, "" where there is no spring.
std::string SpringText(const std::string& structType, const std::vector<std::string>& stiffnesses);

// The stiffness text of each of the type's coordinates that `text` names ("" for the others).
std::vector<std::string> SpringStiffnesses(const std::string& structType, const std::string& text);

}  // namespace stavelorn
