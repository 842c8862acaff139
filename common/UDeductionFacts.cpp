#include "common/UDeductionFacts.h"

#include "common/UCalcPage.h"
#include "common/UFactTable.h"
#include "common/ULawText.h"
#include "common/UNumKeyFilter.h"
#include "engine/current/Rules.h"
#include "sheets/Captions.h"
#include "sheets/FaultWords.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using TValue = TFactColumn::TValue;

TFactColumn Dated(const char *Key, const QString &Header, const QString &Hint) {
    return TFactColumn::Text(QString::fromLatin1(Key), Header, Hint);
}

TFactColumn AmountColumn(const char *Key, const QString &Header) {
    return TFactColumn::Amount(QString::fromLatin1(Key), Header);
}

TFactColumn MonthColumn(const char *Key, const QString &Header, int Default) {
    return TFactColumn::Month(QString::fromLatin1(Key), Header, Default);
}

QString DayHint() {
    return TDeductionFacts::tr("YYYY-MM-DD");
}

QString MonthHint() {
    return TDeductionFacts::tr("YYYY-MM");
}

// 100 or 50: the whole amount, or half when the other parent (or spouse) takes the other half.
TFactColumn ShareColumn() {
    using current::Law::HalfShare;
    using current::Law::WholeShare;
    return TFactColumn::Choice(
        QStringLiteral("share"), TDeductionFacts::tr("扣除比例"), TValue::Integer,
        {QString::number(WholeShare), QString::number(HalfShare)},
        {TDeductionFacts::tr("%1%").arg(WholeShare), TDeductionFacts::tr("%1%").arg(HalfShare)});
}

const QStringList &PersonNames() {
    static const QStringList names = [] {
        QStringList keys;
        for (const auto &word : formats::Patients())
            keys << QString::fromUtf8(word.FileKey);
        return keys;
    }();
    return names;
}

} // namespace

TDeductionFacts::TDeductionFacts(QWidget *Parent) : QWidget(Parent) {
    setObjectName(QStringLiteral("DeductionFacts"));
    KeyFilter = new TNumKeyFilter(this);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(6);
    BuildChildren(column);
    BuildElderly(column);
    BuildHome(column);
    BuildStudies(column);
    BuildPayments(column);
    column->addStretch();
    const std::pair<TFactTable *, QString> lists[] = {
        {TblChildren, QStringLiteral("children")},
        {TblParents, QStringLiteral("elderly.parents_born")},
        {TblRent, QStringLiteral("rent")},
        {TblDegree, QStringLiteral("degree_study")},
        {TblCertificates, QStringLiteral("certificates")},
        {TblIllness, QStringLiteral("illness")},
        {TblPension, QStringLiteral("pension")},
        {TblHealth, QStringLiteral("health_insurance")}};
    for (const auto &entry : lists) {
        connect(entry.first, &TFactTable::Edited, this,
                [this, table = entry.first, list = entry.second](int Row, const QString &Key) {
                    // The parents are the year's only while the elderly are cared for.
                    if (table == TblParents && CmbElderly->currentIndex() == 0) {
                        emit Edited();
                        return;
                    }
                    const TFactEdit edit = table->EditOf(list, Row, Key);
                    emit FieldEdited(edit.Path, edit.Value);
                });
    }
    SetYear(current::LatestRules().Year);
    FollowChoices();
}

TDeductionFacts::~TDeductionFacts() {
    for (TFactTable *table : {TblChildren, TblParents, TblRent, TblDegree, TblCertificates,
                              TblIllness, TblPension, TblHealth})
        disconnect(table, nullptr, this, nullptr);
}

const QStringList &TDeductionFacts::Keys() {
    static const QStringList keys{QStringLiteral("children"),        QStringLiteral("elderly"),
                                  QStringLiteral("housing_loan"),    QStringLiteral("rent"),
                                  QStringLiteral("degree_study"),    QStringLiteral("certificates"),
                                  QStringLiteral("illness"),         QStringLiteral("pension"),
                                  QStringLiteral("health_insurance")};
    return keys;
}

QLabel *TDeductionFacts::Note(QVBoxLayout *Column) {
    auto *label = new QLabel(this);
    label->setStyleSheet(QStringLiteral("color: gray;"));
    label->setWordWrap(true);
    Column->addWidget(label);
    return label;
}

void TDeductionFacts::BuildChildren(QVBoxLayout *Column) {
    TblChildren =
        new TFactTable(QStringLiteral("TblChildren"), sheets::Caption(current::IllnessOf::Child),
                       {Dated("born", tr("出生日期"), DayHint()), ShareColumn(),
                        Dated("education_end", tr("受教育结束（可不填）"), MonthHint())},
                       this);
    Column->addWidget(TblChildren->Group(tr("子女教育和婴幼儿照护")));
    NoteChildren = Note(Column);
}

void TDeductionFacts::BuildElderly(QVBoxLayout *Column) {
    auto *group = new QGroupBox(
        sheets::Caption(formats::CaptionOf(&current::EntitlementMonth::Elderly)), this);
    auto *form = new QFormLayout(group);
    form->setContentsMargins(6, 4, 6, 4);
    CmbElderly = new QComboBox(group);
    CmbElderly->setObjectName(QStringLiteral("CmbElderly"));
    CmbElderly->addItems({tr("不扣除"), tr("独生子女"), tr("非独生子女（与兄弟姐妹分摊）")});
    // The longest choice may be cut short in a narrow window rather than widen the column.
    CmbElderly->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    CmbElderly->setMinimumContentsLength(12);
    TCalcPage::Describe(CmbElderly,
                        sheets::Caption(formats::CaptionOf(&current::EntitlementMonth::Elderly)));
    form->addRow(tr("赡养老人："), CmbElderly);
    TblParents = new TFactTable(QStringLiteral("TblParents"), tr("父母的出生日期"),
                                {Dated("", tr("父母的出生日期"), DayHint())}, group);
    form->addRow(TblParents->Group(tr("父母（或其他被赡养人）")));
    TxtElderlyShare = new QLineEdit(group);
    TxtElderlyShare->setObjectName(QStringLiteral("TxtElderlyShare"));
    TCalcPage::Describe(TxtElderlyShare, tr("每月分摊额"));
    KeyFilter->Attach(TxtElderlyShare);
    form->addRow(tr("每月分摊额："), TxtElderlyShare);
    Column->addWidget(group);
    NoteElderly = Note(Column);
    connect(CmbElderly, &QComboBox::activated, this, [this] {
        FollowChoices();
        emit Edited();
    });
    connect(TxtElderlyShare, &QLineEdit::textEdited, this, &TDeductionFacts::Edited);
}

void TDeductionFacts::BuildHome(QVBoxLayout *Column) {
    auto *group = new QGroupBox(
        sheets::Caption(formats::CaptionOf(&current::EntitlementMonth::HousingLoan)), this);
    // The first repayment and the share on two rows: on one they would widen the column.
    auto *rows = new QGridLayout(group);
    rows->setContentsMargins(6, 4, 6, 4);
    ChkLoan = new QCheckBox(tr("首套住房贷款，首次还款："), group);
    ChkLoan->setObjectName(QStringLiteral("ChkLoan"));
    TCalcPage::Describe(
        ChkLoan, sheets::Caption(formats::CaptionOf(&current::EntitlementMonth::HousingLoan)));
    TxtLoanFirst = new QLineEdit(group);
    TxtLoanFirst->setObjectName(QStringLiteral("TxtLoanFirst"));
    TxtLoanFirst->setPlaceholderText(MonthHint());
    TxtLoanFirst->setFixedWidth(TxtLoanFirst->fontMetrics().horizontalAdvance(MonthHint()) + 24);
    TCalcPage::Describe(TxtLoanFirst, tr("首次还款年月"));
    CmbLoanShare = new QComboBox(group);
    CmbLoanShare->setObjectName(QStringLiteral("CmbLoanShare"));
    CmbLoanShare->addItems({tr("本人扣除%1%").arg(current::Law::WholeShare),
                            tr("夫妻各扣%1%").arg(current::Law::HalfShare)});
    auto *share = new QLabel(tr("贷款扣除比例："), group);
    share->setBuddy(CmbLoanShare);
    TCalcPage::Describe(CmbLoanShare, share->text());
    rows->addWidget(ChkLoan, 0, 0);
    rows->addWidget(TxtLoanFirst, 0, 1, Qt::AlignLeft);
    rows->addWidget(share, 1, 0, Qt::AlignRight);
    rows->addWidget(CmbLoanShare, 1, 1, Qt::AlignLeft);
    rows->setColumnStretch(2, 1);
    Column->addWidget(group);
    connect(ChkLoan, &QCheckBox::clicked, this, [this] {
        FollowChoices();
        emit Edited();
    });
    connect(TxtLoanFirst, &QLineEdit::textEdited, this, &TDeductionFacts::Edited);
    connect(CmbLoanShare, &QComboBox::activated, this, &TDeductionFacts::Edited);

    const TFactColumn amount =
        TFactColumn::Choice(QStringLiteral("amount"), tr("每月租金扣除"), TValue::Amount, {}, {});
    TblRent = new TFactTable(QStringLiteral("TblRent"),
                             sheets::Caption(formats::CaptionOf(&current::EntitlementMonth::Rent)),
                             {Dated("from", tr("租赁起始"), MonthHint()),
                              Dated("to", tr("租赁截止"), MonthHint()), amount},
                             this);
    Column->addWidget(
        TblRent->Group(sheets::Caption(formats::CaptionOf(&current::EntitlementMonth::Rent))));
    NoteRent = Note(Column);
}

void TDeductionFacts::BuildStudies(QVBoxLayout *Column) {
    TblDegree = new TFactTable(
        QStringLiteral("TblDegree"), tr("学历（学位）继续教育"),
        {Dated("from", tr("入学"), MonthHint()), Dated("to", tr("毕业（可不填）"), MonthHint())},
        this);
    TblCertificates = new TFactTable(QStringLiteral("TblCertificates"), tr("职业资格证书"),
                                     {Dated("", tr("取得证书的年月"), MonthHint())}, this);
    auto *row = new QHBoxLayout;
    row->addWidget(TblDegree->Group(tr("学历（学位）继续教育")), 3);
    row->addWidget(TblCertificates->Group(tr("职业资格证书")), 2);
    Column->addLayout(row);
    NoteStudies = Note(Column);
}

void TDeductionFacts::BuildPayments(QVBoxLayout *Column) {
    const TFactColumn who = TFactColumn::Choice(
        QStringLiteral("who"), tr("患者"), TValue::Text, PersonNames(),
        {sheets::Caption(current::IllnessOf::Self), sheets::Caption(current::IllnessOf::Spouse),
         sheets::Caption(current::IllnessOf::Child)});
    // Which child: the index in the children above (from 0) or a name; a number reads as the
    // index, other text as a name, as the year file takes them.
    TFactColumn child =
        TFactColumn::Text(QStringLiteral("child"), tr("哪个孩子（可不填）"), tr("序号或名字"));
    child.Value = TValue::Integer;
    TblIllness = new TFactTable(QStringLiteral("TblIllness"), tr("大病医疗"),
                                {who, AmountColumn("paid", tr("医保目录内自付")), child}, this);
    Column->addWidget(TblIllness->Group(tr("大病医疗")));
    NoteIllness = Note(Column);
    TblPension = new TFactTable(
        QStringLiteral("TblPension"),
        sheets::Caption(formats::CaptionOf(&current::EntitlementMonth::Pension)),
        {MonthColumn("month", tr("缴纳月份"), 12), AmountColumn("amount", tr("缴纳金额"))}, this);
    Column->addWidget(TblPension->Group(
        sheets::Caption(formats::CaptionOf(&current::EntitlementMonth::Pension))));
    NotePension = Note(Column);
    NotePension->setObjectName(QStringLiteral("NotePension"));
    TblHealth = new TFactTable(
        QStringLiteral("TblHealth"),
        sheets::Caption(formats::CaptionOf(&current::EntitlementMonth::HealthInsurance)),
        {MonthColumn("from", tr("起始月份"), 1), MonthColumn("to", tr("截止月份"), 12),
         AmountColumn("monthly", tr("每月保费"))},
        this);
    Column->addWidget(TblHealth->Group(
        sheets::Caption(formats::CaptionOf(&current::EntitlementMonth::HealthInsurance))));
    NoteHealth = Note(Column);
}

// What the law says of each item in the year, and the rent amounts of the year to choose from.
void TDeductionFacts::SetYear(int Year) {
    const current::YearRules &r =
        current::RulesOf(Year) ? *current::RulesOf(Year) : current::LatestRules();
    using namespace current::Law;
    const auto amount = [](current::Cents Value) { return LawText::Amount(Value); };
    NoteChildren->setText(
        (r.InfantCare > 0 ? tr("出生当月起至满%1岁前一个月为婴幼儿照护，每月%2元；")
                                .arg(InfantYears)
                                .arg(amount(r.InfantCare))
                          : tr("%1年尚无婴幼儿照护扣除；").arg(Year)) +
        tr("满%1岁当月起为子女教育，每月%2元，至受教育结束。比例%3%即父母各扣一半。")
            .arg(InfantYears)
            .arg(amount(r.ChildEducation))
            .arg(HalfShare));
    NoteElderly->setText(tr("年长的一位满%1岁当月起扣除：独生子女每月%2元；非独生子女每人每月"
                            "最多%3元。")
                             .arg(ElderlyAge)
                             .arg(amount(r.ElderlyOnlyChild), amount(r.ElderlyShareMax)));
    NoteRent->setText(tr("贷款自首次还款当月起最多%1个月，每月%2元；住房租金每月%3、%4或%5元。"
                         "一年之内两者只能扣除其一。")
                          .arg(LoanMonths)
                          .arg(amount(r.HousingLoan), amount(r.RentLargeCity),
                               amount(r.RentMiddleCity), amount(r.RentSmallCity)));
    NoteStudies->setText(tr("学历（学位）继续教育每月%1元，同一学历最多%2个月；取得职业资格证书的"
                            "当月扣除%3元，一年一次。")
                             .arg(amount(r.DegreeStudy))
                             .arg(DegreeMonths)
                             .arg(amount(r.Certificate)));
    NoteIllness->setText(tr("每人医保目录内自付超过%1元的部分，每年最多%2元，在年度汇算时扣除。"
                            "同一个孩子的几笔费用填同一个序号（子女表中从0起）或名字，合并计算；"
                            "不填则每笔算一个孩子。")
                             .arg(amount(IllnessFloor), amount(IllnessCap)));
    NotePension->setText(
        r.PensionCap == 0 ? tr("%1年尚无个人养老金扣除。").arg(Year)
        : r.PensionPilot
            ? tr("在缴纳的月份扣除，每年最多%1元；%2起缴纳的才能扣除。%3。")
                  .arg(amount(r.PensionCap), LawText::Date(PensionFrom), LawText::PensionPilot(r))
            : tr("在缴纳的月份扣除，每年最多%1元。").arg(amount(r.PensionCap)));
    NoteHealth->setText(
        tr("每月最多%1元，每年最多%2元。").arg(amount(r.HealthMonthly), amount(r.HealthAnnual)));
    QStringList rents, texts;
    for (const current::Cents rent : {r.RentLargeCity, r.RentMiddleCity, r.RentSmallCity}) {
        rents << sheets::json::PlainYuan(rent);
        texts << tr("%1元").arg(amount(rent));
    }
    TblRent->SetChoices(QStringLiteral("amount"), rents, texts);
}

void TDeductionFacts::FollowChoices() {
    const int elderly = CmbElderly->currentIndex();
    TblParents->setEnabled(elderly > 0);
    TblParents->BtnAdd->setEnabled(elderly > 0);
    TblParents->BtnRemove->setEnabled(elderly > 0);
    TxtElderlyShare->setEnabled(elderly == 2);
    TxtLoanFirst->setEnabled(ChkLoan->isChecked());
    CmbLoanShare->setEnabled(ChkLoan->isChecked());
}

QJsonObject TDeductionFacts::Json() const {
    QJsonObject year{{"children", TblChildren->Json()}};
    if (CmbElderly->currentIndex() > 0) {
        QJsonObject elderly{{"parents_born", TblParents->Json()},
                            {"only_child", CmbElderly->currentIndex() == 1}};
        // Kept for an only child too, so that a file that gave both reads back as it was.
        if (!TxtElderlyShare->text().trimmed().isEmpty())
            elderly.insert(QStringLiteral("share"), TxtElderlyShare->text().trimmed());
        year.insert(QStringLiteral("elderly"), elderly);
    }
    if (ChkLoan->isChecked()) {
        QJsonObject loan{{"share", CmbLoanShare->currentIndex() == 1 ? current::Law::HalfShare
                                                                     : current::Law::WholeShare}};
        if (!TxtLoanFirst->text().trimmed().isEmpty())
            loan.insert(QStringLiteral("first_repayment"), TxtLoanFirst->text().trimmed());
        year.insert(QStringLiteral("housing_loan"), loan);
    }
    year.insert(QStringLiteral("rent"), TblRent->Json());
    year.insert(QStringLiteral("degree_study"), TblDegree->Json());
    year.insert(QStringLiteral("certificates"), TblCertificates->Json());
    year.insert(QStringLiteral("illness"), TblIllness->Json());
    year.insert(QStringLiteral("pension"), TblPension->Json());
    year.insert(QStringLiteral("health_insurance"), TblHealth->Json());
    return year;
}

void TDeductionFacts::SetJson(const QJsonObject &Year, bool KeepAbsent) {
    ClearFault();
    TblChildren->SetJson(Year[QLatin1String("children")].toArray());
    const QJsonObject elderly = Year[QLatin1String("elderly")].toObject();
    const bool cared = Year[QLatin1String("elderly")].isObject();
    if (cared || !KeepAbsent) {
        CmbElderly->setCurrentIndex(!cared                                          ? 0
                                    : elderly[QLatin1String("only_child")].toBool() ? 1
                                                                                    : 2);
        TblParents->SetJson(elderly[QLatin1String("parents_born")].toArray());
        TxtElderlyShare->setText(AmountText(elderly[QLatin1String("share")]));
    }
    const QJsonObject loan = Year[QLatin1String("housing_loan")].toObject();
    const bool claimed = Year[QLatin1String("housing_loan")].isObject();
    ChkLoan->setChecked(claimed);
    if (claimed || !KeepAbsent) {
        TxtLoanFirst->setText(loan[QLatin1String("first_repayment")].toString());
        CmbLoanShare->setCurrentIndex(loan[QLatin1String("share")].toInt() ==
                                      current::Law::HalfShare);
    }
    TblRent->SetJson(Year[QLatin1String("rent")].toArray());
    TblDegree->SetJson(Year[QLatin1String("degree_study")].toArray());
    TblCertificates->SetJson(Year[QLatin1String("certificates")].toArray());
    TblIllness->SetJson(Year[QLatin1String("illness")].toArray());
    TblPension->SetJson(Year[QLatin1String("pension")].toArray());
    TblHealth->SetJson(Year[QLatin1String("health_insurance")].toArray());
    FollowChoices();
}

bool TDeductionFacts::MarkFault(const TFactPath &Path, bool Focus, const QString &Fault) {
    const TFactPath::Step first = Path.At(0);
    const TFactPath::Step second = Path.At(1);
    const QString &key = first.Key;
    if (key == QLatin1String("elderly")) {
        if (second.Key == QLatin1String("parents_born"))
            TblParents->MarkFault(second.Index, {}, Focus, Fault);
        else
            MarkField(second.Key == QLatin1String("share") ? static_cast<QWidget *>(TxtElderlyShare)
                                                           : CmbElderly,
                      Focus);
        return true;
    }
    if (key == QLatin1String("housing_loan")) {
        MarkField(second.Key == QLatin1String("share") ? static_cast<QWidget *>(CmbLoanShare)
                                                       : TxtLoanFirst,
                  Focus);
        return true;
    }
    const std::pair<const char *, TFactTable *> tables[] = {
        {"children", TblChildren},         {"rent", TblRent},       {"degree_study", TblDegree},
        {"certificates", TblCertificates}, {"illness", TblIllness}, {"pension", TblPension},
        {"health_insurance", TblHealth}};
    for (const auto &[name, table] : tables) {
        if (key == QLatin1String(name)) {
            table->MarkFault(first.Index, second.Key, Focus, Fault);
            return true;
        }
    }
    return false;
}

void TDeductionFacts::ClearFault() {
    for (TFactTable *table : {TblChildren, TblParents, TblRent, TblDegree, TblCertificates,
                              TblIllness, TblPension, TblHealth})
        table->ClearFault();
    for (QWidget *edit :
         std::initializer_list<QWidget *>{TxtElderlyShare, CmbElderly, TxtLoanFirst, CmbLoanShare})
        edit->setStyleSheet(QString());
}

std::optional<TFactPlace> TDeductionFacts::PlaceOf(const TFactPath &Path) const {
    const TFactPath::Step first = Path.At(0);
    const TFactPath::Step second = Path.At(1);
    const QString &key = first.Key;
    if (key == QLatin1String("elderly")) {
        if (second.Key == QLatin1String("parents_born"))
            return second.Index < 0 ? TFactPlace{tr("父母的出生日期"), {}}
                                    : TFactPlace{tr("第%1位父母的出生日期").arg(second.Index + 1),
                                                 TblParents->HintOf({})};
        if (second.Key == QLatin1String("share"))
            return TFactPlace{tr("赡养老人的每月分摊额"), {}};
        return TFactPlace{sheets::Caption(formats::CaptionOf(&current::EntitlementMonth::Elderly)),
                          {}};
    }
    if (key == QLatin1String("housing_loan")) {
        if (second.Key == QLatin1String("share"))
            return TFactPlace{tr("住房贷款的扣除比例"), {}};
        if (second.Key == QLatin1String("first_repayment"))
            return TFactPlace{tr("住房贷款的首次还款年月"), TxtLoanFirst->placeholderText()};
        return TFactPlace{
            sheets::Caption(formats::CaptionOf(&current::EntitlementMonth::HousingLoan)), {}};
    }
    // Each entry of a list by its number, as a person counts them.
    const struct {
        const char *Key;
        TFactTable *Table;
        const char *Entry; // translated in the context TDeductionFacts
    } tables[] = {{"children", TblChildren, QT_TR_NOOP("孩子%1")},
                  {"rent", TblRent, QT_TR_NOOP("第%1份租房")},
                  {"degree_study", TblDegree, QT_TR_NOOP("第%1段学历继续教育")},
                  {"certificates", TblCertificates, QT_TR_NOOP("第%1个职业资格证书")},
                  {"illness", TblIllness, QT_TR_NOOP("第%1笔大病医疗")},
                  {"pension", TblPension, QT_TR_NOOP("第%1笔个人养老金")},
                  {"health_insurance", TblHealth, QT_TR_NOOP("第%1份商业健康保险")}};
    for (const auto &table : tables) {
        if (key != QLatin1String(table.Key))
            continue;
        if (first.Index < 0)
            return TFactPlace{table.Table->accessibleName(), {}};
        const QString entry = tr(table.Entry).arg(first.Index + 1);
        const QString header = table.Table->HeaderOf(second.Key);
        return TFactPlace{header.isEmpty() ? entry : tr("%1的%2").arg(entry, header),
                          table.Table->HintOf(second.Key)};
    }
    return std::nullopt;
}
