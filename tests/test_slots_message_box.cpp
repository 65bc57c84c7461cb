#include "MessageBoxes.h"
#include "app/ErrorBox.h"
#include "app/HandlerGuard.h"

#include <QTest>

// A handler's own validation message shows in a plain box; errors keep the error box.
class SlotsMessageBoxTest : public QObject
{
    Q_OBJECT
private slots:
    void boxes_data()
    {
        QTest::addColumn<bool>("plain");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("icon");
        const QString chinese = QString::fromUtf8("输入数据不能为单数");
        QTest::newRow("Chinese odd frame") << true << chinese << chinese << int(QMessageBox::NoIcon);
        QTest::newRow("English odd frame") << true << "Input data must not be singular"
                                           << "Input data must not be singular" << int(QMessageBox::NoIcon);
        QTest::newRow("conversion error") << false << ""
                                          << "'' is not a valid integer value." << int(QMessageBox::Critical);
    }
    void boxes()
    {
        QFETCH(bool, plain);
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QFETCH(int, icon);
        QWidget window;
        bool after = false;
        guarded(&window, [&] {
            if (plain)
                throw PlainMessage(message);
            throw ConversionError(message);
            after = true;
        });
        QVERIFY(!after);
        const QList<QMessageBox *> open = openBoxes();
        QCOMPARE(open.size(), 1);
        QCOMPARE(open.front()->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
        const QList<ShownBox> closed = closeBoxes();
        QCOMPARE(closed.front().text, shown);
        QCOMPARE(int(closed.front().icon), icon);
        QCOMPARE(closed.front().title, applicationTitle(QCoreApplication::applicationFilePath()));
    }
};

QTEST_MAIN(SlotsMessageBoxTest)
#include "test_slots_message_box.moc"
