#include "MeterAnswer.h"

namespace sim {

quint16 modbusCrc(const QByteArray &bytes)
{
    quint16 crc = 0xFFFF;
    for (const char c : bytes) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? quint16((crc >> 1) ^ 0xA001) : quint16(crc >> 1);
    }
    return crc;
}

namespace {

QByteArray withCrc(QByteArray frame)
{
    const quint16 crc = modbusCrc(frame);
    frame.append(char(crc & 0xFF));
    frame.append(char(crc >> 8));
    return frame;
}

} // namespace

QByteArray meterAnswer(const QByteArray &frameHex)
{
    if (frameHex.size() % 2 != 0)
        return {};
    for (const char c : frameHex) {
        if (!QByteArray("0123456789ABCDEFabcdef").contains(c))
            return {};
    }
    const QByteArray frame = QByteArray::fromHex(frameHex);
    if (frame.size() < 4 || withCrc(frame.chopped(2)) != frame)
        return {};
    const quint8 function = quint8(frame[1]);
    if ((function != 3 && function != 4) || frame.size() != 8)
        return frameHex.toUpper();
    const int registers = qMin((quint8(frame[4]) << 8) | quint8(frame[5]), 32);
    QByteArray answer = frame.left(2);
    answer.append(char(registers * 2));
    for (int i = 0; i < registers; ++i) {
        const int value = 0x0100 * (i + 1) + i;
        answer.append(char(value >> 8));
        answer.append(char(value & 0xFF));
    }
    return withCrc(answer).toHex().toUpper();
}

} // namespace sim
