// What a list window and its entry dialog show, as the editor decides it: captions, labels,
// field texts, check boxes and which of them are visible. The windows draw exactly this and send
// the user's typing and clicks back to the editor, so every rule can be tested without them.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "editors/FieldRules.h"
#include "model/FormId.h"

namespace stavelorn {

// The command under way in a list window; None once it has opened.
enum class EditMode { None, Add, Insert, Edit, Delete };

// One text box of an entry dialog with its label.
struct EntryField {
  std::string Label;
  std::string Text;
  bool Visible = false;
  bool ReadOnly = false;
  FieldRule Rule;  // what OK and Next require of the text
};

// One check box of an entry dialog.
struct EntryCheck {
  std::string Caption;
  bool Checked = false;
  bool Visible = false;
};

// The spring that may hold a restrained coordinate, beside that coordinate's check box: the
// coordinate is then elastic with the stiffness typed, rather than fixed.
inline constexpr char kSpringCaption[] = "Spring";
struct EntrySpring {
  bool Visible = false;  // offered while the coordinate's box is checked
  bool Checked = false;
  EntryField Stiffness;  // shown while Checked
};

// A drop-down choice of an entry dialog, shown above its fields (the member-load kind).
struct EntryChoice {
  std::string Label;
  std::vector<std::string> Options;
  int Selected = 0;  // index into Options
  bool Visible = false;
};

// The entry dialog ("B" form) of an editor.
struct EntryForm {
  static constexpr int kFields = 7;  // Text1..Text7
  static constexpr int kChecks = 6;  // Check1..Check6

  FormId Id = FormId::MatB;
  std::string Caption;
  std::string NextCaption;
  std::string CheckGroup;  // label above the check boxes; shown when one of them is
  std::string Note;        // a remark beside field NoteField, as "( Default value = 0 )"
  int NoteField = 0;
  std::array<EntryField, kFields + 1> Text{};     // index 0 unused
  std::array<EntryCheck, kChecks + 1> Check{};    // index 0 unused
  std::array<EntrySpring, kChecks + 1> Spring{};  // beside Check[n]; index 0 unused
  EntryChoice Choice;
  // The field that gets the focus, its text selected: after loading, after Next, and after a
  // refused OK or Next the field that was refused.
  int FocusField = 2;
  // The spring whose stiffness takes the focus instead of FocusField (a refused one), or 0.
  int FocusSpring = 0;
  bool Open = false;  // false once OK or Cancel has closed the dialog
};

// The list window ("A" form) of an editor.
struct ListWindowForm {
  FormId Id = FormId::MatA;
  std::string Caption;
  std::string Label1;  // the project title
  std::string Label2;
  std::string AddCaption;
  std::string CloseCaption;
  bool Preview = false;  // shows a preview picture of the structure beside the grid
  bool AddVisible = true;
  bool InsertVisible = true;
  bool EditVisible = true;
  bool DeleteVisible = true;
};

// The name of an editor's window ("MatA", "JointB", ...); "" for the other windows.
const char* EditorFormName(FormId id);

// The spoken name of the spring box beside check box `check`: "Y-Restr. spring".
std::string SpringSpokenName(const EntryCheck& check);

}  // namespace stavelorn
