// The controls of a running dialog as every backend keeps them: in template order, each with the
// object the program sees (a member bound with DDX_Control, else a framework object of the control's
// class), and the dialog manager's rules over them that are the same everywhere: which control Tab,
// Enter, Escape, the close box and a mnemonic go to. A backend derives its dialog from this and
// answers what only it knows: whether a control is enabled or hidden, and what text it shows.
#pragma once

#include "platform/ui/afx.h"
#include "platform/ui/resources.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vexor::ui {

inline WORD loWord(UINT_PTR value) {
    return static_cast<WORD>(value & 0xFFFF);
}
inline WORD hiWord(UINT_PTR value) {
    return static_cast<WORD>((value >> 16) & 0xFFFF);
}
inline WPARAM makeWParam(UINT low, UINT high) {
    return static_cast<WPARAM>((static_cast<DWORD>(high & 0xFFFF) << 16) | (low & 0xFFFF));
}

// The character marked with `&` in a control text ("&Löschen": L), as written; 0 when the text has
// no mark ("&&" is a plain ampersand).
char32_t mnemonicOf(std::string_view utf8);

struct ControlRecord {
    const res::ControlTemplate* tpl = nullptr;
    HWND hWnd = nullptr;       // the backend's window of the control
    std::unique_ptr<CWnd> own; // the framework's object of the control's class
    CWnd* bound = nullptr;     // the member that DDX_Control bound, if any

    CWnd* object() const { return bound ? bound : own.get(); }
    int id() const { return tpl->id; }
    bool isPushButton() const;
    bool isCheckBox() const;
    bool isDefaultButton() const;
    bool isEdit() const;
    bool isStaticLike() const; // statics and group boxes: never take the focus
    bool hasTabStop() const { return (tpl->style & WS_TABSTOP) && !isStaticLike(); }
};

// The framework object for a control of the template's class: CButton for a button, and so on.
std::unique_ptr<CWnd> frameworkObject(const res::ControlTemplate& tpl);

class DialogControls {
  public:
    DialogControls(CDialog& owner, const res::DialogTemplate& tpl);
    virtual ~DialogControls();
    DialogControls(const DialogControls&) = delete;
    DialogControls& operator=(const DialogControls&) = delete;

    // The open dialog whose own window hWnd is; nullptr for anything else.
    static DialogControls* fromHandle(HWND hWnd);
    // The record of the control with this window in any open dialog; nullptr for anything else.
    static ControlRecord* recordOf(HWND hWnd);
    static DialogControls* topmost(); // the newest open dialog

    CDialog& owner() const { return m_owner; }
    const res::DialogTemplate& dialogTemplate() const { return m_tpl; }
    std::vector<ControlRecord>& controls() { return m_controls; }
    ControlRecord* controlById(int id);

    // DDX_Control: the member becomes the control. Binding again keeps the first binding.
    void bind(int id, CWnd& member);

    // EndDialog: the backend's modal loop ends with this result; before the loop runs, DoModal
    // returns it at once.
    virtual void endModal(int result) = 0;

    // WM_COMMAND with a notification code from control id to the dialog's message map; nothing once
    // the dialog is closing.
    void sendCommand(UINT code, int id);

    // Tab order is template order, skipping statics, controls without WS_TABSTOP, disabled and
    // hidden ones, and wrapping round. nullptr when no control can take the focus.
    ControlRecord* nextTabStop(const ControlRecord* focused, bool forward);
    // The control Enter clicks: a focused push button; else the default push button; without one
    // IDOK. 0 when that button is disabled: Enter can't get round a disabled OK.
    int enterCommand(const ControlRecord* focused);
    // The close box is IDCANCEL, and does nothing while the Cancel button is disabled.
    bool closeBoxCancels();
    // The enabled, shown control whose text marks `key`, searched from the one after the focus so
    // that repeated presses cycle through duplicates; nullptr when none has it.
    ControlRecord* mnemonicTarget(const ControlRecord* focused, char32_t key);
    // A static's mnemonic goes to the control after it: the next one in template order that is no
    // static and can take the focus; nullptr when there is none.
    ControlRecord* labelledControl(const ControlRecord& label);

  protected:
    // The backend's window of the dialog, once it exists.
    void setHandle(HWND hWnd) { m_hWnd = hWnd; }
    ControlRecord& addControl(const res::ControlTemplate& tpl, HWND hWnd);
    // Called first when the window goes: no more commands, bound members lose their windows.
    void releaseControls();

    virtual bool isEnabled(const ControlRecord& control) const = 0;
    virtual bool isHidden(const ControlRecord& control) const = 0;
    virtual std::string textOf(const ControlRecord& control) const = 0; // UTF-8
    // The upper case of a character, as the platform maps it: mnemonics ignore case.
    virtual char32_t toUpper(char32_t c) const = 0;

  private:
    bool canTakeFocus(const ControlRecord& control) const;
    int indexOf(const ControlRecord* control) const;

    CDialog& m_owner;
    const res::DialogTemplate& m_tpl;
    HWND m_hWnd = nullptr;
    std::vector<ControlRecord> m_controls;
    bool m_closing = false;
};

} // namespace vexor::ui
