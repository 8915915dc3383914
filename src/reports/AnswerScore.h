// Judging a whole answers file: what the file gives (a null entry is not judged), or a list the
// instructor asks for, where an entry left out or null counts wrong ("not answered"); and the
// scores they add up to, per entry and per quantity (a quantity is right when all its entries
// are).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "reports/AnswerFile.h"
#include "reports/AnswerJudge.h"

namespace stavelorn {

// A quantity asked for: of one member (1-based), or of every member when Member is 0; a
// quantity of the structure has Member 0.
struct AskedQuantity {
  AnswerQuantity Quantity = AnswerQuantity::L;
  int Member = 0;
};

// "k:1,K:1,S,d,reactions" read into `asked`, or what is wrong with it.
std::optional<std::string> ReadAskedList(const std::string& text,
                                         std::vector<AskedQuantity>& asked);

// "k:1", "S": a quantity as --only names it, and the gradebook's summary after it.
std::string AskedLabel(AnswerQuantity quantity, int member);

struct JudgedEntry {
  EntryVerdict Verdict;
  bool Answered = true;  // false: asked for, but left out or null; it counts wrong
};

struct JudgedQuantity {
  AnswerQuantity Quantity = AnswerQuantity::L;
  int Member = 0;
  // False when the program has no value for the quantity (after a failed analysis): its entries
  // are listed with their given values and not counted.
  bool Judged = true;
  int Cols = 1;  // of the quantity's grid, for the entries' rows and columns
  std::vector<JudgedEntry> Entries;

  int Checked() const;
  int Right() const;
  bool AllRight() const { return Checked() > 0 && Right() == Checked(); }
};

struct Judgement {
  std::vector<JudgedQuantity> Quantities;
  // What was set aside, in words: malformed items, copies, what could not be asked of the key.
  std::vector<std::string> Skipped;
  bool SinglePrecision = true;  // the key's values are those of a single-precision run

  int Checked() const;
  int Right() const;
  bool AllRight() const { return Checked() > 0 && Right() == Checked(); }
  // The slip named most often among the wrong entries (the first in the slips' order on a tie),
  // None when no wrong entry has one.
  Slip CommonSlip() const;
};

// Every quantity the sheet gives, each entry given judged.
Judgement JudgeGiven(const AnswerKey& key, const AnswerSheet& sheet);

// The quantities asked for, whatever the sheet gives: every entry of each is judged, an
// unanswered one counting wrong. A quantity asked twice is judged once; a member the structure
// lacks, or a quantity the key has no value for, is skipped and said so.
Judgement JudgeAsked(const AnswerKey& key, const AnswerSheet& sheet,
                     const std::vector<AskedQuantity>& asked);

}  // namespace stavelorn
