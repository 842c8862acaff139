#pragma once
// A column of a current-law page that scrolls rather than overlaps or clips when a larger font
// needs more room than the window has.

class QHBoxLayout;
class QLayout;
class QScrollArea;
class QString;
class QWidget;

QScrollArea *ScrollColumn(QLayout *Content, QWidget *Parent, const QString &Name);

// A page of two columns: its inputs above its results on the left (ScrollInputs, taking the
// room), the calculation method on the right (ScrollMethod).
QHBoxLayout *InputsBesideMethod(QLayout *Inputs, QLayout *Results, QWidget *Method,
                                QWidget *Parent);
