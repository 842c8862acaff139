#include "sheets/HouseholdFile.h"

#include "sheets/FaultWords.h"
#include "sheets/JsonFile.h"

#include <QCoreApplication>

#include <string_view>
#include <utility>

namespace sheets {
namespace {

// The words of this file, translated in the context "HouseholdFile".
class Words {
    Q_DECLARE_TR_FUNCTIONS(HouseholdFile)
};

} // namespace

HouseholdRead ParseHouseholdFile(const QByteArray &Bytes) {
    formats::HouseholdRead read =
        formats::ParseHouseholdFile(std::string_view(Bytes.constData(), Bytes.size()));
    if (read.Error)
        return {std::nullopt, json::FaultText(*read.Error, Words::tr("家庭文件"))};
    return {std::move(read.Facts), {}, QString::fromStdString(read.WithoutNow)};
}

HouseholdRead ReadHouseholdFile(const QString &Path) {
    return json::ReadDocument<HouseholdRead>(Path, MaxHouseholdFileSize, Words::tr("家庭文件"),
                                             ParseHouseholdFile);
}

} // namespace sheets
