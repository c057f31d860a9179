#include "tests/support/modal_script.h"

#include <gtest/gtest.h>

namespace vexor::test {

namespace {
std::string describe(const ModalWindow& modal) {
    if (modal.isDialog)
        return "dialog " + std::to_string(modal.templateId) + " (\"" + modal.caption + "\")";
    return "message box \"" + modal.caption + "\": \"" + modal.text + "\"";
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

void ModalScript::reportUnmet() const {
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

void ModalScript::onModal(const ModalWindow& modal) {
    if (m_expected.empty()) {
        ADD_FAILURE() << "Unexpected " << describe(modal);
        modal.abort();
        return;
    }
    const Expected expected = std::move(m_expected.front());
    m_expected.pop_front(); // before acting: what the actions open takes the next expectations
    if (expected.isDialog != modal.isDialog || (modal.isDialog && expected.templateId != modal.templateId)) {
        ADD_FAILURE() << "Expected " << (expected.isDialog ? "dialog " + std::to_string(expected.templateId)
                                                          : "message box \"" + expected.caption + "\"")
                      << ", but got " << describe(modal);
        modal.abort();
        return;
    }
    if (modal.isDialog) {
        DialogDriver driver(modal.window);
        if (expected.actions)
            expected.actions(driver);
    } else {
        EXPECT_EQ(modal.caption, expected.caption);
        EXPECT_EQ(modal.text, expected.text);
        EXPECT_EQ(modal.type, expected.type);
        answerMessageBox(modal, expected);
    }
    if (modal.isOpen()) {
        ADD_FAILURE() << describe(modal) << " was still open after its actions";
        modal.abort();
    }
}

} // namespace vexor::test
