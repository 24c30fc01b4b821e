#include "app/qt/field_edit.h"

#include <QFocusEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFrame>
#include <QToolTip>
#include <algorithm>
#include <string>

namespace velmora {

namespace {

// Only a move of the focus between controls of the window counts. A window
// deactivation or re-activation, a popup (the context menu), a menu or a
// message box taking the focus changes nothing the logic sees.
bool IsFocusMove(Qt::FocusReason reason) {
    switch (reason) {
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
        case Qt::MouseFocusReason:
        case Qt::ShortcutFocusReason:
        case Qt::OtherFocusReason:
            return true;
        default:
            return false;
    }
}

QString OutOfDateLine() {
    return QString::fromUtf8(messages::kOutOfDate.data(),
                             static_cast<qsizetype>(messages::kOutOfDate.size()));
}

}  // namespace

FieldEdit::FieldEdit(FieldId id, FieldHost& host, QWidget* parent)
    : QLineEdit(parent), m_id(id), m_host(host) {
    connect(this, &QLineEdit::textChanged, this, &FieldEdit::noteText);
}

void FieldEdit::setNote(const FieldNote& note) {
    const QString fallback = QString::fromStdString(note.fallback);
    const bool redraw = fallback != m_fallbackText || note.fallbackExact != m_fallbackExact ||
                        note.outOfDate != m_outOfDate;
    m_preciseText = QString::fromStdString(note.note);
    m_fallbackText = fallback;
    m_fallbackExact = note.fallbackExact;
    m_outOfDate = note.outOfDate;
    describe();
    if (redraw) {
        update();
    }
}

void FieldEdit::noteText() {
    if (isReadOnly()) {
        return;  // a result's note comes with it
    }
    const FieldNote note = m_host.inputNote(m_id);
    m_readingNote = QString::fromStdString(note.note);
    m_fallbackText = QString::fromStdString(note.fallback);
    m_fallbackExact = note.fallbackExact;
    describe();
}

QString FieldEdit::valueNote() const {
    return m_preciseText.isEmpty() ? m_readingNote : m_preciseText;
}

void FieldEdit::describe() {
    QString description = valueNote();
    if (description.isEmpty() && isReadOnly()) {
        description = text();  // a result's text is its value at full precision
    }
    if (m_outOfDate) {
        description = OutOfDateLine() + QLatin1Char('\n') + description;
    }
    if (description != accessibleDescription()) {
        setAccessibleDescription(description);
    }
}

QStyleOptionFrame FieldEdit::frameOption() const {
    QStyleOptionFrame option;
    initStyleOption(&option);
    return option;
}

ShownText FieldEdit::fitted() const {
    const QStyleOptionFrame option = frameOption();
    const int width = TextArea(option, this).width();
    ShownText shown = FitToWidth(text(), option.fontMetrics, width);
    if (shown.marked && !m_fallbackText.isEmpty()) {
        // The decimal stands for a text not shown: marked when it is not
        // the value itself, or is rounded again to fit.
        shown = FitToWidth(m_fallbackText, option.fontMetrics, width);
        shown.marked = shown.marked || !m_fallbackExact;
    }
    shown.outOfDate = m_outOfDate;
    return shown;
}

bool FieldEdit::drawsFitted() const {
    if (!hasFocus()) {
        return true;
    }
    // A result, focused, is still a result to read, with all of it selected
    // for a copy; once the user selects part of it, it is a line edit again.
    const auto size = static_cast<int>(text().size());
    return isReadOnly() && (size == 0 || (selectionStart() == 0 && selectionLength() == size));
}

QString FieldEdit::shownText() const {
    return drawsFitted() ? fitted().text : text();
}

bool FieldEdit::textHidden() const {
    if (drawsFitted()) {
        return fitted().marked;
    }
    constexpr int kInnerMargins = 4;  // QLineEdit keeps 2 pixels free on either side
    return fontMetrics().horizontalAdvance(text()) >
           TextArea(frameOption(), this).width() - kInnerMargins;
}

QString FieldEdit::toolTipText() const {
    // The whole text, when the field shows only part of it, and the note
    // below the text, without a first line that repeats it.
    QString note = valueNote();
    if (note == text() || note.startsWith(text() + QLatin1Char('\n'))) {
        note.remove(0, text().size() + 1);
    }
    QString tip;
    if (!note.isEmpty()) {
        tip = text().isEmpty() ? note : text() + QLatin1Char('\n') + note;
    } else if (textHidden()) {
        tip = text();
    }
    if (m_outOfDate) {
        tip = tip.isEmpty() ? OutOfDateLine() : OutOfDateLine() + QLatin1Char('\n') + tip;
    }
    return tip;
}

bool FieldEdit::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const QString tip = toolTipText();
        if (!tip.isEmpty()) {
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), tip, this);
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QLineEdit::event(event);
}

void FieldEdit::paintEvent(QPaintEvent* event) {
    if (!drawsFitted()) {
        QLineEdit::paintEvent(event);  // the real text, to edit and select
    } else {
        QPainter painter(this);
        PaintField(painter, frameOption(), this, fitted(), alignment());
    }
    if (hasReadingNote()) {
        QPainter painter(this);
        PaintReadingMark(painter, TextArea(frameOption(), this));
    }
}

void FieldEdit::selectRange(int start, int length) {
    const auto size = static_cast<int>(text().size());
    const int from = std::clamp(start, 0, size);
    const int count = std::clamp(length, 0, size - from);
    if (count == 0) {
        setCursorPosition(from);
    } else {
        // Backwards, the cursor at the start: a line edit scrolls to show
        // its cursor, and a field shows its beginning, never its tail.
        setSelection(from + count, -count);
    }
}

void FieldEdit::takeFocus() {
    // In an active window the focus events arrive at once.
    setFocus(Qt::OtherFocusReason);
    if (!hasFocus() && !m_holdsFocus) {
        // It is the window's focus child now; the events follow with the
        // activation, and will not raise the handler a second time.
        m_holdsFocus = true;
        emit gotFocus(m_id);
    }
}

void FieldEdit::focusInEvent(QFocusEvent* event) {
    // First the edit's own reaction (it selects everything on Tab), so that
    // the handler's selection is the one that stays.
    QLineEdit::focusInEvent(event);
    if (m_holdsFocus && !IsFocusMove(event->reason())) {
        return;
    }
    const bool raised = m_holdsFocus;  // already raised by takeFocus()
    m_holdsFocus = true;
    if (!raised) {
        emit gotFocus(m_id);
    }
    if (isReadOnly()) {
        // No handler of its own: the whole result, ready for Ctrl+C.
        selectRange(0, static_cast<int>(text().size()));
    }
    m_pendingStart = -1;
    if (event->reason() == Qt::MouseFocusReason && hasSelectedText()) {
        m_pendingStart = selectionStart();
        m_pendingLength = selectionLength();
    }
}

void FieldEdit::focusOutEvent(QFocusEvent* event) {
    m_pendingStart = -1;
    QLineEdit::focusOutEvent(event);
    if (IsFocusMove(event->reason()) && m_holdsFocus) {
        m_holdsFocus = false;
        emit lostFocus(m_id);
    }
}

void FieldEdit::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    if (m_pendingStart >= 0) {
        selectRange(m_pendingStart, m_pendingLength);
        m_pendingStart = -1;
    }
}

void FieldEdit::keyPressEvent(QKeyEvent* event) {
    const bool menuKey = event->key() == Qt::Key_Menu ||
                         (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
    if (menuKey) {
        openContextMenu();
        event->accept();
        return;
    }
    const bool pasteKey =
        event->matches(QKeySequence::Paste) ||
        (event->key() == Qt::Key_Insert && event->modifiers() == Qt::ShiftModifier);
    if (pasteKey && !isReadOnly()) {
        pasteOrInsert();
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Undo) && !isReadOnly() && m_host.undoBlockPaste()) {
        showBeginning();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace velmora

// The meta-object code of the class, compiled here rather than in a unit of
// its own; AUTOMOC generates it under this name.
#include "moc_field_edit.cpp"  // NOLINT(bugprone-suspicious-include)
