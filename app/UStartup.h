#pragma once

class QApplication;

// Names, the program icon, the Chinese locale, translations and the default font; shared by the
// program and the widget tests so that both see the same interface.
void InitApplication(QApplication &App);
