#pragma once

#include <QDialog>

class QProgressBar;
class QTimer;

// A borderless "please wait" window: shown, it waits a second, runs its bar to full and closes.
class TFrmProcessBar : public QDialog {
    Q_OBJECT
  public:
    explicit TFrmProcessBar(QWidget *Parent = nullptr);

    QProgressBar *progressBar;
    QTimer *MyTimer;

    void FormShow();
    void MyTimerTimer();

  protected:
    void showEvent(QShowEvent *Event) override;
};
