#pragma once

// A text field of the window: a single-line edit that reports when the
// keyboard focus really arrives or leaves, as the window's got-focus and
// lost-focus handlers expect.

#include <QLineEdit>

#include "form/form.h"

namespace velmora {

// Only a move of the focus between controls of the window counts. A window
// deactivation or re-activation, a popup (the context menu), a menu or a
// message box taking the focus changes nothing the logic sees.
[[nodiscard]] bool IsFocusMove(Qt::FocusReason reason);

class FieldEdit final : public QLineEdit {
    Q_OBJECT

public:
    FieldEdit(FieldId id, QWidget* parent);

    [[nodiscard]] FieldId id() const { return m_id; }

    // Selects `length` characters from `start`, or up to the end when shorter.
    void selectRange(int start, int length);
    // Gives the field the keyboard focus, raising gotFocus before it returns
    // even while the window is inactive (just after a message box has gone),
    // so that a selection made afterwards is the one that stays.
    void takeFocus();

signals:
    void gotFocus(velmora::FieldId id);
    void lostFocus(velmora::FieldId id);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // A number longer than the narrow field shows whole in its tooltip.
    void updateToolTip();

    FieldId m_id;
    // Whether the logic last saw the focus arrive here and not leave. A
    // focus that comes back to such a field with the window's activation is
    // no arrival; one that reaches another field that way is (the window's
    // first focus, or a move of the focus that a message box interrupted).
    bool m_holdsFocus = false;
    // The selection made when a click brought the focus; the press of that
    // same click would clear it, so it is put back after the press.
    int m_pendingStart = -1;
    int m_pendingLength = 0;
};

}  // namespace velmora
