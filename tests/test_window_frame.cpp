#include "MessageBoxes.h"
#include "PageWindow.h"
#include "PtyPair.h"
#include "app/ErrorBox.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include <sys/resource.h>

class WindowFrameTest : public QObject
{
    Q_OBJECT

    struct Window : PageWindow
    {
        Window() { QTest::qWait(250); }
        QString text(const char *name) { return shown(name); }
        // Link mode serial, the slave path as port, Open.
        void openSerial(const PtyPair &pty)
        {
            pick("ComboBox2", 0);
            get<QComboBox>("SPREALCOM")->setEditText(pty.slavePath());
            click("Button10");
        }
    };

private slots:
    void startState()
    {
        Window w;
        QCOMPARE(w.form.objectName(), QStringLiteral("mainform1"));
        QCOMPARE(w.form.windowTitle(), QStringLiteral("TL380H-AB"));
        QCOMPARE(w.form.frameGeometry().size(), QSize(841, 624));
        auto *pages = w.get<QTabWidget>("PageControl1");
        const QStringList expected{"TabSheet2=System Parameter",
                                   "TabSheet1=GPRS Parameters",
                                   "TabSheet4=AD/DI Channel Configuration",
                                   "TabSheet11=Comm Settings 1",
                                   "TabSheet5=Comm Settings 2",
                                   "TabSheet3=Data Query",
                                   "TabSheet19=Wiring Diagram"};
        QStringList found;
        for (int i = 0; i < pages->count(); ++i) {
            found << pages->widget(i)->objectName() + u'=' + pages->tabText(i);
            QCOMPARE(pages->tabBar()->tabTextColor(i), QColor(Qt::blue));
        }
        QCOMPARE(found, expected);
        QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("TabSheet2"));
        QVERIFY(!w.get("TabSheet1")->isEnabled());
        QVERIFY(!w.get("Button10")->isEnabled());
        QVERIFY(!w.get("Button14")->isEnabled());
        QVERIFY(w.get("Button19")->isEnabled());
        QVERIFY(w.get("SPREALCOM")->isEnabled());
        QVERIFY(w.get("Button15")->isHidden());
        QCOMPARE(w.get<QComboBox>("ComboBox2")->currentIndex(), 0);
        QCOMPARE(w.get<QComboBox>("ComboBox2")->currentText(), QStringLiteral("COM Serial Communication"));
        QCOMPARE(w.get<QComboBox>("SPREALCOM")->itemText(18), QStringLiteral("COM19"));
        QCOMPARE(w.get<QComboBox>("MKXINGHAO")->currentText(), QStringLiteral("0 NET"));
        QCOMPARE(w.get<QPushButton>("Button10")->text(), QStringLiteral("Open"));
        QVERIFY(w.get<QLineEdit>("discomm")->text().isEmpty());
        QVERIFY(w.text("Memo8").isEmpty());
        QVERIFY(!w.get<QLabel>("Image2")->pixmap().isNull());
        QCOMPARE(w.exchange.ExpectedReplyCode, 0);
        QVERIFY(!w.form.findChild<QTimer *>(QStringLiteral("Timer6"))->isActive());
        QVERIFY(w.form.findChild<QObject *>(QStringLiteral("Comm1")));
    }

    // The program shows its first frame before the other pages exist; what the user types meanwhile
    // waits for the whole window, its input filters included, and the parse timer does not run before.
    void inputDuringStartUpWaitsForTheWholeWindow()
    {
        ExchangeState exchange;
        Tmainform1 window(exchange, Tmainform1::StartUp::FirstFrameFirst);
        window.show();
        QVERIFY(!window.isWhole());
        QVERIFY(!window.findChild<QTimer *>(QStringLiteral("Timer6"))->isActive());
        auto *edit = window.findChild<QLineEdit *>(QStringLiteral("Edit2"));
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("1a2"));
        QCOMPARE(edit->text(), QString());
        QTRY_VERIFY(window.isWhole());
        QVERIFY(window.findChild<QPlainTextEdit *>(QStringLiteral("Memo7")));
        QTRY_COMPARE(edit->text(), QStringLiteral("12"));
        QVERIFY(!window.findChild<QWidget *>(QStringLiteral("Button10"))->isEnabled());
    }

    // Keys through the window before its first frame: each goes where the focus is at its turn.
    void keysBeforeTheFirstFrameFollowTheFocus()
    {
        ExchangeState exchange;
        Tmainform1 window(exchange, Tmainform1::StartUp::FirstFrameFirst);
        window.show();
        auto *address = window.findChild<QLineEdit *>(QStringLiteral("Edit6"));
        address->setFocus();
        // As the window system hands them over, with no event processed in between.
        for (const auto &[key, text] : {std::pair{Qt::Key_A, "A"}, {Qt::Key_Tab, "\t"}, {Qt::Key_B, "B"}})
            for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
                qt_handleKeyEvent(window.windowHandle(), type, key, Qt::NoModifier, QLatin1String(text));
        QVERIFY(!window.isWhole());
        QTRY_VERIFY(window.isWhole());
        QCOMPARE(address->text(), QStringLiteral("192.168.0.88A"));
        QCOMPARE(window.findChild<QLineEdit *>(QStringLiteral("Edit34"))->text(), QStringLiteral("B"));
    }

    void headerShowsEveryTextWhole()
    {
        Window w;
        const QStringList names{"Image2", "Label59", "Label60", "Label83", "Label84", "Label72"};
        for (const QString &name : names) {
            auto *l = w.get<QLabel>(name);
            QVERIFY2(w.form.rect().contains(l->geometry()), qPrintable(name));
            QVERIFY2(l->width() >= QFontMetrics(l->font()).horizontalAdvance(l->text()), qPrintable(name));
            for (const QString &other : names)
                if (other != name)
                    QVERIFY2(!l->geometry().intersects(w.get<QLabel>(other)->geometry()),
                             qPrintable(name + " covers " + other));
        }
        QVERIFY(w.get<QLabel>("Label59")->font().bold());
        QVERIFY(w.get<QLabel>("Label59")->geometry().bottom() < w.get("PageControl1")->y());
    }

    void dropDownsForgetTheSelectionWhenTyped()
    {
        Window w;
        auto *box = w.get<QComboBox>("MKXINGHAO");
        box->lineEdit()->end(false);
        QTest::keyClicks(box->lineEdit(), "x");
        QCOMPARE(box->currentIndex(), -1);
        QCOMPARE(box->currentText(), QStringLiteral("0 NETx"));
        QCOMPARE(box->count(), 3);
    }

    void pickingSerialModeEnablesOpen()
    {
        Window w;
        w.pick("ComboBox2", 0);
        QVERIFY(w.get("Button10")->isEnabled());
        QVERIFY(w.get("TabSheet1")->isEnabled());
    }

    void errorBoxTitleAndFullStop_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << "Error opening serial port"
                                << "Error opening serial port.";
        QTest::newRow("quote") << "'' is not a valid integer value"
                               << "'' is not a valid integer value.";
        QTest::newRow("ends with quote") << "on API 'send'"
                                         << "on API 'send'";
        QTest::newRow("trailing blank") << "File handle is not a comm handle "
                                        << "File handle is not a comm handle ";
        QTest::newRow("full stop") << "Done."
                                   << "Done.";
        QTest::newRow("digit") << "error 10061"
                               << "error 10061.";
        QTest::newRow("empty") << ""
                               << "";
    }
    void errorBoxTitleAndFullStop()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(errorBoxText(message), shown);
    }

    void titleComesFromTheProgramName()
    {
        // The first character stays as it is; the rest is lowered.
        QCOMPARE(applicationTitle("/usr/bin/tl380cfg"), QStringLiteral("tl380cfg"));
        QCOMPARE(applicationTitle("C:/Tools/TL380CFG.EXE"), QStringLiteral("Tl380cfg"));
        QCOMPARE(applicationTitle("/opt/My.Tool.bin"), QStringLiteral("My"));
    }

    void serialExchangeThroughTheWindow()
    {
        PtyPair pty;
        Window w;
        w.openSerial(pty);
        QCOMPARE(w.get<QPushButton>("Button10")->text(), QStringLiteral("Close"));
        QVERIFY(w.get("Button14")->isEnabled());
        QVERIFY(openBoxes().isEmpty());

        w.click("Button14");
        QCOMPARE(pty.read(), QByteArray("PPPPPP#VAR#"));
        QCOMPARE(w.get<QLineEdit>("discomm")->text(), QStringLiteral("PPPPPP#VAR#"));
        w.click("Button19");
        QCOMPARE(pty.read(), QByteArray("CFGSET#RESET#"));
        QCOMPARE(w.exchange.ExpectedReplyCode, 1001);

        pty.write("OK");
        QTRY_COMPARE(w.text("Memo8"), QStringLiteral("OK"));
        QVERIFY(w.exchange.ReplyText.isEmpty());
        w.click("Button58");
        QVERIFY(w.text("Memo8").isEmpty());
        QCOMPARE(w.get<QLineEdit>("discomm")->text(), QStringLiteral("CFGSET#RESET#"));
        QCOMPARE(w.exchange.ExpectedReplyCode, 1001);
    }

    void testReplySetsModelAndModeWithoutTheLinkHandler()
    {
        PtyPair pty;
        Window w;
        w.openSerial(pty);
        w.click("Button14");
        QCOMPARE(pty.read(), QByteArray("PPPPPP#VAR#"));
        pty.write("TY:21");
        QTRY_COMPARE(w.text("Memo8"), QStringLiteral("TY:21"));
        QCOMPARE(w.get<QComboBox>("MKXINGHAO")->currentText(), QStringLiteral("2 TL380H-B"));
        QCOMPARE(w.get<QComboBox>("ComboBox2")->currentText(), QStringLiteral("IP Network Communication"));
        QVERIFY(w.get("Button10")->isEnabled());
        QVERIFY(w.get("SPREALCOM")->isEnabled());
        QVERIFY(w.get("TabSheet1")->isEnabled());
        QVERIFY(openBoxes().isEmpty());
        w.click("Button19");
        QCOMPARE(w.get<QLineEdit>("discomm")->text(), QStringLiteral("ZZZZCFGSET#RESET#"));
        QCOMPARE(pty.read(400), QByteArray());
    }

    void brokenTestReplyShowsTheConversionError()
    {
        PtyPair pty;
        Window w;
        w.openSerial(pty);
        pty.write("before");
        QTRY_COMPARE(w.text("Memo8"), QStringLiteral("before"));
        w.click("Button14");
        pty.write("TY:");
        QTRY_COMPARE(openBoxes().size(), 1);
        const QList<ShownBox> boxes = closeBoxes();
        QCOMPARE(boxes.first().text, QStringLiteral("'' is not a valid integer value."));
        QCOMPARE(boxes.first().icon, QMessageBox::Critical);
        QCOMPARE(boxes.first().title, applicationTitle(QCoreApplication::applicationFilePath()));
        QVERIFY(w.text("Memo8").isEmpty());
        QCOMPARE(w.get<QComboBox>("MKXINGHAO")->currentIndex(), 0);

        pty.write("TY:1");
        QTRY_COMPARE(openBoxes().size(), 1);
        QCOMPARE(closeBoxes().first().text, QStringLiteral("'' is not a valid integer value."));
        QCOMPARE(w.get<QComboBox>("MKXINGHAO")->currentIndex(), 1);
    }

    void missingDeviceShowsTheOpenErrorAndKeepsClose()
    {
        Window w;
        w.pick("ComboBox2", 0);
        w.pick("SPREALCOM", 2);
        w.click("Button10");
        QTRY_COMPARE(openBoxes().size(), 1);
        const ShownBox box = closeBoxes().first();
        QCOMPARE(box.text, QStringLiteral("Error opening serial port."));
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(w.get<QPushButton>("Button10")->text(), QStringLiteral("Close"));
        QVERIFY(!w.get("Button14")->isEnabled());
        w.click("Button10");
        QTest::qWait(50);
        QVERIFY(openBoxes().isEmpty());
        QCOMPARE(w.get<QPushButton>("Button10")->text(), QStringLiteral("Open"));
        QVERIFY(!w.get("Button14")->isEnabled());
    }

    void vanishedDeviceLeavesTheWindowResponsiveAndIdle()
    {
        auto pty = std::make_unique<PtyPair>();
        Window w;
        w.openSerial(*pty);
        pty->hangUp();
        QTest::qWait(300);
        rusage before{}, after{};
        ::getrusage(RUSAGE_SELF, &before);
        QElapsedTimer clock;
        clock.start();
        QTest::qWait(1000);
        ::getrusage(RUSAGE_SELF, &after);
        const double used = double(after.ru_utime.tv_sec - before.ru_utime.tv_sec) +
                            double(after.ru_utime.tv_usec - before.ru_utime.tv_usec) / 1e6 +
                            double(after.ru_stime.tv_sec - before.ru_stime.tv_sec) +
                            double(after.ru_stime.tv_usec - before.ru_stime.tv_usec) / 1e6;
        QVERIFY2(used / (double(clock.elapsed()) / 1000.0) < 0.05, qPrintable(QString::number(used)));
        w.click("Button14");
        QCOMPARE(w.get<QLineEdit>("discomm")->text(), QStringLiteral("PPPPPP#VAR#"));
        w.click("Button10");
        QCOMPARE(w.get<QPushButton>("Button10")->text(), QStringLiteral("Open"));
        QVERIFY(openBoxes().isEmpty());
    }

    void label20RevealsTheModelButton()
    {
        Window w;
        QTest::mouseClick(w.get("Label20"), Qt::LeftButton);
        QVERIFY(!w.get("Button15")->isHidden());
    }
};

QTEST_MAIN(WindowFrameTest)
#include "test_window_frame.moc"
