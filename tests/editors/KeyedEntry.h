// Scripted hands for the keyed editors, whose items start with the joint or member number in
// Text1: each item's texts go into Text1, Text2, ..., Next between the items and OK after the
// last. Also a model builder shared by their tests.
#pragma once

#include <string>
#include <vector>

#include "editors/ListEditor.h"
#include "editors/ScriptedEditorWindows.h"
#include "model/ModelStore.h"

namespace stavelorn::testing {

inline ScriptedEditorWindows::Hand EnterKeyed(std::vector<std::vector<std::string>> items) {
  return [items](ListEditor& editor) {
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (i > 0) editor.Next();
      for (std::size_t f = 0; f < items[i].size(); ++f)
        editor.TypeField(static_cast<int>(f) + 1, items[i][f]);
    }
    editor.Ok();
  };
}

// Column 0 of every data row, top to bottom.
inline std::vector<std::string> Keys(const GridModel& grid, int items) {
  std::vector<std::string> keys;
  for (int row = 1; row <= items; ++row) keys.push_back(grid.Text(row, 0));
  return keys;
}

// A project of `type` with `joints` joints on the X axis, each next pair joined by a member.
inline ModelStore Structure(const std::string& type, int joints) {
  ModelStore model;
  model.Reset();
  model.SetStructType(type);
  model.ProjectTitle = "Bay";
  model.JointCount = static_cast<std::int16_t>(joints);
  model.JointCoords.Redim(joints, model.CoordColumns);
  for (int j = 1; j <= joints; ++j) model.JointCoords(j, 1) = static_cast<float>(10 * (j - 1));
  model.MemberCount = static_cast<std::int16_t>(joints - 1);
  model.MemberProps.Redim(joints - 1, 4);
  model.RollAngles.Redim(joints - 1);  // all 0; only space frames read them
  for (int m = 1; m < joints; ++m) {
    model.MemberProps(m, 1) = static_cast<std::int16_t>(m);
    model.MemberProps(m, 2) = static_cast<std::int16_t>(m + 1);
    model.MemberProps(m, 3) = model.MemberProps(m, 4) = 1;
  }
  return model;
}

}  // namespace stavelorn::testing
