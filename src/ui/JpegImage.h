#pragma once

#include <QByteArray>
#include <QImage>

// Decodes a baseline or progressive JPEG (grey or colour) with libjpeg.
// A damaged picture gives a null image rather than ending the program.
// With atLeast, a picture shown smaller is decoded at the smallest of 1/2, 1/4 and 1/8 of its size
// that still covers atLeast in both directions.
QImage decodeJpeg(const QByteArray &data, QSize atLeast = {});

// The picture stored in the program's resources under that path.
QImage jpegResource(const QString &path, QSize atLeast = {});
