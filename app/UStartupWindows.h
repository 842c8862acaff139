#pragma once

#include <QObject>
#include <QWidget>
#include <memory>
#include <vector>

// The windows the program makes once at start-up and never shows (the progress window lives on
// hidden until the end). They are made only after the main window is on screen, so that neither
// their construction nor the parameter file delays it.
class TStartupWindows : public QObject {
    Q_OBJECT
  public:
    // Makes them, owned by Main, in the turn of the event loop after Main has painted itself for
    // the first time (at once if it is on screen already). A zero timer alone is not enough: on
    // an X server the first paint waits for the server's expose, which comes later than that.
    static void Schedule(QWidget *Main);

    explicit TStartupWindows(QObject *Parent = nullptr);
    ~TStartupWindows() override;

    QList<QWidget *> Windows() const;

  private:
    std::vector<std::unique_ptr<QWidget>> Created;
};
