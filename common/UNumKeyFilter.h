#pragma once

#include <QHash>
#include <QObject>
#include <functional>

class QLineEdit;
class QKeyEvent;

// The one filter of the amount edits: only digits and a single full stop go in, at most MaxTyped
// characters of them (texts the program writes may be longer); Enter runs the calculation
// registered for the edit. The rule holds for every way text gets in, typing, pasting by key, menu
// or mouse, dropping and input methods alike: each user edit is checked once made, and what it
// added that the rule refuses is taken out again. Keys are also checked as they are pressed, so a
// refused character never shows; shortcuts and navigation keys pass untouched.
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

  protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override;

  private:
    bool KeyPress(QLineEdit *Edit, QKeyEvent *Key);
    void Edited(QLineEdit *Edit);

    QHash<QLineEdit *, std::function<void()>> EnterActions;
    // Each edit's text before the user's next edit.
    QHash<QLineEdit *, QString> Before;
};
