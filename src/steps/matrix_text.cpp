#include "steps/matrix_text.h"

#include <string_view>

#include "blocktext/block_text.h"
#include "steps/steps.h"

namespace velmora {

namespace {

TextBlock Cells(const EliminationMatrix& m, int bar, bool formulas) {
    TextBlock block;
    for (int r = 1; r <= m.rows(); ++r) {
        std::vector<std::string>& row = block.emplace_back();
        for (int c = 1; c <= m.cols(); ++c) {
            std::string cell = FractionText(m(r, c));
            const bool fraction = cell.find('/') != std::string::npos;
            row.push_back(formulas && fraction ? "=" + cell : std::move(cell));
            if (c == bar && c < m.cols()) {
                row.emplace_back("|");
            }
        }
    }
    return block;
}

// Rows and cells between their separators and brackets.
std::string Joined(const EliminationMatrix& m, std::string_view open, std::string_view cell,
                   std::string_view row, std::string_view close) {
    std::string text(open);
    for (int r = 1; r <= m.rows(); ++r) {
        text += r > 1 ? row : "";
        for (int c = 1; c <= m.cols(); ++c) {
            text += (c > 1 ? cell : "");
            text += FractionText(m(r, c));
        }
    }
    return text += close;
}

}  // namespace

std::string MatrixLatex(const EliminationMatrix& m, int bar, int pivotRow, int pivotColumn) {
    const bool augmented = bar > 0 && bar < m.cols();
    std::string text;
    if (augmented) {
        text = "\\left[\\begin{array}{" + std::string(static_cast<std::size_t>(bar), 'c') + "|" +
               std::string(static_cast<std::size_t>(m.cols() - bar), 'c') + "}\n";
    } else {
        text = "\\begin{bmatrix}\n";
    }
    for (int r = 1; r <= m.rows(); ++r) {
        for (int c = 1; c <= m.cols(); ++c) {
            text += c > 1 ? " & " : "";
            const std::string number = LatexNumber(m(r, c));
            text += r == pivotRow && c == pivotColumn ? "\\boxed{" + number + "}" : number;
        }
        text += r < m.rows() ? " \\\\\n" : "\n";
    }
    return text + (augmented ? "\\end{array}\\right]" : "\\end{bmatrix}");
}

std::string MatrixText(const EliminationMatrix& m, int bar, MatrixFormat format) {
    switch (format) {
        case MatrixFormat::plain:
            return BlockText(Cells(m, bar, false));
        case MatrixFormat::spreadsheet:
            return BlockText(Cells(m, 0, true));
        case MatrixFormat::latex:
            return MatrixLatex(m, bar, 0, 0);
        case MatrixFormat::octave:
            return Joined(m, "[", " ", "; ", "]");
        case MatrixFormat::numpy:
            return Joined(m, "np.array([[", ", ", "], [", "]])");
    }
    return {};
}

}  // namespace velmora
