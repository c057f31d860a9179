// A Windows combo box on QComboBox: its own current selection (CB_GETCURSEL is -1 once the user
// types), sorted adding, the width limit of CBS_AUTOHSCROLL's absence, and the CBN_ notifications in
// the order Windows sends them:
//   typing in the edit part:      CBN_EDITUPDATE, CBN_EDITCHANGE
//   picking from the dropped list: CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE
//   arrow keys in the dropped list: CBN_SELCHANGE for each move
//   arrow keys while closed:        CBN_SELENDOK, CBN_SELCHANGE
//   closing without a pick:         CBN_SELENDCANCEL, CBN_CLOSEUP
//   dropping down: CBN_DROPDOWN;    getting the focus: CBN_SETFOCUS
// Unlike Windows, where a CBN_SELCHANGE handler famously still reads the old text, the edit part
// already shows a picked item when the notifications go out: the dialogs read the window text in
// every one of these handlers, and a pick must count as a name.
#pragma once

#include "platform/win32/types.h"

#include <QComboBox>

#include <functional>

namespace vexor::ui::qt {

class ComboBox : public QComboBox {
  public:
    using Notify = std::function<void(UINT code)>;

    ComboBox(DWORD style, QWidget* parent);

    void setNotify(Notify notify) { m_notify = std::move(notify); }
    int addString(const QString& text); // returns the new item's index
    int curSel() const { return m_curSel; }
    int setCurSel(int index);           // CB_ERR (and no selection) for an index out of range
    QString editText() const;
    void setTextQuietly(const QString& text);
    bool isDropped() const { return m_dropped; }

    void showPopup() override;
    void hidePopup() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void send(UINT code);
    void keepTextWhile(const std::function<void()>& change);
    void choose(int index);
    void pick(int index);
    void moveSelection(int delta);
    bool handlePopupKey(const QKeyEvent& key);
    void popupClosed();
    int highlightRow() const;

    DWORD m_style;
    Notify m_notify;
    int m_curSel = -1;
    bool m_dropped = false;
    bool m_picked = false;
};

} // namespace vexor::ui::qt
