#pragma once

#include <QByteArray>
#include <QString>

// The collector's 8-bit text is GBK (code page 936). Bytes stay bytes through
// framing, exchange and parsing; these convert at the edge to widgets and messages.
QString fromGbk(const QByteArray &bytes);
QByteArray toGbk(const QString &text);

// Whether the toolkit has the GBK codec. Without it no text converts at all: the
// programs refuse to start rather than read the collector in another encoding.
bool gbkAvailable();
