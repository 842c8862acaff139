#include "common/UYearModel.h"

#include "formats/JsonRead.h"
#include "formats/YearFileParts.h"
#include "sheets/FaultWords.h"
#include "sheets/JsonFile.h"
#include "sheets/YearFile.h"

#include <QJsonArray>
#include <cmath>
#include <utility>

namespace {

using formats::json::Value;

// What the year file's reader would make of the value's text: numbers as doubles (as the reader
// holds every number), a number that is no finite one as null (as its text would write it).
Value FileValue(const QJsonValue &Of) {
    switch (Of.type()) {
    case QJsonValue::Bool:
        return Of.toBool();
    case QJsonValue::Double: {
        const double number = Of.toDouble();
        return std::isfinite(number) ? Value(number) : Value(nullptr);
    }
    case QJsonValue::String:
        return Of.toString().toStdString();
    case QJsonValue::Array: {
        Value array = Value::array();
        for (const QJsonValue &item : Of.toArray())
            array.push_back(FileValue(item));
        return array;
    }
    case QJsonValue::Object: {
        Value object = Value::object();
        const QJsonObject from = Of.toObject();
        for (auto at = from.begin(); at != from.end(); ++at)
            object[at.key().toStdString()] = FileValue(at.value());
        return object;
    }
    case QJsonValue::Null:
    case QJsonValue::Undefined:
        break;
    }
    return nullptr;
}

QJsonValue QtValue(const Value &Of) {
    if (Of.is_object()) {
        QJsonObject object;
        for (const auto &item : Of.items())
            object.insert(QString::fromStdString(item.key()), QtValue(item.value()));
        return object;
    }
    if (Of.is_array()) {
        QJsonArray array;
        for (const Value &item : Of)
            array.append(QtValue(item));
        return array;
    }
    if (Of.is_string())
        return QString::fromStdString(Of.get<std::string>());
    if (Of.is_boolean())
        return Of.get<bool>();
    if (Of.is_number_integer())
        return QJsonValue(Of.get<qint64>());
    if (Of.is_number())
        return Of.get<double>();
    return QJsonValue::Null;
}

// Node with Value at Steps[At...]; Done turns false, and Node comes back as it was, where the path
// cannot be followed.
QJsonValue With(const QJsonValue &Node, const QList<TFactPath::Step> &Steps, qsizetype At,
                const QJsonValue &Value, bool &Done) {
    if (At == Steps.size())
        return Value;
    const TFactPath::Step &step = Steps[At];
    const auto container = [](const QJsonValue &Of, bool Object) {
        return Of.isUndefined() || Of.isNull() || (Object ? Of.isObject() : Of.isArray());
    };
    QJsonObject object;
    QJsonValue inner = Node;
    if (!step.Key.isEmpty()) {
        if (!container(Node, true)) {
            Done = false;
            return Node;
        }
        object = Node.toObject();
        inner = object.value(step.Key);
    }
    QJsonValue changed;
    if (step.Index >= 0) {
        QJsonArray array = inner.toArray();
        if (!container(inner, false) || step.Index > array.size()) {
            Done = false;
            return Node;
        }
        const bool added = step.Index == array.size();
        const QJsonValue entry =
            With(added ? QJsonValue(QJsonValue::Undefined) : array.at(step.Index), Steps, At + 1,
                 Value, Done);
        if (!Done)
            return Node;
        if (entry.isUndefined()) {
            if (!added)
                array.removeAt(step.Index);
        } else if (added) {
            array.append(entry);
        } else {
            array.replace(step.Index, entry);
        }
        changed = array;
    } else {
        changed = With(inner, Steps, At + 1, Value, Done);
        if (!Done)
            return Node;
    }
    if (step.Key.isEmpty())
        return changed;
    if (changed.isUndefined())
        object.remove(step.Key);
    else
        object.insert(step.Key, changed);
    return object;
}

} // namespace

TFactPath TFactPath::Of(const QString &Path) {
    TFactPath path;
    for (const QString &part : Path.split(QLatin1Char('.'), Qt::SkipEmptyParts)) {
        Step step{part, -1};
        const qsizetype open = part.indexOf(QLatin1Char('['));
        if (open > 0 && part.endsWith(QLatin1Char(']'))) {
            step.Key = part.left(open);
            step.Index = part.mid(open + 1, part.size() - open - 2).toInt();
        }
        path.Steps.append(step);
    }
    return path;
}

QJsonObject YearJson(const current::YearFacts &Facts) {
    return QtValue(formats::YearFileValue(Facts)).toObject();
}

TYearRead ReadYearJson(const QJsonObject &Json) {
    formats::YearRead read = formats::ReadYearDocument(FileValue(Json), false);
    if (read.Error)
        return {std::nullopt, QString::fromStdString(read.Error->Path),
                sheets::json::FaultText(*read.Error, QString()), std::nullopt};
    if (const auto fault = current::CheckYear(*read.Facts))
        return {std::nullopt, QString::fromStdString(fault->Path), sheets::YearFaultText(*fault),
                fault};
    return {std::move(read.Facts), {}, {}, std::nullopt};
}

TYearModel::TYearModel(QObject *Parent) : QObject(Parent) {}

void TYearModel::SetFacts(const current::YearFacts &Facts,
                          const std::optional<current::YearResult> &Result) {
    Year = YearJson(Facts);
    Read = {Facts, {}, {}, std::nullopt};
    Last = TYearFigures{Facts, Result ? *Result : current::ComputeYear(Facts)};
    emit FiguresChanged();
    emit Checked();
}

void TYearModel::SetTyped(const QJsonObject &Typed) {
    Year = Typed;
    Recheck();
}

bool TYearModel::SetField(const QString &Path, const QJsonValue &Value) {
    const TFactPath path = TFactPath::Of(Path);
    if (path.Steps.isEmpty())
        return false;
    bool done = true;
    const QJsonValue year = With(Year, path.Steps, 0, Value, done);
    if (!done)
        return false;
    Year = year.toObject();
    Recheck();
    return true;
}

void TYearModel::Recheck() {
    Read = ReadYearJson(Year);
    if (Read.Facts && (!Last || Last->Facts != *Read.Facts)) {
        Last = TYearFigures{*Read.Facts, current::ComputeYear(*Read.Facts)};
        emit FiguresChanged();
    }
    emit Checked();
}
