#include "replies/ApnRule.h"

#include "commands/Form.h"

void applyApnRule(Form &form)
{
    const bool apn = form.index(QStringLiteral("NETCS")) == 4;
    form.setEnabled(QStringLiteral("APNname"), apn);
    form.setEnabled(QStringLiteral("DNSuser"), apn);
    form.setEnabled(QStringLiteral("DNSpass"), apn);
}
