#pragma once
// The Qt side of the JSON files of facts (the year file and the household file), which formats/
// reads and checks: only a regular file of bounded size is read, and a fault found in it
// (formats::Fault, data) is named with the file it was found in (its words are FaultWords.h's).

#include "formats/Fault.h"
#include "sheets/SafeFile.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace sheets::json {

// The bytes of the regular file at Path, at most MaxSize of them; none, with Error set, for
// anything else (What names the kind of file in the messages: "年度文件"). Stamp, when given,
// gets what the file held, for writing it back later.
std::optional<QByteArray> ReadRegular(const QString &Path, qint64 MaxSize, const QString &What,
                                      QString &Error, FileStamp *Stamp = nullptr);

// Text from outside as a message or a terminal shows it (formats::Visible).
QString Visible(QStringView Text);
// A value or key from outside as a message quotes it, cut short (formats::Quoted).
inline constexpr qsizetype MaxQuoted = formats::MaxQuoted;
QString Quoted(QStringView Text);

// "文件“Path”有误：Fault"
QString FaultIn(const QString &Path, const QString &Fault);

// The facts of the file at Path of at most MaxSize bytes, read by Parse from its bytes (giving
// Facts and an Error that is a formats::Fault), into Result (Facts and Error in words naming
// the file), as YearRead.
template <class Result, class Parser>
Result ReadDocument(const QString &Path, qint64 MaxSize, const QString &What, Parser Parse,
                    FileStamp *Stamp = nullptr) {
    QString error;
    const std::optional<QByteArray> bytes = ReadRegular(Path, MaxSize, What, error, Stamp);
    if (!bytes)
        return {std::nullopt, error};
    Result read = Parse(*bytes);
    if (!read.Facts)
        read.Error = FaultIn(Path, read.Error);
    return read;
}

} // namespace sheets::json
