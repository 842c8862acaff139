#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class TClickLabel;

// The support contact: messenger chat buttons, and the numbers with a copy button each.
class TFrmFeedback : public QDialog {
    Q_OBJECT
  public:
    explicit TFrmFeedback(QWidget *Parent = nullptr);

    TClickLabel *ImgQQ, *ImgWW;
    QLineEdit *TxtQQ, *TxtWangwang, *TxtEmail;
    QPushButton *BtnQQ, *BtnWangwang, *BtnEmail, *BtnCancel;

    void BtnQQClick();
    void BtnWangwangClick();
    void BtnEmailClick();
    void ImgQQClick();
    void ImgWWClick();
    void BtnCancelClick();

  private:
    void BuildChat();
    void BuildContacts();
    QLineEdit *ContactRow(QWidget *Group, const QString &Caption, const QString &Name,
                          const QString &Value, int Y, QPushButton *&Copy, const QString &CopyName);
};
