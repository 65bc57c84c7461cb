// The whole-collector steps without a window or a process: the simulated collector in
// this process behind a link that can refuse, fall silent or say OK to everything.
#include "Collector.h"
#include "commands/CollectorLink.h"
#include "commands/LinkMode.h"
#include "profile/ActionHooks.h"
#include "profile/AnswerCheck.h"
#include "profile/HeadlessForm.h"
#include "profile/ProfileCompare.h"
#include "profile/ProfileForm.h"
#include "profile/ProfileKeys.h"
#include "profile/ProfileSave.h"
#include "profile/ProfileWrite.h"

#include <QJsonDocument>
#include <QTest>

namespace {

ProfileSetting setting(const char *name, const QString &value)
{
    const QString text = QLatin1String(name);
    return {findProfileKey(text.section(u'.', 0, 0), text.section(u'.', 1)), value};
}

// The simulated collector over the serial link, with the faults a real line brings.
class SimLink : public CollectorLink
{
public:
    sim::Collector collector;
    QByteArrayList sent;
    // A set command whose text holds this is answered "ERROR".
    QByteArray refuse;
    // After this many commands nothing answers any more.
    int answersLeft = 1000;
    bool okToEverything = false;

    bool viaGateway() const override { return false; }
    QByteArray exchange(const Command &command, const WholeAnswer &) override
    {
        sent << command.text;
        if (answersLeft-- <= 0)
            throw SessionError(SessionError::Link, QStringLiteral("no answer within 3 s"));
        if (okToEverything)
            return "OK";
        if (!refuse.isEmpty() && command.text.contains(refuse))
            return "ERROR";
        return collector.answer(command.text, sim::Link::Serial).join();
    }
    int setsSent() const
    {
        return int(
            std::count_if(sent.begin(), sent.end(), [](const QByteArray &c) { return c.contains("SET"); }));
    }
};

WriteRequest requestFor(const QList<ProfileSetting> &settings, bool all = false)
{
    QStringList faults;
    HeadlessForm form;
    setLinkMode(form, false);
    WriteRequest request;
    request.settings = settings;
    request.commands = planCommands(form, settings, faults);
    request.all = all;
    // The station number is this collector's own here: written like any other setting.
    request.givenHere << findProfileKey(QStringLiteral("system"), QStringLiteral("station_number"));
    if (!faults.isEmpty())
        qWarning() << faults;
    return request;
}

// Station number and cycle (one button each) and the RS485 framing (three settings, one button).
const QList<ProfileSetting> profile{
    setting("system.station_number", "00042"), setting("system.transmission_cycle", "15min"),
    setting("rs485.baud_rate", "2400"),        setting("rs485.parity", "Odd"),
    setting("rs485.stop_bits", "1 bit"),
};

} // namespace

Q_DECLARE_METATYPE(Outcome)

class ProfileCoreTest : public QObject
{
    Q_OBJECT
private slots:
    void answerCutInsideAFieldIsNotWhole_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<qint32>("code");
        QTest::addColumn<QStringList>("controls");
        QTest::addColumn<bool>("whole");
        const QStringList system{"Edit7", "ComboBox8", "ComboBox9", "Edit2"};
        const QByteArray head = "TQ1:00001;TM:2501021530;SA:3;SD:02;";
        QTest::newRow("system whole") << head + "DY:05;ER:000;" << 101 << system << true;
        QTest::newRow("cut inside the last field") << head + "DY:0" << 101 << system << false;
        QTest::newRow("cut after the tag") << head + "DY:" << 101 << system << false;
        QTest::newRow("cut between fields") << head + "DY:05;" << 101 << system << true;
        const QStringList slot{"COMAD1", "COMDDATA1"};
        QTest::newRow("slot whole") << QByteArray("COMR1:1,08,0103000000044409;") << 1501 << slot << true;
        QTest::newRow("slot cut by its byte count") << QByteArray("COMR1:1,08,01") << 1501 << slot << false;
        QTest::newRow("coefficient cut")
            << QByteArray("ZDPD03:0,011,0,00,0") << 106 << QStringList{"MPD3XS"} << false;
        QTest::newRow("coefficient whole")
            << QByteArray("ZDPD03:0,011,0,00,00001;") << 106 << QStringList{"MPD3XS"} << true;
    }
    void answerCutInsideAFieldIsNotWhole()
    {
        QFETCH(QByteArray, answer);
        QFETCH(qint32, code);
        QFETCH(QStringList, controls);
        QFETCH(bool, whole);
        QCOMPARE(answerComplete(answer, code, controls), whole);
    }

    void heldByTheCollectorsOwnRule_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("held");
        QTest::addColumn<QString>("given");
        QTest::addColumn<bool>("holds");
        QTest::newRow("station zero-filled") << "Edit7"
                                             << "00042"
                                             << "42" << true;
        QTest::newRow("coefficient zero-filled") << "MAD1XS"
                                                 << "00001"
                                                 << "1" << true;
        QTest::newRow("MPU5 address zero-filled") << "MPD3MADR"
                                                  << "005"
                                                  << "5" << true;
        QTest::newRow("coefficient another number") << "MAD1XS"
                                                    << "00002"
                                                    << "1" << false;
        QTest::newRow("slot frame is no number") << "COMDDATA1"
                                                 << "0103"
                                                 << "103" << false;
    }
    void heldByTheCollectorsOwnRule()
    {
        QFETCH(QString, control);
        QFETCH(QString, held);
        QFETCH(QString, given);
        QFETCH(bool, holds);
        const ProfileKey *key = nullptr;
        for (const ProfileKey &k : profileKeys())
            if (QLatin1String(k.control) == control)
                key = &k;
        QVERIFY(key);
        HeadlessForm collector;
        for (const ProfileKey &k : profileKeys())
            if (qstrcmp(k.button, key->button) == 0 && &k != key)
                applyProfile(collector, {{&k, allowedItems(k).value(0, QStringLiteral("1"))}});
        collector.setText(control, held.toLatin1());
        QCOMPARE(holdsSetting(collector, {key, given}), holds);
    }

    void eachSettingJudged_data()
    {
        QTest::addColumn<QByteArray>("refuse");
        QTest::addColumn<int>("answersLeft");
        QTest::addColumn<QString>("key");
        QTest::addColumn<Outcome>("outcome");
        // The collector starts with 9600, None, 1: the stop bits are right before.
        QTest::newRow("right before, sent with a neighbour: already right")
            << QByteArray() << 1000 << "rs485.stop_bits" << Outcome::AlreadyRight;
        QTest::newRow("held another value before: changed")
            << QByteArray() << 1000 << "rs485.baud_rate" << Outcome::Changed;
        QTest::newRow("answered ERROR: failed")
            << QByteArray("ST:") << 1000 << "system.station_number" << Outcome::Failed;
        // Two reads, then the station number goes out and its answer never comes.
        QTest::newRow("no answer: uncertain")
            << QByteArray() << 2 << "system.station_number" << Outcome::Uncertain;
        QTest::newRow("after the link is lost: not written")
            << QByteArray() << 2 << "rs485.baud_rate" << Outcome::NotWritten;
        QTest::newRow("refused, then the link is lost: still failed")
            << QByteArray("ST:") << 3 << "system.station_number" << Outcome::Failed;
    }
    void eachSettingJudged()
    {
        QFETCH(QByteArray, refuse);
        QFETCH(int, answersLeft);
        QFETCH(QString, key);
        QFETCH(Outcome, outcome);
        SimLink link;
        link.refuse = refuse;
        link.answersLeft = answersLeft;
        const WriteResult result = writeProfile(link, requestFor(profile), {});
        QVERIFY2(result.names(outcome).contains(key), qPrintable(summaryText(result)));
    }

    void stoppedHalfWayNamesWrittenAndNotWritten()
    {
        SimLink link;
        int sets = 0;
        ActionHooks hooks{[&](int, int, const QString &what) { sets += what.startsWith(u"Setting") ? 1 : 0; },
                          [&] { return sets >= 2; }};
        const QList<ProfileSetting> six = profile + QList{setting("system.power_output_delay", "07")};
        const WriteResult result = writeProfile(link, requestFor(six), hooks);
        QCOMPARE(result.ending, Ending::Stopped);
        QCOMPARE(link.setsSent(), 2);
        // In the order of the command tables: the station number and the cycle went out.
        QCOMPARE(result.names(Outcome::NotReadBack),
                 (QStringList{"system.station_number", "system.transmission_cycle"}));
        QCOMPARE(result.count(Outcome::NotWritten), 4);
    }

    void okToEverythingWritesNothingAndSaysSo()
    {
        SimLink link;
        link.okToEverything = true;
        const WriteResult result = writeProfile(link, requestFor(profile), {});
        QCOMPARE(result.ending, Ending::Refused);
        QCOMPARE(result.count(Outcome::NotWritten), profile.size());
        QCOMPARE(link.setsSent(), 0);
        QVERIFY(summaryText(result).contains(QLatin1String("5 not written")));
    }

    void everyCommandToACollectorHoldingAllIsAlreadyRight()
    {
        SimLink link;
        QCOMPARE(writeProfile(link, requestFor(profile), {}).count(Outcome::Changed), 4);
        const WriteResult again = writeProfile(link, requestFor(profile, true), {});
        QCOMPARE(again.count(Outcome::Changed), 0);
        QCOMPARE(again.count(Outcome::AlreadyRight), profile.size());
        QCOMPARE(link.setsSent(), 3 + 3);
    }

    void anotherCollectorsStationNumberIsKept_data()
    {
        QTest::addColumn<bool>("givenHere");
        QTest::addColumn<bool>("restore");
        QTest::addColumn<bool>("userSaysWrite");
        QTest::addColumn<Outcome>("outcome");
        QTest::newRow("from another collector: kept") << false << false << false << Outcome::Kept;
        QTest::newRow("given for this collector: written") << true << false << false << Outcome::Changed;
        QTest::newRow("restoring a backup: written") << false << true << false << Outcome::Changed;
        QTest::newRow("the user says write it") << false << false << true << Outcome::Changed;
    }
    void anotherCollectorsStationNumberIsKept()
    {
        QFETCH(bool, givenHere);
        QFETCH(bool, restore);
        QFETCH(bool, userSaysWrite);
        QFETCH(Outcome, outcome);
        SimLink link;
        WriteRequest request = requestFor(profile);
        if (!givenHere)
            request.givenHere.clear();
        request.restoreIdentity = restore;
        QString asked;
        request.writeIdentity = [&](const QList<IdentityDifference> &differ) {
            asked = differ.first().collector + u'/' + differ.first().profile;
            return userSaysWrite;
        };
        const WriteResult result = writeProfile(link, request, {});
        QVERIFY2(result.names(outcome).contains(QLatin1String("system.station_number")),
                 qPrintable(summaryText(result)));
        QCOMPARE(asked, givenHere || restore ? QString() : QStringLiteral("00012/00042"));
        QCOMPARE(link.sent.join().contains("ST:00042"), outcome == Outcome::Changed);
    }

    void savedProfileOpensAgainWithTheSameValues()
    {
        HeadlessForm form; // as at start: fields empty, nothing picked
        form.setText(QStringLiteral("Edit7"), "123");
        form.setText(QStringLiteral("Edit2"), "95");       // goes out as 90: not saved
        form.setIndex(QStringLiteral("RS485AXIEY"), 14);   // the second of two blank items
        form.setText(QStringLiteral("COMDDATA2"), "0103"); // its enable is not picked: neither saved
        const ProfileToSave saved = profileToSave(form, {});
        const CheckedProfile reopened = checkProfile(QJsonDocument(saved.profile).toJson());
        QVERIFY2(reopened.faults.isEmpty(), qPrintable(reopened.faults.join(u'\n')));
        QStringList faults;
        HeadlessForm planned;
        planCommands(planned, reopened.settings, faults);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
        QCOMPARE(planned.text(QStringLiteral("Edit7")), QByteArray("123"));
        QCOMPARE(planned.index(QStringLiteral("RS485AXIEY")), 14);
        QVERIFY(!planned.holds(QStringLiteral("Edit2")));
        QVERIFY(!planned.holds(QStringLiteral("COMDDATA2")));
        QVERIFY(saved.leftOut.join(u' ').contains(QLatin1String("system.power_output_delay")));
    }
};

QTEST_GUILESS_MAIN(ProfileCoreTest)
#include "test_profile_core.moc"
