// The `&` marks of control texts: "&Löschen" is Alt+L, "&&" is a plain ampersand.
#pragma once

#include <QChar>
#include <QString>

namespace vexor::ui::qt {

// The marked character, upper-cased; a null QChar when the text has no mark.
QChar mnemonicOf(const QString& text);

// The text as shown without marks ("&&" becomes "&").
QString withoutMnemonics(const QString& text);

// The character a key press stands for, upper-cased, for comparing with mnemonicOf.
QChar keyCharacter(int qtKey);

} // namespace vexor::ui::qt
