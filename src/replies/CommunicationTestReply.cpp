#include "replies/CommunicationTestReply.h"

#include "commands/Form.h"
#include "commands/IntegerConversion.h"

bool isCommunicationTestReply(const QByteArray &piece)
{
    return piece.startsWith("TY:");
}

void applyCommunicationTestReply(Form &form, const QByteArray &piece, bool setLinkMode)
{
    form.setIndex(QStringLiteral("MKXINGHAO"), toInteger(piece.mid(3, 1)));
    if (setLinkMode)
        form.setIndex(QStringLiteral("ComboBox2"), toInteger(piece.mid(4, 1)));
}
