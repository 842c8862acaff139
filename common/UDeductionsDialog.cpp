#include "common/UDeductionsDialog.h"

#include "common/UCalcPage.h"
#include "common/UDeductionFacts.h"
#include "common/UDesktopHabits.h"
#include "common/UFactTable.h"
#include "common/UOpenYear.h"
#include "common/UScrollColumn.h"
#include "common/UYearFacts.h"
#include "common/UYearFiles.h"
#include "common/UYearModel.h"
#include "common/UYearResults.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

using current::Cents;
using current::EntitlementMonth;

namespace {

QString Amount(Cents Value) {
    return QString::fromStdString(current::FormatCents(Value));
}

QLabel *Grey(const QString &Text, QWidget *Parent) {
    auto *label = new QLabel(Text, Parent);
    label->setStyleSheet(QStringLiteral("color: gray;"));
    label->setWordWrap(true);
    return label;
}

} // namespace

TFrmCurDeductions::TFrmCurDeductions(QWidget *Parent) : QDialog(Parent) {
    setObjectName(QStringLiteral("FrmCurDeductions"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);

    const TOpenYear &year = TOpenYear::Instance();
    Model = new TYearModel(this);
    if (year.IsOpen())
        Model->SetFacts(year.Facts(), year.Result());
    else
        Model->SetFacts(YearFiles::FreshYear());
    const int shownYear = Model->Figures()->Facts.Year;
    setWindowTitle(tr("专项附加扣除（%1年）").arg(shownYear));

    auto *facts = new QVBoxLayout;
    Deductions = new TDeductionFacts;
    facts->addWidget(Deductions);
    QScrollArea *scroll = ScrollColumn(facts, this, QStringLiteral("ScrollDeductions"));
    scroll->setMinimumWidth(460);

    TxtYear = Grey(year.IsOpen() ? tr("%1年的纳税年度：确定后，这些扣除存入该年度。").arg(shownYear)
                                 : tr("还没有打开的纳税年度：确定后，以这些扣除新建%1年的纳税年度，"
                                      "可在“我的纳税年度”页保存。")
                                       .arg(shownYear),
                   this);
    TxtYear->setObjectName(QStringLiteral("TxtYear"));
    TCalcPage::Describe(TxtYear, tr("纳税年度"));
    TblMonths = new QTableWidget(this);
    TblMonths->setObjectName(QStringLiteral("TblMonths"));
    TblMonths->setAccessibleName(tr("每月扣除"));
    TblMonths->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TblMonths->verticalHeader()->hide();
    TblMonths->verticalHeader()->setDefaultSectionSize(TblMonths->fontMetrics().height() + 6);
    DesktopHabits::ColumnsFitContents(TblMonths);
    TxtYearTotal = new QLabel(this);
    TxtYearTotal->setObjectName(QStringLiteral("TxtYearTotal"));
    TxtYearTotal->setWordWrap(true);
    TxtYearTotal->setTextInteractionFlags(Qt::TextSelectableByMouse);
    TCalcPage::Describe(TxtYearTotal, tr("全年合计"));
    QFont bold = TxtYearTotal->font();
    bold.setBold(true);
    TxtYearTotal->setFont(bold);
    TxtMsg = new QLabel(this);
    TxtMsg->setObjectName(QStringLiteral("TxtMsg"));
    TxtMsg->setStyleSheet(QStringLiteral("color: red;"));
    TxtMsg->setWordWrap(true);
    TCalcPage::Describe(TxtMsg, tr("专项附加扣除提示"));
    auto *months = new QVBoxLayout;
    months->addWidget(TxtYear);
    months->addWidget(TblMonths, 1);
    months->addWidget(TxtYearTotal);
    months->addWidget(Grey(tr("每月的数额是该月累计预扣时扣除的数额，由年度引擎按出生日期、"
                              "起止年月等算出；大病医疗只在年度汇算时扣除。"),
                           this));
    months->addWidget(TxtMsg);

    // Enter in a field must not confirm the dialog, so neither button is a default button;
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
    months->addLayout(buttons);
    connect(BtnOK, &QPushButton::clicked, this, &TFrmCurDeductions::BtnOKClick);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addWidget(scroll, 1);
    layout->addLayout(months, 1);
    resize(1000, 620);

    Deductions->SetJson(Model->Typed());
    Deductions->SetYear(shownYear);
    connect(Deductions, &TDeductionFacts::Edited, this, &TFrmCurDeductions::Update);
    connect(Deductions, &TDeductionFacts::FieldEdited, this, &TFrmCurDeductions::Update);
    Update();
}

TFrmCurDeductions::~TFrmCurDeductions() {
    disconnect(Deductions, nullptr, this, nullptr);
}

const std::optional<current::YearFacts> &TFrmCurDeductions::Edited() const {
    return Model->Check().Facts;
}

void TFrmCurDeductions::Update() {
    // Only the deductions are edited here: the rest of the year stays as it was opened.
    QJsonObject json = Model->Typed();
    for (const QString &key : TDeductionFacts::Keys())
        json.remove(key);
    const QJsonObject edited = Deductions->Json();
    for (auto item = edited.begin(); item != edited.end(); ++item)
        json.insert(item.key(), item.value());
    Model->SetTyped(json);
    const TYearRead &read = Model->Check();
    Deductions->ClearFault();
    // In the user's terms at the field, as the year page says it.
    const QString fault = YearFaultWords(read, json, [this](const TFactPath &Path) {
        return Deductions->PlaceOf(Path).value_or(TFactPlace{tr("纳税年度"), {}});
    });
    TxtMsg->setText(fault);
    if (!read.Facts) {
        Deductions->MarkFault(TFactPath::Of(read.Path), false, fault);
        return;
    }
    const current::YearFacts &facts = *read.Facts;
    const current::YearRules &rules = *current::RulesOf(facts.Year);
    ShowMonths(current::EntitlementsOf(facts, rules), current::IllnessDeduction(facts.Illness));
}

// The items some month is entitled to, month by month and for the year, as the command line's
// timeline shows them.
void TFrmCurDeductions::ShowMonths(const current::Timeline &Months, Cents Illness) {
    std::vector<const TTimelineField *> shown;
    for (const TTimelineField &field : TimelineFields()) {
        if (std::any_of(Months.begin(), Months.end(),
                        [&](const EntitlementMonth &m) { return m.*field.Field != 0; }))
            shown.push_back(&field);
    }
    QStringList headers{tr("月份")};
    for (const TTimelineField *field : shown)
        headers << field->Title();
    headers << tr("合计");
    TblMonths->clear();
    TblMonths->setColumnCount(int(headers.size()));
    TblMonths->setRowCount(int(Months.size()) + 1);
    TblMonths->setHorizontalHeaderLabels(headers);
    const auto put = [this](int Row, int Column, const QString &Text) {
        auto *cell = new QTableWidgetItem(Text);
        cell->setTextAlignment(Column == 0 ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
        TblMonths->setItem(Row, Column, cell);
    };
    EntitlementMonth year;
    for (int row = 0; row < int(Months.size()); ++row) {
        const EntitlementMonth &month = Months[std::size_t(row)];
        put(row, 0, tr("%1月").arg(month.Month));
        for (int i = 0; i < int(shown.size()); ++i) {
            put(row, i + 1, Amount(month.*shown[std::size_t(i)]->Field));
            year.*shown[std::size_t(i)]->Field += month.*shown[std::size_t(i)]->Field;
        }
        put(row, int(shown.size()) + 1, Amount(month.Total()));
    }
    const int last = int(Months.size());
    put(last, 0, tr("全年"));
    for (int i = 0; i < int(shown.size()); ++i)
        put(last, i + 1, Amount(year.*shown[std::size_t(i)]->Field));
    put(last, int(shown.size()) + 1, Amount(year.Total()));
    TxtYearTotal->setText(tr("全年合计：%1元；另有大病医疗%2元在年度汇算时扣除。")
                              .arg(Amount(year.Total()), Amount(Illness)));
}

void TFrmCurDeductions::BtnOKClick() {
    const TYearRead &read = Model->Check();
    if (!read.Facts) {
        Deductions->MarkFault(TFactPath::Of(read.Path), true, TxtMsg->text());
        return;
    }
    TOpenYear &year = TOpenYear::Instance();
    if (year.IsOpen())
        year.Update(*read.Facts);
    else
        YearFiles::Begin(*read.Facts);
    accept();
}
