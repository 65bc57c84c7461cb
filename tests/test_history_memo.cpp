#include "app/WidgetForm.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>

// The history box on the widgets: appended text shows as the whole text set at once would.
class HistoryMemoTest : public QObject
{
    Q_OBJECT
private slots:
    void appendShowsAsWhole_data()
    {
        QTest::addColumn<QByteArrayList>("pieces");
        QTest::addColumn<QString>("shown");
        QTest::newRow("one line") << QByteArrayList{"R1\r\n"} << "R1\n";
        QTest::newRow("two lines") << QByteArrayList{"x\r\n", "y\r\n"} << "x\ny\n";
        QTest::newRow("CR LF, CR and LF each break") << QByteArrayList{"a\r\nb\rc\nd\r\n"} << "a\nb\nc\nd\n";
        QTest::newRow("empty lines") << QByteArrayList{"\r\n", "\r\n"} << "\n\n";
        QTest::newRow("GBK text") << QByteArrayList{"\xca\xd0\xb5\xe7\r\n"} << QString::fromUtf8("市电\n");
    }
    void appendShowsAsWhole()
    {
        QFETCH(QByteArrayList, pieces);
        QFETCH(QString, shown);
        QWidget window;
        auto *memo = new QPlainTextEdit(&window);
        memo->setObjectName("Memo7");
        auto *whole = new QPlainTextEdit(&window);
        whole->setObjectName("Whole");
        WidgetForm form(&window);
        for (const QByteArray &piece : pieces)
            form.appendText("Memo7", piece);
        form.setText("Whole", pieces.join());
        QCOMPARE(memo->toPlainText(), shown);
        QCOMPARE(whole->toPlainText(), shown);
        QCOMPARE(form.text("Memo7"), form.text("Whole"));
    }

    void appendAfterClearAndTyping()
    {
        QWidget window;
        auto *memo = new QPlainTextEdit(&window);
        memo->setObjectName("Memo7");
        WidgetForm form(&window);
        form.appendText("Memo7", "old\r\n");
        form.setText("Memo7", {});
        form.appendText("Memo7", "x\r\n");
        form.appendText("Memo7", "y\r\n");
        QCOMPARE(memo->toPlainText(), QString("x\ny\n"));
        memo->setPlainText("typed");
        memo->moveCursor(QTextCursor::Start);
        form.appendText("Memo7", "R1\r\n");
        QCOMPARE(memo->toPlainText(), QString("typedR1\n"));
    }
};

QTEST_MAIN(HistoryMemoTest)
#include "test_history_memo.moc"
