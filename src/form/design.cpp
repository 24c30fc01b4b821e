#include "form/design.h"

#include <cassert>
#include <stdexcept>
#include <utility>

#include "numtext/numtext.h"

namespace velmora::design {

namespace {

// The entry of a design table whose key is `key`; every key has one.
template <typename Table, typename Key, typename Spec>
const Spec& Find(const Table& table, Key Spec::*member, Key key) {
    for (const Spec& spec : table) {
        if (spec.*member == key) {
            return spec;
        }
    }
    assert(false && "every control has a design entry");
    return table.front();
}

}  // namespace

const FieldSpec& Spec(Field field) {
    return Find(kFields, &FieldSpec::field, field);
}

std::vector<int> Members(Field field) {
    std::vector<int> members;
    switch (Spec(field).shape) {
        case Shape::single:
            members.push_back(0);
            break;
        case Shape::matrix:
            for (int r = 1; r <= 6; ++r) {
                for (int c = 1; c <= 6; ++c) {
                    members.push_back(10 * r + c);
                }
            }
            break;
        case Shape::byRow:
        case Shape::byColumn:
            for (int i = 1; i <= 6; ++i) {
                members.push_back(i);
            }
            break;
    }
    return members;
}

bool IsMember(FieldId id) {
    const int k = id.index;
    switch (Spec(id.field).shape) {
        case Shape::single:
            return k == 0;
        case Shape::matrix:
            return k / 10 >= 1 && k / 10 <= 6 && k % 10 >= 1 && k % 10 <= 6;
        case Shape::byRow:
        case Shape::byColumn:
            return k >= 1 && k <= 6;
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
    return Slot(number, 1, 8, "labels are Label1..Label8");
}
std::size_t LineSlot(int number) {
    return Slot(number, 1, 14, "lines are Line1..Line14");
}
std::size_t OptionSlot(int index) {
    return Slot(index, 0, 1, "optMat has the members 0 and 1");
}

Cell CellOf(FieldId id) {
    assert(IsMember(id));
    switch (Spec(id.field).shape) {
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
    const FieldSpec& spec = Spec(id.field);
    const Cell cell = CellOf(id);
    return {spec.left + spec.pitchX * (cell.column - 1), spec.top + spec.pitchY * (cell.row - 1),
            spec.width, spec.height};
}

std::string InitialText(FieldId id) {
    if (id.field == Field::txtMatSize) {
        return WholeNumberText(3);
    }
    if (id.field == Field::txtIM) {
        const Cell cell = CellOf(id);
        return WholeNumberText(cell.row == cell.column ? 1 : 0);
    }
    return {};
}

std::string AccessibleName(FieldId id) {
    const Cell cell = CellOf(id);
    std::string name(Spec(id.field).accessibleName);
    for (const auto& [placeholder, value] : {std::pair{"{r}", cell.row}, {"{c}", cell.column}}) {
        if (const auto at = name.find(placeholder); at != std::string::npos) {
            name.replace(at, 3, std::to_string(value));
        }
    }
    return name;
}

const LabelSpec& Label(int number) {
    return Find(kLabels, &LabelSpec::number, number);
}

const LineSpec& Line(int number) {
    return Find(kLines, &LineSpec::number, number);
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
    addFields(Field::txtIM);
    addFields(Field::txtSol);
    addFields(Field::txtMinMat);
    addFields(Field::txtDeterminant);
    order.push_back({TabStop::Kind::option, {}, 0});
    order.push_back({TabStop::Kind::option, {}, 1});
    return order;
}

}  // namespace velmora::design
