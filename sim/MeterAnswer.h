#pragma once

#include <QByteArray>

namespace sim {

// What a meter on the RS485 port answers to a request frame given as hexadecimal text: a Modbus RTU
// read (function 3 or 4) gets its registers, any other well-formed frame is echoed. Empty when the
// frame is not hexadecimal or its check bytes are wrong (the meter stays silent).
QByteArray meterAnswer(const QByteArray &frameHex);

quint16 modbusCrc(const QByteArray &bytes);

} // namespace sim
