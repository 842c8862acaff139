#pragma once
// A column of a current-law page that scrolls rather than overlaps or clips when a larger font
// needs more room than the window has.

class QHBoxLayout;
class QLayout;
class QScrollArea;
class QString;
class QWidget;

QScrollArea *ScrollColumn(QLayout *Content, QWidget *Parent, const QString &Name);

// Column is as wide as its content needs beside a vertical scroll bar, as that need changes
// (another language, a caption that breaks onto a second line): the page's other columns take
// what is left, so that this one never scrolls sideways.
void KeepWholeWidth(QScrollArea *Column);

// A page of two columns: its inputs above its results on the left (ScrollInputs, taking the
// room), the calculation method on the right (ScrollMethod).
QHBoxLayout *InputsBesideMethod(QLayout *Inputs, QLayout *Results, QWidget *Method,
                                QWidget *Parent);
