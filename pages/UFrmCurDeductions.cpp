#include "pages/UFrmCurDeductions.h"

#include "common/UCalcPage.h"
#include "common/UDesktopHabits.h"
#include "common/UFileManager.h"
#include "common/ULawText.h"
#include "common/UMsgBox.h"
#include "common/UNumKeyFilter.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

using current::Cents;

namespace {

QString Yuan(Cents Value) {
    return QString::fromStdString(current::FormatCents(Value)) + TFrmCurDeductions::tr("元");
}

QLabel *Grey(const QString &Text) {
    auto *label = new QLabel(Text);
    label->setStyleSheet(QStringLiteral("color: gray;"));
    label->setWordWrap(true);
    return label;
}

} // namespace

TFrmCurDeductions::TFrmCurDeductions(QWidget *Parent) : QDialog(Parent) {
    setObjectName(QStringLiteral("FrmCurDeductions"));
    setWindowTitle(tr("专项附加扣除"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);
    KeyFilter = new TNumKeyFilter(this);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setColumnStretch(1, 1);
    BuildItems(grid);

    TxtMonthlyTotal = new QLabel(this);
    TxtMonthlyTotal->setObjectName(QStringLiteral("TxtMonthlyTotal"));
    TCalcPage::Describe(TxtMonthlyTotal, tr("每月合计"));
    TxtAnnualTotal = new QLabel(this);
    TxtAnnualTotal->setObjectName(QStringLiteral("TxtAnnualTotal"));
    TCalcPage::Describe(TxtAnnualTotal, tr("全年合计"));
    for (QLabel *total : {TxtMonthlyTotal, TxtAnnualTotal}) {
        QFont font = total->font();
        font.setBold(true);
        total->setFont(font);
        total->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    auto *totals = new QHBoxLayout;
    totals->addWidget(TxtMonthlyTotal);
    totals->addSpacing(24);
    totals->addWidget(TxtAnnualTotal);
    totals->addStretch();

    TxtMsg = new QLabel(this);
    TxtMsg->setObjectName(QStringLiteral("TxtMsg"));
    TxtMsg->setStyleSheet(QStringLiteral("color: red;"));
    TxtMsg->setWordWrap(true);
    TCalcPage::Describe(TxtMsg, tr("专项附加扣除提示"));
    TxtFileNote = Grey(QString());
    TxtFileNote->setParent(this);
    TxtFileNote->setWordWrap(false); // a note a line: a wrapping label would squeeze the grid
    TxtFileNote->setObjectName(QStringLiteral("TxtFileNote"));
    TCalcPage::Describe(TxtFileNote, tr("参数文件中的数额"));

    // Enter in an edit must not confirm the dialog, so neither button is a default button;
    // Enter on a focused button clicks that button.
    BtnOK = new QPushButton(tr("确定"), this);
    BtnOK->setObjectName(QStringLiteral("BtnOK"));
    BtnCancel = new QPushButton(tr("取消"), this);
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *button : {BtnOK, BtnCancel}) {
        button->setAutoDefault(false);
        DesktopHabits::ClickOnEnter(button);
        buttons->addWidget(button);
    }
    connect(BtnOK, &QPushButton::clicked, this, &TFrmCurDeductions::BtnOKClick);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(totals);
    layout->addWidget(Grey(tr("每月合计是每月预扣预缴时扣除的数额：个人养老金按全年缴费的十二分之一"
                              "计入；职业资格继续教育和大病医疗只在年度汇算时扣除，只计入全年"
                              "合计。")));
    layout->addWidget(TxtFileNote);
    layout->addWidget(TxtMsg);
    layout->addLayout(buttons);

    std::vector<current::DeductionsIni::OverLimit> beyond;
    if (const auto saved = TFileManager::ReadDeductions(&beyond))
        ShowChoices(*saved);
    Loaded = Choices();
    ShowBeyondLimits(beyond);
    Update();
}

QLineEdit *TFrmCurDeductions::AmountField(const QString &Name, const QString &Subject) {
    auto *edit = new QLineEdit(this);
    edit->setObjectName(Name);
    edit->setFixedWidth(110);
    TCalcPage::Describe(edit, Subject);
    KeyFilter->Attach(edit);
    connect(edit, &QLineEdit::textChanged, this, &TFrmCurDeductions::Update);
    return edit;
}

QComboBox *TFrmCurDeductions::Combo(const QString &Name, const QStringList &Texts) {
    auto *combo = new QComboBox(this);
    combo->setObjectName(Name);
    combo->addItems(Texts);
    connect(combo, &QComboBox::currentIndexChanged, this, &TFrmCurDeductions::Update);
    return combo;
}

QLabel *TFrmCurDeductions::ItemAmount(QGridLayout *Grid, int Row, const QString &Name,
                                      const QString &Item) {
    auto *label = new QLabel(this);
    label->setObjectName(Name);
    TCalcPage::Describe(label, Item + tr("扣除额"));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(150);
    Grid->addWidget(label, Row, 2);
    return label;
}

void TFrmCurDeductions::BuildItems(QGridLayout *Grid) {
    int row = 0;
    // The caption of a row names its choice for assistive technology, as a list is named by
    // the caption whose buddy it is.
    const auto caption = [&](const QString &Text, QWidget *Buddy = nullptr) {
        auto *label = new QLabel(Text, this);
        if (Buddy) {
            label->setBuddy(Buddy);
            TCalcPage::Describe(Buddy, Text);
        }
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
        Grid->addWidget(label, row, 0, Qt::AlignRight | Qt::AlignVCenter);
    };
    const auto line = [&](std::initializer_list<QWidget *> Widgets) {
        auto *box = new QHBoxLayout;
        for (QWidget *widget : Widgets)
            box->addWidget(widget);
        box->addStretch();
        Grid->addLayout(box, row, 1);
    };
    // Notes break where their text says: a label that wraps by itself in a grid may be given
    // less height than its lines need.
    const auto note = [&](const QString &Text) {
        QLabel *label = Grey(Text);
        label->setWordWrap(false);
        Grid->addWidget(label, ++row, 1, 1, 2);
    };
    const current::YearRules &rules = current::LatestRules();
    using current::Law::HalfShare;
    const QStringList shares{tr("本人扣除%1%").arg(current::Law::WholeShare),
                             tr("本人扣除%1%").arg(HalfShare)};
    const auto persons = [&](const QString &Name, const QString &Subject) {
        auto *spin = new QSpinBox(this);
        spin->setObjectName(Name);
        spin->setRange(0, current::MaxPersons);
        spin->setSuffix(tr(" 人"));
        TCalcPage::Describe(spin, Subject);
        connect(spin, &QSpinBox::valueChanged, this, &TFrmCurDeductions::Update);
        return spin;
    };

    SpnChildren = persons(QStringLiteral("SpnChildren"), tr("子女教育人数"));
    CmbChildrenShare = Combo(QStringLiteral("CmbChildrenShare"), shares);
    caption(tr("子女教育："), CmbChildrenShare);
    line({SpnChildren, CmbChildrenShare});
    LblChildren = ItemAmount(Grid, row, QStringLiteral("LblChildren"), tr("子女教育"));
    note(tr("每个子女每月%1元，由父母一方全额扣除或双方各扣%2%。")
             .arg(LawText::Amount(rules.ChildEducation))
             .arg(HalfShare));

    ++row;
    SpnInfants = persons(QStringLiteral("SpnInfants"), tr("婴幼儿照护人数"));
    CmbInfantsShare = Combo(QStringLiteral("CmbInfantsShare"), shares);
    caption(tr("%1岁以下婴幼儿照护：").arg(current::Law::InfantYears), CmbInfantsShare);
    line({SpnInfants, CmbInfantsShare});
    LblInfants = ItemAmount(Grid, row, QStringLiteral("LblInfants"), tr("婴幼儿照护"));
    note(tr("每个婴幼儿每月%1元，由父母一方全额扣除或双方各扣%2%。")
             .arg(LawText::Amount(rules.InfantCare))
             .arg(HalfShare));

    ++row;
    CmbElderly =
        Combo(QStringLiteral("CmbElderly"),
              {tr("不扣除"), tr("独生子女：每月%1元").arg(LawText::Amount(rules.ElderlyOnlyChild)),
               tr("非独生子女：每月分摊")});
    caption(tr("赡养老人："), CmbElderly);
    TxtElderlyShare = AmountField(QStringLiteral("TxtElderlyShare"), tr("赡养老人每月分摊额"));
    line({CmbElderly, TxtElderlyShare});
    LblElderly = ItemAmount(Grid, row, QStringLiteral("LblElderly"), tr("赡养老人"));
    note(tr("非独生子女与兄弟姐妹分摊每月%1元，每人每月最多%2元。")
             .arg(LawText::Amount(rules.ElderlyOnlyChild), LawText::Amount(rules.ElderlyShareMax)));

    ++row;
    CmbHousing = Combo(
        QStringLiteral("CmbHousing"),
        {tr("不扣除"), tr("住房贷款利息：每月%1元").arg(LawText::Amount(rules.HousingLoan)),
         tr("住房贷款利息（夫妻各扣一半）：每月%1元")
             .arg(LawText::Amount(current::Percent(rules.HousingLoan, HalfShare))),
         tr("住房租金（直辖市、省会城市等）：每月%1元").arg(LawText::Amount(rules.RentLargeCity)),
         tr("住房租金（户籍人口超过%1万的城市）：每月%2元")
             .arg(current::Law::MiddleCityResidents / 10000)
             .arg(LawText::Amount(rules.RentMiddleCity)),
         tr("住房租金（户籍人口不超过%1万的城市）：每月%2元")
             .arg(current::Law::MiddleCityResidents / 10000)
             .arg(LawText::Amount(rules.RentSmallCity))});
    caption(tr("住房贷款利息或住房租金："), CmbHousing);
    line({CmbHousing});
    LblHousing = ItemAmount(Grid, row, QStringLiteral("LblHousing"), tr("住房"));
    note(tr("两者只能选其一。租金%1元：直辖市、省会（首府）城市、计划单列市及国务院确定的"
            "其他城市；\n%2元：其他城市中市辖区户籍人口超过%4万的；%3元：不超过%4万的。")
             .arg(LawText::Amount(rules.RentLargeCity), LawText::Amount(rules.RentMiddleCity),
                  LawText::Amount(rules.RentSmallCity))
             .arg(current::Law::MiddleCityResidents / 10000));

    ++row;
    CmbEducation = Combo(
        QStringLiteral("CmbEducation"),
        {tr("不扣除"), tr("学历（学位）继续教育：每月%1元").arg(LawText::Amount(rules.DegreeStudy)),
         tr("职业资格继续教育：取得证书当年%1元").arg(LawText::Amount(rules.Certificate))});
    caption(tr("继续教育："), CmbEducation);
    line({CmbEducation});
    LblEducation = ItemAmount(Grid, row, QStringLiteral("LblEducation"), tr("继续教育"));

    ++row;
    caption(tr("大病医疗："));
    TxtIllness = AmountField(QStringLiteral("TxtIllness"), tr("大病医疗"));
    line({TxtIllness, new QLabel(tr("元/年"), this)});
    LblIllness = ItemAmount(Grid, row, QStringLiteral("LblIllness"), tr("大病医疗"));
    note(tr("医保目录内自付超过%1元的部分，每年最多%2元；只在年度汇算时扣除。")
             .arg(LawText::Amount(current::Law::IllnessFloor),
                  LawText::Amount(current::Law::IllnessCap)));

    ++row;
    caption(tr("个人养老金："));
    TxtPension = AmountField(QStringLiteral("TxtPension"), tr("个人养老金"));
    line({TxtPension, new QLabel(tr("元/年"), this)});
    LblPension = ItemAmount(Grid, row, QStringLiteral("LblPension"), tr("个人养老金"));
    note(tr("全年缴费，每年最多%1元。").arg(LawText::Amount(rules.PensionCap)));

    ++row;
    caption(tr("商业健康保险："));
    TxtHealthInsurance = AmountField(QStringLiteral("TxtHealthInsurance"), tr("商业健康保险"));
    line({TxtHealthInsurance, new QLabel(tr("元/月"), this)});
    LblHealthInsurance =
        ItemAmount(Grid, row, QStringLiteral("LblHealthInsurance"), tr("商业健康保险"));
    note(tr("符合规定的商业健康保险，每月最多%1元。").arg(LawText::Amount(rules.HealthMonthly)));
}

std::array<TFrmCurDeductions::TAmountField, 4> TFrmCurDeductions::AmountFields() const {
    using C = current::DeductionChoices;
    return {
        {{TxtElderlyShare, tr("赡养老人每月分摊额"), current::MaxElderlyShare, &C::ElderlyShare},
         {TxtIllness, tr("大病医疗"), current::MaxIllness, &C::Illness},
         {TxtPension, tr("个人养老金"), current::MaxPension, &C::Pension},
         {TxtHealthInsurance, tr("商业健康保险"), current::MaxHealthInsurance,
          &C::HealthInsurance}}};
}

current::DeductionChoices TFrmCurDeductions::Choices() const {
    current::DeductionChoices c;
    c.Children = SpnChildren->value();
    c.ChildrenHalf = CmbChildrenShare->currentIndex() == 1;
    c.Infants = SpnInfants->value();
    c.InfantsHalf = CmbInfantsShare->currentIndex() == 1;
    c.Elderly = static_cast<current::ElderlyCare>(CmbElderly->currentIndex());
    c.Home = static_cast<current::Housing>(CmbHousing->currentIndex());
    c.Study = static_cast<current::Education>(CmbEducation->currentIndex());
    // An amount that is no amount counts as nothing; one beyond its limit counts as the limit.
    for (const TAmountField &field : AmountFields())
        c.*field.Member = current::ParseCents(field.Edit->text().toStdString()).value_or(0);
    if (c.Elderly != current::ElderlyCare::Shared)
        c.ElderlyShare = 0;
    return c;
}

void TFrmCurDeductions::ShowChoices(const current::DeductionChoices &C) {
    SpnChildren->setValue(C.Children);
    CmbChildrenShare->setCurrentIndex(C.ChildrenHalf ? 1 : 0);
    SpnInfants->setValue(C.Infants);
    CmbInfantsShare->setCurrentIndex(C.InfantsHalf ? 1 : 0);
    CmbElderly->setCurrentIndex(static_cast<int>(C.Elderly));
    CmbHousing->setCurrentIndex(static_cast<int>(C.Home));
    CmbEducation->setCurrentIndex(static_cast<int>(C.Study));
    for (const TAmountField &field : AmountFields()) {
        const Cents value = C.*field.Member;
        field.Edit->setText(value == 0 ? QString()
                                       : QString::fromStdString(current::FormatCents(value)));
    }
}

void TFrmCurDeductions::ShowBeyondLimits(
    const std::vector<current::DeductionsIni::OverLimit> &Beyond) {
    QStringList notes;
    for (const auto &over : Beyond) {
        for (const TAmountField &field : AmountFields()) {
            if (field.Member == over.Member)
                notes << tr("参数文件中的%1为%2，超过了上限，按%3显示和计算。")
                             .arg(field.Subject, Yuan(over.Found), Yuan(field.Limit));
        }
    }
    TxtFileNote->setText(notes.join(u'\n'));
    TxtFileNote->setVisible(!notes.isEmpty());
}

current::Cents TFrmCurDeductions::MonthlyTotal() const {
    return current::DeductionsOf(Choices()).Monthly;
}

std::optional<std::pair<QLineEdit *, QString>> TFrmCurDeductions::FirstFault() const {
    for (const TAmountField &field : AmountFields()) {
        if (!field.Edit->isEnabled() || field.Edit->text().trimmed().isEmpty())
            continue;
        const auto value = current::ParseCents(field.Edit->text().toStdString());
        if (!value)
            return std::pair{field.Edit, tr("%1数据无效，请重新输入。").arg(field.Subject)};
        if (*value > field.Limit)
            return std::pair{field.Edit,
                             tr("%1最多%2，请重新输入。").arg(field.Subject, Yuan(field.Limit))};
    }
    return std::nullopt;
}

void TFrmCurDeductions::Update() {
    TxtElderlyShare->setEnabled(CmbElderly->currentIndex() ==
                                static_cast<int>(current::ElderlyCare::Shared));
    const current::DeductionAmounts a = current::DeductionsOf(Choices());
    const auto monthly = [](Cents Value) { return tr("每月%1").arg(Yuan(Value)); };
    LblChildren->setText(monthly(a.Children));
    LblInfants->setText(monthly(a.Infants));
    LblElderly->setText(monthly(a.Elderly));
    LblHousing->setText(monthly(a.Home));
    LblEducation->setText(a.Certificate > 0 ? tr("全年%1（汇算时）").arg(Yuan(a.Certificate))
                                            : monthly(a.Degree));
    LblIllness->setText(tr("全年%1（汇算时）").arg(Yuan(a.Illness)));
    LblPension->setText(monthly(a.PensionMonthly));
    LblHealthInsurance->setText(monthly(a.HealthInsurance));
    TxtMonthlyTotal->setText(tr("每月合计：%1").arg(Yuan(a.Monthly)));
    TxtAnnualTotal->setText(tr("全年合计：%1").arg(Yuan(a.Annual)));
    const auto fault = FirstFault();
    TxtMsg->setText(fault ? fault->second : QString());
}

void TFrmCurDeductions::BtnOKClick() {
    if (const auto fault = FirstFault()) {
        TxtMsg->setText(fault->second);
        fault->first->setFocus(Qt::OtherFocusReason);
        fault->first->selectAll();
        return;
    }
    const auto written = TFileManager::WriteDeductions(Choices(), Loaded);
    if (written != TFileManager::TWriteResult::Written) {
        MsgBox::Show(this, TFileManager::WriteFailureText(written, TFileManager::FilePath()));
        return;
    }
    Loaded = Choices();
    accept();
}
