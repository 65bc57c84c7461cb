// The window's profile actions against the simulator program, over the pseudo-terminal and over the gateway.
#include "CtlProcess.h"
#include "MessageBoxes.h"
#include "SimWindowRig.h"
#include "app/ProfileActions.h"
#include "profile/ProfileKeys.h"

#include <QDropEvent>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMimeData>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <optional>

#include <sys/stat.h>

namespace {

// tl380ctl reads the collector into a profile, before the window holds the link.
QJsonObject ctlRead(const SimWindowRig &rig, const char *name, std::optional<Via> over = {})
{
    runCtl(QStringList{"read", "-o", rig.path(name)} + rig.linkWords(over));
    QFile file(rig.path(name));
    file.open(QIODevice::ReadOnly);
    return QJsonDocument::fromJson(file.readAll()).object();
}

void writeJson(const QString &path, const QJsonObject &profile)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QJsonDocument(profile).toJson());
}

// The profile with the keys' values made different from what it holds; the keys are named "page.key".
QJsonObject changed(QJsonObject profile, const QStringList &keys)
{
    for (const QString &name : keys) {
        const QString page = name.section(u'.', 0, 0);
        const QString key = name.section(u'.', 1);
        QJsonObject settings = profile.value(page).toObject();
        const QString held = settings.value(key).toString();
        const QStringList items = allowedItems(*findProfileKey(page, key));
        settings.insert(key, items.isEmpty() ? QString::number(held.toInt() % 50 + 1)
                                             : items.at((items.indexOf(held) + 1) % 4));
        profile.insert(page, settings);
    }
    return profile;
}

QStringList sorted(QStringList names)
{
    names.sort();
    return names;
}

const QStringList threeKeys{"channels.din1_mode", "system.station_number", "system.transmission_cycle"};

} // namespace

class ProfileWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void buttons_sit_in_the_strip_below_the_receive_buffer()
    {
        PageWindow w;
        const QRect memo = w.get("Memo8")->geometry();
        int right = 0;
        for (const char *name : {"ProfileOpen", "ProfileSave", "ProfileCompare", "ProfileWrite"}) {
            const QRect place = w.get(name)->geometry();
            QVERIFY2(place.top() > memo.bottom() && place.bottom() < w.form.height() && place.left() > right,
                     name);
            right = place.right();
        }
        QCOMPARE(right, memo.right());
        QCOMPARE(w.get<QPushButton>("ProfileOpen")->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    }

    void open_then_save_gives_back_the_file()
    {
        SimWindowRig rig(Via::Serial);
        ctlRead(rig, "read.json");
        PageWindow w;
        QVERIFY(w.form.profiles().openFile(rig.path("read.json")));
        QVERIFY(w.form.profiles().saveFile(rig.path("saved.json")));
        QCOMPARE(boxTexts(), QStringList());
        QFile read(rig.path("read.json"));
        QFile saved(rig.path("saved.json"));
        QVERIFY(read.open(QIODevice::ReadOnly) && saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), read.readAll());
        QCOMPARE(w.form.profiles().recentProfiles().first(),
                 QFileInfo(rig.path("saved.json")).absoluteFilePath());
    }

    void faulty_profile_changes_no_field()
    {
        PageWindow w;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("faulty.json"));
        writeJson(path,
                  QJsonObject{{"system", QJsonObject{{"station_number", "12"}, {"transmission_cycle", "x"}}},
                              {"gprs", QJsonObject{{"apn", "a#b"}}}});
        QStringList before;
        for (const ProfileKey &key : profileKeys())
            before << w.shown(QLatin1String(key.control));
        QVERIFY(!w.form.profiles().openFile(path));
        QStringList after;
        for (const ProfileKey &key : profileKeys())
            after << w.shown(QLatin1String(key.control));
        QCOMPARE(after, before);
        const QStringList texts = boxTexts();
        QCOMPARE(texts.size(), 1);
        QVERIFY2(texts.first().contains("system.transmission_cycle") && texts.first().contains("gprs.apn"),
                 qPrintable(texts.first()));
    }

    void a_dropped_profile_opens()
    {
        PageWindow w;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("site.json"));
        writeJson(path, QJsonObject{{"system", QJsonObject{{"station_number", "00321"}}}});
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(400, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&w.form, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(400, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&w.form, &drop);
        QCOMPARE(w.shown("Edit7"), QStringLiteral("00321"));
    }

    void compare_marks_exactly_the_changed_rows_data() { bothLinks(); }
    void compare_marks_exactly_the_changed_rows()
    {
        QFETCH(Via, via);
        SimWindowRig rig(via);
        const QJsonObject held = ctlRead(rig, "read.json");
        writeJson(rig.path("site.json"), changed(held, threeKeys));
        rig.connectWindow();
        QVERIFY(rig.actions().openFile(rig.path("site.json")));
        const qint32 expected = rig.w->exchange.ExpectedReplyCode;
        rig.actions().compare();
        // the window's own exchange, and with it the parse timer, saw none of the answers
        QCOMPARE(rig.w->exchange.ExpectedReplyCode, expected);
        QVERIFY(rig.w->exchange.ReplyText.isEmpty());
        QStringList differing;
        for (const ComparedSetting &row : rig.actions().comparison())
            if (row.differs)
                differing << fullName(*row.key);
        QCOMPARE(sorted(differing), threeKeys);
        auto *table = rig.w->form.findChild<QTableWidget *>(QStringLiteral("CompareTable"));
        QVERIFY(table);
        int marked = 0;
        for (int r = 0; r < table->rowCount(); ++r)
            marked += table->item(r, 0)->text().isEmpty() ? 0 : 1;
        QCOMPARE(marked, 3);
        // The README's picture: TL380_COMPARE_SHOT=docs/compare.png
        if (const QString shot = qEnvironmentVariable("TL380_COMPARE_SHOT");
            !shot.isEmpty() && via == Via::Serial)
            QVERIFY(table->window()->grab().save(shot));
        // the pages show what the collector holds
        QCOMPARE(rig.w->shown("Edit7"), held["system"].toObject()["station_number"].toString());
        table->window()->close();
        QCOMPARE(boxTexts(), QStringList());
        // the page's own button works over the link as before
        rig.w->get<QLineEdit>("Edit7")->clear();
        rig.w->get<QPushButton>("Button32")->click();
        QTRY_COMPARE_WITH_TIMEOUT(rig.w->shown("Edit7"),
                                  held["system"].toObject()["station_number"].toString(), 3000);
    }

    void write_sends_only_what_differs_data() { bothLinks(); }
    void write_sends_only_what_differs()
    {
        QFETCH(Via, via);
        SimWindowRig rig(via);
        writeJson(rig.path("site.json"), changed(ctlRead(rig, "read.json"), threeKeys));
        rig.connectWindow();
        QVERIFY(rig.actions().openFile(rig.path("site.json")));
        rig.setsReceived();
        rig.actions().write();
        QCOMPARE(sorted(rig.actions().written().names(Outcome::Changed)), threeKeys);
        QCOMPARE(rig.actions().written().names(Outcome::Failed), QStringList());
        QCOMPARE(rig.setsReceived().size(), 3);
        closeBoxes();
        rig.actions().write();
        QCOMPARE(rig.actions().written().names(Outcome::Changed), QStringList());
        QCOMPARE(rig.setsReceived(), QStringList());
        closeBoxes();
    }

    void write_keeps_the_collectors_station_number_unless_told()
    {
        SimWindowRig rig(Via::Serial);
        writeJson(rig.path("site.json"), changed(ctlRead(rig, "read.json"), {"system.station_number"}));
        rig.identityAnswer = QStringLiteral("KeepIdentity");
        rig.connectWindow();
        QVERIFY(rig.actions().openFile(rig.path("site.json")));
        rig.setsReceived();
        rig.actions().write();
        QCOMPARE(rig.actions().written().names(Outcome::Kept), QStringList{"system.station_number"});
        QCOMPARE(rig.setsReceived(), QStringList());
        QVERIFY(boxTexts().join(u' ').contains(QLatin1String("Kept as the collector's own")));
        rig.identityAnswer = QStringLiteral("WriteIdentity");
        rig.actions().write();
        QCOMPARE(rig.actions().written().names(Outcome::Changed), QStringList{"system.station_number"});
        QCOMPARE(rig.setsReceived().size(), 1);
        closeBoxes();
    }

    void write_over_the_gateway_skips_and_names_serial_only_settings()
    {
        SimWindowRig rig(Via::Gateway);
        writeJson(rig.path("site.json"),
                  changed(ctlRead(rig, "read.json", Via::Serial), {"system.station_number"}));
        rig.connectWindow();
        QVERIFY(rig.actions().openFile(rig.path("site.json")));
        rig.setsReceived();
        rig.actions().write();
        QCOMPARE(rig.actions().written().names(Outcome::Changed), QStringList{"system.station_number"});
        QVERIFY(rig.actions().written().skipped.contains("gprs.apn"));
        QVERIFY(rig.actions().written().skipped.contains("slots.slot4_command"));
        QCOMPARE(rig.setsReceived().size(), 1);
        QVERIFY(boxTexts().first().contains(QLatin1String("gprs.apn")));
    }

    void cancel_leaves_a_summary_of_what_was_sent()
    {
        SimWindowRig rig(Via::Serial);
        const QStringList six{"gprs.centre_port",      "gprs.heartbeat",
                              "gprs.redial",           "system.power_output_delay",
                              "system.station_number", "system.transmission_cycle"};
        writeJson(rig.path("site.json"), changed(ctlRead(rig, "read.json"), six));
        rig.connectWindow();
        QVERIFY(rig.actions().openFile(rig.path("site.json")));
        rig.setsReceived();
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            auto *progress = rig.w->form.findChild<QProgressDialog *>(QStringLiteral("ProfileProgress"));
            if (progress && progress->labelText().startsWith(QLatin1String("Setting 3 of"))) {
                progress->findChild<QPushButton *>()->click();
                watch.stop();
            }
        });
        watch.start(5);
        rig.actions().write();
        const WriteResult &written = rig.actions().written();
        QCOMPARE(written.why, QStringLiteral("stopped"));
        QCOMPARE(written.count(Outcome::NotReadBack) + written.count(Outcome::Failed), 3);
        QCOMPARE(written.count(Outcome::NotWritten), 3);
        QCOMPARE(rig.setsReceived().size(), 3);
        QVERIFY(boxTexts().first().contains(QLatin1String("3 written but not read back")));
    }

    void gateway_reset_during_write_ends_it_and_leaves_the_window_usable()
    {
        // Half an answer to the first read, then the connection is reset.
        ScriptedCollector gateway([](const QByteArray &) {
            return QByteArrayList{"TQ1:00001;TM:25", ScriptedCollector::Reset};
        });
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("site.json"));
        writeJson(path, QJsonObject{{"system", QJsonObject{{"station_number", "00042"}}}});
        PageWindow w;
        QTest::qWait(250);
        w.pick("ComboBox2", 1);
        w.get<QLineEdit>("Edit6")->setText(QStringLiteral("127.0.0.1"));
        w.get<QLineEdit>("Edit34")->setText(gateway.gateway().last().section(u':', 1));
        w.get<QPushButton>("Button13")->click();
        QTRY_COMPARE_WITH_TIMEOUT(w.shown("Label146"), QStringLiteral("Connected"), 3000);
        ProfileActions &actions = w.form.profiles();
        QVERIFY(actions.openFile(path));
        actions.write();
        QVERIFY(!actions.running());
        QCOMPARE(actions.written().ending, Ending::LinkLost);
        QCOMPARE(actions.written().names(Outcome::NotWritten), QStringList{"system.station_number"});
        QVERIFY(boxTexts().join(u' ').contains(QLatin1String("The write ended early")));
        QVERIFY(!w.form.findChild<QProgressDialog *>(QStringLiteral("ProfileProgress")));
        w.form.close();
        QVERIFY(!w.form.isVisible());
    }

    void saved_from_the_start_up_state_opens_again()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("start.json"));
        PageWindow w;
        w.get<QLineEdit>("Edit7")->setText(QStringLiteral("123")); // its page waits for the link mode
        QVERIFY(w.form.profiles().saveFile(path));
        closeBoxes();
        QVERIFY(w.form.profiles().openFile(path));
        QCOMPARE(w.shown("Edit7"), QStringLiteral("123"));
        const CtlResult dry = runCtl({"write", path, "--dry-run", "--serial", "/dev/null"});
        QVERIFY2(dry.status == 0, dry.err);
    }

    void a_fifo_is_no_profile_and_does_not_hold_the_window()
    {
        QTemporaryDir dir;
        const QByteArray fifo = QFile::encodeName(dir.filePath(QStringLiteral("pipe.json")));
        QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
        PageWindow w;
        QElapsedTimer took;
        took.start();
        QVERIFY(!w.form.profiles().openFile(QFile::decodeName(fifo)));
        QVERIFY(took.elapsed() < 1000);
        QVERIFY(boxTexts().join(u' ').contains(QLatin1String("not a regular file")));
    }

    void closing_asks_first_and_closes_after_the_exchange_in_flight()
    {
        SimWindowRig rig(Via::Serial);
        writeJson(rig.path("site.json"), changed(ctlRead(rig, "read.json"), threeKeys));
        rig.connectWindow();
        QVERIFY(rig.actions().openFile(rig.path("site.json")));
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            auto *progress = rig.w->form.findChild<QProgressDialog *>(QStringLiteral("ProfileProgress"));
            if (progress && progress->labelText().startsWith(QLatin1String("Setting 2 of")))
                rig.w->form.close();
            if (auto *question = rig.w->form.findChild<QMessageBox *>(QStringLiteral("CloseQuestion"))) {
                question->button(QMessageBox::Yes)->click();
                watch.stop();
            }
        });
        watch.start(5);
        rig.actions().write();
        QCOMPARE(rig.actions().written().why, QStringLiteral("stopped"));
        QVERIFY(rig.w->form.isVisible());
        closeBoxes();
        QTRY_VERIFY(!rig.w->form.isVisible());
    }
};

QTEST_MAIN(ProfileWindowTest)
#include "test_profile_window.moc"
