#pragma once
// The Qt side of the JSON files of facts (the year file and the household file), which formats/
// reads and checks: only a regular file of bounded size is read, and a fault found in it
// (formats::Fault, data) is put in words here, in the language of the interface, with its key
// path ("jobs[1].pay[0].income：金额不能为负数") or its line and column.

#include "engine/current/Money.h"
#include "formats/Fault.h"
#include "sheets/SafeFile.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace sheets::json {

// "path：message", or the message alone at the document's root.
QString WithPath(const QString &Path, const QString &Message);
// Whole yuan without decimals, anything else with two.
QString PlainYuan(current::Cents Amount);

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

// "What应为一个 JSON 对象（{…}）"
QString NotAnObject(const QString &What);
// "文件“Path”有误：Fault"
QString FaultIn(const QString &Path, const QString &Fault);

// A fault of a document of facts in words, with its key path or its place; What names the kind
// of document ("年度文件") where the words need it.
QString FaultText(const formats::Fault &Fault, const QString &What);

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
