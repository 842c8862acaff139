#pragma once
// Checks shared by the page tests: where the focus is, and the order Tab walks through.

#include <QApplication>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>

namespace PageChecks {

inline QString FocusName() {
    const QWidget *focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

// The edit has the focus and its whole text is selected (an empty text counts as selected).
inline bool FocusedAndSelected(const QLineEdit *Edit) {
    return Edit->hasFocus() && Edit->selectedText() == Edit->text();
}

// The names of Count widgets that Tab visits from First on, skipping what cannot take focus.
inline QStringList TabChain(QWidget *First, int Count) {
    QStringList names;
    QWidget *w = First;
    while (w && names.size() < Count) {
        names.append(w->objectName());
        do
            w = w->nextInFocusChain();
        while (w && w != First && (w->focusPolicy() == Qt::NoFocus || !w->isVisible()));
    }
    return names;
}

} // namespace PageChecks
