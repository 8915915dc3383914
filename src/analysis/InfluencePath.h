// The path an influence line's unit load travels on when the user has not picked one, and the
// sentence that tells the user which path that is.
#pragma once

#include <string>
#include <vector>

#include "model/ModelStore.h"

namespace stavelorn {

struct DefaultPath {
  std::vector<int> Members;  // in the order the load travels them
  // On a truss whose two outermost supports stand at one level joined by a chain of members
  // through joints at that level (the bottom chord of a bridge or roof truss): the supported
  // joints the chain runs from and to. 0 when the path is every member not parallel to Y.
  int FromJoint = 0;
  int ToJoint = 0;
};

// On a truss, the chord between its two outermost supports where they stand at one level and
// such a chain of members joins them; otherwise, and on every other type, every member not
// parallel to Y, in number order: where a load can stand.
DefaultPath ChooseDefaultPath(const ModelStore& model);

// ChooseDefaultPath's members.
std::vector<int> DefaultInfluencePath(const ModelStore& model);

// Which default path the load travels and how to take another, as the Influence Lines window
// says it.
std::string DefaultPathText(const DefaultPath& path);

}  // namespace stavelorn
