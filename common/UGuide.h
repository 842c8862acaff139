#pragma once
// The user guide: a text in each language (resources/guide/), whose amounts are written as
// placeholders {{name}} and filled here. The numbers of the law come from engine/current/Rules.h
// and the worked examples' results from the engines themselves, so the guide can never say
// another figure than the pages and pendra-cli compute.

#include <QHash>
#include <QString>

namespace Guide {

// Every placeholder the guide may use, with its text in the language of the interface.
QHash<QString, QString> Figures();

// Text with each {{name}} of Figures replaced; an unknown name is left as it is, so that a test
// finds it.
QString Fill(const QString &Text, const QHash<QString, QString> &Values);

// The guide in the language of the interface, as HTML, filled. Each section begins at an anchor
// named after the class of the page or window it describes ("TFrmCurWage"), and the first start
// at "start".
QString Html();

} // namespace Guide
