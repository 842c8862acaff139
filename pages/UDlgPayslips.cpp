#include "pages/UDlgPayslips.h"

#include "common/UMsgBox.h"
#include "sheets/Payslips.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The forms in the order of the list.
constexpr sheets::PayslipForm Forms[] = {
    sheets::PayslipForm::Pdf, sheets::PayslipForm::PdfPerEmployee, sheets::PayslipForm::Xlsx};

} // namespace

TDlgPayslips::TDlgPayslips(std::shared_ptr<const sheets::PayrollSheet> Sheet, const QString &Folder,
                           QWidget *Parent)
    : QDialog(Parent), Sheet(std::move(Sheet)), Folder(Folder) {
    setObjectName(QStringLiteral("DlgPayslips"));
    setWindowTitle(tr("工资条"));
    CmbMonth = new QComboBox(this);
    CmbMonth->setObjectName(QStringLiteral("CmbMonth"));
    for (const int month : sheets::MonthsHeld(*this->Sheet))
        CmbMonth->addItem(tr("%1月").arg(month), month);
    CmbMonth->setCurrentIndex(CmbMonth->count() - 1); // the latest month, the one just paid
    CmbForm = new QComboBox(this);
    CmbForm->setObjectName(QStringLiteral("CmbForm"));
    CmbForm->addItems({tr("PDF，全部员工一个文件"), tr("PDF，每位员工一个文件（放入文件夹）"),
                       tr("Excel，每位员工一行，其上为标题行")});
    TxtEmployer = new QLineEdit(sheets::EmployerOf(*this->Sheet), this);
    TxtEmployer->setObjectName(QStringLiteral("TxtEmployer"));
    TxtPath = new QLineEdit(this);
    TxtPath->setObjectName(QStringLiteral("TxtPath"));
    BtnBrowse = new QPushButton(tr("浏览..."), this);
    BtnBrowse->setObjectName(QStringLiteral("BtnBrowse"));
    auto *path = new QHBoxLayout;
    path->addWidget(TxtPath, 1);
    path->addWidget(BtnBrowse);

    auto *form = new QFormLayout;
    form->addRow(tr("月份(&M)："), CmbMonth);
    form->addRow(tr("形式(&F)："), CmbForm);
    form->addRow(tr("单位名称(&E)："), TxtEmployer);
    form->addRow(tr("写入(&W)："), path);
    Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(Buttons);
    TxtPath->setMinimumWidth(fontMetrics().averageCharWidth() * 48);

    connect(CmbForm, &QComboBox::currentIndexChanged, this, &TDlgPayslips::FitPath);
    connect(CmbMonth, &QComboBox::currentIndexChanged, this, &TDlgPayslips::FitPath);
    connect(BtnBrowse, &QPushButton::clicked, this, &TDlgPayslips::Browse);
    connect(Buttons, &QDialogButtonBox::accepted, this, [this] {
        if (Write())
            accept();
    });
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    FitPath();
}

void TDlgPayslips::FitPath() {
    const int month = CmbMonth->currentData().toInt();
    const QString name = tr("%1月工资条").arg(month);
    const QString current = TxtPath->text().trimmed();
    // The folder of the path shown (or the batch window's), the name of this month and form.
    const QString folder =
        current.isEmpty() ? Folder
                          : QFileInfo(current.endsWith(u'/') ? current.chopped(1) : current).path();
    switch (Forms[std::max(0, CmbForm->currentIndex())]) {
    case sheets::PayslipForm::Pdf:
        TxtPath->setText(QDir(folder).filePath(name + QStringLiteral(".pdf")));
        break;
    case sheets::PayslipForm::PdfPerEmployee:
        TxtPath->setText(QDir(folder).filePath(name) + u'/');
        break;
    case sheets::PayslipForm::Xlsx:
        TxtPath->setText(QDir(folder).filePath(name + QStringLiteral(".xlsx")));
        break;
    }
}

void TDlgPayslips::Browse() {
    const sheets::PayslipForm form = Forms[std::max(0, CmbForm->currentIndex())];
    QString chosen;
    if (form == sheets::PayslipForm::PdfPerEmployee) {
        chosen = QFileDialog::getExistingDirectory(this, tr("工资条写入的文件夹"),
                                                   QFileInfo(TxtPath->text()).path());
        if (!chosen.isEmpty() && !chosen.endsWith(u'/'))
            chosen += u'/';
    } else {
        const QString filter =
            form == sheets::PayslipForm::Pdf ? tr("PDF文件 (*.pdf)") : tr("Excel工作簿 (*.xlsx)");
        chosen = QFileDialog::getSaveFileName(this, tr("写出工资条"), TxtPath->text(), filter);
    }
    if (!chosen.isEmpty())
        TxtPath->setText(chosen);
}

bool TDlgPayslips::Write() {
    const sheets::PayslipForm form = Forms[std::max(0, CmbForm->currentIndex())];
    QString path = TxtPath->text().trimmed();
    if (path.isEmpty() || CmbMonth->count() == 0) {
        MsgBox::Show(this, tr("请选择月份和写入的文件。"));
        return false;
    }
    const auto given = sheets::PayslipFormOf(path);
    if (form == sheets::PayslipForm::PdfPerEmployee && !path.endsWith(u'/'))
        path += u'/';
    else if (given != form) {
        MsgBox::Show(this, form == sheets::PayslipForm::Pdf ? tr("请给出以 .pdf 结尾的文件名。")
                                                            : tr("请给出以 .xlsx 结尾的文件名。"));
        return false;
    }
    QString fault;
    const auto slips =
        sheets::MakePayslips(*Sheet, CmbMonth->currentData().toInt(), TxtEmployer->text(), fault);
    if (!slips) {
        MsgBox::Show(this, fault);
        return false;
    }
    const sheets::WriteOutcome written =
        sheets::WritePayslips(path, form, *slips, Sheet->FileName());
    if (written.Result != sheets::Status::Done) {
        MsgBox::Show(this, written.Error);
        return false;
    }
    QString text = tr("已写出%n张工资条：%1", nullptr, static_cast<int>(slips->Slips.size()))
                       .arg(QDir::toNativeSeparators(path));
    if (!slips->LeftOut.isEmpty())
        text += u'\n' + tr("以下员工该月有误，没有工资条：") + u'\n' +
                slips->LeftOut.mid(0, 20).join(u'\n') +
                (slips->LeftOut.size() > 20
                     ? tr("\n另有%n名未列出", nullptr, static_cast<int>(slips->LeftOut.size() - 20))
                     : QString());
    MsgBox::Show(this, text);
    return true;
}
