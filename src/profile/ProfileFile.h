#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

// The most a profile file may hold: a whole collector's settings take a few kilobytes.
inline constexpr qint64 MostProfileBytes = 1024 * 1024;

// A profile's bytes as read, or why they could not be (no file name in it: the
// caller puts the name in front).
struct ProfileBytes
{
    QByteArray bytes;
    QString fault;
};

// The profile in the regular file at `path`. A folder, a named pipe, a device or a
// socket is refused before it is read, and nothing waits on it; a file holding more
// than MostProfileBytes is refused by what is read, whatever size it claims.
ProfileBytes readProfileFile(const QString &path);

// The profile from an open device (standard input), to the same bound.
ProfileBytes readProfileFrom(QIODevice &device);
