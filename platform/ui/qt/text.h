// The text of a window, whatever widget stands for it, as the UTF-8 the program works in.
#pragma once

#include <QString>

#include <optional>
#include <string>

class QWidget;

namespace vexor::ui::qt {

QString fromProgram(const char* text); // nullptr reads as ""; bytes that aren't UTF-8 show as U+FFFD
std::string toProgram(const QString& text);
// The text when the bytes are valid UTF-8; nothing when they are not.
std::optional<QString> decodeProgram(const std::string& text);

QString widgetText(const QWidget* widget);
// Sets the text without any notification; the caller sends what Windows would.
void setWidgetText(QWidget* widget, const QString& text);

} // namespace vexor::ui::qt
