#pragma once

// The real window: Qt widgets built from the design tables, implementing the
// Form port for the window's logic, which it owns. The widgets are placed
// absolutely, in pixels converted from the tables' twips; the background
// picture and the lines are painted by the window itself.

#include <QPixmap>
#include <QWidget>
#include <array>
#include <exception>
#include <string>

#include "app/frm_vl_main.h"
#include "app/qt/field_edit.h"
#include "app/qt/steps_window.h"
#include "form/design.h"
#include "form/form.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace velmora {

class QtForm final : public QWidget, public Form, private FieldHost {
    Q_OBJECT

public:
    // Builds every control in its design state and runs the window's load
    // handler, so that it is laid out for the start-up dimension before it
    // is first shown.
    explicit QtForm(QWidget* parent = nullptr);
    ~QtForm() override;

    QtForm(const QtForm&) = delete;
    QtForm& operator=(const QtForm&) = delete;

    // Settings for the whole application, before any widget exists: a fixed
    // style (so that every style paints the fixed-size fields alike), the
    // font substitutes, the desktop file name and the window icon.
    static void prepareApplication();

    // Form
    [[nodiscard]] std::string text(FieldId id) const override;
    void setText(FieldId id, std::string_view text) override;
    void setVisible(FieldId id, bool visible) override;
    void setLeft(FieldId id, int twips) override;
    void setTop(FieldId id, int twips) override;
    void select(FieldId id, int start, int length) override;
    void setFocus(FieldId id) override;
    void moveLabel(LabelId id, int left, int top) override;
    void setCaption(LabelId id, std::string_view caption) override;
    void setLine(LineId id, LineEnds ends) override;
    [[nodiscard]] bool isOptionSelected(int index) const override;
    bool showMessageBox(const MessageBoxText& box) override;
    void setNote(FieldId id, const FieldNote& note) override;
    void stepsChanged(bool available) override;
    void showSteps() override;
    using QWidget::setFocus;
    using QWidget::setVisible;

    // The controls, for tests and tools. Asking for a member an array does
    // not have throws std::out_of_range, as every Form operation on one does.
    // The never-shown working fields (txtDetRow, txtDetCol) are texts
    // only, reached through the Form operations: no control (nullptr).
    // A member of an array gets its control when it is first shown, written
    // or asked for (see buildField), so asking makes it.
    [[nodiscard]] FieldEdit* field(FieldId id);
    [[nodiscard]] QPushButton* solveButton() const { return m_solve; }
    [[nodiscard]] QPushButton* stepsButton() const { return m_steps; }
    // The Steps window, once it has been opened; nullptr before.
    [[nodiscard]] StepsWindow* stepsWindow() const { return m_stepsWindow; }
    [[nodiscard]] QRadioButton* option(int index) const;
    [[nodiscard]] QCheckBox* fractionsBox() const { return m_fractions; }
    [[nodiscard]] QLabel* label(int number) const;
    [[nodiscard]] LineEnds line(int number) const;  // twips
    [[nodiscard]] frmVLMain& logic() { return m_logic; }
    [[nodiscard]] const QPixmap& background() const { return m_background; }

protected:
    void paintEvent(QPaintEvent* event) override;
    // Enter on the focused Solve or Show Steps button.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Connected to the controls' signals.
    void onGotFocus(velmora::FieldId id);
    void onLostFocus(velmora::FieldId id);
    void onSolveClicked();
    void onStepsClicked();
    void onOptionToggled(int index, bool checked);
    void onFractionsToggled(bool checked);
    void onTextEdited(FieldId id);

    // FieldHost
    bool pasteBlock(FieldId id, const QString& text) override;
    bool undoBlockPaste() override;
    [[nodiscard]] bool canUndoBlockPaste() const override;
    void addMenuEntries(FieldId id, QMenu* menu) override;
    [[nodiscard]] FieldNote inputNote(FieldId id) const override;

    // The control of a field, if it has been made; nullptr otherwise.
    [[nodiscard]] FieldEdit* builtField(FieldId id) const;
    // The text of a never-shown working field; nullptr for any other field.
    [[nodiscard]] const std::string* workingField(FieldId id) const;
    [[nodiscard]] std::string& workingText(FieldId id);

    void buildFields();
    FieldEdit* buildField(FieldId id);
    [[nodiscard]] QWidget* tabStopControl(const design::TabStop& stop) const;
    QPushButton* buildPushButton(const design::ButtonDesign& entry);
    void buildButtons();
    void buildLabels();
    void buildTabOrder();
    // Runs one handler of the logic; whatever escapes it ends in a message
    // box here rather than in Qt's event loop.
    template <typename Handler>
    void run(Handler&& handler);

    std::array<std::array<FieldEdit*, design::kMemberSlots>, design::kFieldKinds> m_fields{};
    std::array<std::array<std::string, design::kMemberSlots>, design::kFieldKinds> m_workingTexts{};
    std::array<QLabel*, design::kLabelSlots> m_labels{};
    std::array<LineEnds, design::kLineSlots> m_lines{};  // twips
    std::array<QRadioButton*, design::kOptionSlots> m_options{};
    QButtonGroup* m_optionGroup = nullptr;
    QPushButton* m_solve = nullptr;
    QPushButton* m_steps = nullptr;
    StepsWindow* m_stepsWindow = nullptr;  // the window's own, made when first opened
    QCheckBox* m_fractions = nullptr;
    QPixmap m_background;
    frmVLMain m_logic{*this};
};

template <typename Handler>
void QtForm::run(Handler&& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        // The logic reports what it foresees itself; this is the last resort.
        showMessage(std::string("Unexpected error: ") + e.what(), design::kCaption);
    }
}

}  // namespace velmora
