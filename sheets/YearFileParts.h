#pragma once
// The year file's readers for a document that holds a year file, or entries of one, at a key path
// (the household file holds two and the couple's shared items): the same contract and messages,
// the first fault thrown as json::Refusal with its path from the document's root. The facts come
// back as read, not yet checked by CheckYear.

#include "engine/current/YearFacts.h"

#include <QJsonValue>
#include <QString>

namespace sheets {

current::YearFacts ReadYearValue(const QJsonValue &Value, const QString &Path);
current::LeaseFacts ReadLeaseValue(const QJsonValue &Value, const QString &Path);
current::IllnessFacts ReadIllnessValue(const QJsonValue &Value, const QString &Path);

} // namespace sheets
