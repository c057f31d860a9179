#include "tests/support/modal_script.h"

#include "platform/ui/qt/modal_hook.h"
#include "tests/support/dialog_driver.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace vexor::test {

namespace {
std::string describe(const ui::qt::ModalInfo& info) {
    if (info.kind == ui::qt::ModalInfo::Kind::Dialog)
        return "dialog " + std::to_string(info.templateId) + " (\"" + info.caption + "\")";
    return "message box \"" + info.caption + "\": \"" + info.text + "\"";
}

QWidget* keyTarget(QWidget* box) {
    QWidget* focus = QApplication::focusWidget();
    return focus && focus->window() == box ? focus : box;
}
} // namespace

ModalScript::MessageBoxExpectation& ModalScript::MessageBoxExpectation::thenPress(int buttonId) {
    m_button = buttonId;
    m_answer = Answer::ClickOk;
    return *this;
}

ModalScript::MessageBoxExpectation& ModalScript::MessageBoxExpectation::thenAnswer(Answer answer) {
    m_answer = answer;
    return *this;
}

ModalScript::ModalScript() {
    ui::qt::setModalHook([this](const ui::qt::ModalInfo& info) { onModal(info); });
}

ModalScript::~ModalScript() {
    ui::qt::setModalHook({});
    for (const Expected& expected : m_expected)
        ADD_FAILURE() << "Expected " << (expected.isDialog ? "dialog " + std::to_string(expected.templateId)
                                                            : "message box \"" + expected.caption + "\"")
                      << " never opened";
}

ModalScript::MessageBoxExpectation& ModalScript::expectMessageBox(std::string caption, std::string text, UINT type) {
    m_expected.push_back({false, 0, std::move(caption), std::move(text), type, {}, {}});
    return m_expected.back().answer;
}

void ModalScript::expectDialog(int templateId, std::function<void(DialogDriver&)> actions) {
    m_expected.push_back({true, templateId, {}, {}, 0, std::move(actions), {}});
}

void ModalScript::onModal(const ui::qt::ModalInfo& info) {
    const bool isDialog = info.kind == ui::qt::ModalInfo::Kind::Dialog;
    if (m_expected.empty()) {
        ADD_FAILURE() << "Unexpected " << describe(info);
        info.abort();
        return;
    }
    const Expected expected = std::move(m_expected.front());
    m_expected.pop_front(); // before acting: what the actions open takes the next expectations
    if (expected.isDialog != isDialog || (isDialog && expected.templateId != info.templateId)) {
        ADD_FAILURE() << "Expected " << (expected.isDialog ? "dialog " + std::to_string(expected.templateId)
                                                          : "message box \"" + expected.caption + "\"")
                      << ", but got " << describe(info);
        info.abort();
        return;
    }
    if (isDialog) {
        DialogDriver driver(info.window);
        if (expected.actions)
            expected.actions(driver);
    } else {
        answerMessageBox(info, expected);
    }
    if (info.isOpen()) {
        ADD_FAILURE() << describe(info) << " was still open after its actions";
        info.abort();
    }
}

void ModalScript::answerMessageBox(const ui::qt::ModalInfo& info, const Expected& expected) {
    EXPECT_EQ(info.caption, expected.caption);
    EXPECT_EQ(info.text, expected.text);
    EXPECT_EQ(info.type, expected.type);
    auto* box = qobject_cast<QMessageBox*>(info.window);
    if (!box)
        return;
    switch (expected.answer.m_answer) {
    case Answer::ClickOk: {
        EXPECT_EQ(expected.answer.m_button, IDOK) << "message boxes here have only an OK button";
        const auto buttons = box->buttons();
        if (buttons.size() == 1)
            QTest::mouseClick(buttons.front(), Qt::LeftButton);
        else
            ADD_FAILURE() << "The message box has " << buttons.size() << " buttons, not one";
        break;
    }
    case Answer::Enter: QTest::keyClick(keyTarget(box), Qt::Key_Return); break;
    case Answer::Escape: QTest::keyClick(keyTarget(box), Qt::Key_Escape); break;
    case Answer::CloseBox: box->close(); break;
    }
}

} // namespace vexor::test
