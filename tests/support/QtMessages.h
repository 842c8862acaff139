#pragma once
// Records what Qt reports through its message handler (warnings such as "device not open") while
// it lives, from any thread.

#include <QMutex>
#include <QStringList>
#include <QtGlobal>

class QtMessages {
  public:
    QtMessages() {
        Current() = this;
        Previous = qInstallMessageHandler(&Record);
    }
    ~QtMessages() {
        qInstallMessageHandler(Previous);
        Current() = nullptr;
    }
    QtMessages(const QtMessages &) = delete;
    QtMessages &operator=(const QtMessages &) = delete;

    // The messages that mention Word.
    QStringList About(const QString &Word) const {
        const QMutexLocker lock(&Mutex);
        return Seen.filter(Word);
    }

  private:
    static QtMessages *&Current() {
        static QtMessages *current = nullptr;
        return current;
    }
    static void Record(QtMsgType, const QMessageLogContext &, const QString &Text) {
        if (QtMessages *messages = Current()) {
            const QMutexLocker lock(&messages->Mutex);
            messages->Seen << Text;
        }
    }

    QtMessageHandler Previous = nullptr;
    mutable QMutex Mutex;
    QStringList Seen;
};
