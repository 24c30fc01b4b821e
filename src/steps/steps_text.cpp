#include "steps/steps_text.h"

#include "steps/matrix_text.h"

namespace velmora {

namespace {

std::string SpokenRows(const EliminationMatrix& m, int bar) {
    std::string text;
    for (int r = 1; r <= m.rows(); ++r) {
        for (int c = 1; c <= m.cols(); ++c) {
            text += c == 1 ? "" : c == bar + 1 ? " | " : ", ";
            text += FractionText(m(r, c));
        }
        text += "\n";
    }
    return text;
}

}  // namespace

std::string StepsPlainText(const SolveSteps& steps) {
    std::string text;
    for (const StepSection& section : steps.sections) {
        text += text.empty() ? "" : "\n";
        text += section.title + "\n" + section.label + "\n";
        text += MatrixText(section.start, section.bar, MatrixFormat::plain) + "\n";
        for (const Step& step : section.steps) {
            text += "\n" + step.caption + "\n";
            text += MatrixText(step.matrix, section.bar, MatrixFormat::plain) + "\n";
        }
        text += "\n" + section.closing + "\n";
        if (section.result) {
            text += MatrixText(*section.result, 0, MatrixFormat::plain) + "\n";
        }
    }
    return text;
}

std::string StepsLatex(const SolveSteps& steps) {
    std::string text = "% Needs \\usepackage{amsmath}.\n";
    for (const StepSection& section : steps.sections) {
        text += "\\section*{" + section.title + "}\n";
        text += "\\[\n" + MatrixLatex(section.start, section.bar, 0, 0) + "\n\\]\n";
        for (const Step& step : section.steps) {
            text += "\\[\n\\xrightarrow{" + CaptionLatex(step.operation) + "}\n";
            text += MatrixLatex(step.matrix, section.bar, step.operation.pivotRow,
                                step.operation.pivotColumn) +
                    "\n\\]\n";
        }
        text += "\\[\n" + section.closingLatex + "\n\\]\n";
    }
    return text;
}

std::string StepsSpokenText(const SolveSteps& steps) {
    std::string text;
    for (const StepSection& section : steps.sections) {
        text += text.empty() ? "" : "\n";
        text +=
            section.title + "\n" + section.label + "\n" + SpokenRows(section.start, section.bar);
        for (const Step& step : section.steps) {
            const RowOperation& op = step.operation;
            text += "\n" + step.caption + "\npivot " +
                    FractionText(step.matrix(op.pivotRow, op.pivotColumn)) + " in row " +
                    std::to_string(op.pivotRow) + ", column " + std::to_string(op.pivotColumn) +
                    "\n" + SpokenRows(step.matrix, section.bar);
        }
        text += "\n" + section.closing + "\n";
        if (section.result) {
            text += SpokenRows(*section.result, 0);
        }
    }
    return text;
}

}  // namespace velmora
