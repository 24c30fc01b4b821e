// A field's ways of taking a text from elsewhere (the paste keys, the middle
// button, a drop, the context menu), each offering it first to the window
// as a block of cells, and its context menu.

#include "app/qt/field_edit.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <string>

#include "blocktext/block_text.h"

namespace velmora {

namespace {

// Qt's own entry of a line edit's context menu. They carry no names, so
// they are known by their text as Qt translates it; the entry is given the
// name later Qt versions give it.
QAction* StandardEntry(const QMenu* menu, const char* text, const QString& name) {
    const QString wanted = QCoreApplication::translate("QLineEdit", text);
    for (QAction* action : menu->actions()) {
        if (action->objectName() == name ||
            action->text().section(QLatin1Char('\t'), 0, 0) == wanted) {
            action->setObjectName(name);
            return action;
        }
    }
    return nullptr;
}

}  // namespace

std::optional<QString> FieldEdit::pastedText(const QString& text) {
    if (m_host.pasteBlock(m_id, text)) {
        return std::nullopt;
    }
    const std::string whole = text.toStdString();
    return QString::fromStdString(std::string(WithoutFinalLineBreak(whole)));
}

void FieldEdit::pasteOrInsert() {
    if (isReadOnly()) {
        return;
    }
    const QString text = QGuiApplication::clipboard()->text();
    const bool replacesAll = this->text().isEmpty() || selectedText() == this->text();
    const auto single = pastedText(text);
    if (single) {
        if (*single == text) {
            paste();  // with QLineEdit's own undo step
        } else {
            insert(*single);
        }
    }
    if (!single || replacesAll) {
        showBeginning();
    }
}

void FieldEdit::showBeginning() {
    // A new whole text in a focused field: selected from its beginning, as
    // when the focus arrives, so that it shows that and typing replaces it.
    if (hasFocus()) {
        selectRange(0, static_cast<int>(text().size()));
    }
}

void FieldEdit::undoPasteOrEdit() {
    // A block paste changed no text of the edit's own history: its undo
    // comes first while it is the last change.
    if (isReadOnly() || !m_host.undoBlockPaste()) {
        undo();
    } else {
        showBeginning();
    }
}

void FieldEdit::mouseReleaseEvent(QMouseEvent* event) {
    // The middle button pastes the X11 selection where there is one, as
    // QLineEdit does: in place of the selection's mark, at the cursor.
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard->supportsSelection() && !isReadOnly()) {
        if (const auto single = pastedText(clipboard->text(QClipboard::Selection))) {
            deselect();
            insert(*single);
        } else {
            showBeginning();
        }
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void FieldEdit::dropEvent(QDropEvent* event) {
    const QMimeData* mime = event->mimeData();
    if (!mime->hasText() || isReadOnly()) {
        QLineEdit::dropEvent(event);
        return;
    }
    const std::optional<QString> single = pastedText(mime->text());
    if (!single) {
        // The drop cursor goes, as when the drag leaves; a copy, so that a
        // drag from a field never loses its text.
        QDragLeaveEvent leave;
        QLineEdit::dragLeaveEvent(&leave);
        showBeginning();
        event->setDropAction(Qt::CopyAction);
        event->accept();
        return;
    }
    if (*single == mime->text()) {
        QLineEdit::dropEvent(event);
        return;
    }
    // The same drop, of the text without its line break.
    QMimeData shortened;
    shortened.setText(*single);
    QDropEvent drop(event->position(), event->possibleActions(), &shortened, event->buttons(),
                    event->modifiers());
    QLineEdit::dropEvent(&drop);
    event->setDropAction(drop.dropAction());
    event->setAccepted(drop.isAccepted());
}

void FieldEdit::openContextMenu() {
    const QPoint at = cursorRect().center();
    QContextMenuEvent request(QContextMenuEvent::Keyboard, at, mapToGlobal(at));
    contextMenuEvent(&request);
}

void FieldEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // Qt's own Undo and Paste, taking the window's way for a block.
    if (QAction* undoAction = StandardEntry(menu, "&Undo", QStringLiteral("edit-undo"))) {
        undoAction->setEnabled(isUndoAvailable() || m_host.canUndoBlockPaste());
        QObject::disconnect(undoAction, &QAction::triggered, this, nullptr);
        connect(undoAction, &QAction::triggered, this, &FieldEdit::undoPasteOrEdit);
    }
    if (QAction* pasteAction = StandardEntry(menu, "&Paste", QStringLiteral("edit-paste"))) {
        QObject::disconnect(pasteAction, &QAction::triggered, this, nullptr);
        connect(pasteAction, &QAction::triggered, this, &FieldEdit::pasteOrInsert);
    }
    m_host.addMenuEntries(m_id, menu);
    menu->popup(event->globalPos());
    event->accept();
}

}  // namespace velmora
