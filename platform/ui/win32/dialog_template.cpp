#include "platform/ui/win32/dialog_template.h"

#include "platform/win32/text.h"

namespace vexor::ui::win32 {

using vexor::win32::widen;

namespace {
class TemplateWriter {
  public:
    void word(WORD value) { m_words.push_back(value); }
    void dword(DWORD value) {
        word(static_cast<WORD>(value & 0xFFFF));
        word(static_cast<WORD>(value >> 16));
    }
    void text(const char* utf8) {
        for (wchar_t c : widen(utf8 ? utf8 : ""))
            word(static_cast<WORD>(c));
        word(0);
    }
    // Each item starts on a DWORD boundary.
    void alignDword() {
        if (m_words.size() % 2)
            word(0);
    }
    std::vector<WORD> take() { return std::move(m_words); }

  private:
    std::vector<WORD> m_words;
};

// The predefined classes by their atoms; the common controls by name.
void writeClass(TemplateWriter& out, res::ControlClass cls) {
    switch (cls) {
    case res::ControlClass::Button: out.word(0xFFFF), out.word(0x0080); return;
    case res::ControlClass::Edit: out.word(0xFFFF), out.word(0x0081); return;
    case res::ControlClass::Static: out.word(0xFFFF), out.word(0x0082); return;
    case res::ControlClass::ComboBox: out.word(0xFFFF), out.word(0x0085); return;
    case res::ControlClass::ListView: out.text("SysListView32"); return;
    case res::ControlClass::TreeView: out.text("SysTreeView32"); return;
    }
}
} // namespace

std::vector<WORD> buildDialogTemplate(const res::DialogTemplate& tpl) {
    TemplateWriter out;
    out.word(1);      // dlgVer
    out.word(0xFFFF); // signature: the extended form
    out.dword(0);     // helpID
    out.dword(tpl.exStyle);
    out.dword(tpl.style | DS_SETFONT);
    out.word(static_cast<WORD>(tpl.controls.size()));
    out.word(0), out.word(0); // x, y: DS_CENTER or the system's default place
    out.word(static_cast<WORD>(tpl.cx)), out.word(static_cast<WORD>(tpl.cy));
    out.word(0); // no menu
    out.word(0); // the dialog class
    out.text(tpl.caption);
    out.word(static_cast<WORD>(tpl.fontPointSize));
    out.word(FW_NORMAL);
    out.word(static_cast<WORD>(DEFAULT_CHARSET << 8)); // italic 0, charset
    out.text(tpl.fontName);
    for (const res::ControlTemplate& control : tpl.controls) {
        out.alignDword();
        out.dword(0); // helpID
        out.dword(control.exStyle);
        out.dword(control.style);
        out.word(static_cast<WORD>(control.x)), out.word(static_cast<WORD>(control.y));
        out.word(static_cast<WORD>(control.cx)), out.word(static_cast<WORD>(control.cy));
        out.dword(static_cast<DWORD>(control.id));
        writeClass(out, control.cls);
        // An icon static gets its image once it exists: the icons are the program's data, not
        // resources of the module the dialog manager would load them from.
        out.text(control.iconId ? "" : control.text);
        out.word(0); // no creation data
    }
    return out.take();
}

} // namespace vexor::ui::win32
