#pragma once
// What users of any desktop program expect of its edits and buttons, shared by the pages and the
// small windows.

#include <QString>

class QLineEdit;
class QPushButton;
class QTableView;

namespace DesktopHabits {

// Writes a text the program worked out into an edit. The edit shows the text's beginning (its
// leading digits matter most), keeps the whole text for copying, and carries it as a tooltip when
// it does not fit.
void ShowResult(QLineEdit *Edit, const QString &Text);
// The edit's tooltip follows its text: the whole text while it does not fit, none while it does.
void TipWhenClipped(QLineEdit *Edit);
// Selects the whole text with the caret at its start, so that a long text shows its beginning.
void SelectAllFromStart(QLineEdit *Edit);

// The table's columns keep as wide as their widest text, header or cell, as a spreadsheet's
// columns fitted to their contents. Worked out once when the contents change, not at every
// layout pass as the header's own fitting does, which measures every text of the table again
// each time a window is laid out.
void ColumnsFitContents(QTableView *Table);

// Return and Enter click the button while it has the focus, as Space does.
void ClickOnEnter(QPushButton *Button);

} // namespace DesktopHabits
