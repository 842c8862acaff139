#include "sheets/YearFile.h"

#include "engine/current/Rules.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QSaveFile>
#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <initializer_list>
#include <type_traits>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sheets {
namespace {

using current::CalendarMonth;
using current::Cents;
using current::Date;
using current::YearFacts;

// The words of this file, translated in the context "YearFile".
class Words {
    Q_DECLARE_TR_FUNCTIONS(YearFile)
};

// The first fault of a file: reading stops there.
struct Refusal {
    QString Path;
    QString Message;
};

QString Join(const QString &Path, const QString &Key) {
    return Path.isEmpty() ? Key : Path + u'.' + Key;
}

QString Item(const QString &Path, qsizetype Index) {
    return QStringLiteral("%1[%2]").arg(Path).arg(Index);
}

QString PlainYuan(Cents Amount) {
    return Amount % 100 == 0 ? QString::number(Amount / 100)
                             : QString::fromStdString(current::FormatCents(Amount));
}

template <class T> struct Named {
    const char *Name;
    T Value;
};

constexpr Named<current::BasicDeduction> Modes[] = {{"按月", current::BasicDeduction::PerMonth},
                                                    {"自1月", current::BasicDeduction::FromJanuary},
                                                    {"6万", current::BasicDeduction::Sixty}};
constexpr Named<current::RemunerationKind> Kinds[] = {
    {"labour", current::RemunerationKind::Labour},
    {"author", current::RemunerationKind::Author},
    {"royalty", current::RemunerationKind::Royalty}};
constexpr Named<current::IllnessOf> Persons[] = {{"本人", current::IllnessOf::Self},
                                                 {"配偶", current::IllnessOf::Spouse},
                                                 {"子女", current::IllnessOf::Child}};
constexpr Named<current::BonusChoice> Methods[] = {{"separate", current::BonusChoice::Separate},
                                                   {"merged", current::BonusChoice::Merged},
                                                   {"best", current::BonusChoice::Best}};

template <class T, std::size_t N> const char *NameOf(const Named<T> (&Names)[N], T Value) {
    for (const Named<T> &named : Names) {
        if (named.Value == Value)
            return named.Name;
    }
    return Names[0].Name;
}

bool AllDigits(QByteArrayView Text) {
    return !Text.empty() &&
           std::all_of(Text.begin(), Text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// An amount's text in cents: digits, with a sign and decimals or not; at most two decimals, not
// below zero, within the largest amount.
Cents CentsOfText(QByteArrayView Text, const QString &Path) {
    const QString shown = QString::fromUtf8(Text);
    const bool negative = Text.startsWith('-');
    const QByteArrayView number = negative ? Text.sliced(1) : Text;
    const qsizetype point = number.indexOf('.');
    const QByteArrayView whole = point < 0 ? number : number.first(point);
    const QByteArrayView fraction = point < 0 ? QByteArrayView() : number.sliced(point + 1);
    if (!AllDigits(whole) || (point >= 0 && !AllDigits(fraction)))
        throw Refusal{Path, Words::tr("“%1”不是金额").arg(shown)};
    const auto nonZero = [](char c) { return c >= '1' && c <= '9'; };
    if (negative && std::any_of(number.begin(), number.end(), nonZero))
        throw Refusal{Path, Words::tr("金额不能为负数：%1").arg(shown)};
    if (fraction.size() > 2)
        throw Refusal{Path, Words::tr("金额最多两位小数：%1").arg(shown)};
    Cents cents = 0;
    for (const char c : whole) {
        cents = cents * 10 + (c - '0');
        if (cents > current::MaxInputCents / 100)
            throw Refusal{
                Path, Words::tr("金额超出范围（最多 %1）").arg(PlainYuan(current::MaxInputCents))};
    }
    for (qsizetype i = 0; i < 2; ++i)
        cents = cents * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
    return cents;
}

Cents AmountOf(const QJsonValue &Value, const QString &Path) {
    if (Value.isString())
        return CentsOfText(Value.toString().toUtf8(), Path);
    if (!Value.isDouble())
        throw Refusal{Path, Words::tr("应为金额（数字或字符串）")};
    // The shortest text that reads back as the same number is the text the file most likely
    // held: 1234.56 rather than 1234.5599999999999.
    return CentsOfText(QByteArray::number(Value.toDouble(), 'f', QLocale::FloatingPointShortest),
                       Path);
}

int IntegerOf(const QJsonValue &Value, const QString &Path) {
    const double number = Value.toDouble();
    if (!Value.isDouble() || number != std::floor(number))
        throw Refusal{Path, Words::tr("应为整数")};
    // Far outside any month or year, and within an int: the checks of the facts refuse it.
    return static_cast<int>(std::clamp(number, -1e6, 1e6));
}

QString TextOf(const QJsonValue &Value, const QString &Path) {
    if (!Value.isString())
        throw Refusal{Path, Words::tr("应为文本（字符串）")};
    return Value.toString();
}

// "YYYY-MM" or "YYYY-MM-DD" into its numbers; whether the day exists is for the facts' check.
std::optional<Date> DigitsOf(const QString &Text, bool WithDay) {
    const QString pattern = WithDay ? QStringLiteral("0000-00-00") : QStringLiteral("0000-00");
    if (Text.size() != pattern.size())
        return std::nullopt;
    for (qsizetype i = 0; i < Text.size(); ++i) {
        if (pattern[i] == u'-' ? Text[i] != u'-' : Text[i] < u'0' || Text[i] > u'9')
            return std::nullopt;
    }
    return Date{Text.first(4).toInt(), Text.sliced(5, 2).toInt(),
                WithDay ? Text.sliced(8, 2).toInt() : 0};
}

Date DateOf(const QJsonValue &Value, const QString &Path) {
    const QString text = TextOf(Value, Path);
    const auto date = DigitsOf(text, true);
    if (!date)
        throw Refusal{Path, Words::tr("“%1”不是 YYYY-MM-DD 形式的日期").arg(text)};
    return *date;
}

CalendarMonth MonthOf(const QJsonValue &Value, const QString &Path) {
    const QString text = TextOf(Value, Path);
    const auto date = DigitsOf(text, false);
    if (!date)
        throw Refusal{Path, Words::tr("“%1”不是 YYYY-MM 形式的年月").arg(text)};
    return {date->Year, date->Month};
}

template <class T, std::size_t N>
T NamedOf(const QJsonValue &Value, const QString &Path, const Named<T> (&Names)[N]) {
    const QString text = TextOf(Value, Path);
    QStringList known;
    for (const Named<T> &named : Names) {
        if (text == QString::fromUtf8(named.Name))
            return named.Value;
        known.append(QString::fromUtf8(named.Name));
    }
    throw Refusal{Path, Words::tr("未知的值“%1”，应为 %2").arg(text, known.join(u'、'))};
}

// One object of the file: its keys checked against those the contract allows there, its values
// read by key.
class Fields {
  public:
    Fields(const QJsonValue &Value, QString Where, std::initializer_list<const char *> Keys)
        : Path(std::move(Where)) {
        if (!Value.isObject())
            throw Refusal{Path, Words::tr("应为对象（{…}）")};
        Object = Value.toObject();
        for (auto it = Object.begin(); it != Object.end(); ++it) {
            const bool known = std::any_of(Keys.begin(), Keys.end(), [&](const char *key) {
                return it.key() == QLatin1String(key);
            });
            if (!known)
                throw Refusal{Join(Path, it.key()), UnknownKey(Keys)};
        }
    }

    QString At(const char *Key) const { return Join(Path, QLatin1String(Key)); }

    // Absent and null alike mean "not given".
    std::optional<QJsonValue> Get(const char *Key) const {
        const QJsonValue value = Object.value(QLatin1String(Key));
        if (value.isUndefined() || value.isNull())
            return std::nullopt;
        return value;
    }
    QJsonValue Need(const char *Key) const {
        if (auto value = Get(Key))
            return *value;
        throw Refusal{At(Key), Words::tr("缺少此键")};
    }

    int Integer(const char *Key) const { return IntegerOf(Need(Key), At(Key)); }
    int Integer(const char *Key, int Default) const {
        const auto value = Get(Key);
        return value ? IntegerOf(*value, At(Key)) : Default;
    }
    Cents Amount(const char *Key) const { return AmountOf(Need(Key), At(Key)); }
    Cents Amount(const char *Key, Cents Default) const {
        const auto value = Get(Key);
        return value ? AmountOf(*value, At(Key)) : Default;
    }
    bool Flag(const char *Key, bool Default) const {
        const auto value = Get(Key);
        if (value && !value->isBool())
            throw Refusal{At(Key), Words::tr("应为 true 或 false")};
        return value ? value->toBool() : Default;
    }
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
        const auto value = Required ? std::optional(Need(Key)) : Get(Key);
        if (!value)
            return items;
        if (!value->isArray())
            throw Refusal{At(Key), Words::tr("应为列表（[…]）")};
        const QJsonArray array = value->toArray();
        const QString path = At(Key);
        items.reserve(static_cast<std::size_t>(array.size()));
        for (qsizetype i = 0; i < array.size(); ++i)
            items.push_back(Read(array.at(i), Item(path, i)));
        return items;
    }

  private:
    static QString UnknownKey(std::initializer_list<const char *> Keys) {
        QStringList names;
        for (const char *key : Keys)
            names.append(QLatin1String(key));
        return Words::tr("未知的键（此处可用的键：%1）").arg(names.join(QStringLiteral("、")));
    }

    QString Path;
    QJsonObject Object;
};

// A pay entry: an amount left out keeps its value from the entry before.
current::PayFacts ReadPay(const QJsonValue &Value, const QString &Path,
                          const current::PayFacts &Before) {
    const Fields f(Value, Path, {"from", "income", "exempt", "insurance", "other"});
    current::PayFacts pay;
    pay.From = f.Integer("from");
    pay.Income = f.Amount("income", Before.Income);
    pay.Exempt = f.Amount("exempt", Before.Exempt);
    pay.Insurance = f.Amount("insurance", Before.Insurance);
    pay.Other = f.Amount("other", Before.Other);
    return pay;
}

current::JobFacts ReadJob(const QJsonValue &Value, const QString &Path) {
    const Fields f(Value, Path, {"employer", "from", "to", "mode", "deductions_here", "pay"});
    current::JobFacts job;
    job.Employer = f.Text("employer");
    job.From = f.Integer("from", 1);
    job.To = f.Integer("to", 12);
    job.Mode = f.Name("mode", Modes, current::BasicDeduction::PerMonth);
    job.DeductionsHere = f.Flag("deductions_here", true);
    current::PayFacts before;
    const auto read = [&](const QJsonValue &Entry, const QString &At) {
        before = ReadPay(Entry, At, before);
        return before;
    };
    job.Pay = f.List("pay", read, true);
    return job;
}

current::ChildFacts ReadChild(const QJsonValue &Value, const QString &Path) {
    const Fields f(Value, Path, {"born", "share", "education_end"});
    current::ChildFacts child;
    child.Born = DateOf(f.Need("born"), f.At("born"));
    child.Share = f.Integer("share", current::Law::WholeShare);
    if (const auto end = f.Get("education_end"))
        child.EducationEnd = MonthOf(*end, f.At("education_end"));
    return child;
}

current::ElderlyFacts ReadElderly(const QJsonValue &Value, const QString &Path) {
    const Fields f(Value, Path, {"parents_born", "only_child", "share"});
    current::ElderlyFacts elderly;
    elderly.ParentsBorn = f.List("parents_born", DateOf, true);
    elderly.OnlyChild = f.Flag("only_child", false);
    if (const auto share = f.Get("share"))
        elderly.Share = AmountOf(*share, f.At("share"));
    return elderly;
}

current::LoanFacts ReadLoan(const QJsonValue &Value, const QString &Path) {
    const Fields f(Value, Path, {"first_repayment", "share"});
    return {MonthOf(f.Need("first_repayment"), f.At("first_repayment")),
            f.Integer("share", current::Law::WholeShare)};
}

current::LeaseFacts ReadLease(const QJsonValue &Value, const QString &Path) {
    const Fields f(Value, Path, {"from", "to", "amount"});
    return {MonthOf(f.Need("from"), f.At("from")), MonthOf(f.Need("to"), f.At("to")),
            f.Amount("amount")};
}

current::DegreeFacts ReadDegree(const QJsonValue &Value, const QString &Path) {
    const Fields f(Value, Path, {"from", "to"});
    current::DegreeFacts course{MonthOf(f.Need("from"), f.At("from")), std::nullopt};
    if (const auto to = f.Get("to"))
        course.To = MonthOf(*to, f.At("to"));
    return course;
}

current::IllnessFacts ReadIllness(const QJsonValue &Value, const QString &Path) {
    const Fields f(Value, Path, {"who", "paid"});
    return {f.Name("who", Persons), f.Amount("paid")};
}

current::PensionFacts ReadPension(const QJsonValue &Value, const QString &Path) {
    const Fields f(Value, Path, {"month", "amount"});
    return {f.Integer("month"), f.Amount("amount")};
}

current::HealthFacts ReadHealth(const QJsonValue &Value, const QString &Path) {
    const Fields f(Value, Path, {"from", "to", "monthly"});
    return {f.Integer("from", 1), f.Integer("to", 12), f.Amount("monthly")};
}

current::PaymentFacts ReadPayment(const QJsonValue &Value, const QString &Path) {
    const Fields f(Value, Path, {"month", "kind", "amount"});
    return {f.Integer("month"), f.Name("kind", Kinds), f.Amount("amount")};
}

current::BonusFacts ReadBonus(const QJsonValue &Value, const QString &Path) {
    const Fields f(Value, Path, {"month", "amount", "employer"});
    return {f.Integer("month"), f.Amount("amount"), f.Text("employer")};
}

YearFacts ReadFacts(const QJsonValue &Root) {
    const Fields f(Root, QString(),
                   {"year", "jobs", "children", "elderly", "housing_loan", "rent", "degree_study",
                    "certificates", "illness", "pension", "health_insurance", "payments", "bonus",
                    "bonus_method"});
    YearFacts facts;
    facts.Year = f.Integer("year");
    facts.Jobs = f.List("jobs", ReadJob, true);
    facts.Children = f.List("children", ReadChild);
    if (const auto elderly = f.Get("elderly"))
        facts.Elderly = ReadElderly(*elderly, f.At("elderly"));
    if (const auto loan = f.Get("housing_loan"))
        facts.HousingLoan = ReadLoan(*loan, f.At("housing_loan"));
    facts.Rent = f.List("rent", ReadLease);
    facts.DegreeStudy = f.List("degree_study", ReadDegree);
    facts.Certificates = f.List("certificates", MonthOf);
    facts.Illness = f.List("illness", ReadIllness);
    facts.Pension = f.List("pension", ReadPension);
    facts.HealthInsurance = f.List("health_insurance", ReadHealth);
    facts.Payments = f.List("payments", ReadPayment);
    if (const auto bonus = f.Get("bonus"))
        facts.Bonus = ReadBonus(*bonus, f.At("bonus"));
    facts.BonusMethod = f.Name("bonus_method", Methods, current::BonusChoice::Best);
    return facts;
}

QString WithPath(const QString &Path, const QString &Message) {
    return Path.isEmpty() ? Message : Path + QStringLiteral("：") + Message;
}

// What QJsonParseError names in English.
QString ParseProblem(QJsonParseError::ParseError Error) {
    switch (Error) {
    case QJsonParseError::UnterminatedObject:
        return Words::tr("对象缺少结尾的 }");
    case QJsonParseError::MissingNameSeparator:
        return Words::tr("键后缺少冒号");
    case QJsonParseError::UnterminatedArray:
        return Words::tr("列表缺少结尾的 ]");
    case QJsonParseError::MissingValueSeparator:
        return Words::tr("缺少分隔的逗号");
    case QJsonParseError::IllegalNumber:
    case QJsonParseError::TerminationByNumber:
        return Words::tr("数字写法有误或超出范围");
    case QJsonParseError::IllegalEscapeSequence:
        return Words::tr("字符串中有无效的转义");
    case QJsonParseError::IllegalUTF8String:
        return Words::tr("不是有效的 UTF-8 文本");
    case QJsonParseError::UnterminatedString:
        return Words::tr("字符串缺少结尾的引号");
    case QJsonParseError::DeepNesting:
        return Words::tr("嵌套过深");
    case QJsonParseError::GarbageAtEnd:
        return Words::tr("结尾有多余的内容");
    default:
        return Words::tr("无法识别的内容");
    }
}

QString ParseFault(const QByteArray &Bytes, const QJsonParseError &Error) {
    const QByteArrayView before =
        QByteArrayView(Bytes).first(std::clamp<qsizetype>(Error.offset, 0, Bytes.size()));
    const qsizetype lineStart = before.lastIndexOf('\n') + 1;
    const qsizetype line = before.count('\n') + 1;
    const qsizetype column = QString::fromUtf8(before.sliced(lineStart)).size() + 1;
    return Words::tr("不是有效的 JSON：第 %1 行第 %2 列附近%3")
        .arg(line)
        .arg(column)
        .arg(ParseProblem(Error.error));
}

QJsonValue AmountValue(Cents Amount) {
    // Whole cents up to the largest amount are exact in a double, and its shortest text has the
    // two decimals back.
    return static_cast<double>(Amount) / 100;
}

QString MonthText(const CalendarMonth &When) {
    return QString::asprintf("%04d-%02d", When.Year, When.Month);
}

QString DateText(const Date &When) {
    return QString::asprintf("%04d-%02d-%02d", When.Year, When.Month, When.Day);
}

QJsonObject JobObject(const current::JobFacts &Job) {
    QJsonArray pay;
    for (const current::PayFacts &entry : Job.Pay)
        pay.append(QJsonObject{{"from", entry.From},
                               {"income", AmountValue(entry.Income)},
                               {"exempt", AmountValue(entry.Exempt)},
                               {"insurance", AmountValue(entry.Insurance)},
                               {"other", AmountValue(entry.Other)}});
    return {{"employer", QString::fromStdString(Job.Employer)},
            {"from", Job.From},
            {"to", Job.To},
            {"mode", QString::fromUtf8(NameOf(Modes, Job.Mode))},
            {"deductions_here", Job.DeductionsHere},
            {"pay", pay}};
}

template <class T, class F> QJsonArray ArrayOf(const std::vector<T> &Items, F Write) {
    QJsonArray array;
    for (const T &item : Items)
        array.append(Write(item));
    return array;
}

QJsonObject ElderlyObject(const current::ElderlyFacts &Elderly) {
    QJsonObject object{{"parents_born", ArrayOf(Elderly.ParentsBorn, DateText)},
                       {"only_child", Elderly.OnlyChild}};
    if (Elderly.Share)
        object.insert(QStringLiteral("share"), AmountValue(*Elderly.Share));
    return object;
}

void AddPersonal(QJsonObject &Root, const YearFacts &F) {
    Root.insert(QStringLiteral("children"), ArrayOf(F.Children, [](const current::ChildFacts &c) {
                    QJsonObject child{{"born", DateText(c.Born)}, {"share", c.Share}};
                    if (c.EducationEnd)
                        child.insert(QStringLiteral("education_end"), MonthText(*c.EducationEnd));
                    return child;
                }));
    if (F.Elderly)
        Root.insert(QStringLiteral("elderly"), ElderlyObject(*F.Elderly));
    if (F.HousingLoan)
        Root.insert(QStringLiteral("housing_loan"),
                    QJsonObject{{"first_repayment", MonthText(F.HousingLoan->FirstRepayment)},
                                {"share", F.HousingLoan->Share}});
    Root.insert(QStringLiteral("rent"), ArrayOf(F.Rent, [](const current::LeaseFacts &l) {
                    return QJsonObject{{"from", MonthText(l.From)},
                                       {"to", MonthText(l.To)},
                                       {"amount", AmountValue(l.Amount)}};
                }));
    Root.insert(QStringLiteral("degree_study"),
                ArrayOf(F.DegreeStudy, [](const current::DegreeFacts &d) {
                    QJsonObject course{{"from", MonthText(d.From)}};
                    if (d.To)
                        course.insert(QStringLiteral("to"), MonthText(*d.To));
                    return course;
                }));
    Root.insert(QStringLiteral("certificates"), ArrayOf(F.Certificates, MonthText));
    Root.insert(QStringLiteral("illness"), ArrayOf(F.Illness, [](const current::IllnessFacts &i) {
                    return QJsonObject{{"who", QString::fromUtf8(NameOf(Persons, i.Who))},
                                       {"paid", AmountValue(i.Paid)}};
                }));
}

void AddPayments(QJsonObject &Root, const YearFacts &F) {
    Root.insert(QStringLiteral("pension"), ArrayOf(F.Pension, [](const current::PensionFacts &p) {
                    return QJsonObject{{"month", p.Month}, {"amount", AmountValue(p.Amount)}};
                }));
    Root.insert(
        QStringLiteral("health_insurance"),
        ArrayOf(F.HealthInsurance, [](const current::HealthFacts &h) {
            return QJsonObject{{"from", h.From}, {"to", h.To}, {"monthly", AmountValue(h.Monthly)}};
        }));
    Root.insert(QStringLiteral("payments"), ArrayOf(F.Payments, [](const current::PaymentFacts &p) {
                    return QJsonObject{{"month", p.Month},
                                       {"kind", QString::fromUtf8(NameOf(Kinds, p.Kind))},
                                       {"amount", AmountValue(p.Amount)}};
                }));
    if (F.Bonus)
        Root.insert(QStringLiteral("bonus"),
                    QJsonObject{{"month", F.Bonus->Month},
                                {"amount", AmountValue(F.Bonus->Amount)},
                                {"employer", QString::fromStdString(F.Bonus->Employer)}});
    Root.insert(QStringLiteral("bonus_method"), QString::fromUtf8(NameOf(Methods, F.BonusMethod)));
}

QString FileFault(const QString &Path, const QString &Fault) {
    return Words::tr("文件“%1”%2").arg(Path, Fault);
}

// Why the file at Path cannot be read, from the errno of a failed call.
QString OpenFault(const QString &Path, int Error) {
    if (Error == ENOENT)
        return FileFault(Path, Words::tr("不存在"));
    if (Error == EACCES)
        return FileFault(Path, Words::tr("没有读取权限"));
    return FileFault(Path, Words::tr("无法读取：%1").arg(qt_error_string(Error)));
}

// A regular file of at most MaxYearFileSize bytes: opening a FIFO would wait for a writer and a
// device may act on being opened, so only what stat shows to be a regular file is opened, and
// the file opened must be the one that was looked at.
std::optional<QByteArray> ReadRegular(const QString &Path, QString &Error) {
    const QByteArray name = QFile::encodeName(Path);
    struct stat seen {};
    if (::stat(name.constData(), &seen) != 0) {
        Error = OpenFault(Path, errno);
        return std::nullopt;
    }
    if (S_ISDIR(seen.st_mode))
        Error = Words::tr("“%1”是文件夹，不是年度文件").arg(Path);
    else if (!S_ISREG(seen.st_mode))
        Error = FileFault(Path, Words::tr("不是普通文件（是设备、管道或套接字），不读取"));
    else if (seen.st_size > MaxYearFileSize)
        Error = FileFault(Path, Words::tr("有 %1 字节，年度文件最多 %2 字节，不读取")
                                    .arg(seen.st_size)
                                    .arg(MaxYearFileSize));
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
        Error = FileFault(Path, Words::tr("在读取时被替换或无法打开，未读取"));
        return std::nullopt;
    }
    QByteArray bytes = file.read(MaxYearFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        Error = FileFault(Path, Words::tr("读取出错：%1").arg(file.errorString()));
    else if (bytes.size() > MaxYearFileSize)
        Error =
            FileFault(Path, Words::tr("超过年度文件的上限 %1 字节，不读取").arg(MaxYearFileSize));
    if (!Error.isEmpty())
        return std::nullopt;
    return bytes;
}

} // namespace

YearRead ParseYearFile(const QByteArray &Bytes) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(Bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return {std::nullopt, ParseFault(Bytes, error)};
    if (!document.isObject())
        return {std::nullopt, Words::tr("年度文件应为一个 JSON 对象（{…}）")};
    try {
        YearFacts facts = ReadFacts(document.object());
        if (const auto fault = current::CheckYear(facts))
            return {std::nullopt, YearFaultText(*fault)};
        return {std::move(facts), {}};
    } catch (const Refusal &refusal) {
        return {std::nullopt, WithPath(refusal.Path, refusal.Message)};
    }
}

YearRead ReadYearFile(const QString &Path) {
    QString error;
    const auto bytes = ReadRegular(Path, error);
    if (!bytes)
        return {std::nullopt, error};
    YearRead read = ParseYearFile(*bytes);
    if (!read.Facts)
        read.Error = FileFault(Path, Words::tr("有误：%1").arg(read.Error));
    return read;
}

QByteArray YearFileBytes(const YearFacts &Facts) {
    QJsonObject root{{"year", Facts.Year}, {"jobs", ArrayOf(Facts.Jobs, JobObject)}};
    AddPersonal(root, Facts);
    AddPayments(root, Facts);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QString WriteYearFile(const QString &Path, const YearFacts &Facts) {
    struct stat seen {};
    if (::lstat(QFile::encodeName(Path).constData(), &seen) == 0) {
        if (S_ISLNK(seen.st_mode))
            return FileFault(Path, Words::tr("是符号链接，不写入（请直接选择它指向的文件）"));
        if (S_ISDIR(seen.st_mode))
            return Words::tr("“%1”是文件夹，不写入").arg(Path);
        if (!S_ISREG(seen.st_mode))
            return FileFault(Path, Words::tr("不是普通文件（是设备、管道或套接字），不写入"));
    } else if (errno != ENOENT) {
        return FileFault(Path, Words::tr("无法查看：%1").arg(qt_error_string(errno)));
    }
    // QSaveFile writes a temporary file in the same folder and renames it over Path on commit.
    QSaveFile file(Path);
    if (!file.open(QIODevice::WriteOnly))
        return FileFault(Path, Words::tr("无法写入：%1").arg(file.errorString()));
    const QByteArray bytes = YearFileBytes(Facts);
    if (file.write(bytes) != bytes.size() || !file.commit())
        return FileFault(Path, Words::tr("写入时出错：%1").arg(file.errorString()));
    return {};
}

QString YearFaultText(const current::YearFault &Fault) {
    using K = current::YearFaultKind;
    const QString other = QString::fromStdString(Fault.Other);
    QString text;
    switch (Fault.Kind) {
    case K::YearUnknown:
        text = Words::tr("本程序只有 %1 至 %2 年的规则，没有 %3 年的")
                   .arg(current::FirstRulesYear)
                   .arg(current::LastRulesYear)
                   .arg(Fault.Year);
        break;
    case K::TooManyEntries:
        text = Words::tr("条目过多，最多 %1 条").arg(Fault.Value);
        break;
    case K::NoJob:
        text = Words::tr("至少要有一份工作");
        break;
    case K::NoEmployer:
        text = Words::tr("单位名称不能为空");
        break;
    case K::NoPay:
        text = Words::tr("至少要有一项工资");
        break;
    case K::MonthOutOfRange:
        text = Words::tr("月份应为 1 到 12");
        break;
    case K::FromAfterTo:
        text = Words::tr("起始（from）晚于截止（to）");
        break;
    case K::AmountNegative:
        text = Words::tr("金额不能为负数");
        break;
    case K::AmountTooLarge:
        text = Words::tr("金额超出范围（最多 %1）").arg(PlainYuan(Fault.Value));
        break;
    case K::FirstPayNotJobFrom:
        text = Words::tr("第一项工资应从工作的起始月份（%1 月）开始").arg(Fault.Value);
        break;
    case K::PayNotRising:
        text = Words::tr("应晚于上一项工资的起始月份");
        break;
    case K::PayAfterJobEnd:
        text = Words::tr("晚于工作的截止月份（%1 月）").arg(Fault.Value);
        break;
    case K::DeductedTwice:
        text = Words::tr("%1 月与 %2 都扣除专项附加扣除，同一个月只能由一个单位扣除")
                   .arg(Fault.Month)
                   .arg(other);
        break;
    case K::SixtyNotFromJanuary:
        text = Words::tr("“6万”只适用于从 1 月起任职的工作");
        break;
    case K::FromJanuaryNotFirst:
        text = Words::tr("“自1月”只适用于本年第一份工作，%1 开始得更早").arg(other);
        break;
    case K::ShareNotHalfOrWhole:
        text = Words::tr("扣除比例应为 100 或 50");
        break;
    case K::ElderlyShareTooLarge:
        text = Words::tr("每月分摊额超过 %1 年的上限 %2 元")
                   .arg(Fault.Year)
                   .arg(PlainYuan(Fault.Value));
        break;
    case K::ElderlyShareMissing:
        text = Words::tr("不是独生子女时须填写每月分摊额");
        break;
    case K::NoParent:
        text = Words::tr("至少要有一位父母的出生日期");
        break;
    case K::RentAmountUnknown: {
        const current::YearRules &rules =
            current::RulesOf(Fault.Year) ? *current::RulesOf(Fault.Year) : current::LatestRules();
        text = Words::tr("住房租金应为每月 %1、%2 或 %3 元")
                   .arg(PlainYuan(rules.RentLargeCity), PlainYuan(rules.RentMiddleCity),
                        PlainYuan(rules.RentSmallCity));
        break;
    }
    case K::RentAndLoan:
        text = Words::tr("与 %1 都在 %2 年内，住房租金和住房贷款利息一年只能扣除其一")
                   .arg(other)
                   .arg(Fault.Year);
        break;
    case K::OutsideYear:
        text = Words::tr("不在 %1 年内").arg(Fault.Year);
        break;
    case K::NoSuchEmployer:
        text = Words::tr("没有哪份工作的 employer 与之相同");
        break;
    case K::DateInvalid:
        text = Words::tr("不是有效的日期或年月（年份应在 %1 至 %2 之间）")
                   .arg(current::FirstDateYear)
                   .arg(current::LastDateYear);
        break;
    }
    return WithPath(QString::fromStdString(Fault.Path), text);
}

} // namespace sheets
