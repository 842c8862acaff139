#include "sheets/JsonFile.h"

#include "sheets/HouseholdFile.h"
#include "sheets/YearFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <cerrno>

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

using formats::FaultKind;

// What is wrong with text that is not JSON.
QString SyntaxProblem(FaultKind Kind) {
    switch (Kind) {
    case FaultKind::UnterminatedObject:
        return JsonFile::tr("对象缺少结尾的 }");
    case FaultKind::MissingNameSeparator:
        return JsonFile::tr("键后缺少冒号");
    case FaultKind::UnterminatedArray:
        return JsonFile::tr("列表缺少结尾的 ]");
    case FaultKind::MissingValueSeparator:
        return JsonFile::tr("缺少分隔的逗号");
    case FaultKind::IllegalNumber:
        return JsonFile::tr("数字写法有误或超出范围");
    case FaultKind::IllegalEscape:
        return JsonFile::tr("字符串中有无效的转义");
    case FaultKind::IllegalUtf8:
        return JsonFile::tr("不是有效的 UTF-8 文本");
    case FaultKind::UnterminatedString:
        return JsonFile::tr("字符串缺少结尾的引号");
    case FaultKind::DeepNesting:
        return JsonFile::tr("嵌套过深");
    case FaultKind::GarbageAtEnd:
        return JsonFile::tr("结尾有多余的内容");
    default:
        return JsonFile::tr("无法识别的内容");
    }
}

QString Place(const formats::Fault &Fault) {
    return JsonFile::tr("第 %1 行第 %2 列").arg(Fault.Line).arg(Fault.Column);
}

QString Value(const formats::Fault &Fault, std::size_t Index = 0) {
    return Index < Fault.Values.size() ? QString::fromStdString(Fault.Values[Index]) : QString();
}

// The values from From on, as a list in words: "a、b、shared".
QString Listed(const formats::Fault &Fault, std::size_t From) {
    QStringList names;
    for (std::size_t i = From; i < Fault.Values.size(); ++i)
        names.append(QString::fromStdString(Fault.Values[i]));
    return names.join(JsonFile::tr("、"));
}

// The words of a fault found at the fault's key path.
QString Words(const formats::Fault &Fault) {
    switch (Fault.Kind) {
    case FaultKind::ControlCharacter:
        return JsonFile::tr("%1：%2").arg(
            Place(Fault),
            JsonFile::tr("字符串中有未转义的控制字符 %1（JSON 中应写作 %1）").arg(Value(Fault)));
    case FaultKind::LoneSurrogate:
        return JsonFile::tr("%1：%2").arg(
            Place(Fault), JsonFile::tr("%1 是半个代理对，不是有效的字符（文本应为有效的 "
                                       "UTF-8）")
                              .arg(Value(Fault)));
    case FaultKind::DuplicateKey:
        return JsonFile::tr("同一对象中此键出现了不止一次");
    case FaultKind::NotAnAmount:
        return JsonFile::tr("“%1”不是金额").arg(Value(Fault));
    case FaultKind::AmountNegative:
        return JsonFile::tr("金额不能为负数：%1").arg(Value(Fault));
    case FaultKind::AmountDecimals:
        return JsonFile::tr("金额最多两位小数：%1").arg(Value(Fault));
    case FaultKind::AmountTooLarge:
        return JsonFile::tr("金额超出范围（最多 %1）").arg(PlainYuan(current::LargestInputCents));
    case FaultKind::NotAmountType:
        return JsonFile::tr("应为金额（数字或字符串）");
    case FaultKind::NotInteger:
        return JsonFile::tr("应为整数");
    case FaultKind::NumberOutOfRange:
        return JsonFile::tr("数字 %1 超出范围").arg(Value(Fault));
    case FaultKind::NotText:
        return JsonFile::tr("应为文本（字符串）");
    case FaultKind::NotDate:
        return JsonFile::tr("“%1”不是 YYYY-MM-DD 形式的日期").arg(Value(Fault));
    case FaultKind::NotMonth:
        return JsonFile::tr("“%1”不是 YYYY-MM 形式的年月").arg(Value(Fault));
    case FaultKind::EducationEndBeforeBirth:
        return JsonFile::tr("受教育结束的年月早于子女的出生日期 %1").arg(Value(Fault));
    case FaultKind::UnknownName:
        return JsonFile::tr("未知的值“%1”，应为 %2").arg(Value(Fault), Listed(Fault, 1));
    case FaultKind::NotObject:
        return JsonFile::tr("应为对象（{…}）");
    case FaultKind::UnknownKey:
        return JsonFile::tr("未知的键（此处可用的键：%1）").arg(Listed(Fault, 0));
    case FaultKind::MissingKey:
        return JsonFile::tr("缺少此键");
    case FaultKind::NotFlag:
        return JsonFile::tr("应为 true 或 false");
    case FaultKind::NotList:
        return JsonFile::tr("应为列表（[…]）");
    case FaultKind::NotPatient:
        return QCoreApplication::translate("YearFile",
                                           "应为 children 中的序号（从 0 起的整数）或孩子的名字");
    case FaultKind::NameTooLong:
        return QCoreApplication::translate("YearFile", "姓名最长 %1 个字")
            .arg(current::MaxNameLength);
    case FaultKind::ShareInShared:
        return QCoreApplication::translate("HouseholdFile",
                                           "共同项目的扣除比例由家庭分配决定，不能填写 share");
    case FaultKind::NowNotAllowed:
        return QCoreApplication::translate("HouseholdFile", "税法不允许这样扣除此项");
    case FaultKind::SignerMissing:
        return QCoreApplication::translate(
                   "HouseholdFile",
                   "缺少此键：夫妻主要工作城市相同的，租房由签订租赁合同的一方扣除（%1），"
                   "请写明签约人 a、b 或 both")
            .arg(QString::fromUtf8(current::LeaseSignerDocument));
    default:
        return JsonFile::tr("无法识别的内容");
    }
}

// Why the file at Path cannot be read, from the errno of a failed call.
QString OpenFault(const QString &Path, int Error) {
    if (Error == ENOENT)
        return JsonFile::tr("文件“%1”不存在").arg(Path);
    if (Error == EACCES)
        return JsonFile::tr("没有读取文件“%1”的权限").arg(Path);
    return JsonFile::tr("无法读取文件“%1”：%2").arg(Path, SystemErrorText(Error));
}

} // namespace

QString Visible(QStringView Text) {
    return QString::fromStdString(formats::Visible(Text.toUtf8().toStdString()));
}

QString Quoted(QStringView Text) {
    return QString::fromStdString(formats::Quoted(Text.toUtf8().toStdString()));
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

QString FaultText(const formats::Fault &Fault, const QString &What) {
    switch (Fault.Kind) {
    case FaultKind::UnterminatedObject:
    case FaultKind::MissingNameSeparator:
    case FaultKind::UnterminatedArray:
    case FaultKind::MissingValueSeparator:
    case FaultKind::IllegalNumber:
    case FaultKind::IllegalEscape:
    case FaultKind::IllegalUtf8:
    case FaultKind::UnterminatedString:
    case FaultKind::DeepNesting:
    case FaultKind::GarbageAtEnd:
    case FaultKind::Unrecognised:
        return JsonFile::tr("不是有效的 JSON：%1附近%2")
            .arg(Place(Fault), SyntaxProblem(Fault.Kind));
    case FaultKind::Utf16:
        return JsonFile::tr("%1是 UTF-16 编码的：%1应为 UTF-8 编码（请以 UTF-8 另存）").arg(What);
    case FaultKind::NotADocument:
        return NotAnObject(What);
    case FaultKind::Year:
        return Fault.InYear ? YearFaultText(*Fault.InYear) : QString();
    case FaultKind::Household:
        return Fault.InHousehold ? HouseholdFaultText(*Fault.InHousehold) : QString();
    default:
        return WithPath(QString::fromStdString(Fault.Path), Words(Fault));
    }
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

} // namespace sheets::json
