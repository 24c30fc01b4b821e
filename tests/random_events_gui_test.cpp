// A seeded stream of a few thousand user events on the real window: typing
// into the inputs, Tab and Shift+Tab, clicks on Solve and the options, good
// and bad dimensions, every message box answered as it appears. Every few
// hundred events: no field shows or holds inf, nan or a negative zero, every
// input holds what was typed into it, and the window still answers.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <array>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "app/qt/field_edit.h"
#include "app/qt/qt_form.h"
#include "gui_fixture.h"
#include "non_number_text.h"

namespace velmora {
namespace {

using testing_support::Gui;

constexpr int kEvents = 2000;
constexpr int kCheckEvery = 200;

// What a person types: ordinary, long, tiny, huge and mistyped numbers.
const std::array<const char*, 16> kTokens{"1",
                                          "-2",
                                          "0",
                                          "0.333333333333333",
                                          "-123456.789",
                                          "1E300",
                                          "1E-300",
                                          "4.5",
                                          "1E400",
                                          "abc",
                                          "1,5",
                                          "&HFF",
                                          "",
                                          "2",
                                          "-1",
                                          "1E-17"};
const std::array<const char*, 12> kDimensions{"1", "2", "3",  "4", "5",   "6",
                                              "7", "0", "-1", "x", "2.5", "1E400"};

bool ShowsNoNonNumber(const QString& text) {
    return !testing_support::IsNonNumberText(text.toStdString());
}

class RandomEvents : public Gui {
protected:
    [[nodiscard]] std::vector<FieldId> everyField() const {
        std::vector<FieldId> ids{txtMatSize, txtDeterminant};
        for (int r = 1; r <= 6; ++r) {
            for (int c = 1; c <= 6; ++c) {
                for (FieldId (*array)(int) : {txtMat, txtIM, txtMinMat}) {
                    ids.push_back(array(10 * r + c));
                }
            }
            for (FieldId (*array)(int) : {txtY, txtSol, txtDetRow, txtDetCol}) {
                ids.push_back(array(r));
            }
        }
        return ids;
    }

    [[nodiscard]] static bool isInput(FieldId id) {
        return id.field == Field::txtMat || id.field == Field::txtY;
    }

    // The input field with the focus, if any.
    [[nodiscard]] const FieldEdit* focusedInput() const {
        const auto* field = qobject_cast<const FieldEdit*>(QApplication::focusWidget());
        return field != nullptr && isInput(field->id()) ? field : nullptr;
    }

    void typeInto(QWidget* target, const char* token) {
        click(target);
        if (const FieldEdit* field = focusedInput()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
            QTest::keyClicks(QApplication::focusWidget(), token);
            m_typed[field->id().field == Field::txtY ? -field->id().index : field->id().index] =
                token;
            ++m_typing;
        }
    }

    void step(std::mt19937& rng) {
        std::uniform_int_distribution<int> kind(0, 9);
        std::uniform_int_distribution<std::size_t> token(0, kTokens.size() - 1);
        std::uniform_int_distribution<std::size_t> dimension(0, kDimensions.size() - 1);
        std::vector<FieldEdit*> inputs;
        for (const FieldId id : everyField()) {
            if (isInput(id) && edit(id)->isVisible()) {
                inputs.push_back(edit(id));
            }
        }
        std::uniform_int_distribution<std::size_t> input(0, inputs.size() - 1);
        switch (kind(rng)) {
            case 0:
            case 1:
            case 2:
            case 3:
                typeInto(inputs[input(rng)], kTokens.at(token(rng)));
                break;
            case 4:
                tab();
                break;
            case 5:
                tab(Qt::ShiftModifier);
                break;
            case 6:
            case 7:
                click(form().solveButton());
                break;
            case 8: {
                const int option = std::uniform_int_distribution<int>(0, 1)(rng);
                click(form().option(option));
                break;
            }
            default:
                enterDimension(kDimensions.at(dimension(rng)));
                break;
        }
    }

    void check(int events) {
        SCOPED_TRACE("after " + std::to_string(events) + " events");
        for (const FieldId id : everyField()) {
            const FieldEdit* field = edit(id);
            if (field == nullptr) {  // a working field, never shown: its text only
                EXPECT_TRUE(ShowsNoNonNumber(QString::fromStdString(form().text(id))));
                continue;
            }
            EXPECT_TRUE(ShowsNoNonNumber(field->text())) << field->text().toStdString();
            EXPECT_TRUE(ShowsNoNonNumber(field->shownText())) << field->shownText().toStdString();
            if (isInput(id)) {
                const auto typed = m_typed.find(id.field == Field::txtY ? -id.index : id.index);
                EXPECT_EQ(field->text().toStdString(), typed == m_typed.end() ? "" : typed->second)
                    << "input " << id.index;
            }
        }
        // The event loop still runs: a queued call arrives.
        bool answered = false;
        QTimer::singleShot(0, &form(), [&answered] { answered = true; });
        QTest::qWait(20);
        EXPECT_TRUE(answered);
        EXPECT_TRUE(form().isVisible());
    }

    std::map<int, std::string> m_typed;  // txtMat by its index, txtY by minus its index
    int m_typing = 0;
};

TEST_F(RandomEvents, LeaveNoNonNumberAndNoLostInput) {
    std::mt19937 rng(20261208U);
    int messages = 0;
    int solved = 0;
    for (int events = 1; events <= kEvents && !HasFailure(); ++events) {
        messages += static_cast<int>(messagesDuring([&] { step(rng); }).size());
        solved += edit(txtSol(1))->text().isEmpty() ? 0 : 1;
        if (events % kCheckEvery == 0) {
            check(events);
        }
    }
    // The stream did reach the inputs, the messages and the results.
    EXPECT_GT(m_typing, kEvents / 4);
    EXPECT_GT(messages, 10);
    EXPECT_GT(solved, 10);
    std::printf("%d typed entries, %d messages, %d events with a solution shown\n", m_typing,
                messages, solved);
}

}  // namespace
}  // namespace velmora
