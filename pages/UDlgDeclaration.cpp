#include "pages/UDlgDeclaration.h"

#include "common/UMsgBox.h"
#include "sheets/DeclarationTemplate.h"
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

// Lines of the report a box shows before it counts the rest.
constexpr qsizetype ShownLines = 40;

} // namespace

TDlgDeclaration::TDlgDeclaration(std::shared_ptr<const sheets::PayrollSheet> Sheet,
                                 const QString &Folder, QWidget *Parent)
    : QDialog(Parent), Sheet(std::move(Sheet)), Folder(Folder) {
    setObjectName(QStringLiteral("DlgDeclaration"));
    setWindowTitle(tr("填入申报模板"));
    CmbMonth = new QComboBox(this);
    CmbMonth->setObjectName(QStringLiteral("CmbMonth"));
    for (const int month : sheets::MonthsHeld(*this->Sheet))
        CmbMonth->addItem(tr("%1月").arg(month), month);
    CmbMonth->setCurrentIndex(CmbMonth->count() - 1); // the latest month, the one to declare
    TxtTemplate = new QLineEdit(this);
    TxtTemplate->setObjectName(QStringLiteral("TxtTemplate"));
    TxtTemplate->setPlaceholderText(tr("扣缴客户端导出的导入模板（.xlsx）"));
    BtnBrowseTemplate = new QPushButton(tr("浏览..."), this);
    BtnBrowseTemplate->setObjectName(QStringLiteral("BtnBrowseTemplate"));
    TxtPath = new QLineEdit(this);
    TxtPath->setObjectName(QStringLiteral("TxtPath"));
    BtnBrowse = new QPushButton(tr("浏览..."), this);
    BtnBrowse->setObjectName(QStringLiteral("BtnBrowse"));
    auto row = [](QLineEdit *Edit, QPushButton *Button) {
        auto *line = new QHBoxLayout;
        line->addWidget(Edit, 1);
        line->addWidget(Button);
        return line;
    };
    auto *form = new QFormLayout;
    form->addRow(tr("月份(&M)："), CmbMonth);
    form->addRow(tr("申报模板(&T)："), row(TxtTemplate, BtnBrowseTemplate));
    form->addRow(tr("写入(&W)："), row(TxtPath, BtnBrowse));
    Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(Buttons);
    TxtPath->setMinimumWidth(fontMetrics().averageCharWidth() * 48);

    connect(CmbMonth, &QComboBox::currentIndexChanged, this, &TDlgDeclaration::FitPath);
    connect(TxtTemplate, &QLineEdit::editingFinished, this, &TDlgDeclaration::FitPath);
    connect(BtnBrowseTemplate, &QPushButton::clicked, this, &TDlgDeclaration::BrowseTemplate);
    connect(BtnBrowse, &QPushButton::clicked, this, &TDlgDeclaration::Browse);
    connect(Buttons, &QDialogButtonBox::accepted, this, [this] {
        if (Write())
            accept();
    });
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    FitPath();
}

void TDlgDeclaration::FitPath() {
    const QString chosen = TxtTemplate->text().trimmed();
    const QString folder = chosen.isEmpty() ? Folder : QFileInfo(chosen).path();
    TxtPath->setText(
        QDir(folder).filePath(tr("%1月申报.xlsx").arg(CmbMonth->currentData().toInt())));
}

void TDlgDeclaration::BrowseTemplate() {
    const QString chosen =
        QFileDialog::getOpenFileName(this, tr("选择申报模板"), Folder, tr("Excel工作簿 (*.xlsx)"));
    if (chosen.isEmpty())
        return;
    TxtTemplate->setText(chosen);
    FitPath();
}

void TDlgDeclaration::Browse() {
    const QString chosen = QFileDialog::getSaveFileName(
        this, tr("填好的申报模板写入"), TxtPath->text(), tr("Excel工作簿 (*.xlsx)"));
    if (!chosen.isEmpty())
        TxtPath->setText(chosen);
}

bool TDlgDeclaration::Write() {
    const QString templatePath = TxtTemplate->text().trimmed();
    const QString path = TxtPath->text().trimmed();
    if (templatePath.isEmpty() || path.isEmpty() || CmbMonth->count() == 0) {
        MsgBox::Show(this, tr("请选择月份、申报模板和写入的文件。"));
        return false;
    }
    const sheets::TemplateOutcome filled = sheets::FillDeclarationTemplate(
        *Sheet, CmbMonth->currentData().toInt(), templatePath, path);
    if (filled.Result != sheets::Status::Done) {
        MsgBox::Show(this, filled.Error);
        return false;
    }
    QStringList lines = sheets::TemplateReport(filled.Fill);
    if (lines.size() > ShownLines) {
        const auto more = lines.size() - ShownLines;
        lines = lines.mid(0, ShownLines);
        lines << tr("另有%n行未列出", nullptr, static_cast<int>(more));
    }
    MsgBox::Show(this,
                 tr("已写出%1").arg(QDir::toNativeSeparators(path)) + u'\n' + lines.join(u'\n'));
    return true;
}
