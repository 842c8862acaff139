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
    // Makes them, owned by Main, once the event loop runs.
    static void Schedule(QWidget *Main);

    explicit TStartupWindows(QObject *Parent = nullptr);
    ~TStartupWindows() override;

    QList<QWidget *> Windows() const;

  private:
    std::vector<std::unique_ptr<QWidget>> Created;
};
