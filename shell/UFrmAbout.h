#pragma once

#include <QDialog>

class QPushButton;

// The About box: the program's name and version, its maker and how to reach them.
class TFrmAbout : public QDialog {
    Q_OBJECT
  public:
    explicit TFrmAbout(QWidget *Parent = nullptr);

    QPushButton *Button1;

    void Button1Click();
};
