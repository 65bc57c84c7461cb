// Readings from records and live answers: a download cut anywhere, the record's own time, CSV fields
// that need quoting, the 24 hours kept and the lines thinned for drawing.
#include "replies/HistoryRecords.h"
#include "replies/Readings.h"
#include "replies/ReadingsCsv.h"
#include "ui/ReadingSeries.h"

#include <QTest>

#include <cmath>

namespace {

const QByteArray record = "REC:190;TM:26-12-09 00:15;V:12.5;A01:14509;A02:17576;A03:10307;A04:10340;"
                          "A05:00000;A06:11.84;P01:000000000;P02:000015370;P03:000000000;K01:103;";

} // namespace

class ReadingsTest : public QObject
{
    Q_OBJECT

private slots:
    void records_come_whole_however_the_link_cuts_them_data()
    {
        QTest::addColumn<int>("cut");
        QTest::newRow("inside a record") << 40;
        QTest::newRow("between CR and LF") << int(record.size()) + 1;
        QTest::newRow("right after CR LF") << int(record.size()) + 2;
        QTest::newRow("in the second record") << int(record.size()) + 30;
    }
    void records_come_whole_however_the_link_cuts_them()
    {
        QFETCH(int, cut);
        const QByteArray stream = record + "\r\n" + record + "\r\n";
        HistoryRecords records;
        records.add(stream.left(cut));
        records.add(stream.mid(cut));
        QCOMPARE(records.records(), QList<QByteArray>({record, record}));
    }

    void a_new_download_drops_the_unfinished_record()
    {
        HistoryRecords records;
        records.add(record + "\r\nREC:191;TM:26-1");
        records.restart();
        records.add(record + "\r\n");
        QCOMPARE(records.records(), QList<QByteArray>({record, record}));
    }

    void a_record_read_by_the_live_tags()
    {
        const QStringList readings = readingsOf(record);
        const QStringList expected{"",          "26-12-09 00:15", "12.5",   "14509",  "17576",
                                   "10307",     "10340",          "00000",  "11.84",  "000000000",
                                   "000015370", "000000000",      "1_市电", "0_Open", "3_Count"};
        QCOMPARE(readings, expected);
        const auto columns = readingColumns();
        QCOMPARE(plottedValue(columns[13], readings[13]), std::optional(0.0));
        QCOMPARE(plottedValue(columns[14], readings[14]), std::nullopt); // counting pulses: no state to draw
        QCOMPARE(plottedValue(columns[11 - 1], readings[10]), std::optional(15370.0));
        QCOMPARE(recordTime(record), std::optional(QDateTime(QDate(2026, 12, 9), QTime(0, 15))));
        QCOMPARE(recordTime("REC:1;TM:26-12-09 00:15:30;"),
                 std::optional(QDateTime(QDate(2026, 12, 9), QTime(0, 15, 30))));
        QCOMPARE(recordTime("REC:1;TM:yesterday;"), std::nullopt);
        QCOMPARE(historyCsvRow(record).left(30), QByteArray("2026-12-09T00:15:00,190,26-12-"));
    }

    void fields_with_separators_are_quoted()
    {
        const QByteArray row = historyCsvRow("REC:7;TM:a,b\r\n\"c\";V:12.5;");
        QVERIFY2(row.startsWith(",7,\"a,b\r\n\"\"c\"\"\",12.5,"), row);
        QVERIFY(row.endsWith('\n'));
    }

    void the_last_24_hours_are_kept_and_thinned_without_losing_a_peak()
    {
        ReadingSeries store(ReadingSeries::Day);
        const qint64 start = 1'800'000'000'000;
        for (int i = 0; i < 2 * 17280; ++i) {
            const int a = i == 20000 ? 99999 : i == 30000 ? 0 : 5000 + i % 7;
            store.append(start + qint64(i) * 5000,
                         readingsOf("A01:" + QByteArray::number(a).rightJustified(5, '0')));
        }
        QCOMPARE(store.size(), 17281);
        QCOMPARE(store.lastMs() - store.firstMs(), ReadingSeries::Day);
        const int a01 = 1; // after the voltage
        const ReadingSeries::Line line = store.line(a01, 400);
        QVERIFY(line.points.size() <= 800);
        QCOMPARE(line.high, 99999.0);
        QCOMPARE(line.low, 0.0);
        bool peak = false;
        for (const QPointF &p : line.points)
            peak = peak || p.y() == 99999.0;
        QVERIFY(peak);
        QVERIFY(std::is_sorted(line.points.begin(), line.points.end(),
                               [](const QPointF &a, const QPointF &b) { return a.x() < b.x(); }));
        QVERIFY(store.line(0, 400).points.isEmpty()); // no voltage in these answers
    }
};

QTEST_GUILESS_MAIN(ReadingsTest)
#include "test_readings.moc"
