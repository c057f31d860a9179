// The Qt side of ModalScript: the layer's modal hook, and message boxes answered with Qt's events.
#include "tests/support/modal_script.h"

#include "platform/ui/qt/modal_hook.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace vexor::test {

namespace {
QWidget* keyTarget(QWidget* box) {
    QWidget* focus = QApplication::focusWidget();
    return focus && focus->window() == box ? focus : box;
}
} // namespace

ModalScript::ModalScript() {
    ui::qt::setModalHook([this](const ui::qt::ModalInfo& info) {
        onModal({info.kind == ui::qt::ModalInfo::Kind::Dialog, info.window, info.templateId, info.caption, info.text,
                 info.type, info.isOpen, info.abort});
    });
}

ModalScript::~ModalScript() {
    ui::qt::setModalHook({});
    reportUnmet();
}

void ModalScript::answerMessageBox(const ModalWindow& modal, const Expected& expected) {
    auto* box = qobject_cast<QMessageBox*>(modal.window);
    if (!box)
        return;
    switch (expected.answer.m_answer) {
    case Answer::ClickOk: {
        EXPECT_EQ(expected.answer.m_button, IDOK) << "message boxes here have only an OK button";
        const auto buttons = box->buttons();
        if (buttons.size() == 1)
            QTest::mouseClick(buttons.front(), Qt::LeftButton);
        else
            ADD_FAILURE() << "The message box has " << buttons.size() << " buttons, not one";
        break;
    }
    case Answer::Enter: QTest::keyClick(keyTarget(box), Qt::Key_Return); break;
    case Answer::Escape: QTest::keyClick(keyTarget(box), Qt::Key_Escape); break;
    case Answer::CloseBox: box->close(); break;
    }
}

} // namespace vexor::test
