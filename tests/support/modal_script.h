// Answers the modal windows a test's code opens, in the order the test expects them, through the
// dialog layer's modal hook: no waiting, no timers. A window nobody expected, or one that is still
// open after its actions, is a test failure and is closed, so a test fails instead of hanging.
#pragma once

#include "platform/win32/types.h"

#include <deque>
#include <functional>
#include <string>

namespace vexor::ui::qt {
struct ModalInfo;
}

namespace vexor::test {

class DialogDriver;

class ModalScript {
  public:
    // How the user closes an expected message box.
    enum class Answer { ClickOk, Enter, Escape, CloseBox };

    class MessageBoxExpectation {
      public:
        // Message boxes here have one button, OK; pressing it (the default) is a click on it.
        MessageBoxExpectation& thenPress(int buttonId);
        MessageBoxExpectation& thenAnswer(Answer answer);

      private:
        friend class ModalScript;
        Answer m_answer = Answer::ClickOk;
        int m_button = IDOK;
    };

    ModalScript();
    ~ModalScript();
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    MessageBoxExpectation& expectMessageBox(std::string caption, std::string text, UINT type);
    // The actions run while the dialog is up; they must end it (OK, Cancel, Escape, ...).
    void expectDialog(int templateId, std::function<void(DialogDriver&)> actions);

    bool allMet() const { return m_expected.empty(); }

  private:
    struct Expected {
        bool isDialog;
        int templateId;
        std::string caption, text;
        UINT type;
        std::function<void(DialogDriver&)> actions;
        MessageBoxExpectation answer;
    };

    void onModal(const ui::qt::ModalInfo& info);
    void answerMessageBox(const ui::qt::ModalInfo& info, const Expected& expected);

    std::deque<Expected> m_expected;
};

} // namespace vexor::test
