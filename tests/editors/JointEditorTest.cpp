// The joints editor: restraint texts and flags, and the support records rebuilt at Close.
#include <gtest/gtest.h>

#include "editors/JointEditor.h"
#include "editors/RestraintText.h"
#include "editors/ScriptedEditorWindows.h"
#include "support/ScriptedMessages.h"

using namespace stavelorn;
using stavelorn::testing::Row;
using stavelorn::testing::ScriptedEditorWindows;
using Rows = std::vector<std::string>;
using Flags = std::vector<int>;

namespace {

ModelStore Project(const std::string& type) {
  ModelStore model;
  model.Reset();
  model.SetStructType(type);
  return model;
}

struct Editor {
  explicit Editor(ModelStore& model) : editor(model, messages), windows(editor) { editor.Open(); }
  ScriptedMessages messages;
  JointEditor editor;
  ScriptedEditorWindows windows;
};

// Types one joint's coordinates and clicks the given check boxes.
void EnterJoint(ListEditor& ed, const Rows& coords, std::vector<int> checks = {}) {
  for (std::size_t k = 0; k < coords.size(); ++k) ed.TypeField(static_cast<int>(k) + 2, coords[k]);
  for (int check : checks) ed.ClickCheck(check, true);
}

TEST(JointEditor, CheckBoxesWriteTheRestraintTextAndCloseStoresTheFlags) {
  struct Case {
    const char* type;
    std::vector<int> checks;
    const char* text;
    Flags flags;
  };
  const Case cases[] = {
      {"PTruss", {1}, "X", {1, 0}},
      {"PTruss", {2}, "Y", {0, 1}},
      {"PTruss", {1, 2}, "X, Y", {1, 1}},
      {"Beam", {1}, "Y", {1, 0}},
      {"Beam", {4}, "Rot.", {0, 1}},
      {"Beam", {1, 4}, "Y, Rot.", {1, 1}},
      {"PFrame", {4, 1}, "X, Rot.", {1, 0, 1}},
      {"PFrame", {1, 2, 4}, "X, Y, Rot.", {1, 1, 1}},
      {"STruss", {3, 2}, "Y, Z", {0, 1, 1}},
      {"STruss", {1, 2, 3}, "X, Y, Z", {1, 1, 1}},
      {"Grid", {5}, "ZR", {0, 0, 1}},
      {"Grid", {1, 4, 5}, "Y, XR, ZR", {1, 1, 1}},
      {"SFrame", {1, 6}, "X,ZR", {1, 0, 0, 0, 0, 1}},
      {"SFrame", {6, 5, 4, 3, 2, 1}, "X,Y,Z,XR,YR,ZR", {1, 1, 1, 1, 1, 1}},
      {"SFrame", {5}, "YR", {0, 0, 0, 0, 1, 0}},
  };
  for (const Case& c : cases) {
    ModelStore model = Project(c.type);
    Editor e(model);
    e.windows.Then([&c](ListEditor& ed) {
      EnterJoint(ed, {"0", "0", "0"}, c.checks);
      ed.Next();
      EnterJoint(ed, {"4", "3", "2"});
      ed.Ok();
    });
    e.editor.Shown();
    EXPECT_EQ(e.editor.Grid().Text(1, e.editor.RestraintColumn()), c.text) << c.type;
    EXPECT_EQ(RestraintFlags(c.type, c.text), c.flags) << c.text;
    e.editor.Close();
    ASSERT_EQ(model.SupportCount, 1) << c.type << " " << c.text;
    Flags stored;
    for (int k = 2; k <= model.CoordsPerJoint + 1; ++k) stored.push_back(model.Supports(1, k));
    EXPECT_EQ(model.Supports(1, 1), 1);
    EXPECT_EQ(stored, c.flags) << c.type << " " << c.text;
  }
}

TEST(JointEditor, EditingSetsTheCheckBoxesFromTheTextAndClearingThemFreesTheJoint) {
  ModelStore model = Project("SFrame");
  model.JointCount = 3;
  model.JointCoords.Redim(3, 3);
  model.JointCoords(2, 1) = 6;
  model.SupportCount = 2;
  model.Supports.Redim(2, 7);
  const std::int16_t supports[2][7] = {{3, 1, 1, 1, 0, 0, 0}, {1, 0, 0, 0, 1, 0, 1}};
  for (int s = 0; s < 2; ++s)
    for (int k = 0; k < 7; ++k) model.Supports(s + 1, k + 1) = supports[s][k];
  Editor e(model);
  EXPECT_EQ(Row(e.editor.Grid(), 1), (Rows{"1", "0", "0", "0", "XR,ZR"}));
  EXPECT_EQ(Row(e.editor.Grid(), 2), (Rows{"2", "6", "0", "0", ""}));
  e.messages.Answer(kAnswerOk);
  e.windows.Then([](ListEditor& ed) {
    for (int k : {4, 6}) EXPECT_TRUE(ed.Dialog().Check[k].Checked) << k;
    EXPECT_FALSE(ed.Dialog().Check[1].Checked);
    ed.ClickCheck(4, false);
    ed.ClickCheck(6, false);
    ed.Next();
    ed.Next();
    EXPECT_TRUE(ed.Dialog().Check[1].Checked);
    EXPECT_FALSE(ed.Dialog().Check[4].Checked);
    ed.Ok();
  });
  e.editor.Edit();
  EXPECT_EQ(e.messages.Log().at(0).Title, "Edit Joints");
  EXPECT_EQ(e.messages.Log().at(0).Text, "Edit coordinates of Joint 1 ?");
  e.editor.Close();
  ASSERT_EQ(model.SupportCount, 1);
  EXPECT_EQ(model.Supports(1, 1), 3);
}

TEST(JointEditor, CloseRebuildsSupportsInJointOrderAndGridJointsKeepXAndZ) {
  ModelStore model = Project("Grid");
  Editor e(model);
  e.windows.Then([](ListEditor& ed) {
    EnterJoint(ed, {"4", "3"});
    ed.Next();
    EnterJoint(ed, {"8", "3"}, {1});
    ed.Ok();
  });
  e.editor.Shown();
  e.messages.Answer(kAnswerOk);
  e.editor.Grid().Select(1, 1, 1, 1);
  e.windows.Then([](ListEditor& ed) {
    EnterJoint(ed, {"0", "0"}, {1, 4, 5});
    ed.Ok();
  });
  e.editor.Insert();  // a new joint 2 before the supported one
  EXPECT_EQ(e.messages.Log().at(0).Text,
            "Insert new joints after Joint 1 ?\n\nNote: The following joints will be renumbered.");
  e.editor.Close();
  ASSERT_EQ(model.JointCount, 3);
  EXPECT_EQ(model.JointCoords(1, 1), 4.0f);
  EXPECT_EQ(model.JointCoords(1, 2), 3.0f);
  ASSERT_EQ(model.SupportCount, 2);
  EXPECT_EQ(model.Supports(1, 1), 2);
  EXPECT_EQ(model.Supports(2, 1), 3);
  EXPECT_EQ((Flags{model.Supports(2, 2), model.Supports(2, 3), model.Supports(2, 4)}),
            (Flags{1, 0, 0}));
}

TEST(JointEditor, AListOfOneJointIsStoredAsNoJointsAndKeepsTheOldSupports) {
  ModelStore model = Project("PFrame");
  model.SupportCount = 1;
  model.Supports.Redim(1, 4);
  Editor e(model);
  e.windows.Then([](ListEditor& ed) {
    EnterJoint(ed, {"5", "5"}, {1, 2});
    ed.Ok();
  });
  e.editor.Shown();
  e.editor.Close();
  EXPECT_EQ(model.JointCount, 0);
  EXPECT_EQ(model.SupportCount, 1);
}

TEST(JointEditor, DeletingEveryJointBlanksTheRestraintTooAndANewJointStartsFree) {
  ModelStore model = Project("SFrame");
  Editor e(model);
  e.windows.Then([](ListEditor& ed) {
    EnterJoint(ed, {"1", "2", "3"}, {1, 2});
    ed.Ok();
  });
  e.editor.Shown();
  e.messages.Answer(kAnswerOk);
  e.editor.Delete();
  EXPECT_EQ(e.messages.Log().at(0).Text,
            "Delete Joint 1 ?\n\nNote: The following joints will be renumbered.");
  EXPECT_EQ(Row(e.editor.Grid(), 1), (Rows{"", "", "", "", ""}));
  e.windows.Then([](ListEditor& ed) {
    EnterJoint(ed, {"7", "0", "0"});
    ed.Ok();
  });
  e.editor.Add();
  EXPECT_EQ(Row(e.editor.Grid(), 1), (Rows{"1", "7", "0", "0", ""}));
}

TEST(JointEditor, JointsInUseKeepTheirNumbersAndNextRefreshesThePreview) {
  for (auto refer :
       {&ModelStore::MemberCount, &ModelStore::JointLoadCount, &ModelStore::SettlementCount}) {
    ModelStore model = Project("PTruss");
    model.JointCount = 2;
    model.JointCoords.Redim(2, 2);
    model.*refer = 1;
    Editor e(model);
    EXPECT_FALSE(e.editor.Window().InsertVisible);
    EXPECT_FALSE(e.editor.Window().DeleteVisible);
    e.windows.Then([](ListEditor& ed) {
      EnterJoint(ed, {"1", "2"});
      ed.Next();
      EnterJoint(ed, {"3", "4"});
      ed.Ok();
    });
    e.editor.Add();
    EXPECT_FALSE(e.editor.Window().InsertVisible);
    EXPECT_EQ(e.windows.previews, 1);
  }
}

}  // namespace
