#pragma once
// A FIFO's other end, opened whenever a reader waits on it: a reader that opens a FIFO and waits
// for a writer is let go (it reads an empty file), so that a test of one fails rather than
// hangs. Shared by the tests that make the sheets and the batch window refuse FIFOs.

#include <QFile>
#include <QString>

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

class FifoValve {
  public:
    explicit FifoValve(const QString &Fifo)
        : Path(QFile::encodeName(Fifo)), Opener([this] {
              while (!Done) {
                  // Opens only while a reader has the FIFO open.
                  const int fd = ::open(Path.constData(), O_WRONLY | O_NONBLOCK);
                  if (fd >= 0)
                      ::close(fd);
                  std::this_thread::sleep_for(std::chrono::milliseconds(100));
              }
          }) {}
    ~FifoValve() {
        Done = true;
        Opener.join();
    }
    FifoValve(const FifoValve &) = delete;
    FifoValve &operator=(const FifoValve &) = delete;

  private:
    QByteArray Path;
    std::atomic<bool> Done{false};
    std::thread Opener;
};
