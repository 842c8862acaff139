#pragma once
// Whether a page's inputs are still those it took from the open year (common/UOpenYear.h): while
// they are, the page follows the year as it changes (another file opened, the deductions dialog,
// an edit on the page 我的纳税年度, also while the page was away); once the user changes one,
// the page keeps what the user typed. The 从纳税年度填入 button takes the year's figures again.

#include <QObject>
#include <QVariant>
#include <functional>
#include <initializer_list>

class QAbstractButton;
class QLineEdit;
class QPushButton;
class QWidget;

class TYearLink : public QObject {
    Q_OBJECT
  public:
    // Fill puts the open year's figures into the page; Button (从纳税年度填入) runs it, and with
    // Shown is shown only while a year is open.
    TYearLink(QPushButton *Button, std::initializer_list<QWidget *> Shown,
              std::function<void()> Fill);

    // The user changing any of these leaves the year behind.
    void Watch(std::initializer_list<QLineEdit *> Edits);
    void Watch(std::initializer_list<QAbstractButton *> Options);
    void Leave();

    bool Linked() const { return Revision != 0; }
    // Linked, or being filled from the year now.
    bool Following() const { return Filling || Linked(); }
    // Fills the page from the year, when one is open; the page is linked to it then.
    void Fill();

    // The link as the page keeps it beside its inputs, and back once they are: a page that was
    // left with the year's figures, when the year changed since, takes them anew.
    QVariant Saved() const { return Revision; }
    void Restore(const QVariant &Saved);

  signals:
    // The inputs came to be the year's, or stopped being: a page that applies the year's law
    // while it follows the year shows that law's choices again.
    void LinkChanged();

  private:
    void YearChanged();
    void SetRevision(quint64 Now);

    QPushButton *Button;
    QList<QWidget *> Shown;
    std::function<void()> Filler;
    // Of the year the inputs were taken from; 0: the user's own; Awaited: of the year being read.
    static constexpr quint64 Awaited = ~quint64(0);
    quint64 Revision = 0;
    bool Filling = false;
};
