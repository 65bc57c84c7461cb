#include "commands/Gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

// One codec of each direction per thread; no state is carried from one text to the next.
QStringDecoder &decoder()
{
    thread_local QStringDecoder gbk("GBK", QStringConverter::Flag::Stateless);
    return gbk;
}

QStringEncoder &encoder()
{
    thread_local QStringEncoder gbk("GBK", QStringConverter::Flag::Stateless);
    return gbk;
}

} // namespace

QString fromGbk(const QByteArray &bytes)
{
    if (!decoder().isValid())
        return {};
    return decoder().decode(bytes);
}

QByteArray toGbk(const QString &text)
{
    if (!encoder().isValid())
        return {};
    return encoder().encode(text);
}

bool gbkAvailable()
{
    return decoder().isValid() && encoder().isValid();
}
