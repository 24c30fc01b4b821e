#pragma once

// Blocks of cells as text, the way spreadsheets and text editors put them on
// the clipboard: rows on lines, cells separated by tabs, semicolons, commas
// or blanks. Pure functions, no toolkit: the window decides which cells a
// block fills.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// Cell texts row by row. Rows may be ragged; a row may have no cells.
using TextBlock = std::vector<std::vector<std::string>>;

// The number of cells of the longest row.
[[nodiscard]] int BlockWidth(const TextBlock& block);

// The block a pasted text holds, or nothing when the text is a single text
// to be inserted as it stands.
//
// A text is a block when it has more than one line (lines end with CR LF,
// LF or CR; one line break at the very end does not count) or holds a tab or
// a semicolon. A row with a tab is split at its tabs; one without a tab at
// its semicolons; in a block of several lines without any tab or semicolon,
// at runs of blanks, and also at commas when some line holds two or more
// commas (so a column of decimal-comma numbers stays one column). Any other
// row is one cell. Every cell keeps
// its text as written, only blanks (spaces, tabs) around it removed, so an
// empty cell between two tabs is an empty text. A row of blanks without a tab
// has no cells.
[[nodiscard]] std::optional<TextBlock> ParseBlock(std::string_view text);

// The text without one line break (CR LF, LF or CR) at its very end: what a
// single text that is no block goes in as, since a spreadsheet's copy of one
// cell ends with a line break.
[[nodiscard]] std::string_view WithoutFinalLineBreak(std::string_view text);

// The block as a spreadsheet copies it: cells separated by tabs, rows by
// line feeds, no line break after the last row.
[[nodiscard]] std::string BlockText(const TextBlock& block);

}  // namespace velmora
