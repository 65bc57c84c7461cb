#pragma once

#include "profile/HeadlessForm.h"
#include "profile/QueryPlan.h"

#include <QByteArray>
#include <QList>

class CollectorLink;
struct ActionHooks;

// One answer as it came, for the window's own parser afterwards.
struct QueryAnswer
{
    qint32 code;
    QByteArray bytes;
};

// What a collector holds: every answer of one read parsed into a form of its own.
struct CollectorState
{
    HeadlessForm form;
    QList<QueryAnswer> answers;
};

// Sends the queries one by one and reads every answer into a fresh form. Each
// answer must give every setting its query carries: SessionError (Answer) naming
// those it lacks; SessionError (Link) from the link; ActionStopped when the hooks
// ask to stop before a query.
CollectorState readCollector(CollectorLink &link, const QList<PlannedQuery> &plan, const ActionHooks &hooks);
