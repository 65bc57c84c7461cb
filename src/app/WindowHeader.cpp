#include "app/WindowHeader.h"

#include "ui/Controls.h"
#include "ui/JpegImage.h"

#include <QLabel>
#include <QPixmap>

void buildWindowHeader(QWidget *window)
{
    QLabel *logo = label(window, QStringLiteral("Image2"), {}, {8, 8, 97, 41});
    logo->setScaledContents(true);
    // Shown at 97 x 41: decoded no larger than it needs to be.
    logo->setPixmap(QPixmap::fromImage(jpegResource(QStringLiteral(":/app/images/logo.jpg"), logo->size())));

    QLabel *title = label(window, QStringLiteral("Label59"),
                          QStringLiteral("TL380 Collector Configuration Software"), {184, 8, 520, 34});
    QFont titleFont(QStringLiteral("Segoe UI"));
    titleFont.setPointSize(20);
    titleFont.setBold(true);
    titleFont.setStyleHint(QFont::SansSerif);
    title->setFont(titleFont);
    title->setStyleSheet(QStringLiteral("color: black"));

    label(window, QStringLiteral("Label60"), QStringLiteral("V1.0 2020-08012"), {580, 46, 120, 16});
    label(window, QStringLiteral("Label83"), QStringLiteral("E-mail: support@tl380.example"),
          {706, 6, 124, 16});
    label(window, QStringLiteral("Label84"), QStringLiteral("Tel: +86 000 0000 0000"), {706, 24, 124, 16});
    label(window, QStringLiteral("Label72"), QStringLiteral("Web: www.tl380.example"), {706, 42, 124, 16});
}
