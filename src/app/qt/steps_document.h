#pragma once

// The Steps window's content, written into a text document: per section its
// title and start matrix, per step its caption and the matrix after it, and
// the closing line. Each matrix row is one line whose cells stand right-aligned
// at tab stops, the same for every matrix of a section, each column as wide as
// its widest fraction, so that cells never overlap and the columns line up
// from step to step. The step's pivot is drawn bold and framed, the augmented
// bar as a rule: two kinds of inline objects, which the document's layout
// draws on the screen and on the printer alike.
//
// Lines of text rather than tables: a 6 x 6 Solve has about a hundred
// matrices, which Qt lays out as lines some twenty times faster than as tables.

#include <QString>

#include "steps/steps.h"

class QTextCursor;
class QTextDocument;

namespace velmora {

// Replaces the document's content with the steps, in its default font. With
// a fitWidth (in the document's units, pixels at 96 per inch) each section's
// matrices are written in a font small enough for them to fit, down to half
// the size: for a page. Returns the width of the widest matrix row.
qreal WriteSteps(QTextDocument& document, const SolveSteps& steps, qreal fitWidth = 0);

// The selected text with the pivot written as its number and the bar as "|".
[[nodiscard]] QString SelectedStepsText(const QTextCursor& selection);

}  // namespace velmora
