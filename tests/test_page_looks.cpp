#include "PageWindow.h"
#include "app/Language.h"

#include <QDir>
#include <QPushButton>
#include <QTabWidget>

namespace {

// The width a label or button needs to show its whole caption; 0 for other controls.
int captionWidth(const QWidget *c)
{
    if (auto *l = qobject_cast<const QLabel *>(c))
        return l->pixmap().isNull() ? l->sizeHint().width() : 0;
    if (auto *b = qobject_cast<const QPushButton *>(c))
        return b->fontMetrics().horizontalAdvance(b->text()) + 8;
    if (auto *b = qobject_cast<const QAbstractButton *>(c))
        return b->sizeHint().width();
    return 0;
}

} // namespace

class PageLooksTest : public QObject
{
    Q_OBJECT

private slots:
    // TL380_LANG=zh_CN: the same looks with the window's texts in that language.
    void initTestCase()
    {
        if (const auto language = languageNamed(qEnvironmentVariable("TL380_LANG")))
            useLanguage(*language);
    }

    // Every control of every page lies inside its parent, shows its whole
    // caption and covers no sibling.
    void nothingClippedOrOverlapping()
    {
        PageWindow w;
        auto *tabs = w.get<QTabWidget>(QStringLiteral("PageControl1"));
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            QWidget *sheet = tabs->widget(page);
            const auto controls = sheet->findChildren<QWidget *>();
            for (QWidget *c : controls) {
                if (!c->isVisible() || !c->parentWidget() || c->objectName().isEmpty() ||
                    c->objectName().startsWith(QLatin1String("qt_")))
                    continue;
                const QString where = sheet->objectName() + QLatin1Char('/') + c->objectName();
                QVERIFY2(
                    c->parentWidget()->rect().contains(c->geometry()),
                    qPrintable(where + " sticks out of " + QString::number(c->parentWidget()->height())));
                const int needed = captionWidth(c);
                QVERIFY2(
                    c->width() >= needed,
                    qPrintable(where + QStringLiteral(" caption cut: %1 < %2").arg(c->width()).arg(needed)));
                for (QWidget *other : controls)
                    if (other != c && other->parentWidget() == c->parentWidget() && other->isVisible() &&
                        !other->objectName().isEmpty() &&
                        !other->objectName().startsWith(QLatin1String("qt_")))
                        QVERIFY2(!c->geometry().intersects(other->geometry()),
                                 qPrintable(where + " covers " + other->objectName()));
            }
        }
    }

    // With TL380_PAGE_SHOTS set to a folder, saves a picture of each page there.
    void pagePictures()
    {
        const QString folder = qEnvironmentVariable("TL380_PAGE_SHOTS");
        if (folder.isEmpty())
            QSKIP("TL380_PAGE_SHOTS not set");
        PageWindow w;
        w.pick(QStringLiteral("ComboBox2"), 0); // serial mode, as a user starts: the GPRS page takes input
        auto *tabs = w.get<QTabWidget>(QStringLiteral("PageControl1"));
        QDir().mkpath(folder);
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            QVERIFY(
                w.form.grab().save(folder + QLatin1Char('/') + tabs->widget(page)->objectName() + ".png"));
        }
    }
};

QTEST_MAIN(PageLooksTest)
#include "test_page_looks.moc"
