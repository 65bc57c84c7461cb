#include "profile/ProfileCheck.h"

#include "commands/CommandTable.h"
#include "commands/Form.h"
#include "commands/Gbk.h"
#include "commands/HandlerError.h"
#include "commands/TypingRules.h"
#include "profile/NearestName.h"
#include "profile/ProfileForm.h"
#include "profile/ProfileKeys.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

QString quotedList(const QStringList &items)
{
    QStringList quoted;
    for (const QString &item : items)
        quoted << u'"' + item + u'"';
    return quoted.join(QStringLiteral(", "));
}

QString jsonFault(const QByteArray &json, const QJsonParseError &error)
{
    const QByteArray before = json.left(error.offset);
    const qsizetype line = before.count('\n') + 1;
    const qsizetype column = before.size() - before.lastIndexOf('\n');
    return QStringLiteral("line %1, column %2: invalid JSON: %3")
        .arg(line)
        .arg(column)
        .arg(error.errorString());
}

QStringList allKeyNames()
{
    QStringList names;
    for (const ProfileKey &key : profileKeys())
        names << fullName(key);
    return names;
}

QStringList allPageNames()
{
    QStringList names;
    for (const ProfilePage &page : profilePages())
        names << QLatin1String(page.page);
    return names;
}

// Why the window would not take the value into the key's control; empty when it would.
QString valueFault(const ProfileKey &key, const QString &value)
{
    const QStringList items = allowedItems(key);
    if (!items.isEmpty()) {
        if (items.contains(value))
            return {};
        return QStringLiteral("%1: \"%2\" is not an item; allowed: %3")
            .arg(fullName(key), value, quotedList(items));
    }
    if (fromGbk(toGbk(value)) != value)
        return QStringLiteral("%1: \"%2\" has characters GBK cannot write").arg(fullName(key), value);
    const TypingRule *rule = typingRuleOf(QLatin1String(key.control));
    if (!rule)
        return {};
    for (const QChar c : value)
        if (!typeable(rule->characters, c.unicode()))
            return QStringLiteral("%1: \"%2\" has '%3'; allowed: %4")
                .arg(fullName(key), value, QString(c), describe(rule->characters));
    const qsizetype bytes = toGbk(value).size();
    if (rule->mostBytes >= 0 && bytes > rule->mostBytes)
        return QStringLiteral("%1: \"%2\" is %3 GBK bytes long; allowed: at most %4")
            .arg(fullName(key), value)
            .arg(bytes)
            .arg(rule->mostBytes);
    return {};
}

void checkPage(const QString &page, const QJsonValue &content, CheckedProfile &checked)
{
    if (!findProfilePage(page)) {
        checked.faults << QStringLiteral("%1: unknown page; did you mean \"%2\"? pages: %3")
                              .arg(page, nearestName(page, allPageNames()), allPageNames().join(u", "));
        return;
    }
    if (!content.isObject()) {
        checked.faults << QStringLiteral("%1: a page is an object of \"key\": \"value\" pairs").arg(page);
        return;
    }
    const QJsonObject settings = content.toObject();
    for (auto it = settings.begin(); it != settings.end(); ++it) {
        const ProfileKey *key = findProfileKey(page, it.key());
        if (!key) {
            const QString name = page + u'.' + it.key();
            checked.faults << QStringLiteral("%1: unknown key; did you mean \"%2\"?")
                                  .arg(name, nearestName(name, allKeyNames()));
            continue;
        }
        if (!it.value().isString()) {
            checked.faults
                << QStringLiteral("%1: the value is a string, as the window shows it").arg(fullName(*key));
            continue;
        }
        const QString value = it.value().toString();
        if (const QString fault = valueFault(*key, value); !fault.isEmpty())
            checked.faults << fault;
        else
            checked.settings << ProfileSetting{key, value};
    }
}

} // namespace

CheckedProfile checkProfile(const QByteArray &json)
{
    CheckedProfile checked;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        checked.faults << jsonFault(json, error);
        return checked;
    }
    if (!document.isObject()) {
        checked.faults << QStringLiteral("line 1, column 1: a profile is an object of pages");
        return checked;
    }
    const QJsonObject pages = document.object();
    for (auto it = pages.begin(); it != pages.end(); ++it)
        checkPage(it.key(), it.value(), checked);
    return checked;
}

QList<PlannedCommand> planCommands(Form &form, const QList<ProfileSetting> &settings, QStringList &faults)
{
    applyProfile(form, settings);
    QList<PlannedCommand> planned;
    for (const auto family : commandFamilies()) {
        for (const CommandRow &row : family) {
            QList<const ProfileKey *> given;
            QStringList missing;
            for (const ProfileKey &key : profileKeys()) {
                if (qstrcmp(key.button, row.button) != 0)
                    continue;
                const bool present = std::any_of(settings.begin(), settings.end(),
                                                 [&](const ProfileSetting &s) { return s.key == &key; });
                if (present)
                    given << &key;
                else
                    missing << fullName(key);
            }
            if (given.isEmpty())
                continue;
            if (!missing.isEmpty()) {
                faults << QStringLiteral("%1: sent together with %2; give them too")
                              .arg(fullName(*given.first()), missing.join(u", "));
                continue;
            }
            try {
                planned << PlannedCommand{&row, buildCommand(row, form), given};
            } catch (const HandlerError &error) {
                faults << QStringLiteral("%1: %2").arg(fullName(*given.first()), error.message());
            }
        }
    }
    return planned;
}

QStringList serialOnlyNames(const QList<ProfileSetting> &settings)
{
    QStringList names;
    for (const ProfileSetting &setting : settings)
        if (needsSerial(*setting.key))
            names << fullName(*setting.key);
    return names;
}
