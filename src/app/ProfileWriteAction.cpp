// Write Profile: only what differs, read back into a form of its own, summed up by value.
#include "app/MessageTexts.h"
#include "app/ProfileActions.h"
#include "commands/LinkMode.h"
#include "profile/HeadlessForm.h"
#include "profile/ProfileKeys.h"
#include "profile/ProfileWrite.h"

#include <QMessageBox>
#include <QPushButton>

// Asked once, the collector's kept unless the user says otherwise.
bool ProfileActions::writeProfilesIdentity(const QList<IdentityDifference> &differ)
{
    QStringList lines;
    for (const IdentityDifference &identity : differ)
        lines << tr("%1: the collector has \"%2\", the profile \"%3\"")
                     .arg(fullName(*identity.key), identity.collector, identity.profile);
    QMessageBox box(QMessageBox::Question, tr("Write Profile"),
                    tr("These settings identify the collector:\n%1\n\nKeep the collector's, or write "
                       "the profile's (a replacement unit taking over this one's place)?")
                        .arg(lines.join(u'\n')),
                    QMessageBox::NoButton, m_window);
    box.setObjectName(QStringLiteral("IdentityQuestion"));
    box.setTextFormat(Qt::PlainText);
    QPushButton *keep = box.addButton(tr("Keep the collector's"), QMessageBox::RejectRole);
    keep->setObjectName(QStringLiteral("KeepIdentity"));
    QPushButton *write = box.addButton(tr("Write the profile's"), QMessageBox::AcceptRole);
    write->setObjectName(QStringLiteral("WriteIdentity"));
    box.setDefaultButton(keep);
    box.setEscapeButton(keep);
    box.exec();
    return box.clickedButton() == write;
}

void ProfileActions::write()
{
    if (running())
        return;
    const SettingsForLink sorted = settingsForLink(reference(), viaGateway());
    QStringList faults;
    HeadlessForm planForm;
    setLinkMode(planForm, viaGateway());
    WriteRequest request;
    request.settings = sorted.settings;
    request.commands = planCommands(planForm, sorted.settings, faults);
    for (const ProfileSetting &setting : sorted.serialOnly)
        request.skipped << fullName(*setting.key);
    for (const ProfileSetting &setting : sorted.actions)
        request.skipped << fullName(*setting.key) + tr(" (clears the stored history)");
    if (!faults.isEmpty()) {
        note(QMessageBox::Warning, tr("Write Profile: nothing sent.\n\n%1").arg(faults.join(u'\n')));
        return;
    }
    request.writeIdentity = [this](const QList<IdentityDifference> &differ) {
        return writeProfilesIdentity(differ);
    };
    std::optional<CollectorState> after;
    m_written = WriteResult{};
    try {
        runAction(tr("Write Profile"), [&](CollectorLink &link, const ActionHooks &hooks) {
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
    WriteResult shown = m_written;
    shown.why = shownMessage(m_written.why);
    note(m_written.succeeded() ? QMessageBox::Information : QMessageBox::Warning, summaryText(shown));
}
