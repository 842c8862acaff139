#pragma once

#include <QHash>
#include <QObject>
#include <functional>

class QLineEdit;
class QKeyEvent;

// The one filter of the amount edits: only digits, Backspace and a single full stop are typed;
// at most MaxTyped characters are typed or pasted (texts the program writes may be longer); Enter
// runs the calculation registered for the edit. Shortcuts and navigation keys pass untouched.
class TNumKeyFilter : public QObject {
    Q_OBJECT
  public:
    static constexpr int MaxTyped = 10;

    explicit TNumKeyFilter(QObject *Parent = nullptr) : QObject(Parent) {}

    void Attach(QLineEdit *Edit);
    void SetEnterAction(QLineEdit *Edit, std::function<void()> Action);
    // Lifts the limit on what is typed or pasted, for the result edits that take a tax or an
    // after-tax income of any length.
    static void SetUnlimited(QLineEdit *Edit);
    static void PasteLimited(QLineEdit *Edit);

  protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override;

  private:
    bool KeyPress(QLineEdit *Edit, QKeyEvent *Key);
    void ContextMenu(QLineEdit *Edit, QEvent *Event);

    QHash<QLineEdit *, std::function<void()>> EnterActions;
};
