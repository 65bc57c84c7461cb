#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

class HeadlessForm;
struct ProfileKey;
struct ProfileSetting;
struct PlannedCommand;

// Whether the collector holds the setting as the collector keeps it: the key's "Set"
// command carries the same bytes built from the collector's values as built from
// them with the setting's value put in ("42" and "00042" are one station number);
// a number the command sends as typed is held when the collector holds the same number.
bool holdsSetting(const HeadlessForm &collector, const ProfileSetting &setting);

// Whether `answer`, parsed as the answer to the query with `replyCode`, fills
// every one of `controls`.
bool fillsAll(const QByteArray &answer, qint32 replyCode, const QStringList &controls);

// The controls a query fills that a profile holds.
QStringList controlsOfQuery(const char *button);

// When the answer to a setting's command is whole: "OK" or "ERROR", or, for a "Set"
// answered like a query (a slot's frame by the RS485 page, a slot's bytes by its
// bytes), every field of the reply it is read as.
std::function<bool(const QByteArray &answer)> wholeSetAnswer(const PlannedCommand &command);
