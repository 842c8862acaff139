#include "common/UPageRow.h"

namespace PageRow {
namespace {

constinit LookUp Registered = nullptr;

} // namespace

std::optional<Info> Of(const QMetaObject &Page) {
    return Registered ? Registered(Page) : std::nullopt;
}

void SetLookUp(LookUp Rows) {
    Registered = Rows;
}

} // namespace PageRow
