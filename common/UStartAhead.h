#pragma once

#include <QPixmap>
#include <QStringList>

// What the first window needs and the interface thread need not do itself, begun on a worker
// thread as the program starts, so that it runs beside Qt's own start-up on another core: the
// font configuration that the first text measured would load, and the first page's pictures.
// The first frame still shows everything: whoever needs a picture waits for it.
namespace StartAhead {

// Starts the worker on the font configuration at once; the pictures (compiled-in resources)
// follow once Ready has been called. Called at most once, before or after the QApplication.
void Begin(const QStringList &Pictures);

// Called once the QApplication exists and before the first window is built: waits for the font
// configuration, so that Qt's font database finds it loaded instead of loading its own, decoding
// pictures meanwhile, and lets the worker go on to the rest of them (image plugins are looked up
// in the application's library paths, which the QApplication sets: no picture is decoded before
// it exists). Does nothing when Begin was not called.
void Ready();

// The picture of a resource: the one decoded ahead, once, waiting for it if need be; any other
// (or the same one a second time) decoded here. Interface thread only.
QPixmap Picture(const QString &Resource);

// Pictures listed to Begin that nobody has taken yet.
qsizetype Untaken();

} // namespace StartAhead
