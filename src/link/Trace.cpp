#include "link/Trace.h"

#include <QDateTime>

QByteArray escapedBytes(const QByteArray &bytes)
{
    QByteArray text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        switch (c) {
        case '\\':
            text += "\\\\";
            break;
        case '\r':
            text += "\\r";
            break;
        case '\n':
            text += "\\n";
            break;
        case '\t':
            text += "\\t";
            break;
        default:
            if (c >= 0x20 && c < 0x7F)
                text += c;
            else
                text += "\\x" + QByteArray::number(quint8(c), 16).rightJustified(2, '0');
        }
    }
    return text;
}

bool Trace::open(const QString &path)
{
    m_file.setFileName(path);
    return m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered);
}

void Trace::record(const char *direction, const char *link, const QByteArray &bytes)
{
    if (!m_file.isOpen())
        return;
    const QByteArray stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")).toLatin1();
    m_file.write(stamp + ' ' + direction + ' ' + link + ' ' + escapedBytes(bytes) + '\n');
}
