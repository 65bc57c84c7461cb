#pragma once

#include <QByteArray>

// What the receive buffer shows of a piece: it ends at the first NUL, and
// CR, LF and CR LF each start a new line. The piece itself keeps every byte.
QByteArray receiveBufferText(const QByteArray &piece);
