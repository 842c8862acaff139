#include "common/UNumKeyFilter.h"

#include "common/UUtils.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

#include <limits>

namespace {

const char *const UnlimitedProperty = "pendraUnlimitedEntry";

int RoomLeft(const QLineEdit *edit) {
    if (edit->property(UnlimitedProperty).toBool())
        return std::numeric_limits<int>::max();
    const int kept = edit->text().size() - edit->selectedText().size();
    return std::max(0, TNumKeyFilter::MaxTyped - kept);
}

bool IsPaste(QKeyEvent *key) {
    return key->matches(QKeySequence::Paste) ||
           (key->key() == Qt::Key_Insert && key->modifiers() == Qt::ShiftModifier);
}

} // namespace

void TNumKeyFilter::Attach(QLineEdit *Edit) {
    Edit->installEventFilter(this);
    Edit->setAcceptDrops(false);
    // Committed input-method text would bypass the character rule.
    Edit->setAttribute(Qt::WA_InputMethodEnabled, false);
    connect(Edit, &QObject::destroyed, this, [this, Edit] { EnterActions.remove(Edit); });
}

void TNumKeyFilter::SetEnterAction(QLineEdit *Edit, std::function<void()> Action) {
    EnterActions.insert(Edit, std::move(Action));
}

void TNumKeyFilter::SetUnlimited(QLineEdit *Edit) {
    Edit->setProperty(UnlimitedProperty, true);
}

void TNumKeyFilter::PasteLimited(QLineEdit *Edit) {
    if (Edit->isReadOnly())
        return;
    QString text = QApplication::clipboard()->text();
    text.remove(QChar('\r')).remove(QChar('\n'));
    Edit->insert(text.left(RoomLeft(Edit)));
}

bool TNumKeyFilter::eventFilter(QObject *Watched, QEvent *Event) {
    auto *edit = qobject_cast<QLineEdit *>(Watched);
    if (!edit)
        return false;
    if (Event->type() == QEvent::KeyPress)
        return KeyPress(edit, static_cast<QKeyEvent *>(Event));
    if (Event->type() == QEvent::ContextMenu) {
        ContextMenu(edit, Event);
        return true;
    }
    return false;
}

bool TNumKeyFilter::KeyPress(QLineEdit *Edit, QKeyEvent *Key) {
    if (Key->key() == Qt::Key_Return || Key->key() == Qt::Key_Enter) {
        const auto action = EnterActions.value(Edit);
        if (!action)
            return false;
        action();
        return true;
    }
    if (IsPaste(Key)) {
        PasteLimited(Edit);
        return true;
    }
    if (Key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = Key->text();
    if (text.isEmpty() || !text.front().isPrint())
        return false; // navigation, Backspace, Delete
    return !TUtils::NumKeyPress(Edit, text) || RoomLeft(Edit) == 0;
}

void TNumKeyFilter::ContextMenu(QLineEdit *Edit, QEvent *Event) {
    QMenu *menu = Edit->createStandardContextMenu();
    for (QAction *action : menu->actions()) {
        if (action->objectName() == QLatin1String("edit-paste")) {
            action->disconnect();
            connect(action, &QAction::triggered, Edit, [Edit] { PasteLimited(Edit); });
        }
    }
    menu->exec(static_cast<QContextMenuEvent *>(Event)->globalPos());
    delete menu;
}
