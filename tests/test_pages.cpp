#include "PageWindow.h"

#include <QApplication>
#include <QClipboard>

#include <QPushButton>
#include <QTabWidget>

namespace {

QStringList numbers(int first, int last)
{
    QStringList items;
    for (int n = first; n <= last; ++n)
        items << QString::number(n).rightJustified(2, QLatin1Char('0'));
    return items;
}

QStringList split(const char *items)
{
    return QString::fromUtf8(items).split(QLatin1Char('|'));
}

const char *const ChannelSources =
    "0 Close|1 Analog Current Acquisition AIN1|2 Analog Current Acquisition AIN2|3 Direct Read RS485 Channel "
    "MAD3|"
    "4 Direct Read RS485 Channel MAD4|5 Direct Read RS485 Channel MAD5|6 Direct Read RS485 Channel MAD6|"
    "7 Analog Current Acquisition AIN3|8 Analog Current Acquisition AIN4|9 Power Supply Voltage";
const char *const PulseSources =
    "0 Close|1-IN1 Channel Pulse Totalizer|2-IN2 Channel Pulse Totalizer|3-RS485 Direct Read Totalizer 1 "
    "(MPU3)|"
    "4-RS485 Direct Read Totalizer 2 (MPU4)|5-RS485 Direct Read Totalizer 3 (MPU5)";
const char *const DataFormats =
    "0-Float（4321）|1-Float（2143）|2-Float（1234）|3-Unsigned int(4321)|4-Unsigned int(2143)|"
    "5-Unsigned int(1234)|6-Signed int(4321)|7-Signed int(2143)|8-Signed int|9-Signed int(invert)|"
    "10-Signed int(not inverted)|11-BCD(high low order)|12-BCD(low high order)|"
    "13-Character string(high low order)|14-Character string(low high order)|15-Double(high low order)|"
    "16-Double(low high order)|17-BCD(low high order-0X33)";
const char *const MeterTypes =
    "0  Close|1  Reserved|2  Direct Command Read|3  ABB Battery Flow Meter MASTER3|"
    "4  ABB Battery Flow Meter MASTER4|5  ABB Mains-Powered Flow Meter|6  Siemens MG800|7  Huizhong SCL-76D|"
    "8  Huizhong SCL-61D|9  Dahua Flow Meter(Without Pressure)|10 Dahua Flow Meter(With Pressure)|"
    "11 Shenzhen TAX Meter|12 Dalian Haifeng Ultrasonic Flow Meter||";
const char *const ResponseSources = "0_Close|1_CMD1|2_CMD2|3_CMD2|4_CMD2";

} // namespace

class PagesTest : public QObject
{
    Q_OBJECT

private slots:
    void pageList()
    {
        PageWindow w;
        auto *tabs = w.get<QTabWidget>(QStringLiteral("PageControl1"));
        const QStringList expected =
            split("TabSheet2=System Parameter|TabSheet1=GPRS Parameters|"
                  "TabSheet4=AD/DI Channel Configuration|TabSheet11=Comm Settings 1|"
                  "TabSheet5=Comm Settings 2|TabSheet3=Data Query|TabSheet19=Wiring Diagram");
        QStringList pages;
        for (int i = 0; i < tabs->count(); ++i)
            pages << tabs->widget(i)->objectName() + QLatin1Char('=') + tabs->tabText(i);
        QCOMPARE(pages, expected);
    }

    void dropDowns_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<int>("startIndex");
        QTest::addColumn<QString>("startText");

        auto row = [](const char *name, const QStringList &items, int index, const QString &text) {
            QTest::newRow(name) << QString::fromLatin1(name) << items << index << text;
        };
        // System Parameter
        row("ComboBox3", numbers(12, 50), 0, "12");
        row("ComboBox4", numbers(1, 12), 0, "01");
        row("ComboBox5", numbers(1, 31), 0, "01");
        row("ComboBox6 shows 00 unselected", numbers(0, 23), -1, "00");
        row("ComboBox7", numbers(0, 59), 0, "00");
        row("ComboBox8 shows 1min unselected",
            split("NO_SEND|1min|5min|15min|30min|1hour|2hour|6hour|12hour|5S|15S|30s"), -1, "1min");
        row("ComboBox9", split("NO_SAVE|5min|15min|30min|60min|2hour|清除历史数据"), 3, "30min");
        row("MKXINGHAO", split("0 NET|1 TL380H-A|2 TL380H-B"), 0, "0 NET");
        // GPRS Parameters
        row("NETCS", split("0 Auto|1 CMNET|2 VONET |3 CTLTE|4 APN"), 0, "0 Auto");
        row("ComboBox11", split("TCP|UDP"), 0, "TCP");
        row("ComboBox14", split("Close|Open"), 0, "Close");
        row("ComboBox22", split("0 DNS Connection|1 IP Connection"), 1, "1 IP Connection");
        row("DNSIP", split("0 DNS|1 IP"), 1, "1 IP");
        // AD/DI Channel Configuration
        const QStringList sources = split(ChannelSources);
        row("AD01TNG", sources, 1, sources[1]);
        row("AD02TNG", sources, 2, sources[2]);
        row("AD03TNG", sources, 7, sources[7]);
        row("AD04TNG", sources, 8, sources[8]);
        row("AD05TNG", sources, 0, sources[0]);
        row("AD06TNG", sources, 0, sources[0]);
        const QStringList pulses = split(PulseSources);
        row("INP1 shows item 1 unselected", pulses, -1, pulses[1]);
        row("INP2", pulses, 2, pulses[2]);
        row("INP3", pulses, 0, pulses[0]);
        row("DIN1", split("Digital Signal|Pulse Counting"), 0, "Digital Signal");
        row("DIN2", split("Digital Signal|Pulse Counting"), 0, "Digital Signal");
        // Comm Settings 1 and 2
        row("COMAD1", split("0-Close|1-Open"), 0, "0-Close");
        row("COMAD2 shows 0-Close unselected", split("0-Close|1-Open"), -1, "0-Close");
        row("COMAD3", split("0-Close|1-Open"), 0, "0-Close");
        row("COMAD4", split("0-Close|1-Open"), 0, "0-Close");
        for (const char *use : {"MAD1USE", "MAD2USE", "MAD3USE", "MAD4USE", "MPD1USE", "MPD2USE", "MPD3USE"})
            row(use, split(ResponseSources), 0, "0_Close");
        const QStringList formats = split(DataFormats);
        for (const char *format : {"MAD1XIN", "MAD2XIN", "MAD4XIN", "MPD2XIN", "MPD3XIN"})
            row(format, formats, 0, formats[0]);
        row("MAD3XIN with an empty last item", formats + QStringList{QString()}, 0, formats[0]);
        row("MPD1XIN with an empty last item", formats + QStringList{QString()}, 0, formats[0]);
        row("MR485BT", split("1200|2400|4800|9600|19200|38400"), 3, "9600");
        row("RS485STOP", split("1 bit|2 bit"), 0, "1 bit");
        row("MR485JN", split("None|Odd|Even"), 0, "None");
        row("RS485AXIEY", split(MeterTypes), 0, "0  Close");
        // Data Query
        row("NameSave shows Not Save unselected", split("不保存|5Min.|15Min.|30Min.|60Min."), -1, "Not Save");
        QStringList years = numbers(11, 50);
        years.removeAll(QStringLiteral("44"));
        row("Hyear without 44", years, 0, "11");
        row("Hmonth", numbers(1, 12), 0, "01");
        row("Hday", numbers(1, 31), 0, "01");
        row("Hhour", numbers(0, 23), 0, "00");
        row("Hmin", numbers(0, 59), 0, "00");
        QStringList counts = numbers(0, 80);
        counts.insert(27, QStringLiteral("26"));
        row("Hcont with 26 twice", counts, 0, "00");
    }

    void dropDowns()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, items);
        QFETCH(int, startIndex);
        QFETCH(QString, startText);
        PageWindow w;
        auto *box = w.get<QComboBox>(name.section(QLatin1Char(' '), 0, 0));
        QStringList actual;
        for (int i = 0; i < box->count(); ++i)
            actual << box->itemText(i);
        QCOMPARE(actual, items);
        QCOMPARE(box->currentIndex(), startIndex);
        QCOMPARE(box->currentText(), startText);
        QVERIFY(box->isEditable());
    }

    void itemCounts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("count");
        QTest::newRow("ComboBox3 39 years") << "ComboBox3" << 39;
        QTest::newRow("ComboBox8 12 cycles") << "ComboBox8" << 12;
        QTest::newRow("ComboBox9 7 periods") << "ComboBox9" << 7;
        QTest::newRow("Hyear 39 years") << "Hyear" << 39;
        QTest::newRow("Hcont 82 counts") << "Hcont" << 82;
        QTest::newRow("RS485AXIEY 15 types") << "RS485AXIEY" << 15;
        QTest::newRow("MAD1XIN 18 formats") << "MAD1XIN" << 18;
        QTest::newRow("MAD3XIN 19 formats") << "MAD3XIN" << 19;
    }

    void itemCounts()
    {
        QFETCH(QString, name);
        QFETCH(int, count);
        PageWindow w;
        QCOMPARE(w.get<QComboBox>(name)->count(), count);
    }

    void startTexts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        auto row = [](const char *name, const char *text) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf8(text);
        };
        row("GroupBox7", "System Parameter");
        row("Edit7", "00000");
        row("Edit2", "02");
        row("Label20", "");
        row("GroupBox9", "GPRS Parameter Configuration");
        for (const char *empty : {"APNname", "DNSuser", "DNSpass", "Edit22", "IP1_1", "IP1_2", "IP1_3",
                                  "IP1_4", "Edit18", "Edit19", "Edit20", "Label3"})
            row(empty, "");
        row("CheckBox1", "Module Communication Failure");
        row("CheckBox2", "SIM Card Not Detected");
        row("CheckBox3", "Network Registration Failed");
        row("CheckBox4", "GPRS Connection Failed");
        row("CheckBox5", "GPRS Connection to Center Failed");
        row("Label101", "00");
        row("GroupBox10", "AD Channel Configuration");
        row("GroupBox14", "PU Channel Display Configuration");
        row("GroupBox11", "Digital Input Configuration");
        row("GroupBox4", "Analog Range Configuration");
        row("GroupBox13", "Pulse Base Value Configuration");
        row("GroupBox3", "Pulse Equivalent");
        for (const char *empty :
             {"AD1H", "AD1L", "AD1LD", "AD4H", "AD4L", "AD4LD", "PUSET1", "PUSET2", "DLA1", "DLA2"})
            row(empty, "");
        row("GroupBox5", "Command 1");
        row("GroupBox2", "Command 2");
        row("GroupBox8", "Command 3");
        row("GroupBox15", "Command 4");
        for (const char *command : {"COMDDATA1", "COMDDATA2", "COMDDATA3", "COMDDATA4", "Edit3"})
            row(command, "0103000000044409");
        for (const char *first : {"ACOMBY1", "BCOMBY1", "CCOMBY1", "DCOMBY1"})
            row(first, "01");
        for (const char *second : {"ACOMBY2", "BCOMBY2", "CCOMBY2", "DCOMBY2"})
            row(second, "03");
        for (const char *third : {"ACOMBY3", "BCOMBY3", "CCOMBY3", "DCOMBY3"})
            row(third, "00");
        row("GroupBox1", "Communication Parameters");
        row("MAD1MADR", "003");
        row("MAD2MADR", "007");
        row("MAD3MADR", "011");
        row("MAD4MADR", "015");
        row("MPD1MADR", "003");
        row("MPD2MADR", "007");
        row("MPD3MADR", "011");
        row("MAD1DADR", "0");
        row("MPD3DADR", "0");
        row("MAD1XS", "00001");
        row("MPD3XS", "00001");
        row("GroupBox19", "RS485A  Instrument");
        row("RS485DTM", "");
        row("Memo3",
            "RS485_RTS Pin Delay Time\n0_1200->240\n1_2400->120\n2_4800->58\n3_9600->29\n4_19200->15 ");
        row("GroupBox16", "Calibration");
        row("GroupBox30", "Analog Signal");
        row("GroupBox29", "Totalizer");
        row("GroupBox31", "Digital Signal");
        for (const char *analog : {"AD1XS", "AD2XS", "AD3XS", "AD4XS", "AD5XS", "AD6XS"})
            row(analog, "00000");
        for (const char *total : {"PU1XS", "PU2XS", "PU3XS"})
            row(total, "00000000");
        for (const char *empty : {"IN1XS", "IN2XS", "IN3XS", "Label80", "Label81", "Label82", "Memo7"})
            row(empty, "");
        row("GroupBox32", "");
    }

    void startTexts()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        PageWindow w;
        QCOMPARE(w.shown(name), text);
    }

    void buttons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        for (const char *set :
             {"Button4",   "Button5",   "Button3",   "Button2",   "Button50", "Button38",  "Button27",
              "Button147", "Button146", "Button26",  "Button25",  "Button28", "Button29",  "Button30",
              "Button31",  "Button6",   "Button33",  "Button34",  "Button35", "Button18",  "Button20",
              "Button8",   "Button22",  "Button23",  "Button17",  "Button46", "Button47",  "Button40",
              "Button42",  "Button24",  "Button36",  "Button52",  "Button53", "Button95",  "Button96",
              "Button73",  "Button75",  "Button7",   "Button80",  "Button39", "Button43",  "Button48",
              "Button51",  "Button170", "Button171", "Button172", "Button12", "Button174", "Button175",
              "Button16",  "Button11",  "Button83",  "Button78"})
            QTest::newRow(set) << QString::fromLatin1(set) << QStringLiteral("Set");
        for (const char *query : {"Button76", "Button74", "Button81", "Button79", "Button44", "Button41",
                                  "Button54", "Button49", "Button21", "Button125"})
            QTest::newRow(query) << QString::fromLatin1(query) << QStringLiteral("Query");
        for (const char *read : {"Button32", "Button1", "Button128", "Button84"})
            QTest::newRow(read) << QString::fromLatin1(read) << QStringLiteral("Read Parameters");
        QTest::newRow("Button45") << "Button45"
                                  << "Send";
        QTest::newRow("Button124") << "Button124"
                                   << "Manual Query";
        QTest::newRow("Button141") << "Button141"
                                   << "Clear Buffer";
        QTest::newRow("Button19") << "Button19"
                                  << "Parameter Initialization";
    }

    void buttons()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        PageWindow w;
        auto *b = w.get<QPushButton>(name);
        QCOMPARE(b->text(), caption);
        // The GPRS page as a whole starts disabled; its buttons themselves do not.
        QVERIFY(!b->testAttribute(Qt::WA_ForceDisabled));
    }

    void pickingGivesSelection_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::newRow("ComboBox8 the shown item") << "ComboBox8" << 1 << "1min";
        QTest::newRow("ComboBox6") << "ComboBox6" << 5 << "05";
        QTest::newRow("INP1") << "INP1" << 1 << "1-IN1 Channel Pulse Totalizer";
        QTest::newRow("COMAD2") << "COMAD2" << 1 << "1-Open";
        QTest::newRow("NameSave Chinese item") << "NameSave" << 0 << "不保存";
        QTest::newRow("RS485AXIEY empty 13") << "RS485AXIEY" << 13 << "";
        QTest::newRow("RS485AXIEY empty 14") << "RS485AXIEY" << 14 << "";
        QTest::newRow("MAD3XIN empty 18") << "MAD3XIN" << 18 << "";
        QTest::newRow("MPD1XIN empty 18") << "MPD1XIN" << 18 << "";
        QTest::newRow("Hcont second 26") << "Hcont" << 27 << "26";
        QTest::newRow("Hcont 27 after the double") << "Hcont" << 28 << "27";
        QTest::newRow("Hyear 45 after the gap") << "Hyear" << 33 << "45";
    }

    void pickingGivesSelection()
    {
        QFETCH(QString, name);
        QFETCH(int, index);
        QFETCH(QString, text);
        PageWindow w;
        w.pick(name, index);
        QCOMPARE(w.get<QComboBox>(name)->currentIndex(), index);
        QCOMPARE(w.get<QComboBox>(name)->currentText(), text);
    }

    // Typed text selects no item, even the text of one, and Return or focus leaving do not change that.
    void typedTextKeepsNoSelection_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("no item's text") << "7x";
        QTest::newRow("an item's text") << "20";
    }
    void typedTextKeepsNoSelection()
    {
        QFETCH(QString, typed);
        PageWindow w;
        auto *box = w.get<QComboBox>(QStringLiteral("ComboBox3"));
        box->lineEdit()->selectAll();
        QTest::keyClicks(box->lineEdit(), typed);
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        QFocusEvent leaving(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(box->lineEdit(), &leaving);
        QCOMPARE(box->currentIndex(), -1);
        QCOMPARE(box->currentText(), typed);
        QCOMPARE(box->count(), 39);
    }

    void longPasteIsKeptWhole()
    {
        PageWindow w;
        const QString text(40000, u'7');
        QApplication::clipboard()->setText(text);
        for (QComboBox *box : w.form.findChildren<QComboBox *>()) {
            box->lineEdit()->selectAll();
            box->lineEdit()->paste();
            QVERIFY2(box->currentText() == text, qPrintable(box->objectName()));
        }
    }

    void clearBufferEmptiesHistoryOnly()
    {
        PageWindow w;
        w.get<QPlainTextEdit>(QStringLiteral("Memo7"))->setPlainText(QStringLiteral("x\r\ny"));
        w.get<QPlainTextEdit>(QStringLiteral("Memo8"))->setPlainText(QStringLiteral("reply"));
        w.get<QLineEdit>(QStringLiteral("discomm"))->setText(QStringLiteral("PPPPPP#"));
        w.get<QTabWidget>(QStringLiteral("PageControl1"))->setCurrentIndex(5);
        QTest::mouseClick(w.get(QStringLiteral("Button141")), Qt::LeftButton);
        QCOMPARE(w.shown(QStringLiteral("Memo7")), QString());
        QCOMPARE(w.shown(QStringLiteral("Memo8")), QStringLiteral("reply"));
        QCOMPARE(w.shown(QStringLiteral("discomm")), QStringLiteral("PPPPPP#"));
    }

    void wiringPicture()
    {
        PageWindow w;
        auto *picture = w.get<QLabel>(QStringLiteral("Image1"));
        QCOMPARE(picture->size(), QSize(769, 345));
        QVERIFY(picture->hasScaledContents());
        QCOMPARE(picture->pixmap().size(), QSize(873, 393));
        QCOMPARE(picture->parentWidget()->objectName(), QStringLiteral("TabSheet19"));
    }
};

QTEST_MAIN(PagesTest)
#include "test_pages.moc"
