#include "pages/UFrmGoldsSetup.h"

#include "common/UCalcPage.h"
#include "common/UDesktopHabits.h"
#include "common/UFileManager.h"
#include "common/UMsgBox.h"
#include "common/UNumKeyFilter.h"
#include "common/UShellWindow.h"
#include "common/USupportContact.h"
#include "engine/UNumText.h"

#include <QEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

TFrmGoldsSetup::TFrmGoldsSetup(QWidget *Parent) : QDialog(Parent) {
    setObjectName(QStringLiteral("FrmGoldsSetup"));
    ShellWindow::SetUp(this, tr("社保与公积金参数调整"), QSize(534, 463));
    KeyFilter = new TNumKeyFilter(this);
    BuildBases();
    BuildRates();
    BuildButtons();
    FormCreate();
}

QLineEdit *TFrmGoldsSetup::Edit(QWidget *Parent, const QString &Name, const QString &Subject, int X,
                                int Y) {
    auto *edit = new QLineEdit(QStringLiteral("0"), Parent);
    edit->setObjectName(Name);
    TCalcPage::Describe(edit, Subject);
    edit->setGeometry(X, Y, 100, 24);
    KeyFilter->Attach(edit);
    edit->installEventFilter(this);
    return edit;
}

void TFrmGoldsSetup::BuildBases() {
    using ShellWindow::Label;
    // The limits are named with their base: "下限" alone would not say which.
    const QString fund = tr("公积金缴费基数");
    Label(this, fund, 20, 24, true);
    Label(this, tr("下限："), 150, 24);
    TxtPmin = Edit(this, QStringLiteral("TxtPmin"), tr("%1下限").arg(fund), 190, 20);
    Label(this, tr("上限："), 310, 24);
    TxtPMax = Edit(this, QStringLiteral("TxtPMax"), tr("%1上限").arg(fund), 350, 20);
    Label(this, tr("注：上限一般为当地社会平均工资的300%，下限为60%。"), 20, 54)
        ->setStyleSheet(QStringLiteral("color: gray;"));
    const QString social = tr("社保缴费基数");
    Label(this, social, 20, 94, true);
    Label(this, tr("下限："), 150, 94);
    TxtSMin = Edit(this, QStringLiteral("TxtSMin"), tr("%1下限").arg(social), 190, 90);
    Label(this, tr("上限："), 310, 94);
    TxtSMax = Edit(this, QStringLiteral("TxtSMax"), tr("%1上限").arg(social), 350, 90);
    Label(this, tr("注：上限一般为当地社会平均工资的300%，下限为当地的最低工资。"), 20, 124)
        ->setStyleSheet(QStringLiteral("color: gray;"));
}

QLineEdit *TFrmGoldsSetup::RateRow(QGroupBox *Group, const QString &Caption, const QString &Name,
                                   int Y) {
    QLabel *caption = ShellWindow::Label(Group, Caption, 20, Y + 4);
    caption->setFixedWidth(60);
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Both groups have the same rows: the group's title tells "个人部分公积金" from
    // "单位部分公积金".
    const QString subject = tr("%1%2比例").arg(Group->title(), TCalcPage::Bare(Caption));
    QLineEdit *edit = Edit(Group, Name, subject, 86, Y);
    caption->setBuddy(edit);
    ShellWindow::Label(Group, QStringLiteral("%"), 192, Y + 4);
    return edit;
}

void TFrmGoldsSetup::BuildRates() {
    auto *employee = new QGroupBox(tr("个人部分"), this);
    employee->setGeometry(20, 160, 235, 226);
    TxtPFund = RateRow(employee, tr("公积金："), QStringLiteral("TxtPFund"), 28);
    TxtPMedical = RateRow(employee, tr("医疗金："), QStringLiteral("TxtPMedical"), 60);
    TxtPPension = RateRow(employee, tr("养老金："), QStringLiteral("TxtPPension"), 92);
    TxtPLostJob = RateRow(employee, tr("失业金："), QStringLiteral("TxtPLostJob"), 124);
    auto *employer = new QGroupBox(tr("单位部分"), this);
    employer->setGeometry(275, 160, 235, 226);
    TxtUFund = RateRow(employer, tr("公积金："), QStringLiteral("TxtUFund"), 28);
    TxtUMedical = RateRow(employer, tr("医疗金："), QStringLiteral("TxtUMedical"), 60);
    TxtUPension = RateRow(employer, tr("养老金："), QStringLiteral("TxtUPension"), 92);
    TxtULostJob = RateRow(employer, tr("失业金："), QStringLiteral("TxtULostJob"), 124);
    TxtInjury = RateRow(employer, tr("工伤金："), QStringLiteral("TxtInjury"), 156);
    TxtGiveBirth = RateRow(employer, tr("生育金："), QStringLiteral("TxtGiveBirth"), 188);
}

void TFrmGoldsSetup::BuildButtons() {
    ShellWindow::Label(
        this,
        tr("提示：参数如有疑问，请咨询当地社保部门，或联系客服QQ：%1").arg(SupportContact::QQ), 20,
        398)
        ->setStyleSheet(QStringLiteral("color: gray;"));
    // Enter in an edit must not confirm the dialog, so neither button is a default button;
    // Enter on a focused button clicks that button.
    BtnOK = new QPushButton(tr("确定"), this);
    BtnOK->setObjectName(QStringLiteral("BtnOK"));
    BtnOK->setGeometry(344, 424, 75, 25);
    BtnOK->setAutoDefault(false);
    DesktopHabits::ClickOnEnter(BtnOK);
    BtnCancel = new QPushButton(tr("取消"), this);
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    BtnCancel->setGeometry(435, 424, 75, 25);
    BtnCancel->setAutoDefault(false);
    DesktopHabits::ClickOnEnter(BtnCancel);
    connect(BtnOK, &QPushButton::clicked, this, &TFrmGoldsSetup::BtnOKClick);
    connect(BtnCancel, &QPushButton::clicked, this, &TFrmGoldsSetup::BtnCancelClick);
}

std::array<TFrmGoldsSetup::TBinding, 14> TFrmGoldsSetup::InParsingOrder() const {
    using I = TGoldsSetupInfo;
    return {{{TxtPmin, &I::PMin},
             {TxtPMax, &I::PMax},
             {TxtSMin, &I::SMin},
             {TxtSMax, &I::SMax},
             {TxtPPension, &I::PPension},
             {TxtPMedical, &I::PMedical},
             {TxtPLostJob, &I::PLostJob},
             {TxtPFund, &I::PFund},
             {TxtUPension, &I::UPension},
             {TxtUMedical, &I::UMedical},
             {TxtULostJob, &I::ULostJob},
             {TxtInjury, &I::Injury},
             {TxtGiveBirth, &I::GiveBirth},
             {TxtUFund, &I::UFund}}};
}

void TFrmGoldsSetup::FormCreate() {
    const auto info = TFileManager::ReadSetupInfo();
    if (!info)
        return;
    for (const TBinding &binding : InParsingOrder())
        DesktopHabits::ShowResult(
            binding.Edit, QString::fromStdString(NumText::FormatGeneral(*info.*binding.Member)));
}

std::optional<TGoldsSetupInfo> TFrmGoldsSetup::ReadEdits() {
    TGoldsSetupInfo info;
    for (const TBinding &binding : InParsingOrder()) {
        const auto value = NumText::ParseAmount(binding.Edit->text().toStdString());
        if (!value) {
            MsgBox::ShowConversionError(this, binding.Edit->text());
            return std::nullopt;
        }
        info.*binding.Member = *value;
    }
    return info;
}

bool TFrmGoldsSetup::Refuse(const QString &Text, QLineEdit *Edit) {
    MsgBox::Show(this, Text);
    Edit->setFocus(Qt::OtherFocusReason);
    Edit->selectAll();
    return false;
}

bool TFrmGoldsSetup::Validate(const TGoldsSetupInfo &I) {
    using NumText::RoundToCents;
    if (I.PMin >= I.PMax)
        return Refuse(tr("公积金缴费基数下限应小于上限。"), TxtPmin);
    if (I.SMin >= I.SMax)
        return Refuse(tr("社保缴费基数下限应小于上限。"), TxtSMin);
    // Rates are added in cents, so that 33.33 + 33.33 + 33.34 counts as exactly 100.
    if (RoundToCents(I.PPension + I.PMedical + I.PLostJob + I.PFund) >= 100)
        return Refuse(tr("个人部分缴费比例合计不能大于100%。"), TxtPPension);
    if (RoundToCents(I.UPension + I.UMedical + I.ULostJob + I.UFund + I.Injury + I.GiveBirth) >=
        100)
        return Refuse(tr("单位部分缴费比例合计不能大于100%。"), TxtUPension);
    return true;
}

void TFrmGoldsSetup::BtnOKClick() {
    const auto info = ReadEdits();
    if (!info || !Validate(*info))
        return;
    const auto written = TFileManager::WriteSetupInfo(*info);
    if (written != TFileManager::TWriteResult::Written) {
        MsgBox::Show(this, TFileManager::WriteFailureText(written, TFileManager::FilePath()));
        return;
    }
    accept();
}

void TFrmGoldsSetup::BtnCancelClick() {
    reject();
}

bool TFrmGoldsSetup::eventFilter(QObject *Watched, QEvent *Event) {
    // A click in a parameter edit selects its whole text, ready to be typed over.
    auto *edit = qobject_cast<QLineEdit *>(Watched);
    if (edit && Event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(Event)->button() == Qt::LeftButton)
        edit->selectAll();
    return QDialog::eventFilter(Watched, Event);
}
