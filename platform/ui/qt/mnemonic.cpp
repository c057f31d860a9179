#include "platform/ui/qt/mnemonic.h"

namespace vexor::ui::qt {

QString withoutMnemonics(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size())
            ++i;
        shown.append(text[i]);
    }
    return shown;
}

QChar keyCharacter(int qtKey) {
    // Qt's key codes for letters, digits and the Latin-1 letters are their upper-case code points.
    if (qtKey <= 0x20 || qtKey > 0xFFFF)
        return {};
    return QChar(static_cast<char16_t>(qtKey)).toUpper();
}

} // namespace vexor::ui::qt
