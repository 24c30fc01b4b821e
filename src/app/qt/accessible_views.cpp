#include "app/qt/accessible_views.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QRect>

#include "app/qt/field_edit.h"
#include "app/qt/qt_form.h"
#include "form/design.h"

namespace velmora {

namespace {

// A read-only field: text that can be read, selected and copied, but not
// edited. The view of Qt's line edit without its editable state and its
// editing interface.
class ReadOnlyFieldView final : public ReadOnlyTextView {
public:
    explicit ReadOnlyFieldView(FieldEdit* field) : ReadOnlyTextView(field) {}

    // QAccessibleTextInterface
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
        if (selectionIndex == 0 && field()->hasSelectedText()) {
            *startOffset = field()->selectionStart();
            *endOffset = *startOffset + field()->selectionLength();
        }
    }
    [[nodiscard]] int selectionCount() const override { return field()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int selectionIndex) override {
        if (selectionIndex == 0) {
            field()->deselect();
        }
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override {
        if (selectionIndex == 0) {
            field()->setSelection(startOffset, endOffset - startOffset);
        }
    }
    [[nodiscard]] int cursorPosition() const override { return field()->cursorPosition(); }
    void setCursorPosition(int position) override { field()->setCursorPosition(position); }
    // Where the character would stand in the text laid out from the
    // inside's left edge: the field draws its text fitted, so no more exact
    // place exists for a character that is not drawn.
    [[nodiscard]] QRect characterRect(int offset) const override {
        const QString text = field()->text();
        if (offset < 0 || offset >= text.size()) {
            return {};
        }
        const QFontMetrics metrics = field()->fontMetrics();
        const QRect inside = field()->contentsRect();
        const QRect local(inside.left() + metrics.horizontalAdvance(text.left(offset)),
                          inside.top(), metrics.horizontalAdvance(text.at(offset)),
                          inside.height());
        return local.translated(field()->mapToGlobal(QPoint(0, 0)));
    }
    [[nodiscard]] int offsetAtPoint(const QPoint& point) const override {
        return field()->cursorPositionAt(field()->mapFromGlobal(point));
    }

protected:
    [[nodiscard]] QString readText() const override { return field()->text(); }

private:
    [[nodiscard]] FieldEdit* field() const { return static_cast<FieldEdit*>(widget()); }
};

QAccessibleInterface* ViewOf(const QString& className, QObject* object) {
    if (className == QLatin1String(QtForm::staticMetaObject.className())) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    }
    if (className == QLatin1String(FieldEdit::staticMetaObject.className())) {
        // By the design, which holds from the field's first moment on.
        auto* field = static_cast<FieldEdit*>(object);
        if (design::Of(field->id().field).readOnly) {
            return new ReadOnlyFieldView(field);
        }
    }
    return nullptr;  // Qt's own view, of the class or of a base class
}

}  // namespace

QAccessible::State ReadOnlyTextView::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.selectableText = true;
    return state;
}

QString ReadOnlyTextView::text(QAccessible::Text t) const {
    return t == QAccessible::Value ? readText() : QAccessibleWidget::text(t);
}

void* ReadOnlyTextView::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(t);
}

QString ReadOnlyTextView::text(int startOffset, int endOffset) const {
    return readText().mid(startOffset, endOffset - startOffset);
}

int ReadOnlyTextView::characterCount() const {
    return static_cast<int>(readText().size());
}

QString ReadOnlyTextView::attributes(int /*offset*/, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void InstallAccessibleViews() {
    static const bool installed = (QAccessible::installFactory(ViewOf), true);
    (void)installed;
}

}  // namespace velmora
