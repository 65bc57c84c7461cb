#pragma once

#include "FakeTransport.h"
#include "MapForm.h"
#include "commands/CommandTable.h"
#include "commands/ExchangeState.h"
#include "commands/HandlerError.h"
#include "link/SendStep.h"
#include "replies/ReplyDispatch.h"

#include <QStringList>
#include <QTest>

#include <stdexcept>

// A window as maps, with the send step wired to two recording transports, for
// protocol tests that click buttons and parse replies by name.
struct ProtocolRig
{
    MapForm form;
    ExchangeState exchange;
    FakeTransport serial;
    FakeTransport gateway;
    SendStep step{form, exchange, serial, gateway};

    explicit ProtocolRig(int linkIndex = 0)
    {
        form.indices["ComboBox2"] = linkIndex;
        form.itemCounts["ComboBox2"] = 2;
    }

    // "NAME=text" sets a text, "NAME@3" a selection index.
    void set(const QStringList &settings)
    {
        for (const QString &setting : settings) {
            const qsizetype text = setting.indexOf(u'=');
            const qsizetype index = setting.indexOf(u'@');
            if (text > 0 && (index < 0 || text < index))
                form.texts[setting.left(text)] = setting.mid(text + 1).toUtf8();
            else if (index > 0)
                form.indices[setting.left(index)] = setting.mid(index + 1).toInt();
            else
                QTest::qFail(qPrintable("bad setting " + setting), __FILE__, __LINE__);
        }
    }

    // Compares "NAME=text" and "NAME@3" with the form; a difference fails the test.
    void expect(const QStringList &settings) const
    {
        for (const QString &setting : settings) {
            const qsizetype text = setting.indexOf(u'=');
            const qsizetype index = setting.indexOf(u'@');
            if (text > 0 && (index < 0 || text < index)) {
                const QString name = setting.left(text);
                QCOMPARE(name + '=' + QString::fromUtf8(form.texts.value(name)), setting);
            } else {
                const QString name = setting.left(index);
                QCOMPARE(name + '@' + QString::number(form.index(name)), setting);
            }
        }
    }

    // Builds the button's command and hands it to the send step, as its click does.
    void click(QAnyStringView button)
    {
        const CommandRow *row = findCommand(button);
        if (!row)
            throw std::logic_error("no command for " + button.toString().toStdString());
        step.send(buildCommand(*row, form));
    }

    // The message of the conversion error that parsing the text raises; empty when none is raised.
    QString conversionErrorOf(const QByteArray &reply)
    {
        try {
            parse(reply);
        } catch (const ConversionError &error) {
            return error.message();
        }
        return {};
    }

    // A received text parsed under the code in force, as the parse timer does.
    void parse(const QByteArray &reply)
    {
        exchange.ReplyText = reply;
        parseReply(form, exchange);
    }
};

// The columns of a command table: the button clicked after the settings, the link
// mode's index, and what reaches each transport.
inline void addCommandColumns()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<int>("linkIndex");
    QTest::addColumn<QByteArray>("serial");
    QTest::addColumn<QByteArray>("gateway");
}

// Further columns, where a table has them, follow with <<.
inline QTestData &commandRow(const char *name, const char *button, const QStringList &settings, int linkIndex,
                             const char *serial, const char *gateway)
{
    return QTest::newRow(name) << QString(button) << settings << linkIndex << QByteArray(serial)
                               << QByteArray(gateway);
}

// Runs one row of a command table: the start values and the row's settings,
// the button clicked with codeBefore in force; then what reached each transport,
// the send buffer, and the code in force afterwards.
inline void checkCommandRow(const QStringList &startValues, qint32 codeBefore, qint32 codeAfter)
{
    QFETCH(QString, button);
    QFETCH(QStringList, settings);
    QFETCH(int, linkIndex);
    QFETCH(QByteArray, serial);
    QFETCH(QByteArray, gateway);
    ProtocolRig rig(linkIndex);
    rig.set(startValues);
    rig.set(settings);
    rig.exchange.ExpectedReplyCode = codeBefore;
    rig.click(button);
    QCOMPARE(rig.serial.sent.join('|'), serial);
    QCOMPARE(rig.gateway.sent.join('|'), gateway);
    QCOMPARE(rig.form.texts["discomm"], serial + gateway);
    QCOMPARE(rig.exchange.ExpectedReplyCode, codeAfter);
}
