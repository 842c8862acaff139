#pragma once
// minizip over a Qt device: a workbook read from the file opened once (a regular file, never
// through a link), or written into a temporary file beside its target, or kept in memory.

#include <QIODevice>
#include <ioapi.h>

namespace sheets::ZipDevice {

inline QIODevice *DeviceOf(voidpf Stream) {
    return static_cast<QIODevice *>(Stream);
}
inline voidpf Open(voidpf Device, const void *, int) {
    return Device;
}
inline uLong Read(voidpf, voidpf Stream, void *Buffer, uLong Size) {
    const qint64 read = DeviceOf(Stream)->read(static_cast<char *>(Buffer), qint64(Size));
    return read < 0 ? 0 : static_cast<uLong>(read);
}
inline uLong Write(voidpf, voidpf Stream, const void *Buffer, uLong Size) {
    const qint64 written = DeviceOf(Stream)->write(static_cast<const char *>(Buffer), qint64(Size));
    return written < 0 ? 0 : static_cast<uLong>(written);
}
inline ZPOS64_T Tell(voidpf, voidpf Stream) {
    return static_cast<ZPOS64_T>(DeviceOf(Stream)->pos());
}
inline long Seek(voidpf, voidpf Stream, ZPOS64_T Offset, int Origin) {
    QIODevice *device = DeviceOf(Stream);
    const qint64 base = Origin == ZLIB_FILEFUNC_SEEK_CUR   ? device->pos()
                        : Origin == ZLIB_FILEFUNC_SEEK_END ? device->size()
                                                           : 0;
    return device->seek(base + static_cast<qint64>(Offset)) ? 0 : -1;
}
inline int Close(voidpf, voidpf) {
    return 0;
}
inline int Error(voidpf, voidpf) {
    return 0;
}
inline zlib_filefunc64_def On(QIODevice &Device) {
    return {Open, Read, Write, Tell, Seek, Close, Error, &Device};
}

} // namespace sheets::ZipDevice
