#include "pages/UFrmCurLabour.h"

#include "common/UDesktopHabits.h"
#include "common/UReverseDialog.h"
#include "common/UScrollColumn.h"
#include "engine/current/Rules.h"
#include "engine/current/Settlement.h"
#include "sheets/Captions.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

using current::RemunerationKind;

TFrmCurLabour::TFrmCurLabour(QWidget *Parent) : TCurrentPage(staticMetaObject, Parent) {
    QLayout *inputs = BuildInputs();
    QLayout *results = BuildResults();
    QWidget *method = MethodGroup(QStringLiteral(":/pictures/curlabour_method.png"));
    Body()->addLayout(InputsBesideMethod(inputs, results, method, Client()), 1);

    SetFirstInput(TxtIncome);
    SetTabOrder({RBtnLabour, RBtnAuthor, RBtnRoyalty, TxtIncome, RBtnResident, RBtnNonResident,
                 ChkIntern, SpnFirstMonth, SpnLastMonth, BtnCalc, BtnReset});
    connect(BtnCalc, &QPushButton::clicked, this, &TFrmCurLabour::BtnCalcClick);
    connect(BtnReset, &QPushButton::clicked, this, &TFrmCurLabour::BtnResetClick);
    BtnReverse = TFrmCurReverse::ButtonBeside(TxtAfterTax, tr("由税后收入反算税前收入"));
    connect(BtnReverse, &QPushButton::clicked, this, &TFrmCurLabour::BtnReverseClick);
    OnEnter(TxtIncome, [this] { BtnCalcClick(); });
    for (QAbstractButton *choice :
         std::initializer_list<QAbstractButton *>{RBtnLabour, RBtnResident, ChkIntern})
        connect(choice, &QAbstractButton::toggled, this, &TFrmCurLabour::InternshipChanged);
    ClearPage();
}

QRadioButton *TFrmCurLabour::Choice(QButtonGroup *Group, QHBoxLayout *Row, const QString &Name,
                                    const QString &Text) {
    auto *radio = new QRadioButton(Text, Client());
    radio->setObjectName(Name);
    Describe(radio, Text);
    Group->addButton(radio);
    Row->addWidget(radio);
    return radio;
}

QLayout *TFrmCurLabour::BuildInputs() {
    QFormLayout *form = NewForm();
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);
    auto *kinds = new QHBoxLayout;
    auto *kindGroup = new QButtonGroup(this);
    RBtnLabour = Choice(kindGroup, kinds, QStringLiteral("RBtnLabour"),
                        sheets::Caption(current::RemunerationKind::Labour));
    RBtnAuthor = Choice(kindGroup, kinds, QStringLiteral("RBtnAuthor"),
                        sheets::Caption(current::RemunerationKind::Author));
    RBtnRoyalty = Choice(kindGroup, kinds, QStringLiteral("RBtnRoyalty"),
                         sheets::Caption(current::RemunerationKind::Royalty));
    kinds->addStretch();
    form->addRow(tr("所得项目："), kinds);
    TxtIncome = AddInputRow(form, QStringLiteral("TxtIncome"), tr("每次收入："));
    auto *residence = new QHBoxLayout;
    auto *residenceGroup = new QButtonGroup(this);
    RBtnResident =
        Choice(residenceGroup, residence, QStringLiteral("RBtnResident"), tr("居民个人"));
    RBtnNonResident =
        Choice(residenceGroup, residence, QStringLiteral("RBtnNonResident"), tr("非居民个人"));
    residence->addStretch();
    form->addRow(tr("纳税人身份："), residence);
    BuildInternship(form);
    FormInputs = form;

    return InputColumn(form, tr("每次收入"));
}

void TFrmCurLabour::BuildInternship(QFormLayout *Form) {
    ChkIntern = new QCheckBox(tr("在校学生实习（按累计预扣法逐月预扣）"), Client());
    ChkIntern->setObjectName(QStringLiteral("ChkIntern"));
    Describe(ChkIntern, tr("在校学生实习"));
    Form->addRow(QString(), ChkIntern);
    const auto month = [this](const QString &Name, int Value, const QString &Caption) {
        auto *spin = new QSpinBox(Client());
        spin->setObjectName(Name);
        spin->setRange(1, current::Law::MonthsInYear);
        spin->setValue(Value);
        // The month's number where the language writes it: "7月", "Month 7".
        const QString pattern = tr("%1月");
        const qsizetype number = std::max<qsizetype>(0, pattern.indexOf(QLatin1String("%1")));
        spin->setPrefix(pattern.left(number));
        spin->setSuffix(pattern.mid(number + 2));
        Describe(spin, Caption);
        // Enter calculates from the months as from the payment.
        for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
            auto *enter = new QShortcut(QKeySequence(key), spin);
            enter->setContext(Qt::WidgetShortcut);
            connect(enter, &QShortcut::activated, this, &TFrmCurLabour::BtnCalcClick);
        }
        return spin;
    };
    SpnFirstMonth = month(QStringLiteral("SpnFirstMonth"), 1, tr("实习起始月份"));
    SpnLastMonth =
        month(QStringLiteral("SpnLastMonth"), current::Law::MonthsInYear, tr("实习截止月份"));
    auto *range = new QHBoxLayout;
    range->addWidget(SpnFirstMonth);
    range->addWidget(new QLabel(tr("至"), Client()));
    range->addWidget(SpnLastMonth);
    range->addStretch();
    Form->addRow(tr("实习月份："), range);
    MonthsRow = range;
    InternNote = GreyNote(
        tr("全日制学历教育的学生因实习取得的劳务报酬，可按累计预扣法预扣：每月收入额为收入的"
           "%1%，累计减除费用为每月%2元乘实习月数，按综合所得年度税率表。")
            .arg(current::Law::IncomeShare)
            .arg(LawAmount(current::LatestRules().BasicMonthly)));
    Form->addRow(InternNote);
}

QLayout *TFrmCurLabour::BuildResults() {
    QFormLayout *form = FormResults = NewForm();
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);
    TxtDeduction = AddResultRow(form, QStringLiteral("TxtDeduction"), tr("减除费用："));
    TxtTaxable = AddResultRow(form, QStringLiteral("TxtTaxable"), tr("应纳税所得额："));
    TxtRate = AddResultRow(form, QStringLiteral("TxtRate"), tr("税率："));
    TxtQuickDeduction = AddResultRow(form, QStringLiteral("TxtQuickDeduction"), tr("速算扣除数："));
    TxtTax = AddResultRow(form, QStringLiteral("TxtTax"), tr("应纳税额："));
    TxtAfterTax = AddResultRow(form, QStringLiteral("TxtAfterTax"), tr("税后收入："));
    auto *box = new QVBoxLayout;
    box->addLayout(form);
    box->addWidget(BuildMonthTable());
    TxtInternTotal = new QLabel(Client());
    TxtInternTotal->setObjectName(QStringLiteral("TxtInternTotal"));
    TxtInternTotal->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Describe(TxtInternTotal, tr("实习期间预扣税额合计"));
    box->addWidget(TxtInternTotal);
    TxtSettlement = GreyNote(QString());
    TxtSettlement->setObjectName(QStringLiteral("TxtSettlement"));
    Describe(TxtSettlement, tr("年度汇算"));
    box->addWidget(TxtSettlement);
    return box;
}

QTableWidget *TFrmCurLabour::BuildMonthTable() {
    const QStringList titles{tr("月份"),           tr("收入"),           tr("收入额"),
                             tr("累计收入额"),     tr("累计减除费用"),   tr("累计应纳税所得额"),
                             tr("预扣率"),         tr("速算扣除数"),     tr("累计应纳税额"),
                             tr("累计已预扣税额"), tr("本月应预扣税额"), tr("税后收入")};
    TblMonths = new QTableWidget(0, static_cast<int>(titles.size()), Client());
    TblMonths->setObjectName(QStringLiteral("TblMonths"));
    TblMonths->setAccessibleName(tr("实习逐月预扣明细"));
    TblMonths->setHorizontalHeaderLabels(titles);
    TblMonths->verticalHeader()->hide();
    DesktopHabits::ColumnsFitContents(TblMonths);
    TblMonths->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TblMonths->verticalHeader()->setDefaultSectionSize(TblMonths->fontMetrics().height() + 8);
    // As tall as its months, the page scrolling rather than the table.
    TblMonths->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    TblMonths->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return TblMonths;
}

RemunerationKind TFrmCurLabour::Kind() const {
    if (RBtnAuthor->isChecked())
        return RemunerationKind::Author;
    return RBtnRoyalty->isChecked() ? RemunerationKind::Royalty : RemunerationKind::Labour;
}

// A resident's payment is withheld now and counted again in the year's comprehensive income, by
// the income amount of the settlement.
QString TFrmCurLabour::SettlementNote(const current::Remuneration &Result) const {
    if (RBtnNonResident->isChecked())
        return tr("非居民个人：按次由支付方代扣代缴，税款即为最终税负，不办理年度汇算。");
    current::SettlementInput year;
    int share = current::Law::IncomeShare;
    switch (Kind()) {
    case RemunerationKind::Labour:
        year.Labour = Result.Income;
        break;
    case RemunerationKind::Author:
        year.Author = Result.Income;
        share = current::Law::AuthorIncomeShare;
        break;
    case RemunerationKind::Royalty:
        year.Royalty = Result.Income;
        break;
    }
    return tr("年度汇算：这笔收入按%1%计入综合所得，收入额为%2，与工资薪金等合并按年度税率表"
              "计税；已预扣的%3税款多退少补。")
        .arg(QString::number(share), AmountYuan(current::Settle(year).IncomeAmount),
             AmountYuan(Result.Tax));
}

bool TFrmCurLabour::Internship() const {
    return ChkIntern->isChecked() && Kind() == RemunerationKind::Labour &&
           RBtnResident->isChecked();
}

// The option is kept while another kind or residence is chosen, for when the user comes back.
// Results of one method do not stand for the other.
void TFrmCurLabour::InternshipChanged() {
    ChkIntern->setEnabled(Kind() == RemunerationKind::Labour && RBtnResident->isChecked());
    const bool internship = Internship();
    FormInputs->setRowVisible(MonthsRow, internship);
    ShowRow(FormInputs, InternNote, internship);
    for (QLineEdit *edit :
         {TxtDeduction, TxtTaxable, TxtRate, TxtQuickDeduction, TxtTax, TxtAfterTax})
        ShowRow(FormResults, edit, !internship);
    TblMonths->setVisible(internship);
    // The picture shows the method of one payment; the months take its room.
    findChild<QWidget *>(QStringLiteral("ScrollMethod"))->setVisible(!internship);
    TxtInternTotal->setVisible(internship);
    auto *caption = qobject_cast<QLabel *>(FormInputs->labelForField(TxtIncome));
    caption->setText(internship ? tr("每月收入：") : tr("每次收入："));
    if (internship != ShowingInternship) {
        ShowingInternship = internship;
        ClearMessages({TxtMsgInput});
        ClearResults();
    }
}

void TFrmCurLabour::CalcInternship(current::Cents Payment) {
    if (SpnFirstMonth->value() > SpnLastMonth->value()) {
        TxtMsgInput->setText(tr("起始月份不能晚于截止月份，请重新选择。"));
        SpnFirstMonth->setFocus(Qt::OtherFocusReason);
        SpnFirstMonth->selectAll();
        return;
    }
    const std::vector<current::InternshipMonth> months =
        current::WithholdInternship(Payment, SpnFirstMonth->value(), SpnLastMonth->value());
    ShowMonths(months);
    current::Cents withheld = 0;
    for (const current::InternshipMonth &m : months)
        withheld += m.Withholding.Tax;
    TxtInternTotal->setText(tr("实习期间预扣税额合计：%1").arg(AmountYuan(withheld)));
    current::SettlementInput year;
    year.Labour = Payment * static_cast<current::Cents>(months.size());
    TxtSettlement->setText(
        tr("年度汇算：实习报酬按%1%计入综合所得，%2个月的收入额为%3，与工资薪金等合并按年度税率"
           "表计税；已预扣的%4税款多退少补。")
            .arg(current::Law::IncomeShare)
            .arg(months.size())
            .arg(AmountYuan(current::Settle(year).IncomeAmount), AmountYuan(withheld)));
    FocusAndSelect(TxtIncome);
}

void TFrmCurLabour::ShowMonths(const std::vector<current::InternshipMonth> &Months) {
    TblMonths->setRowCount(static_cast<int>(Months.size()));
    for (int row = 0; row < static_cast<int>(Months.size()); ++row) {
        const current::InternshipMonth &m = Months[static_cast<std::size_t>(row)];
        const current::WageWithholding &w = m.Withholding;
        const QStringList cells{QString::number(w.Month),
                                Amount(w.Income),
                                Amount(m.IncomeAmount),
                                Amount(w.CumulativeIncome),
                                Amount(w.CumulativeBasic),
                                Amount(w.CumulativeTaxable),
                                RatePercent(w.Rate),
                                Amount(w.QuickDeduction),
                                Amount(w.CumulativeTax),
                                Amount(w.WithheldBefore),
                                Amount(w.Tax),
                                Amount(w.Net)};
        for (int column = 0; column < cells.size(); ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            TblMonths->setItem(row, column, item);
        }
    }
}

void TFrmCurLabour::BtnCalcClick() {
    ClearMessages({TxtMsgInput});
    const auto income = ReadCents(TxtIncome);
    if (!income && Internship())
        return ReportInline(TxtMsgInput, tr("每月收入数据无效，请重新输入。"), TxtIncome);
    if (!income)
        return ReportInline(TxtMsgInput, tr("每次收入数据无效，请重新输入。"), TxtIncome);
    if (Internship())
        return CalcInternship(*income);

    const current::Remuneration r =
        current::WithholdRemuneration(*income, Kind(), RBtnNonResident->isChecked());
    ShowResult(TxtDeduction, Amount(r.Deduction));
    ShowResult(TxtTaxable, Amount(r.Taxable));
    ShowResult(TxtRate, RatePercent(r.Rate));
    ShowResult(TxtQuickDeduction, Amount(r.QuickDeduction));
    ShowResult(TxtTax, Amount(r.Tax));
    ShowResult(TxtAfterTax, Amount(r.AfterTax));
    TxtSettlement->setText(SettlementNote(r));
    FocusAndSelect(TxtIncome);
}

void TFrmCurLabour::BtnResetClick() {
    ClearPage();
    TxtIncome->setFocus(Qt::OtherFocusReason);
}

void TFrmCurLabour::BtnReverseClick() {
    TFrmCurReverse::Start start;
    start.Kind = Kind();
    start.NonResident = RBtnNonResident->isChecked();
    TFrmCurReverse dialog(TFrmCurReverse::Subject::Labour, start, this);
    dialog.exec();
}

void TFrmCurLabour::ClearPage() {
    ClearMessages({TxtMsgInput});
    TxtIncome->clear();
    RBtnLabour->setChecked(true);
    RBtnResident->setChecked(true);
    ChkIntern->setChecked(false);
    SpnFirstMonth->setValue(1);
    SpnLastMonth->setValue(current::Law::MonthsInYear);
    InternshipChanged();
    ClearResults();
}

void TFrmCurLabour::ClearResults() {
    for (QLineEdit *edit :
         {TxtDeduction, TxtTaxable, TxtRate, TxtQuickDeduction, TxtTax, TxtAfterTax})
        edit->clear();
    TblMonths->setRowCount(0);
    TxtInternTotal->clear();
    TxtSettlement->setText(tr("年度汇算：居民个人的劳务报酬、特许权使用费按收入的%1%、稿酬按收入的"
                              "%2%计入综合所得，与工资薪金等合并计税，预扣的税款多退少补。")
                               .arg(current::Law::IncomeShare)
                               .arg(current::Law::AuthorIncomeShare));
}
