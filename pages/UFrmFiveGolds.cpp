#include "pages/UFrmFiveGolds.h"

#include "common/UFileManager.h"
#include "engine/UGoldsContribution.h"
#include "engine/UNumText.h"
#include "engine/USalaryTaxManager.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QString AmountInitial = QStringLiteral("%  =  0.00");
const QString AmountReset = QStringLiteral(" % = 0.00");

QString ShareText(double Amount) {
    return QStringLiteral(" % = ") + QString::fromStdString(NumText::FormatGeneral(Amount));
}

} // namespace

TFrmFiveGolds::TFrmFiveGolds(QWidget *Parent)
    : TCalcPage(staticMetaObject, QSize(900, 600), Parent) {
    BuildInputs();
    BuildBases();
    BuildEmployee();
    BuildEmployer();
    BuildTotals();
    RightPicture(QStringLiteral("ImgIllustration"), 10, QSize(230, 400),
                 QStringLiteral(":/pictures/fivegolds_illustration.png"));
    SetFirstInput(TxtIncome);
    SetTabOrder({TxtIncome, RBtnChina, RBtnForeign, BtnCalc, BtnReset, TxtTax, BtnCopyTax,
                 TxtIncomeAfterTax, BtnCopyIncome});
    connect(BtnCalc, &QPushButton::clicked, this, &TFrmFiveGolds::BtnCalcClick);
    connect(BtnReset, &QPushButton::clicked, this, &TFrmFiveGolds::BtnResetClick);
    OnEnter(TxtIncome, [this] { BtnCalcClick(); });
    RunAgainWhenRebuilt({BtnCalc, BtnReset});
}

void TFrmFiveGolds::BuildInputs() {
    TxtIncome = LabelledEdit(tr("收入金额：  "), QStringLiteral("TxtIncome"), 20, 12);
    RBtnChina = Radio(QStringLiteral("RBtnChina"), tr("国内人士"), 160, 38, true);
    RBtnForeign = Radio(QStringLiteral("RBtnForeign"), tr("外籍人士"), 250, 38, false);
    BtnCalc = Button(QStringLiteral("BtnCalc"), tr("开始计算"), 20, 72);
    BtnReset = Button(QStringLiteral("BtnReset"), tr("重置"), 110, 72);
}

QLineEdit *TFrmFiveGolds::ParamEdit(QWidget *Parent, const QString &Name, const QString &Subject,
                                    int X, int Y, int Width) {
    auto *edit = new QLineEdit(QStringLiteral("0"), Parent);
    edit->setObjectName(Name);
    Describe(edit, Subject);
    edit->setGeometry(X, Y, Width, 24);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::ClickFocus);
    QPalette grey = edit->palette();
    grey.setColor(QPalette::Base, QColor(0xE4, 0xE4, 0xE4));
    edit->setPalette(grey);
    return edit;
}

void TFrmFiveGolds::BuildBases() {
    Heading(tr("缴费基数："), 20, 112, 615);
    // The limits are named with their base: "下限" alone would not say which.
    const QString social = tr("社保缴费基数");
    Caption(tr("%1：").arg(social), 20, 146);
    TxtSocialBase = ParamEdit(Client(), QStringLiteral("TxtSocialBase"), social, 130, 142, 100);
    Caption(tr("下限："), 260, 146, false);
    TxtSMin =
        ParamEdit(Client(), QStringLiteral("TxtSMin"), tr("%1下限").arg(social), 300, 142, 90);
    Caption(tr("上限："), 410, 146, false);
    TxtSMax =
        ParamEdit(Client(), QStringLiteral("TxtSMax"), tr("%1上限").arg(social), 450, 142, 90);
    const QString fund = tr("公积金缴费基数");
    Caption(tr("%1：").arg(fund), 20, 180);
    TxtFundBase = ParamEdit(Client(), QStringLiteral("TxtFundBase"), fund, 130, 176, 100);
    Caption(tr("下限："), 260, 180, false);
    TxtPmin = ParamEdit(Client(), QStringLiteral("TxtPmin"), tr("%1下限").arg(fund), 300, 176, 90);
    Caption(tr("上限："), 410, 180, false);
    TxtPMax = ParamEdit(Client(), QStringLiteral("TxtPMax"), tr("%1上限").arg(fund), 450, 176, 90);
}

QLineEdit *TFrmFiveGolds::ShareRow(QGroupBox *Group, const QString &Caption, const QString &Name,
                                   int Y, QLabel *&Amount, const QString &AmountName) {
    auto *caption = new QLabel(Caption, Group);
    caption->setGeometry(10, Y + 4, 55, 16);
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Both groups have the same rows: the group's title tells "个人部分养老" from "单位部分养老".
    const QString share = Group->title();
    const QString insurance = Bare(Caption);
    QLineEdit *rate = ParamEdit(Group, Name, tr("%1%2比例").arg(share, insurance), 70, Y, 60);
    Amount = new QLabel(AmountInitial, Group);
    Amount->setObjectName(AmountName);
    Describe(Amount, tr("%1%2金额").arg(share, insurance));
    Amount->setGeometry(132, Y + 4, 160, 16);
    Amount->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return rate;
}

void TFrmFiveGolds::BuildEmployee() {
    auto *group = new QGroupBox(tr("个人部分"), Client());
    group->setGeometry(20, 214, 300, 214);
    TxtPPension = ShareRow(group, tr("养老："), QStringLiteral("TxtPPension"), 26, LblPPension,
                           QStringLiteral("LblPPension"));
    TxtPMedical = ShareRow(group, tr("医疗："), QStringLiteral("TxtPMedical"), 56, LblPMedical,
                           QStringLiteral("LblPMedical"));
    TxtPLostJob = ShareRow(group, tr("失业："), QStringLiteral("TxtPLostJob"), 86, LblPLostJob,
                           QStringLiteral("LblPLostJob"));
    TxtPFund = ShareRow(group, tr("公积金："), QStringLiteral("TxtPFund"), 116, LblPFund,
                        QStringLiteral("LblPFund"));
}

void TFrmFiveGolds::BuildEmployer() {
    auto *group = new QGroupBox(tr("单位部分"), Client());
    group->setGeometry(335, 214, 300, 214);
    TxtUPension = ShareRow(group, tr("养老："), QStringLiteral("TxtUPension"), 26, LblUPension,
                           QStringLiteral("LblUPension"));
    TxtUMedical = ShareRow(group, tr("医疗："), QStringLiteral("TxtUMedical"), 56, LblUMedical,
                           QStringLiteral("LblUMedical"));
    TxtULostJob = ShareRow(group, tr("失业："), QStringLiteral("TxtULostJob"), 86, LblULostJob,
                           QStringLiteral("LblULostJob"));
    TxtInjury = ShareRow(group, tr("工伤："), QStringLiteral("TxtInjury"), 116, LblInjury,
                         QStringLiteral("LblInjury"));
    TxtGiveBirth = ShareRow(group, tr("生育："), QStringLiteral("TxtGiveBirth"), 146, LblGiveBirth,
                            QStringLiteral("LblGiveBirth"));
    TxtUFund = ShareRow(group, tr("公积金："), QStringLiteral("TxtUFund"), 176, LblUFund,
                        QStringLiteral("LblUFund"));
}

QLineEdit *TFrmFiveGolds::TotalEdit(const QString &CaptionText, const QString &Name, int X, int Y) {
    QLabel *caption = Caption(CaptionText, X, Y + 6);
    auto *edit = new QLineEdit(Client());
    edit->setObjectName(Name);
    QFont font = edit->font();
    font.setPixelSize(16);
    edit->setFont(font);
    edit->setGeometry(X + 100, Y, 121, 28);
    DesktopHabits::TipWhenClipped(edit);
    caption->setBuddy(edit);
    Describe(edit, CaptionText);
    return edit;
}

void TFrmFiveGolds::BuildTotals() {
    TxtPTotal = TotalEdit(tr("个人缴费合计："), QStringLiteral("TxtPTotal"), 20, 440);
    TxtUTotal = TotalEdit(tr("单位缴费合计："), QStringLiteral("TxtUTotal"), 335, 440);
    TxtUAll = TotalEdit(tr("单位支出总计："), QStringLiteral("TxtUAll"), 335, 476);
    TxtTax = ResultEdit(tr("应纳税额："), QStringLiteral("TxtTax"), 20, 476);
    BtnCopyTax = CopyButton(QStringLiteral("BtnCopyTax"), TxtTax, 228, 476);
    TxtIncomeAfterTax = ResultEdit(tr("税后收入："), QStringLiteral("TxtIncomeAfterTax"), 20, 512);
    BtnCopyIncome = CopyButton(QStringLiteral("BtnCopyIncome"), TxtIncomeAfterTax, 228, 512);
    NoteRulesPeriodUnder(TxtIncomeAfterTax);
}

QList<QLabel *> TFrmFiveGolds::AmountTexts() const {
    return {LblPPension, LblPMedical, LblPLostJob, LblPFund,     LblUPension,
            LblUMedical, LblULostJob, LblInjury,   LblGiveBirth, LblUFund};
}

void TFrmFiveGolds::CMShowingChanged() {
    TCalcPage::CMShowingChanged();
    if (isVisible())
        LoadSetup();
}

void TFrmFiveGolds::LoadSetup() {
    const auto info = TFileManager::ReadSetupInfo();
    FSetup = info.value_or(TGoldsSetupInfo{});
    if (!info)
        return;
    const QList<QPair<QLineEdit *, double>> shown{
        {TxtSMin, FSetup.SMin},           {TxtSMax, FSetup.SMax},
        {TxtPmin, FSetup.PMin},           {TxtPMax, FSetup.PMax},
        {TxtPPension, FSetup.PPension},   {TxtPMedical, FSetup.PMedical},
        {TxtPLostJob, FSetup.PLostJob},   {TxtPFund, FSetup.PFund},
        {TxtUPension, FSetup.UPension},   {TxtUMedical, FSetup.UMedical},
        {TxtULostJob, FSetup.ULostJob},   {TxtInjury, FSetup.Injury},
        {TxtGiveBirth, FSetup.GiveBirth}, {TxtUFund, FSetup.UFund}};
    for (const auto &[edit, value] : shown)
        ShowResult(edit, General(value));
}

void TFrmFiveGolds::BtnCalcClick() {
    const auto wage = ReadAmount(TxtIncome);
    if (!wage)
        return FocusAndSelect(TxtIncome);
    const TGoldsContribution contribution = Golds::Contribute(FSetup, *wage);
    ShowContribution(contribution);
    const TTaxInfo tax =
        TSalaryTaxManager::Calc(RBtnForeign->isChecked(), *wage, contribution.PTotal);
    ShowResult(TxtTax, General(tax.Tax));
    ShowResult(TxtIncomeAfterTax, General(tax.IncomeAfterTax));
}

void TFrmFiveGolds::ShowContribution(const TGoldsContribution &C) {
    ShowResult(TxtSocialBase, General(C.SocialBase));
    ShowResult(TxtFundBase, General(C.FundBase));
    const QList<double> amounts{C.PPension, C.PMedical, C.PLostJob, C.PFund,     C.UPension,
                                C.UMedical, C.ULostJob, C.Injury,   C.GiveBirth, C.UFund};
    const QList<QLabel *> texts = AmountTexts();
    for (qsizetype i = 0; i < texts.size(); ++i)
        texts[i]->setText(ShareText(amounts[i]));
    ShowResult(TxtPTotal, General(C.PTotal));
    ShowResult(TxtUTotal, General(C.UTotal));
    ShowResult(TxtUAll, General(C.UAll));
}

void TFrmFiveGolds::BtnResetClick() {
    for (QLabel *text : AmountTexts())
        text->setText(AmountReset);
    for (QLineEdit *edit : {TxtPTotal, TxtUTotal, TxtUAll, TxtTax, TxtIncomeAfterTax, TxtIncome})
        edit->clear();
    RBtnChina->setChecked(true);
    TxtIncome->setFocus(Qt::OtherFocusReason);
}
