#include "common/UYearFiles.h"

#include "common/UBackground.h"
#include "common/UFileManager.h"
#include "common/UMsgBox.h"
#include "common/UOpenYear.h"
#include "engine/current/Deductions.h"
#include "sheets/YearFile.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>

#include <algorithm>
#include <iterator>
#include <memory>
#include <utility>

namespace YearFiles {
namespace {

class Words {
    Q_DECLARE_TR_FUNCTIONS(YearFiles)
};

// Whether the year open now began from the special deductions of the parameter file: saving it
// is what takes them over for good.
bool &TookParameterFile() {
    static bool took = false;
    return took;
}

bool &FreshTookParameterFile() {
    static bool took = false;
    return took;
}

// The request reading the remembered year; there until the year is opened, gone with its owner.
QPointer<TBackground> &ReopenWorker() {
    static QPointer<TBackground> worker;
    return worker;
}

QString &LastReopenFault() {
    static QString fault;
    return fault;
}

QString Filter() {
    return Words::tr("年度文件 (*.json)");
}

// Where a file dialog starts: beside the open year's file, else in the user's documents.
QString StartFolder() {
    const QString path = TOpenYear::Instance().Path();
    if (!path.isEmpty())
        return QFileInfo(path).absolutePath();
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString ShownName(const QString &Path) {
    return Path.isEmpty() ? Words::tr("未命名") : QFileInfo(Path).fileName();
}

// Kept for the next start; a parameter file that cannot be written only loses the reopening,
// which is not worth a message.
void Remember(const QString &Path) {
    TFileManager::WriteLastYearFile(QFileInfo(Path).absoluteFilePath());
}

} // namespace

bool ConfirmDiscard(QWidget *Parent) {
    const TOpenYear &year = TOpenYear::Instance();
    if (!year.IsOpen() || !year.IsModified())
        return true;
    QMessageBox box(Parent);
    box.setObjectName(QStringLiteral("MsgUnsavedYear"));
    box.setWindowTitle(Words::tr("提示"));
    box.setText(Words::tr("纳税年度“%1”有未保存的修改，是否保存？").arg(ShownName(year.Path())));
    QPushButton *save = box.addButton(Words::tr("保存"), QMessageBox::AcceptRole);
    save->setObjectName(QStringLiteral("BtnSaveYear"));
    QPushButton *discard = box.addButton(Words::tr("不保存"), QMessageBox::DestructiveRole);
    discard->setObjectName(QStringLiteral("BtnDiscardYear"));
    QPushButton *cancel = box.addButton(Words::tr("取消"), QMessageBox::RejectRole);
    cancel->setObjectName(QStringLiteral("BtnCancelYear"));
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return Save(Parent);
    return box.clickedButton() == discard;
}

namespace {

// Path in place of the open year, whose unsaved changes the user has been asked about.
bool OpenAsked(QWidget *Parent, const QString &Path) {
    // Bounded: the reader takes at most MaxYearFileSize bytes of a regular file (see the header).
    sheets::FileStamp stamp;
    const sheets::YearRead read = sheets::ReadYearFile(Path, &stamp);
    if (!read.Facts) {
        MsgBox::Show(Parent, read.Error);
        return false;
    }
    TookParameterFile() = false;
    TOpenYear::Instance().Opened(*read.Facts, QFileInfo(Path).absoluteFilePath(), stamp);
    Remember(Path);
    return true;
}

} // namespace

bool Open(QWidget *Parent) {
    if (!ConfirmDiscard(Parent))
        return false;
    const QString path =
        QFileDialog::getOpenFileName(Parent, Words::tr("打开年度文件"), StartFolder(), Filter());
    return !path.isEmpty() && OpenAsked(Parent, path);
}

bool OpenPath(QWidget *Parent, const QString &Path) {
    return ConfirmDiscard(Parent) && OpenAsked(Parent, Path);
}

namespace {

// A command that saves needs a year: without one, the user is told where to begin it.
bool NoYear(QWidget *Parent) {
    if (TOpenYear::Instance().IsOpen())
        return false;
    MsgBox::Show(Parent, Words::tr("还没有纳税年度可保存：请先在“我的纳税年度”页输入。"));
    return true;
}

} // namespace

bool Save(QWidget *Parent) {
    if (NoYear(Parent))
        return false;
    const QString path = TOpenYear::Instance().Path();
    return path.isEmpty() ? SaveAs(Parent) : SaveTo(Parent, path);
}

bool SaveAs(QWidget *Parent) {
    if (NoYear(Parent))
        return false;
    const TOpenYear &year = TOpenYear::Instance();
    const QString suggested =
        year.Path().isEmpty()
            ? QDir(StartFolder()).filePath(Words::tr("%1年度.json").arg(year.Facts().Year))
            : year.Path();
    QString path =
        QFileDialog::getSaveFileName(Parent, Words::tr("保存年度文件"), suggested, Filter());
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".json");
    return SaveTo(Parent, path);
}

namespace {

enum class Conflict { Overwrite, SaveAs, Reload, Cancel };

// The year's own file, written by another program (or window) since the year was read from it or
// saved to it: the user says whether that is overwritten, the year saved elsewhere, or the file
// read again in place of the year's changes.
Conflict AskChanged(QWidget *Parent, const QString &Path) {
    QMessageBox box(Parent);
    box.setObjectName(QStringLiteral("MsgYearFileChanged"));
    box.setIcon(QMessageBox::Warning);
    box.setWindowTitle(Words::tr("提示"));
    box.setText(Words::tr("年度文件“%1”在本程序读取或保存之后已被其他程序（或另一个窗口）改动。"
                          "\n\n覆盖：以本窗口的纳税年度覆盖文件，文件中的改动丢失；\n另存为：把"
                          "本窗口的纳税年度保存到另一个文件；\n重新读取：放弃本窗口的修改，读入"
                          "文件现在的内容。")
                    .arg(QDir::toNativeSeparators(Path)));
    const std::pair<Conflict, QPushButton *> buttons[] = {
        {Conflict::Overwrite, box.addButton(Words::tr("覆盖"), QMessageBox::DestructiveRole)},
        {Conflict::SaveAs, box.addButton(Words::tr("另存为..."), QMessageBox::AcceptRole)},
        {Conflict::Reload, box.addButton(Words::tr("重新读取"), QMessageBox::ResetRole)},
        {Conflict::Cancel, box.addButton(Words::tr("取消"), QMessageBox::RejectRole)}};
    const char *names[] = {"BtnOverwriteYear", "BtnSaveYearAs", "BtnReloadYear",
                           "BtnCancelSaveYear"};
    for (std::size_t i = 0; i < std::size(buttons); ++i)
        buttons[i].second->setObjectName(QLatin1StringView(names[i]));
    box.setDefaultButton(buttons[1].second);
    box.setEscapeButton(buttons[3].second);
    box.exec();
    for (const auto &[conflict, button] : buttons) {
        if (box.clickedButton() == button)
            return conflict;
    }
    return Conflict::Cancel;
}

} // namespace

bool SaveTo(QWidget *Parent, const QString &Path) {
    TOpenYear &year = TOpenYear::Instance();
    if (!year.IsOpen())
        return false;
    if (!year.PendingFault().isEmpty()) {
        MsgBox::Show(Parent, Words::tr("纳税年度有误，未保存：%1").arg(year.PendingFault()));
        return false;
    }
    const QString target = QFileInfo(Path).absoluteFilePath();
    if (year.Stamp() && target == year.Path() &&
        sheets::ChangedSince(target, *year.Stamp(), sheets::MaxYearFileSize) ==
            sheets::Since::Changed) {
        switch (AskChanged(Parent, target)) {
        case Conflict::Overwrite:
            break;
        case Conflict::SaveAs:
            return SaveAs(Parent);
        case Conflict::Reload:
            OpenAsked(Parent, target);
            return false;
        case Conflict::Cancel:
            return false;
        }
    }
    sheets::FileStamp stamp;
    const QString error = sheets::WriteYearFile(Path, year.Facts(), &stamp);
    if (!error.isEmpty()) {
        MsgBox::Show(Parent, error);
        return false;
    }
    year.Saved(target, stamp);
    Remember(Path);
    if (TookParameterFile()) {
        TFileManager::WriteDeductionsMoved();
        TookParameterFile() = false;
    }
    return true;
}

void ReopenLast(QObject *Owner, std::function<void(std::function<void()> Open)> When) {
    LastReopenFault().clear();
    const auto path = TFileManager::ReadLastYearFile();
    if (!path)
        return;
    struct Read {
        sheets::FileStamp Stamp;
        sheets::YearRead Year;
    };
    auto *worker = new TBackground(Owner);
    ReopenWorker() = worker;
    const quint64 before = TOpenYear::Instance().Revision();
    // Read while the first window is built and painted. Bounded as every year file read is (see
    // the header), so the owner never waits long.
    worker->Run<std::shared_ptr<Read>>(
        [path = *path](const TBackground::TTask &) {
            auto read = std::make_shared<Read>();
            read->Year = sheets::ReadYearFile(path, &read->Stamp);
            return read;
        },
        [worker, before, path = *path, When = std::move(When)](std::shared_ptr<Read> Got) {
            const auto open = [worker, before, path, Got] {
                if (ReopenWorker() == worker)
                    ReopenWorker() = nullptr;
                worker->deleteLater();
                TOpenYear &year = TOpenYear::Instance();
                // The user chose a year of their own meanwhile: it stays.
                if (year.Revision() != before)
                    return;
                if (!Got->Year.Facts) {
                    // Said once, by the year's page: a file kept for the next start would be
                    // refused, and said, at every start again.
                    LastReopenFault() = Got->Year.Error;
                    TFileManager::WriteLastYearFile(QString());
                    return year.Announce();
                }
                TookParameterFile() = false;
                year.Opened(*Got->Year.Facts, path, Got->Stamp);
            };
            if (When)
                When(open);
            else
                open();
        });
}

bool Reopening() {
    return !ReopenWorker().isNull();
}

QString ReopenFault() {
    return LastReopenFault();
}

current::YearFacts FreshYear() {
    current::YearFacts facts;
    facts.Year =
        std::clamp(QDate::currentDate().year(), current::FirstRulesYear, current::LastRulesYear);
    current::JobFacts job;
    job.Employer = QCoreApplication::translate("YearFiles", "任职单位").toStdString();
    job.Pay = {current::PayFacts{}};
    facts.Jobs = {job};
    FreshTookParameterFile() = false;
    if (TFileManager::ReadDeductionsMoved())
        return facts;
    if (const auto saved = TFileManager::ReadDeductions()) {
        current::AddChoices(facts, *saved);
        FreshTookParameterFile() = true;
    }
    return facts;
}

void Begin(current::YearFacts Facts) {
    TookParameterFile() = FreshTookParameterFile();
    TOpenYear::Instance().Start(std::move(Facts));
}

QString WindowTitle(const QString &Caption) {
    const TOpenYear &year = TOpenYear::Instance();
    if (!year.IsOpen())
        return Caption;
    return Words::tr("%1%2 - %3")
        .arg(ShownName(year.Path()), year.IsModified() ? QStringLiteral("*") : QString(), Caption);
}

} // namespace YearFiles
