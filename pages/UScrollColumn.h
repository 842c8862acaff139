#pragma once
// A column of a current-law page that scrolls rather than overlaps or clips when a larger font
// needs more room than the window has.

class QLayout;
class QScrollArea;
class QString;
class QWidget;

QScrollArea *ScrollColumn(QLayout *Content, QWidget *Parent, const QString &Name);
