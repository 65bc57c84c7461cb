#include "ui/JpegImage.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

// The same pictures through Qt's own JPEG reader (its bundled libjpeg), where the system has no
// libjpeg to link: the Windows build. The reader scales in the decoder as libjpeg does.
QImage decodeJpeg(const QByteArray &data, QSize atLeast)
{
    if (data.isEmpty())
        return {};
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    const QSize full = reader.size();
    if (!full.isValid())
        return {};
    for (const int denominator : {8, 4, 2}) {
        const auto covers = [&](int whole, int wanted) {
            return wanted > 0 && (whole + denominator - 1) / denominator >= wanted;
        };
        if (covers(full.width(), atLeast.width()) && covers(full.height(), atLeast.height())) {
            reader.setScaledSize(QSize((full.width() + denominator - 1) / denominator,
                                       (full.height() + denominator - 1) / denominator));
            break;
        }
    }
    const QImage image = reader.read();
    return image.isNull() ? QImage() : image.convertToFormat(QImage::Format_RGB32);
}

QImage jpegResource(const QString &path, QSize atLeast)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return decodeJpeg(file.readAll(), atLeast);
}
