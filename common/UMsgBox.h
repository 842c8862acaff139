#pragma once

#include <QString>

class QWidget;

namespace MsgBox {

// The application's own title, used where a box carries the system's default caption.
QString ApplicationTitle();

// A modal box with the caption "提示" (or the given one), the text, one OK button and no icon.
void Show(QWidget *Parent, const QString &Text, const QString &Title = {});

// How many boxes Show and ShowConversionError have put up since the program started: whoever
// runs a calculation again can tell whether it spoke to the user the first time.
int Shown();

// The report of a text that is not a number, where a handler leaves the conversion unchecked. A
// long text is quoted by its beginning only (Quoted), so the box stays narrow.
void ShowConversionError(QWidget *Parent, const QString &Text);

// At most QuoteLength characters of Text, with "…" for what is left out, and without control
// characters, for quoting what the user typed or pasted in a message.
inline constexpr qsizetype QuoteLength = 32;
QString Quoted(const QString &Text);

} // namespace MsgBox
