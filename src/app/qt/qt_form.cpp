#include "app/qt/qt_form.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include "app/qt/design_to_qt.h"
#include "app/qt/field_edit.h"
#include "form/design.h"

namespace velmora {

FieldEdit* QtForm::builtField(FieldId id) const {
    return m_fields[static_cast<std::size_t>(id.field)][design::MemberSlot(id)];
}

FieldEdit* QtForm::field(FieldId id) {
    if (FieldEdit* edit = builtField(id)) {
        return edit;
    }
    return design::Of(id.field).visible ? buildField(id) : nullptr;
}

std::string& QtForm::workingText(FieldId id) {
    return m_workingTexts[static_cast<std::size_t>(id.field)][design::MemberSlot(id)];
}

const std::string* QtForm::workingField(FieldId id) const {
    const std::string& text =
        m_workingTexts[static_cast<std::size_t>(id.field)][design::MemberSlot(id)];
    return design::Of(id.field).visible ? nullptr : &text;
}

QRadioButton* QtForm::option(int index) const {
    return m_options[design::OptionSlot(index)];
}

QLabel* QtForm::label(int number) const {
    return m_labels[design::LabelSlot(number)];
}

LineEnds QtForm::line(int number) const {
    return m_lines[design::LineSlot(number)];
}

std::string QtForm::text(FieldId id) const {
    if (const std::string* working = workingField(id)) {
        return *working;
    }
    if (const FieldEdit* edit = builtField(id)) {
        return edit->text().toStdString();
    }
    return design::InitialText(id);  // what its control will start with
}

void QtForm::setText(FieldId id, std::string_view text) {
    if (workingField(id) != nullptr) {
        workingText(id) = text;
        return;
    }
    FieldEdit* edit = field(id);
    edit->setText(ToQString(text));
    edit->setCursorPosition(0);  // a field shows its beginning, never its tail
}

// A working field has nothing to show, move, select or focus. A member
// without a control is hidden already.
void QtForm::setVisible(FieldId id, bool visible) {
    if (!visible && builtField(id) == nullptr) {
        return;
    }
    if (FieldEdit* edit = field(id)) {
        edit->setVisible(visible);
    }
}

void QtForm::setLeft(FieldId id, int twips) {
    if (FieldEdit* edit = field(id)) {
        edit->move(Pixels(twips), edit->y());
    }
}

void QtForm::setTop(FieldId id, int twips) {
    if (FieldEdit* edit = field(id)) {
        edit->move(edit->x(), Pixels(twips));
    }
}

void QtForm::select(FieldId id, int start, int length) {
    if (FieldEdit* edit = field(id)) {
        edit->selectRange(start, length);
    }
}

void QtForm::setFocus(FieldId id) {
    if (FieldEdit* edit = field(id)) {
        edit->takeFocus();
    }
}

void QtForm::moveLabel(LabelId id, int left, int top) {
    label(id.number)->move(Pixels(left), Pixels(top));
}

void QtForm::setCaption(LabelId id, std::string_view caption) {
    QLabel* target = label(id.number);
    target->setText(ToQString(caption));
    target->setAccessibleName(target->text());
}

void QtForm::setLine(LineId id, LineEnds ends) {
    LineEnds& stored = m_lines[design::LineSlot(id.number)];
    if (stored != ends) {
        stored = ends;
        update();
    }
}

bool QtForm::isOptionSelected(int index) const {
    return option(index)->isChecked();
}

bool QtForm::showMessageBox(const MessageBoxText& text) {
    QMessageBox box(QMessageBox::NoIcon, ToQString(text.title), ToQString(text.prompt),
                    QMessageBox::Ok, this);
    if (!text.details.empty()) {
        box.setInformativeText(ToQString(text.details));
    }
    QPushButton* steps = nullptr;
    if (text.offerSteps) {
        steps = box.addButton(ToQString(design::kStepsButton.caption), QMessageBox::ActionRole);
    }
    box.setDefaultButton(QMessageBox::Ok);
    (void)box.exec();
    return steps != nullptr && box.clickedButton() == steps;
}

void QtForm::setNote(FieldId id, const FieldNote& note) {
    if (FieldEdit* edit = field(id)) {
        edit->setNote(note);
    }
}

void QtForm::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    // The picture is smaller than some client areas; the rest is its green.
    painter.fillRect(rect(), ToQColor(design::kPictureGreen));
    painter.drawPixmap(QPoint(0, 0), m_background);

    for (const design::LineDesign& entry : design::kLines) {
        const LineEnds& ends = m_lines[static_cast<std::size_t>(entry.number)];
        // Square caps close the corners where a bracket's bar meets its serifs.
        painter.setPen(QPen(Qt::black, entry.width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawLine(Pixels(ends.x1), Pixels(ends.y1), Pixels(ends.x2), Pixels(ends.y2));
    }
}

bool QtForm::eventFilter(QObject* watched, QEvent* event) {
    auto* button = qobject_cast<QPushButton*>(watched);
    if ((button == m_solve || button == m_steps) && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            button->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void QtForm::onGotFocus(FieldId id) {
    run([this, id] {
        switch (id.field) {
            case Field::txtMatSize:
                m_logic.txtMatSize_GotFocus();
                break;
            case Field::txtMat:
                m_logic.txtMat_GotFocus(id.index);
                break;
            case Field::txtY:
                m_logic.txtY_GotFocus(id.index);
                break;
            default:
                break;  // the other fields have no got-focus handler
        }
    });
}

void QtForm::onLostFocus(FieldId id) {
    if (id.field == Field::txtMatSize) {
        run([this] { m_logic.txtMatSize_LostFocus(); });
    }
}

void QtForm::onSolveClicked() {
    run([this] { m_logic.cmdSolve_Click(); });
}

void QtForm::onStepsClicked() {
    run([this] { m_logic.cmdSteps_Click(); });
}

void QtForm::stepsChanged(bool available) {
    m_steps->setEnabled(available);
    // An open Steps window follows every Solve.
    if (available && m_stepsWindow != nullptr && m_stepsWindow->isVisible()) {
        if (const std::optional<SolveSteps> steps = m_logic.Steps()) {
            m_stepsWindow->show(*steps);
        }
    }
}

void QtForm::showSteps() {
    const std::optional<SolveSteps> steps = m_logic.Steps();
    if (!steps) {
        return;
    }
    if (m_stepsWindow == nullptr) {
        m_stepsWindow = new StepsWindow(this);
    }
    m_stepsWindow->show(*steps);
}

void QtForm::onOptionToggled(int index, bool checked) {
    if (!checked) {
        return;  // the other member's toggle reports the selection
    }
    run([this, index] { m_logic.optMat_Click(index); });
}

void QtForm::onFractionsToggled(bool checked) {
    run([this, checked] { m_logic.chkFractions_Click(checked); });
}

void QtForm::onTextEdited(FieldId id) {
    run([this, id] { m_logic.Field_Edited(id); });
}

bool QtForm::pasteBlock(FieldId id, const QString& text) {
    bool block = true;  // a handler that failed has reported it; nothing goes in
    run([this, id, &text, &block] { block = m_logic.PasteBlock(id, text.toStdString()); });
    return block;
}

bool QtForm::undoBlockPaste() {
    bool undone = true;
    run([this, &undone] { undone = m_logic.UndoPaste(); });
    return undone;
}

bool QtForm::canUndoBlockPaste() const {
    return m_logic.CanUndoPaste();
}

FieldNote QtForm::inputNote(FieldId id) const {
    FieldNote note = m_logic.InputFallback(id);
    note.note = m_logic.ReadingNote(id).value_or("");
    return note;
}

void QtForm::addMenuEntries(FieldId id, QMenu* menu) {
    if (!m_logic.GridText(id)) {
        return;
    }
    const auto copy = [](const std::optional<std::string>& text) {
        if (text) {
            QGuiApplication::clipboard()->setText(ToQString(*text));
        }
    };
    menu->addSeparator();
    QAction* grid = menu->addAction(QStringLiteral("Copy Matrix"));
    connect(grid, &QAction::triggered, this, [this, id, copy] { copy(m_logic.GridText(id)); });
    if (id.field == Field::txtIM) {
        QAction* full = menu->addAction(QStringLiteral("Copy Inverse at Full Precision"));
        full->setEnabled(m_logic.FullInverseText().has_value());
        connect(full, &QAction::triggered, this, [this, copy] { copy(m_logic.FullInverseText()); });
    }
    if (id.field == Field::txtIM || id.field == Field::txtMinMat || id.field == Field::txtSol) {
        QAction* fractions = menu->addAction(QStringLiteral("Copy as Fractions"));
        fractions->setEnabled(m_logic.FractionGridText(id).has_value());
        connect(fractions, &QAction::triggered, this,
                [this, id, copy] { copy(m_logic.FractionGridText(id)); });
    }
    // The exact values for other programs.
    QMenu* as = menu->addMenu(QStringLiteral("Copy As"));
    const std::pair<const char*, MatrixFormat> formats[] = {
        {"LaTeX", MatrixFormat::latex},
        {"Octave / MATLAB", MatrixFormat::octave},
        {"NumPy", MatrixFormat::numpy},
        {"Spreadsheet Formulas", MatrixFormat::spreadsheet},
    };
    for (const auto& [caption, format] : formats) {
        QAction* entry = as->addAction(QString::fromUtf8(caption));
        entry->setEnabled(m_logic.MatrixAs(id, format).has_value());
        connect(entry, &QAction::triggered, this,
                [this, id, format = format, copy] { copy(m_logic.MatrixAs(id, format)); });
    }
}

}  // namespace velmora

// The meta-object code of the class, compiled here rather than in a unit of
// its own; AUTOMOC generates it under this name.
#include "moc_qt_form.cpp"  // NOLINT(bugprone-suspicious-include)
