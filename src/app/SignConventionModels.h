// The small models the sign-convention pictures of each structure type are drawn from, written as
// project files and read by the program's own reader: a truss of bars meeting at a free joint, or
// a chain of members fixed at its first joint, held in translation at the joints between and free
// at its last. Space-frame members are rolled, so that their local axes differ from the global.
#pragma once

#include <string>
#include <vector>

#include "model/MemberLoadKind.h"
#include "model/ModelStore.h"
#include "model/StructType.h"

namespace stavelorn {

// What a model carries besides its structure.
struct SignModelLoads {
  // One member for each kind (at least `Members` members), each carrying a positive load of
  // its kind; ignored for a truss.
  std::vector<const MemberLoadKindInfo*> MemberLoads;
  int Members = 2;
  // A positive value of every joint load component at the free joint.
  bool JointLoad = false;
  // A positive displacement of every coordinate the first support restrains.
  bool Settlement = false;
};

// The type's model titled "<type name>: <title>", with `loads`.
ModelStore SignModel(const StructTypeInfo& type, const std::string& title,
                     const SignModelLoads& loads);

// The member load kinds of the type in groups of at most `perGroup`, in the order the member-load
// dialog offers them; none for a type without member loads.
std::vector<std::vector<const MemberLoadKindInfo*>> LoadKindGroups(const StructTypeInfo& type,
                                                                   std::size_t perGroup);

}  // namespace stavelorn
