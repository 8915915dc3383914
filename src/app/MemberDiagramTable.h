// The table of the member window: the values of a member's internal forces at its tenth points,
// at every local extreme and on both sides of every concentrated load, then the largest and the
// smallest value of each quantity with its section. Described as a results grid, so the window
// shows and copies it as the results windows do theirs.
#pragma once

#include "analysis/MemberDiagrams.h"
#include "app/ResultTables.h"
#include "model/ModelStore.h"

namespace stavelorn {

ResultTable BuildMemberDiagramTable(const ModelStore& model, const MemberDiagram& d);

// The member a data row of the Member Forces grid belongs to (rows counted from 1 below the
// headings): one row per truss bar, two (beginning and end joint) per member of the other types.
int MemberOfForceRow(const ModelStore& model, int row);

}  // namespace stavelorn
