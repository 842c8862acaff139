#pragma once
// Base of the pages of the law in force since 2019. They keep the look of every page (title
// strip, status bar, key filter, red inline messages, copy buttons, reset) but are laid out by Qt
// layouts instead of fixed positions, so that tables and charts take the room a larger window
// gives and nothing clips at a larger font. Amounts are read as whole cents for the current-law
// engines, and every text goes through tr().

#include "common/UCalcPage.h"
#include "engine/current/Money.h"
#include "engine/current/Rules.h"

#include <optional>

class QFormLayout;
class QGroupBox;
class QHBoxLayout;
class QVBoxLayout;

class TCurrentPage : public TCalcPage {
    Q_OBJECT
  public:
    // Page: the class whose row in the page registry gives the title.
    explicit TCurrentPage(const QMetaObject &Page, QWidget *Parent = nullptr);

    // Display form of an amount in cents: two decimals, with or without "元".
    static QString Amount(current::Cents Value);
    static QString AmountYuan(current::Cents Value);
    static QString RatePercent(int Rate);
    // An amount or a day of the law as the notes say it: 60000 (whole yuan without decimals),
    // 2027年12月31日.
    static QString LawAmount(current::Cents Value);
    static QString LawDate(current::Date Day);

    // Lets every caption of the forms under Root that is longer than a caption should be break
    // onto a second line instead of widening its form: English captions are often twice as long
    // as the Chinese ones, which keep to one line.
    static void WrapLongCaptions(QWidget *Root);

    // Made by CalcButtons; the page connects the buttons to its own handlers.
    QPushButton *BtnCalc = nullptr, *BtnReset = nullptr;
    QLabel *TxtMsgInput = nullptr; // the red message of the inputs

  protected:
    // A page that showed results as it went shows them again when it comes back: its inputs are
    // back as they were, and its calculation reports in the page.
    void RestoreResults() override;
    bool event(QEvent *Event) override;

    // The client area's layout, top to bottom.
    QVBoxLayout *Body() const { return BodyLayout; }

    // A form of caption–field rows; Add…Row put a field in it.
    QFormLayout *NewForm();
    // An amount input under the key filter, named after Name and described by its caption; a
    // button that fills it may stand beside it.
    QLineEdit *AddInputRow(QFormLayout *Form, const QString &Name, const QString &CaptionText,
                           QPushButton *Beside = nullptr);
    // A read-only result with a copy button beside it; the copy button is named Copy<Name>
    // unless CopyName says otherwise.
    QLineEdit *AddResultRow(QFormLayout *Form, const QString &Name, const QString &CaptionText,
                            const QString &CopyName = {});
    // Shows or hides the row of Form that holds Field, directly or beside its copy button.
    static void ShowRow(QFormLayout *Form, QWidget *Field, bool Visible);
    // A red message (empty until a check fails), word-wrapped, as wide as the page gives.
    QLabel *InlineMessage(const QString &Name, const QString &Field);
    // A grey note in the page's small print.
    QLabel *GreyNote(const QString &Text);
    QPushButton *FlowButton(const QString &Name, const QString &Text);
    // A row of buttons, left-aligned.
    QHBoxLayout *ButtonRow(std::initializer_list<QPushButton *> Buttons);
    // 开始计算 and 重置 in a row, and TxtMsgInput (for Field) for the page to place.
    QHBoxLayout *CalcButtons(const QString &Field);
    // A column of the page's inputs, then 开始计算 and 重置, then TxtMsgInput (for Field).
    QVBoxLayout *InputColumn(QLayout *Inputs, const QString &Field);
    // The calculation method: a group holding the picture drawn for the page.
    QGroupBox *MethodGroup(const QString &Picture);

    // Reading: an amount in cents; a blank optional amount reads as 0. None for text that is not
    // an amount (the key filter lets through only digits and one point, so this is a blank
    // required field or an amount beyond what the engines take).
    static std::optional<current::Cents> ReadCents(const QLineEdit *Edit);
    static std::optional<current::Cents> ReadOptionalCents(const QLineEdit *Edit);

  private:
    QVBoxLayout *BodyLayout = nullptr;
};
