#pragma once

#include <QString>

// A message of the protocol or link layers as the window shows it: in the user's language when it is
// one of the known messages, with its particulars (the text typed, the system's reason) kept as they
// are; otherwise, and in English, the message itself.
QString shownMessage(const QString &message);
