#include "pages/UFrmSharedItem.h"

#include "common/UCalcPage.h"
#include "common/UDesktopHabits.h"
#include "common/ULawText.h"
#include "common/UNumKeyFilter.h"
#include "sheets/Captions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using current::CalendarMonth;

QString MonthText(const CalendarMonth &When) {
    return QString::asprintf("%04d-%02d", When.Year, When.Month);
}

QDate DayOf(const current::Date &Day) {
    return QDate(Day.Year, Day.Month, Day.Day);
}

QDate DayOf(const CalendarMonth &When) {
    return QDate(When.Year, When.Month, 1);
}

CalendarMonth MonthOf(const QDateEdit *Edit) {
    return {Edit->date().year(), Edit->date().month()};
}

const current::YearRules &RulesFor(int Year) {
    const current::YearRules *rules = current::RulesOf(Year);
    return rules ? *rules : current::LatestRules();
}

} // namespace

TFrmSharedItem::TFrmSharedItem(Kind What, int Year, QWidget *Parent)
    : QDialog(Parent), What(What), Year(Year) {
    setObjectName(QStringLiteral("TFrmSharedItem"));
    KeyFilter = new TNumKeyFilter(this);
    auto *form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    switch (What) {
    case Kind::Child:
        BuildChild(form);
        break;
    case Kind::Loan:
        BuildLoan(form);
        break;
    case Kind::Lease:
        BuildLease(form);
        break;
    case Kind::Illness:
        BuildIllness(form);
        break;
    }

    TxtMsg = new QLabel(this);
    TxtMsg->setObjectName(QStringLiteral("TxtMsg"));
    TxtMsg->setStyleSheet(QStringLiteral("color: red;"));
    TxtMsg->setWordWrap(true);
    TCalcPage::Describe(TxtMsg, tr("共同项目提示"));

    BtnOK = new QPushButton(tr("确定"), this);
    BtnOK->setObjectName(QStringLiteral("BtnOK"));
    BtnOK->setDefault(true);
    BtnCancel = new QPushButton(tr("取消"), this);
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *button : {BtnOK, BtnCancel}) {
        DesktopHabits::ClickOnEnter(button);
        buttons->addWidget(button);
    }
    connect(BtnOK, &QPushButton::clicked, this, &TFrmSharedItem::BtnOKClick);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->addLayout(form);
    layout->addWidget(TxtMsg);
    layout->addLayout(buttons);
}

QDateEdit *TFrmSharedItem::DateField(const QString &Name, const QString &Caption, bool Months) {
    auto *edit = new QDateEdit(this);
    edit->setObjectName(Name);
    // Written as the year file writes dates, whatever the desktop's language.
    edit->setDisplayFormat(Months ? QStringLiteral("yyyy-MM") : QStringLiteral("yyyy-MM-dd"));
    edit->setDateRange(QDate(current::FirstDateYear, 1, 1), QDate(current::LastDateYear, 12, 31));
    edit->setDate(QDate(Year, 1, 1));
    TCalcPage::Describe(edit, Caption);
    return edit;
}

void TFrmSharedItem::BuildChild(QFormLayout *Form) {
    setWindowTitle(tr("共同的子女"));
    DateBorn = DateField(QStringLiteral("DateBorn"), tr("出生日期"), false);
    Form->addRow(tr("出生日期："), DateBorn);
    ChkEducationEnd = new QCheckBox(tr("受教育至"), this);
    ChkEducationEnd->setObjectName(QStringLiteral("ChkEducationEnd"));
    TCalcPage::Describe(ChkEducationEnd, ChkEducationEnd->text());
    DateEducationEnd = DateField(QStringLiteral("DateEducationEnd"), tr("受教育截止月份"), true);
    DateEducationEnd->setEnabled(false);
    connect(ChkEducationEnd, &QCheckBox::toggled, DateEducationEnd, &QWidget::setEnabled);
    auto *row = new QHBoxLayout;
    row->addWidget(ChkEducationEnd);
    row->addWidget(DateEducationEnd);
    row->addStretch();
    Form->addRow(QString(), row);
    Form->addRow(QString(),
                 new QLabel(tr("不勾选：受教育至年底。由谁扣除、扣除多少由家庭分配决定。"), this));
}

void TFrmSharedItem::BuildLoan(QFormLayout *Form) {
    setWindowTitle(tr("共同的住房贷款"));
    DateFirstRepayment = DateField(QStringLiteral("DateFirstRepayment"), tr("首次还款月份"), true);
    Form->addRow(tr("首次还款月份："), DateFirstRepayment);
    ChkBeforeMarriage =
        new QCheckBox(tr("婚前各自购房，可各扣除%1%").arg(current::Law::HalfShare), this);
    ChkBeforeMarriage->setObjectName(QStringLiteral("ChkBeforeMarriage"));
    TCalcPage::Describe(ChkBeforeMarriage, ChkBeforeMarriage->text());
    ChkBeforeMarriage->setToolTip(tr("夫妻婚前分别购买住房发生的首套住房贷款，婚后可选择其中一套"
                                     "由购买方全额扣除，也可以对各自购买的住房分别按%1%扣除。")
                                      .arg(current::Law::HalfShare));
    Form->addRow(QString(), ChkBeforeMarriage);
}

void TFrmSharedItem::BuildLease(QFormLayout *Form) {
    setWindowTitle(tr("共同的租房"));
    DateFrom = DateField(QStringLiteral("DateFrom"), tr("租房起始月份"), true);
    DateTo = DateField(QStringLiteral("DateTo"), tr("租房截止月份"), true);
    DateTo->setDate(QDate(Year, current::Law::MonthsInYear, 1));
    Form->addRow(tr("起始月份："), DateFrom);
    Form->addRow(tr("截止月份："), DateTo);
    CmbRent = new QComboBox(this);
    CmbRent->setObjectName(QStringLiteral("CmbRent"));
    const current::YearRules &rules = RulesFor(Year);
    const int residents = current::Law::MiddleCityResidents / 10000;
    CmbRent->addItem(tr("每月%1元（直辖市、省会城市等）").arg(LawText::Amount(rules.RentLargeCity)),
                     QVariant::fromValue(rules.RentLargeCity));
    CmbRent->addItem(tr("每月%1元（户籍人口超过%2万的城市）")
                         .arg(LawText::Amount(rules.RentMiddleCity))
                         .arg(residents),
                     QVariant::fromValue(rules.RentMiddleCity));
    CmbRent->addItem(tr("每月%1元（户籍人口不超过%2万的城市）")
                         .arg(LawText::Amount(rules.RentSmallCity))
                         .arg(residents),
                     QVariant::fromValue(rules.RentSmallCity));
    auto *caption = new QLabel(tr("扣除标准："), this);
    caption->setBuddy(CmbRent);
    Form->addRow(caption, CmbRent);
    CmbSigner = new QComboBox(this);
    CmbSigner->setObjectName(QStringLiteral("CmbSigner"));
    CmbSigner->addItem(tr("a"), QVariant::fromValue(int(current::Signer::A)));
    CmbSigner->addItem(tr("b"), QVariant::fromValue(int(current::Signer::B)));
    CmbSigner->addItem(tr("两人都签了"), QVariant::fromValue(int(current::Signer::Both)));
    CmbSigner->setToolTip(tr("夫妻主要工作城市相同的，只能由签订租赁合同的一方扣除住房租金（%1）。")
                              .arg(QString::fromUtf8(current::LeaseSignerDocument)));
    auto *signer = new QLabel(tr("租赁合同签约人："), this);
    signer->setBuddy(CmbSigner);
    Form->addRow(signer, CmbSigner);
}

void TFrmSharedItem::BuildIllness(QFormLayout *Form) {
    setWindowTitle(tr("共同的大病医疗"));
    CmbWho = new QComboBox(this);
    CmbWho->setObjectName(QStringLiteral("CmbWho"));
    CmbWho->addItem(tr("子女（父母任一方扣除）"),
                    QVariant::fromValue(int(current::IllnessOf::Child)));
    CmbWho->addItem(tr("配偶（由另一方扣除）"),
                    QVariant::fromValue(int(current::IllnessOf::Spouse)));
    auto *caption = new QLabel(tr("患者："), this);
    caption->setBuddy(CmbWho);
    Form->addRow(caption, CmbWho);
    TxtPaid = new QLineEdit(this);
    TxtPaid->setObjectName(QStringLiteral("TxtPaid"));
    TCalcPage::Describe(TxtPaid, tr("全年自付金额"));
    KeyFilter->Attach(TxtPaid);
    Form->addRow(tr("全年自付金额："), TxtPaid);
    Form->addRow(QString(), new QLabel(tr("医保目录内自付超过%1元的部分，每人每年最多扣除%2元。")
                                           .arg(LawText::Amount(current::Law::IllnessFloor),
                                                LawText::Amount(current::Law::IllnessCap)),
                                       this));
}

void TFrmSharedItem::BtnOKClick() {
    if (TxtPaid && !current::ParseCents(TxtPaid->text().toStdString())) {
        TxtMsg->setText(tr("全年自付金额数据无效，请重新输入。"));
        TxtPaid->setFocus(Qt::OtherFocusReason);
        TxtPaid->selectAll();
        return;
    }
    accept();
}

void TFrmSharedItem::SetChild(const current::SharedChild &Child) {
    DateBorn->setDate(DayOf(Child.Born));
    ChkEducationEnd->setChecked(Child.EducationEnd.has_value());
    if (Child.EducationEnd)
        DateEducationEnd->setDate(DayOf(*Child.EducationEnd));
}

void TFrmSharedItem::SetLoan(const current::SharedLoan &Loan) {
    DateFirstRepayment->setDate(DayOf(Loan.FirstRepayment));
    ChkBeforeMarriage->setChecked(Loan.BothBeforeMarriage);
}

void TFrmSharedItem::SetLease(const current::SharedLease &Lease) {
    CmbSigner->setCurrentIndex(
        std::max(0, CmbSigner->findData(QVariant::fromValue(int(Lease.SignedBy)))));
    DateFrom->setDate(DayOf(Lease.From));
    DateTo->setDate(DayOf(Lease.To));
    int index = CmbRent->findData(QVariant::fromValue(Lease.Amount));
    // An amount of another year's rules, as a file may hold it: kept, for the check to name.
    if (index < 0) {
        CmbRent->addItem(tr("每月%1元").arg(LawText::Amount(Lease.Amount)),
                         QVariant::fromValue(Lease.Amount));
        index = CmbRent->count() - 1;
    }
    CmbRent->setCurrentIndex(index);
}

void TFrmSharedItem::SetIllness(const current::IllnessFacts &Entry) {
    CmbWho->setCurrentIndex(std::max(0, CmbWho->findData(QVariant::fromValue(int(Entry.Who)))));
    TxtPaid->setText(QString::fromStdString(current::FormatYuan(Entry.Paid)));
}

current::SharedChild TFrmSharedItem::Child() const {
    const QDate born = DateBorn->date();
    current::SharedChild child{{born.year(), born.month(), born.day()}, std::nullopt};
    if (ChkEducationEnd->isChecked())
        child.EducationEnd = MonthOf(DateEducationEnd);
    return child;
}

current::SharedLoan TFrmSharedItem::Loan() const {
    return {MonthOf(DateFirstRepayment), ChkBeforeMarriage->isChecked()};
}

current::SharedLease TFrmSharedItem::Lease() const {
    return {{MonthOf(DateFrom), MonthOf(DateTo), CmbRent->currentData().value<current::Cents>()},
            static_cast<current::Signer>(CmbSigner->currentData().toInt())};
}

current::IllnessFacts TFrmSharedItem::Illness() const {
    return {static_cast<current::IllnessOf>(CmbWho->currentData().toInt()),
            current::ParseCents(TxtPaid->text().toStdString()).value_or(0)};
}

QString TFrmSharedItem::Title(const current::SharedChild &Child) {
    const QString born = DayOf(Child.Born).toString(Qt::ISODate);
    if (!Child.EducationEnd)
        return tr("子女（%1出生）").arg(born);
    return tr("子女（%1出生，受教育至%2）").arg(born, MonthText(*Child.EducationEnd));
}

QString TFrmSharedItem::Title(const current::SharedLoan &Loan) {
    const QString first = MonthText(Loan.FirstRepayment);
    return Loan.BothBeforeMarriage ? tr("住房贷款利息（首次还款%1，婚前各自购房）").arg(first)
                                   : tr("住房贷款利息（首次还款%1）").arg(first);
}

QString TFrmSharedItem::Title(const current::SharedLease &Lease) {
    const QString signer = Lease.SignedBy == current::Signer::A   ? tr("a 签约")
                           : Lease.SignedBy == current::Signer::B ? tr("b 签约")
                                                                  : tr("两人签约");
    return tr("住房租金（%1至%2，每月%3元，%4）")
        .arg(MonthText(Lease.From), MonthText(Lease.To), LawText::Amount(Lease.Amount), signer);
}

QString TFrmSharedItem::Title(const current::IllnessFacts &Entry) {
    const QString who = sheets::Caption(Entry.Who);
    return tr("大病医疗（%1，自付%2元）").arg(who, LawText::Amount(Entry.Paid));
}
