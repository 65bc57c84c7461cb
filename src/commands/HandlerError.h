#pragma once

#include <QString>

// An error raised inside a handler: the handler ends where it is raised and
// the message reaches the user in the error box. One type per kind.
class HandlerError
{
public:
    explicit HandlerError(QString message) : m_message(std::move(message)) {}
    virtual ~HandlerError() = default;
    const QString &message() const { return m_message; }

private:
    QString m_message;
};

class ConversionError : public HandlerError
{
public:
    explicit ConversionError(const QString &text)
        : HandlerError(QStringLiteral("'%1' is not a valid integer value").arg(text))
    {
    }
};

// A validation message the handler shows itself: a plain box without icon, the
// text exactly as given.
class PlainMessage : public HandlerError
{
public:
    using HandlerError::HandlerError;
};
