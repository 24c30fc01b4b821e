#pragma once

// The port between the window's logic and its widgets. The handlers read and
// write controls only through this interface; QtForm implements it with real
// widgets, MemoryForm with plain data for the logic tests. Keep it this small:
// it is exactly what the computations need of the window.

#include <string>
#include <string_view>

#include "form/messages.h"

namespace velmora {

// The window's text fields. Matrix arrays are addressed 10*row + column
// (11..66), vector arrays by their number (1..6), single fields by 0.
enum class Field {
    txtMatSize,
    txtMat,
    txtY,
    txtSol,
    txtDeterminant,
    txtIM,
    txtMinMat,
    txtDetRow,
    txtDetCol,
};

struct FieldId {
    Field field;
    int index = 0;

    friend bool operator==(const FieldId&, const FieldId&) = default;
};

// Labels are numbered as Label1..Label8, lines as Line1..Line14.
struct LabelId {
    int number;
};
struct LineId {
    int number;
};

struct LineEnds {
    int x1, y1, x2, y2;  // twips

    friend bool operator==(const LineEnds&, const LineEnds&) = default;
};

// What a result field tells beyond its text. `note` is what its tooltip and
// accessible description add to the text (the exact value). `fallback` is a
// decimal drawn in place of a text too wide for the field (a long fraction),
// marked as rounded when it does not fit either or `fallbackExact` is
// false. `outOfDate`: an input has changed since the result was computed.
struct FieldNote {
    std::string note;
    std::string fallback;
    bool fallbackExact = false;
    bool outOfDate = false;

    friend bool operator==(const FieldNote&, const FieldNote&) = default;
};

// A modal message box: its prompt, title and informative text (empty for
// none), one OK button and no icon, and with `offerSteps` a "Show Steps"
// button beside it.
struct MessageBoxText {
    std::string prompt;
    std::string title;
    std::string details;
    bool offerSteps = false;
};

class Form {
public:
    virtual ~Form() = default;

    [[nodiscard]] virtual std::string text(FieldId id) const = 0;
    virtual void setText(FieldId id, std::string_view text) = 0;
    virtual void setVisible(FieldId id, bool visible) = 0;
    virtual void setLeft(FieldId id, int twips) = 0;
    virtual void setTop(FieldId id, int twips) = 0;
    // Selects `length` characters from `start`, or up to the end when shorter.
    virtual void select(FieldId id, int start, int length) = 0;
    // Gives the field the keyboard focus (raising its got-focus handler).
    virtual void setFocus(FieldId id) = 0;

    virtual void moveLabel(LabelId id, int left, int top) = 0;
    virtual void setCaption(LabelId id, std::string_view caption) = 0;
    virtual void setLine(LineId id, LineEnds ends) = 0;

    [[nodiscard]] virtual bool isOptionSelected(int index) const = 0;

    // Shows the box and returns when it is closed: true when "Show Steps"
    // closed it.
    virtual bool showMessageBox(const MessageBoxText& box) = 0;
    void showMessage(std::string_view prompt, std::string_view title) {
        (void)showMessageBox({std::string(prompt), std::string(title), {}, false});
    }
    void showMessage(const Message& message) { showMessage(message.prompt, message.title); }

    // Whether the steps of a Solve are there to show: the "Show Steps"
    // button is enabled, and an open Steps window shows them afresh.
    virtual void stepsChanged(bool available) = 0;
    // Opens the Steps window with the steps of the last Solve, or brings it
    // to the front.
    virtual void showSteps() = 0;

    // The field's note (FieldNote{} for none); every reset of the results
    // clears them.
    virtual void setNote(FieldId id, const FieldNote& note) = 0;

protected:
    Form() = default;
    Form(const Form&) = default;
    Form& operator=(const Form&) = default;
};

// Shorthands for the control arrays, e.g. txtMat(10 * r + c).
constexpr FieldId txtMatSize{Field::txtMatSize, 0};
constexpr FieldId txtDeterminant{Field::txtDeterminant, 0};
constexpr FieldId txtMat(int k) {
    return {Field::txtMat, k};
}
constexpr FieldId txtY(int i) {
    return {Field::txtY, i};
}
constexpr FieldId txtSol(int i) {
    return {Field::txtSol, i};
}
constexpr FieldId txtIM(int k) {
    return {Field::txtIM, k};
}
constexpr FieldId txtMinMat(int k) {
    return {Field::txtMinMat, k};
}
constexpr FieldId txtDetRow(int i) {
    return {Field::txtDetRow, i};
}
constexpr FieldId txtDetCol(int i) {
    return {Field::txtDetCol, i};
}

}  // namespace velmora
