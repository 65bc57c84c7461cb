#pragma once

#include <QByteArray>

#include <QtGlobal>

// The most of one piece the receive buffer shows. A reply is a few hundred bytes;
// a gateway read of a long history arrives whole, some hundred kilobytes. Beyond
// this a flood on one line would hold the window up while the box lays it out.
inline constexpr qsizetype ReceiveBufferShown = 256 * 1024;

// What the receive buffer shows of a piece: it ends at the first NUL or after
// its first ReceiveBufferShown bytes, and CR, LF and CR LF each start a new line.
// The piece itself, stored and parsed, keeps every byte.
QByteArray receiveBufferText(const QByteArray &piece);
