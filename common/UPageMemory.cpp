#include "common/UPageMemory.h"

namespace PageMemory {
namespace {

// Only the interface thread builds and deletes pages, so the store needs no lock.
QHash<QString, TKept> &Store() {
    static QHash<QString, TKept> store;
    return store;
}

} // namespace

const TKept *Of(const QString &ClassName) {
    const auto found = Store().constFind(ClassName);
    return found == Store().constEnd() ? nullptr : &*found;
}

void Keep(const QString &ClassName, TKept State) {
    Store().insert(ClassName, std::move(State));
}

void Forget() {
    Store().clear();
}

} // namespace PageMemory
