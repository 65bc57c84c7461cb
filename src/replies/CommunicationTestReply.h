#pragma once

#include <QByteArray>

class Form;

// The answer to the communication test: "TY:" then the model digit and the link digit.
bool isCommunicationTestReply(const QByteArray &piece);

// Selects the model from the fourth character and, when asked, the link mode from
// the fifth. A character that is no digit, or lies past the end, raises ConversionError
// with what was set before it staying set. Writing the selections runs no change handler.
void applyCommunicationTestReply(Form &form, const QByteArray &piece, bool setLinkMode);
