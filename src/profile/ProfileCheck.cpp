#include "profile/ProfileCheck.h"

#include "commands/CommandTable.h"
#include "commands/Form.h"
#include "commands/Gbk.h"
#include "commands/HandlerError.h"
#include "commands/TypingRules.h"
#include "profile/NearestName.h"
#include "profile/ProfileForm.h"
#include "profile/ProfileKeys.h"
#include "profile/QuotedHead.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <algorithm>
#include <cmath>

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

// Names are compared for the nearest known one by their head alone: no key is longer.
constexpr qsizetype NearestHead = 64;

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

// What separates commands and their fields on the line: "#" ends a command and
// its head, "!" ends a text value, ";" ends a field of an answer. A value holding
// one would end its own command early and smuggle the rest in as another.
constexpr char16_t Separators[] = u"#!;";

// The fields whose value rule would send a value out of range as another value.
struct ValueRange
{
    const char *control;
    int most;
};
// clang-format off
constexpr ValueRange ranges[] = {
    {"Edit2", 90},  // the power output delay: above 90 goes out as 90
    {"IP1_1", 255}, // an address part above 255 goes out as 0
    {"IP1_2", 255},
    {"IP1_3", 255},
    {"IP1_4", 255},
};
// clang-format on

QString separatorFault(const ProfileKey &key, const QString &value)
{
    for (const QChar c : value) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return QStringLiteral("%1: the value holds a control character (U+%2); not allowed")
                .arg(fullName(key))
                .arg(c.unicode(), 4, 16, QLatin1Char('0'));
        if (QStringView(Separators).contains(c))
            return QStringLiteral("%1: \"%2\" has '%3', which separates the collector's commands; not "
                                  "allowed: # ! ;")
                .arg(fullName(key), shortHead(value), QString(c));
    }
    return {};
}

QString rangeFault(const ProfileKey &key, const QString &value)
{
    for (const ValueRange &range : ranges) {
        if (qstrcmp(range.control, key.control) != 0)
            continue;
        bool ok = false;
        const int number = value.toInt(&ok);
        if (ok && number > range.most)
            return QStringLiteral("%1: \"%2\" would go out as another value; allowed: 0 to %3")
                .arg(fullName(key), shortHead(value))
                .arg(range.most);
    }
    return {};
}

// Why the window would not take the value into the key's control; empty when it would.
QString valueFault(const ProfileKey &key, const QString &value)
{
    if (const QString fault = separatorFault(key, value); !fault.isEmpty())
        return fault;
    const QStringList items = allowedItems(key);
    if (!items.isEmpty()) {
        if (items.contains(value))
            return {};
        return QStringLiteral("%1: \"%2\" is not an item; allowed: %3")
            .arg(fullName(key), shortHead(value), quotedList(items));
    }
    if (fromGbk(toGbk(value)) != value)
        return QStringLiteral("%1: \"%2\" has characters GBK cannot write")
            .arg(fullName(key), shortHead(value));
    const TypingRule *rule = typingRuleOf(QLatin1String(key.control));
    if (!rule)
        return {};
    for (const QChar c : value)
        if (!typeable(rule->characters, c.unicode()))
            return QStringLiteral("%1: \"%2\" has '%3'; allowed: %4")
                .arg(fullName(key), shortHead(value), QString(c), describe(rule->characters));
    const qsizetype bytes = toGbk(value).size();
    if (rule->mostBytes >= 0 && bytes > rule->mostBytes)
        return QStringLiteral("%1: \"%2\" is %3 GBK bytes long; allowed: at most %4")
            .arg(fullName(key), shortHead(value))
            .arg(bytes)
            .arg(rule->mostBytes);
    return rangeFault(key, value);
}

// The text of a JSON string as written, escapes and all, as the reader takes it:
// "station\u005fnumber" is "station_number".
QString decodedString(const QByteArray &written)
{
    if (!written.contains('\\'))
        return QString::fromUtf8(written);
    const QJsonDocument one = QJsonDocument::fromJson('[' + ('"' + written + '"') + ']');
    return one.array().at(0).toString();
}

// Keys given twice in one object, compared as the JSON reader decodes them; the
// reader would silently keep the last. The text is valid JSON already.
QStringList duplicateKeys(const QByteArray &json)
{
    QStringList faults;
    QList<QSet<QString>> open; // the keys seen in each enclosing object; arrays hold none
    QList<bool> isObject;
    qsizetype line = 1; // a JSON string holds no line break of its own
    for (qsizetype i = 0; i < json.size(); ++i) {
        const char c = json[i];
        if (c == '\n') {
            ++line;
        } else if (c == '{' || c == '[') {
            open.append(QSet<QString>());
            isObject.append(c == '{');
        } else if ((c == '}' || c == ']') && !open.isEmpty()) {
            open.removeLast();
            isObject.removeLast();
        } else if (c == '"') {
            qsizetype end = i + 1;
            while (end < json.size() && json[end] != '"')
                end += json[end] == '\\' ? 2 : 1;
            qsizetype next = end + 1;
            while (next < json.size() && QChar(json[next]).isSpace())
                ++next;
            if (next < json.size() && json[next] == ':' && !open.isEmpty() && isObject.last()) {
                const QString key = decodedString(json.mid(i + 1, end - i - 1));
                if (open.last().contains(key))
                    faults << QStringLiteral("line %1: \"%2\" given twice in one object; give it once")
                                  .arg(line)
                                  .arg(shortHead(key));
                open.last().insert(key);
            }
            i = end;
        }
    }
    return faults;
}

void checkPage(const QString &page, const QJsonValue &content, CheckedProfile &checked)
{
    if (!findProfilePage(page)) {
        checked.faults << QStringLiteral("%1: unknown page; did you mean \"%2\"? pages: %3")
                              .arg(shortHead(page), nearestName(page.left(NearestHead), allPageNames()),
                                   allPageNames().join(u", "));
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
                                  .arg(shortHead(name), nearestName(name.left(NearestHead), allKeyNames()));
            continue;
        }
        const QStringList items = allowedItems(*key);
        if (it.value().isDouble() && !items.isEmpty()) {
            // An item by its position: for items whose text another item shows too.
            const double at = it.value().toDouble();
            if (at != std::floor(at) || at < 0 || at >= double(items.size()))
                checked.faults << QStringLiteral("%1: %2 is no item's position; allowed: 0 to %3")
                                      .arg(fullName(*key))
                                      .arg(at)
                                      .arg(items.size() - 1);
            else
                checked.settings << ProfileSetting{key, items.at(qsizetype(at)), int(at)};
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
    checked.faults << duplicateKeys(json);
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
                // The value rule converts the fields: name the first one typed in.
                const auto typed = std::find_if(given.begin(), given.end(), [](const ProfileKey *key) {
                    return allowedItems(*key).isEmpty();
                });
                faults << QStringLiteral("%1: %2").arg(
                    fullName(typed != given.end() ? **typed : *given.first()), error.message());
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

bool clearsHistory(const ProfileSetting &setting)
{
    const QStringList items = allowedItems(*setting.key);
    return QLatin1String(setting.key->control) == QLatin1String("ComboBox9") && setting.value == items.last();
}
