#pragma once

// The window's controls as plain data, built from the design tables. The
// logic tests run on it: it records message boxes instead of blocking, and
// lets a test read back every property the logic can change.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "form/design.h"
#include "form/form.h"

namespace velmora {

class MemoryForm final : public Form {
public:
    struct FieldState {
        std::string text;
        bool visible = true;
        bool readOnly = false;
        int left = 0;  // twips
        int top = 0;
        int selectionStart = 0;
        int selectionLength = 0;
        FieldNote note;
    };
    struct LabelState {
        std::string caption;
        int left = 0;
        int top = 0;
    };
    struct Message {
        std::string prompt;
        std::string title;
        // The informative text. The braces let a message be written as
        // {prompt, title} without GCC's missing-initializer warning.
        std::string details{};  // NOLINT(readability-redundant-member-init)

        friend bool operator==(const Message&, const Message&) = default;
    };

    MemoryForm();  // every control in its design state

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
    void stepsChanged(bool available) override { m_stepsAvailable = available; }
    void showSteps() override { ++m_stepsShown; }
    void setNote(FieldId id, const FieldNote& note) override;

    // For tests. Asking for a member an array does not have throws
    // std::out_of_range, as every Form operation on one does.
    [[nodiscard]] const FieldState& field(FieldId id) const;
    [[nodiscard]] const LabelState& label(LabelId id) const;
    [[nodiscard]] LineEnds line(LineId id) const;
    [[nodiscard]] const std::vector<Message>& messages() const { return m_messages; }
    void clearMessages() { m_messages.clear(); }
    // Whether the user closes a box that offers the steps with "Show Steps".
    void answerShowSteps(bool answer) { m_showSteps = answer; }
    [[nodiscard]] bool stepsAvailable() const { return m_stepsAvailable; }
    [[nodiscard]] int stepsShown() const { return m_stepsShown; }
    [[nodiscard]] std::optional<FieldId> focused() const { return m_focus; }
    // The user's click on optMat(index): selects it and clears the other.
    void selectOption(int index);

private:
    FieldState& state(FieldId id);
    [[nodiscard]] const FieldState& state(FieldId id) const;

    std::array<std::array<FieldState, design::kMemberSlots>, design::kFieldKinds> m_fields{};
    std::array<LabelState, design::kLabelSlots> m_labels{};
    std::array<LineEnds, design::kLineSlots> m_lines{};
    int m_selectedOption = 0;
    std::vector<Message> m_messages;
    bool m_showSteps = false;
    bool m_stepsAvailable = false;
    int m_stepsShown = 0;
    std::optional<FieldId> m_focus;
};

}  // namespace velmora
