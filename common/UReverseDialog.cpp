#include "common/UReverseDialog.h"

#include "common/UCalcPage.h"
#include "common/UDesktopHabits.h"
#include "common/UNumKeyFilter.h"
#include "common/UShellWindow.h"
#include "common/UUtils.h"
#include "engine/current/Reverse.h"
#include "engine/current/Rules.h"
#include "sheets/Captions.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

using current::Cents;

namespace {

QString Amount(Cents Value) {
    return QString::fromStdString(current::FormatCents(Value));
}

QString RateText(int Rate) {
    return QString::number(Rate) + QLatin1Char('%');
}

// The row of a layout, or of one nested in it, that holds Widget.
QBoxLayout *RowHolding(QLayout *Layout, QWidget *Widget) {
    if (Layout->indexOf(Widget) >= 0)
        return qobject_cast<QBoxLayout *>(Layout);
    for (int i = 0; i < Layout->count(); ++i) {
        if (QLayout *inner = Layout->itemAt(i)->layout()) {
            if (QBoxLayout *row = RowHolding(inner, Widget))
                return row;
        }
    }
    return nullptr;
}

// A row of choices, exclusive among themselves.
QHBoxLayout *ChoiceRow(QObject *Owner, std::initializer_list<QRadioButton *> Radios) {
    auto *group = new QButtonGroup(Owner);
    auto *row = new QHBoxLayout;
    for (QRadioButton *radio : Radios) {
        group->addButton(radio);
        row->addWidget(radio);
    }
    row->addStretch();
    return row;
}

} // namespace

QPushButton *TFrmCurReverse::NewButton(QWidget *Parent, const QString &AccessibleName) {
    auto *button = new QPushButton(tr("反算"), Parent);
    button->setObjectName(QStringLiteral("BtnReverse"));
    button->setAccessibleName(AccessibleName);
    button->setToolTip(AccessibleName);
    DesktopHabits::ClickOnEnter(button);
    return button;
}

QPushButton *TFrmCurReverse::ButtonBeside(QLineEdit *Result, const QString &AccessibleName) {
    QPushButton *button = NewButton(Result->parentWidget(), AccessibleName);
    for (QWidget *holder = Result->parentWidget(); holder; holder = holder->parentWidget()) {
        QBoxLayout *row = holder->layout() ? RowHolding(holder->layout(), Result) : nullptr;
        if (!row)
            continue;
        // After the last control of the row, before the stretch that closes it.
        int after = row->indexOf(Result);
        for (int i = after + 1; i < row->count(); ++i) {
            if (row->itemAt(i)->widget())
                after = i;
        }
        row->insertWidget(after + 1, button);
        break;
    }
    return button;
}

TFrmCurReverse::Captions TFrmCurReverse::CaptionsOf(Subject What) {
    switch (What) {
    case Subject::Wage:
        return {tr("反算税前月薪"), tr("目标每月税后收入："),
                tr("所选月份在同一单位发放相同的工资，每月减除%1元：求这些月税后合计不少于目标乘以"
                   "月数的最低月薪。选“每月税后相同”则逐月求税前收入，使每个月的税后都恰为目标。")
                    .arg(Amount(current::LatestRules().BasicMonthly)),
                tr("税前月薪："), tr("平均每月税后：")};
    case Subject::Bonus:
        return {tr("反算税前年终奖"), tr("目标税后奖金："),
                tr("单独计税：求税后不少于目标的最低奖金，并指出其上最近的临界点。"),
                tr("税前奖金："), tr("税后奖金：")};
    case Subject::Labour:
        break;
    }
    return {tr("反算税前收入"), tr("目标税后收入："),
            tr("求预扣（非居民个人为代扣）税款后不少于目标的最低每次收入。"), tr("税前收入："),
            tr("税后收入：")};
}

TFrmCurReverse::TFrmCurReverse(Subject What, const Start &From, QWidget *Parent)
    : QDialog(Parent), What(What) {
    setObjectName(QStringLiteral("FrmCurReverse"));
    const Captions captions = CaptionsOf(What);
    ShellWindow::Decorate(this, captions.Title);
    KeyFilter = new TNumKeyFilter(this);

    auto *form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    TxtTarget = AmountField(form, QStringLiteral("TxtTarget"), captions.Target);
    switch (What) {
    case Subject::Wage:
        BuildWage(form, From);
        break;
    case Subject::Bonus:
        BuildBonus(form, From);
        break;
    case Subject::Labour:
        BuildLabour(form, From);
        break;
    }
    auto *noteLabel = new QLabel(captions.Note, this);
    noteLabel->setStyleSheet(QStringLiteral("color: gray;"));
    noteLabel->setWordWrap(true);
    TxtMsg = new QLabel(this);
    TxtMsg->setObjectName(QStringLiteral("TxtMsg"));
    TxtMsg->setStyleSheet(QStringLiteral("color: red;"));
    TxtMsg->setWordWrap(true);
    TCalcPage::Describe(TxtMsg, tr("反算提示"));
    TxtDetails = new QLabel(this);
    TxtDetails->setObjectName(QStringLiteral("TxtDetails"));
    TxtDetails->setWordWrap(true);
    TxtDetails->setTextInteractionFlags(Qt::TextSelectableByMouse);
    TCalcPage::Describe(TxtDetails, tr("反算明细"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->addLayout(form);
    layout->addWidget(noteLabel);
    layout->addLayout(BuildButtons());
    layout->addWidget(TxtMsg);
    layout->addLayout(BuildResults(captions.Gross, captions.Net));
    layout->addWidget(TxtDetails);
    if (TblMonths)
        layout->addWidget(TblMonths, 1);
    layout->addStretch();
    // Never narrower than the rows need in the language shown.
    setMinimumWidth(std::max(480, layout->minimumSize().width()));

    for (QLineEdit *edit : findChildren<QLineEdit *>()) {
        if (!edit->isReadOnly())
            KeyFilter->SetEnterAction(edit, [this] { BtnCalcClick(); });
    }
    ClearAnswer();
    TxtTarget->setFocus(Qt::OtherFocusReason);
}

// 计算 and 关闭. Enter in an edit calculates; on a button it clicks that button. Neither is a
// default button, so Enter never closes the dialog by surprise.
QLayout *TFrmCurReverse::BuildButtons() {
    BtnCalc = new QPushButton(tr("计算"), this);
    BtnCalc->setObjectName(QStringLiteral("BtnCalc"));
    BtnClose = new QPushButton(tr("关闭"), this);
    BtnClose->setObjectName(QStringLiteral("BtnClose"));
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {BtnCalc, BtnClose}) {
        button->setAutoDefault(false);
        DesktopHabits::ClickOnEnter(button);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    connect(BtnCalc, &QPushButton::clicked, this, &TFrmCurReverse::BtnCalcClick);
    connect(BtnClose, &QPushButton::clicked, this, &QDialog::reject);
    return buttons;
}

// The gross with its copy button, and the net it keeps.
QLayout *TFrmCurReverse::BuildResults(const QString &GrossCaption, const QString &NetCaption) {
    auto *results = new QFormLayout;
    results->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    TxtGross = new QLineEdit(this);
    TxtGross->setObjectName(QStringLiteral("TxtGross"));
    TxtNet = new QLineEdit(this);
    TxtNet->setObjectName(QStringLiteral("TxtNet"));
    for (QLineEdit *edit : {TxtGross, TxtNet}) {
        edit->setReadOnly(true);
        edit->setFixedWidth(150);
        DesktopHabits::TipWhenClipped(edit);
    }
    TCalcPage::Describe(TxtGross, GrossCaption);
    TCalcPage::Describe(TxtNet, NetCaption);
    BtnCopyGross = new QPushButton(tr("复制"), this);
    BtnCopyGross->setObjectName(QStringLiteral("BtnCopyGross"));
    BtnCopyGross->setAccessibleName(tr("复制%1").arg(TxtGross->accessibleName()));
    connect(BtnCopyGross, &QPushButton::clicked, this,
            [this] { TUtils::CopyToClipboard(TxtGross->text()); });
    auto *grossRow = new QHBoxLayout;
    grossRow->addWidget(TxtGross);
    grossRow->addWidget(BtnCopyGross);
    grossRow->addStretch();
    results->addRow(GrossCaption, grossRow);
    results->addRow(NetCaption, TxtNet);
    return results;
}

QLineEdit *TFrmCurReverse::AmountField(QFormLayout *Form, const QString &Name,
                                       const QString &Caption, const QString &Text) {
    auto *edit = new QLineEdit(Text.trimmed(), this);
    edit->setObjectName(Name);
    edit->setFixedWidth(150);
    TCalcPage::Describe(edit, Caption);
    KeyFilter->Attach(edit);
    Form->addRow(Caption, edit);
    return edit;
}

QRadioButton *TFrmCurReverse::Choice(const QString &Name, const QString &Text, bool Checked) {
    auto *radio = new QRadioButton(Text, this);
    radio->setObjectName(Name);
    radio->setChecked(Checked);
    TCalcPage::Describe(radio, Text);
    return radio;
}

void TFrmCurReverse::BuildWage(QFormLayout *Form, const Start &From) {
    TxtExempt = AmountField(Form, QStringLiteral("TxtExempt"), tr("免税收入："), From.Exempt);
    RBtnFixed = Choice(QStringLiteral("RBtnFixed"), tr("固定金额"), true);
    RBtnByRate = Choice(QStringLiteral("RBtnByRate"), tr("按缴费比例"), false);
    Form->addRow(tr("三险一金："), ChoiceRow(this, {RBtnFixed, RBtnByRate}));
    TxtInsurance =
        AmountField(Form, QStringLiteral("TxtInsurance"), tr("每月三险一金："), From.Insurance);
    TxtRate = AmountField(Form, QStringLiteral("TxtRate"), tr("缴费比例(%)："));
    TxtRate->setToolTip(tr("个人缴纳的各项比例之和，最多两位小数，如10.5"));
    TxtBaseMin = AmountField(Form, QStringLiteral("TxtBaseMin"), tr("缴费基数下限："));
    TxtBaseMax = AmountField(Form, QStringLiteral("TxtBaseMax"), tr("缴费基数上限："));
    TxtBaseMax->setPlaceholderText(tr("不填为无上限"));
    TxtSpecial =
        AmountField(Form, QStringLiteral("TxtSpecial"), tr("专项附加扣除："), From.Special);
    TxtOther = AmountField(Form, QStringLiteral("TxtOther"), tr("其他扣除："), From.Other);
    BuildWageMonths(Form, From);
    // Only the rows of the chosen way are shown; what is typed in the others stays.
    const auto showMode = [this, Form] {
        const bool byRate = RBtnByRate->isChecked();
        Form->setRowVisible(TxtInsurance, !byRate);
        for (QLineEdit *edit : {TxtRate, TxtBaseMin, TxtBaseMax})
            Form->setRowVisible(edit, byRate);
    };
    showMode();
    connect(RBtnByRate, &QRadioButton::toggled, this, [this, showMode] {
        showMode();
        TxtMsg->clear();
        ClearAnswer();
    });
}

// The months and the way the basic deduction accumulates, as the wage page has them; 6万 only for
// months from January, as there. And the choice of a net the same every month.
void TFrmCurReverse::BuildWageMonths(QFormLayout *Form, const Start &From) {
    const QString monthPattern = tr("%1月");
    const qsizetype number = std::max<qsizetype>(0, monthPattern.indexOf(QLatin1String("%1")));
    const auto month = [&](const QString &Name, int Value, const QString &Caption) {
        auto *spin = new QSpinBox(this);
        spin->setObjectName(Name);
        spin->setRange(1, current::Law::MonthsInYear);
        spin->setValue(Value);
        spin->setPrefix(monthPattern.left(number));
        spin->setSuffix(monthPattern.mid(number + 2));
        TCalcPage::Describe(spin, Caption);
        return spin;
    };
    SpnFirst = month(QStringLiteral("SpnFirst"), std::clamp(From.First, 1, 12), tr("起始月份"));
    SpnLast = month(QStringLiteral("SpnLast"), std::clamp(From.Last, 1, 12), tr("截止月份"));
    auto *months = new QHBoxLayout;
    months->addWidget(SpnFirst);
    months->addWidget(new QLabel(tr("至"), this));
    months->addWidget(SpnLast);
    months->addStretch();
    Form->addRow(tr("月份："), months);
    using current::BasicDeduction;
    RBtnPerMonth = Choice(QStringLiteral("RBtnPerMonth"), sheets::Caption(BasicDeduction::PerMonth),
                          From.Mode == BasicDeduction::PerMonth);
    RBtnFromJanuary =
        Choice(QStringLiteral("RBtnFromJanuary"), sheets::Caption(BasicDeduction::FromJanuary),
               From.Mode == BasicDeduction::FromJanuary);
    RBtnSixty = Choice(QStringLiteral("RBtnSixty"), sheets::Caption(BasicDeduction::Sixty),
                       From.Mode == BasicDeduction::Sixty);
    Form->addRow(tr("减除方式："), ChoiceRow(this, {RBtnPerMonth, RBtnFromJanuary, RBtnSixty}));
    ChkEqualNet = new QCheckBox(tr("每月税后相同（逐月求税前收入）"), this);
    ChkEqualNet->setObjectName(QStringLiteral("ChkEqualNet"));
    TCalcPage::Describe(ChkEqualNet, ChkEqualNet->text());
    ChkEqualNet->setToolTip(tr("按税后工资约定薪酬时：逐月求最低的税前收入，使每个月的税后收入都"
                               "恰为目标；各月税前收入随累计预扣而不同"));
    Form->addRow(QString(), ChkEqualNet);

    TblMonths = new QTableWidget(0, 4, this);
    TblMonths->setObjectName(QStringLiteral("TblMonths"));
    TblMonths->setAccessibleName(tr("各月税前、预扣税额和税后"));
    TblMonths->setHorizontalHeaderLabels(
        {tr("月份"), tr("税前收入"), tr("预扣税额"), tr("税后收入")});
    TblMonths->verticalHeader()->hide();
    TblMonths->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TblMonths->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    TblMonths->hide();

    // 6万 is for those employed here all last year and still in January: months from January.
    const auto sixtyAllowed = [this] {
        const bool allowed = SpnFirst->value() == 1;
        if (!allowed && RBtnSixty->isChecked())
            RBtnPerMonth->setChecked(true);
        RBtnSixty->setEnabled(allowed);
    };
    sixtyAllowed();
    const auto changed = [this] {
        TxtMsg->clear();
        ClearAnswer();
    };
    connect(SpnFirst, &QSpinBox::valueChanged, this, sixtyAllowed);
    for (QSpinBox *spin : {SpnFirst, SpnLast})
        connect(spin, &QSpinBox::valueChanged, this, changed);
    for (QAbstractButton *option : std::initializer_list<QAbstractButton *>{
             RBtnPerMonth, RBtnFromJanuary, RBtnSixty, ChkEqualNet})
        connect(option, &QAbstractButton::toggled, this, changed);
}

void TFrmCurReverse::ShowMonths(const std::vector<current::WageWithholding> &Months) {
    TblMonths->setRowCount(static_cast<int>(Months.size()) + 1);
    Cents gross = 0, tax = 0, net = 0;
    const auto put = [this](int Row, int Column, const QString &Text) {
        auto *item = new QTableWidgetItem(Text);
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        TblMonths->setItem(Row, Column, item);
    };
    int row = 0;
    for (const current::WageWithholding &m : Months) {
        put(row, 0, tr("%1月").arg(m.Month));
        put(row, 1, Amount(m.Income));
        put(row, 2, Amount(m.Tax));
        put(row, 3, Amount(m.Net));
        gross += m.Income;
        tax += m.Tax;
        net += m.Net;
        ++row;
    }
    put(row, 0, tr("合计"));
    put(row, 1, Amount(gross));
    put(row, 2, Amount(tax));
    put(row, 3, Amount(net));
    TblMonths->show();
}

void TFrmCurReverse::BuildBonus(QFormLayout *Form, const Start &From) {
    TxtOtherTaxable = AmountField(Form, QStringLiteral("TxtOtherTaxable"),
                                  tr("全年其他应纳税所得额："), From.OtherTaxable);
    TxtOtherTaxable->setToolTip(tr("只用于计算其他综合所得的税额，不影响反算的奖金"));
}

void TFrmCurReverse::BuildLabour(QFormLayout *Form, const Start &From) {
    using current::RemunerationKind;
    RBtnLabour = Choice(QStringLiteral("RBtnLabour"), sheets::Caption(RemunerationKind::Labour),
                        From.Kind == RemunerationKind::Labour);
    RBtnAuthor = Choice(QStringLiteral("RBtnAuthor"), sheets::Caption(RemunerationKind::Author),
                        From.Kind == RemunerationKind::Author);
    RBtnRoyalty = Choice(QStringLiteral("RBtnRoyalty"), sheets::Caption(RemunerationKind::Royalty),
                         From.Kind == RemunerationKind::Royalty);
    Form->addRow(tr("所得项目："), ChoiceRow(this, {RBtnLabour, RBtnAuthor, RBtnRoyalty}));
    RBtnResident = Choice(QStringLiteral("RBtnResident"), tr("居民个人"), !From.NonResident);
    RBtnNonResident = Choice(QStringLiteral("RBtnNonResident"), tr("非居民个人"), From.NonResident);
    Form->addRow(tr("纳税人身份："), ChoiceRow(this, {RBtnResident, RBtnNonResident}));
}

std::optional<Cents> TFrmCurReverse::Read(QLineEdit *Edit, const QString &Subject, bool Required) {
    if (!Required && Edit->text().trimmed().isEmpty())
        return Cents{0};
    const auto value = current::ParseCents(Edit->text().toStdString());
    if (!value)
        Refuse(tr("%1数据无效，请重新输入。").arg(Subject), Edit);
    return value;
}

bool TFrmCurReverse::Refuse(const QString &Message, QLineEdit *Edit) {
    TxtMsg->setText(Message);
    Edit->setFocus(Qt::OtherFocusReason);
    Edit->selectAll();
    return false;
}

void TFrmCurReverse::BtnCalcClick() {
    TxtMsg->clear();
    ClearAnswer();
    const auto target = Read(TxtTarget, TxtTarget->accessibleName(), true);
    if (!target)
        return;
    const bool shown = What == Subject::Wage    ? ReverseWage(*target)
                       : What == Subject::Bonus ? ReverseBonus(*target)
                                                : ReverseLabour(*target);
    if (shown)
        DesktopHabits::SelectAllFromStart(TxtTarget);
}

bool TFrmCurReverse::ReverseWage(Cents Target) {
    current::WageTerms terms;
    const std::pair<QLineEdit *, Cents *> amounts[] = {{TxtExempt, &terms.Exempt},
                                                       {TxtSpecial, &terms.Special},
                                                       {TxtOther, &terms.Other},
                                                       {TxtInsurance, &terms.Insurance}};
    for (const auto &[edit, field] : amounts) {
        if (edit == TxtInsurance && RBtnByRate->isChecked())
            continue;
        const auto value = Read(edit, edit->accessibleName());
        if (!value)
            return false;
        *field = *value;
    }
    if (RBtnByRate->isChecked()) {
        const auto rate = current::ParseHundredths(TxtRate->text().toStdString());
        if (!rate || *rate > current::WholeInHundredths)
            return Refuse(tr("缴费比例应为0到100之间、最多两位小数的百分数，请重新输入。"),
                          TxtRate);
        const auto floor = Read(TxtBaseMin, TxtBaseMin->accessibleName());
        if (!floor)
            return false;
        const auto ceiling = TxtBaseMax->text().trimmed().isEmpty()
                                 ? std::optional<Cents>(current::Unbounded)
                                 : Read(TxtBaseMax, TxtBaseMax->accessibleName());
        if (!ceiling)
            return false;
        if (*ceiling < *floor)
            return Refuse(tr("缴费基数上限不能低于下限，请重新输入。"), TxtBaseMax);
        terms.ByRate = current::InsuranceByRate{*rate, *floor, *ceiling};
    }
    if (SpnFirst->value() > SpnLast->value()) {
        TxtMsg->setText(tr("起始月份不能晚于截止月份，请重新选择。"));
        SpnFirst->setFocus(Qt::OtherFocusReason);
        return false;
    }
    terms.First = SpnFirst->value();
    terms.Last = SpnLast->value();
    terms.Mode = RBtnSixty->isChecked() && terms.First == 1 ? current::BasicDeduction::Sixty
                 : RBtnFromJanuary->isChecked()             ? current::BasicDeduction::FromJanuary
                                                            : current::BasicDeduction::PerMonth;
    const bool equalNet = ChkEqualNet->isChecked();
    const auto year = equalNet ? current::ReverseWageEqualNet(Target, terms)
                               : current::ReverseWage(Target, terms);
    if (!year)
        return Refuse(tr("月薪在%1元以下都达不到这个税后收入。").arg(Amount(current::GrossLimit)),
                      TxtTarget);
    const QString months =
        tr("%1至%2月共%3个月").arg(terms.First).arg(terms.Last).arg(terms.MonthCount());
    const QString totals = tr("税前%1元，三险一金%2元，预扣税额%3元，税后合计%4元")
                               .arg(Amount(year->YearGross), Amount(year->YearInsurance),
                                    Amount(year->YearTax), Amount(year->YearNet));
    if (equalNet) {
        ShowAnswer(
            std::nullopt, year->Net,
            tr("%1每月税后都为%2元，各月税前见下表；%3。").arg(months, Amount(year->Net), totals));
        ShowMonths(year->Months);
        return true;
    }
    ShowAnswer(year->Gross, year->Net,
               tr("%1：%2；%3月税后%4元，%5月税后%6元。")
                   .arg(months, totals)
                   .arg(year->Months.front().Month)
                   .arg(Amount(year->Months.front().Net))
                   .arg(year->Months.back().Month)
                   .arg(Amount(year->Months.back().Net)));
    return true;
}

bool TFrmCurReverse::ReverseBonus(Cents Target) {
    const auto other = Read(TxtOtherTaxable, TxtOtherTaxable->accessibleName());
    if (!other)
        return false;
    const auto bonus = current::ReverseBonus(Target, *other);
    if (!bonus)
        return Refuse(tr("奖金在%1元以下都达不到这个税后奖金。").arg(Amount(current::GrossLimit)),
                      TxtTarget);
    const current::SeparateBonus &s = bonus->Separate;
    QString details = tr("税率%1，速算扣除数%2元，奖金应纳税额%3元；其他综合所得应纳税额%4元，"
                         "合计%5元。")
                          .arg(RateText(s.Rate), Amount(s.QuickDeduction), Amount(s.BonusTax),
                               Amount(s.OtherTax), Amount(s.Total));
    if (bonus->CliffAbove)
        details += u'\n' + tr("临界点：奖金超过%1元而不到%2元时，税后反而少于发%1元，最多少得%3元；"
                              "加发奖金时应越过%2元。")
                               .arg(Amount(bonus->CliffAbove->From), Amount(bonus->CliffAbove->To),
                                    Amount(bonus->CliffAbove->Loss));
    ShowAnswer(bonus->Gross, bonus->Net, details);
    return true;
}

bool TFrmCurReverse::ReverseLabour(Cents Target) {
    using current::RemunerationKind;
    const RemunerationKind kind = RBtnAuthor->isChecked()    ? RemunerationKind::Author
                                  : RBtnRoyalty->isChecked() ? RemunerationKind::Royalty
                                                             : RemunerationKind::Labour;
    const auto payment = current::ReverseRemuneration(Target, kind, RBtnNonResident->isChecked());
    if (!payment)
        return Refuse(tr("收入在%1元以下都达不到这个税后收入。").arg(Amount(current::GrossLimit)),
                      TxtTarget);
    ShowAnswer(payment->Income, payment->AfterTax,
               tr("减除费用%1元，应纳税所得额%2元，税率%3，速算扣除数%4元，应纳税额%5元。")
                   .arg(Amount(payment->Deduction), Amount(payment->Taxable),
                        RateText(payment->Rate), Amount(payment->QuickDeduction),
                        Amount(payment->Tax)));
    return true;
}

void TFrmCurReverse::ShowAnswer(std::optional<Cents> Gross, Cents Net, const QString &Details) {
    // With a gross of each month's own there is no one gross to copy: the table shows them.
    if (Gross)
        DesktopHabits::ShowResult(TxtGross, Amount(*Gross));
    else
        TxtGross->setText(tr("各月不同"));
    DesktopHabits::ShowResult(TxtNet, Amount(Net));
    TxtDetails->setText(Details);
    BtnCopyGross->setEnabled(Gross.has_value());
    // The details wrap onto as many lines as they need: the dialog grows to show them whole.
    layout()->activate();
    const int needed = layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width())
                                                     : layout()->totalSizeHint().height();
    if (needed > height())
        resize(width(), needed);
}

void TFrmCurReverse::ClearAnswer() {
    if (TblMonths) {
        TblMonths->setRowCount(0);
        TblMonths->hide();
    }
    TxtGross->clear();
    TxtNet->clear();
    TxtDetails->clear();
    BtnCopyGross->setEnabled(false);
}
