#include "blocktext/block_text.h"

#include <algorithm>

namespace velmora {

namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::vector<std::string_view> Lines(std::string_view text) {
    text = WithoutFinalLineBreak(text);
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            lines.push_back(text.substr(start, i - start));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    lines.push_back(text.substr(start));
    return lines;
}

std::vector<std::string> SplitAt(std::string_view row, char separator) {
    std::vector<std::string> cells;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = row.find(separator, start);
        cells.emplace_back(Trim(row.substr(start, end - start)));
        if (end == std::string_view::npos) {
            return cells;
        }
        start = end + 1;
    }
}

// Runs of blanks separate; a comma is part of a cell.
std::vector<std::string> SplitAtBlanks(std::string_view row) {
    std::vector<std::string> cells;
    for (std::size_t i = row.find_first_not_of(kBlanks); i != std::string_view::npos;) {
        const std::size_t end = std::min(row.find_first_of(kBlanks, i), row.size());
        cells.emplace_back(row.substr(i, end - i));
        i = row.find_first_not_of(kBlanks, end);
    }
    return cells;
}

// Commas and runs of blanks separate; a comma with blanks around it is one
// separator, two commas enclose an empty cell.
std::vector<std::string> SplitAtCommasOrBlanks(std::string_view row) {
    std::vector<std::string> cells;
    std::size_t i = 0;
    for (;;) {
        const std::size_t end = std::min(row.find_first_of(", \t", i), row.size());
        cells.emplace_back(row.substr(i, end - i));
        i = std::min(row.find_first_not_of(kBlanks, end), row.size());
        if (i < row.size() && row[i] == ',') {
            i = std::min(row.find_first_not_of(kBlanks, i + 1), row.size());
        } else if (i == row.size()) {
            return cells;
        }
    }
}

// Commas separate cells only where some line has two of them: a line with
// one comma is far more often one number with a decimal comma ("1,5") than
// a row of two cells.
bool CommasSeparate(const std::vector<std::string_view>& lines) {
    return std::ranges::any_of(lines, [](std::string_view line) {
        return std::count(line.begin(), line.end(), ',') >= 2;
    });
}

}  // namespace

std::string_view WithoutFinalLineBreak(std::string_view text) {
    if (text.ends_with("\r\n")) {
        text.remove_suffix(2);
    } else if (text.ends_with('\n') || text.ends_with('\r')) {
        text.remove_suffix(1);
    }
    return text;
}

int BlockWidth(const TextBlock& block) {
    std::size_t width = 0;
    for (const auto& row : block) {
        width = std::max(width, row.size());
    }
    return static_cast<int>(width);
}

std::optional<TextBlock> ParseBlock(std::string_view text) {
    const std::vector<std::string_view> lines = Lines(text);
    const bool separated = text.find_first_of("\t;") != std::string_view::npos;
    if (lines.size() < 2 && !separated) {
        return std::nullopt;
    }
    const bool commas = !separated && CommasSeparate(lines);
    TextBlock block;
    for (const std::string_view line : lines) {
        std::vector<std::string>& row = block.emplace_back();
        const std::string_view content = Trim(line);
        if (line.find('\t') != std::string_view::npos) {
            row = SplitAt(line, '\t');
        } else if (content.empty()) {
            continue;
        } else if (line.find(';') != std::string_view::npos) {
            row = SplitAt(line, ';');
        } else if (commas) {
            row = SplitAtCommasOrBlanks(content);
        } else if (!separated) {
            row = SplitAtBlanks(content);
        } else {
            row.emplace_back(content);
        }
    }
    return block;
}

std::string BlockText(const TextBlock& block) {
    std::string text;
    for (std::size_t r = 0; r < block.size(); ++r) {
        if (r > 0) {
            text += '\n';
        }
        for (std::size_t c = 0; c < block[r].size(); ++c) {
            if (c > 0) {
                text += '\t';
            }
            text += block[r][c];
        }
    }
    return text;
}

}  // namespace velmora
