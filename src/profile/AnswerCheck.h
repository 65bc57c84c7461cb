#pragma once

#include "commands/CollectorLink.h"

#include <QByteArray>
#include <QStringList>

struct PlannedCommand;

// Whether `answer`, read as the answer with `replyCode`, gives every one of
// `controls` whole: each field up to its end by the reply's own structure (its
// width, its end mark, a slot's byte count). An answer cut inside a field is not
// whole, even where the cut field would parse: more bytes would change it.
bool answerComplete(const QByteArray &answer, qint32 replyCode, const QStringList &controls);

// The controls a query fills that a profile holds.
QStringList controlsOfQuery(const char *button);

// When the answer to the query row is whole: every field a profile takes from it.
WholeAnswer wholeQueryAnswer(const char *button);

// When the answer to a setting's command is whole: "OK" or "ERROR", or, for a "Set"
// answered like a query (a slot's frame by the RS485 page, a slot's bytes by its
// bytes), every field of the reply it is read as.
WholeAnswer wholeSetAnswer(const PlannedCommand &command);
