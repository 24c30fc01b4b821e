#include "app/qt/field_edit.h"

#include <QFocusEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

namespace velmora {

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

FieldEdit::FieldEdit(FieldId id, QWidget* parent) : QLineEdit(parent), m_id(id) {}

QStyleOptionFrame FieldEdit::frameOption() const {
    QStyleOptionFrame option;
    initStyleOption(&option);
    return option;
}

ShownText FieldEdit::fitted() const {
    const QStyleOptionFrame option = frameOption();
    return FitToWidth(text(), option.fontMetrics, TextArea(option, this).width());
}

QString FieldEdit::shownText() const {
    return hasFocus() ? text() : fitted().text;
}

bool FieldEdit::textHidden() const {
    if (!hasFocus()) {
        return fitted().marked;
    }
    constexpr int kInnerMargins = 4;  // QLineEdit keeps 2 pixels free on either side
    return fontMetrics().horizontalAdvance(text()) >
           TextArea(frameOption(), this).width() - kInnerMargins;
}

QString FieldEdit::toolTipText() const {
    // The whole text, when the field shows only part of it, and the precise
    // value below the text.
    if (!m_preciseText.isEmpty()) {
        return text() + QLatin1Char('\n') + m_preciseText;
    }
    return textHidden() ? text() : QString();
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
    if (hasFocus()) {
        QLineEdit::paintEvent(event);  // the real text, to edit and select
        return;
    }
    QPainter painter(this);
    PaintField(painter, frameOption(), this, fitted(), alignment());
}

void FieldEdit::selectRange(int start, int length) {
    const auto size = static_cast<int>(text().size());
    const int from = std::clamp(start, 0, size);
    const int count = std::clamp(length, 0, size - from);
    if (count == 0) {
        setCursorPosition(from);
    } else {
        setSelection(from, count);
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
        setSelection(m_pendingStart, m_pendingLength);
        m_pendingStart = -1;
    }
}

}  // namespace velmora
