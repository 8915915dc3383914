// One- and two-dimensional arrays indexed from 1, the way every table of the structure model
// is numbered (joint 1, member 1, column 1). Access outside the current shape throws
// std::out_of_range instead of reading stray memory, so a bad index in hostile data can
// never corrupt the program.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

namespace stavelorn {

// A list of values numbered 1..Size().
template <typename T>
class Array {
 public:
  Array() = default;
  explicit Array(int size) { Redim(size); }

  // Discards the contents and gives the array `size` zeroed entries (none for size <= 0).
  void Redim(int size) { values_.assign(size > 0 ? static_cast<std::size_t>(size) : 0, T{}); }

  int Size() const { return static_cast<int>(values_.size()); }

  T& operator()(int index) { return values_.at(Offset(index)); }
  const T& operator()(int index) const { return values_.at(Offset(index)); }
  // The entries in order, for loops that run over all of them at once.
  T* Data() { return values_.data(); }
  const T* Data() const { return values_.data(); }

  bool operator==(const Array& other) const { return values_ == other.values_; }
  bool operator!=(const Array& other) const { return !(*this == other); }

 private:
  std::size_t Offset(int index) const {
    if (index < 1 || index > Size())
      throw std::out_of_range("index " + std::to_string(index) + " outside 1.." +
                              std::to_string(Size()));
    return static_cast<std::size_t>(index - 1);
  }

  std::vector<T> values_;
};

// A table of Rows() records by Cols() columns, written A(row, column) as the model's tables are.
template <typename T>
class Table {
 public:
  Table() = default;
  Table(int rows, int cols) { Redim(rows, cols); }

  // Discards the contents and gives the table rows x cols zeroed entries.
  void Redim(int rows, int cols) {
    rows_ = rows > 0 ? rows : 0;
    cols_ = cols > 0 ? cols : 0;
    values_.assign(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(cols_), T{});
  }

  int Rows() const { return rows_; }
  int Cols() const { return cols_; }

  T& operator()(int row, int col) { return values_[Offset(row, col)]; }
  const T& operator()(int row, int col) const { return values_[Offset(row, col)]; }
  // The entries row after row, for loops that run over all of them at once.
  T* Data() { return values_.data(); }
  const T* Data() const { return values_.data(); }

  bool operator==(const Table& other) const {
    return rows_ == other.rows_ && cols_ == other.cols_ && values_ == other.values_;
  }
  bool operator!=(const Table& other) const { return !(*this == other); }

 private:
  std::size_t Offset(int row, int col) const {
    if (row < 1 || row > rows_ || col < 1 || col > cols_)
      throw std::out_of_range("cell (" + std::to_string(row) + ", " + std::to_string(col) +
                              ") outside a " + std::to_string(rows_) + " x " +
                              std::to_string(cols_) + " table");
    return static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(cols_) +
           static_cast<std::size_t>(col - 1);
  }

  int rows_ = 0;
  int cols_ = 0;
  std::vector<T> values_;
};

}  // namespace stavelorn
