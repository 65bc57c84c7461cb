#include "app/BufferRows.h"

#include "ui/Controls.h"

void buildBufferRows(QWidget *window)
{
    label(window, QStringLiteral("Label353"), QStringLiteral("Send Buffer:"), {16, 482, 100, 16});
    field(window, QStringLiteral("discomm"), {}, {120, 480, 681, 21});
    label(window, QStringLiteral("Label354"), QStringLiteral("Receive Buffer:"), {16, 514, 100, 16});
    memo(window, QStringLiteral("Memo8"), {120, 512, 697, 57});
    button(window, QStringLiteral("Button58"), QStringLiteral("Clear Buffer"), {16, 538, 90, 25});
}
