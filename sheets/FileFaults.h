#pragma once
// Messages about files shared by the readers and the writers, and the outcomes that carry them.

#include "sheets/PayrollIo.h"

class QFile;

namespace sheets {

// "文件“a.csv”"
QString FileNamed(const QString &Path);
// Why a file cannot be opened for reading ("文件“a.csv”不存在").
QString OpenFault(const QString &Path, const QFile &File);

ReadOutcome FailedRead(const QString &Error);
ReadOutcome CancelledRead();
WriteOutcome FailedWrite(const QString &Error);

} // namespace sheets
