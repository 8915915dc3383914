// A list window and its entry form as the browser page draws them, in JSON: the desktop's
// captions, headings, rows, buttons, fields with their rules, check boxes and choice.
#pragma once

#include <string>

#include "editors/ListEditor.h"

namespace stavelorn {

// {"form": "JointA", "caption", "label1", "label2", "addCaption", "closeCaption", "buttons":
// [{"command": "add", "caption", "shown"}, ...], "headings": [...], "rows": [[...]], "count",
// "current", "preview": SVG or ""}: the grid's data rows 1..count, each cell as the grid holds it.
std::string ListWindowJson(const ListEditor& editor, const std::string& preview);

// {"form": "JointB", "caption", "nextCaption", "checkGroup", "note", "noteField", "focus",
// "fields": [{"field", "label", "text", "shown", "readOnly", "rule": {"kind", "required", "low",
// "high"}}], "checks": [{"check", "caption", "checked", "shown"}], "choice": {"label",
// "options", "selected", "shown"}}; fields 1-7 and checks 1-6 as the form numbers them.
std::string EntryFormJson(const EntryForm& form);

}  // namespace stavelorn
