#include "profile/ProfileSave.h"

#include "commands/Form.h"
#include "profile/HeadlessForm.h"
#include "profile/ProfileCheck.h"
#include "profile/ProfileForm.h"
#include "profile/ProfileKeys.h"

#include <QJsonDocument>

namespace {

QList<QList<const ProfileKey *>> groupsByButton()
{
    QList<QList<const ProfileKey *>> groups;
    QList<const char *> buttons;
    for (const ProfileKey &key : profileKeys()) {
        const auto at = std::find_if(buttons.begin(), buttons.end(),
                                     [&key](const char *button) { return qstrcmp(button, key.button) == 0; });
        if (at == buttons.end()) {
            buttons << key.button;
            groups << QList<const ProfileKey *>{&key};
        } else {
            groups[at - buttons.begin()] << &key;
        }
    }
    return groups;
}

QString namesOf(const QList<const ProfileKey *> &keys)
{
    QStringList names;
    for (const ProfileKey *key : keys)
        names << fullName(*key);
    return names.join(QStringLiteral(", "));
}

bool hasValue(const Form &form, const ProfileKey &key, const QSet<const ProfileKey *> &givenEmpty)
{
    if (!allowedItems(key).isEmpty()) {
        const int at = form.index(QLatin1String(key.control));
        return at >= 0 && at < allowedItems(key).size();
    }
    return !shownValue(form, key).isEmpty() || givenEmpty.contains(&key);
}

// Why the group cannot be saved as the form holds it; empty when it can.
QString groupFault(const Form &form, const QList<const ProfileKey *> &group,
                   const QSet<const ProfileKey *> &givenEmpty)
{
    QStringList empty;
    for (const ProfileKey *key : group)
        if (!hasValue(form, *key, givenEmpty))
            empty << fullName(*key);
    if (!empty.isEmpty())
        return QStringLiteral("empty: %1").arg(empty.join(QStringLiteral(", ")));
    QJsonObject profile = profileOf(form, group);
    const CheckedProfile checked = checkProfile(QJsonDocument(profile).toJson(QJsonDocument::Compact));
    QStringList faults = checked.faults;
    if (faults.isEmpty()) {
        HeadlessForm scratch;
        planCommands(scratch, checked.settings, faults);
    }
    return faults.isEmpty() ? QString() : faults.first();
}

} // namespace

ProfileToSave profileToSave(const Form &form, const QSet<const ProfileKey *> &givenEmpty)
{
    ProfileToSave saved;
    QList<const ProfileKey *> keys;
    for (const QList<const ProfileKey *> &group : groupsByButton()) {
        if (const QString fault = groupFault(form, group, givenEmpty); !fault.isEmpty())
            saved.leftOut << (group.size() == 1 ? fault
                                                : QStringLiteral("%1 (%2)").arg(namesOf(group), fault));
        else
            keys << group;
    }
    saved.profile = profileOf(form, keys);
    for (const ProfilePage &page : profilePages())
        if (!saved.profile.contains(QLatin1String(page.page)))
            saved.profile.insert(QLatin1String(page.page), QJsonObject());
    return saved;
}
