// The window in Simplified Chinese: every caption fits its control, and only what is shown
// changes: the form, the profiles and the commands see the English items.
#include "MessageBoxes.h"
#include "PageWindow.h"
#include "app/Language.h"
#include "app/MessageTexts.h"
#include "app/ProfileActions.h"
#include "profile/ProfileKeys.h"
#include "profile/WriteResult.h"
#include "ui/DropDown.h"

#include <QFontDatabase>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>

namespace {

// What a caption needs beyond its text, and what it has: 0 and 0 for a control without one.
struct Room
{
    int needed = 0;
    int has = 0;
};

Room roomOf(const QWidget *c)
{
    if (auto *l = qobject_cast<const QLabel *>(c))
        return l->text().isEmpty()
                   ? Room{}
                   : Room{l->fontMetrics().horizontalAdvance(l->text()), l->contentsRect().width()};
    if (auto *b = qobject_cast<const QPushButton *>(c))
        return {b->fontMetrics().horizontalAdvance(b->text()) + 8, b->width()};
    if (auto *b = qobject_cast<const QAbstractButton *>(c))
        return {b->sizeHint().width(), b->width()};
    if (auto *g = qobject_cast<const QGroupBox *>(c))
        return {g->fontMetrics().horizontalAdvance(g->title()) + 16, g->width()};
    return {};
}

// A translated item wider than its box is cut, unless its English item was cut already.
QString cutItem(const QComboBox *box)
{
    const QFontMetrics metrics = box->fontMetrics();
    const int room = box->width() - 24;
    for (int i = 0; i < box->count(); ++i) {
        const QVariant english = box->itemData(i, ItemValueRole);
        const int wide = metrics.horizontalAdvance(box->itemText(i));
        if (english.isValid() && wide > room && wide > metrics.horizontalAdvance(english.toString()))
            return box->itemText(i);
    }
    return {};
}

QByteArray savedProfile(const QString &path)
{
    PageWindow w;
    w.pick(QStringLiteral("AD01TNG"), 3);
    w.pick(QStringLiteral("DIN1"), 1);
    w.pick(QStringLiteral("MR485JN"), 2);
    w.pick(QStringLiteral("MAD2XIN"), 13);
    w.pick(QStringLiteral("ComboBox14"), 1);
    w.pick(QStringLiteral("RS485AXIEY"), 9);
    if (!w.form.profiles().saveFile(path))
        return {};
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TranslationTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { useLanguage(Language::English); }

    void languageFollowsTheUsersFirstKnownLanguage_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<bool>("chinese");
        QTest::newRow("C locale") << QStringList{"C"} << false;
        QTest::newRow("English") << QStringList{"en-US", "en"} << false;
        QTest::newRow("Chinese") << QStringList{"zh-CN", "zh-Hans-CN", "zh"} << true;
        QTest::newRow("German first, then Chinese") << QStringList{"de-DE", "zh-CN"} << true;
        QTest::newRow("English before Chinese") << QStringList{"en-GB", "zh-CN"} << false;
        QTest::newRow("none the window speaks") << QStringList{"fr-FR", "de"} << false;
    }
    void languageFollowsTheUsersFirstKnownLanguage()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(bool, chinese);
        QCOMPARE(languageFor(uiLanguages) == Language::SimplifiedChinese, chinese);
    }

    // Every visible caption, button, group title and tab of every page shows whole in Chinese.
    void chineseCaptionsFitTheirControls()
    {
        QVERIFY2(!QFontDatabase::families(QFontDatabase::SimplifiedChinese).isEmpty(),
                 "no Chinese font: install fonts-wqy-microhei");
        useLanguage(Language::SimplifiedChinese);
        PageWindow w;
        QCOMPARE(w.shown(QStringLiteral("Button32")), QStringLiteral("读取参数"));
        auto *tabs = w.get<QTabWidget>(QStringLiteral("PageControl1"));
        QTabBar *bar = tabs->tabBar();
        int checked = 0;
        for (int page = 0; page < tabs->count(); ++page) {
            const int wide = bar->fontMetrics().horizontalAdvance(bar->tabText(page));
            QVERIFY2(wide + 8 <= bar->tabRect(page).width() && bar->tabRect(page).right() < bar->width(),
                     qPrintable(bar->tabText(page)));
            tabs->setCurrentIndex(page);
            for (QWidget *c : w.form.findChildren<QWidget *>()) {
                if (!c->isVisible() || c->objectName().startsWith(QLatin1String("qt_")))
                    continue;
                const QString where = c->objectName();
                const Room room = roomOf(c);
                QVERIFY2(
                    room.needed <= room.has,
                    qPrintable(QStringLiteral("%1 cut: %2 < %3").arg(where).arg(room.has).arg(room.needed)));
                if (auto *box = qobject_cast<QComboBox *>(c))
                    QVERIFY2(cutItem(box).isEmpty(), qPrintable(where + QLatin1String(": ") + cutItem(box)));
                checked += room.needed > 0;
            }
        }
        QVERIFY2(checked > 300, qPrintable(QString::number(checked)));
    }

    // The form reads a translated item as its English one, whether picked, left at its start
    // text or typed in full; a reply's English text shows translated.
    void formSeesTheEnglishItems()
    {
        useLanguage(Language::SimplifiedChinese);
        PageWindow w;
        Form &form = w.form.form();
        w.pick(QStringLiteral("AD01TNG"), 3);
        QCOMPARE(w.shown(QStringLiteral("AD01TNG")), QStringLiteral("3 RS485直读通道 MAD3"));
        QCOMPARE(form.text(QStringLiteral("AD01TNG")), QByteArray("3 Direct Read RS485 Channel MAD3"));
        QCOMPARE(form.index(QStringLiteral("AD01TNG")), 3);
        QCOMPARE(form.text(QStringLiteral("INP1")), QByteArray("1-IN1 Channel Pulse Totalizer"));
        QCOMPARE(form.text(QStringLiteral("COMAD2")), QByteArray("0-Close"));
        QTest::keyClicks(w.get<QComboBox>(QStringLiteral("MR485JN"))->lineEdit(), QStringLiteral("x"));
        w.get<QComboBox>(QStringLiteral("MR485JN"))->setEditText(QStringLiteral("奇校验"));
        QCOMPARE(form.index(QStringLiteral("MR485JN")), -1);
        QCOMPARE(form.text(QStringLiteral("MR485JN")), QByteArray("Odd"));
        form.setText(QStringLiteral("COMAD3"), "1-Open");
        QCOMPARE(w.shown(QStringLiteral("COMAD3")), QStringLiteral("1-开启"));
        // Values are shown as they are.
        QCOMPARE(w.shown(QStringLiteral("ComboBox8")), QStringLiteral("1min"));
        QCOMPARE(form.text(QStringLiteral("ComboBox9")), QByteArray("30min"));
    }

    // In English the window loads no translation: no drop-down keeps a value apart from its text.
    void englishWindowIsUntranslated()
    {
        useLanguage(Language::SimplifiedChinese);
        useLanguage(Language::English);
        PageWindow w;
        QCOMPARE(w.shown(QStringLiteral("Button19")), QStringLiteral("Parameter Initialization"));
        for (QComboBox *box : w.form.findChildren<QComboBox *>())
            for (int i = 0; i < box->count(); ++i)
                QVERIFY2(!box->itemData(i, ItemValueRole).isValid(), qPrintable(box->objectName()));
    }

    // A known message keeps its particulars, whatever they hold; an unknown one stays as it is.
    void messagesKeepTheirParticulars_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("chinese");
        QTest::newRow("integer") << QStringLiteral("'1%2a' is not a valid integer value")
                                 << QStringLiteral("“1%2a”不是有效的整数值。");
        QTest::newRow("socket")
            << QStringLiteral("Windows socket error: Connection refused (10061), on API 'connect'")
            << QStringLiteral("Windows 套接字错误：Connection refused (10061)，API “connect”。");
        QTest::newRow("system's own reason") << QStringLiteral("/dev/ttyUSB0: permission denied")
                                             << QStringLiteral("/dev/ttyUSB0: permission denied");
    }
    void messagesKeepTheirParticulars()
    {
        QFETCH(QString, message);
        QFETCH(QString, chinese);
        QCOMPARE(shownMessage(message), message);
        useLanguage(Language::SimplifiedChinese);
        QCOMPARE(shownMessage(message), chinese);
    }

    // The write's summary is shown in Chinese; tl380ctl's counts, the same result's, never are.
    void writeSummaryIsShownTranslatedItsDataIsNot()
    {
        useLanguage(Language::SimplifiedChinese);
        WriteResult result;
        result.outcomes << std::pair{&profileKeys().front(), Outcome::Changed};
        QVERIFY2(summaryText(result).startsWith(QStringLiteral("1 项已更改")),
                 qPrintable(summaryText(result)));
        QCOMPARE(countsLine(result), QStringLiteral("1 changed, 0 already right, 0 failed"));
        useLanguage(Language::English);
        QVERIFY(summaryText(result).startsWith(QStringLiteral("1 changed, 0 already right, 0 failed.")));
    }

    // The reason a write ends at once is the link's own text, shown in Chinese with the rest.
    void writeWithNoLinkOpenSaysWhyInChinese()
    {
        useLanguage(Language::SimplifiedChinese);
        PageWindow w;
        w.get<QPushButton>("ProfileWrite")->click();
        const QStringList texts = boxTexts();
        QCOMPARE(texts.size(), 1);
        QVERIFY2(
            texts.first().startsWith(QStringLiteral("写入提前结束：串口未打开：请先选择串口并点击“打开”。")),
            qPrintable(texts.first()));
    }

    void profileSavedInChineseIsTheEnglishOne()
    {
        QTemporaryDir dir;
        const QByteArray english = savedProfile(dir.filePath(QStringLiteral("en.json")));
        useLanguage(Language::SimplifiedChinese);
        const QByteArray chinese = savedProfile(dir.filePath(QStringLiteral("zh.json")));
        QVERIFY(english.contains("\"3 Direct Read RS485 Channel MAD3\""));
        QCOMPARE(chinese, english);
    }
};

QTEST_MAIN(TranslationTest)
#include "test_translation.moc"
