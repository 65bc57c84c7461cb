#pragma once

#include <QByteArray>
#include <QString>

// The collector's 8-bit text is GBK (code page 936). Bytes stay bytes through
// framing, exchange and parsing; these convert at the edge to widgets and messages.
QString fromGbk(const QByteArray &bytes);
QByteArray toGbk(const QString &text);
