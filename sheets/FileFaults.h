#pragma once
// Messages about files shared by the readers and the writers, and the outcomes that carry them.

#include "sheets/PayrollIo.h"
#include "sheets/SafeFile.h"

namespace sheets {

// "文件“a.csv”"
QString FileNamed(const QString &Path);
// Why a file cannot be opened for reading ("文件“a.csv”不存在").
QString CannotOpen(const QString &Path, OpenFault Fault);
// Why the entry at Path is not written over ("“a.csv”是符号链接…").
QString RefusalText(const QString &Path, Refusal Why);

ReadOutcome FailedRead(const QString &Error);
ReadOutcome CancelledRead();
WriteOutcome FailedWrite(const QString &Error);

} // namespace sheets
