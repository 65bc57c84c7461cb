#pragma once

#include <QByteArray>

#include <QtGlobal>

// The most of one piece the receive buffer shows. A reply is a few hundred bytes
// (a long history answer some kilobytes); a flood of a megabyte on one line
// would hold the window up while the box lays it out.
inline constexpr qsizetype ReceiveBufferShown = 16 * 1024;

// What the receive buffer shows of a piece: it ends at the first NUL or after
// its first ReceiveBufferShown bytes, and CR, LF and CR LF each start a new line.
// The piece itself, stored and parsed, keeps every byte.
QByteArray receiveBufferText(const QByteArray &piece);
