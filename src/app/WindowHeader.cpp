#include "app/WindowHeader.h"

#include "ui/Controls.h"
#include "ui/JpegImage.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPixmap>

#include <algorithm>

namespace {

constexpr int Margin = 8;
constexpr int TitleLeft = 112;

int textWidth(const QLabel *l)
{
    return QFontMetrics(l->font()).horizontalAdvance(l->text()) + 4;
}

} // namespace

void buildWindowHeader(QWidget *window)
{
    QLabel *logo = label(window, QStringLiteral("Image2"), {}, {Margin, Margin, 97, 41});
    logo->setScaledContents(true);
    // Shown at 97 x 41: decoded no larger than it needs to be.
    logo->setPixmap(QPixmap::fromImage(jpegResource(QStringLiteral(":/app/images/logo.jpg"), logo->size())));

    // The maker's contact lines stand at the right edge, as wide as their longest line.
    const QStringList contacts{QStringLiteral("E-mail: support@tl380.example"),
                               QStringLiteral("Tel: +86 000 0000 0000"),
                               QStringLiteral("Web: www.tl380.example")};
    const char *contactNames[] = {"Label83", "Label84", "Label72"};
    QList<QLabel *> contactLabels;
    int contactWidth = 0;
    for (qsizetype i = 0; i < contacts.size(); ++i) {
        contactLabels << label(window, QLatin1String(contactNames[i]), contacts[i], {});
        contactWidth = std::max(contactWidth, textWidth(contactLabels.last()));
    }
    // Room is kept at the right for a window frame, which comes off the client area.
    const int contactLeft = window->width() - 2 * Margin - contactWidth;
    for (qsizetype i = 0; i < contactLabels.size(); ++i)
        contactLabels[i]->setGeometry(contactLeft, 6 + int(i) * 18, contactWidth, 16);

    // Bold 20 pt "Segoe UI"; where the nearest face the system has runs wider, a smaller size keeps
    // the whole title clear of the contact lines.
    QLabel *title =
        label(window, QStringLiteral("Label59"),
              QCoreApplication::translate("WindowHeader", "TL380 Collector Configuration Software"), {});
    QFont titleFont(QStringLiteral("Segoe UI"));
    titleFont.setStyleHint(QFont::SansSerif);
    titleFont.setBold(true);
    titleFont.setPointSize(20);
    title->setFont(titleFont);
    const int room = contactLeft - Margin - TitleLeft;
    // The width grows with the size: one measurement finds the size that fits, or nearly
    // (each size measured loads the face once more).
    if (const int wide = textWidth(title); wide > room) {
        titleFont.setPointSize(std::max(12, titleFont.pointSize() * room / wide));
        title->setFont(titleFont);
    }
    while (textWidth(title) > room && titleFont.pointSize() > 12) {
        titleFont.setPointSize(titleFont.pointSize() - 1);
        title->setFont(titleFont);
    }
    QPalette black = title->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    title->setPalette(black);
    const int titleWidth = std::min(textWidth(title), room);
    title->setGeometry(TitleLeft, 4, titleWidth, 38);

    QLabel *version = label(window, QStringLiteral("Label60"), QStringLiteral("V1.0 2020-08012"), {});
    const int versionWidth = textWidth(version);
    version->setGeometry(TitleLeft + titleWidth - versionWidth, 46, versionWidth, 16);
}
