#include "replies/HistoryReply.h"

#include "commands/Form.h"

void historyReply(const WorkingText &text, Form &form)
{
    form.appendText(QStringLiteral("Memo7"), text.bytes() + "\r\n");
}
