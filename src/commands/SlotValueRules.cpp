#include "commands/SlotValueRules.h"

#include "commands/Form.h"
#include "commands/HandlerError.h"
#include "commands/ValueRules.h"

#include <QList>

namespace {

ValueRule fieldText(const QString &control)
{
    return [control](const Form &form) { return form.text(control); };
}

ValueRule joinedByComma(QList<ValueRule> parts)
{
    return [parts = std::move(parts)](const Form &form) {
        QByteArrayList values;
        for (const ValueRule &part : parts)
            values += part(form);
        return values.join(',');
    };
}

} // namespace

ValueRule commaList(std::initializer_list<QString> controls)
{
    QList<ValueRule> parts;
    for (const QString &control : controls)
        parts += fieldText(control);
    return joinedByComma(std::move(parts));
}

ValueRule indexList(std::initializer_list<QString> controls)
{
    QList<ValueRule> parts;
    for (const QString &control : controls)
        parts += plainIndex(control);
    return joinedByComma(std::move(parts));
}

ValueRule fixedValue(const QByteArray &value)
{
    return [value](const Form &) { return value; };
}

QByteArray frameLength(qsizetype length)
{
    return QByteArray::number(length / 10) + QByteArray::number(length % 10);
}

ValueRule slotFrame(ValueRule enable, const QString &frameControl, const QString &oddMessage)
{
    return [enable = std::move(enable), frameControl, oddMessage](const Form &form) {
        // The collector takes the frame as hexadecimal pairs; the length is of the text as typed.
        const QByteArray frame = form.text(frameControl);
        if (frame.size() % 2 != 0)
            throw PlainMessage(oddMessage);
        return enable(form) + ',' + frameLength(frame.size()) + frame;
    };
}

ValueRule channelDefinition(const QString &row)
{
    return joinedByComma({plainIndex(row + QStringLiteral("USE")), fieldText(row + QStringLiteral("MADR")),
                          fieldText(row + QStringLiteral("DADR")), twoDigitIndex(row + QStringLiteral("XIN")),
                          fieldText(row + QStringLiteral("XS"))});
}
