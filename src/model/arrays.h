#pragma once
// Bounds-checked arrays of the analysis state. Each is sized to the data
// actually read; an index outside its size is a programming fault and throws
// std::out_of_range rather than touching memory that is not there.
#include <algorithm>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

namespace vorelan {

[[noreturn]] inline void throwIndexFault(const char* what, std::size_t index, std::size_t size) {
  throw std::out_of_range(std::string(what) + " index " + std::to_string(index) +
                          " outside 0.." + std::to_string(size == 0 ? 0 : size - 1));
}

template <class T>
class Array1 {
 public:
  Array1() = default;
  explicit Array1(std::size_t size) : data_(size, T{}) {}

  T& operator()(std::size_t i) { return data_[checked(i)]; }
  const T& operator()(std::size_t i) const { return data_[checked(i)]; }

  std::size_t size() const { return data_.size(); }
  // Sizes the array to `size` elements, all cleared.
  void reset(std::size_t size) { data_.assign(size, T{}); }
  // Clears every element, keeping the size.
  void clear() { data_.assign(data_.size(), T{}); }
  // Grows the array (keeping its elements) so that index i exists.
  void ensure(std::size_t i) {
    if (i >= data_.size()) data_.resize(i + 1, T{});
  }

 private:
  std::size_t checked(std::size_t i) const {
    if (i >= data_.size()) throwIndexFault("array", i, data_.size());
    return i;
  }
  std::vector<T> data_;
};

template <class T>
class Array2 {
 public:
  Array2() = default;
  Array2(std::size_t rows, std::size_t cols) : rows_(rows), cols_(cols), data_(rows * cols, T{}) {}

  T& operator()(std::size_t r, std::size_t c) { return data_[checked(r, c)]; }
  const T& operator()(std::size_t r, std::size_t c) const { return data_[checked(r, c)]; }

  std::size_t rows() const { return rows_; }
  std::size_t cols() const { return cols_; }
  void reset(std::size_t rows, std::size_t cols) {
    rows_ = rows;
    cols_ = cols;
    data_.assign(rows * cols, T{});
  }
  void clear() { data_.assign(data_.size(), T{}); }
  // Sets rows firstRow..lastRow, columns firstCol..lastCol to `value`: the
  // corners are checked once, not every element.
  void fill(std::size_t firstRow, std::size_t lastRow, std::size_t firstCol, std::size_t lastCol, T value) {
    if (firstRow > lastRow || firstCol > lastCol) return;
    checked(lastRow, lastCol);
    for (std::size_t r = firstRow; r <= lastRow; ++r) {
      const auto row = data_.begin() + static_cast<std::ptrdiff_t>(r * cols_);
      std::fill(row + static_cast<std::ptrdiff_t>(firstCol), row + static_cast<std::ptrdiff_t>(lastCol) + 1, value);
    }
  }

 private:
  std::size_t checked(std::size_t r, std::size_t c) const {
    if (r >= rows_) throwIndexFault("row", r, rows_);
    if (c >= cols_) throwIndexFault("column", c, cols_);
    return r * cols_ + c;
  }
  std::size_t rows_ = 0;
  std::size_t cols_ = 0;
  std::vector<T> data_;
};

template <class T>
class Array3 {
 public:
  Array3() = default;
  Array3(std::size_t n1, std::size_t n2, std::size_t n3) { reset(n1, n2, n3); }

  T& operator()(std::size_t a, std::size_t b, std::size_t c) { return data_[checked(a, b, c)]; }
  const T& operator()(std::size_t a, std::size_t b, std::size_t c) const {
    return data_[checked(a, b, c)];
  }

  std::size_t size1() const { return n1_; }
  std::size_t size2() const { return n2_; }
  std::size_t size3() const { return n3_; }
  void reset(std::size_t n1, std::size_t n2, std::size_t n3) {
    n1_ = n1;
    n2_ = n2;
    n3_ = n3;
    data_.assign(n1 * n2 * n3, T{});
  }
  void clear() { data_.assign(data_.size(), T{}); }

 private:
  std::size_t checked(std::size_t a, std::size_t b, std::size_t c) const {
    if (a >= n1_) throwIndexFault("first", a, n1_);
    if (b >= n2_) throwIndexFault("second", b, n2_);
    if (c >= n3_) throwIndexFault("third", c, n3_);
    return (a * n2_ + b) * n3_ + c;
  }
  std::size_t n1_ = 0, n2_ = 0, n3_ = 0;
  std::vector<T> data_;
};

}  // namespace vorelan
