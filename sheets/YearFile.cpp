#include "sheets/YearFile.h"

#include "sheets/FaultWords.h"
#include "sheets/FileFaults.h"
#include "sheets/JsonFile.h"

#include <QCoreApplication>

#include <string_view>
#include <utility>

namespace sheets {
namespace {

using current::YearFacts;

// The words of this file, translated in the context "YearFile".
class Words {
    Q_DECLARE_TR_FUNCTIONS(YearFile)
};

} // namespace

YearRead Worded(formats::YearRead Read) {
    if (!Read.Error)
        return {std::move(Read.Facts), {}};
    return {std::nullopt, json::FaultText(*Read.Error, Words::tr("年度文件"))};
}

YearRead ParseYearFile(const QByteArray &Bytes) {
    return Worded(formats::ParseYearFile(std::string_view(Bytes.constData(), Bytes.size())));
}

YearRead ReadYearFile(const QString &Path, FileStamp *Stamp) {
    return json::ReadDocument<YearRead>(Path, MaxYearFileSize, Words::tr("年度文件"), ParseYearFile,
                                        Stamp);
}

QByteArray YearFileBytes(const YearFacts &Facts) {
    return QByteArray::fromStdString(formats::YearFileText(Facts));
}

// Written as every file of the program is: beside the target under a hidden name, renamed over it
// once whole, never through a link nor over a device, a FIFO or another user's file.
QString WriteYearFile(const QString &Path, const YearFacts &Facts, FileStamp *Stamp) {
    Replacement file(Path);
    if (const auto refused = file.Refused())
        return RefusalText(Path, *refused);
    const QByteArray bytes = YearFileBytes(Facts);
    if (!file.Create() || file.File().write(bytes) != bytes.size() || !file.Commit())
        return Words::tr("写入文件“%1”时出错：%2").arg(Path, file.ErrorString());
    if (Stamp)
        *Stamp = StampOf(bytes);
    return {};
}

} // namespace sheets
