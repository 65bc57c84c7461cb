#include "profile/ProfileForm.h"

#include "commands/Form.h"
#include "commands/Gbk.h"
#include "profile/ProfileCheck.h"
#include "profile/ProfileKeys.h"

QString shownValue(const Form &form, const ProfileKey &key)
{
    return fromGbk(form.text(QLatin1String(key.control)));
}

QJsonValue profileValue(const Form &form, const ProfileKey &key)
{
    const QStringList items = allowedItems(key);
    const int at = form.index(QLatin1String(key.control));
    if (at >= 0 && at < items.size() && items.count(items.at(at)) > 1)
        return at;
    return shownValue(form, key);
}

void applyProfile(Form &form, const QList<ProfileSetting> &settings)
{
    for (const ProfileSetting &setting : settings) {
        const QString control = QLatin1String(setting.key->control);
        const QStringList items = allowedItems(*setting.key);
        if (!items.isEmpty())
            form.setIndex(control,
                          setting.position >= 0 ? setting.position : int(items.indexOf(setting.value)));
        else
            form.setText(control, toGbk(setting.value));
    }
}

QJsonObject profileOf(const Form &form, const QList<const ProfileKey *> &keys)
{
    QJsonObject profile;
    for (const ProfileKey *key : keys) {
        const QString page = QLatin1String(key->page);
        QJsonObject settings = profile.value(page).toObject();
        settings.insert(QLatin1String(key->key), profileValue(form, *key));
        profile.insert(page, settings);
    }
    return profile;
}
