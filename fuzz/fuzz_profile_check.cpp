// The profile reader and checker over any bytes, then the plan of the commands for
// what it accepts, as a profile file is untrusted input. What it accepts must read
// the same when written out again and go into a form unchanged; every planned command
// is one command; no fault repeats a long stretch of the input.
#include "ExactBuffer.h"
#include "commands/Form.h"
#include "profile/HeadlessForm.h"
#include "profile/ProfileCheck.h"
#include "profile/ProfileForm.h"
#include "profile/ProfileKeys.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

// Longer than any fault quoting a value's head and listing a drop-down's items.
constexpr qsizetype MostFaultLength = 2048;

void checkFaults(const QStringList &faults)
{
    for (const QString &fault : faults)
        if (fault.isEmpty() || fault.size() > MostFaultLength)
            __builtin_trap();
}

// The accepted settings written out as a profile are accepted again, value for value.
void checkRoundTrip(const QList<ProfileSetting> &settings)
{
    QJsonObject pages;
    for (const ProfileSetting &setting : settings) {
        QJsonObject page = pages.value(QLatin1String(setting.key->page)).toObject();
        page.insert(QLatin1String(setting.key->key), setting.value);
        pages.insert(QLatin1String(setting.key->page), page);
    }
    const CheckedProfile again = checkProfile(QJsonDocument(pages).toJson());
    if (!again.faults.isEmpty() || again.settings.size() != settings.size())
        __builtin_trap();
}

void checkPlan(const QList<ProfileSetting> &settings, int linkMode)
{
    HeadlessForm form;
    form.setIndex(QStringLiteral("ComboBox2"), linkMode);
    QStringList faults;
    const QList<PlannedCommand> planned = planCommands(form, settings, faults);
    checkFaults(faults);
    for (const ProfileSetting &setting : settings)
        if (shownValue(form, *setting.key) != setting.value)
            __builtin_trap();
    for (const PlannedCommand &command : planned) {
        if (command.keys.isEmpty() || !command.command.text.endsWith('#'))
            __builtin_trap();
        for (const char c : command.command.text)
            if (uchar(c) < 0x20 || c == 0x7f)
                __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ExactBuffers buffers;
    const QByteArray json = buffers.hold(reinterpret_cast<const char *>(data), size);
    const CheckedProfile checked = checkProfile(json);
    checkFaults(checked.faults);
    for (const ProfileSetting &setting : checked.settings)
        if (!setting.key)
            __builtin_trap();
    checkRoundTrip(checked.settings);
    // Serial or gateway, by the last byte: the gateway prefix goes in front of most commands.
    checkPlan(checked.settings, size > 0 && data[size - 1] % 2 ? 1 : 0);
    return 0;
}
