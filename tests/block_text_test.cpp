// Blocks of cells read from pasted texts and written for the clipboard.

#include "blocktext/block_text.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora {
namespace {

struct ParseCase {
    const char* name;
    std::string text;
    std::optional<TextBlock> block;  // nothing: the text is pasted as one text
};

void PrintTo(const ParseCase& c, std::ostream* out) {
    *out << c.name;
}

class Parse : public testing::TestWithParam<ParseCase> {};

TEST_P(Parse, FindsTheRowsAndCells) {
    const ParseCase& c = GetParam();
    EXPECT_EQ(ParseBlock(c.text), c.block);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Parse,
    testing::Values(
        // One text: no second line, no tab, no semicolon.
        ParseCase{"Empty", "", std::nullopt}, ParseCase{"Number", "12.5", std::nullopt},
        ParseCase{"NumberWithBlanks", "1 000", std::nullopt},
        ParseCase{"DecimalComma", "1,5", std::nullopt}, ParseCase{"TwoWords", "2 3", std::nullopt},
        ParseCase{"TrailingLineFeed", "7\n", std::nullopt},
        ParseCase{"TrailingCrLf", "7\r\n", std::nullopt},
        ParseCase{"TrailingCr", "7\r", std::nullopt},
        // A spreadsheet's copy.
        ParseCase{"TabsCrLf", "1\t2\t3\r\n4\t5\t6\r\n7\t8\t9\r\n",
                  TextBlock{{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "9"}}},
        ParseCase{"TabsLf", "1\t2\n3\t4", TextBlock{{"1", "2"}, {"3", "4"}}},
        ParseCase{"TabsCr", "1\t2\r3\t4\r", TextBlock{{"1", "2"}, {"3", "4"}}},
        ParseCase{"OneRowOfTabs", "1\t-2.5\t&HFF", TextBlock{{"1", "-2.5", "&HFF"}}},
        ParseCase{"EmptyCellsBetweenTabs", "1\t\t3\n\t\t", TextBlock{{"1", "", "3"}, {"", "", ""}}},
        ParseCase{"TabCellsKeepInnerBlanksAndCommas", " 1 000 \t1,5\n2 3\t4",
                  TextBlock{{"1 000", "1,5"}, {"2 3", "4"}}},
        ParseCase{"RowWithoutTabInATabBlockIsOneCell", "1\t2\n3 4", TextBlock{{"1", "2"}, {"3 4"}}},
        // A text editor's.
        ParseCase{"BlanksTrailingLf", "1 2 3\n4  5   6\n  7 8 9  \n",
                  TextBlock{{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "9"}}},
        ParseCase{"Commas", "1,2,0\n3, 4\n5 ,6\n7 , 8",
                  TextBlock{{"1", "2", "0"}, {"3", "4"}, {"5", "6"}, {"7", "8"}}},
        ParseCase{"CommasAndBlanksMixed", "1, 2 3,0\n4 5,6",
                  TextBlock{{"1", "2", "3", "0"}, {"4", "5", "6"}}},
        // Without a line of two commas, a comma belongs to its number.
        ParseCase{"DecimalCommaColumn", "1,5\n2,5\n", TextBlock{{"1,5"}, {"2,5"}}},
        ParseCase{"DecimalCommaColumnCrLf", "1,5\r\n-2,25\r\n", TextBlock{{"1,5"}, {"-2,25"}}},
        ParseCase{"DecimalCommasInBlankRows", "1,5  2\n3,5 4\n",
                  TextBlock{{"1,5", "2"}, {"3,5", "4"}}},
        ParseCase{"OneCommaPerLineWithBlanks", "1, 2\n3 ,4", TextBlock{{"1,", "2"}, {"3", ",4"}}},
        ParseCase{"CommaRows", "1,2,3\n4,5,6\n", TextBlock{{"1", "2", "3"}, {"4", "5", "6"}}},
        ParseCase{"OneLineOfTwoCommasSplitsEveryLine", "1,5\n1,2,3",
                  TextBlock{{"1", "5"}, {"1", "2", "3"}}},
        ParseCase{"TwoCommasEncloseAnEmptyCell", "1,,3\n,2,",
                  TextBlock{{"1", "", "3"}, {"", "2", ""}}},
        ParseCase{"OneColumn", "1\n2\n3\n", TextBlock{{"1"}, {"2"}, {"3"}}},
        ParseCase{"TwoLineBreaksAtTheEnd", "1\n\n", TextBlock{{"1"}, {}}},
        ParseCase{"BlankRowHasNoCells", "1 2\n   \n3 4", TextBlock{{"1", "2"}, {}, {"3", "4"}}},
        // Semicolons.
        ParseCase{"Semicolons", "1;2;3\n4; 5 ;6", TextBlock{{"1", "2", "3"}, {"4", "5", "6"}}},
        ParseCase{"OneRowOfSemicolons", "1,5;2,5", TextBlock{{"1,5", "2,5"}}},
        ParseCase{"TrailingSemicolon", "5;", TextBlock{{"5", ""}}},
        ParseCase{"SemicolonRowsInATabBlock", "1\t2\n3;4", TextBlock{{"1", "2"}, {"3", "4"}}},
        ParseCase{"SemicolonBlockRowWithoutSeparatorIsOneCell", "1;2\n3 4",
                  TextBlock{{"1", "2"}, {"3 4"}}},
        // Ragged rows and tokens that are no numbers stay as written.
        ParseCase{"Ragged", "1\t2\t3\n4\n5\t6", TextBlock{{"1", "2", "3"}, {"4"}, {"5", "6"}}},
        ParseCase{"BadToken", "1 x\n2 3", TextBlock{{"1", "x"}, {"2", "3"}}}),
    [](const testing::TestParamInfo<ParseCase>& row) { return std::string(row.param.name); });

TEST(WithoutFinalLineBreak, RemovesOneLineBreakAtTheEnd) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"", ""},         {"0.25", "0.25"}, {"0.25\n", "0.25"}, {"2\r\n", "2"},
        {"2\r", "2"},     {"2\n\n", "2\n"}, {"2\n\r", "2\n"},   {"\r\n", ""},
        {"1\n2", "1\n2"}, {" 7 \n", " 7 "}, {"\n7", "\n7"},
    };
    for (const auto& [text, single] : cases) {
        EXPECT_EQ(WithoutFinalLineBreak(text), single) << text;
    }
}

struct WidthCase {
    TextBlock block;
    int width;
};

TEST(BlockWidth, IsTheLongestRow) {
    const WidthCase cases[] = {
        {{}, 0},
        {{{}, {}}, 0},
        {{{"1"}}, 1},
        {{{"1"}, {"1", "2", "3"}, {"1", "2"}}, 3},
        {{{"1", "2", "3", "4", "5", "6", "7"}}, 7},
    };
    for (const WidthCase& c : cases) {
        EXPECT_EQ(BlockWidth(c.block), c.width);
    }
}

TEST(BlockText, SeparatesCellsByTabsAndRowsByLineFeeds) {
    EXPECT_EQ(BlockText({}), "");
    EXPECT_EQ(BlockText({{"5"}}), "5");
    EXPECT_EQ(BlockText({{"1", "-2"}, {"", ".500"}}), "1\t-2\n\t.500");
    EXPECT_EQ(BlockText({{"1"}, {"2"}, {"3"}}), "1\n2\n3");
}

TEST(BlockText, ReadsBackAsTheSameBlock) {
    const TextBlock blocks[] = {
        {{"1", "2"}, {"3", "4"}},
        {{"1.5E+20", "-.250", "&HFF"}, {"a b", "1,5", ""}, {"0", "0", "0"}},
        {{"1"}, {"2"}},
        {{"1", "2", "3", "4", "5", "6", "7"}},
    };
    for (const TextBlock& block : blocks) {
        EXPECT_EQ(ParseBlock(BlockText(block)), block);
    }
}

}  // namespace
}  // namespace velmora
