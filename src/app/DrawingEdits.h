// The changes the mouse makes to a structure, each carried out by the list window of its data as
// if typed there: the same entry form, the same field rules, the same storing on Close. Adding a
// joint, a member, a support, a hinge or a load; moving a joint; deleting a member, or a joint
// with its members (which no list window offers while members name it, so that one is done here,
// renumbering whatever refers to later items in every load case). Each returns whether the model
// changed; the caller makes that one step of the project's history.
#pragma once

#include <functional>
#include <vector>

#include "editors/ListEditor.h"
#include "graphics/DrawingData.h"
#include "model/MemberLoadKind.h"
#include "model/ModelStore.h"
#include "ui/Messages.h"

namespace stavelorn {

// Plays an entry form the drawing opened with what it knows already typed: the user (or a test)
// types the rest and presses OK, or Cancel. It must leave the form closed.
using EntryHand = std::function<void(ListEditor&)>;

// How the drawing opens a load's entry form in the load list `Form`: `Command` opens the form
// (Add, or Edit of the row the load joins) and `Prefill` types what the drawing knows (the joint,
// the member, the kind, the distance) into it; the values are the user's to type.
struct LoadEntry {
  FormId Form = FormId::JLoadA;
  std::function<void(ListEditor&)> Command;
  std::function<void(ListEditor&)> Prefill;
};
// The joint's loads (its row edited when it has one).
LoadEntry JointLoadEntry(int joint);
// A load of `kind` on the member, a point load `distance` from its beginning.
LoadEntry MemberLoadEntry(int member, MemberLoadKind kind, double distance);

class DrawingEdits {
 public:
  // Refusals of the field rules reach the user through `messages`; the list windows' own
  // confirmations ("Edit coordinates of Joint 3 ?") are the drawing's to answer and are not asked.
  DrawingEdits(ModelStore& model, Messages& messages);

  // A list of one joint is no structure: the first joint waits here until a second one is added.
  const std::vector<Point>& WaitingJoints() const { return waiting_; }
  // Adds joints at `points` in order (with any waiting joint first); returns the number of the
  // last one, or 0 when the field rules refused them or it is the first joint, which waits.
  int AddJoints(const std::vector<Point>& points);
  bool MoveJoint(int joint, Point to);
  // A member from joint `begin` to joint `end` of the material and section given.
  bool AddMember(int begin, int end, int material, int section);
  // The joint's support restraints become `flags` (the type's coordinate order; all 0: none).
  bool SetSupport(int joint, const std::vector<int>& flags);
  // Puts a hinge at one end of the member, or takes it away.
  bool ToggleHinge(int member, bool atEnd);
  // The load of `entry`; `hand` types the values.
  bool AddLoad(const LoadEntry& entry, const EntryHand& hand);
  // Deletes a member of the model, or a joint of it with its members, and every record naming
  // them; the later ones are numbered one less.
  void DeleteMember(int member);
  void DeleteJoint(int joint);

 private:
  // Opens the list window of `form`, runs `command` on it with `hand` playing its entry form
  // and closes it; true when the model differs afterwards.
  bool RunWindow(FormId form, const std::function<void(ListEditor&)>& command,
                 const EntryHand& hand);

  ModelStore& model_;
  Messages& messages_;
  std::vector<Point> waiting_;
};

// Presses OK in an entry form as it stands.
void PressOk(ListEditor& editor);

}  // namespace stavelorn
