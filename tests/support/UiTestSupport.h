#pragma once
// Helpers for driving real widgets in the tests.

#include <QApplication>
#include <QLineEdit>
#include <QString>
#include <QTest>
#include <QWidget>
#include <functional>
#include <ostream>

// Readable gtest failure messages for Qt strings.
inline void PrintTo(const QString &Text, std::ostream *Out) {
    *Out << '"' << Text.toStdString() << '"';
}

namespace UiTest {

// What a modal window showed before it was closed.
struct ModalSeen {
    bool Shown = false;
    QString Title;
    QString Text; // message box text, empty for other windows
    QString ClassName;
};

// Runs Action (which opens a modal window and waits for it), records the first modal window that
// appears, lets Inspect look at it while it is open, then closes it with Escape or reject().
ModalSeen CloseNextModal(const std::function<void()> &Action,
                         const std::function<void(QWidget *)> &Inspect = {});

// Types text into an edit through real key events.
void Type(QLineEdit *Edit, const QString &Text);
// Clears the edit, types text and presses Enter.
void TypeAndEnter(QLineEdit *Edit, const QString &Text);
void Click(QWidget *Button);

template <class T> T *Find(QObject *Root, const QString &Name) {
    return Root->findChild<T *>(Name);
}

} // namespace UiTest
