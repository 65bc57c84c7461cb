// The integer conversion: both forms agree, and every value it gives converts
// back from its own decimal text.
#include "ExactBuffer.h"
#include "commands/HandlerError.h"
#include "commands/IntegerConversion.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ExactBuffers buffers;
    const QByteArray text = buffers.hold(reinterpret_cast<const char *>(data), size);
    const std::optional<qint32> value = parseInteger(text);

    bool raised = false;
    qint32 converted = 0;
    try {
        converted = toInteger(text);
    } catch (const ConversionError &) {
        raised = true;
    }
    if (raised == value.has_value() || (value && converted != *value))
        __builtin_trap();
    if (value) {
        const std::optional<qint32> again = parseInteger(QByteArray::number(*value));
        if (!again || *again != *value)
            __builtin_trap();
    }
    return 0;
}
