#pragma once

// A text field of the window: a single-line edit that reports when the
// keyboard focus really arrives or leaves, as the window's got-focus and
// lost-focus handlers expect. Without the focus it draws its text fitted
// to its width (a number rounded, another text cut, and marked so); its
// text itself, which the program, copy and screen readers get, stays whole.
// Every way of pasting (keys, the middle button, the context menu, a drop)
// first offers the text to the window as a block of cells.

#include <QLineEdit>
#include <optional>

#include "app/qt/field_painting.h"
#include "form/form.h"

class QMenu;
class QStyleOptionFrame;

namespace velmora {

// What a field asks of its window beyond editing its own text.
class FieldHost {
public:
    // A text pasted into the field; true when the window took it as a block,
    // false when the field inserts it as one text.
    virtual bool pasteBlock(FieldId id, const QString& text) = 0;
    // Undoes the last block paste; false when there is none to undo.
    virtual bool undoBlockPaste() = 0;
    [[nodiscard]] virtual bool canUndoBlockPaste() const = 0;
    // Adds the window's own entries to the field's context menu.
    virtual void addMenuEntries(FieldId id, QMenu* menu) = 0;
    // What an input field tells of its text: what the window reads of it
    // when it reads only part of it ("Read as 1") as the note, and for a
    // fraction too wide to show the decimal drawn in its place.
    [[nodiscard]] virtual FieldNote inputNote(FieldId id) const = 0;

protected:
    FieldHost() = default;
    FieldHost(const FieldHost&) = default;
    FieldHost& operator=(const FieldHost&) = default;
    ~FieldHost() = default;
};

class FieldEdit final : public QLineEdit {
    Q_OBJECT

public:
    FieldEdit(FieldId id, FieldHost& host, QWidget* parent);

    [[nodiscard]] FieldId id() const { return m_id; }

    // Selects `length` characters from `start`, or up to the end when
    // shorter, with the cursor at `start`.
    void selectRange(int start, int length);
    // Gives the field the keyboard focus, raising gotFocus before it returns
    // even while the window is inactive (just after a message box has gone),
    // so that a selection made afterwards is the one that stays.
    void takeFocus();

    // What the field draws: the text fitted to the inside of its frame,
    // also while a read-only field has the focus with its whole text
    // selected; the text itself while it is edited or partly selected.
    [[nodiscard]] QString shownText() const;
    // Whether what it draws leaves part of its text unseen.
    [[nodiscard]] bool textHidden() const;
    // What a result tells beyond its text (see FieldNote).
    void setNote(const FieldNote& note);
    [[nodiscard]] bool outOfDate() const { return m_outOfDate; }
    // What the field says of its value beyond its text: the precise value
    // behind a result, or what the window reads of an input it reads only
    // in part. The tooltip adds it below the text; a screen reader gets it
    // as the description (a result's description is at least its text).
    // Both begin with a line that says so when the result is out of date.
    [[nodiscard]] QString valueNote() const;
    [[nodiscard]] bool hasReadingNote() const { return !m_readingNote.isEmpty(); }
    [[nodiscard]] QString toolTipText() const;

signals:
    void gotFocus(velmora::FieldId id);
    void lostFocus(velmora::FieldId id);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    [[nodiscard]] QStyleOptionFrame frameOption() const;
    [[nodiscard]] ShownText fitted() const;
    [[nodiscard]] bool drawsFitted() const;
    // Offers a pasted text to the window as a block; when it is none, the
    // single text to insert: without a final line break, as a
    // spreadsheet's one copied cell ends.
    std::optional<QString> pastedText(const QString& text);
    // Paste and Undo, as the keys and the context menu run them.
    void pasteOrInsert();
    void showBeginning();
    void undoPasteOrEdit();
    void openContextMenu();
    // Asks the window again what it reads of the text, and describes it.
    void noteText();
    void describe();

    FieldId m_id;
    FieldHost& m_host;
    QString m_preciseText;
    QString m_fallbackText;
    bool m_fallbackExact = false;
    bool m_outOfDate = false;
    QString m_readingNote;
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
