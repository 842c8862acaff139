#pragma once
// What the program reads from the network (the version page, a page's title), made into numbers
// and text fit to be shown. Qt Core only, so that the fuzz targets reach it without a window.

#include <QByteArray>
#include <QString>

#include <optional>

namespace WebText {

// The version page's number: blanks before it and a sign are allowed, nothing after it.
std::optional<int> ParseVersion(const QString &Text);
// The text of the first <title> element, blanks collapsed and without control characters;
// empty when there is none.
QString ExtractTitle(const QByteArray &Html);
// Text from the network made fit to be shown: without control characters (C0, DEL, C1), line
// and paragraph separators and the invisible controls of writing direction.
QString WithoutControls(const QString &Text);

} // namespace WebText
