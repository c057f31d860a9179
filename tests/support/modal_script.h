// Answers the modal windows a test's code opens, in the order the test expects them, from inside
// their own loops: no waiting, no timers. A window nobody expected, or one that is still open after
// its actions, is a test failure and is closed, so a test fails instead of hanging. The backend's
// part (how a modal window is seen, how a message box is answered) is in modal_script_qt.cpp and
// modal_script_win32.cpp.
#pragma once

#include "tests/support/dialog_driver.h"

#include <deque>
#include <functional>
#include <string>

namespace vexor::test {

// A modal window as it comes up.
struct ModalWindow {
    bool isDialog;
    DriverWindow window;
    int templateId;      // dialogs; 0 for message boxes
    std::string caption; // as the program wrote it
    std::string text;    // the message box's text; "" for dialogs
    UINT type;           // the message box's type; 0 for dialogs
    std::function<bool()> isOpen;
    std::function<void()> abort; // ends it as cancelling would, without any user input
};

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

  private:
    struct Expected {
        bool isDialog;
        int templateId;
        std::string caption, text;
        UINT type;
        std::function<void(DialogDriver&)> actions;
        MessageBoxExpectation answer;
    };

    void onModal(const ModalWindow& modal);
    void answerMessageBox(const ModalWindow& modal, const Expected& expected);
    void reportUnmet() const;

    std::deque<Expected> m_expected;
};

} // namespace vexor::test
