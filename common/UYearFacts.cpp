#include "common/UYearFacts.h"

#include "common/UCalcPage.h"
#include "common/UDeductionFacts.h"
#include "common/UFactTable.h"
#include "common/ULawText.h"
#include "common/UNumKeyFilter.h"
#include "common/UScrollColumn.h"
#include "engine/current/Rules.h"
#include "engine/current/RulesInUse.h"
#include "engine/current/Wage.h"
#include "sheets/Captions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

using TValue = TFactColumn::TValue;

TFactColumn Month(const char *Key, const QString &Header, int Default) {
    return TFactColumn::Month(QString::fromLatin1(Key), Header, Default);
}

TFactColumn Amount(const char *Key, const QString &Header) {
    return TFactColumn::Amount(QString::fromLatin1(Key), Header);
}

TFactColumn Choice(const char *Key, const QString &Header, TValue Value, const QStringList &Values,
                   const QStringList &Texts) {
    return TFactColumn::Choice(QString::fromLatin1(Key), Header, Value, Values, Texts);
}

// The names the year file gives the choices, which the lists show in words.
const QStringList &Modes() {
    static const QStringList modes{QStringLiteral("按月"), QStringLiteral("自1月"),
                                   QStringLiteral("6万")};
    return modes;
}

const QStringList &Kinds() {
    static const QStringList kinds{QStringLiteral("labour"), QStringLiteral("author"),
                                   QStringLiteral("royalty")};
    return kinds;
}

const QStringList &Methods() {
    static const QStringList methods{QStringLiteral("best"), QStringLiteral("separate"),
                                     QStringLiteral("merged")};
    return methods;
}

// A wrapping line under a table group's title: a long title would not wrap, and would widen the
// whole column.
QLabel *NoteUnderTitle(QGroupBox *Group, const QString &Text) {
    auto *note = new QLabel(Text, Group);
    note->setStyleSheet(QStringLiteral("color: gray;"));
    note->setWordWrap(true);
    if (auto *box = qobject_cast<QBoxLayout *>(Group->layout()))
        box->insertWidget(0, note);
    return note;
}

} // namespace

namespace {

// What Json holds at Path: undefined where a key or an entry is left out.
QJsonValue ValueAt(const QJsonObject &Json, const TFactPath &Path) {
    QJsonValue value = Json;
    for (const TFactPath::Step &step : Path.Steps) {
        if (!step.Key.isEmpty())
            value = value.toObject().value(step.Key);
        if (step.Index >= 0)
            value = value.toArray().at(step.Index);
    }
    return value;
}

QString ValueText(const QJsonValue &Value) {
    if (Value.isString())
        return Value.toString().trimmed();
    if (Value.isDouble())
        return Value.toVariant().toString();
    return {};
}

// The job a path within it belongs to: "jobs[1].deductions_here" → "jobs[1]".
TFactPath JobOf(const TFactPath &Path) {
    TFactPath job;
    job.Steps = Path.Steps.first(std::min<qsizetype>(1, Path.Steps.size()));
    return job;
}

QString Yuan(current::Cents Value) {
    return TYearFactsForm::tr("%1元").arg(QString::fromStdString(current::FormatCents(Value)));
}

// The check's fault at Place, each kind in the words of the page.
QString CheckedWords(const current::YearFault &Fault, const TFactPath &Path,
                     const std::function<TFactPlace(const TFactPath &)> &PlaceOf) {
    using K = current::YearFaultKind;
    const QString place = PlaceOf(Path).Name;
    const QString other = Fault.Other.empty()
                              ? QString()
                              : PlaceOf(TFactPath::Of(QString::fromStdString(Fault.Other))).Name;
    switch (Fault.Kind) {
    case K::YearUnknown:
        return TYearFactsForm::tr("纳税年度应在%1年至%2年之间")
            .arg(current::FirstRulesYear)
            .arg(current::LastRulesYear);
    case K::TooManyEntries:
        return TYearFactsForm::tr("%1最多填%2项").arg(place).arg(Fault.Value);
    case K::NoJob:
        return TYearFactsForm::tr("请至少填一家任职单位");
    case K::NoEmployer:
        return TYearFactsForm::tr("%1的单位名称未填").arg(PlaceOf(JobOf(Path)).Name);
    case K::NoPay:
        return TYearFactsForm::tr("%1的工资未填").arg(PlaceOf(JobOf(Path)).Name);
    case K::MonthOutOfRange:
        return TYearFactsForm::tr("%1应为1至12月").arg(place);
    case K::FromAfterTo:
        return TYearFactsForm::tr("%1晚于截止的月份").arg(place);
    case K::AmountNegative:
        return TYearFactsForm::tr("%1不能为负数").arg(place);
    case K::AmountTooLarge:
        return TYearFactsForm::tr("%1超过了%2").arg(place, Yuan(Fault.Value));
    case K::FirstPayNotJobFrom:
        return TYearFactsForm::tr("%1的第一行工资应自任职的第一个月（%2月）起")
            .arg(PlaceOf(JobOf(Path)).Name)
            .arg(Fault.Value);
    case K::PayNotRising:
        return TYearFactsForm::tr("%1应晚于上一行工资的月份").arg(place);
    case K::PayAfterJobEnd:
        return TYearFactsForm::tr("%1晚于任职的最后一个月（%2月）").arg(place).arg(Fault.Value);
    case K::DeductedTwice:
        return TYearFactsForm::tr("%1和%2在%3月都扣专项附加扣除，只能有一家")
            .arg(other, PlaceOf(JobOf(Path)).Name)
            .arg(Fault.Month);
    case K::SixtyNotFromJanuary:
        return TYearFactsForm::tr("%1不是自1月起任职，不能按6万减除")
            .arg(PlaceOf(JobOf(Path)).Name);
    case K::FromJanuaryNotFirst:
        return TYearFactsForm::tr("%1任职早于%2，%2不能按自1月减除")
            .arg(other, PlaceOf(JobOf(Path)).Name);
    case K::ShareNotHalfOrWhole:
        return TYearFactsForm::tr("%1应为%2%或%3%")
            .arg(place)
            .arg(current::Law::WholeShare)
            .arg(current::Law::HalfShare);
    case K::ElderlyShareTooLarge:
        return TYearFactsForm::tr("%1超过了%2年的上限%3")
            .arg(place)
            .arg(Fault.Year)
            .arg(Yuan(Fault.Value));
    case K::ElderlyShareMissing:
        return TYearFactsForm::tr("不是独生子女，%1未填").arg(place);
    case K::NoParent:
        return TYearFactsForm::tr("赡养老人须填父母（或其他被赡养人）的出生日期");
    case K::RentAmountUnknown:
        return TYearFactsForm::tr("%1应为%2年的标准之一").arg(place).arg(Fault.Year);
    case K::RentAndLoan:
        return TYearFactsForm::tr("%1年既有住房租金又有住房贷款利息，只能扣除其中一项")
            .arg(Fault.Year);
    case K::OutsideYear:
        return TYearFactsForm::tr("%1不在%2年内").arg(place).arg(Fault.Year);
    case K::NoSuchEmployer:
        return TYearFactsForm::tr("%1不是所填的任职单位之一").arg(place);
    case K::ModeNotYetLaw: {
        const bool sixty = Fault.Value != 0;
        return TYearFactsForm::tr("%1%2年不能按%3减除：此方式自%4起施行")
            .arg(PlaceOf(JobOf(Path)).Name)
            .arg(Fault.Year)
            .arg(sheets::Caption(sixty ? current::BasicDeduction::Sixty
                                       : current::BasicDeduction::FromJanuary),
                 LawText::Date(sixty ? current::Law::SixtyFrom : current::Law::FromJanuaryFrom));
    }
    case K::PensionBeforeScheme:
        return TYearFactsForm::tr("%1早于个人养老金实施之日（%2），不能扣除")
            .arg(place, LawText::Date(current::Law::PensionFrom));
    case K::DaysOutOfRange:
        return TYearFactsForm::tr("在中国境内的天数应为1至%1天").arg(Fault.Value);
    case K::NoSuchChild:
        return TYearFactsForm::tr("%1：所填的孩子不在子女之中（共%2个孩子）")
            .arg(place)
            .arg(Fault.Value);
    case K::ChildNameEmpty:
        return TYearFactsForm::tr("%1：孩子的名字未填").arg(place);
    case K::ChildNotChild:
        return TYearFactsForm::tr("%1：只有子女的大病医疗才能指明是哪个孩子").arg(place);
    case K::DateInvalid:
        break;
    }
    const TFactPlace at = PlaceOf(Path);
    return at.Hint.isEmpty()
               ? TYearFactsForm::tr("%1不是有效的日期").arg(at.Name)
               : TYearFactsForm::tr("%1不是有效的日期，应写作%2").arg(at.Name, at.Hint);
}

} // namespace

QString YearFaultWords(const TYearRead &Read, const QJsonObject &Json,
                       const std::function<TFactPlace(const TFactPath &)> &PlaceOf) {
    if (Read.Facts)
        return {};
    const TFactPath path = TFactPath::Of(Read.Path);
    if (Read.Checked)
        return CheckedWords(*Read.Checked, path, PlaceOf);
    // A fault of the reading: a field left blank, or a text that is not what the field takes.
    const TFactPlace place = PlaceOf(path);
    const QString text = ValueText(ValueAt(Json, path));
    if (text.isEmpty())
        return TYearFactsForm::tr("%1未填").arg(place.Name);
    return place.Hint.isEmpty()
               ? TYearFactsForm::tr("%1“%2”无效").arg(place.Name, text)
               : TYearFactsForm::tr("%1“%2”无效，应写作%3").arg(place.Name, text, place.Hint);
}

TYearFactsForm::TYearFactsForm(QWidget *Parent) : QWidget(Parent) {
    setObjectName(QStringLiteral("YearFacts"));
    KeyFilter = new TNumKeyFilter(this);
    TabsFacts = new QTabWidget(this);
    TabsFacts->setObjectName(QStringLiteral("TabsFacts"));
    TabsFacts->addTab(BuildIncome(), tr("工作与收入"));
    auto *deductions = new QVBoxLayout;
    Deductions = new TDeductionFacts;
    deductions->addWidget(Deductions);
    TabsFacts->addTab(ScrollColumn(deductions, TabsFacts, QStringLiteral("ScrollDeductions")),
                      tr("专项附加扣除等"));
    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(TabsFacts);
    connect(Deductions, &TDeductionFacts::Edited, this, &TYearFactsForm::Edited);
    connect(Deductions, &TDeductionFacts::FieldEdited, this, &TYearFactsForm::FieldEdited);
}

QString JobTitle(const current::JobFacts &Job) {
    return TYearFactsForm::tr("%1（%2至%3月）")
        .arg(QString::fromStdString(Job.Employer))
        .arg(Job.From)
        .arg(Job.To);
}

TYearFactsForm::~TYearFactsForm() {
    for (QObject *part :
         std::initializer_list<QObject *>{TblJobs, TblPay, TblPayments, TblDonations, Deductions})
        disconnect(part, nullptr, this, nullptr);
}

QWidget *TYearFactsForm::BuildIncome() {
    auto *column = new QVBoxLayout;
    column->setSpacing(6);
    auto *year = new QFormLayout;
    year->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    SpnYear = new QSpinBox;
    SpnYear->setObjectName(QStringLiteral("SpnYear"));
    SpnYear->setRange(current::FirstRulesYear, current::LastRulesYear);
    // The year as the language writes it: "2026年", "2026".
    const QStringList around = tr("%1年").split(QStringLiteral("%1"));
    SpnYear->setPrefix(around.value(0));
    SpnYear->setSuffix(around.value(1));
    TCalcPage::Describe(SpnYear, tr("纳税年度"));
    year->addRow(tr("纳税年度："), SpnYear);
    TxtName = new QLineEdit;
    TxtName->setObjectName(QStringLiteral("TxtName"));
    TxtName->setMaxLength(static_cast<int>(current::MaxNameLength));
    TxtName->setPlaceholderText(tr("可不填"));
    TCalcPage::Describe(TxtName, tr("姓名"));
    year->addRow(tr("姓名："), TxtName);
    connect(TxtName, &QLineEdit::textEdited, this, [this] {
        const QString name = TxtName->text().trimmed();
        FieldEdit(QStringLiteral("name"),
                  name.isEmpty() ? QJsonValue(QJsonValue::Undefined) : QJsonValue(name));
    });
    auto *days = new QHBoxLayout;
    SpnDays = new QSpinBox;
    SpnDays->setObjectName(QStringLiteral("SpnDays"));
    SpnDays->setRange(0, current::Law::MaxDaysInYear);
    SpnDays->setSpecialValueText(tr("未填写"));
    TCalcPage::Describe(SpnDays, tr("本年在中国境内的天数"));
    TxtResidency = new QLabel;
    TxtResidency->setObjectName(QStringLiteral("TxtResidency"));
    TxtResidency->setWordWrap(true);
    TCalcPage::Describe(TxtResidency, tr("居民身份"));
    days->addWidget(SpnDays);
    days->addWidget(TxtResidency, 1);
    year->addRow(tr("在中国境内天数："), days);
    column->addLayout(year);
    connect(SpnDays, &QSpinBox::valueChanged, this, [this](int Days) {
        ShowResidency();
        FieldEdit(QStringLiteral("days_in_china"),
                  Days > 0 ? QJsonValue(Days) : QJsonValue(QJsonValue::Undefined));
    });
    ShowResidency();
    connect(SpnYear, &QSpinBox::valueChanged, this, [this](int Year) {
        Deductions->SetYear(Year);
        SetModesOf(Year);
        UserEdit();
    });

    TblJobs = new TFactTable(
        QStringLiteral("TblJobs"), tr("任职单位"),
        {TFactColumn::Text(QStringLiteral("employer"), tr("单位"), {}, tr("任职单位")),
         Month("from", tr("起"), 1), Month("to", tr("止"), 12),
         Choice("mode", tr("减除方式"), TValue::Text, Modes(),
                {sheets::Caption(current::BasicDeduction::PerMonth),
                 sheets::Caption(current::BasicDeduction::FromJanuary),
                 sheets::Caption(current::BasicDeduction::Sixty)}),
         Choice("deductions_here", tr("扣专项附加"), TValue::Flag,
                {QStringLiteral("true"), QStringLiteral("false")}, {tr("是"), tr("否")})});
    TblJobs->SetPayloadKey(QStringLiteral("pay"));
    QGroupBox *jobs = TblJobs->Group(tr("任职单位"));
    NoteUnderTitle(jobs, tr("同一个月只能由一个单位扣除专项附加扣除。"));
    column->addWidget(jobs);
    TblPay = new TFactTable(QStringLiteral("TblPay"), tr("工资"),
                            {Month("from", tr("自该月起"), 1), Amount("income", tr("每月收入")),
                             Amount("exempt", tr("免税收入")), Amount("insurance", tr("三险一金")),
                             Amount("other", tr("其他扣除"))});
    GrpPay = TblPay->Group(tr("工资"));
    TxtPayNote = NoteUnderTitle(GrpPay, QString());
    column->addWidget(GrpPay);
    // A new job begins after the months of the last, a new pay after the last pay's month: a
    // year's jobs follow one another, and a pay row is a change from a month on.
    const auto after = [](TFactTable *Table, const QString &Key, int Row) {
        int last = 0;
        for (int row = 0; row < Table->rowCount(); ++row) {
            if (row != Row)
                last = std::max(last, Table->Value(row, Key).toInt());
        }
        if (last > 0)
            Table->SetValue(Row, QStringLiteral("from"),
                            QString::number(std::min(last + 1, current::Law::MonthsInYear)));
    };
    TblJobs->SetNewRow([this, after](int Row) { after(TblJobs, QStringLiteral("to"), Row); });
    TblPay->SetNewRow([this, after](int Row) { after(TblPay, QStringLiteral("from"), Row); });
    connect(TblJobs, &TFactTable::Edited, this, &TYearFactsForm::JobsEdited);
    connect(TblJobs, &QTableWidget::currentCellChanged, this, [this](int Row) { ShowPayOf(Row); });
    connect(TblPay, &TFactTable::Edited, this, &TYearFactsForm::PayEdited);

    TblPayments = new TFactTable(QStringLiteral("TblPayments"), tr("劳务报酬、稿酬、特许权使用费"),
                                 {Month("month", tr("月份"), 1),
                                  Choice("kind", tr("所得项目"), TValue::Text, Kinds(),
                                         {sheets::Caption(current::RemunerationKind::Labour),
                                          sheets::Caption(current::RemunerationKind::Author),
                                          sheets::Caption(current::RemunerationKind::Royalty)}),
                                  Amount("amount", tr("收入"))});
    column->addWidget(TblPayments->Group(tr("劳务报酬、稿酬、特许权使用费")));
    connect(TblPayments, &TFactTable::Edited, this, [this](int Row, const QString &Key) {
        TableEdit(QStringLiteral("payments"), TblPayments, Row, Key);
    });
    column->addWidget(BuildBonus());
    TblDonations = new TFactTable(
        QStringLiteral("TblDonations"), tr("公益慈善捐赠"),
        {Month("month", tr("月份"), 1), Amount("amount", tr("捐赠额")),
         Choice("full", tr("扣除方式"), TValue::Flag,
                {QStringLiteral("false"), QStringLiteral("true")},
                {tr("限额扣除（%1%）").arg(current::Law::DonationLimitShare), tr("全额扣除")})});
    QGroupBox *donations = TblDonations->Group(tr("公益慈善捐赠"));
    NoteUnderTitle(donations,
                   tr("在年度汇算时从综合所得中扣除：限额扣除的不超过扣除捐赠前应纳税所得额的"
                      "%1%，准予全额扣除的全额扣除。")
                       .arg(current::Law::DonationLimitShare));
    column->addWidget(donations);
    connect(TblDonations, &TFactTable::Edited, this, [this](int Row, const QString &Key) {
        TableEdit(QStringLiteral("donations"), TblDonations, Row, Key);
    });
    column->addStretch();
    return ScrollColumn(column, this, QStringLiteral("ScrollIncome"));
}

QGroupBox *TYearFactsForm::BuildBonus() {
    auto *group = new QGroupBox(tr("全年一次性奖金"));
    auto *form = new QFormLayout(group);
    ChkBonus = new QCheckBox(tr("有全年一次性奖金"), group);
    ChkBonus->setObjectName(QStringLiteral("ChkBonus"));
    TCalcPage::Describe(ChkBonus, ChkBonus->text());
    form->addRow(ChkBonus);
    auto *row = new QHBoxLayout;
    SpnBonusMonth = new QSpinBox(group);
    SpnBonusMonth->setObjectName(QStringLiteral("SpnBonusMonth"));
    SpnBonusMonth->setRange(1, 12);
    // The month's number where the language writes it: "7月", "Month 7".
    const QString monthPattern = tr("%1月");
    const qsizetype number = std::max<qsizetype>(0, monthPattern.indexOf(QLatin1String("%1")));
    SpnBonusMonth->setPrefix(monthPattern.left(number));
    SpnBonusMonth->setSuffix(monthPattern.mid(number + 2));
    TCalcPage::Describe(SpnBonusMonth, tr("奖金发放月份"));
    TxtBonus = new QLineEdit(group);
    TxtBonus->setObjectName(QStringLiteral("TxtBonus"));
    TCalcPage::Describe(TxtBonus, tr("全年一次性奖金"));
    KeyFilter->Attach(TxtBonus);
    CmbBonusEmployer = new QComboBox(group);
    CmbBonusEmployer->setObjectName(QStringLiteral("CmbBonusEmployer"));
    TCalcPage::Describe(CmbBonusEmployer, tr("发放奖金的单位"));
    row->addWidget(SpnBonusMonth);
    row->addWidget(TxtBonus, 1);
    form->addRow(tr("月份、金额："), row);
    form->addRow(tr("发放奖金的单位："), CmbBonusEmployer);
    CmbBonusMethod = new QComboBox(group);
    CmbBonusMethod->setObjectName(QStringLiteral("CmbBonusMethod"));
    CmbBonusMethod->addItems({sheets::Caption(current::BonusChoice::Best),
                              sheets::Caption(current::BonusChoice::Separate),
                              sheets::Caption(current::BonusChoice::Merged)});
    // The longest choice may be cut short in a narrow window rather than widen the column, and
    // takes the row's whole width where there is room for it.
    CmbBonusMethod->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    CmbBonusMethod->setMinimumContentsLength(12);
    CmbBonusMethod->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    TCalcPage::Describe(CmbBonusMethod, tr("汇算时奖金计税方式"));
    // Under its caption, as wide as the group: beside it, the longest choice is cut in English.
    auto *methodCaption = new QLabel(tr("汇算时奖金计税方式："), group);
    methodCaption->setBuddy(CmbBonusMethod);
    form->addRow(methodCaption);
    form->addRow(CmbBonusMethod);
    connect(ChkBonus, &QCheckBox::toggled, this, [this] {
        for (QWidget *w : std::initializer_list<QWidget *>{SpnBonusMonth, TxtBonus,
                                                           CmbBonusEmployer, CmbBonusMethod})
            w->setEnabled(ChkBonus->isChecked());
        SetModesOf(SpnYear->value());
        UserEdit();
    });
    connect(SpnBonusMonth, &QSpinBox::valueChanged, this,
            [this](int Month) { BonusEdit(QStringLiteral("month"), Month); });
    connect(TxtBonus, &QLineEdit::textEdited, this, [this] {
        const QString amount = TxtBonus->text().trimmed();
        BonusEdit(QStringLiteral("amount"),
                  amount.isEmpty() ? QJsonValue(QJsonValue::Undefined) : QJsonValue(amount));
    });
    connect(CmbBonusEmployer, &QComboBox::activated, this,
            [this] { BonusEdit(QStringLiteral("employer"), CmbBonusEmployer->currentText()); });
    connect(CmbBonusMethod, &QComboBox::activated, this, [this](int Index) {
        FieldEdit(QStringLiteral("bonus_method"), Methods().value(std::max(0, Index)));
    });
    for (QWidget *w : std::initializer_list<QWidget *>{SpnBonusMonth, TxtBonus, CmbBonusEmployer,
                                                       CmbBonusMethod})
        w->setEnabled(false);
    return group;
}

void TYearFactsForm::ShowResidency() {
    const int days = SpnDays->value();
    using current::Law::ResidentDays;
    TxtResidency->setText(
        days == 0 ? tr("居民个人（不填即为居民个人）")
        : days < ResidentDays
            ? tr("非居民个人（不满%1天）：工资按月计税，没有专项附加扣除和年度汇算")
                  .arg(ResidentDays)
            : tr("居民个人（满%1天）").arg(ResidentDays));
}

void TYearFactsForm::UserEdit() {
    if (!Loading)
        emit Edited();
}

void TYearFactsForm::FieldEdit(const QString &Path, const QJsonValue &Value) {
    if (!Loading)
        emit FieldEdited(Path, Value);
}

void TYearFactsForm::TableEdit(const QString &Path, const TFactTable *Table, int Row,
                               const QString &Key) {
    const TFactEdit edit = Table->EditOf(Path, Row, Key);
    FieldEdit(edit.Path, edit.Value);
}

// Without a bonus the year has none of its fields; ticking it gives them all at once.
void TYearFactsForm::BonusEdit(const QString &Key, const QJsonValue &Value) {
    if (ChkBonus->isChecked())
        FieldEdit(QStringLiteral("bonus.") + Key, Value);
    else
        UserEdit();
}

void TYearFactsForm::ShowPayOf(int Job) {
    PayJob = Job;
    const bool any = Job >= 0 && Job < TblJobs->rowCount();
    TblPay->SetJson(any ? TblJobs->Payload(Job) : QJsonArray());
    GrpPay->setEnabled(any);
    TxtPayNote->setText(any ? tr("%1的工资：每一行自其月份起，至下一行或离职")
                                  .arg(TblJobs->Value(Job, QStringLiteral("employer")))
                            : QString());
    TxtPayNote->setVisible(any);
}

// The first pay entry starts with its job: the file's contract asks it, so the page keeps it so.
void TYearFactsForm::JobsEdited() {
    for (int row = 0; row < TblJobs->rowCount(); ++row) {
        QJsonArray pay = TblJobs->Payload(row);
        QJsonObject first = pay.isEmpty() ? QJsonObject() : pay.first().toObject();
        const QString from = TblJobs->Value(row, QStringLiteral("from"));
        if (!pay.isEmpty() && first.value(QLatin1String("from")).toVariant().toString() == from)
            continue;
        bool whole = false;
        const int month = from.toInt(&whole);
        first.insert(QStringLiteral("from"), whole ? QJsonValue(month) : QJsonValue(from));
        if (pay.isEmpty())
            pay.append(first);
        else
            pay[0] = first;
        TblJobs->SetPayload(row, pay);
    }
    const int current = TblJobs->currentRow() >= 0 ? TblJobs->currentRow() : 0;
    ShowPayOf(std::min(current, TblJobs->rowCount() - 1));
    FollowEmployers(CmbBonusEmployer->currentText());
    UserEdit();
}

void TYearFactsForm::PayEdited(int Row, const QString &Key) {
    if (PayJob < 0 || PayJob >= TblJobs->rowCount())
        return UserEdit();
    TblJobs->SetPayload(PayJob, TblPay->Json());
    TableEdit(QStringLiteral("jobs[%1].pay").arg(PayJob), TblPay, Row, Key);
}

// The bonus is paid by one of the jobs: the list follows their names, keeping the one chosen
// (by its place, when it was renamed).
void TYearFactsForm::FollowEmployers(const QString &Keep) {
    const int index = CmbBonusEmployer->currentIndex();
    QStringList employers;
    for (int row = 0; row < TblJobs->rowCount(); ++row)
        employers << TblJobs->Value(row, QStringLiteral("employer"));
    if (!Keep.isEmpty() && !employers.contains(Keep) && index < 0)
        employers << Keep;
    CmbBonusEmployer->clear();
    CmbBonusEmployer->addItems(employers);
    const qsizetype kept = employers.indexOf(Keep);
    CmbBonusEmployer->setCurrentIndex(
        kept >= 0 ? int(kept) : std::min(std::max(index, 0), int(employers.size()) - 1));
}

QJsonObject TYearFactsForm::Json() const {
    QJsonObject year = Deductions->Json();
    year.insert(QStringLiteral("year"), SpnYear->value());
    if (!TxtName->text().trimmed().isEmpty())
        year.insert(QStringLiteral("name"), TxtName->text().trimmed());
    year.insert(QStringLiteral("jobs"), TblJobs->Json());
    year.insert(QStringLiteral("payments"), TblPayments->Json());
    if (ChkBonus->isChecked()) {
        QJsonObject bonus{{"month", SpnBonusMonth->value()},
                          {"employer", CmbBonusEmployer->currentText()}};
        if (!TxtBonus->text().trimmed().isEmpty())
            bonus.insert(QStringLiteral("amount"), TxtBonus->text().trimmed());
        year.insert(QStringLiteral("bonus"), bonus);
    }
    year.insert(QStringLiteral("bonus_method"),
                Methods().value(std::max(0, CmbBonusMethod->currentIndex())));
    year.insert(QStringLiteral("donations"), TblDonations->Json());
    if (SpnDays->value() > 0)
        year.insert(QStringLiteral("days_in_china"), SpnDays->value());
    return year;
}

// The ways of the basic deduction the year's law does not have yet are greyed, with the reason;
// so is the bonus's method in a year whose law merges it always.
void TYearFactsForm::SetModesOf(int Year) {
    const current::YearRules *rules = current::RulesInUse(Year);
    const bool methods = !rules || rules->SeparateBonus;
    CmbBonusMethod->setEnabled(ChkBonus->isChecked() && methods);
    CmbBonusMethod->setToolTip(methods ? QString() : LawText::NoSeparateBonus(*rules));
    QHash<QString, QString> reasons;
    if (rules && !current::InLaw(current::BasicDeduction::FromJanuary, *rules))
        reasons.insert(Modes()[1], tr("“自1月”自%1起施行（%2），%3年不能采用")
                                       .arg(LawText::Date(current::Law::FromJanuaryFrom),
                                            LawText::Document(current::Law::FromJanuaryDocument))
                                       .arg(Year));
    if (rules && !current::InLaw(current::BasicDeduction::Sixty, *rules))
        reasons.insert(Modes()[2], tr("“6万”自%1起施行（%2），%3年不能采用")
                                       .arg(LawText::Date(current::Law::SixtyFrom),
                                            LawText::Document(current::Law::SixtyDocument))
                                       .arg(Year));
    TblJobs->SetUnavailable(QStringLiteral("mode"), reasons);
}

void TYearFactsForm::SetJson(const QJsonObject &Year, bool KeepAbsent) {
    Loading = true;
    ClearFault();
    SpnYear->setValue(Year[QLatin1String("year")].toInt(current::LatestRules().Year));
    TxtName->setText(Year[QLatin1String("name")].toString());
    Deductions->SetYear(SpnYear->value());
    SetModesOf(SpnYear->value());
    TblJobs->SetJson(Year[QLatin1String("jobs")].toArray());
    TblJobs->setCurrentCell(TblJobs->rowCount() > 0 ? 0 : -1, 0);
    ShowPayOf(TblJobs->rowCount() > 0 ? 0 : -1);
    TblPayments->SetJson(Year[QLatin1String("payments")].toArray());
    const QJsonObject bonus = Year[QLatin1String("bonus")].toObject();
    const bool paid = Year[QLatin1String("bonus")].isObject();
    ChkBonus->setChecked(paid);
    if (paid || !KeepAbsent) {
        SpnBonusMonth->setValue(bonus[QLatin1String("month")].toInt(1));
        TxtBonus->setText(AmountText(bonus[QLatin1String("amount")]));
        CmbBonusEmployer->setCurrentIndex(-1);
        FollowEmployers(bonus[QLatin1String("employer")].toString());
    } else {
        FollowEmployers(CmbBonusEmployer->currentText());
    }
    CmbBonusMethod->setCurrentIndex(
        std::max<int>(0, int(Methods().indexOf(Year[QLatin1String("bonus_method")].toString()))));
    Deductions->SetJson(Year, KeepAbsent);
    TblDonations->SetJson(Year[QLatin1String("donations")].toArray());
    SpnDays->setValue(Year[QLatin1String("days_in_china")].toInt(0));
    Loading = false;
}

void TYearFactsForm::MarkFault(const QString &Path, bool Focus, const QString &Fault) {
    ClearFault();
    const TFactPath path = TFactPath::Of(Path);
    const TFactPath::Step first = path.At(0), second = path.At(1), third = path.At(2);
    const auto front = [&](int Tab) {
        if (Focus)
            TabsFacts->setCurrentIndex(Tab);
    };
    if (Deductions->MarkFault(path, false, Fault)) {
        front(1);
        if (Focus)
            Deductions->MarkFault(path, true, Fault);
        return;
    }
    front(0);
    if (first.Key == QLatin1String("year")) {
        MarkField(SpnYear, Focus);
    } else if (first.Key == QLatin1String("jobs")) {
        // A fault in the pay of a job not shown marks the job, unless the user is to go there.
        if (second.Key == QLatin1String("pay") && (Focus || first.Index == PayJob)) {
            if (Focus)
                TblJobs->setCurrentCell(first.Index, 0);
            TblPay->MarkFault(second.Index, third.Key, Focus, Fault);
        } else {
            TblJobs->MarkFault(first.Index, second.Key, Focus, Fault);
        }
    } else if (first.Key == QLatin1String("payments")) {
        TblPayments->MarkFault(first.Index, second.Key, Focus, Fault);
    } else if (first.Key == QLatin1String("bonus")) {
        MarkField(second.Key == QLatin1String("employer") ? static_cast<QWidget *>(CmbBonusEmployer)
                  : second.Key == QLatin1String("month")  ? static_cast<QWidget *>(SpnBonusMonth)
                                                          : TxtBonus,
                  Focus);
    } else if (first.Key == QLatin1String("bonus_method")) {
        MarkField(CmbBonusMethod, Focus);
    } else if (first.Key == QLatin1String("donations")) {
        TblDonations->MarkFault(first.Index, second.Key, Focus, Fault);
    } else if (first.Key == QLatin1String("days_in_china")) {
        MarkField(SpnDays, Focus);
    } else if (first.Key == QLatin1String("name")) {
        MarkField(TxtName, Focus);
    }
}

void TYearFactsForm::ClearFault() {
    Deductions->ClearFault();
    for (TFactTable *table : {TblJobs, TblPay, TblPayments, TblDonations})
        table->ClearFault();
    for (QWidget *w : std::initializer_list<QWidget *>{SpnYear, TxtName, SpnDays, SpnBonusMonth,
                                                       TxtBonus, CmbBonusEmployer, CmbBonusMethod})
        w->setStyleSheet(QString());
}

TFactPlace TYearFactsForm::PlaceOf(const TFactPath &Path) const {
    if (const auto place = Deductions->PlaceOf(Path))
        return *place;
    const TFactPath::Step first = Path.At(0), second = Path.At(1), third = Path.At(2);
    if (first.Key == QLatin1String("jobs")) {
        if (first.Index < 0)
            return {tr("任职单位"), {}};
        const QString employer = TblJobs->Value(first.Index, QStringLiteral("employer")).trimmed();
        const QString job = employer.isEmpty() ? tr("第%1家单位").arg(first.Index + 1) : employer;
        if (second.Key.isEmpty())
            return {job, {}};
        if (second.Key == QLatin1String("pay")) {
            if (second.Index < 0)
                return {tr("%1的工资").arg(job), {}};
            return {tr("%1第%2行工资的%3")
                        .arg(job)
                        .arg(second.Index + 1)
                        .arg(TblPay->HeaderOf(third.Key)),
                    {}};
        }
        // The jobs' headers are short, for narrow columns; a fault names the field in full.
        const std::pair<const char *, QString> fields[] = {
            {"employer", tr("单位名称")},
            {"from", tr("起始月份")},
            {"to", tr("截止月份")},
            {"mode", tr("减除方式")},
            {"deductions_here", tr("是否扣专项附加扣除")}};
        for (const auto &[key, name] : fields) {
            if (second.Key == QLatin1String(key))
                return {tr("%1的%2").arg(job, name), {}};
        }
        return {job, {}};
    }
    if (first.Key == QLatin1String("payments")) {
        if (first.Index < 0)
            return {TblPayments->accessibleName(), {}};
        const QString entry = tr("第%1笔劳务报酬等").arg(first.Index + 1);
        const QString header = TblPayments->HeaderOf(second.Key);
        return {header.isEmpty() ? entry : tr("%1的%2").arg(entry, header), {}};
    }
    if (first.Key == QLatin1String("bonus")) {
        if (second.Key == QLatin1String("employer"))
            return {tr("发放奖金的单位"), {}};
        if (second.Key == QLatin1String("month"))
            return {tr("奖金发放月份"), {}};
        if (second.Key == QLatin1String("amount"))
            return {tr("全年一次性奖金的金额"), {}};
        return {tr("全年一次性奖金"), {}};
    }
    if (first.Key == QLatin1String("bonus_method"))
        return {tr("汇算时奖金计税方式"), {}};
    return {tr("纳税年度"), {}};
}

QString TYearFactsForm::FaultWords(const TYearRead &Read) const {
    return YearFaultWords(Read, Json(), [this](const TFactPath &Path) { return PlaceOf(Path); });
}
