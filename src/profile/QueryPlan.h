#pragma once

#include <QList>

struct ProfileKey;
struct ProfilePage;
struct ProfileSetting;

// One query of a read and the settings its answer must give.
struct PlannedQuery
{
    const ProfilePage *page;
    const char *button;
    QList<const ProfileKey *> keys;
};

// Whether the key can be read over the link: over the gateway a setting whose "Set"
// or query goes to the serial port is not.
bool readableOver(const ProfileKey &key, bool viaGateway);
// Whether the query row goes to the serial port whatever the link.
bool queryNeedsSerial(const char *button);

// Every query of the pages the link can send, in the order of the pages.
QList<PlannedQuery> planPageQueries(const QList<const ProfilePage *> &pages, bool viaGateway);
// Only the queries that read the settings.
QList<PlannedQuery> planSettingQueries(const QList<ProfileSetting> &settings, bool viaGateway);
