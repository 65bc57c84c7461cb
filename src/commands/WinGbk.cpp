#include "commands/Gbk.h"

#include <windows.h>

// GBK through the system's code page 936. A byte sequence the code page does not define becomes
// U+FFFD, one per byte that cannot start a character; a lead byte cut off at the end of a text is
// dropped, so nothing carries over to the next text. A character with no GBK bytes becomes '?', never
// a look-alike ("best fit").

namespace {

constexpr UINT Gbk = 936;

// The character the bytes stand for, or nothing when the code page does not define them.
bool decodeExactly(const char *bytes, int count, QString &into)
{
    wchar_t wide[4];
    const int length =
        MultiByteToWideChar(Gbk, MB_ERR_INVALID_CHARS, bytes, count, wide, int(std::size(wide)));
    if (length <= 0)
        return false;
    into += QString::fromWCharArray(wide, length);
    return true;
}

bool isLeadByte(unsigned char byte)
{
    return byte >= 0x81 && byte <= 0xFE;
}

} // namespace

QString fromGbk(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return {};
    // The whole text at once when all of it is GBK, the usual case.
    const int wideLength =
        MultiByteToWideChar(Gbk, MB_ERR_INVALID_CHARS, bytes.constData(), int(bytes.size()), nullptr, 0);
    if (wideLength > 0) {
        std::wstring wide(size_t(wideLength), L'\0');
        MultiByteToWideChar(Gbk, MB_ERR_INVALID_CHARS, bytes.constData(), int(bytes.size()), wide.data(),
                            wideLength);
        return QString::fromStdWString(wide);
    }
    QString text;
    for (qsizetype at = 0; at < bytes.size();) {
        const auto byte = static_cast<unsigned char>(bytes[at]);
        if (isLeadByte(byte) && at + 1 == bytes.size())
            break;
        if (isLeadByte(byte) && decodeExactly(bytes.constData() + at, 2, text)) {
            at += 2;
            continue;
        }
        if (!decodeExactly(bytes.constData() + at, 1, text))
            text += QChar(QChar::ReplacementCharacter);
        ++at;
    }
    return text;
}

QByteArray toGbk(const QString &text)
{
    if (text.isEmpty())
        return {};
    const std::wstring wide = text.toStdWString();
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(Gbk, WC_NO_BEST_FIT_CHARS, wide.data(), int(wide.size()), nullptr,
                                           0, "?", &usedDefault);
    if (length <= 0)
        return {};
    QByteArray bytes(length, Qt::Uninitialized);
    WideCharToMultiByte(Gbk, WC_NO_BEST_FIT_CHARS, wide.data(), int(wide.size()), bytes.data(), length, "?",
                        &usedDefault);
    return bytes;
}

bool gbkAvailable()
{
    return IsValidCodePage(Gbk) != 0;
}
