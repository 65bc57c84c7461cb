#include "PageWindow.h"

#include "replies/ApnRule.h"

#include <QPushButton>

namespace {

const QStringList LoginFields{QStringLiteral("APNname"), QStringLiteral("DNSuser"),
                              QStringLiteral("DNSpass")};

} // namespace

class DependentControlsTest : public QObject
{
    Q_OBJECT

    static bool enabled(PageWindow &w, const QString &name)
    {
        // The GPRS page may be disabled as a whole; the rule concerns the control itself.
        return !w.get(name)->testAttribute(Qt::WA_ForceDisabled);
    }

    static void expectLogin(PageWindow &w, bool on)
    {
        for (const QString &name : LoginFields)
            QVERIFY2(enabled(w, name) == on, qPrintable(name));
    }

private slots:
    void startState()
    {
        PageWindow w;
        expectLogin(w, true);
        QVERIFY(enabled(w, QStringLiteral("Button52")));
        QVERIFY(enabled(w, QStringLiteral("Button53")));
    }

    void apnRule_data()
    {
        QTest::addColumn<int>("picked");
        QTest::addColumn<bool>("loginEnabled");
        QTest::newRow("0 Auto") << 0 << false;
        QTest::newRow("1 CMNET") << 1 << false;
        QTest::newRow("2 VONET") << 2 << false;
        QTest::newRow("3 CTLTE") << 3 << false;
        QTest::newRow("4 APN") << 4 << true;
    }

    void apnRule()
    {
        QFETCH(int, picked);
        QFETCH(bool, loginEnabled);
        PageWindow w;
        w.pick(QStringLiteral("ComboBox2"), 0);
        w.pick(QStringLiteral("NETCS"), picked);
        expectLogin(w, loginEnabled);
        for (const char *set : {"Button27", "Button147", "Button146", "Button38"})
            QVERIFY(enabled(w, QLatin1String(set)));
        QVERIFY(enabled(w, QStringLiteral("NETCS")));
    }

    void apnAgainKeepsTexts()
    {
        PageWindow w;
        w.pick(QStringLiteral("ComboBox2"), 0);
        w.get<QLineEdit>(QStringLiteral("APNname"))->setText(QStringLiteral("CMNET"));
        w.get<QLineEdit>(QStringLiteral("DNSuser"))->setText(QStringLiteral("user1"));
        w.pick(QStringLiteral("NETCS"), 4);
        w.pick(QStringLiteral("NETCS"), 1);
        expectLogin(w, false);
        w.pick(QStringLiteral("NETCS"), 4);
        expectLogin(w, true);
        QCOMPARE(w.shown(QStringLiteral("APNname")), QStringLiteral("CMNET"));
        QCOMPARE(w.shown(QStringLiteral("DNSuser")), QStringLiteral("user1"));
    }

    void typedNetworkTypeHasNoSelection()
    {
        PageWindow w;
        w.pick(QStringLiteral("ComboBox2"), 0);
        w.pick(QStringLiteral("NETCS"), 4);
        auto *edit = w.get<QComboBox>(QStringLiteral("NETCS"))->lineEdit();
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("4 APN"));
        // Ending the edit picks nothing either.
        QTest::keyClick(edit, Qt::Key_Return);
        QFocusEvent leaving(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(edit, &leaving);
        QCOMPARE(w.get<QComboBox>(QStringLiteral("NETCS"))->currentIndex(), -1);
        expectLogin(w, false);
    }

    void programWriteOfNetworkTypeRunsNoRule()
    {
        PageWindow w;
        w.form.form().setIndex(QStringLiteral("NETCS"), 1);
        expectLogin(w, true);
        w.pick(QStringLiteral("NETCS"), 1);
        w.form.form().setIndex(QStringLiteral("NETCS"), 4);
        expectLogin(w, false);
    }

    // The GPRS reply applies the rule itself after it writes the network type.
    void replyAppliesApnRule_data()
    {
        QTest::addColumn<int>("written");
        QTest::addColumn<bool>("loginEnabled");
        QTest::newRow("type 4") << 4 << true;
        QTest::newRow("type 2") << 2 << false;
        QTest::newRow("no item") << 7 << false;
    }

    void replyAppliesApnRule()
    {
        QFETCH(int, written);
        QFETCH(bool, loginEnabled);
        PageWindow w;
        w.pick(QStringLiteral("NETCS"), loginEnabled ? 0 : 4);
        w.form.form().setIndex(QStringLiteral("NETCS"), written);
        applyApnRule(w.form.form());
        expectLogin(w, loginEnabled);
    }

    void pulseRule_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("other");
        QTest::newRow("DIN1") << "DIN1"
                              << "Button52"
                              << "Button53";
        QTest::newRow("DIN2") << "DIN2"
                              << "Button53"
                              << "Button52";
    }

    void pulseRule()
    {
        QFETCH(QString, mode);
        QFETCH(QString, button);
        QFETCH(QString, other);
        PageWindow w;
        w.pick(mode, 1);
        QVERIFY(enabled(w, button));
        w.pick(mode, 0);
        QVERIFY(!enabled(w, button));
        QVERIFY(enabled(w, other));
        for (const char *untouched : {"PUSET1", "PUSET2", "Button95", "Button96", "Button46", "Button47"})
            QVERIFY2(enabled(w, QLatin1String(untouched)), untouched);
        w.pick(mode, 1);
        QCOMPARE(w.shown(mode), QStringLiteral("Pulse Counting"));
        QVERIFY(enabled(w, button));
    }

    void typedModeHasNoSelection()
    {
        PageWindow w;
        auto *edit = w.get<QComboBox>(QStringLiteral("DIN1"))->lineEdit();
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("Pulse Counting"));
        QVERIFY(!enabled(w, QStringLiteral("Button52")));
    }

    // The channel reply writes the modes without the rule.
    void programWriteOfModeRunsNoRule_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("button");
        QTest::newRow("DIN1") << "DIN1"
                              << "Button52";
        QTest::newRow("DIN2") << "DIN2"
                              << "Button53";
    }

    void programWriteOfModeRunsNoRule()
    {
        QFETCH(QString, mode);
        QFETCH(QString, button);
        PageWindow w;
        w.pick(mode, 0);
        w.form.form().setIndex(mode, 1);
        QVERIFY(!enabled(w, button));
        w.pick(mode, 1);
        w.form.form().setIndex(mode, 0);
        QVERIFY(enabled(w, button));
    }

    void hiddenLabelRevealsModelButton_data()
    {
        QTest::addColumn<bool>("doubleClick");
        QTest::newRow("click") << false;
        QTest::newRow("double click") << true;
    }

    void hiddenLabelRevealsModelButton()
    {
        QFETCH(bool, doubleClick);
        PageWindow w;
        auto *model = w.get<QPushButton>(QStringLiteral("Button15"));
        QVERIFY(model->isHidden());
        QWidget *label = w.get(QStringLiteral("Label20"));
        if (doubleClick)
            QTest::mouseDClick(label, Qt::LeftButton);
        else
            QTest::mouseClick(label, Qt::LeftButton);
        QVERIFY(model->isVisible());
        QTest::mouseClick(label, Qt::LeftButton);
        w.pick(QStringLiteral("ComboBox2"), 1);
        w.pick(QStringLiteral("ComboBox2"), 0);
        QVERIFY(model->isVisible());
    }
};

QTEST_MAIN(DependentControlsTest)
#include "test_dependent_controls.moc"
