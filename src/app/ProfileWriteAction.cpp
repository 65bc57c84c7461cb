// Write Profile: only what differs, read back into a form of its own, summed up by value.
#include "app/ProfileActions.h"
#include "commands/LinkMode.h"
#include "profile/HeadlessForm.h"
#include "profile/ProfileKeys.h"
#include "profile/ProfileWrite.h"

#include <QMessageBox>

void ProfileActions::write()
{
    if (running())
        return;
    const SettingsForLink sorted = settingsForLink(reference(), viaGateway());
    QStringList faults;
    HeadlessForm planForm;
    setLinkMode(planForm, viaGateway());
    WriteRequest request{sorted.settings, planCommands(planForm, sorted.settings, faults), false, {}};
    for (const ProfileSetting &setting : sorted.serialOnly)
        request.skipped << fullName(*setting.key);
    for (const ProfileSetting &setting : sorted.actions)
        request.skipped << fullName(*setting.key) + QStringLiteral(" (clears the stored history)");
    if (!faults.isEmpty()) {
        note(QMessageBox::Warning,
             QStringLiteral("Write Profile: nothing sent.\n\n%1").arg(faults.join(u'\n')));
        return;
    }
    std::optional<CollectorState> after;
    m_written = WriteResult{};
    try {
        runAction(QStringLiteral("Write Profile"), [&](CollectorLink &link, const ActionHooks &hooks) {
            m_written = writeProfile(link, request, hooks, &after);
        });
    } catch (const SessionError &error) {
        // The link would not open: nothing went out.
        for (const ProfileSetting &setting : request.settings)
            m_written.outcomes << std::pair{setting.key, Outcome::NotWritten};
        m_written.skipped = request.skipped;
        m_written.ending = Ending::LinkLost;
        m_written.why = error.message;
    }
    if (after)
        showPages(*after);
    note(m_written.succeeded() ? QMessageBox::Information : QMessageBox::Warning, summaryText(m_written));
}
