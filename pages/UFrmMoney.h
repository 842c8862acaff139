#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class TNumKeyFilter;

// Writes an amount of Renminbi in capital numerals. A modal tool window, opened anew each time.
class TFrmMoney : public QDialog {
    Q_OBJECT
  public:
    explicit TFrmMoney(QWidget *Parent = nullptr);

    QLineEdit *TxtLowercase, *TxtCapital;
    QLabel *TxtMsg;
    QPushButton *BtnConvert, *BtnCopy, *BtnCancel;

    void BtnConvertClick();
    void BtnCopyClick();
    void BtnCancelClick();

  private:
    QLabel *Caption(const QString &Text, int X, int Y);
    QLineEdit *Edit(const QString &Name, int X, int Y, int Width);
    QPushButton *Button(const QString &Name, const QString &Text, int X, int Y);

    TNumKeyFilter *KeyFilter;
};
