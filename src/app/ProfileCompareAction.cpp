// Compare: the collector read into a form of its own, held against the profile, shown as a table.
#include "app/ErrorBox.h"
#include "app/MessageTexts.h"
#include "app/ProfileActions.h"
#include "profile/CollectorRead.h"
#include "profile/ProfileKeys.h"
#include "profile/QueryPlan.h"
#include "ui/CompareDialog.h"

#include <QFileInfo>
#include <QMessageBox>

#include <algorithm>
#include <optional>

void ProfileActions::compare()
{
    if (running())
        return;
    const QList<ProfileSetting> profile = reference();
    std::optional<CollectorState> collector;
    try {
        runAction(tr("Compare"), [&](CollectorLink &link, const ActionHooks &hooks) {
            QList<const ProfilePage *> pages;
            for (const ProfilePage &page : profilePages())
                pages << &page;
            collector = readCollector(link, planPageQueries(pages, link.viaGateway()), hooks);
        });
    } catch (const SessionError &error) {
        showErrorBox(m_window,
                     tr("Compare: %1; the pages are as they were").arg(shownMessage(error.message)));
        return;
    } catch (const ActionStopped &) {
        note(QMessageBox::Information, tr("Compare stopped; the pages are as they were."));
        return;
    }

    const Comparison comparison = compareWithCollector(collector->form, profile, viaGateway());
    m_comparison = comparison.rows;
    QList<CompareRow> rows;
    for (const ComparedSetting &row : comparison.rows)
        rows << CompareRow{fullName(*row.key), row.collector, row.profile, row.differs};
    // The differing rows first, each group in the order of the pages.
    std::stable_partition(rows.begin(), rows.end(), [](const CompareRow &row) { return row.differs; });
    showPages(*collector);
    QString said = tr("%1 of %2 settings differ from %3. The pages now show what the collector holds.")
                       .arg(comparison.differing)
                       .arg(rows.size())
                       .arg(m_haveProfile ? QFileInfo(m_profilePath).fileName() : tr("the window's values"));
    if (!comparison.unread.isEmpty())
        said += tr("\nRead over the serial link only, not compared: %1")
                    .arg(comparison.unread.join(QStringLiteral(", ")));
    showCompareDialog(m_window, rows, said);
}
