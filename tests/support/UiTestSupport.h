#pragma once
// Helpers for driving real widgets in the tests.

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QString>
#include <QTest>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
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

// Runs Action, which opens a modal window and waits for it, and lets Answer close the first modal
// window that Takes accepts its own way (accept it, choose in it, click one of its buttons); false
// when none showed.
bool AnswerModalWindow(const std::function<void()> &Action,
                       const std::function<bool(QWidget *)> &Takes,
                       const std::function<void(QWidget *)> &Answer);
// The same for a modal window of the class T.
template <class T>
bool AnswerModal(const std::function<void()> &Action, const std::function<void(T *)> &Answer) {
    return AnswerModalWindow(
        Action, [](QWidget *Modal) { return qobject_cast<T *>(Modal) != nullptr; },
        [&Answer](QWidget *Modal) { Answer(qobject_cast<T *>(Modal)); });
}
// Clicks Button, whose file dialog is answered with Path.
bool ClickAndChoose(QWidget *Button, const QString &Path);

// Types text into an edit through real key events.
void Type(QLineEdit *Edit, const QString &Text);
// Clears the edit, types text and presses Enter.
void TypeAndEnter(QLineEdit *Edit, const QString &Text);
void Click(QWidget *Button);

// Processes events until the condition holds or the time runs out; false on time-out, so a test
// can assert on it.
bool WaitFor(const std::function<bool()> &Condition, int TimeoutMs = 5000);

// The folders every test takes for the program's and the user's configuration folder unless it
// chooses its own: two folders under Root, so that no test reads or writes the parameter file of
// the build folder or of the user running the tests.
void SetDefaultParamFolders(const QString &Root);
void UseDefaultParamFolders();

// Shows a window and makes it the active one, as a user's window would be.
void ShowActive(QWidget *Window);

// A fixture holding one page (or window) of the class, shown and active.
template <class TPage> class PageTest : public ::testing::Test {
  protected:
    void SetUp() override { ShowActive(&Page); }
    TPage Page;
};

template <class T> T *Find(QObject *Root, const QString &Name) {
    return Root->findChild<T *>(Name);
}

// A picture as shown against its original: the same size, each channel within two units. A
// pixmap keeps premultiplied alpha and the display's own format, so a pixel may come back a unit
// or two off depending on the conversion routine the processor selects; a different picture is
// far off.
bool SamePicture(const QImage &Shown, const QImage &Original);

} // namespace UiTest
