#include "sheets/JsonFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QSet>
#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sheets::json {
namespace {

// The words of this file, translated in the context "JsonFile". The class has the context's name,
// so that lupdate finds the context of every JsonFile::tr wherever it stands (in a brace
// initialiser it takes the class's name as written).
class JsonFile {
    Q_DECLARE_TR_FUNCTIONS(JsonFile)
};

bool AllDigits(QByteArrayView Text) {
    return !Text.empty() &&
           std::all_of(Text.begin(), Text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// An amount's text in cents: digits, with a sign and decimals or not; at most two decimals, not
// below zero, within the largest amount.
current::Cents CentsOfText(QByteArrayView Text, const QString &Path) {
    const QString shown = Quoted(QString::fromUtf8(Text));
    const bool negative = Text.startsWith('-');
    const QByteArrayView number = negative ? Text.sliced(1) : Text;
    const qsizetype point = number.indexOf('.');
    const QByteArrayView whole = point < 0 ? number : number.first(point);
    const QByteArrayView fraction = point < 0 ? QByteArrayView() : number.sliced(point + 1);
    if (!AllDigits(whole) || (point >= 0 && !AllDigits(fraction)))
        throw Refusal{Path, JsonFile::tr("“%1”不是金额").arg(shown)};
    const auto nonZero = [](char c) { return c >= '1' && c <= '9'; };
    if (negative && std::any_of(number.begin(), number.end(), nonZero))
        throw Refusal{Path, JsonFile::tr("金额不能为负数：%1").arg(shown)};
    if (fraction.size() > 2)
        throw Refusal{Path, JsonFile::tr("金额最多两位小数：%1").arg(shown)};
    const Refusal tooLarge{
        Path, JsonFile::tr("金额超出范围（最多 %1）").arg(PlainYuan(current::LargestInputCents))};
    current::Cents cents = 0;
    for (const char c : whole) {
        cents = cents * 10 + (c - '0');
        if (cents > current::LargestInputCents / 100)
            throw tooLarge;
    }
    for (qsizetype i = 0; i < 2; ++i)
        cents = cents * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
    if (cents > current::LargestInputCents)
        throw tooLarge;
    return cents;
}

// "YYYY-MM" or "YYYY-MM-DD" into its numbers; whether the day exists is for the facts' check.
std::optional<current::Date> DigitsOf(const QString &Text, bool WithDay) {
    const QString pattern = WithDay ? QStringLiteral("0000-00-00") : QStringLiteral("0000-00");
    if (Text.size() != pattern.size())
        return std::nullopt;
    for (qsizetype i = 0; i < Text.size(); ++i) {
        if (pattern[i] == u'-' ? Text[i] != u'-' : Text[i] < u'0' || Text[i] > u'9')
            return std::nullopt;
    }
    return current::Date{Text.first(4).toInt(), Text.sliced(5, 2).toInt(),
                         WithDay ? Text.sliced(8, 2).toInt() : 0};
}

// What QJsonParseError names in English.
QString ParseProblem(QJsonParseError::ParseError Error) {
    switch (Error) {
    case QJsonParseError::UnterminatedObject:
        return JsonFile::tr("对象缺少结尾的 }");
    case QJsonParseError::MissingNameSeparator:
        return JsonFile::tr("键后缺少冒号");
    case QJsonParseError::UnterminatedArray:
        return JsonFile::tr("列表缺少结尾的 ]");
    case QJsonParseError::MissingValueSeparator:
        return JsonFile::tr("缺少分隔的逗号");
    case QJsonParseError::IllegalNumber:
    case QJsonParseError::TerminationByNumber:
        return JsonFile::tr("数字写法有误或超出范围");
    case QJsonParseError::IllegalEscapeSequence:
        return JsonFile::tr("字符串中有无效的转义");
    case QJsonParseError::IllegalUTF8String:
        return JsonFile::tr("不是有效的 UTF-8 文本");
    case QJsonParseError::UnterminatedString:
        return JsonFile::tr("字符串缺少结尾的引号");
    case QJsonParseError::DeepNesting:
        return JsonFile::tr("嵌套过深");
    case QJsonParseError::GarbageAtEnd:
        return JsonFile::tr("结尾有多余的内容");
    default:
        return JsonFile::tr("无法识别的内容");
    }
}

bool MustEscape(char32_t c) {
    return c < 0x20 || (c >= 0x7f && c <= 0x9f) || (c >= 0x202a && c <= 0x202e) ||
           (c >= 0x2066 && c <= 0x2069) || c == 0x2028 || c == 0x2029;
}

QString Escaped(char32_t c) {
    return QStringLiteral("\\u%1").arg(static_cast<uint>(c), 4, 16, QLatin1Char('0'));
}

// Appends Text's characters, visible, while Out stays within Limit characters (below zero: all of
// them); false when one did not fit.
bool AppendVisible(QString &Out, QStringView Text, qsizetype Limit) {
    for (qsizetype i = 0; i < Text.size();) {
        const bool pair =
            Text[i].isHighSurrogate() && i + 1 < Text.size() && Text[i + 1].isLowSurrogate();
        const char32_t c = pair ? QChar::surrogateToUcs4(Text[i], Text[i + 1]) : Text[i].unicode();
        const qsizetype length = pair ? 2 : 1;
        const QString piece = MustEscape(c) ? Escaped(c) : Text.sliced(i, length).toString();
        if (Limit >= 0 && Out.size() + piece.size() > Limit)
            return false;
        Out += piece;
        i += length;
    }
    return true;
}

// Where an offset of the bytes lies: "第 3 行第 5 列".
QString PlaceOf(QByteArrayView Bytes, qsizetype Offset) {
    const QByteArrayView before = Bytes.first(std::clamp<qsizetype>(Offset, 0, Bytes.size()));
    const qsizetype lineStart = before.lastIndexOf('\n') + 1;
    const qsizetype line = before.count('\n') + 1;
    const qsizetype column = QString::fromUtf8(before.sliced(lineStart)).size() + 1;
    return JsonFile::tr("第 %1 行第 %2 列").arg(line).arg(column);
}

// A walk over text QJsonDocument has parsed, for what the JSON grammar forbids and QJsonDocument
// takes all the same. The nesting is kept on a list of its own, so that no depth of nesting
// reaches the stack; each object keeps the keys seen in it, so memory stays within a small
// multiple of the file's size.
class StrictScan {
  public:
    explicit StrictScan(QByteArrayView Bytes) : Bytes(Bytes) {}

    std::optional<Refusal> Run() {
        try {
            Blanks();
            Value();
            while (!Open.empty()) {
                Blanks();
                Frame &frame = Open.back();
                char c = Peek();
                if (c == ',') {
                    ++At;
                    ++frame.Index;
                    Blanks();
                    c = Peek();
                }
                if (c == '}' || c == ']') {
                    ++At;
                    Open.pop_back();
                    continue;
                }
                if (!frame.Object) {
                    Value();
                    continue;
                }
                QByteArray key;
                if (c != '"')
                    return std::nullopt;
                String(&key);
                const QString name = QString::fromUtf8(key);
                if (frame.Keys.contains(name))
                    throw Refusal{Join(PathHere(), name),
                                  JsonFile::tr("同一对象中此键出现了不止一次")};
                frame.Keys.insert(name);
                frame.Key = name;
                Blanks();
                if (Peek() != ':')
                    return std::nullopt;
                ++At;
                Blanks();
                Value();
            }
        } catch (const Refusal &refusal) {
            return refusal;
        } catch (const Stop &) {
        }
        return std::nullopt;
    }

  private:
    struct Frame {
        bool Object = false;
        qsizetype Index = 0;
        QString Key;
        QSet<QString> Keys;
    };
    // Text past what the walk knows: QJsonDocument's verdict stands.
    struct Stop {};

    char Peek() const {
        if (At >= Bytes.size())
            throw Stop{};
        return Bytes[At];
    }

    void Blanks() {
        while (At < Bytes.size() &&
               (Bytes[At] == ' ' || Bytes[At] == '\t' || Bytes[At] == '\n' || Bytes[At] == '\r'))
            ++At;
    }

    QString PathHere() const {
        QString path;
        for (const Frame &frame : Open) {
            if (&frame == &Open.back())
                break;
            path = frame.Object ? Join(path, frame.Key) : Item(path, frame.Index);
        }
        return path;
    }

    // The path of the value being read: that of its object's or list's entry.
    QString PathOfValue() const {
        if (Open.empty())
            return {};
        const Frame &frame = Open.back();
        return frame.Object ? Join(PathHere(), frame.Key) : Item(PathHere(), frame.Index);
    }

    void Value() {
        const char c = Peek();
        if (c == '{' || c == '[') {
            ++At;
            Open.push_back(Frame{c == '{', 0, {}, {}});
            return;
        }
        if (c == '"') {
            String(nullptr);
            return;
        }
        while (At < Bytes.size() && !QByteArrayView(",]} \t\r\n").contains(Bytes[At]))
            ++At;
    }

    unsigned Hex4() {
        unsigned unit = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = Peek();
            ++At;
            const int digit = QByteArrayView("0123456789abcdef").indexOf(char(c | 0x20));
            if (digit < 0)
                throw Stop{};
            unit = unit * 16 + unsigned(digit);
        }
        return unit;
    }

    // The string at At, its text into Text when given; a key's faults are placed at its object.
    void String(QByteArray *Text) {
        const qsizetype start = At++;
        const auto fault = [&](const QString &Message) {
            const QString path = Text ? PathHere() : PathOfValue();
            return Refusal{path, JsonFile::tr("%1：%2").arg(PlaceOf(Bytes, start), Message)};
        };
        for (;;) {
            const char c = Peek();
            const qsizetype here = At++;
            if (c == '"')
                return;
            if (static_cast<unsigned char>(c) < 0x20)
                throw fault(JsonFile::tr("字符串中有未转义的控制字符 %1（JSON 中应写作 %1）")
                                .arg(Escaped(static_cast<unsigned char>(c))));
            if (c != '\\') {
                if (Text)
                    Text->append(c);
                continue;
            }
            const char escape = Peek();
            ++At;
            if (escape != 'u') {
                if (Text) {
                    const qsizetype index = QByteArrayView("\"\\/bfnrt").indexOf(escape);
                    Text->append(index < 0 ? escape : "\"\\/\b\f\n\r\t"[index]);
                }
                continue;
            }
            char32_t unit = Hex4();
            if (unit >= 0xd800 && unit <= 0xdfff) {
                const bool high = unit <= 0xdbff;
                unsigned low = 0;
                if (high && At + 1 < Bytes.size() && Bytes[At] == '\\' && Bytes[At + 1] == 'u') {
                    At += 2;
                    low = Hex4();
                }
                if (!high || low < 0xdc00 || low > 0xdfff)
                    throw fault(JsonFile::tr("%1 是半个代理对，不是有效的字符（文本应为有效的 "
                                             "UTF-8）")
                                    .arg(QString::fromLatin1(Bytes.sliced(here, 6))));
                unit = 0x10000 + ((unit - 0xd800) << 10) + (low - 0xdc00);
            }
            if (Text)
                Text->append(QString::fromUcs4(&unit, 1).toUtf8());
        }
    }

    QByteArrayView Bytes;
    qsizetype At = 0;
    std::vector<Frame> Open;
};

// Why the file at Path cannot be read, from the errno of a failed call.
QString OpenFault(const QString &Path, int Error) {
    if (Error == ENOENT)
        return JsonFile::tr("文件“%1”不存在").arg(Path);
    if (Error == EACCES)
        return JsonFile::tr("没有读取文件“%1”的权限").arg(Path);
    return JsonFile::tr("无法读取文件“%1”：%2").arg(Path, SystemErrorText(Error));
}

} // namespace

QString Join(const QString &Path, const QString &Key) {
    return Path.isEmpty() ? Quoted(Key) : Path + u'.' + Quoted(Key);
}

QString Visible(QStringView Text) {
    QString shown;
    AppendVisible(shown, Text, -1);
    return shown;
}

QString Quoted(QStringView Text) {
    QString shown;
    if (!AppendVisible(shown, Text, MaxQuoted))
        shown += u'…';
    return shown;
}

std::optional<QString> DocumentFault(const QByteArray &Bytes, const QString &What,
                                     QJsonDocument &Document) {
    // UTF-16 puts a zero byte beside every character of ASCII, and often a byte order mark first.
    const bool utf16 = Bytes.startsWith("\xff\xfe") || Bytes.startsWith("\xfe\xff") ||
                       (Bytes.size() >= 2 && (Bytes[0] == 0) != (Bytes[1] == 0));
    if (utf16)
        return JsonFile::tr("%1是 UTF-16 编码的：%1应为 UTF-8 编码（请以 UTF-8 另存）").arg(What);
    QJsonParseError error{};
    Document = QJsonDocument::fromJson(Bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return ParseFault(Bytes, error);
    if (const auto refusal = StrictScan(Bytes).Run())
        return WithPath(refusal->Path, refusal->Message);
    if (!Document.isObject())
        return NotAnObject(What);
    return std::nullopt;
}

QString Item(const QString &Path, qsizetype Index) {
    return QStringLiteral("%1[%2]").arg(Path).arg(Index);
}

QString PlainYuan(current::Cents Amount) {
    return Amount % 100 == 0 ? QString::number(Amount / 100)
                             : QString::fromStdString(current::FormatCents(Amount));
}

QString NotAnObject(const QString &What) {
    return JsonFile::tr("%1应为一个 JSON 对象（{…}）").arg(What);
}

QString FaultIn(const QString &Path, const QString &Fault) {
    return JsonFile::tr("文件“%1”有误：%2").arg(Path, Fault);
}

QString WithPath(const QString &Path, const QString &Message) {
    // A path a thousand levels deep is named by its end, where the fault is.
    constexpr qsizetype longest = 3 * MaxQuoted;
    const QString shown = Path.size() > longest ? u'…' + Path.right(longest - 1) : Path;
    return Path.isEmpty() ? Message : JsonFile::tr("%1：%2").arg(shown, Message);
}

QString ParseFault(const QByteArray &Bytes, const QJsonParseError &Error) {
    return JsonFile::tr("不是有效的 JSON：%1附近%2")
        .arg(PlaceOf(Bytes, Error.offset), ParseProblem(Error.error));
}

// Opening a FIFO would wait for a writer and a device may act on being opened, so only what stat
// shows to be a regular file is opened, and the file opened must be the one that was looked at.
std::optional<QByteArray> ReadRegular(const QString &Path, qint64 MaxSize, const QString &What,
                                      QString &Error, FileStamp *Stamp) {
    const QByteArray name = QFile::encodeName(Path);
    struct stat seen {};
    if (::stat(name.constData(), &seen) != 0) {
        Error = OpenFault(Path, errno);
        return std::nullopt;
    }
    if (S_ISDIR(seen.st_mode))
        Error = JsonFile::tr("“%1”是文件夹，不是%2").arg(Path, What);
    else if (!S_ISREG(seen.st_mode))
        Error = JsonFile::tr("文件“%1”不是普通文件（是设备、管道或套接字），不读取").arg(Path);
    else if (seen.st_size > MaxSize)
        Error = JsonFile::tr("文件“%1”有 %2 字节，%3最多 %4 字节，不读取")
                    .arg(Path)
                    .arg(seen.st_size)
                    .arg(What)
                    .arg(MaxSize);
    if (!Error.isEmpty())
        return std::nullopt;
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        Error = OpenFault(Path, errno);
        return std::nullopt;
    }
    QFile file;
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || opened.st_dev != seen.st_dev || opened.st_ino != seen.st_ino ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        Error = JsonFile::tr("文件“%1”在读取时被替换或无法打开，未读取").arg(Path);
        return std::nullopt;
    }
    QByteArray bytes = file.read(MaxSize + 1);
    if (file.error() != QFileDevice::NoError)
        Error = JsonFile::tr("读取文件“%1”时出错：%2").arg(Path, file.errorString());
    else if (bytes.size() > MaxSize)
        Error = JsonFile::tr("文件“%1”超过%2的上限 %3 字节，不读取").arg(Path, What).arg(MaxSize);
    if (!Error.isEmpty())
        return std::nullopt;
    if (Stamp)
        *Stamp = StampOf(bytes);
    return bytes;
}

current::Cents AmountOf(const QJsonValue &Value, const QString &Path) {
    if (Value.isString())
        return CentsOfText(Value.toString().toUtf8(), Path);
    if (!Value.isDouble())
        throw Refusal{Path, JsonFile::tr("应为金额（数字或字符串）")};
    // The shortest text that reads back as the same number is the text the file most likely
    // held: 1234.56 rather than 1234.5599999999999.
    return CentsOfText(QByteArray::number(Value.toDouble(), 'f', QLocale::FloatingPointShortest),
                       Path);
}

int IntegerOf(const QJsonValue &Value, const QString &Path) {
    const double number = Value.toDouble();
    if (!Value.isDouble() || number != std::floor(number))
        throw Refusal{Path, JsonFile::tr("应为整数")};
    // Far outside any month, year or share, and within an int: a number beyond it is no slip
    // of a digit the checks of the facts could name.
    if (std::fabs(number) > 1e6)
        throw Refusal{Path, JsonFile::tr("数字 %1 超出范围").arg(Quoted(QString::number(number)))};
    return static_cast<int>(number);
}

QString TextOf(const QJsonValue &Value, const QString &Path) {
    if (!Value.isString())
        throw Refusal{Path, JsonFile::tr("应为文本（字符串）")};
    return Value.toString();
}

current::Date DateOf(const QJsonValue &Value, const QString &Path) {
    const QString text = TextOf(Value, Path);
    const auto date = DigitsOf(text, true);
    if (!date)
        throw Refusal{Path, JsonFile::tr("“%1”不是 YYYY-MM-DD 形式的日期").arg(Quoted(text))};
    return *date;
}

current::CalendarMonth MonthOf(const QJsonValue &Value, const QString &Path) {
    const QString text = TextOf(Value, Path);
    const auto date = DigitsOf(text, false);
    if (!date)
        throw Refusal{Path, JsonFile::tr("“%1”不是 YYYY-MM 形式的年月").arg(Quoted(text))};
    return {date->Year, date->Month};
}

current::CalendarMonth EducationEndOf(const QJsonValue &Value, const QString &Path,
                                      const current::Date &Born) {
    const current::CalendarMonth end = MonthOf(Value, Path);
    if (std::pair(end.Year, end.Month) < std::pair(Born.Year, Born.Month))
        throw Refusal{
            Path, JsonFile::tr("受教育结束的年月早于子女的出生日期 %1")
                      .arg(QString::asprintf("%04d-%02d-%02d", Born.Year, Born.Month, Born.Day))};
    return end;
}

std::size_t NameIndex(const QJsonValue &Value, const QString &Path,
                      std::span<const char *const> Names) {
    const QString text = TextOf(Value, Path);
    QStringList known;
    for (std::size_t i = 0; i < Names.size(); ++i) {
        if (text == QString::fromUtf8(Names[i]))
            return i;
        known.append(QString::fromUtf8(Names[i]));
    }
    throw Refusal{
        Path,
        JsonFile::tr("未知的值“%1”，应为 %2").arg(Quoted(text), known.join(JsonFile::tr("、")))};
}

Fields::Fields(const QJsonValue &Value, QString Where, std::initializer_list<const char *> Keys)
    : Path(std::move(Where)) {
    if (!Value.isObject())
        throw Refusal{Path, JsonFile::tr("应为对象（{…}）")};
    Object = Value.toObject();
    for (auto it = Object.begin(); it != Object.end(); ++it) {
        const bool known = std::any_of(Keys.begin(), Keys.end(), [&](const char *key) {
            return it.key() == QLatin1String(key);
        });
        if (known)
            continue;
        QStringList names;
        for (const char *key : Keys)
            names.append(QLatin1String(key));
        throw Refusal{
            Join(Path, it.key()),
            JsonFile::tr("未知的键（此处可用的键：%1）").arg(names.join(JsonFile::tr("、")))};
    }
}

std::optional<QJsonValue> Fields::Get(const char *Key) const {
    const QJsonValue value = Object.value(QLatin1String(Key));
    if (value.isUndefined() || value.isNull())
        return std::nullopt;
    return value;
}

QJsonValue Fields::Need(const char *Key) const {
    if (auto value = Get(Key))
        return *value;
    throw Refusal{At(Key), JsonFile::tr("缺少此键")};
}

bool Fields::Flag(const char *Key, bool Default) const {
    const auto value = Get(Key);
    if (value && !value->isBool())
        throw Refusal{At(Key), JsonFile::tr("应为 true 或 false")};
    return value ? value->toBool() : Default;
}

std::optional<QJsonArray> Fields::ArrayAt(const char *Key, bool Required) const {
    const auto value = Required ? std::optional(Need(Key)) : Get(Key);
    if (!value)
        return std::nullopt;
    if (!value->isArray())
        throw Refusal{At(Key), JsonFile::tr("应为列表（[…]）")};
    return value->toArray();
}

} // namespace sheets::json
