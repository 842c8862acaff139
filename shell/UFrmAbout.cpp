#include "shell/UFrmAbout.h"

#include "common/UDesktopHabits.h"
#include "common/UShellWindow.h"
#include "common/USupportContact.h"

#include <QPushButton>

TFrmAbout::TFrmAbout(QWidget *Parent) : QDialog(Parent) {
    setObjectName(QStringLiteral("FrmAbout"));
    ShellWindow::SetUp(this, tr("关于 Pendra"), QSize(408, 213));
    ShellWindow::Picture(this, QStringLiteral(":/pictures/icon.png"), QRect(20, 20, 32, 32))
        ->setObjectName(QStringLiteral("ImgIcon"));
    using ShellWindow::Label;
    Label(this, tr("Pendra个人所得税计算器  V3.01"), 70, 24, true);
    Label(this, tr("作者：%1").arg(SupportContact::Maker()), 70, 62);
    Label(this, tr("QQ：%1").arg(SupportContact::MakerQQ), 70, 86);
    Label(this, tr("旺旺：%1").arg(SupportContact::Wangwang), 70, 110);
    Label(this, tr("Email：%1").arg(SupportContact::Email), 70, 134);

    Button1 = new QPushButton(tr("取消"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(313, 174, 75, 25);
    Button1->setAutoDefault(false);
    DesktopHabits::ClickOnEnter(Button1);
    connect(Button1, &QPushButton::clicked, this, &TFrmAbout::Button1Click);
}

void TFrmAbout::Button1Click() {
    reject();
}
