#pragma once

// How assistive technology sees the window where Qt's own view of a widget
// says something untrue: Qt 6.4 presents a plain top-level widget as a
// filler rather than a frame, and every line edit as editable, a read-only
// one too. Every other control keeps Qt's view.

#include <QAccessible>
#include <QAccessibleWidget>
#include <QString>

namespace velmora {

// Once, before the first widget is asked for its view.
void InstallAccessibleViews();

// A read-only text as a screen reader reads it: the text is the widget's
// value, to read and select but not to edit. A view of it says what its text
// is, and how its selection and caret behave.
class ReadOnlyTextView : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ReadOnlyTextView(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::EditableText) {}

    [[nodiscard]] QAccessible::State state() const override;
    [[nodiscard]] QString text(QAccessible::Text t) const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    // QAccessibleTextInterface
    [[nodiscard]] QString text(int startOffset, int endOffset) const override;
    [[nodiscard]] int characterCount() const override;
    void scrollToSubstring(int /*startIndex*/, int /*endIndex*/) override {}
    [[nodiscard]] QString attributes(int offset, int* startOffset, int* endOffset) const override;

protected:
    // The whole text that is read.
    [[nodiscard]] virtual QString readText() const = 0;
};

}  // namespace velmora
