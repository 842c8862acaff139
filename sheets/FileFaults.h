#pragma once
// Messages about files shared by the readers and the writers of every kind of file: the payroll
// sheets, the year file and the household file. They need nothing of the payroll sheets, so that
// a reader of the year file does not bring the sheets' readers and writers with it.

#include "sheets/SafeFile.h"

#include <QString>

namespace sheets {

// "文件“a.csv”"
QString FileNamed(const QString &Path);
// Why a file cannot be opened for reading ("文件“a.csv”不存在").
QString CannotOpen(const QString &Path, OpenFault Fault);
// Why the entry at Path is not written over ("“a.csv”是符号链接…").
QString RefusalText(const QString &Path, Refusal Why);

} // namespace sheets
