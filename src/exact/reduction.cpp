#include "exact/reduction.h"

#include <cassert>
#include <utility>

namespace velmora {

namespace {

// The row of the pivot of `column` among rows firstRow.. of m: the first
// entry 1 or -1, otherwise the first non-zero one; 0 when all are zero.
int PivotRow(const EliminationMatrix& m, int column, int firstRow) {
    const Rational one(1);
    const Rational minusOne(-1);
    int nonZero = 0;
    for (int r = firstRow; r <= m.rows(); ++r) {
        const Rational& x = m(r, column);
        if (x == one || x == minusOne) {
            return r;
        }
        if (nonZero == 0 && !x.isZero()) {
            nonZero = r;
        }
    }
    return nonZero;
}

// Does each operation on the matrix as it is recorded, so that the record
// replays exactly to the result.
class Recorder {
public:
    explicit Recorder(EliminationMatrix m) : m_matrix(std::move(m)) {}

    void operator()(RowOperation::Kind kind, int target, int source, Rational factor, int pivotRow,
                    int pivotColumn) {
        RowOperation& operation = m_operations.emplace_back(
            RowOperation{kind, target, source, std::move(factor), pivotRow, pivotColumn});
        ApplyRowOperation(operation, m_matrix);
    }

    // Moves the pivot of `column` found among rows `row`.. to `row`: false
    // when the column has none there.
    bool bringPivot(int column, int row, int& swaps) {
        const int p = PivotRow(m_matrix, column, row);
        if (p == 0) {
            return false;
        }
        if (p != row) {
            (*this)(RowOperation::Kind::swap, row, p, Rational(), row, column);
            ++swaps;
        }
        return true;
    }

    // Clears `column` in rows from..to other than the pivot's row by
    // multiples of it; the pivot is not zero.
    void clear(int column, int pivotRow, int from, int to) {
        for (int k = from; k <= to; ++k) {
            if (k != pivotRow && !m_matrix(k, column).isZero()) {
                Rational factor = -(m_matrix(k, column) / m_matrix(pivotRow, column));
                (*this)(RowOperation::Kind::addMultiple, k, pivotRow, std::move(factor), pivotRow,
                        column);
            }
        }
    }

    [[nodiscard]] const EliminationMatrix& matrix() const noexcept { return m_matrix; }
    [[nodiscard]] std::vector<RowOperation>& operations() noexcept { return m_operations; }

private:
    EliminationMatrix m_matrix;
    std::vector<RowOperation> m_operations;
};

// a with `extra` zero columns on its right.
EliminationMatrix WithRoom(const RationalMatrix& a, int extra) {
    EliminationMatrix m(a.rows(), a.cols() + extra);
    for (int r = 1; r <= a.rows(); ++r) {
        for (int c = 1; c <= a.cols(); ++c) {
            m(r, c) = a(r, c);
        }
    }
    return m;
}

}  // namespace

EliminationMatrix Widened(const RationalMatrix& a) {
    return WithRoom(a, 0);
}

EliminationMatrix Augmented(const RationalMatrix& a, const RationalVector& y) {
    assert(y.size() == a.rows());
    EliminationMatrix m = WithRoom(a, 1);
    for (int r = 1; r <= a.rows(); ++r) {
        m(r, a.cols() + 1) = y(r);
    }
    return m;
}

EliminationMatrix WithIdentity(const RationalMatrix& a) {
    EliminationMatrix m = WithRoom(a, a.rows());
    for (int r = 1; r <= a.rows(); ++r) {
        m(r, a.cols() + r) = Rational(1);
    }
    return m;
}

void ApplyRowOperation(const RowOperation& operation, EliminationMatrix& m) {
    const int t = operation.target;
    const int s = operation.source;
    assert(t >= 1 && t <= m.rows() && s >= 1 && s <= m.rows());
    for (int c = 1; c <= m.cols(); ++c) {
        switch (operation.kind) {
            case RowOperation::Kind::swap:
                std::swap(m(t, c), m(s, c));
                break;
            case RowOperation::Kind::scale:
                m(t, c) = operation.factor * m(t, c);
                break;
            case RowOperation::Kind::addMultiple:
                if (!m(s, c).isZero()) {
                    m(t, c) = m(t, c) + operation.factor * m(s, c);
                }
                break;
        }
    }
}

Reduction ReduceToEchelon(EliminationMatrix m, int pivotColumns) {
    assert(pivotColumns >= 0 && pivotColumns <= m.cols());
    const int rows = m.rows();
    Recorder record(std::move(m));
    Reduction result;
    int swaps = 0;
    int row = 1;
    for (int c = 1; c <= pivotColumns && row <= rows; ++c) {
        if (!record.bringPivot(c, row, swaps)) {
            continue;
        }
        const Rational& pivot = record.matrix()(row, c);
        if (!(pivot == Rational(1))) {
            record(RowOperation::Kind::scale, row, row, Rational(1) / pivot, row, c);
        }
        record.clear(c, row, 1, rows);
        result.pivotColumns.push_back(c);
        ++row;
    }
    result.reduced = record.matrix();
    result.operations = std::move(record.operations());
    return result;
}

Triangulation Triangulate(const RationalMatrix& a) {
    const int n = a.rows();
    assert(n == a.cols());
    Recorder record(Widened(a));
    Triangulation result;
    for (int c = 1; c <= n; ++c) {
        if (record.bringPivot(c, c, result.swaps)) {
            record.clear(c, c, c + 1, n);
        }
    }
    result.determinant = Rational(result.swaps % 2 == 0 ? 1 : -1);
    for (int k = 1; k <= n; ++k) {
        result.determinant = result.determinant * record.matrix()(k, k);
    }
    result.triangular = record.matrix();
    result.operations = std::move(record.operations());
    return result;
}

}  // namespace velmora
