// The command-line program sends what the window sends: the same rows, the same lists, the same typing rules.
#include "PageWindow.h"
#include "commands/CommandTable.h"
#include "commands/DropDownItems.h"
#include "commands/QueryCommands.h"
#include "commands/TypingRules.h"
#include "profile/ProfileKeys.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

namespace {

// A value each key can take that differs from most start values.
QString sampleValue(const ProfileKey &key)
{
    const QStringList items = allowedItems(key);
    if (!items.isEmpty())
        return items.at(qMin<qsizetype>(2, items.size() - 1));
    const TypingRule *rule = typingRuleOf(QLatin1String(key.control));
    if (rule && rule->characters == TypedCharacters::UpperHex)
        return QStringLiteral("0A");
    if (rule && rule->characters == TypedCharacters::Any)
        return QStringLiteral("ab");
    return QStringLiteral("12");
}

// Rows that set nothing a profile holds: queries, the link's own commands, the clock
// (tl380ctl clock), the model, the counter presets and the calibration frame.
const char *const NoSettingRows[] = {"Button14", "Button19", "Button5", "Button15",
                                     "Button52", "Button53", "Button45"};

} // namespace

class TestCtlRows : public QObject
{
    Q_OBJECT
private slots:
    void everySettingRowHasItsKeys();
    void dryRunSendsTheWindowsBytes_data();
    void dryRunSendsTheWindowsBytes();
    void dropDownsHoldTheSameItems();
};

void TestCtlRows::everySettingRowHasItsKeys()
{
    QSet<QString> covered;
    for (const ProfileKey &key : profileKeys())
        covered << QLatin1String(key.button);
    for (const char *row : NoSettingRows)
        covered << QLatin1String(row);
    for (const CommandRow &row : queryCommands())
        covered << QLatin1String(row.button);
    for (const auto family : commandFamilies())
        for (const CommandRow &row : family)
            QVERIFY2(covered.contains(QLatin1String(row.button)), row.button);
}

void TestCtlRows::dryRunSendsTheWindowsBytes_data()
{
    QTest::addColumn<bool>("gateway");
    QTest::newRow("serial") << false;
    QTest::newRow("gateway") << true;
}

// Every setting through the window's controls and "Set" rows, and through a profile and --dry-run.
void TestCtlRows::dryRunSendsTheWindowsBytes()
{
    QFETCH(bool, gateway);
    PageWindow w;
    w.get<QComboBox>(QStringLiteral("ComboBox2"))->setCurrentIndex(gateway ? 1 : 0);
    QJsonObject profile;
    QStringList buttons;
    for (const ProfileKey &key : profileKeys()) {
        if (gateway && needsSerial(key))
            continue;
        const QString value = sampleValue(key);
        if (auto *box = w.form.findChild<QComboBox *>(QLatin1String(key.control)))
            box->setCurrentIndex(int(box->findText(value, Qt::MatchExactly)));
        else
            w.get<QLineEdit>(QLatin1String(key.control))->setText(value);
        QJsonObject page = profile.value(QLatin1String(key.page)).toObject();
        page.insert(QLatin1String(key.key), value);
        profile.insert(QLatin1String(key.page), page);
        if (!buttons.contains(QLatin1String(key.button)))
            buttons << QLatin1String(key.button);
    }
    QByteArray windowSends;
    for (const auto family : commandFamilies())
        for (const CommandRow &row : family)
            if (buttons.contains(QLatin1String(row.button)))
                windowSends += buildCommand(row, w.form.form()).text + '\n';
    QVERIFY(windowSends.count('\n') >= 30);

    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("profile.json")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QJsonDocument(profile).toJson());
    file.close();
    QStringList arguments{QStringLiteral("write"), file.fileName(), QStringLiteral("--dry-run")};
    if (gateway)
        arguments << QStringLiteral("--gateway") << QStringLiteral("127.0.0.1");
    QProcess ctl;
    ctl.start(QStringLiteral(TL380CTL_PATH), arguments);
    QVERIFY(ctl.waitForFinished(10000));
    QVERIFY2(ctl.exitCode() == 0, ctl.readAllStandardError());
    QCOMPARE(ctl.readAllStandardOutput(), windowSends);
}

void TestCtlRows::dropDownsHoldTheSameItems()
{
    PageWindow w;
    for (QComboBox *box : w.form.findChildren<QComboBox *>()) {
        if (box->objectName() == QLatin1String("SPREALCOM")) // the system's ports
            continue;
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        QCOMPARE(dropDownItems(box->objectName()), items);
    }
}

QTEST_MAIN(TestCtlRows)
#include "test_ctl_rows.moc"
