#include "sheets/FileFaults.h"

#include "sheets/SheetText.h"

namespace sheets {

QString FileNamed(const QString &Path) {
    return SheetText::tr("文件“%1”").arg(Path);
}

QString CannotOpen(const QString &Path, OpenFault Fault) {
    switch (Fault) {
    case OpenFault::Missing:
        return SheetText::tr("%1不存在").arg(FileNamed(Path));
    case OpenFault::Folder:
        return SheetText::tr("“%1”是文件夹，不是文件").arg(Path);
    case OpenFault::Denied:
        return SheetText::tr("没有读取%1的权限").arg(FileNamed(Path));
    case OpenFault::NotRegular:
        return SheetText::tr("“%1”不是普通文件（而是设备、管道、套接字之类），不能作为工资表读取")
            .arg(Path);
    case OpenFault::None:
    case OpenFault::Other:
        break;
    }
    return SheetText::tr("无法打开%1").arg(FileNamed(Path));
}

QString RefusalText(const QString &Path, Refusal Why) {
    switch (Why) {
    case Refusal::NotAFile:
        return SheetText::tr("“%1”不是普通文件（而是设备、管道、套接字或文件夹），不会写入它")
            .arg(Path);
    case Refusal::Link:
        return SheetText::tr("“%1”是符号链接；为免改动它指向的文件，不会通过链接写入").arg(Path);
    case Refusal::OtherOwner:
        return SheetText::tr("%1属于其他用户，不会改写它").arg(FileNamed(Path));
    case Refusal::ReadOnly:
        return SheetText::tr("%1是只读文件，不会改写它").arg(FileNamed(Path));
    case Refusal::TooLarge:
        break;
    }
    return SheetText::tr("%1太大，不会改写它").arg(FileNamed(Path));
}

} // namespace sheets
