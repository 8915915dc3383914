// Check My Work in the browser page: the desktop's CheckWork behind the page's grid. The page
// sends what the student chose, typed, pasted and pressed; every answer is the whole window's
// state as JSON, each cell with its mark and the verdict a screen reader speaks, so that the page
// only draws it. Nothing of the judge is decided here or in the page.
#pragma once

#include <optional>
#include <string>

#include "app/CheckWork.h"
#include "web/PageSession.h"

namespace stavelorn {

class PageCheckWork {
 public:
  // Checks the work on the project open in `page`, which must outlive this.
  explicit PageCheckWork(PageSession& page);

  // The command as the Exercise menu offers it: {"command": {"caption": "Check My Work…",
  // "key"}, "offered": whether the menu shows it for the project as it stands}.
  std::string Command() const;

  // Opens the window on the analysis shown, or else on a silent analysis of the data:
  // the state below, or {"refusal": the message of the checks that refuse the model}.
  std::string Open();

  // The window's state: {"title", "labels": {"quantity", "member", "entries", "answer", "check",
  // "showAnswer"} each {"caption", "key"}, "note", "quantities": [titles], "quantity": the index
  // chosen, "members": how many, "member": the one chosen (0 for a quantity of the structure),
  // "grid": the grid's title, "rows", "columns": [labels], "cells": [[{"text", "mark": "empty",
  // "entered", "right", "wrong" or "notNumber", "verdict": what the cell's tooltip says,
  // "answer": the program's value once shown}]], "checked", "summary", "findings": [lines],
  // "answerShown"}; "" while no window is open.
  std::string State() const;

  // Quantity `quantity` (an index of "quantities") of member `member`: a fresh empty grid.
  std::string Choose(int quantity, int member);
  // The cell (row, col) now holds `text`.
  std::string Type(int row, int col, const std::string& text);
  // `text` pasted into cell (row, col): a block of cells from a spreadsheet fills the grid from
  // there; other text makes the cell hold `typed`, the cell's text with it pasted in.
  std::string Paste(int row, int col, const std::string& text, const std::string& typed);
  std::string Check();
  std::string ShowAnswer();
  // The window closed; the next Open starts afresh.
  void Close();

 private:
  PageSession& page_;
  std::optional<CheckWork> work_;
};

}  // namespace stavelorn
