#include "sheets/Limits.h"

#include "sheets/FileFaults.h"
#include "sheets/SheetText.h"

namespace sheets {

QString SizeText(qint64 Bytes) {
    static constexpr const char *Units[] = {"KiB", "MiB", "GiB"};
    if (Bytes < 1024)
        return SheetText::tr("%1字节").arg(Bytes);
    double value = static_cast<double>(Bytes) / 1024;
    int unit = 0;
    for (; unit < 2 && value >= 1024; ++unit)
        value /= 1024;
    return QStringLiteral("%1 %2").arg(QString::number(value, 'g', 4), QLatin1String(Units[unit]));
}

QString BeyondColumns(const QString &File, std::uint32_t Line, std::size_t Column) {
    return SheetText::tr("%1第%2行第%3列不是空的，超出了本程序能读的%4列")
        .arg(FileNamed(File))
        .arg(Line)
        .arg(Column + 1)
        .arg(Limit::Columns);
}

QString BeyondCellBytes(const QString &File, std::uint32_t Line, std::size_t Column) {
    return SheetText::tr("%1第%2行第%3列的文字超过了%4（本程序一个单元格最多%4）")
        .arg(FileNamed(File))
        .arg(Line)
        .arg(Column + 1)
        .arg(SizeText(Limit::CellBytes));
}

QString BeyondRows(const QString &File, std::uint32_t Line) {
    return SheetText::tr("%1第%2行：数据行超过了本程序能读的%3行")
        .arg(FileNamed(File))
        .arg(Line)
        .arg(Limit::Rows);
}

} // namespace sheets
