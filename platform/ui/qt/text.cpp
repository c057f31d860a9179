#include "platform/ui/qt/text.h"

#include "platform/ui/qt/combo_box.h"

#include <QAbstractButton>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStringDecoder>

namespace vexor::ui::qt {

QString fromProgram(const char* text) { return text ? QString::fromUtf8(text) : QString(); }

std::string toProgram(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

std::optional<QString> decodeProgram(const std::string& text) {
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString decoded = decoder.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    if (decoder.hasError())
        return std::nullopt;
    return decoded;
}

QString widgetText(const QWidget* widget) {
    if (!widget)
        return {};
    if (auto* button = dynamic_cast<const QAbstractButton*>(widget))
        return button->text();
    if (auto* edit = dynamic_cast<const QLineEdit*>(widget))
        return edit->text();
    if (auto* combo = dynamic_cast<const ComboBox*>(widget))
        return combo->editText();
    if (auto* label = dynamic_cast<const QLabel*>(widget))
        return label->text();
    if (auto* group = dynamic_cast<const QGroupBox*>(widget))
        return group->title();
    if (widget->isWindow())
        return widget->windowTitle();
    return {};
}

void setWidgetText(QWidget* widget, const QString& text) {
    if (!widget)
        return;
    const QSignalBlocker quiet(widget);
    if (auto* button = dynamic_cast<QAbstractButton*>(widget))
        button->setText(text);
    else if (auto* edit = dynamic_cast<QLineEdit*>(widget))
        edit->setText(text);
    else if (auto* combo = dynamic_cast<ComboBox*>(widget))
        combo->setTextQuietly(text);
    else if (auto* label = dynamic_cast<QLabel*>(widget))
        label->setText(text);
    else if (auto* group = dynamic_cast<QGroupBox*>(widget))
        group->setTitle(text);
    else if (widget->isWindow())
        widget->setWindowTitle(text);
}

} // namespace vexor::ui::qt
