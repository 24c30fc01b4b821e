#pragma once

// The design state of the window: every control's geometry (in twips),
// text, colour, font, flags and tab position, written down once. Both forms
// are built from these tables; nothing else repeats a coordinate.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form/form.h"
#include "form/messages.h"
#include "matrix/matrix.h"

namespace velmora::design {

constexpr std::string_view kCaption = "Velmora";
constexpr std::int16_t kStartDimension = 3;
constexpr int kClientWidth = 9648;  // twips
constexpr int kClientHeight = 7236;

struct Rgb {
    int red, green, blue;
};
constexpr Rgb kPictureGreen{200, 250, 222};

// A font of the tables, by family name and size.
struct FontDesign {
    std::string_view family;
    double points;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};
constexpr FontDesign kDefaultFont{"MS Sans Serif", 8.0};

// How an array's members are indexed and placed.
enum class Shape {
    single,    // index 0
    matrix,    // 10*row + column, row and column 1..Matrix::kMaxSize
    byRow,     // 1..Matrix::kMaxSize, one per row: stacked downwards
    byColumn,  // 1..Matrix::kMaxSize, one per column: side by side
};

struct FieldDesign {
    Field field;
    Shape shape;
    int left, top;       // of member 11, 1 or the single field
    int pitchX, pitchY;  // per column, per row
    int width, height;
    std::optional<Rgb> background;  // none: the default window colour (white)
    FontDesign font;
    bool readOnly;
    bool visible;
    std::string_view accessibleName;  // "{r}" and "{c}" stand for row and column
};

constexpr std::array<FieldDesign, 9> kFields{{
    {Field::txtMatSize, Shape::single, 1680, 120, 0, 0, 252, 288, Rgb{255, 192, 255}, kDefaultFont,
     false, true, "Matrix Dimension"},
    {Field::txtMat, Shape::matrix, 1080, 600, 840, 360, 612, 288, std::nullopt, kDefaultFont, false,
     true, "Coefficient row {r} column {c}"},
    {Field::txtY, Shape::byRow, 6720, 600, 0, 360, 612, 288, Rgb{192, 255, 255}, kDefaultFont,
     false, true, "Vector row {r}"},
    {Field::txtSol, Shape::byColumn, 1080, 3120, 840, 0, 612, 288, Rgb{128, 255, 128}, kDefaultFont,
     true, true, "Solution column {c}"},
    {Field::txtDeterminant, Shape::single, 8040, 3000, 0, 0, 732, 288, Rgb{128, 128, 255},
     kDefaultFont, true, true, "Determinant"},
    {Field::txtIM, Shape::matrix, 5040, 4320, 720, 360, 612, 288, Rgb{192, 255, 192},
     FontDesign{"MS Sans Serif", 7.8, true}, true, true, "Inverse row {r} column {c}"},
    {Field::txtMinMat, Shape::matrix, 240, 4320, 720, 360, 612, 288, Rgb{192, 192, 255},
     kDefaultFont, true, true, "Minors grid row {r} column {c}"},
    {Field::txtDetRow, Shape::byRow, 4440, 4320, 0, 360, 492, 288, std::nullopt, kDefaultFont,
     false, false, "Row determinant {r}"},
    {Field::txtDetCol, Shape::byColumn, 240, 6600, 720, 0, 612, 288, std::nullopt, kDefaultFont,
     false, false, "Column total {c}"},
}};

[[nodiscard]] const FieldDesign& Of(Field field);

// The member indices of an array, in row-by-row order.
[[nodiscard]] std::vector<int> Members(Field field);
[[nodiscard]] bool IsMember(FieldId id);

// Checked access for both forms: the storage slot of an array member, a
// label (1..8), a line (1..14) or an option (0..1). A control the window
// does not have throws std::out_of_range.
[[nodiscard]] std::size_t MemberSlot(FieldId id);
[[nodiscard]] std::size_t LabelSlot(int number);
[[nodiscard]] std::size_t LineSlot(int number);
[[nodiscard]] std::size_t OptionSlot(int index);

// Row and column of a member (1 for the dimension an array does not have).
struct Cell {
    int row, column;
};
[[nodiscard]] Cell CellOf(FieldId id);

struct Rect {
    int left, top, width, height;
};
[[nodiscard]] Rect DesignRect(FieldId id);
// The text of cell (row, column) of the identity, as the inverse grid holds
// it at start-up and after every reset: "1" or "0".
[[nodiscard]] std::string IdentityText(int row, int column);
[[nodiscard]] std::string InitialText(FieldId id);
[[nodiscard]] std::string AccessibleName(FieldId id);

struct ButtonDesign {
    Rect rect;
    std::string_view caption;
    FontDesign font;
};
constexpr ButtonDesign kSolveButton{{8040, 120, 1092, 492}, "Solve", {"MS Sans Serif", 7.8, true}};
// Under Solve, the same size: opens the Steps window.
constexpr ButtonDesign kStepsButton{
    {8040, 732, 1092, 492}, "Show Steps", {"MS Sans Serif", 7.8, true}};

// optMat(0) and optMat(1); member 0 is selected at creation.
constexpr Rgb kOptionBackground{200, 252, 224};
constexpr std::array<ButtonDesign, 2> kOptions{{
    {{3000, 3720, 1320, 252}, "Determinants", kDefaultFont},
    {{3000, 3960, 852, 252}, "Minors", kDefaultFont},
}};

// The "Fractions" check box, right of the "Inverse Matrix" caption;
// unchecked at creation.
constexpr ButtonDesign kFractionsBox{{7440, 3960, 1092, 252}, "Fractions", kDefaultFont};

struct LabelDesign {
    int number;
    Rect rect;
    std::string_view caption;
    FontDesign font;
    bool centred = false;
    std::optional<FieldId> names = std::nullopt;  // the field it is the caption of
};
constexpr std::array<LabelDesign, 8> kLabels{{
    {1, {240, 120, 1452, 252}, "Matrix Dimension", {"Arial", 9.0}, false, txtMatSize},
    {2, {5040, 3960, 1692, 252}, "Inverse Matrix", {"Arial Black", 9.0, true, true, true}},
    {3, {240, 3960, 2772, 252}, kCaptionDeterminants, {"Arial Black", 9.0, true, true, true}},
    {4,
     {6600, 3000, 1452, 252},
     "Determinant",
     {"Arial Black", 7.8, true, true, true},
     false,
     txtDeterminant},
    {5, {6120, 1440, 372, 372}, "=", {"Arial Black", 12.0, true, true}, true},
    {6, {2160, 240, 1572, 252}, "Coefficient MATRIX", kDefaultFont},
    {7, {6480, 240, 1212, 252}, "Vector MATRIX", kDefaultFont},
    {8, {120, 6960, 1812, 252}, "www.velmora.example", {"Arial", 7.8}},
}};
[[nodiscard]] const LabelDesign& Label(int number);

// Which end-point coordinates of a line follow the grid when N is below 6:
// an x moves left by a column pitch per missing column, a y up by a row
// pitch per missing row.
struct Follows {
    bool x1 = false, y1 = false, x2 = false, y2 = false;
};

struct LineDesign {
    int number;
    LineEnds ends;
    int width;  // pixels
    Follows follows{};
};
constexpr std::array<LineDesign, 14> kLines{{
    {1, {120, 3600, 9480, 3600}, 4},                              // the separator
    {2, {960, 3000, 6120, 3000}, 1, {false, true, true, true}},   // rule under the grid
    {3, {960, 480, 960, 2760}, 2, {false, false, false, true}},   // left bar of the grid
    {4, {6000, 480, 6000, 2760}, 2, {true, false, true, true}},   // right bar of the grid
    {5, {6600, 480, 6600, 2760}, 2, {true, false, true, true}},   // left bar of the vector
    {6, {7440, 480, 7440, 2760}, 2, {true, false, true, true}},   // right bar of the vector
    {7, {960, 480, 1080, 480}, 2},                                // top-left serif
    {8, {960, 2760, 1080, 2760}, 2, {false, true, false, true}},  // bottom serifs ...
    {9, {5880, 480, 6000, 480}, 2, {true, false, true, false}},   // top serifs ...
    {10, {5880, 2760, 6000, 2760}, 2, {true, true, true, true}},
    {11, {6600, 2760, 6720, 2760}, 2, {true, true, true, true}},
    {12, {7320, 2760, 7440, 2760}, 2, {true, true, true, true}},
    {13, {7320, 480, 7440, 480}, 2, {true, false, true, false}},
    {14, {6600, 480, 6720, 480}, 2, {true, false, true, false}},
}};

// Storage for the controls, indexed as the window addresses them: array
// members 0..66, labels 1..8, lines 1..14, options 0..1.
constexpr std::size_t kFieldKinds = kFields.size();
constexpr std::size_t kMemberSlots = 11 * Matrix::kMaxSize + 1;
constexpr std::size_t kLabelSlots = kLabels.size() + 1;
constexpr std::size_t kLineSlots = kLines.size() + 1;
constexpr std::size_t kOptionSlots = kOptions.size();

// The focusable controls in tab order. Hidden ones are skipped at run time.
struct TabStop {
    enum class Kind { field, solveButton, stepsButton, option, fractionsBox } kind;
    FieldId field{Field::txtMatSize, 0};  // for fields
    int option = 0;                       // for options
};
[[nodiscard]] std::vector<TabStop> TabOrder();

}  // namespace velmora::design
