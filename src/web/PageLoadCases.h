// The Load Cases window in the browser page: the table of cases, the name box and the buttons the
// desktop's window has, each edit of the cases one step of the project's history as on the
// desktop (the rules are LoadCaseEdits'); which case the load lists edit is their own case box
// (PageEditing::ShowCase).
#pragma once

#include <string>

#include "web/PageEditing.h"
#include "web/PageSession.h"

namespace stavelorn {

class PageLoadCases {
 public:
  // Edits the cases of the project open in `page`, whose editing `editing` is; both must outlive
  // this.
  PageLoadCases(PageSession& page, PageEditing& editing) : page_(page), editing_(editing) {}

  // {"caption", "nameLabel", "headings": [...], "rows": [[...]], "newName": the name Add offers,
  // "buttons": [{"name", "caption"}]}, the buttons in the window's order (UndoB is Edit > Undo,
  // CloseB closes the window).
  std::string Window() const;

  // Button `button` ("AddB", "RenameB", "DeleteB", "UpB", "DownB") on the case of row `row`
  // (1-based; Add takes none), the name box holding `name`. Delete of a case that holds loads
  // asks first: unless `confirmed`, the answer carries the question and nothing changes.
  // {"window": Window(), "row": the row to select, "question": {"title", "text"} or null,
  // "refusal": {"title", "text"} or null, "state": the editing as PageEditing::State answers}.
  std::string Command(const std::string& button, int row, const std::string& name, bool confirmed);

 private:
  PageSession& page_;
  PageEditing& editing_;
};

}  // namespace stavelorn
