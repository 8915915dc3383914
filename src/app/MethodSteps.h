// What the "The Method, Step by Step" window shows, decided here and shown as it is by the Qt
// window: the numbering table, each member's facts and labelled matrices, the structure's [S],
// {P} and {d} with the chosen member's cells marked, and the equilibrium checks. Everything comes
// from the trail of the analysis whose results are stored.
#pragma once

#include <string>
#include <vector>

#include "analysis/MethodTrail.h"
#include "analysis/TrailEquilibrium.h"
#include "analysis/TrailLabels.h"
#include "model/ModelStore.h"

namespace stavelorn {

// What the window is called, its pages in order (the numbering, one member, the structure, the
// checks), and what the numbering's table says it holds.
inline constexpr char kMethodStepsTitle[] = "The Method, Step by Step";
inline constexpr const char* kMethodStepPages[] = {"Numbering", "Member", "Structure", "Checks"};
inline constexpr char kNumberingCaption[] = "Structure coordinate number of each joint coordinate";

// One labelled matrix or vector (a vector is one column).
struct StepTable {
  std::string Title;
  std::vector<std::string> RowLabels, ColumnLabels;
  std::vector<double> Values;  // row by row
  std::vector<bool> Marked;    // same shape: cells to stand out (empty: none)
  bool Integers = false;       // the cells are counts or numbers, not measures
  // The cells are sines and cosines ([T]): single-precision round-off shows as 0.
  bool Trigonometric = false;

  int Rows() const { return static_cast<int>(RowLabels.size()); }
  int Cols() const { return static_cast<int>(ColumnLabels.size()); }
  double At(int row, int col) const { return Values[Index(row, col)]; }
  bool IsMarked(int row, int col) const { return !Marked.empty() && Marked[Index(row, col)]; }

 private:
  std::size_t Index(int row, int col) const {
    return static_cast<std::size_t>(row) * ColumnLabels.size() + static_cast<std::size_t>(col);
  }
};

// The text of a cell: blank for a zero (most of a stiffness matrix), else 6 significant digits;
// in a table of sines and cosines, 0 for a value that is their round-off.
std::string CellText(const StepTable& table, int row, int col);
// The stored value of a cell in full, for its tooltip (empty for an exact zero).
std::string CellTooltip(const StepTable& table, int row, int col);
// The values as tab-separated text, one line per row, each value in full (zeros as 0).
std::string TableTsv(const StepTable& table);

class MethodSteps {
 public:
  // All three must outlive this object; `results` are those of the analysis the trail records.
  MethodSteps(const ModelStore& model, const StructureResults& results, const MethodTrail& trail);

  // Joints by coordinate, each cell its structure coordinate number; restrained cells marked.
  StepTable Numbering() const;
  // Which run's values these are (single precision, or double when the accuracy guard stored the
  // double-precision results), and why they may differ from hand values in the last digit.
  std::string PrecisionNote() const { return TrailPrecisionNote(trail_); }
  // "Free coordinates 1 to n, restrained n+1 to N."
  std::string NumberingNote() const;

  int MemberCount() const { return static_cast<int>(trail_.Members.size()); }
  // "Member 3: joint 2 to joint 5", for the member at `index` (0-based).
  std::string MemberCaption(int index) const;
  // Length, direction cosines (rotation matrix and roll for a space frame), release code; a
  // cosine that is round-off shows as 0.
  std::vector<std::string> MemberFacts(int index) const;
  // The stored values of the cosines that MemberFacts shows as 0, for its tooltip (empty when
  // there are none).
  std::string MemberFactsTooltip(int index) const;
  // Where {Qf} and {Ff} come from: each load, temperature change, fabrication error and
  // settlement of the member, or that it has none.
  std::vector<std::string> FixedEndSources(int index) const;
  // [k], [T], [K], {Qf}, {Ff}, then {v}, {u}, {Q}, {F}.
  std::vector<StepTable> MemberTables(int index) const;

  // The member's geometric stiffness [kg] beside its [k], from its axial force, and the
  // structure's [Kg] assembled from them: empty tables unless a stability analysis added them to
  // the trail.
  StepTable GeometricStiffness(int index) const;
  StepTable StructureGeometricStiffness() const;

  // [S] with the cells the member at `index` added to marked (no marks for -1); an empty table
  // when the trail kept no [S].
  StepTable Stiffness(int index) const;
  std::string StiffnessNote() const;
  // Joint loads, the members' fixed-end part, {P} and {d} by structure coordinate, the rows the
  // member at `index` added to marked.
  StepTable Loads(int index) const;

  // A heading, one line per member, a heading and one line per direction of the whole structure
  // (headings have no residual).
  std::vector<EquilibriumLine> Equilibrium() const {
    return TrailEquilibrium(model_, results_, trail_);
  }

 private:
  // "d4 (Y trans., joint 2)" for structure coordinate `code`.
  std::string StructureLabel(const std::string& symbol, int code) const;
  // "5 m": a value with the project's unit of its quantity; the bare number when unnamed.
  std::string Measured(double value, Quantity quantity) const;
  // With named units, a label of a coordinate's force (`force`) or displacement carries its
  // unit, so that a vector's rows show theirs and a matrix entry is in its row's unit per its
  // column's. `coordinate` is a member end coordinate 1..2n or a joint coordinate 1..n.
  std::string WithCoordinateUnit(const std::string& label, int coordinate, bool force) const;
  StepTable MemberVectorTable(const TrailMember& m, const std::string& symbol,
                              const std::vector<double>& values, bool global) const;

  const ModelStore& model_;
  const StructureResults& results_;
  const MethodTrail& trail_;
  std::vector<int> jointOfCode_, coordOfCode_;  // by structure coordinate number
};

}  // namespace stavelorn
