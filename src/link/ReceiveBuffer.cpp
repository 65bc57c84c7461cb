#include "link/ReceiveBuffer.h"

QByteArray receiveBufferText(const QByteArray &piece)
{
    const qsizetype nul = piece.indexOf('\0');
    const qsizetype end = qMin(nul < 0 ? piece.size() : nul, ReceiveBufferShown);
    QByteArray shown;
    shown.reserve(end);
    for (qsizetype i = 0; i < end; ++i) {
        const char c = piece[i];
        if (c == '\r') {
            shown += '\n';
            if (i + 1 < end && piece[i + 1] == '\n')
                ++i;
        } else {
            shown += c;
        }
    }
    return shown;
}
