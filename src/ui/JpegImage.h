#pragma once

#include <QByteArray>
#include <QImage>

// Decodes a baseline or progressive JPEG (grey or colour) with libjpeg.
// A damaged picture gives a null image rather than ending the program.
QImage decodeJpeg(const QByteArray &data);

// The picture stored in the program's resources under that path.
QImage jpegResource(const QString &path);
