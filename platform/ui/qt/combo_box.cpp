#include "platform/ui/qt/combo_box.h"

#include "platform/ui/qt/width_limit.h"

#include <QAbstractItemView>
#include <QCollator>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QWheelEvent>

namespace vexor::ui::qt {

namespace {
constexpr DWORD kTypeMask = 0x3;
constexpr int kVisibleItems = 6; // Windows drops at least six rows open once the list is longer
} // namespace

ComboBox::ComboBox(DWORD style, QWidget* parent) : QComboBox(parent), m_style(style) {
    const DWORD type = style & kTypeMask;
    if (type == CBS_DROPDOWN || type == CBS_SIMPLE) {
        setEditable(true);
        setCompleter(nullptr); // Windows neither completes nor re-cases what is typed
        setInsertPolicy(QComboBox::NoInsert);
        if (!(style & CBS_AUTOHSCROLL))
            lineEdit()->setValidator(new WidthLimit(lineEdit()));
        connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
            m_curSel = -1;
            send(CBN_EDITUPDATE);
            send(CBN_EDITCHANGE);
        });
    }
    setMaxVisibleItems(kVisibleItems);
    keepTextWhile([this] { QComboBox::setCurrentIndex(-1); });
    // The dropped list is this box's own popup; its clicks and keys become Windows' picks.
    view()->installEventFilter(this);
    view()->viewport()->installEventFilter(this);
    view()->window()->installEventFilter(this);
}

void ComboBox::send(UINT code) {
    if (m_notify)
        m_notify(code);
}

QString ComboBox::editText() const {
    if (lineEdit())
        return lineEdit()->text();
    return m_curSel >= 0 ? itemText(m_curSel) : QString();
}

// Qt moves the edit text along with its current index; Windows keeps it while items come and go.
void ComboBox::keepTextWhile(const std::function<void()>& change) {
    const QSignalBlocker quiet(this);
    if (!lineEdit()) {
        change();
        return;
    }
    const QString text = lineEdit()->text();
    const int cursor = lineEdit()->cursorPosition();
    change();
    if (lineEdit()->text() != text) {
        const QSignalBlocker quietEdit(lineEdit());
        lineEdit()->setText(text);
        lineEdit()->setCursorPosition(cursor);
    }
}

int ComboBox::addString(const QString& text) {
    int index = count();
    if (m_style & CBS_SORT) {
        // Windows sorts by the user's collation without regard to case ("Ärger" near "Alpha");
        // the program's language is German. Equal names keep the order they were added in.
        static const QCollator collation = [] {
            QCollator german(QLocale(QLocale::German, QLocale::Germany));
            german.setCaseSensitivity(Qt::CaseInsensitive);
            return german;
        }();
        index = 0;
        while (index < count() && collation.compare(itemText(index), text) <= 0)
            ++index;
    }
    if (m_curSel >= index)
        ++m_curSel;
    keepTextWhile([&] {
        insertItem(index, text);
        QComboBox::setCurrentIndex(m_curSel);
    });
    return index;
}

void ComboBox::choose(int index) {
    const QSignalBlocker quiet(this);
    m_curSel = index;
    QComboBox::setCurrentIndex(index);
    if (lineEdit()) {
        const QSignalBlocker quietEdit(lineEdit());
        lineEdit()->setText(index >= 0 ? itemText(index) : QString());
        if (hasFocus())
            lineEdit()->selectAll();
    }
}

int ComboBox::setCurSel(int index) {
    if (index < 0 || index >= count()) {
        choose(-1);
        return CB_ERR;
    }
    choose(index);
    return index;
}

void ComboBox::setTextQuietly(const QString& text) {
    if (!lineEdit()) {
        choose(findText(text, Qt::MatchFixedString));
        return;
    }
    const QSignalBlocker quiet(lineEdit());
    lineEdit()->setText(text);
    m_curSel = -1;
}

int ComboBox::highlightRow() const {
    if (m_curSel >= 0 || editText().isEmpty())
        return m_curSel;
    for (int i = 0; i < count(); ++i)
        if (itemText(i).startsWith(editText(), Qt::CaseInsensitive))
            return i;
    return -1;
}

void ComboBox::showPopup() {
    if (m_dropped || count() == 0)
        return;
    send(CBN_DROPDOWN);
    const int row = highlightRow();
    keepTextWhile([&] { QComboBox::setCurrentIndex(row); });
    m_dropped = true;
    m_picked = false;
    QComboBox::showPopup();
}

void ComboBox::hidePopup() { QComboBox::hidePopup(); }

void ComboBox::pick(int index) {
    choose(index);
    m_picked = true;
    hidePopup();
}

void ComboBox::popupClosed() {
    if (!m_dropped)
        return;
    m_dropped = false;
    if (m_picked) {
        send(CBN_SELENDOK);
        send(CBN_CLOSEUP);
        send(CBN_SELCHANGE);
    } else {
        send(CBN_SELENDCANCEL);
        send(CBN_CLOSEUP);
    }
}

void ComboBox::moveSelection(int delta) {
    if (count() == 0)
        return;
    int next = m_curSel < 0 ? qMax(highlightRow(), 0) : m_curSel + delta;
    next = qBound(0, next, count() - 1);
    if (next == m_curSel)
        return;
    choose(next);
    send(CBN_SELENDOK);
    send(CBN_SELCHANGE);
}

void ComboBox::keyPressEvent(QKeyEvent* event) {
    const bool plainArrow = !(event->modifiers() & Qt::AltModifier) &&
                            (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down);
    if (plainArrow) {
        moveSelection(event->key() == Qt::Key_Up ? -1 : 1);
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

// Windows turns the wheel into arrow keys, and only for the box that has the focus.
void ComboBox::wheelEvent(QWheelEvent* event) {
    if (!hasFocus() || m_dropped) {
        event->ignore();
        return;
    }
    if (event->angleDelta().y() != 0)
        moveSelection(event->angleDelta().y() > 0 ? -1 : 1);
    event->accept();
}

void ComboBox::focusInEvent(QFocusEvent* event) {
    QComboBox::focusInEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        send(CBN_SETFOCUS);
}

bool ComboBox::handlePopupKey(const QKeyEvent& key) {
    const int row = view()->currentIndex().row();
    switch (key.key()) {
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int next = qBound(0, row < 0 ? 0 : row + (key.key() == Qt::Key_Up ? -1 : 1), count() - 1);
        view()->setCurrentIndex(model()->index(next, modelColumn()));
        if (next != m_curSel) {
            choose(next);
            send(CBN_SELCHANGE);
        }
        return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F4:
        if (row >= 0)
            pick(row);
        else
            hidePopup();
        return true;
    case Qt::Key_Escape:
        hidePopup();
        return true;
    default:
        return false;
    }
}

bool ComboBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view()->window() && event->type() == QEvent::Hide) {
        popupClosed();
        return false;
    }
    if (watched == view() && event->type() == QEvent::KeyPress)
        return handlePopupKey(*static_cast<QKeyEvent*>(event));
    if (watched == view()->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QModelIndex index = view()->indexAt(mouse->position().toPoint());
        if (mouse->button() == Qt::LeftButton && index.isValid()) {
            pick(index.row());
            return true;
        }
    }
    return QComboBox::eventFilter(watched, event);
}

} // namespace vexor::ui::qt
