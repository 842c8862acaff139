#pragma once
// The words of formats/Vocabulary.h in the language of the interface: each caption translated in
// the one context "Vocabulary", wherever a page, the command line or a message shows it.

#include "formats/Vocabulary.h"

#include <QCoreApplication>
#include <QString>

namespace sheets {

inline QString Caption(const char *Chinese) {
    return QCoreApplication::translate(formats::VocabularyContext, Chinese);
}

template <class T> QString Caption(std::span<const formats::Word<T>> Words, T Value) {
    return Caption(formats::WordOf(Words, Value).Caption);
}

inline QString Caption(current::RemunerationKind Kind) {
    return Caption(formats::RemunerationKinds(), Kind);
}
inline QString Caption(current::BasicDeduction Mode) {
    return Caption(formats::WithholdingModes(), Mode);
}
inline QString Caption(current::IllnessOf Who) {
    return Caption(formats::Patients(), Who);
}
inline QString Caption(current::BonusChoice Method) {
    return Caption(formats::BonusMethods(), Method);
}
inline QString Caption(current::BonusMethod Method) {
    return Caption(formats::CaptionOf(Method));
}

} // namespace sheets
