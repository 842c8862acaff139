#include "support/UiTestSupport.h"

#include "common/UFileManager.h"

#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>

#include <cstdlib>

namespace UiTest {

namespace {

QString &DefaultParamRoot() {
    static QString root;
    return root;
}

} // namespace

void SetDefaultParamFolders(const QString &Root) {
    DefaultParamRoot() = Root;
    QDir(Root).mkpath(QStringLiteral("program"));
    QDir(Root).mkpath(QStringLiteral("config"));
    UseDefaultParamFolders();
}

void UseDefaultParamFolders() {
    const QDir root(DefaultParamRoot());
    TFileManager::SetFoldersForTesting(root.filePath(QStringLiteral("program")),
                                       root.filePath(QStringLiteral("config")));
}

ModalSeen CloseNextModal(const std::function<void()> &Action,
                         const std::function<void(QWidget *)> &Inspect) {
    ModalSeen seen;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || seen.Shown)
            return;
        seen.Shown = true;
        seen.Title = modal->windowTitle();
        seen.ClassName = QString::fromLatin1(modal->metaObject()->className());
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            seen.Text = box->text();
        if (Inspect)
            Inspect(modal);
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        else
            modal->close();
    });
    poll.start();
    Action();
    poll.stop();
    return seen;
}

bool AnswerModalWindow(const std::function<void()> &Action,
                       const std::function<bool(QWidget *)> &Takes,
                       const std::function<void(QWidget *)> &Answer) {
    bool seen = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || seen || !Takes(modal))
            return;
        seen = true;
        Answer(modal);
    });
    poll.start();
    Action();
    poll.stop();
    return seen;
}

bool ClickAndChoose(QWidget *Button, const QString &Path) {
    return AnswerModal<QFileDialog>([Button] { Click(Button); },
                                    [&Path](QFileDialog *Dialog) {
                                        Dialog->selectFile(Path);
                                        static_cast<QDialog *>(Dialog)->accept();
                                    });
}

void Type(QLineEdit *Edit, const QString &Text) {
    Edit->setFocus();
    QTest::keyClicks(Edit, Text);
}

void TypeAndEnter(QLineEdit *Edit, const QString &Text) {
    Edit->clear();
    Type(Edit, Text);
    QTest::keyClick(Edit, Qt::Key_Return);
}

bool WaitFor(const std::function<bool()> &Condition, int TimeoutMs) {
    return QTest::qWaitFor(Condition, TimeoutMs);
}

void ShowActive(QWidget *Window) {
    Window->show();
    QApplication::setActiveWindow(Window);
    QCoreApplication::processEvents();
}

void Click(QWidget *Button) {
    QTest::mouseClick(Button, Qt::LeftButton);
}

bool SamePicture(const QImage &Shown, const QImage &Original) {
    const QImage a = Shown.convertToFormat(QImage::Format_ARGB32);
    const QImage b = Original.convertToFormat(QImage::Format_ARGB32);
    if (a.size() != b.size() || a.isNull())
        return false;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int apart[] = {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q),
                                 qAlpha(p) - qAlpha(q)};
            for (const int d : apart)
                if (std::abs(d) > 2)
                    return false;
        }
    }
    return true;
}

} // namespace UiTest
