#include "app/BufferRows.h"

#include "ui/Controls.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QPushButton>
#include <algorithm>
#include <iterator>

namespace {

// The strip starts just below the receive buffer (512 + 57) and ends at the window's lower edge.
constexpr int StripTop = 571;
constexpr int RowHeight = 21;
constexpr int ButtonWidth = 96;
constexpr int Gap = 4;
// The right edge of the receive buffer.
constexpr int RightEdge = 120 + 697;

struct ProfileButton
{
    const char *name;
    const char *caption;
};
constexpr ProfileButton profileButtons[] = {
    {"ProfileOpen", QT_TRANSLATE_NOOP("BufferRows", "Open Profile…")},
    {"ProfileSave", QT_TRANSLATE_NOOP("BufferRows", "Save Profile…")},
    {"ProfileCompare", QT_TRANSLATE_NOOP("BufferRows", "Compare…")},
    {"ProfileWrite", QT_TRANSLATE_NOOP("BufferRows", "Write Profile…")},
};

} // namespace

void buildBufferRows(QWidget *window)
{
    label(window, QStringLiteral("Label353"), QCoreApplication::translate("BufferRows", "Send Buffer:"),
          {16, 482, 100, 16});
    field(window, QStringLiteral("discomm"), {}, {120, 480, 681, 21});
    label(window, QStringLiteral("Label354"), QCoreApplication::translate("BufferRows", "Receive Buffer:"),
          {16, 514, 100, 16});
    memo(window, QStringLiteral("Memo8"), {120, 512, 697, 57});
    button(window, QStringLiteral("Button58"), QCoreApplication::translate("BufferRows", "Clear Buffer"),
           {16, 538, 90, 25});
}

void buildProfileRow(QWidget *window)
{
    const int count = int(std::size(profileButtons));
    int left = RightEdge - count * ButtonWidth - (count - 1) * Gap;
    for (const ProfileButton &b : profileButtons) {
        button(window, QLatin1String(b.name), QCoreApplication::translate("BufferRows", b.caption),
               {left, StripTop, ButtonWidth, RowHeight});
        left += ButtonWidth + Gap;
    }
    window->findChild<QPushButton *>(QStringLiteral("ProfileOpen"))
        ->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
    window->findChild<QPushButton *>(QStringLiteral("ProfileSave"))
        ->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
}

void fitProfileRow(QWidget *window)
{
    const int height = std::clamp(window->height() - StripTop - 1, 12, RowHeight);
    for (const ProfileButton &b : profileButtons)
        if (auto *button = window->findChild<QPushButton *>(QLatin1String(b.name)))
            button->resize(button->width(), height);
}
