#include "app/memory_form.h"

#include <algorithm>
#include <stdexcept>

#include "app/design.h"

namespace velmora {

namespace {

void RequireMember(FieldId id) {
    if (!design::IsMember(id)) {
        throw std::out_of_range("no such member of a control array");
    }
}

int CheckedNumber(int number, int last) {
    if (number < 1 || number > last) {
        throw std::out_of_range("no such label or line");
    }
    return number;
}

}  // namespace

MemoryForm::MemoryForm() {
    for (const design::FieldSpec& spec : design::kFields) {
        for (const int k : design::Members(spec.field)) {
            const FieldId id{spec.field, k};
            const design::Rect rect = design::DesignRect(id);
            state(id) = {design::InitialText(id), spec.visible, spec.readOnly, rect.left, rect.top};
        }
    }
    for (const design::LabelSpec& spec : design::kLabels) {
        m_labels[static_cast<std::size_t>(spec.number)] = {std::string(spec.caption),
                                                           spec.rect.left, spec.rect.top};
    }
    for (const design::LineSpec& spec : design::kLines) {
        m_lines[static_cast<std::size_t>(spec.number)] = spec.ends;
    }
}

MemoryForm::FieldState& MemoryForm::state(FieldId id) {
    RequireMember(id);
    return m_fields[static_cast<std::size_t>(id.field)][static_cast<std::size_t>(id.index)];
}

const MemoryForm::FieldState& MemoryForm::state(FieldId id) const {
    RequireMember(id);
    return m_fields[static_cast<std::size_t>(id.field)][static_cast<std::size_t>(id.index)];
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
    RequireMember(id);
    m_focus = id;
}

void MemoryForm::moveLabel(LabelId id, int left, int top) {
    LabelState& s = m_labels[static_cast<std::size_t>(CheckedNumber(id.number, 8))];
    s.left = left;
    s.top = top;
}

void MemoryForm::setCaption(LabelId id, std::string_view caption) {
    m_labels[static_cast<std::size_t>(CheckedNumber(id.number, 8))].caption = caption;
}

void MemoryForm::setLine(LineId id, LineEnds ends) {
    m_lines[static_cast<std::size_t>(CheckedNumber(id.number, 14))] = ends;
}

bool MemoryForm::isOptionSelected(int index) const {
    return m_selectedOption == index;
}

void MemoryForm::showMessage(std::string_view prompt, std::string_view title) {
    m_messages.push_back({std::string(prompt), std::string(title)});
}

const MemoryForm::FieldState& MemoryForm::field(FieldId id) const {
    return state(id);
}

const MemoryForm::LabelState& MemoryForm::label(LabelId id) const {
    return m_labels[static_cast<std::size_t>(CheckedNumber(id.number, 8))];
}

LineEnds MemoryForm::line(LineId id) const {
    return m_lines[static_cast<std::size_t>(CheckedNumber(id.number, 14))];
}

void MemoryForm::selectOption(int index) {
    if (index != 0 && index != 1) {
        throw std::out_of_range("optMat has the members 0 and 1");
    }
    m_selectedOption = index;
}

}  // namespace velmora
