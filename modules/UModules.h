#pragma once
// The program's own modules: libraries loaded when first needed (Qt Charts for the bonus chart,
// Qt Network for the requests, libxlsxwriter for the workbooks written), so that what they link
// costs the start-up nothing.

#include <QString>

class QObject;

// The module's instance, loaded once and kept for the life of the program; null when it is
// found nowhere or does not load. Looked for beside the program (a build folder, a portable
// copy), where the installation puts it (InstallDir, a path from the program's folder) and in
// BuildDir, the build folder of the tests, the benchmarks and the tour. Thread-safe.
QObject *LoadModule(const QString &FileName, const QString &InstallDir, const QString &BuildDir);
