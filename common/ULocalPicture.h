#pragma once
// The pictures that carry words are drawn in both languages (scripts/make-pictures): the English
// one beside the Chinese, named with "_en" before ".png". A page names the Chinese one and shows
// the one of the language in use.

#include <QString>

class QLabel;

namespace LocalPicture {

// The resource of the picture in the language in use: ":/pictures/x_en.png" for
// ":/pictures/x.png" in English when there is one, else Resource itself.
QString Of(const QString &Resource);

// Shows in Label the picture of Resource in the language in use (the one decoded ahead at start
// when there is one), and the other language's each time the language changes.
void Show(QLabel *Label, const QString &Resource);

} // namespace LocalPicture
