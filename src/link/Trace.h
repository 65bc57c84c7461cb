#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <functional>

// Bytes as one line of text: printable ASCII as it is, a backslash doubled, CR,
// LF and tab as \r \n \t, every other byte as \xNN.
QByteArray escapedBytes(const QByteArray &bytes);

// A record of every command sent and every piece received, one line each: the
// time to the millisecond, the direction ("->" sent, "<-" received, "-x" not sent
// because the link was closed), the link ("serial" or "gateway") and the escaped bytes. Written through at
// once, so a trace of a run that hangs or crashes holds everything up to that moment.
class Trace
{
public:
    // Opens (truncating) the file; errorString() says why when it cannot.
    bool open(const QString &path);
    QString errorString() const { return m_file.errorString(); }
    bool isOpen() const { return m_file.isOpen(); }

    void sent(const char *link, const QByteArray &bytes)
    {
        tell(true);
        record("->", link, bytes);
    }
    void notSent(const char *link, const QByteArray &bytes) { record("-x", link, bytes); }
    void received(const char *link, const QByteArray &bytes)
    {
        tell(false);
        record("<-", link, bytes);
    }
    // Told of every command that left (true) and every piece received (false), with or
    // without a file: what keeps count of the exchanges in flight listens here.
    void setListener(std::function<void(bool sent)> listener) { m_listener = std::move(listener); }

private:
    void record(const char *direction, const char *link, const QByteArray &bytes);
    void tell(bool sent) const
    {
        if (m_listener)
            m_listener(sent);
    }

    QFile m_file;
    std::function<void(bool sent)> m_listener;
};
