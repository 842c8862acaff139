#pragma once
// What users of any desktop program expect of its edits and buttons, shared by the pages and the
// small windows.

#include <QString>

class QLineEdit;
class QPushButton;

namespace DesktopHabits {

// Writes a text the program worked out into an edit. The edit shows the text's beginning (its
// leading digits matter most), keeps the whole text for copying, and carries it as a tooltip when
// it does not fit.
void ShowResult(QLineEdit *Edit, const QString &Text);
// The edit's tooltip follows its text: the whole text while it does not fit, none while it does.
void TipWhenClipped(QLineEdit *Edit);
// Selects the whole text with the caret at its start, so that a long text shows its beginning.
void SelectAllFromStart(QLineEdit *Edit);

// Return and Enter click the button while it has the focus, as Space does.
void ClickOnEnter(QPushButton *Button);

} // namespace DesktopHabits
