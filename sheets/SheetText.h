#pragma once
// The messages of the sheets library, translated under one context.

#include <QCoreApplication>

namespace sheets {

class SheetText {
    Q_DECLARE_TR_FUNCTIONS(SheetText)
};

} // namespace sheets
