#include "commands/ValueRules.h"

#include "commands/Form.h"
#include "commands/IntegerConversion.h"

#include <QList>

QByteArray zeroFilledNumber(qint32 value, int width)
{
    const qint64 wide = value;
    const QByteArray digits = QByteArray::number(wide < 0 ? -wide : wide).rightJustified(width, '0');
    return wide < 0 ? '-' + digits : digits;
}

QByteArray twoDigitNumber(qint32 value)
{
    return value < 10 ? '0' + QByteArray::number(value) : QByteArray::number(value);
}

ValueRule zeroFilled(const QString &control, int width)
{
    return
        [control, width](const Form &form) { return zeroFilledNumber(toInteger(form.text(control)), width); };
}

ValueRule plainIndex(const QString &control)
{
    return [control](const Form &form) { return QByteArray::number(form.index(control)); };
}

ValueRule twoDigitIndex(const QString &control)
{
    return [control](const Form &form) { return twoDigitNumber(form.index(control)); };
}

ValueRule displayedTexts(std::initializer_list<QString> controls, const QByteArray &tail)
{
    return [names = QList<QString>(controls), tail](const Form &form) {
        QByteArray value;
        for (const QString &name : names)
            value += form.text(name);
        return value + tail;
    };
}

ValueRule clampedDelay(const QString &control)
{
    return [control](const Form &form) { return twoDigitNumber(qMin(toInteger(form.text(control)), 90)); };
}

ValueRule terminatedText(const QString &control)
{
    return [control](const Form &form) { return form.text(control) + '!'; };
}

ValueRule dottedAddress(const std::array<QString, 4> &controls)
{
    return [controls](const Form &form) {
        QByteArrayList groups;
        for (const QString &name : controls) {
            const qint32 value = toInteger(form.text(name));
            groups += zeroFilledNumber(value > 255 ? 0 : value, 3);
        }
        return groups.join('.');
    };
}
