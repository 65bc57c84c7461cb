#pragma once

#include "commands/Command.h"

#include <QByteArray>
#include <QString>

#include <functional>

// Why an exchange could not complete: the link (cannot open, refused, lost, no
// answer in time, stopped) or the answer (the parser refuses it, it lacks a value).
// The message names the device or address and the likely cause.
class SessionError
{
public:
    enum Kind { Link, Answer };
    SessionError(Kind kind, QString message) : kind(kind), message(std::move(message)) {}
    Kind kind;
    QString message;
};

// Whether the bytes received so far are the whole answer.
using WholeAnswer = std::function<bool(const QByteArray &answer)>;

// A collector one command at a time: what the whole-collector steps need of a link.
class CollectorLink
{
public:
    virtual ~CollectorLink() = default;
    // Whether the commands go over the gateway (the link mode they are built for).
    virtual bool viaGateway() const = 0;
    // Sends the command and returns its whole answer, or what came before the link
    // fell quiet; SessionError when the link fails or the answer does not read.
    virtual QByteArray exchange(const Command &command, const WholeAnswer &whole) = 0;
};
