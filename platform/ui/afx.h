// The dialog framework the program is written against: windows, modal dialogs built from the
// templates the program registers (resources.h), controls, message maps and control binding, in the
// shape of the classic Windows application framework. This header is backend-neutral. The parts every
// backend shares (message-map dispatch, CDialog's defaults, CWinApp, DDX_Control, the dialog manager's
// rules in dialog_controls.h) are the core beside it; ui/qt/ implements the rest with Qt Widgets, and
// ui/win32/ with the system's own dialogs.
#pragma once

#include "platform/win32/types.h"

#include <bit>
#include <string>

class CWnd;
class CDialog;
class CDataExchange;

#ifndef _WIN32
#define SW_HIDE 0
#define SW_SHOW 5
#endif

// ---- Message maps -----------------------------------------------------------------------------------
// A class lists (message, notification code, control id) -> member handler; the dialog tries the
// entries of the most derived class first, each map in declaration order, and runs the first match.

using AFX_PMSG = void (CWnd::*)();

enum AfxSig : int { AfxSig_vv = 0, AfxSig_hv = 1 }; // void f(); HCURSOR f()

struct AFX_MSGMAP_ENTRY {
    UINT nMessage; // WM_COMMAND, WM_PAINT, WM_QUERYDRAGICON; 0 ends the map
    UINT nCode;    // notification code for WM_COMMAND
    UINT nID;      // control id for WM_COMMAND
    AfxSig nSig;
    AFX_PMSG pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

#define DECLARE_MESSAGE_MAP()                                                                            \
  protected:                                                                                             \
    static const AFX_MSGMAP* GetThisMessageMap();                                                        \
    virtual const AFX_MSGMAP* GetMessageMap() const;                                                     \
                                                                                                         \
  private:

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                           \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }                    \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                                    \
        using ThisClass [[maybe_unused]] = theClass;                                                     \
        using TheBaseClass = baseClass;                                                                  \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                                \
    {0, 0, 0, AfxSig_vv, nullptr}                                                                        \
    }                                                                                                    \
    ;                                                                                                    \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};        \
    return &messageMap;                                                                                  \
    }

#define ON_COMMAND(id, memberFxn)                                                                        \
    {WM_COMMAND, 0, static_cast<UINT>(id), AfxSig_vv, static_cast<AFX_PMSG>(memberFxn)},
#define ON_CONTROL(code, id, memberFxn)                                                                  \
    {WM_COMMAND, static_cast<UINT>(code), static_cast<UINT>(id), AfxSig_vv,                              \
     static_cast<AFX_PMSG>(memberFxn)},
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn) ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_WM_PAINT() {WM_PAINT, 0, 0, AfxSig_vv, static_cast<AFX_PMSG>(&ThisClass::OnPaint)},
// The map keeps every handler in one pointer type; nSig tells how to call it back. bit_cast keeps the
// conversion free of -Wcast-function-type.
#define ON_WM_QUERYDRAGICON()                                                                            \
    {WM_QUERYDRAGICON, 0, 0, AfxSig_hv,                                                                  \
     std::bit_cast<AFX_PMSG>(static_cast<HCURSOR (CWnd::*)()>(&ThisClass::OnQueryDragIcon))},

// ---- Windows ----------------------------------------------------------------------------------------

class CWnd {
  public:
    CWnd();
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // The backend's window; nullptr until the window exists.
    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }

    int GetDlgCtrlID() const;
    CWnd* GetDlgItem(int nID) const; // the bound member, or a framework object of the control's class

    void SetWindowText(LPCSTR lpszString); // UTF-8 (the program's code page on Linux)
    std::string GetWindowText() const;
    int GetWindowTextLength() const;
    // FALSE when the text holds characters that the program's code page can't represent, so that
    // GetWindowText would not give back what the user sees (Windows would put "?" in their place).
    BOOL IsWindowTextRepresentable() const;

    BOOL EnableWindow(BOOL bEnable = TRUE); // returns TRUE when the window was disabled before
    BOOL IsWindowEnabled() const;
    BOOL ShowWindow(int nCmdShow);          // returns TRUE when the window was visible before
    BOOL IsIconic() const;
    void GetWindowRect(LPRECT lpRect) const; // screen coordinates
    void GetClientRect(LPRECT lpRect) const;
    CWnd* SetFocus();
    static CWnd* GetFocus();
    void Invalidate(BOOL bErase = TRUE);

    // A message box owned by this window; returns IDOK.
    int MessageBox(LPCSTR lpszText, LPCSTR lpszCaption = nullptr, UINT nType = MB_OK);

    // The first stop of every message the window gets. Returns TRUE when the message was handled and
    // must go no further; FALSE lets the window's own processing (the control's default behaviour)
    // run. A derived class may act and then hand on to its base.
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

  protected:
    // The framework's own processing of the message being handled (default painting, for instance).
    LRESULT Default();
    virtual void DoDataExchange(CDataExchange* pDX);
    // Runs the message-map handler for (message, code, id); FALSE when no entry matches.
    BOOL DispatchMessageMap(UINT message, UINT nCode, UINT nID, LRESULT* pResult);

    DECLARE_MESSAGE_MAP()
    friend class CDialog;
};

class CDataExchange {
  public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate) : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}
    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
};

// Binds a member control object to the dialog's control nIDC: from then on the object is the control
// (GetDlgItem returns it, and every message of the control reaches its OnWndMsg first).
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

// ---- Dialogs ----------------------------------------------------------------------------------------

class CDialog : public CWnd {
  public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Creates the dialog from its template, runs OnInitDialog and a nested loop until EndDialog;
    // returns the code given to EndDialog, or -1 when the dialog can't be created.
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    UINT GetTemplateId() const { return m_nIDTemplate; }

    // TRUE: the focus goes to the first enabled, visible WS_TABSTOP control in template order.
    // FALSE: the focus the handler set stays.
    virtual BOOL OnInitDialog();
    virtual void OnOK();     // UpdateData(TRUE), then EndDialog(IDOK)
    virtual void OnCancel(); // EndDialog(IDCANCEL)

  protected:
    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

    DECLARE_MESSAGE_MAP()
};

// ---- Controls ---------------------------------------------------------------------------------------

class CButton : public CWnd {
  public:
    int GetCheck() const;         // BST_CHECKED or BST_UNCHECKED
    void SetCheck(int nCheck);    // never sends BN_CLICKED
};

class CEdit : public CWnd {};

class CStatic : public CWnd {};

class CComboBox : public CWnd {
  public:
    int AddString(LPCSTR lpszString); // CBS_SORT: inserted in case-insensitive order; returns its index
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int nSelect);
    std::string GetLBText(int nIndex) const; // "" for an index that doesn't exist
    BOOL GetDroppedState() const;
};

class CTreeCtrl : public CWnd {};

#ifndef _WIN32
struct LVFINDINFOA {
    UINT flags;
    LPCSTR psz;
    LPARAM lParam;
    POINT pt;
    UINT vkDirection;
};
#endif
using LVFINDINFO = LVFINDINFOA;

class CListCtrl : public CWnd {
  public:
    int InsertColumn(int nCol, LPCSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1);
    BOOL DeleteColumn(int nCol);
    int GetColumnCount() const;
    int GetColumnWidth(int nCol) const;
    std::string GetColumnHeading(int nCol) const;
    int GetColumnFormat(int nCol) const;

    DWORD SetExtendedStyle(DWORD dwNewStyle); // replaces every extended style; returns the old ones
    DWORD GetExtendedStyle() const;

    int InsertItem(int nItem, LPCSTR lpszItem); // text only; returns the new row's index or -1
    // LVFI_STRING: the whole text, without regard to case, from the row after nStart (-1: the first).
    int FindItem(LVFINDINFO* pFindInfo, int nStart = -1) const;
    BOOL SetItemText(int nItem, int nSubItem, LPCSTR lpszText);
    std::string GetItemText(int nItem, int nSubItem) const; // "" for a row or cell that doesn't exist
    BOOL DeleteItem(int nItem);
    BOOL DeleteAllItems(); // also resets the selection mark
    int GetItemCount() const;
    int GetSelectionMark() const; // -1 when none
    int SetSelectionMark(int iIndex);
};

// ---- The application --------------------------------------------------------------------------------

class CWinApp {
  public:
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance();
    virtual int ExitInstance(); // the process exit code

    HICON LoadIcon(UINT nIDResource) const;
    void SetRegistryKey(LPCSTR lpszRegistryKey);

    CWnd* m_pMainWnd = nullptr;
    std::string m_strRegistryKey;
};

CWinApp* AfxGetApp();
BOOL AfxEnableControlContainer();

#ifndef _WIN32
void InitCommonControls();
int MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType); // returns IDOK
BOOL GetCursorPos(LPPOINT lpPoint);                                        // screen coordinates
int GetSystemMetrics(int nIndex);
#endif

// ---- Painting (the main dialog's minimised icon) ------------------------------------------------------

class CPaintDC {
  public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC();
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;
    HDC GetSafeHdc() const { return m_hDC; }
    BOOL DrawIcon(int x, int y, HICON hIcon);

  private:
    CWnd* m_pWnd;
    HDC m_hDC = nullptr;
};
