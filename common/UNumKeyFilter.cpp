#include "common/UNumKeyFilter.h"

#include "common/UUtils.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>
#include <limits>

namespace {

const char *const UnlimitedProperty = "pendraUnlimitedEntry";

int Limit(const QLineEdit *edit) {
    return edit->property(UnlimitedProperty).toBool() ? std::numeric_limits<int>::max()
                                                      : TNumKeyFilter::MaxTyped;
}

int RoomLeft(const QLineEdit *edit) {
    const int kept = edit->text().size() - edit->selectedText().size();
    return std::max(0, Limit(edit) - kept);
}

// Where an edit from Before to After put text in: after the Head characters both share at the
// start and before the Tail characters they share at the end; the inserted text ends at the
// cursor.
struct TSpan {
    qsizetype Head = 0;
    qsizetype Tail = 0;
};

TSpan Inserted(const QString &before, const QString &after, int cursor) {
    const qsizetype shorter = std::min(before.size(), after.size());
    const qsizetype afterCursor = after.size() - std::clamp<qsizetype>(cursor, 0, after.size());
    TSpan span;
    while (span.Tail < std::min(shorter, afterCursor) &&
           before[before.size() - 1 - span.Tail] == after[after.size() - 1 - span.Tail])
        ++span.Tail;
    while (span.Head < shorter - span.Tail && before[span.Head] == after[span.Head])
        ++span.Head;
    return span;
}

// The characters of Inserted that the rule lets in beside Kept, the rest of the text: digits, and
// a full stop where there is none yet, until the text is Limit characters long.
QString Admitted(QStringView inserted, const QString &kept, int limit) {
    bool point = kept.contains(QChar('.'));
    qsizetype room = std::max<qsizetype>(0, limit - kept.size());
    QString admitted;
    for (const QChar c : inserted) {
        const bool digit = c >= QChar(u'0') && c <= QChar(u'9');
        if (room == 0 || (!digit && (c != QChar('.') || point)))
            continue;
        point = point || !digit;
        admitted += c;
        --room;
    }
    return admitted;
}

} // namespace

void TNumKeyFilter::Attach(QLineEdit *Edit) {
    Edit->installEventFilter(this);
    // Keys go to the edit as typed: under a Chinese input method the full stop stays a full stop.
    Edit->setAttribute(Qt::WA_InputMethodEnabled, false);
    Before.insert(Edit, Edit->text());
    // textEdited comes before textChanged, and for the user's edits only. The text is read from
    // the edit, since after a correction textChanged still reports the edit as it was made.
    connect(Edit, &QLineEdit::textEdited, this, [this, Edit] { Edited(Edit); });
    connect(Edit, &QLineEdit::textChanged, this, [this, Edit] { Before[Edit] = Edit->text(); });
    connect(Edit, &QObject::destroyed, this, [this, Edit] {
        EnterActions.remove(Edit);
        Before.remove(Edit);
    });
}

void TNumKeyFilter::SetEnterAction(QLineEdit *Edit, std::function<void()> Action) {
    EnterActions.insert(Edit, std::move(Action));
}

void TNumKeyFilter::SetUnlimited(QLineEdit *Edit) {
    Edit->setProperty(UnlimitedProperty, true);
}

void TNumKeyFilter::Edited(QLineEdit *Edit) {
    // Only what this edit put in is checked; what was there before stays, whatever it is.
    const QString after = Edit->text();
    const TSpan span = Inserted(Before.value(Edit), after, Edit->cursorPosition());
    const QString head = after.left(span.Head);
    const QString tail = after.right(span.Tail);
    const QStringView inserted =
        QStringView(after).mid(span.Head, after.size() - head.size() - tail.size());
    const QString admitted = Admitted(inserted, head + tail, Limit(Edit));
    if (admitted.size() == inserted.size())
        return;
    Edit->setText(head + admitted + tail);
    Edit->setCursorPosition(static_cast<int>(head.size() + admitted.size()));
}

bool TNumKeyFilter::eventFilter(QObject *Watched, QEvent *Event) {
    auto *edit = qobject_cast<QLineEdit *>(Watched);
    if (!edit || Event->type() != QEvent::KeyPress)
        return false;
    return KeyPress(edit, static_cast<QKeyEvent *>(Event));
}

bool TNumKeyFilter::KeyPress(QLineEdit *Edit, QKeyEvent *Key) {
    if (Key->key() == Qt::Key_Return || Key->key() == Qt::Key_Enter) {
        const auto action = EnterActions.value(Edit);
        if (!action)
            return false;
        action();
        return true;
    }
    if (Key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = Key->text();
    if (text.isEmpty() || !text.front().isPrint())
        return false; // navigation, Backspace, Delete
    return !TUtils::NumKeyPress(Edit, text) || RoomLeft(Edit) == 0;
}
