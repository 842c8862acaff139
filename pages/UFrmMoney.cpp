#include "pages/UFrmMoney.h"

#include "common/UCalcPage.h"
#include "common/UDesktopHabits.h"
#include "common/UNumKeyFilter.h"
#include "common/UUtils.h"
#include "engine/UMoneyManager.h"
#include "engine/UNumText.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFrmMoney::TFrmMoney(QWidget *Parent) : QDialog(Parent), KeyFilter(new TNumKeyFilter(this)) {
    setWindowTitle(tr("人民币大小写转换"));
    setFixedSize(451, 237);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    QLabel *lowercase = Caption(tr("人民币小写金额："), 29, 33);
    TxtLowercase = Edit(QStringLiteral("TxtLowercase"), 30, 53, 219);
    lowercase->setBuddy(TxtLowercase);
    TCalcPage::Describe(TxtLowercase, lowercase->text());
    BtnConvert = Button(QStringLiteral("BtnConvert"), tr("转换"), 258, 53);
    TxtMsg = new QLabel(QStringLiteral("   "), this);
    TxtMsg->setObjectName(QStringLiteral("TxtMsg"));
    TxtMsg->setStyleSheet(QStringLiteral("color: red;"));
    TxtMsg->setGeometry(32, 87, 387, 20);
    TxtMsg->setAccessibleName(tr("%1提示").arg(TxtLowercase->accessibleName()));
    QLabel *capital = Caption(tr("人民币大写金额："), 31, 119);
    TxtCapital = Edit(QStringLiteral("TxtCapital"), 30, 140, 387);
    capital->setBuddy(TxtCapital);
    TCalcPage::Describe(TxtCapital, capital->text());
    BtnCopy = Button(QStringLiteral("BtnCopy"), tr("复制"), 258, 190);
    BtnCancel = Button(QStringLiteral("BtnCancel"), tr("取消"), 344, 190);

    setTabOrder(TxtLowercase, BtnConvert);
    setTabOrder(BtnConvert, TxtCapital);
    setTabOrder(TxtCapital, BtnCopy);
    setTabOrder(BtnCopy, BtnCancel);
    TxtLowercase->setFocus(Qt::OtherFocusReason);

    connect(BtnConvert, &QPushButton::clicked, this, &TFrmMoney::BtnConvertClick);
    connect(BtnCopy, &QPushButton::clicked, this, &TFrmMoney::BtnCopyClick);
    connect(BtnCancel, &QPushButton::clicked, this, &TFrmMoney::BtnCancelClick);
    KeyFilter->SetEnterAction(TxtLowercase, [this] { BtnConvertClick(); });
    // Enter in the capital box is swallowed, so that it presses no default button either.
    KeyFilter->SetEnterAction(TxtCapital, [] {});
}

QLabel *TFrmMoney::Caption(const QString &Text, int X, int Y) {
    auto *label = new QLabel(Text, this);
    QFont font = label->font();
    font.setPixelSize(12);
    font.setBold(true);
    label->setFont(font);
    label->move(X, Y);
    label->adjustSize();
    return label;
}

QLineEdit *TFrmMoney::Edit(const QString &Name, int X, int Y, int Width) {
    auto *edit = new QLineEdit(this);
    edit->setObjectName(Name);
    QFont font = edit->font();
    font.setPixelSize(16);
    edit->setFont(font);
    edit->setGeometry(X, Y, Width, 28);
    KeyFilter->Attach(edit);
    DesktopHabits::TipWhenClipped(edit);
    return edit;
}

QPushButton *TFrmMoney::Button(const QString &Name, const QString &Text, int X, int Y) {
    auto *button = new QPushButton(Text, this);
    button->setObjectName(Name);
    button->setGeometry(X, Y, 75, 28);
    return button;
}

void TFrmMoney::BtnConvertClick() {
    TxtMsg->clear();
    const auto amount = NumText::ParseAmount(TxtLowercase->text().toStdString());
    // Negative amounts and amounts from 10^13 yuan up can only be pasted in; they have no
    // capital form.
    if (!amount || !TMoneyManager::CanConvert(*amount)) {
        TxtMsg->setText(tr("人民币小写金额数据无效，请重新输入。"));
        TxtLowercase->setFocus(Qt::OtherFocusReason);
        TxtLowercase->selectAll();
        return;
    }
    DesktopHabits::ShowResult(TxtCapital,
                              QString::fromStdString(TMoneyManager::ToCapital(*amount)));
    // The amount in its general form stays where the user types on, the caret at its end.
    TxtLowercase->setText(QString::fromStdString(NumText::FormatGeneral(*amount)));
}

void TFrmMoney::BtnCopyClick() {
    TUtils::CopyToClipboard(TxtCapital->text());
}

void TFrmMoney::BtnCancelClick() {
    reject();
}
