#pragma once

#include <QDialog>
#include <optional>

class QLabel;
class QPushButton;
class TClickLabel;

// The answer of the update check: either the program is the newest, or the web site has a newer
// version to download.
class TFrmUpdate : public QDialog {
    Q_OBJECT
  public:
    // The running program's version; 301 is shown to users as V3.01.
    static constexpr int CurrentVersion = 301;

    // Mode: true when a newer version exists.
    TFrmUpdate(QWidget *Owner, bool Mode);

    // The version page's number: blanks before it and a sign are allowed, nothing after it.
    static std::optional<int> ParseVersion(const QString &Text);

    bool Mode() const { return FMode; }

    QLabel *TxtMsg;
    TClickLabel *TxtUrl;
    QPushButton *BtnOK, *BtnCancel;

    void BtnOKClick();
    void BtnCancelClick();
    void TxtUrlClick();

  private:
    void BuildTexts();
    void BuildButtons();

    bool FMode = false;
};
