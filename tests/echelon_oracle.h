#pragma once

// The tests' own reduced row echelon form, in GMP's rationals and by the
// schoolbook rule (the first non-zero pivot): the form of A is unique, so a
// correct reduction must bring A to it whatever its pivot choice. Beside it,
// the bridges between the oracle's matrices and the exact core's, a replay of
// row operations by hand, and the systems the tests solve.

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <cstddef>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "exact/reduction.h"
#include "exact_rational.h"

namespace velmora::testing_support {

using Grid = RationalMatrix;  // rows of any width
using Column = RationalVector;

struct Echelon {
    Grid reduced;
    std::vector<std::size_t> pivots;  // 0-based pivot columns
};

inline Echelon ExactEchelon(Grid m, std::size_t pivotColumns) {
    std::vector<std::size_t> pivots;
    std::size_t row = 0;
    for (std::size_t c = 0; c < pivotColumns && row < m.size(); ++c) {
        std::size_t p = row;
        while (p < m.size() && m[p][c] == 0) {
            ++p;
        }
        if (p == m.size()) {
            continue;
        }
        std::swap(m[p], m[row]);
        const mpq_class pivot = m[row][c];
        for (mpq_class& x : m[row]) {
            x /= pivot;
        }
        for (std::size_t k = 0; k < m.size(); ++k) {
            const mpq_class f = m[k][c];
            for (std::size_t j = 0; k != row && j < m[k].size(); ++j) {
                m[k][j] -= f * m[row][j];
            }
        }
        pivots.push_back(c);
        ++row;
    }
    return {std::move(m), std::move(pivots)};
}

inline mpq_class Mpq(const Rational& x) {
    mpq_class q(FractionText(x), 10);
    q.canonicalize();
    return q;
}

inline Rational FromMpq(const mpq_class& q) {
    return Rational(q.get_num().get_si()) / Rational(q.get_den().get_si());
}

// The first `cols` columns of g as an EliminationMatrix or a RationalMatrix.
template <typename M>
M FromGrid(const Grid& g, std::size_t cols) {
    M m(static_cast<int>(g.size()), static_cast<int>(cols));
    for (std::size_t r = 0; r < g.size(); ++r) {
        for (std::size_t c = 0; c < cols; ++c) {
            m(static_cast<int>(r) + 1, static_cast<int>(c) + 1) = FromMpq(g[r][c]);
        }
    }
    return m;
}

// The first n columns of g.
inline Grid Left(Grid g, std::size_t n) {
    for (Column& row : g) {
        row.resize(n);
    }
    return g;
}

// [A | B], with B given by columns.
inline Grid Joined(Grid a, const std::vector<Column>& columns) {
    for (const Column& column : columns) {
        for (std::size_t r = 0; r < a.size(); ++r) {
            a[r].push_back(column[r]);
        }
    }
    return a;
}

inline std::vector<Column> Identity(std::size_t n) {
    std::vector<Column> columns(n, Column(n, 0));
    for (std::size_t i = 0; i < n; ++i) {
        columns[i][i] = 1;
    }
    return columns;
}

// One row operation done by hand on the oracle's matrix.
inline void Replay(Grid& m, RowOperation::Kind kind, std::size_t target, std::size_t source,
                   const mpq_class& f) {
    Column& t = m[target - 1];
    Column& s = m[source - 1];
    for (std::size_t j = 0; j < t.size(); ++j) {
        if (kind == RowOperation::Kind::swap) {
            std::swap(t[j], s[j]);
        } else {
            t[j] = kind == RowOperation::Kind::scale ? mpq_class(f * t[j])
                                                     : mpq_class(t[j] + f * s[j]);
        }
    }
}

// "1 0.5 / -2 3" as its rows of exact decimals.
inline Grid Rows(const std::string& text) {
    Grid a;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line, '/');) {
        std::istringstream words(line);
        Column& row = a.emplace_back();
        for (std::string word; words >> word;) {
            row.push_back(ExactDecimal(word));
        }
    }
    return a;
}

// [A | y] with A = B C of rank at most r, B n x r and C r x n of whole
// numbers from -3 to 3, a third of them zero, some rows of A in tenths; y is
// A z (consistent) or at random.
inline Grid RandomSystem(std::mt19937& random, std::size_t n, std::size_t r, bool consistent) {
    std::uniform_int_distribution<int> entry(-3, 3);
    std::uniform_int_distribution<int> third(0, 2);
    const auto factor = [&](std::size_t rows, std::size_t cols) {
        Grid g(rows, Column(cols, 0));
        for (Column& row : g) {
            for (mpq_class& x : row) {
                x = third(random) == 0 ? 0 : entry(random);
            }
        }
        return g;
    };
    const Grid b = factor(n, r), c = factor(r, n);
    const Column z = factor(1, n)[0];
    Grid m(n, Column(n + 1, 0));
    for (std::size_t i = 0; i < n; ++i) {
        const mpq_class scale(1, third(random) == 0 ? 10 : 1);
        for (std::size_t j = 0; j < n; ++j) {
            for (std::size_t k = 0; k < r; ++k) {
                m[i][j] += scale * b[i][k] * c[k][j];
            }
            m[i][n] += consistent ? mpq_class(m[i][j] * z[j]) : mpq_class(0);
        }
        m[i][n] = consistent ? m[i][n] : z[i];
    }
    return m;
}

// judge([A | y]) for `trials` random systems of each N from 1 to 6 and each
// rank up to N, every other one consistent.
template <typename Judge>
void ForRandomSystems(std::mt19937::result_type seed, int trials, Judge judge) {
    std::mt19937 random(seed);
    for (std::size_t n = 1; n <= 6; ++n) {
        for (std::size_t rank = 0; rank <= n; ++rank) {
            for (int trial = 0; trial < trials; ++trial) {
                SCOPED_TRACE(testing::Message() << "n " << n << " rank " << rank << " " << trial);
                judge(RandomSystem(random, n, rank, trial % 2 == 0));
            }
        }
    }
}

}  // namespace velmora::testing_support
