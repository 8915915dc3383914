// What the "Check My Work" window shows, decided here: the quantities a student may check, an
// empty grid of the chosen one's shape with the trail's labels, the entries typed or pasted into
// it, and after Check each entry's verdict, the count and the list of likely slips; Show Answer
// adds the program's values. Nothing of the answer is shown before that.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "reports/AnswerJudge.h"
#include "reports/AnswerKey.h"

namespace stavelorn {

// The window's words, for the desktop's window and the page alike; '&' marks an access key.
inline constexpr char kCheckWorkTitle[] = "Check My Work";
inline constexpr char kCheckWorkQuantityLabel[] = "&Quantity:";
inline constexpr char kCheckWorkMemberLabel[] = "&Member:";
inline constexpr char kCheckWorkEntriesCaption[] = "Your values:";
inline constexpr char kCheckWorkAnswerCaption[] = "The program's values:";
inline constexpr char kCheckWorkCheckButton[] = "&Check";
inline constexpr char kCheckWorkShowAnswerButton[] = "Show &Answer";

// The answer key for the window: the analysis whose results are shown (`results` with its trail
// `shown`, null when none is), or else a silent analysis of the model, which leaves the program's
// own state as it was. A model the checks refuse gives no key; `problem` then says why.
std::optional<AnswerKey> KeyForExercise(const ModelStore& model, const StructureResults& results,
                                        const MethodTrail* shown, std::string& problem);

// Whether pasted text is a block of cells: it holds a tab or a line break, as a spreadsheet's
// copy does (even of one cell). A block goes into the grid from the current cell, also while a
// cell is being edited; other text is typed into that cell.
bool IsCellBlock(const std::string& text);

enum class EntryMark { Empty, Entered, Right, Wrong, NotNumber };

class CheckWork {
 public:
  explicit CheckWork(AnswerKey key);

  const AnswerKey& Key() const { return key_; }
  // What can be checked: every quantity the key has values for, in the method's order.
  std::vector<AnswerQuantity> Offered() const;
  // "The analysis failed: only the member steps can be checked." (empty when it did not)
  std::string Note() const;

  // A fresh empty grid of the quantity (of `member`, 1-based, for a member quantity).
  void Choose(AnswerQuantity quantity, int member);
  AnswerQuantity Quantity() const { return quantity_; }
  int Member() const { return member_; }
  // The grid's title, shape and labels (its values are not the answer: they are all zero).
  const AnswerGrid& Grid() const { return shape_; }

  const std::string& Entry(int row, int col) const { return entries_.at(Index(row, col)); }
  // A typed entry; any change takes back the verdicts and the answer.
  void SetEntry(int row, int col, const std::string& text);
  // Tab-separated rows from a spreadsheet, placed from (row, col); what falls outside the grid
  // is dropped, blank cells are left empty. Returns how many cells it filled or emptied.
  int Paste(int row, int col, const std::string& text);

  // Judges every entry that holds a number; blank entries are not judged.
  void Check();
  bool Checked() const { return checked_; }
  EntryMark Mark(int row, int col) const;
  // The verdict in words for the cell's tooltip ("" before Check).
  std::string Tooltip(int row, int col) const;
  // "6 entries checked: 4 right, 2 wrong."
  std::string Summary() const;
  // One line per wrong entry, and per entry that is no number.
  std::vector<std::string> Findings() const;

  void ShowAnswer();
  bool AnswerShown() const { return answer_.has_value(); }
  // The program's value in 6 significant digits, once the answer is shown ("" before).
  std::string AnswerText(int row, int col) const;

 private:
  std::size_t Index(int row, int col) const;
  const EntryVerdict* VerdictAt(int row, int col) const;
  std::string WhereText(int row, int col) const;

  AnswerKey key_;
  AnswerQuantity quantity_ = AnswerQuantity::L;
  int member_ = 1;
  AnswerGrid shape_;
  std::vector<std::string> entries_;
  std::vector<EntryVerdict> verdicts_;
  std::vector<int> verdictAt_;  // per entry, its verdict's index, or -1
  bool checked_ = false;
  std::optional<AnswerGrid> answer_;  // the program's values, once asked for
};

}  // namespace stavelorn
