#include "platform/ui/dialog_controls.h"

#include <algorithm>

namespace vexor::ui {

namespace {
std::vector<DialogControls*>& openDialogs() {
    static std::vector<DialogControls*> dialogs;
    return dialogs;
}

DWORD buttonType(const ControlRecord& control) {
    return control.tpl->style & BS_TYPEMASK;
}

// One character of UTF-8 from text[i]; a byte that starts no valid sequence stands for itself.
char32_t decodeAt(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    const std::size_t length = lead < 0x80           ? 1
                               : (lead >> 5) == 0x6  ? 2
                               : (lead >> 4) == 0xE  ? 3
                               : (lead >> 3) == 0x1E ? 4
                                                     : 0;
    if (length <= 1 || i + length > text.size())
        return lead;
    char32_t c = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return lead;
        c = (c << 6) | (byte(i + k) & 0x3F);
    }
    return c;
}
} // namespace

char32_t mnemonicOf(std::string_view utf8) {
    for (std::size_t i = 0; i + 1 < utf8.size(); ++i) {
        if (utf8[i] != '&')
            continue;
        if (utf8[i + 1] != '&')
            return decodeAt(utf8, i + 1);
        ++i; // "&&" is a literal ampersand
    }
    return 0;
}

bool ControlRecord::isPushButton() const {
    return tpl->cls == res::ControlClass::Button &&
           (buttonType(*this) == BS_PUSHBUTTON || buttonType(*this) == BS_DEFPUSHBUTTON);
}

bool ControlRecord::isCheckBox() const {
    return tpl->cls == res::ControlClass::Button &&
           (buttonType(*this) == BS_CHECKBOX || buttonType(*this) == BS_AUTOCHECKBOX);
}

bool ControlRecord::isDefaultButton() const {
    return tpl->cls == res::ControlClass::Button && buttonType(*this) == BS_DEFPUSHBUTTON;
}

bool ControlRecord::isEdit() const {
    return tpl->cls == res::ControlClass::Edit;
}

bool ControlRecord::isStaticLike() const {
    return tpl->cls == res::ControlClass::Static ||
           (tpl->cls == res::ControlClass::Button && buttonType(*this) == BS_GROUPBOX);
}

std::unique_ptr<CWnd> frameworkObject(const res::ControlTemplate& tpl) {
    switch (tpl.cls) {
    case res::ControlClass::Button:
        return std::make_unique<CButton>();
    case res::ControlClass::Edit:
        return std::make_unique<CEdit>();
    case res::ControlClass::Static:
        return std::make_unique<CStatic>();
    case res::ControlClass::ComboBox:
        return std::make_unique<CComboBox>();
    case res::ControlClass::ListView:
        return std::make_unique<CListCtrl>();
    case res::ControlClass::TreeView:
        return std::make_unique<CTreeCtrl>();
    }
    return std::make_unique<CWnd>();
}

DialogControls::DialogControls(CDialog& owner, const res::DialogTemplate& tpl)
    : m_owner(owner), m_tpl(tpl) {
    m_controls.reserve(tpl.controls.size());
    openDialogs().push_back(this);
}

DialogControls::~DialogControls() {
    releaseControls();
}

void DialogControls::releaseControls() {
    if (m_closing)
        return;
    m_closing = true;
    // The members bound to controls outlive the window: they must not point at deleted windows.
    for (ControlRecord& control : m_controls) {
        if (control.bound)
            control.bound->m_hWnd = nullptr;
        control.own->m_hWnd = nullptr;
    }
    auto& dialogs = openDialogs();
    dialogs.erase(std::remove(dialogs.begin(), dialogs.end(), this), dialogs.end());
}

DialogControls* DialogControls::fromHandle(HWND hWnd) {
    for (DialogControls* dialog : openDialogs())
        if (hWnd && dialog->m_hWnd == hWnd)
            return dialog;
    return nullptr;
}

ControlRecord* DialogControls::recordOf(HWND hWnd) {
    for (DialogControls* dialog : openDialogs())
        for (ControlRecord& control : dialog->m_controls)
            if (hWnd && control.hWnd == hWnd)
                return &control;
    return nullptr;
}

DialogControls* DialogControls::topmost() {
    return openDialogs().empty() ? nullptr : openDialogs().back();
}

ControlRecord& DialogControls::addControl(const res::ControlTemplate& tpl, HWND hWnd) {
    ControlRecord& control = m_controls.emplace_back();
    control.tpl = &tpl;
    control.hWnd = hWnd;
    control.own = frameworkObject(tpl);
    control.own->m_hWnd = hWnd;
    return control;
}

ControlRecord* DialogControls::controlById(int id) {
    for (ControlRecord& control : m_controls)
        if (control.id() == id)
            return &control;
    return nullptr;
}

void DialogControls::bind(int id, CWnd& member) {
    ControlRecord* control = controlById(id);
    if (!control || control->bound || member.GetSafeHwnd())
        return;
    control->bound = &member;
    member.m_hWnd = control->hWnd;
}

void DialogControls::sendCommand(UINT code, int id) {
    if (m_closing)
        return;
    const ControlRecord* control = controlById(id);
    LRESULT result = 0;
    m_owner.OnWndMsg(WM_COMMAND, makeWParam(static_cast<UINT>(id), code),
                     reinterpret_cast<LPARAM>(control ? control->hWnd : nullptr), &result);
}

bool DialogControls::canTakeFocus(const ControlRecord& control) const {
    return isEnabled(control) && !isHidden(control);
}

int DialogControls::indexOf(const ControlRecord* control) const {
    return control ? static_cast<int>(control - m_controls.data()) : -1;
}

ControlRecord* DialogControls::nextTabStop(const ControlRecord* focused, bool forward) {
    const int count = static_cast<int>(m_controls.size());
    const int current = indexOf(focused);
    int i = current < 0 ? (forward ? -1 : count) : current;
    for (int step = 0; step < count; ++step) {
        i = (i + (forward ? 1 : -1) + count) % count;
        if (m_controls[i].hasTabStop() && canTakeFocus(m_controls[i]))
            return &m_controls[i];
    }
    return nullptr;
}

int DialogControls::enterCommand(const ControlRecord* focused) {
    if (focused && focused->isPushButton())
        return isEnabled(*focused) ? focused->id() : 0;
    for (const ControlRecord& control : m_controls)
        if (control.isDefaultButton())
            return isEnabled(control) ? control.id() : 0;
    const ControlRecord* ok = controlById(IDOK);
    return !ok || isEnabled(*ok) ? IDOK : 0;
}

bool DialogControls::closeBoxCancels() {
    const ControlRecord* cancel = controlById(IDCANCEL);
    return !cancel || isEnabled(*cancel);
}

ControlRecord* DialogControls::mnemonicTarget(const ControlRecord* focused, char32_t key) {
    const int count = static_cast<int>(m_controls.size());
    const int start = indexOf(focused);
    for (int step = 1; step <= count; ++step) {
        ControlRecord& control = m_controls[(start + step + count) % count];
        const char32_t mark = mnemonicOf(textOf(control));
        if (mark && canTakeFocus(control) && toUpper(mark) == toUpper(key))
            return &control;
    }
    return nullptr;
}

ControlRecord* DialogControls::labelledControl(const ControlRecord& label) {
    for (std::size_t i = static_cast<std::size_t>(indexOf(&label)) + 1; i < m_controls.size(); ++i)
        if (!m_controls[i].isStaticLike() && canTakeFocus(m_controls[i]))
            return &m_controls[i];
    return nullptr;
}

} // namespace vexor::ui
