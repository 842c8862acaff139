#include "common/UMsgBox.h"
#include "support/UiTestSupport.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <gtest/gtest.h>

using namespace UiTest;

namespace {

QStringList ButtonTexts(QWidget *modal) {
    QStringList texts;
    if (auto *box = qobject_cast<QMessageBox *>(modal))
        for (QAbstractButton *button : box->buttons())
            texts << button->text();
    return texts;
}

TEST(MsgBox, PromptHasTitleTextOneChineseOkAndNoIcon) {
    QStringList buttons;
    QMessageBox::Icon icon = QMessageBox::Warning;
    const ModalSeen seen =
        CloseNextModal([] { MsgBox::Show(nullptr, "滞纳天数不能小于0，请重新输入。"); },
                       [&](QWidget *modal) {
                           buttons = ButtonTexts(modal);
                           icon = qobject_cast<QMessageBox *>(modal)->icon();
                       });
    EXPECT_EQ(seen.Title, "提示");
    EXPECT_EQ(seen.Text, "滞纳天数不能小于0，请重新输入。");
    EXPECT_EQ(buttons, QStringList{"确定"});
    EXPECT_EQ(icon, QMessageBox::NoIcon);
}

TEST(MsgBox, ConversionErrorNamesTheText) {
    const ModalSeen seen = CloseNextModal([] { MsgBox::ShowConversionError(nullptr, "12a"); });
    EXPECT_EQ(seen.Title, "Pendra计算器");
    EXPECT_EQ(seen.Text, "“12a”不是有效的数值。");
}

TEST(MsgBox, ConversionErrorQuotesTheBeginningOfALongText) {
    const QString pasted =
        QStringLiteral("1234567890abcdefghij\x1b[31m") + QString(5000, QChar(u'元'));
    const ModalSeen seen = CloseNextModal([&] { MsgBox::ShowConversionError(nullptr, pasted); });
    const QString quoted = QStringLiteral("1234567890abcdefghij[31m") + QString(8, QChar(u'元'));
    EXPECT_EQ(seen.Text, QStringLiteral("“%1…”不是有效的数值。").arg(quoted));
}

} // namespace
