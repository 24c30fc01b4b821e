#pragma once

// The tests' oracle: the exact determinant of a small integer matrix by
// fraction-free (Bareiss) elimination in 64-bit integers, exchanging rows at
// a zero pivot. Every intermediate value is a minor of the matrix, so small
// entries keep it far from the 64-bit range.

#include <cstddef>
#include <utility>
#include <vector>

namespace velmora::testing_support {

using IntMatrix = std::vector<std::vector<long long>>;

inline long long ExactDeterminant(IntMatrix m) {
    const auto n = m.size();
    if (n == 0) {
        return 1;
    }
    long long sign = 1;
    long long previous = 1;
    for (std::size_t k = 0; k + 1 < n; ++k) {
        if (m[k][k] == 0) {
            std::size_t p = k + 1;
            while (p < n && m[p][k] == 0) {
                ++p;
            }
            if (p == n) {
                return 0;
            }
            std::swap(m[k], m[p]);
            sign = -sign;
        }
        for (std::size_t i = k + 1; i < n; ++i) {
            for (std::size_t j = k + 1; j < n; ++j) {
                m[i][j] = (m[i][j] * m[k][k] - m[i][k] * m[k][j]) / previous;
            }
        }
        previous = m[k][k];
    }
    return sign * m[n - 1][n - 1];
}

}  // namespace velmora::testing_support
