#pragma once

class QApplication;

// Names, the program icon, translations and the default font; shared by the program and the
// widget tests so that both see the same interface.
void InitApplication(QApplication &App);
