#pragma once

#include <QByteArray>
#include <QList>
#include <QtGlobal>

// What ties a sent query to the reply that answers it. One instance for the
// whole run, touched on the window's thread only.
struct ExchangeState
{
    // The reply the tool waits for; 0 when nothing is expected.
    qint32 ExpectedReplyCode = 0;
    // The latest received text, every byte kept.
    QByteArray ReplyText;
    // Every piece handed to the parse since it last ran, in arrival order: a history
    // download arrives as records back to back, and none of them may be lost.
    QList<QByteArray> PiecesSinceParse;
    // What the Open/Close button last did, not whether the port really is open.
    bool PortOpen = false;
};
