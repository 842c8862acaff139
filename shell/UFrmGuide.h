#pragma once
// The user guide (帮助 → 使用说明, F1): the guide of the language in use in a window of its own,
// opened at the section of the page shown.

#include <QWidget>

class QTextBrowser;

class TFrmGuide : public QWidget {
    Q_OBJECT

  public:
    explicit TFrmGuide(QWidget *Parent = nullptr);

    // Scrolls to the section of a page or window class ("TFrmCurWage"); a page without a section
    // of its own (those of earlier rules) to the one about them, nothing to the beginning. The
    // main window calls it each time the guide is asked for.
    Q_INVOKABLE void ShowSectionOf(const QString &PageClass);
    QString Section() const { return Shown; }

  protected:
    void changeEvent(QEvent *Event) override;

  private:
    void Load();

    QTextBrowser *Text = nullptr;
    QString Shown;
};
