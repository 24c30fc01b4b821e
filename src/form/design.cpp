#include "form/design.h"

#include <cassert>
#include <cstddef>
#include <stdexcept>
#include <utility>

#include "numtext/numtext.h"

namespace velmora::design {

// The tables are in the order of their keys, so that a key is an index.
static_assert([] {
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        if (static_cast<std::size_t>(kFields[i].field) != i) {
            return false;
        }
    }
    for (std::size_t i = 0; i < kLabels.size(); ++i) {
        if (kLabels[i].number != static_cast<int>(i) + 1) {
            return false;
        }
    }
    for (std::size_t i = 0; i < kLines.size(); ++i) {
        if (kLines[i].number != static_cast<int>(i) + 1) {
            return false;
        }
    }
    return true;
}());

const FieldDesign& Of(Field field) {
    return kFields.at(static_cast<std::size_t>(field));
}

std::vector<int> Members(Field field) {
    std::vector<int> members;
    switch (Of(field).shape) {
        case Shape::single:
            members.push_back(0);
            break;
        case Shape::matrix:
            for (int r = 1; r <= Matrix::kMaxSize; ++r) {
                for (int c = 1; c <= Matrix::kMaxSize; ++c) {
                    members.push_back(10 * r + c);
                }
            }
            break;
        case Shape::byRow:
        case Shape::byColumn:
            for (int i = 1; i <= Matrix::kMaxSize; ++i) {
                members.push_back(i);
            }
            break;
    }
    return members;
}

bool IsMember(FieldId id) {
    const int k = id.index;
    switch (Of(id.field).shape) {
        case Shape::single:
            return k == 0;
        case Shape::matrix:
            return k / 10 >= 1 && k / 10 <= Matrix::kMaxSize && k % 10 >= 1 &&
                   k % 10 <= Matrix::kMaxSize;
        case Shape::byRow:
        case Shape::byColumn:
            return k >= 1 && k <= Matrix::kMaxSize;
    }
    return false;
}

std::size_t MemberSlot(FieldId id) {
    if (!IsMember(id)) {
        throw std::out_of_range("no such member of a control array");
    }
    return static_cast<std::size_t>(id.index);
}

namespace {
std::size_t Slot(int number, int first, int last, const char* what) {
    if (number < first || number > last) {
        throw std::out_of_range(what);
    }
    return static_cast<std::size_t>(number);
}
}  // namespace

std::size_t LabelSlot(int number) {
    return Slot(number, 1, static_cast<int>(kLabels.size()), "labels are Label1..Label8");
}
std::size_t LineSlot(int number) {
    return Slot(number, 1, static_cast<int>(kLines.size()), "lines are Line1..Line14");
}
std::size_t OptionSlot(int index) {
    return Slot(index, 0, static_cast<int>(kOptions.size()) - 1, "optMat has the members 0 and 1");
}

Cell CellOf(FieldId id) {
    assert(IsMember(id));
    switch (Of(id.field).shape) {
        case Shape::single:
            return {1, 1};
        case Shape::matrix:
            return {id.index / 10, id.index % 10};
        case Shape::byRow:
            return {id.index, 1};
        case Shape::byColumn:
            return {1, id.index};
    }
    return {1, 1};
}

Rect DesignRect(FieldId id) {
    const FieldDesign& spec = Of(id.field);
    const Cell cell = CellOf(id);
    return {spec.left + spec.pitchX * (cell.column - 1), spec.top + spec.pitchY * (cell.row - 1),
            spec.width, spec.height};
}

std::string IdentityText(int row, int column) {
    return WholeNumberText(row == column ? 1 : 0);
}

std::string InitialText(FieldId id) {
    if (id.field == Field::txtMatSize) {
        return WholeNumberText(kStartDimension);
    }
    if (id.field == Field::txtIM) {
        const Cell cell = CellOf(id);
        return IdentityText(cell.row, cell.column);
    }
    return {};
}

std::string AccessibleName(FieldId id) {
    const Cell cell = CellOf(id);
    std::string name(Of(id.field).accessibleName);
    for (const auto& [placeholder, value] : {std::pair{"{r}", cell.row}, {"{c}", cell.column}}) {
        if (const auto at = name.find(placeholder); at != std::string::npos) {
            name.replace(at, 3, std::to_string(value));
        }
    }
    return name;
}

const LabelDesign& Label(int number) {
    return kLabels.at(LabelSlot(number) - 1);
}

std::vector<TabStop> TabOrder() {
    std::vector<TabStop> order;
    const auto addFields = [&order](Field field) {
        for (const int k : Members(field)) {
            order.push_back({TabStop::Kind::field, {field, k}});
        }
    };
    addFields(Field::txtMatSize);
    addFields(Field::txtMat);
    addFields(Field::txtY);
    order.push_back({TabStop::Kind::solveButton});
    order.push_back({TabStop::Kind::stepsButton});
    addFields(Field::txtIM);
    addFields(Field::txtSol);
    addFields(Field::txtMinMat);
    addFields(Field::txtDeterminant);
    order.push_back({TabStop::Kind::option, {}, 0});
    order.push_back({TabStop::Kind::option, {}, 1});
    order.push_back({TabStop::Kind::fractionsBox});
    return order;
}

}  // namespace velmora::design
