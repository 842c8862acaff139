#include "shell/UFrmFeedback.h"

#include "common/UCalcPage.h"
#include "common/UDesktopHabits.h"
#include "common/UShellWindow.h"
#include "common/USupportContact.h"
#include "common/UUtils.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

TFrmFeedback::TFrmFeedback(QWidget *Parent) : QDialog(Parent) {
    setObjectName(QStringLiteral("FrmFeedback"));
    ShellWindow::SetUp(this, tr("意见反馈"), QSize(376, 318));
    BuildChat();
    BuildContacts();
    BtnCancel = new QPushButton(tr("取消"), this);
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    BtnCancel->setGeometry(288, 280, 75, 25);
    BtnCancel->setAutoDefault(false);
    DesktopHabits::ClickOnEnter(BtnCancel);
    connect(BtnCancel, &QPushButton::clicked, this, &TFrmFeedback::BtnCancelClick);
}

void TFrmFeedback::BuildChat() {
    auto *group = new QGroupBox(tr("在线客服"), this);
    group->setGeometry(13, 8, 350, 73);
    ImgQQ = new TClickLabel(group);
    ImgQQ->setObjectName(QStringLiteral("ImgQQ"));
    ImgQQ->setGeometry(45, 32, 74, 22);
    ShellWindow::ShowPicture(ImgQQ, QStringLiteral(":/pictures/feedback_qq.png"), tr("QQ交谈"));
    ImgWW = new TClickLabel(group);
    ImgWW->setObjectName(QStringLiteral("ImgWW"));
    ImgWW->setGeometry(200, 34, 77, 19);
    ShellWindow::ShowPicture(ImgWW, QStringLiteral(":/pictures/feedback_ww.png"), tr("旺旺交谈"));
    connect(ImgQQ, &TClickLabel::Clicked, this, &TFrmFeedback::ImgQQClick);
    connect(ImgWW, &TClickLabel::Clicked, this, &TFrmFeedback::ImgWWClick);
}

void TFrmFeedback::BuildContacts() {
    auto *group = new QGroupBox(tr("联系方式"), this);
    group->setGeometry(13, 95, 350, 169);
    TxtQQ = ContactRow(group, tr("QQ："), QStringLiteral("TxtQQ"), SupportContact::QQ, 32, BtnQQ,
                       QStringLiteral("BtnQQ"));
    TxtWangwang =
        ContactRow(group, tr("旺旺："), QStringLiteral("TxtWangwang"), SupportContact::Wangwang, 77,
                   BtnWangwang, QStringLiteral("BtnWangwang"));
    TxtEmail = ContactRow(group, tr("Email："), QStringLiteral("TxtEmail"), SupportContact::Email,
                          122, BtnEmail, QStringLiteral("BtnEmail"));
    connect(BtnQQ, &QPushButton::clicked, this, &TFrmFeedback::BtnQQClick);
    connect(BtnWangwang, &QPushButton::clicked, this, &TFrmFeedback::BtnWangwangClick);
    connect(BtnEmail, &QPushButton::clicked, this, &TFrmFeedback::BtnEmailClick);
}

QLineEdit *TFrmFeedback::ContactRow(QWidget *Group, const QString &Caption, const QString &Name,
                                    const QString &Value, int Y, QPushButton *&Copy,
                                    const QString &CopyName) {
    // Right-aligned against the edit: a longer caption of another language takes the room to its
    // left.
    QLabel *caption = ShellWindow::Label(Group, Caption, 10, Y + 4);
    caption->setFixedWidth(80);
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *edit = new QLineEdit(Value, Group);
    edit->setObjectName(Name);
    edit->setReadOnly(true);
    edit->setGeometry(100, Y, 121, 24);
    edit->setCursorPosition(0);
    caption->setBuddy(edit);
    TCalcPage::Describe(edit, Caption);
    Copy = new QPushButton(tr("复制"), Group);
    Copy->setObjectName(CopyName);
    Copy->setGeometry(235, Y - 1, 60, 26);
    Copy->setAutoDefault(false);
    DesktopHabits::ClickOnEnter(Copy);
    return edit;
}

void TFrmFeedback::BtnQQClick() {
    TUtils::CopyToClipboard(TxtQQ->text());
}

void TFrmFeedback::BtnWangwangClick() {
    TUtils::CopyToClipboard(TxtWangwang->text());
}

void TFrmFeedback::BtnEmailClick() {
    TUtils::CopyToClipboard(TxtEmail->text());
}

void TFrmFeedback::ImgQQClick() {
    TUtils::OpenChat();
}

void TFrmFeedback::ImgWWClick() {
    TUtils::OpenShopChat();
}

void TFrmFeedback::BtnCancelClick() {
    reject();
}
