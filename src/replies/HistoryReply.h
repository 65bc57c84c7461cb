#pragma once

#include "replies/ReplyBranch.h"

// Every text received after the history query: appended to `Memo7` as it came,
// followed by CR LF.
void historyReply(const WorkingText &text, Form &form);
