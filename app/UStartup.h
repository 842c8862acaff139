#pragma once

#include "translations/Language.h"

class QApplication;

// Names, the program icon, the interface in Chinese (Qt's own Chinese translation of its buttons
// and the Chinese locale of dates), the placement of dialogs and the default font; shared by the
// program and the widget tests so that both see the same interface.
void InitApplication(QApplication &App);

// The language a start of the program takes: the one last chosen in the menu, kept in the
// parameter file; otherwise the system's locale (Translations::FromEnvironment). Reads the
// parameter file, so InitApplication comes first.
Translations::Language StartLanguage();
// Puts the interface in StartLanguage(). Chinese, the language of the sources, loads nothing.
void UseStartLanguage();
