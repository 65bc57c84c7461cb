#include "ui/WiringDiagramPage.h"

#include "ui/Controls.h"
#include "ui/JpegImage.h"

#include <QLabel>
#include <QPixmap>

void buildWiringDiagramPage(QWidget *page)
{
    // The picture is 873 x 393, shown stretched into the page.
    QLabel *picture = label(page, QStringLiteral("Image1"), {}, {12, 8, 769, 345});
    picture->setScaledContents(true);
    picture->setPixmap(QPixmap::fromImage(jpegResource(QStringLiteral(":/ui/images/wiring.jpg"))));
}
