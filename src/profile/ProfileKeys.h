#pragma once

#include <QString>
#include <QStringList>
#include <span>

struct CommandRow;

// One setting of a profile: its page and plain-word key, the window's control
// that holds it and the "Set" button whose command row sends it.
struct ProfileKey
{
    const char *page;
    const char *key;
    const char *control;
    const char *button;
};

// A page of a profile and the "Read Parameters" (and slot) queries that fill it.
struct ProfilePage
{
    const char *page;
    std::span<const char *const> queries;
};

std::span<const ProfileKey> profileKeys();
std::span<const ProfilePage> profilePages();

const ProfileKey *findProfileKey(const QString &page, const QString &key);
const ProfilePage *findProfilePage(const QString &page);
const CommandRow &setRowOf(const ProfileKey &key);
// Whether the key's "Set" goes to the serial port whatever the link.
bool needsSerial(const ProfileKey &key);
// The "Read Parameters" or slot query whose answer fills the key's control.
const char *queryOf(const ProfileKey &key);
// "page.key"
QString fullName(const ProfileKey &key);
// Whether the setting tells one collector from another, so that a profile made on one
// collector must not give it to another unless it is given for that one.
bool identifiesCollector(const ProfileKey &key);
// The items a drop-down key may take; empty for a field.
QStringList allowedItems(const ProfileKey &key);
