#pragma once
// What a payroll sheet may hold. These are limits of this program, not of the law: far beyond
// what any real payroll needs, and met at once by a file made to exhaust memory or time. Each is
// refused with a message that names the limit and the place, so that memory stays proportional
// to what a sheet keeps whatever a file claims.

#include "sheets/Workbook.h"

#include <QString>

#include <cstddef>
#include <cstdint>

namespace sheets {

namespace Limit {

// One cell's text, in bytes of UTF-8.
inline constexpr std::size_t CellBytes = 32 * 1024;
// Columns used: a title or a cell that is not blank beyond them is refused.
inline constexpr std::size_t Columns = 256;
// Data rows, as many as an Excel worksheet holds.
inline constexpr std::uint32_t Rows = MaxWorkbookRows;
// One CSV record, line breaks inside quotes included.
inline constexpr std::size_t RecordBytes = 1024 * 1024;
// A part of a workbook inflated: this many times the file's size, and never beyond the cap.
// Spreadsheets compress their worksheets some ten times; an inflation bomb, a thousand.
inline constexpr qint64 InflationRatio = 32;
inline constexpr qint64 InflatedCap = qint64{1024} * 1024 * 1024;
// Bytes of a workbook part without a "<": a text or a tag, which the XML reader holds whole. A
// cell of CellBytes written with entities ("&amp;") takes at most six times as many.
inline constexpr qint64 XmlRun = 6 * static_cast<qint64>(CellBytes);
// Elements nested in a workbook part; a worksheet needs six.
inline constexpr int XmlDepth = 64;
// A worksheet's name, as Excel allows it: a longer one is cut.
inline constexpr qsizetype SheetNameChars = 31;
// Faults named one by one before the rest are counted.
inline constexpr std::size_t ListedFaults = 1000;

} // namespace Limit

// A size as the messages give it: "32 KiB", "1 MiB", "1.5 GiB", "900 字节".
QString SizeText(qint64 Bytes);

// "文件“a.csv”第3行第300列不是空的，超出了本程序能读的256列"
QString BeyondColumns(const QString &File, std::uint32_t Line, std::size_t Column);
// "文件“a.csv”第3行第2列的文字超过了32 KiB（一个单元格最多32 KiB）"
QString BeyondCellBytes(const QString &File, std::uint32_t Line, std::size_t Column);
// "文件“a.csv”第1048578行：数据超过了本程序能读的1048576行"
QString BeyondRows(const QString &File, std::uint32_t Line);

} // namespace sheets
