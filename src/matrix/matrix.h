#pragma once

#include <array>
#include <cassert>
#include <cstddef>

namespace velmora {

// The largest dimension of the window's grids.
constexpr int kMaxDimension = 6;

// A matrix of at most 6x6 numbers (6 x MaxCols: an elimination works on
// [A | I]), addressed (row, column) from 1 as the window's grids are. This
// and BasicVector are the one place where those indices become zero-based
// storage. Every element starts as T().
template <typename T, int MaxCols = kMaxDimension>
class BasicMatrix {
public:
    static constexpr int kMaxSize = kMaxDimension;

    BasicMatrix(int rows, int cols) : m_rows(rows), m_cols(cols) {
        assert(rows >= 0 && rows <= kMaxSize && cols >= 0 && cols <= MaxCols);
    }

    [[nodiscard]] int rows() const noexcept { return m_rows; }
    [[nodiscard]] int cols() const noexcept { return m_cols; }

    T& operator()(int r, int c) noexcept { return m_cells[index(r, c)]; }
    const T& operator()(int r, int c) const noexcept { return m_cells[index(r, c)]; }

private:
    [[nodiscard]] std::size_t index(int r, int c) const noexcept {
        assert(r >= 1 && r <= m_rows && c >= 1 && c <= m_cols);
        return static_cast<std::size_t>(r - 1) * MaxCols + static_cast<std::size_t>(c - 1);
    }

    std::array<T, std::size_t{kMaxSize} * MaxCols> m_cells{};
    int m_rows;
    int m_cols;
};

// A column of at most 6 numbers, addressed from 1 as the window's vectors are.
template <typename T>
class BasicVector {
public:
    explicit BasicVector(int size) : m_size(size) { assert(size >= 0 && size <= kMaxDimension); }

    [[nodiscard]] int size() const noexcept { return m_size; }

    T& operator()(int i) noexcept { return m_cells[index(i)]; }
    const T& operator()(int i) const noexcept { return m_cells[index(i)]; }

private:
    [[nodiscard]] std::size_t index(int i) const noexcept {
        assert(i >= 1 && i <= m_size);
        return static_cast<std::size_t>(i - 1);
    }

    std::array<T, kMaxDimension> m_cells{};
    int m_size;
};

using Matrix = BasicMatrix<double>;
using Vector = BasicVector<double>;

}  // namespace velmora
