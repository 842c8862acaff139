#pragma once
// Makes a folder unwritable for this process while it lives: by its permissions, and where they
// do not bind (a test run as root) by the file system's immutable attribute.

#include <QString>

class ReadOnlyFolder {
  public:
    explicit ReadOnlyFolder(const QString &Path);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder &) = delete;
    ReadOnlyFolder &operator=(const ReadOnlyFolder &) = delete;

    // False when the folder could not be made unwritable here; the test then has nothing to show.
    bool Active() const { return !Writable(); }

  private:
    bool Writable() const;
    bool SetImmutable(bool On) const;

    QString Path;
    bool Immutable = false;
};
