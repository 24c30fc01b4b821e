#pragma once

// Every square system A x = y answered exactly: one solution, none (with the
// combination of its rows that proves it), or all of them in one canonical
// form, so that two answers to the same system are equal value for value.

#include <vector>

#include "exact/exact_matrix.h"
#include "exact/reduction.h"

namespace velmora {

struct SystemAnswer {
    enum class Kind { unique, none, infinitelyMany };
    Kind kind = Kind::unique;
    int rankA = 0;
    int rankAugmented = 0;  // of [A | y]

    // unique: x. infinitelyMany: p, the solution with every free unknown 0.
    // none: empty.
    RationalVector particular{0};
    // infinitelyMany: the free unknowns, the columns of A without a pivot in
    // increasing order, and one direction v_i for each: 1 at the i-th free
    // unknown, 0 at the others, so that x = p + t1 v1 + ... + tk vk.
    std::vector<int> freeColumns;
    std::vector<RationalVector> directions;

    // none: whole numbers w with w A = 0 and w y = c != 0, without common
    // factor and with the first non-zero one positive: the first vector,
    // with w y != 0, of the basis of the left null space of A in reduced
    // row echelon form, made whole. Empty otherwise.
    RationalVector certificate{0};
    Rational certificateValue;  // c
};

// The answer for a square A (1 to 6) and a y of its size, from the reduced
// row echelon form of [A | y] (and, for none, of [A | I]).
[[nodiscard]] SystemAnswer SolveSystem(const RationalMatrix& a, const RationalVector& y);

// The same answer from the reduction of [A | y] already made (the steps show
// it): `reduction` is ReduceToEchelon(Augmented(a, y), n).
[[nodiscard]] SystemAnswer AnswerFromReduction(const RationalMatrix& a, const RationalVector& y,
                                               const Reduction& reduction);

}  // namespace velmora
