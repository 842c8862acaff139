#include "shell/UFrmProcessBar.h"

#include "common/UCalcPage.h"
#include "common/UShellWindow.h"

#include <QProgressBar>
#include <QThread>
#include <QTimer>

TFrmProcessBar::TFrmProcessBar(QWidget *Parent)
    : QDialog(Parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("FrmProcessBar"));
    setFixedSize(360, 71);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0xC8, 0xC8, 0xC8)); // the scroll-bar grey
    setPalette(palette);
    setAutoFillBackground(true);
    QLabel *caption = ShellWindow::Label(this, tr("计算中，请稍等..."), 16, 12);
    progressBar = new QProgressBar(this);
    progressBar->setObjectName(QStringLiteral("progressBar"));
    TCalcPage::Describe(progressBar, caption->text());
    progressBar->setGeometry(16, 38, 329, 17);
    progressBar->setTextVisible(false);
    progressBar->setValue(0);
    MyTimer = new QTimer(this);
    MyTimer->setObjectName(QStringLiteral("MyTimer"));
    connect(MyTimer, &QTimer::timeout, this, &TFrmProcessBar::MyTimerTimer);
}

void TFrmProcessBar::showEvent(QShowEvent *Event) {
    QDialog::showEvent(Event);
    FormShow();
}

void TFrmProcessBar::FormShow() {
    MyTimer->setInterval(1000);
    MyTimer->start();
}

void TFrmProcessBar::MyTimerTimer() {
    MyTimer->stop();
    progressBar->setRange(0, 10);
    for (int position = 0; position <= 10; ++position) {
        progressBar->setValue(position);
        progressBar->repaint();
        QThread::msleep(1);
    }
    close();
}
