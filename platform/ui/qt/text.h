// The text of a window, whatever widget stands for it, as the UTF-8 the program works in.
#pragma once

#include <QString>

#include <string>

class QWidget;

namespace vexor::ui::qt {

QString fromProgram(const char* text); // nullptr reads as ""
std::string toProgram(const QString& text);

QString widgetText(const QWidget* widget);
// Sets the text without any notification; the caller sends what Windows would.
void setWidgetText(QWidget* widget, const QString& text);

} // namespace vexor::ui::qt
