#include "pages/UYearFacts.h"

#include "common/UCalcPage.h"
#include "common/UNumKeyFilter.h"
#include "engine/current/Rules.h"
#include "pages/UDeductionFacts.h"
#include "pages/UFactTable.h"
#include "pages/UScrollColumn.h"
#include "sheets/JsonFile.h"
#include "sheets/YearFile.h"
#include "sheets/YearFileParts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QJsonArray>
#include <QJsonDocument>
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

QJsonObject YearJson(const current::YearFacts &Facts) {
    return QJsonDocument::fromJson(sheets::YearFileBytes(Facts)).object();
}

TYearRead ReadYearJson(const QJsonObject &Json) {
    try {
        current::YearFacts facts = sheets::ReadYearValue(Json, QString());
        if (const auto fault = current::CheckYear(facts))
            return {std::nullopt, QString::fromStdString(fault->Path),
                    sheets::YearFaultText(*fault)};
        return {std::move(facts), {}, {}};
    } catch (const sheets::json::Refusal &refusal) {
        return {std::nullopt, refusal.Path, sheets::json::WithPath(refusal.Path, refusal.Message)};
    }
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
}

QString JobTitle(const current::JobFacts &Job) {
    return TYearFactsForm::tr("%1（%2至%3月）")
        .arg(QString::fromStdString(Job.Employer))
        .arg(Job.From)
        .arg(Job.To);
}

TYearFactsForm::~TYearFactsForm() {
    for (QObject *part : std::initializer_list<QObject *>{TblJobs, TblPay, TblPayments, Deductions})
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
    column->addLayout(year);
    connect(SpnYear, &QSpinBox::valueChanged, this, [this](int Year) {
        Deductions->SetYear(Year);
        UserEdit();
    });

    TblJobs = new TFactTable(
        QStringLiteral("TblJobs"), tr("任职单位"),
        {TFactColumn::Text(QStringLiteral("employer"), tr("单位"), {}, tr("任职单位")),
         Month("from", tr("起"), 1), Month("to", tr("止"), 12),
         Choice("mode", tr("减除方式"), TValue::Text, Modes(),
                {tr("按月"), tr("自1月"), tr("6万")}),
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
    connect(TblJobs, &TFactTable::Edited, this, &TYearFactsForm::JobsEdited);
    connect(TblJobs, &QTableWidget::currentCellChanged, this, [this](int Row) { ShowPayOf(Row); });
    connect(TblPay, &TFactTable::Edited, this, &TYearFactsForm::PayEdited);

    TblPayments = new TFactTable(QStringLiteral("TblPayments"), tr("劳务报酬、稿酬、特许权使用费"),
                                 {Month("month", tr("月份"), 1),
                                  Choice("kind", tr("所得项目"), TValue::Text, Kinds(),
                                         {tr("劳务报酬"), tr("稿酬"), tr("特许权使用费")}),
                                  Amount("amount", tr("收入"))});
    column->addWidget(TblPayments->Group(tr("劳务报酬、稿酬、特许权使用费")));
    connect(TblPayments, &TFactTable::Edited, this, &TYearFactsForm::UserEdit);
    column->addWidget(BuildBonus());
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
    CmbBonusMethod->addItems(
        {tr("取税额较低的一种（相同时单独计税）"), tr("单独计税"), tr("并入综合所得")});
    // The longest choice may be cut short in a narrow window rather than widen the column.
    CmbBonusMethod->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    CmbBonusMethod->setMinimumContentsLength(12);
    TCalcPage::Describe(CmbBonusMethod, tr("汇算时奖金计税方式"));
    form->addRow(tr("汇算时奖金计税方式："), CmbBonusMethod);
    connect(ChkBonus, &QCheckBox::toggled, this, [this] {
        for (QWidget *w : std::initializer_list<QWidget *>{SpnBonusMonth, TxtBonus,
                                                           CmbBonusEmployer, CmbBonusMethod})
            w->setEnabled(ChkBonus->isChecked());
        UserEdit();
    });
    connect(SpnBonusMonth, &QSpinBox::valueChanged, this, &TYearFactsForm::UserEdit);
    connect(TxtBonus, &QLineEdit::textEdited, this, &TYearFactsForm::UserEdit);
    connect(CmbBonusEmployer, &QComboBox::activated, this, &TYearFactsForm::UserEdit);
    connect(CmbBonusMethod, &QComboBox::activated, this, &TYearFactsForm::UserEdit);
    for (QWidget *w : std::initializer_list<QWidget *>{SpnBonusMonth, TxtBonus, CmbBonusEmployer,
                                                       CmbBonusMethod})
        w->setEnabled(false);
    return group;
}

void TYearFactsForm::UserEdit() {
    if (!Loading)
        emit Edited();
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

void TYearFactsForm::PayEdited() {
    if (PayJob >= 0 && PayJob < TblJobs->rowCount())
        TblJobs->SetPayload(PayJob, TblPay->Json());
    UserEdit();
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
    return year;
}

void TYearFactsForm::SetJson(const QJsonObject &Year, bool KeepAbsent) {
    Loading = true;
    ClearFault();
    SpnYear->setValue(Year[QLatin1String("year")].toInt(current::LatestRules().Year));
    Deductions->SetYear(SpnYear->value());
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
    Loading = false;
}

void TYearFactsForm::MarkFault(const QString &Path, bool Focus) {
    ClearFault();
    const TFactPath path = TFactPath::Of(Path);
    const TFactPath::Step first = path.At(0), second = path.At(1), third = path.At(2);
    const auto front = [&](int Tab) {
        if (Focus)
            TabsFacts->setCurrentIndex(Tab);
    };
    if (Deductions->MarkFault(path, false)) {
        front(1);
        if (Focus)
            Deductions->MarkFault(path, true);
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
            TblPay->MarkFault(second.Index, third.Key, Focus);
        } else {
            TblJobs->MarkFault(first.Index, second.Key, Focus);
        }
    } else if (first.Key == QLatin1String("payments")) {
        TblPayments->MarkFault(first.Index, second.Key, Focus);
    } else if (first.Key == QLatin1String("bonus")) {
        MarkField(second.Key == QLatin1String("employer") ? static_cast<QWidget *>(CmbBonusEmployer)
                  : second.Key == QLatin1String("month")  ? static_cast<QWidget *>(SpnBonusMonth)
                                                          : TxtBonus,
                  Focus);
    } else if (first.Key == QLatin1String("bonus_method")) {
        MarkField(CmbBonusMethod, Focus);
    }
}

void TYearFactsForm::ClearFault() {
    Deductions->ClearFault();
    for (TFactTable *table : {TblJobs, TblPay, TblPayments})
        table->ClearFault();
    for (QWidget *w : std::initializer_list<QWidget *>{SpnYear, SpnBonusMonth, TxtBonus,
                                                       CmbBonusEmployer, CmbBonusMethod})
        w->setStyleSheet(QString());
}
