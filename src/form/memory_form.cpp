#include "form/memory_form.h"

#include <algorithm>

#include "form/design.h"

namespace velmora {

MemoryForm::MemoryForm() {
    for (const design::FieldDesign& entry : design::kFields) {
        for (const int k : design::Members(entry.field)) {
            const FieldId id{entry.field, k};
            const design::Rect rect = design::DesignRect(id);
            FieldState& field = state(id);
            field.text = design::InitialText(id);
            field.visible = entry.visible;
            field.readOnly = entry.readOnly;
            field.left = rect.left;
            field.top = rect.top;
        }
    }
    for (const design::LabelDesign& entry : design::kLabels) {
        m_labels[static_cast<std::size_t>(entry.number)] = {std::string(entry.caption),
                                                            entry.rect.left, entry.rect.top};
    }
    for (const design::LineDesign& entry : design::kLines) {
        m_lines[static_cast<std::size_t>(entry.number)] = entry.ends;
    }
}

MemoryForm::FieldState& MemoryForm::state(FieldId id) {
    return m_fields[static_cast<std::size_t>(id.field)][design::MemberSlot(id)];
}

const MemoryForm::FieldState& MemoryForm::state(FieldId id) const {
    return m_fields[static_cast<std::size_t>(id.field)][design::MemberSlot(id)];
}

std::string MemoryForm::text(FieldId id) const {
    return state(id).text;
}

void MemoryForm::setText(FieldId id, std::string_view text) {
    FieldState& s = state(id);
    s.text = text;
    s.selectionStart = 0;
    s.selectionLength = 0;
}

void MemoryForm::setVisible(FieldId id, bool visible) {
    state(id).visible = visible;
}
void MemoryForm::setLeft(FieldId id, int twips) {
    state(id).left = twips;
}
void MemoryForm::setTop(FieldId id, int twips) {
    state(id).top = twips;
}

void MemoryForm::select(FieldId id, int start, int length) {
    FieldState& s = state(id);
    const int size = static_cast<int>(s.text.size());
    s.selectionStart = std::clamp(start, 0, size);
    s.selectionLength = std::clamp(length, 0, size - s.selectionStart);
}

void MemoryForm::setFocus(FieldId id) {
    (void)design::MemberSlot(id);
    m_focus = id;
}

void MemoryForm::moveLabel(LabelId id, int left, int top) {
    LabelState& s = m_labels[design::LabelSlot(id.number)];
    s.left = left;
    s.top = top;
}

void MemoryForm::setCaption(LabelId id, std::string_view caption) {
    m_labels[design::LabelSlot(id.number)].caption = caption;
}

void MemoryForm::setLine(LineId id, LineEnds ends) {
    m_lines[design::LineSlot(id.number)] = ends;
}

bool MemoryForm::isOptionSelected(int index) const {
    (void)design::OptionSlot(index);  // throws for a member the array does not have
    return m_selectedOption == index;
}

bool MemoryForm::showMessageBox(const MessageBoxText& box) {
    m_messages.push_back({box.prompt, box.title, box.details});
    return box.offerSteps && m_showSteps;
}

void MemoryForm::setNote(FieldId id, const FieldNote& note) {
    state(id).note = note;
}

const MemoryForm::FieldState& MemoryForm::field(FieldId id) const {
    return state(id);
}

const MemoryForm::LabelState& MemoryForm::label(LabelId id) const {
    return m_labels[design::LabelSlot(id.number)];
}

LineEnds MemoryForm::line(LineId id) const {
    return m_lines[design::LineSlot(id.number)];
}

void MemoryForm::selectOption(int index) {
    (void)design::OptionSlot(index);
    m_selectedOption = index;
}

}  // namespace velmora
