#pragma once

#include <QPixmap>
#include <QStringList>

// What the first window needs and the interface thread need not do itself, begun on a worker
// thread as the program starts, so that it runs beside Qt's own start-up on another core: the
// font configuration that the first text measured would load, and the first page's pictures.
// The first frame still shows everything: whoever needs a picture waits for it.
namespace StartAhead {

// Starts the worker on the font configuration at once. Called at most once, before or after the
// QApplication.
void Begin();

// Called once the QApplication exists and before the first window is built, with the pictures
// (compiled-in resources, named as the pages will ask for them: those of the language in use)
// that window shows first: waits for the font configuration, so that
// Qt's font database finds it loaded instead of loading its own, decoding pictures meanwhile, and
// lets the worker go on to the rest of them. The pictures are named only now because which page
// comes first is read from the parameter file, and image plugins are looked up in the
// application's library paths: neither can be known before the QApplication exists. Does
// nothing when Begin was not called, or a second time.
void Ready(const QStringList &Pictures = {});

// The picture of a resource: the one decoded ahead, once, waiting for it if need be; any other
// (or the same one a second time) decoded here. Interface thread only.
QPixmap Picture(const QString &Resource);

// Pictures listed to Ready that nobody has taken yet.
qsizetype Untaken();

} // namespace StartAhead
