// One contract for both implementations of the port: the in-memory form the
// logic tests run on and the Qt window behave alike on every operation and
// every field, the hidden working fields included.

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "app/qt/qt_form.h"
#include "form/design.h"
#include "form/memory_form.h"

namespace velmora {
namespace {

template <typename T>
class FormContract : public testing::Test {
protected:
    std::unique_ptr<Form> m_form = std::make_unique<T>();
};

using Forms = testing::Types<MemoryForm, QtForm>;
TYPED_TEST_SUITE(FormContract, Forms);

// Every member of every control array, working fields included.
template <typename Each>
void ForEveryMember(Each each) {
    for (const design::FieldDesign& entry : design::kFields) {
        for (const int k : design::Members(entry.field)) {
            each(FieldId{entry.field, k});
        }
    }
}

TYPED_TEST(FormContract, EveryMemberTakesEveryFieldOperation) {
    Form& form = *this->m_form;
    ForEveryMember([&form](FieldId id) {
        const std::string text = "-123456.789 and 1/3";
        form.setText(id, text);
        EXPECT_EQ(form.text(id), text) << static_cast<int>(id.field) << " " << id.index;
        EXPECT_NO_THROW(form.setNote(id, {"note", "fallback", true, true}));
        EXPECT_NO_THROW(form.setNote(id, {}));
        EXPECT_NO_THROW(form.select(id, 0, 100));
        EXPECT_NO_THROW(form.select(id, 5, 2));
        EXPECT_NO_THROW(form.setLeft(id, 120));
        EXPECT_NO_THROW(form.setTop(id, 240));
        EXPECT_NO_THROW(form.setVisible(id, false));
        EXPECT_NO_THROW(form.setVisible(id, true));
        EXPECT_EQ(form.text(id), text);
        form.setText(id, "");
        EXPECT_EQ(form.text(id), "");
    });
}

TYPED_TEST(FormContract, AMemberAnArrayDoesNotHaveIsRefusedByEveryOperation) {
    Form& form = *this->m_form;
    for (const FieldId id :
         {FieldId{Field::txtMat, 17}, FieldId{Field::txtIM, 70}, FieldId{Field::txtY, 0},
          FieldId{Field::txtSol, 7}, FieldId{Field::txtDetRow, 7}, FieldId{Field::txtDetCol, -1},
          FieldId{Field::txtMatSize, 1}}) {
        EXPECT_THROW((void)form.text(id), std::out_of_range);
        EXPECT_THROW(form.setText(id, "1"), std::out_of_range);
        EXPECT_THROW(form.setNote(id, {"n", "", false, false}), std::out_of_range);
        EXPECT_THROW(form.select(id, 0, 1), std::out_of_range);
        EXPECT_THROW(form.setFocus(id), std::out_of_range);
        EXPECT_THROW(form.setLeft(id, 0), std::out_of_range);
        EXPECT_THROW(form.setTop(id, 0), std::out_of_range);
        EXPECT_THROW(form.setVisible(id, true), std::out_of_range);
    }
    for (const int number : {0, 9}) {
        EXPECT_THROW(form.moveLabel(LabelId{number}, 0, 0), std::out_of_range);
        EXPECT_THROW(form.setCaption(LabelId{number}, "x"), std::out_of_range);
    }
    for (const int number : {0, 15}) {
        EXPECT_THROW(form.setLine(LineId{number}, {0, 0, 1, 1}), std::out_of_range);
    }
    for (const int index : {-1, 2}) {
        EXPECT_THROW((void)form.isOptionSelected(index), std::out_of_range);
    }
}

TYPED_TEST(FormContract, LabelsLinesAndOptionsStartInTheirDesignState) {
    Form& form = *this->m_form;
    EXPECT_TRUE(form.isOptionSelected(0));
    EXPECT_FALSE(form.isOptionSelected(1));
    for (const design::LabelDesign& label : design::kLabels) {
        EXPECT_NO_THROW(form.moveLabel(LabelId{label.number}, 100, 200));
        EXPECT_NO_THROW(form.setCaption(LabelId{label.number}, "caption"));
    }
    for (const design::LineDesign& line : design::kLines) {
        EXPECT_NO_THROW(form.setLine(LineId{line.number}, line.ends));
    }
}

}  // namespace
}  // namespace velmora
