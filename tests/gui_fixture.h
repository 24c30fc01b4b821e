#pragma once

// The fixture of the tests that drive the real window on Qt's offscreen
// platform: every test starts from a freshly opened, active window, and a
// message box is answered with OK as it appears, failing the test unless the
// test expected it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/qt/field_edit.h"
#include "app/qt/qt_form.h"
#include "form/design.h"

QT_BEGIN_NAMESPACE
// Test failures print the text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace velmora::testing_support {

struct Box {
    std::string text;
    std::string title;
    bool noIcon = false;
    bool singleOk = false;
    std::string informative;
};

// Every test starts from a freshly opened, active window. A message box that
// a test does not expect is closed at once and fails the test, so that a
// mistake cannot leave the suite waiting for a click.
class Gui : public testing::Test {
protected:
    void SetUp() override {
        reopen();
        m_watchdog.setInterval(10);
        QObject::connect(&m_watchdog, &QTimer::timeout, &m_watchdog, [this] { watch(); });
        m_watchdog.start();
    }

    // Closes the window and opens a fresh one, as at start-up.
    void reopen() {
        m_form = std::make_unique<QtForm>();
        m_form->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_form.get()));
    }

    void TearDown() override {
        m_watchdog.stop();
        m_form.reset();
    }

    // Runs `action` and answers with OK every message box it opens.
    std::vector<Box> messagesDuring(const std::function<void()>& action) {
        m_expecting = true;
        m_boxes.clear();
        action();
        m_expecting = false;
        if (!m_boxes.empty()) {
            // The offscreen platform has no window manager to hand the
            // activation back to the window once the box has gone.
            m_form->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(m_form.get()));
        }
        return m_boxes;
    }

    void expectMessage(const std::function<void()>& action, const std::string& text,
                       const std::string& title) {
        const std::vector<Box> boxes = messagesDuring(action);
        ASSERT_EQ(boxes.size(), 1U);
        EXPECT_EQ(boxes[0].text, text);
        EXPECT_EQ(boxes[0].title, title);
        EXPECT_TRUE(boxes[0].noIcon);
        EXPECT_TRUE(boxes[0].singleOk);
    }

    [[nodiscard]] QtForm& form() const { return *m_form; }
    [[nodiscard]] FieldEdit* edit(FieldId id) const { return m_form->field(id); }
    [[nodiscard]] static QWidget* focused() { return QApplication::focusWidget(); }

    void focus(QWidget* widget) {
        widget->setFocus(Qt::OtherFocusReason);
        ASSERT_TRUE(widget->hasFocus());
    }
    static void tab(Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(focused(), Qt::Key_Tab, modifiers);
    }
    static void click(QWidget* widget) {
        QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
    }

    // Types N into the dimension field and leaves it with Tab, as a user does.
    void enterDimension(const QString& text) {
        focus(edit(txtMatSize));
        QTest::keyClick(focused(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(focused(), text);
        tab();
    }

    void fillSystem() {
        const char* const a[3][3] = {{"2", "1", "1"}, {"1", "3", "2"}, {"1", "0", "0"}};
        for (int r = 1; r <= 3; ++r) {
            for (int c = 1; c <= 3; ++c) {
                form().setText(txtMat(10 * r + c), a[r - 1][c - 1]);
            }
            form().setText(txtY(r), std::to_string(r));
        }
    }

    // The widgets the Tab key visits from the dimension field on, once round.
    std::vector<QWidget*> tabCycle() {
        std::vector<QWidget*> visited;
        focus(edit(txtMatSize));
        do {
            visited.push_back(focused());
            tab();
        } while (focused() != edit(txtMatSize) && visited.size() < 300);
        return visited;
    }

    [[nodiscard]] QWidget* stopWidget(const design::TabStop& stop) const {
        switch (stop.kind) {
            case design::TabStop::Kind::field:
                return edit(stop.field);
            case design::TabStop::Kind::solveButton:
                return form().solveButton();
            case design::TabStop::Kind::stepsButton:
                return form().stepsButton();
            case design::TabStop::Kind::option:
                return form().option(stop.option);
            case design::TabStop::Kind::fractionsBox:
                return form().fractionsBox();
        }
        return nullptr;
    }

private:
    void watch() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            return;
        }
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (m_expecting && box != nullptr) {
            QAbstractButton* ok = box->button(QMessageBox::Ok);
            m_boxes.push_back({box->text().toStdString(), box->windowTitle().toStdString(),
                               box->icon() == QMessageBox::NoIcon,
                               box->buttons().size() == 1 && ok != nullptr,
                               box->informativeText().toStdString()});
            if (ok != nullptr) {
                ok->click();
                return;
            }
            ADD_FAILURE() << "message box without an OK button: " << box->text().toStdString();
            // Any of its buttons closes it; close() would not without an escape button.
            if (box->buttons().isEmpty()) {
                box->close();
            } else {
                box->buttons().front()->click();
            }
            return;
        }
        ADD_FAILURE() << "unexpected modal window: "
                      << (box ? box->text() : modal->windowTitle()).toStdString();
        modal->close();
    }

    std::unique_ptr<QtForm> m_form;
    QTimer m_watchdog;
    bool m_expecting = false;
    std::vector<Box> m_boxes;
};

// Asks the field for its tooltip, as hovering does.
inline QString ToolTipOf(QWidget* widget) {
    QToolTip::hideText();
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));
    QHelpEvent request(QEvent::ToolTip, widget->rect().center(),
                       widget->mapToGlobal(widget->rect().center()));
    QCoreApplication::sendEvent(widget, &request);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

}  // namespace velmora::testing_support
