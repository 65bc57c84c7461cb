#pragma once

#include "CollectorSettings.h"
#include "LiveReadings.h"

#include <QByteArray>
#include <QDateTime>

namespace sim {

// The collector's replies. Every value stands at the fixed distance from its tag that the tool reads
// it at; ";" separates the fields. Fixed-width fields come before free texts, so a text the user
// wrote cannot hide a later tag.

QByteArray systemReply(const CollectorSettings &s, const QDateTime &clock); // "PPPPPP#CHEACK1#"
QByteArray gprsReply(const CollectorSettings &s, int signalStrength);       // "PPPPPP#CHEACK2#"
QByteArray channelReply(const CollectorSettings &s);                        // "PPPPPP#CHEACK3#"
QByteArray rs485Reply(const CollectorSettings &s);                          // "PPPPPP#CHEACK6#"
QByteArray slotReply(const CollectorSettings &s, int slot);                 // "PPPPPP#COMR0n#", slot 0..3
QByteArray parsingReply(const CollectorSettings &s, int slot);              // "PPPPPP#COMP0n#", slot 0..3
QByteArray liveReply(const CollectorSettings &s, const QDateTime &clock, const Readings &r); // STATUS
QByteArray statusReply(const CollectorSettings &s, const Readings &r); // "PPPPPP#STATUL#"
QByteArray historyRecord(int number, const QDateTime &time, const Readings &r);

} // namespace sim
