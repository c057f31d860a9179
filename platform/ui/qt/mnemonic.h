// The `&` marks of control texts: "&Löschen" is Alt+L, "&&" is a plain ampersand.
#pragma once

#include <QChar>
#include <QString>

namespace vexor::ui::qt {

// The text as shown without marks ("&&" becomes "&").
QString withoutMnemonics(const QString& text);

// The character a key press stands for, upper-cased, for comparing with a control's mnemonic.
QChar keyCharacter(int qtKey);

} // namespace vexor::ui::qt
