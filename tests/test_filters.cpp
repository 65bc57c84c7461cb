#include "PageWindow.h"

#include "ui/InputFilters.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QPushButton>

namespace {

// Keystrokes as a person types them; '\b' is the Backspace key.
void typeInto(QWidget *field, const QString &keys)
{
    for (const QChar c : keys) {
        if (c == QLatin1Char('\b'))
            QTest::keyClick(field, Qt::Key_Backspace);
        else
            QTest::keyClicks(field, QString(c));
    }
}

const QString Frame = QStringLiteral("0103000000044409");
const QString Keep = QStringLiteral("<start>");

} // namespace

class FiltersTest : public QObject
{
    Q_OBJECT

private slots:
    void rule_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<int>("typed");
        QTest::addColumn<int>("lengthBefore");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("digit below the limit") << QByteArray("Edit7") << int('7') << 4 << true;
        QTest::newRow("digit at the limit") << QByteArray("Edit7") << int('7') << 5 << false;
        QTest::newRow("backspace at the limit") << QByteArray("Edit7") << int(Backspace) << 5 << true;
        QTest::newRow("backspace past the limit") << QByteArray("Edit7") << int(Backspace) << 9 << true;
        QTest::newRow("point in digits") << QByteArray("Edit7") << int('.') << 0 << false;
        QTest::newRow("Ctrl+V in digits") << QByteArray("Edit7") << 22 << 0 << false;
        QTest::newRow("minus in signed") << QByteArray("AD1H") << int('-') << 4 << true;
        QTest::newRow("e in signed") << QByteArray("AD1H") << int('e') << 0 << false;
        QTest::newRow("upper F in hex") << QByteArray("COMDDATA1") << int('F') << 1000 << true;
        QTest::newRow("lower f in hex") << QByteArray("COMDDATA1") << int('f') << 0 << false;
        QTest::newRow("G in hex") << QByteArray("ACOMBY1") << int('G') << 0 << false;
        QTest::newRow("Chinese in any") << QByteArray("APNname") << int(u'中') << 32 << true;
        QTest::newRow("any at the limit") << QByteArray("APNname") << int('x') << 33 << false;
        QTest::newRow("Ctrl+V in any below the limit") << QByteArray("DNSpass") << 22 << 10 << true;
        QTest::newRow("Ctrl+V in any at the limit") << QByteArray("DNSpass") << 22 << 11 << false;
    }

    void rule()
    {
        QFETCH(QByteArray, field);
        QFETCH(int, typed);
        QFETCH(int, lengthBefore);
        QFETCH(bool, accepted);
        const TypingRule *rule = typingRuleOf(QString::fromLatin1(field));
        QVERIFY(rule);
        QCOMPARE(acceptsTyped(*rule, char16_t(typed), lengthBefore), accepted);
    }

    void unfilteredFieldsHaveNoRow_data()
    {
        QTest::addColumn<QByteArray>("field");
        for (const char *name : {"MPD3MADR", "DLA1", "DLA2", "COMDDATA3", "COMDDATA4", "CCOMBY1", "DCOMBY3",
                                 "MAD1DADR", "MPD3DADR", "MAD1XS", "MPD3XS", "discomm", "Edit6", "Edit34"})
            QTest::newRow(name) << QByteArray(name);
    }

    void unfilteredFieldsHaveNoRow()
    {
        QFETCH(QByteArray, field);
        QVERIFY(!typingRuleOf(QString::fromLatin1(field)));
    }

    void typing_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        auto row = [](const char *name, const char *field, const QString &start, const QString &keys,
                      const QString &expected) {
            QTest::newRow(name) << QString::fromLatin1(field) << start << keys << expected;
        };
        // Full at start: the user must delete first.
        row("Edit7 full at start", "Edit7", Keep, "1", "00000");
        row("Edit7 backspace then one digit", "Edit7", Keep, "\b12", "00001");
        row("Edit7 digits only", "Edit7", "", "1a2.-B 3x", "123");
        row("Edit2 full at start", "Edit2", Keep, "5", "02");
        row("Edit2 two digits", "Edit2", "", "987", "98");
        // Any character, limited.
        row("APNname 34th refused", "APNname", "", "internet.Provider-APN_2020 ok!@x%Z",
            "internet.Provider-APN_2020 ok!@x%");
        row("DNSuser 33", "DNSuser", "", QString(40, QLatin1Char('u')), QString(33, QLatin1Char('u')));
        row("DNSpass 11", "DNSpass", "", "secret-pass-word", "secret-pass");
        row("Edit22 30", "Edit22", "", QString(31, QLatin1Char('d')), QString(30, QLatin1Char('d')));
        row("Chinese text counts two bytes each", "APNname", QString(16, QChar(u'网')), "ab",
            QString(16, QChar(u'网')) + "a");
        // Digits with limits.
        row("IP1_1 three digits", "IP1_1", "", "1234", "123");
        row("IP1_4 refuses points", "IP1_4", "", "1.9", "19");
        row("Edit18 five", "Edit18", "", "700012", "70001");
        row("Edit19 four", "Edit19", "", "12345", "1234");
        row("Edit20 four", "Edit20", "", "x60000", "6000");
        row("PUSET1 eight", "PUSET1", "", "123456789", "12345678");
        row("PUSET2 eight", "PUSET2", "", "87654321x0", "87654321");
        // Signed decimal: the form of a number is not checked.
        row("AD1H negative decimal", "AD1H", "", "-1.5", "-1.5");
        row("AD1H only signs and points", "AD1H", "", "--..-", "--..-");
        row("AD4LD five", "AD4LD", "", "123456", "12345");
        row("AD2L refuses letters", "AD2L", "", "1e5", "15");
        row("MAD1MADR full at start", "MAD1MADR", Keep, "9", "003");
        row("MAD1MADR backspace then minus", "MAD1MADR", Keep, "\b-", "00-");
        row("MPD2MADR refuses letters", "MPD2MADR", "", "x1.2", "1.2");
        row("RS485DTM three", "RS485DTM", "", "0299", "029");
        // Upper-case hex.
        row("COMDDATA1 upper hex without limit", "COMDDATA1", Keep, "aF0g1bE", Frame + "F01E");
        row("COMDDATA2 refuses lower case", "COMDDATA2", Keep, "abcdef", Frame);
        row("COMDDATA2 takes upper case", "COMDDATA2", Keep, "ABCDEF", Frame + "ABCDEF");
        row("ACOMBY1 full at start", "ACOMBY1", Keep, "F", "01");
        row("ACOMBY1 backspace then A", "ACOMBY1", Keep, "\bA", "0A");
        row("BCOMBY3 refuses lower case", "BCOMBY3", "", "fF", "F");
        row("Edit3 refuses lower case", "Edit3", Keep, "a1b2C3 ", Frame + "12C3");
        // Unfiltered.
        row("COMDDATA3 takes lower case", "COMDDATA3", Keep, "aA", Frame + "aA");
        row("COMDDATA4 takes anything", "COMDDATA4", "", "zz 1", "zz 1");
        row("CCOMBY1 past two", "CCOMBY1", Keep, "xyz", "01xyz");
        row("MPD3MADR takes anything", "MPD3MADR", Keep, "abc-9", "011abc-9");
        row("DLA1 takes anything", "DLA1", "", "0.5 L", "0.5 L");
        row("MAD1DADR takes anything", "MAD1DADR", Keep, "x", "0x");
        row("MAD1XS takes anything", "MAD1XS", Keep, "a", "00001a");
        // A program write may be longer than the limit; typing waits until backspace has shortened it.
        row("Edit7 over the limit", "Edit7", "1234567", "8\b9\b\b9", "12349");
    }

    void typing()
    {
        QFETCH(QString, field);
        QFETCH(QString, start);
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        PageWindow w;
        w.pick(QStringLiteral("ComboBox2"), 0); // the GPRS page takes input in serial mode
        auto *edit = w.get<QLineEdit>(field);
        if (start != Keep)
            edit->setText(start);
        edit->end(false);
        typeInto(edit, keys);
        QCOMPARE(edit->text(), expected);
    }

    // Several characters an input method commits at once are typed one by one.
    void inputMethodText_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("committed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Edit2 past its limit") << "Edit2"
                                              << "12345"
                                              << "12";
        QTest::newRow("Edit7 letters among digits") << "Edit7"
                                                    << "1a2b3"
                                                    << "123";
        QTest::newRow("APNname Chinese counts two bytes")
            << "APNname" << QString(20, QChar(0x7535)) << QString(17, QChar(0x7535));
    }
    void inputMethodText()
    {
        QFETCH(QString, field);
        QFETCH(QString, committed);
        QFETCH(QString, expected);
        PageWindow w;
        w.pick(QStringLiteral("ComboBox2"), 0);
        auto *edit = w.get<QLineEdit>(field);
        edit->clear();
        QInputMethodEvent composed;
        composed.setCommitString(committed);
        QCoreApplication::sendEvent(edit, &composed);
        QCOMPARE(edit->text(), expected);
    }

    void selectAllOfFullFieldThenDigit()
    {
        PageWindow w;
        auto *edit = w.get<QLineEdit>(QStringLiteral("Edit7"));
        edit->selectAll();
        typeInto(edit, QStringLiteral("1"));
        QCOMPARE(edit->text(), QStringLiteral("00000"));
    }

    void selectAllOfShortFieldThenDigit()
    {
        PageWindow w;
        auto *edit = w.get<QLineEdit>(QStringLiteral("Edit7"));
        edit->setText(QStringLiteral("12"));
        edit->selectAll();
        typeInto(edit, QStringLiteral("9"));
        QCOMPARE(edit->text(), QStringLiteral("9"));
    }

    void pastePassesFilters_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("pasted");
        QTest::newRow("Edit7 past the limit with letters") << "Edit7"
                                                           << "12345678abc";
        QTest::newRow("ACOMBY2 lower case") << "ACOMBY2"
                                            << "abcd";
        QTest::newRow("AD1H long") << "AD1H"
                                   << "-123.456";
    }

    void pastePassesFilters()
    {
        QFETCH(QString, field);
        QFETCH(QString, pasted);
        PageWindow w;
        auto *edit = w.get<QLineEdit>(field);
        edit->clear();
        QApplication::clipboard()->setText(pasted);
        edit->paste();
        QCOMPARE(edit->text(), pasted);
    }

    // A clipboard shortcut is a typed control character: refused by the digit,
    // signed and hex filters, let through by the Any filter below its limit.
    void pasteShortcut_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Edit7 refuses Ctrl+V") << "Edit7"
                                              << ""
                                              << "";
        QTest::newRow("COMDDATA1 refuses Ctrl+V") << "COMDDATA1"
                                                  << ""
                                                  << "";
        QTest::newRow("APNname takes Ctrl+V") << "APNname"
                                              << ""
                                              << "clip";
        QTest::newRow("DNSpass full refuses Ctrl+V") << "DNSpass"
                                                     << "12345678901"
                                                     << "12345678901";
        QTest::newRow("DLA1 unfiltered") << "DLA1"
                                         << ""
                                         << "clip";
    }

    void pasteShortcut()
    {
        QFETCH(QString, field);
        QFETCH(QString, start);
        QFETCH(QString, expected);
        PageWindow w;
        w.pick(QStringLiteral("ComboBox2"), 0);
        auto *edit = w.get<QLineEdit>(field);
        edit->setText(start);
        QApplication::clipboard()->setText(QStringLiteral("clip"));
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->text(), expected);
    }

    void programWritePasses()
    {
        PageWindow w;
        w.form.form().setText(QStringLiteral("Edit7"), "123456789");
        w.form.form().setText(QStringLiteral("COMDDATA1"), "abcdefxyz");
        QCOMPARE(w.shown(QStringLiteral("Edit7")), QStringLiteral("123456789"));
        QCOMPARE(w.shown(QStringLiteral("COMDDATA1")), QStringLiteral("abcdefxyz"));
    }

    void deleteAndCaretKeysStillWork()
    {
        PageWindow w;
        auto *edit = w.get<QLineEdit>(QStringLiteral("Edit7"));
        edit->setCursorPosition(0);
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClick(edit, Qt::Key_End);
        typeInto(edit, QStringLiteral("7"));
        QCOMPARE(edit->text(), QStringLiteral("00007"));
    }

    // Button83 follows the length of the text each keystroke finds: enabled at two.
    void delayTimeSetButton_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("one digit") << ""
                                   << "1"
                                   << "1" << false;
        QTest::newRow("two digits") << ""
                                    << "12"
                                    << "12" << false;
        QTest::newRow("third digit") << ""
                                     << "123"
                                     << "123" << true;
        QTest::newRow("fourth refused") << ""
                                        << "1234"
                                        << "123" << false;
        QTest::newRow("refused letter at two") << "12"
                                               << "x"
                                               << "12" << true;
        QTest::newRow("backspace from three") << "123"
                                              << "\b"
                                              << "12" << false;
        QTest::newRow("backspace from two") << "12"
                                            << "\b"
                                            << "1" << true;
    }

    void delayTimeSetButton()
    {
        QFETCH(QString, start);
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QFETCH(bool, enabled);
        PageWindow w;
        auto *button = w.get<QPushButton>(QStringLiteral("Button83"));
        QVERIFY(button->isEnabled());
        auto *edit = w.get<QLineEdit>(QStringLiteral("RS485DTM"));
        edit->setText(start);
        edit->end(false);
        typeInto(edit, keys);
        QCOMPARE(edit->text(), text);
        QCOMPARE(button->isEnabled(), enabled);
    }

    void delayTimeProgramWriteLeavesButton()
    {
        PageWindow w;
        w.form.form().setText(QStringLiteral("RS485DTM"), "7");
        QVERIFY(w.get<QPushButton>(QStringLiteral("Button83"))->isEnabled());
    }

    void dropDownsAreNotFiltered()
    {
        PageWindow w;
        auto *box = w.get<QComboBox>(QStringLiteral("ComboBox3"));
        box->lineEdit()->end(false);
        QTest::keyClicks(box->lineEdit(), QStringLiteral("abc123"));
        QCOMPARE(box->currentText(), QStringLiteral("12abc123"));
    }
};

QTEST_MAIN(FiltersTest)
#include "test_filters.moc"
