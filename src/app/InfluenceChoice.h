// What the Influence Lines window studies and how the user's picks in its drawing change it: the
// quantity (a reaction, an end force, an internal force at a section, a displacement) and the
// path of the unit load; then the words the window shows about it: its name, the principle that
// explains the line's shape, and the table of stations.
#pragma once

#include <string>
#include <vector>

#include "analysis/InfluenceLine.h"
#include "app/ResultTables.h"
#include "model/ModelStore.h"

namespace stavelorn {

struct InfluenceChoice {
  InfluenceQuantity Quantity;
  std::vector<int> Path;     // the members the load travels on; empty for the default path
  bool PickingPath = false;  // a click on a member adds it to the path or takes it off
};

// The window's words, for the desktop's window and the page alike; '&' marks an access key.
inline constexpr char kInfluenceMenuCaption[] = "&Influence Lines...";
inline constexpr char kInfluenceTitle[] = "Influence Lines";
inline constexpr char kInfluenceQuantityLabel[] = "&Quantity:";
inline constexpr char kInfluenceSectionLabel[] = "x:";
inline constexpr char kInfluencePathLabel[] = "Path:";
inline constexpr char kInfluencePickPathButton[] = "&Pick Path";
inline constexpr char kInfluenceDefaultPathButton[] = "&Default Path";

// The kinds of quantity in the order the window's list offers them, with their captions.
struct InfluenceKindInfo {
  InfluenceKind Kind;
  const char* Caption;
};
const std::vector<InfluenceKindInfo>& InfluenceKinds();
// The kind's index in InfluenceKinds().
int InfluenceKindIndex(InfluenceKind kind);

// What the number beside the kind names: "Joint:" or "Member:", and how many there are.
std::string InfluenceItemLabel(InfluenceKind kind);
int InfluenceItemCount(const ModelStore& model, InfluenceKind kind);

// The list beside the number: a joint's reactions or displacements, a member's end forces
// ("3 Moment (beginning)") or the internal forces of the type; and the quantity's index in it.
std::vector<std::string> InfluenceComponents(const ModelStore& model, InfluenceKind kind);
int InfluenceComponentIndex(const ModelStore& model, const InfluenceQuantity& q);

// Another kind chosen from the list: its first component at the item chosen (at least 1), the
// last internal force of the type (the bending moment where it has one).
void ChooseInfluenceKind(const ModelStore& model, InfluenceChoice& choice, InfluenceKind kind);

// The number, the component (an index of InfluenceComponents) and the section's text as the
// user set them; a section that is no number leaves x as it was.
void ChooseInfluenceControls(const ModelStore& model, InfluenceChoice& choice, int item,
                             int component, const std::string& section);

// The path as the window shows it: the default path in words, or the members of `line`'s path.
std::string InfluencePathText(const ModelStore& model, const InfluenceChoice& choice,
                              const InfluenceLine& line);

// The first reaction component of the first support, on the default path.
InfluenceChoice FirstInfluenceChoice(const ModelStore& model, const StructureResults& results);

// A click on a joint while picking the quantity: a support's first restrained component for a
// reaction, any joint's first free component for a displacement (keeping the component when the
// joint has it there). A force studied at a member switches to the reaction or displacement the
// joint has. Returns false, changing nothing, when the joint has no such component.
bool PickJoint(const ModelStore& model, const StructureResults& results, InfluenceChoice& choice,
               int joint);

// A click on a member at distance `x` from its beginning: while picking the path, the member joins
// the path's end or leaves it; otherwise the internal force at the section (keeping the quantity)
// or, when an end force is studied, that member's end force of the same index.
void PickMember(const ModelStore& model, InfluenceChoice& choice, int member, double x);

// The section a click `fraction` of the way along a member picks: the nearest twentieth of its
// length, so that a click lands on a round section.
double PickedSection(double fraction, double length);

// A click `fraction` of the way along `member`, as either window takes it: the section
// PickedSection gives, picked as PickMember says. False, changing nothing, for a member that is
// none or a place along it that is no number.
bool PickMemberAt(const ModelStore& model, InfluenceChoice& choice, int member, double fraction);

// "Reaction Y Force at joint 1", "M at x = 2.5 of member 3", "Member 2 end force 3 (Moment at
// joint 4)", "Y Translation of joint 5".
std::string InfluenceName(const ModelStore& model, const InfluenceQuantity& q);

// The principle, in a sentence fitted to the quantity: Müller-Breslau's for a force, Maxwell's for
// a displacement.
std::string InfluencePrinciple(const ModelStore& model, const InfluenceQuantity& q);

// The stations as a results grid (member, x, where, ordinate), then the largest and smallest.
ResultTable BuildInfluenceTable(const ModelStore& model, const InfluenceLine& line);

}  // namespace stavelorn
