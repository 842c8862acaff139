#pragma once
// Reading a JSON file of facts, as the year file and the household file are read: only a regular
// file of bounded size, a syntax fault placed by line and column, objects whose keys are checked
// against those the contract allows there, values of the type the contract names. The first fault
// is thrown as a Refusal with its key path ("jobs[1].pay[0].income") and the fault in words.

#include "engine/current/Money.h"
#include "engine/current/YearFacts.h"
#include "sheets/SafeFile.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QString>

#include <array>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

namespace sheets::json {

// The first fault of a file: reading stops there.
struct Refusal {
    QString Path;
    QString Message;
};

QString Join(const QString &Path, const QString &Key);
QString Item(const QString &Path, qsizetype Index);
// "path：message", or the message alone at the document's root.
QString WithPath(const QString &Path, const QString &Message);
// Whole yuan without decimals, anything else with two.
QString PlainYuan(current::Cents Amount);

// The bytes of the regular file at Path, at most MaxSize of them; none, with Error set, for
// anything else (What names the kind of file in the messages: "年度文件"). Stamp, when given,
// gets what the file held, for writing it back later.
std::optional<QByteArray> ReadRegular(const QString &Path, qint64 MaxSize, const QString &What,
                                      QString &Error, FileStamp *Stamp = nullptr);
// The place and kind of a syntax fault: "不是有效的 JSON：第 3 行第 5 列附近缺少分隔的逗号".
QString ParseFault(const QByteArray &Bytes, const QJsonParseError &Error);

// Text from outside as a message or a terminal shows it: control characters (and those that turn
// the direction of the text) written as escapes ("\u001b"), so that none acts on the terminal,
// breaks a line or forges one.
QString Visible(QStringView Text);
// A value or key from outside as a message quotes it: visible, and cut to its first MaxQuoted
// characters and "…", since a message quoting a megabyte whole takes seconds to lay out.
inline constexpr qsizetype MaxQuoted = 40;
QString Quoted(QStringView Text);

// Bytes as a JSON document: the file's encoding, its syntax, what the JSON grammar forbids and
// QJsonDocument reads all the same (a raw control character in a string, half of a surrogate
// pair, a key twice in one object), and a root that is an object. The fault in words, or none
// with Document set.
std::optional<QString> DocumentFault(const QByteArray &Bytes, const QString &What,
                                     QJsonDocument &Document);

// "What应为一个 JSON 对象（{…}）"
QString NotAnObject(const QString &What);
// "文件“Path”有误：Fault"
QString FaultIn(const QString &Path, const QString &Fault);

// The facts of a document whose root is an object, as Read gives them from the root (throwing
// Refusal at the first fault), or the fault in words. Result holds Facts and Error, as YearRead.
template <class Result, class Reader>
Result ParseDocument(const QByteArray &Bytes, const QString &What, Reader Read) {
    QJsonDocument document;
    if (auto fault = DocumentFault(Bytes, What, document))
        return {std::nullopt, *fault};
    try {
        return {Read(document.object()), {}};
    } catch (const Refusal &refusal) {
        return {std::nullopt, WithPath(refusal.Path, refusal.Message)};
    }
}

// The same from the regular file at Path of at most MaxSize bytes, parsed by Parse; a fault of
// the text names the file.
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

current::Cents AmountOf(const QJsonValue &Value, const QString &Path);
int IntegerOf(const QJsonValue &Value, const QString &Path);
QString TextOf(const QJsonValue &Value, const QString &Path);
current::Date DateOf(const QJsonValue &Value, const QString &Path);
current::CalendarMonth MonthOf(const QJsonValue &Value, const QString &Path);
// A child's education_end: a month, not before the month the child was Born.
current::CalendarMonth EducationEndOf(const QJsonValue &Value, const QString &Path,
                                      const current::Date &Born);

// A name the file may hold for a value of the program.
template <class T> struct Named {
    const char *Name;
    T Value;
};

// Which of Names the text at Path is.
std::size_t NameIndex(const QJsonValue &Value, const QString &Path,
                      std::span<const char *const> Names);

template <class T, std::size_t N>
T NamedOf(const QJsonValue &Value, const QString &Path, const Named<T> (&Names)[N]) {
    std::array<const char *, N> names{};
    for (std::size_t i = 0; i < N; ++i)
        names[i] = Names[i].Name;
    return Names[NameIndex(Value, Path, names)].Value;
}

// One object of the file: its keys checked against those the contract allows there, its values
// read by key.
class Fields {
  public:
    Fields(const QJsonValue &Value, QString Where, std::initializer_list<const char *> Keys);

    QString At(const char *Key) const { return Join(Path, QLatin1String(Key)); }
    bool Has(const char *Key) const { return Get(Key).has_value(); }

    // Absent and null alike mean "not given".
    std::optional<QJsonValue> Get(const char *Key) const;
    QJsonValue Need(const char *Key) const;

    int Integer(const char *Key) const { return IntegerOf(Need(Key), At(Key)); }
    int Integer(const char *Key, int Default) const {
        const auto value = Get(Key);
        return value ? IntegerOf(*value, At(Key)) : Default;
    }
    current::Cents Amount(const char *Key) const { return AmountOf(Need(Key), At(Key)); }
    current::Cents Amount(const char *Key, current::Cents Default) const {
        const auto value = Get(Key);
        return value ? AmountOf(*value, At(Key)) : Default;
    }
    bool Flag(const char *Key, bool Default) const;
    std::string Text(const char *Key) const { return TextOf(Need(Key), At(Key)).toStdString(); }
    template <class T, std::size_t N> T Name(const char *Key, const Named<T> (&Names)[N]) const {
        return NamedOf(Need(Key), At(Key), Names);
    }
    template <class T, std::size_t N>
    T Name(const char *Key, const Named<T> (&Names)[N], T Default) const {
        const auto value = Get(Key);
        return value ? NamedOf(*value, At(Key), Names) : Default;
    }

    // Each entry of the list at Key read by Read(value, path); a list not given is empty.
    template <class Reader> auto List(const char *Key, Reader Read, bool Required = false) const {
        std::vector<std::decay_t<decltype(Read(QJsonValue(), QString()))>> items;
        const std::optional<QJsonArray> array = ArrayAt(Key, Required);
        if (!array)
            return items;
        const QString path = At(Key);
        items.reserve(static_cast<std::size_t>(array->size()));
        for (qsizetype i = 0; i < array->size(); ++i)
            items.push_back(Read(array->at(i), Item(path, i)));
        return items;
    }

  private:
    std::optional<QJsonArray> ArrayAt(const char *Key, bool Required) const;

    QString Path;
    QJsonObject Object;
};

} // namespace sheets::json
