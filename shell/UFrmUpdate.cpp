#include "shell/UFrmUpdate.h"

#include "common/UCalcPage.h"
#include "common/UDesktopHabits.h"
#include "common/UShellWindow.h"
#include "common/UUtils.h"
#include "common/UWebText.h"

#include <QPushButton>

TFrmUpdate::TFrmUpdate(QWidget *Owner, bool Mode) : QDialog(Owner), FMode(Mode) {
    setObjectName(QStringLiteral("FrmUpdate"));
    ShellWindow::SetUp(this, tr("Pendra计算器 - 更新提示"), QSize(409, 288));
    ShellWindow::Picture(this, QStringLiteral(":/pictures/update_side.png"), QRect(0, 0, 100, 242))
        ->setObjectName(QStringLiteral("ImgSide"));
    ShellWindow::Picture(this, QStringLiteral(":/pictures/update_strip.png"),
                         QRect(72, 256, 337, 27))
        ->setObjectName(QStringLiteral("ImgStrip"));
    BuildTexts();
    BuildButtons();
    TxtMsg->setText(Mode ? tr("当前软件不是最新版本，请到官网下载最新版本。")
                         : tr("当前软件版本已经是最新的。"));
    BtnOK->setText(Mode ? tr("打开官网") : tr("确定"));
}

void TFrmUpdate::BuildTexts() {
    TxtMsg = new QLabel(this);
    TxtMsg->setObjectName(QStringLiteral("TxtMsg"));
    TxtMsg->setGeometry(118, 28, 280, 44);
    TxtMsg->setWordWrap(true);
    QFont bold = TxtMsg->font();
    bold.setBold(true);
    TxtMsg->setFont(bold);
    TCalcPage::Describe(TxtMsg, tr("更新提示"));
    ShellWindow::Label(this, tr("欢迎以后继续关注我们的新产品更新。"), 118, 86);
    ShellWindow::Label(this, tr("更多精彩内容敬请关注："), 118, 124);
    TxtUrl = new TClickLabel(this);
    TxtUrl->setObjectName(QStringLiteral("TxtUrl"));
    TxtUrl->setText(TUtils::SiteUrl());
    TxtUrl->setStyleSheet(QStringLiteral("color: blue; text-decoration: underline;"));
    TxtUrl->move(118, 146);
    TxtUrl->adjustSize();
    TCalcPage::Describe(TxtUrl, tr("官方网站"));
    TxtUrl->setAccessibleDescription(TxtUrl->text());
    connect(TxtUrl, &TClickLabel::Clicked, this, &TFrmUpdate::TxtUrlClick);
}

void TFrmUpdate::BuildButtons() {
    BtnOK = new QPushButton(this);
    BtnOK->setObjectName(QStringLiteral("BtnOK"));
    BtnOK->setGeometry(228, 212, 80, 25);
    BtnCancel = new QPushButton(tr("取消"), this);
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    BtnCancel->setGeometry(318, 212, 80, 25);
    BtnCancel->setAutoDefault(false);
    DesktopHabits::ClickOnEnter(BtnCancel);
    connect(BtnOK, &QPushButton::clicked, this, &TFrmUpdate::BtnOKClick);
    connect(BtnCancel, &QPushButton::clicked, this, &TFrmUpdate::BtnCancelClick);
}

std::optional<int> TFrmUpdate::ParseVersion(const QString &Text) {
    return WebText::ParseVersion(Text);
}

void TFrmUpdate::BtnOKClick() {
    if (FMode)
        TUtils::OpenUrl(TUtils::SiteUrl());
    accept();
}

void TFrmUpdate::BtnCancelClick() {
    reject();
}

void TFrmUpdate::TxtUrlClick() {
    TUtils::OpenUrl(TUtils::SiteUrl());
}
