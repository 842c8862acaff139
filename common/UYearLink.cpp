#include "common/UYearLink.h"

#include "common/UOpenYear.h"
#include "common/UYearFiles.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPushButton>

TYearLink::TYearLink(QPushButton *Button, std::initializer_list<QWidget *> Shown,
                     std::function<void()> Fill)
    : QObject(Button), Button(Button), Shown(Shown), Filler(std::move(Fill)) {
    this->Shown.append(Button);
    connect(Button, &QPushButton::clicked, this, &TYearLink::Fill);
    connect(&TOpenYear::Instance(), &TOpenYear::Changed, this, &TYearLink::YearChanged);
    YearChanged();
    // A page made while the remembered year is still being read starts from it when it comes,
    // as it would have had the year been there, unless the user changes something first.
    if (!TOpenYear::Instance().IsOpen() && YearFiles::Reopening())
        Revision = Awaited;
}

void TYearLink::Watch(std::initializer_list<QLineEdit *> Edits) {
    for (QLineEdit *edit : Edits)
        connect(edit, &QLineEdit::textEdited, this, &TYearLink::Leave);
}

void TYearLink::Watch(std::initializer_list<QAbstractButton *> Options) {
    for (QAbstractButton *option : Options)
        connect(option, &QAbstractButton::clicked, this, &TYearLink::Leave);
}

void TYearLink::Leave() {
    if (!Filling)
        SetRevision(0);
}

void TYearLink::Fill() {
    const TOpenYear &year = TOpenYear::Instance();
    if (!year.IsOpen())
        return;
    Filling = true;
    Filler();
    Filling = false;
    SetRevision(year.Revision());
}

void TYearLink::Restore(const QVariant &Saved) {
    const quint64 revision = Saved.toULongLong();
    const TOpenYear &year = TOpenYear::Instance();
    SetRevision(year.IsOpen() ? revision : 0);
    if (Linked() && revision != year.Revision())
        Fill();
}

void TYearLink::YearChanged() {
    const TOpenYear &year = TOpenYear::Instance();
    for (QWidget *widget : Shown)
        widget->setVisible(year.IsOpen());
    if (Linked() && year.IsOpen() && Revision != year.Revision())
        Fill();
    else if (!year.IsOpen())
        SetRevision(0);
}

void TYearLink::SetRevision(quint64 Now) {
    const bool was = Linked();
    Revision = Now;
    if (was != Linked())
        emit LinkChanged();
}
