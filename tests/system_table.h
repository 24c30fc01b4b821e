#pragma once

// Square systems of every kind with their answers in words: rank-deficient
// consistent and inconsistent ones for each N, zero matrices, a zero
// column, rank N - 2, decimals dependent only exactly. The words were worked
// out by hand and by an independent script.

#include <string>

namespace velmora::testing_support {

struct TableSystem {
    std::string a, y;      // rows of A separated by "/", and y
    std::string answer;    // the answer's line
    std::string solution;  // the solution row's fields, separated by blanks
};

inline const TableSystem kSystems[] = {
    {"0", "0", "Infinitely many solutions, 1 free parameter: x = t·(1).", "t"},
    {"0", "5", "No solution: row 1 gives 0 = 5.", ""},
    {"4", "2", "Unique solution: x = (1/2).", "1/2"},
    {"0.1 0.2 / 0.3 0.6", "1 3",
     "Infinitely many solutions, 1 free parameter: x = (10, 0) + t·(-2, 1).", "10-2t t"},
    {"0.1 0.2 / 0.3 0.6", "1 4", "No solution: 3·row 1 - row 2 gives 0 = -1.", ""},
    {"0.5 0.25 / 1 0.5", "2 4",
     "Infinitely many solutions, 1 free parameter: x = (4, 0) + t·(-1/2, 1).", "4-1/2t t"},
    {"0 0 / 0 0", "0 0", "Infinitely many solutions, 2 free parameters: x = t1·(1, 0) + t2·(0, 1).",
     "t1 t2"},
    {"0 0 / 0 0", "0 3", "No solution: row 2 gives 0 = 3.", ""},
    {"0 1 / 0 2", "1 2", "Infinitely many solutions, 1 free parameter: x = (0, 1) + t·(1, 0).",
     "t 1"},
    {"2 1 / 1 1", "3 2", "Unique solution: x = (1, 1).", "1 1"},
    {"1 2 3 / 4 5 6 / 7 8 9", "1 2 3",
     "Infinitely many solutions, 1 free parameter: x = (-1/3, 2/3, 0) + t·(1, -2, 1).",
     "-1/3+t 2/3-2t t"},
    {"1 2 3 / 4 5 6 / 7 8 9", "1 2 4", "No solution: row 1 - 2·row 2 + row 3 gives 0 = 1.", ""},
    {"1 2 3 / 2 4 6 / 3 6 9", "1 2 3",
     "Infinitely many solutions, 2 free parameters: x = (1, 0, 0) + t1·(-2, 1, 0) + t2·(-3, 0, "
     "1).",
     "1-2t1-3t2 t1 t2"},
    {"1 2 3 / 2 4 6 / 3 6 9", "1 2 4", "No solution: 3·row 1 - row 3 gives 0 = -1.", ""},
    {"0 0 0 / 0 0 0 / 0 0 0", "0 0 0",
     "Infinitely many solutions, 3 free parameters: x = t1·(1, 0, 0) + t2·(0, 1, 0) + t3·(0, "
     "0, 1).",
     "t1 t2 t3"},
    {"0 0 0 / 0 0 0 / 0 0 0", "0 -2 1", "No solution: row 2 gives 0 = -2.", ""},
    {"2 0 1 / 4 0 3 / 0 0 5", "1 1 0", "No solution: 10·row 1 - 5·row 2 + row 3 gives 0 = 5.", ""},
    {"1 1 0 0 / 0 1 1 0 / 1 2 1 0 / 2 3 1 0", "1 2 3 5",
     "No solution: row 1 + row 3 - row 4 gives 0 = -1.", ""},
    {"1 1 0 0 / 0 1 1 0 / 1 2 1 0 / 2 3 1 0", "1 2 3 4",
     "Infinitely many solutions, 2 free parameters: x = (-1, 2, 0, 0) + t1·(1, -1, 1, 0) + "
     "t2·(0, 0, 0, 1).",
     "-1+t1 2-t1 t1 t2"},
    {"3 0 1.5 0 2 / 0 1 0 0 1 / 6 1 3 0 5 / 0 0 0 2 2 / 3 2 1.5 2 6", "1 2 4 0 6",
     "No solution: 3·row 1 - 2·row 3 - row 4 + row 5 gives 0 = 1.", ""},
    {"3 0 1.5 0 2 / 0 1 0 0 1 / 6 1 3 0 5 / 0 0 0 2 2 / 3 2 1.5 2 6", "1 2 4 0 5",
     "Infinitely many solutions, 2 free parameters: x = (1/3, 2, 0, 0, 0) + t1·(-1/2, 0, 1, 0, "
     "0) + t2·(-2/3, -1, 0, -1, 1).",
     "1/3-1/2t1-2/3t2 2-t2 t1 -t2 t2"},
    {"2 -1 0 0 0 1 / 0 1 -1 0 0 0 / 2 0 -1 0 0 1 / 0 0 0 3 1 0 / 0 0 0 6 2 0 / 4 -1 -1 3 1 2",
     "1 1 2 3 6 6",
     "Infinitely many solutions, 3 free parameters: x = (1, 1, 0, 1, 0, 0) + t1·(1/2, 1, 1, 0, "
     "0, 0) + t2·(0, 0, 0, -1/3, 1, 0) + t3·(-1/2, 0, 0, 0, 0, 1).",
     "1+1/2t1-1/2t3 1+t1 t1 1-1/3t2 t2 t3"},
    {"2 -1 0 0 0 1 / 0 1 -1 0 0 0 / 2 0 -1 0 0 1 / 0 0 0 3 1 0 / 0 0 0 6 2 0 / 4 -1 -1 3 1 2",
     "1 1 2 3 6 5", "No solution: 2·row 1 + 2·row 3 + row 5 - 2·row 6 gives 0 = 2.", ""},
};

}  // namespace velmora::testing_support
