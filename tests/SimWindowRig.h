// The simulator program, logging what it receives, and a window that reaches it over one link.
#pragma once

#include "PageWindow.h"
#include "app/ProfileActions.h"
#include "test_sim_process.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>
#include <optional>

enum class Via { Serial, Gateway };
Q_DECLARE_METATYPE(Via)

// The data rows of a test run over each link.
inline void bothLinks()
{
    QTest::addColumn<Via>("via");
    QTest::newRow("serial") << Via::Serial;
    QTest::newRow("gateway") << Via::Gateway;
}

struct SimWindowRig
{
    QTemporaryDir dir;
    // Reset to stop the collector, as one pulled off the line.
    std::unique_ptr<simtest::Simulator> sim;
    Via via;
    std::unique_ptr<PageWindow> w;
    QByteArray log;
    // How the window's question about the collector's identity is answered.
    QString identityAnswer = QStringLiteral("WriteIdentity");
    QTimer answering;

    explicit SimWindowRig(Via link, const QStringList &options = {})
        : sim(std::make_unique<simtest::Simulator>(QStringList{"--log"} + options,
                                                   dir.filePath(QStringLiteral("ttyTL380")))),
          via(link)
    {
    }

    QString path(const char *name) const { return dir.filePath(QLatin1String(name)); }
    // The words that give tl380ctl the same simulator over a link.
    QStringList linkWords(std::optional<Via> over = {}) const
    {
        return over.value_or(via) == Via::Serial
                   ? QStringList{"--serial", sim->link}
                   : QStringList{"--gateway", QStringLiteral("127.0.0.1:%1").arg(sim->port)};
    }

    // A new window, its link opened or connected.
    void connectWindow()
    {
        w = std::make_unique<PageWindow>();
        QObject::connect(&answering, &QTimer::timeout, [this] {
            for (QWidget *top : QApplication::topLevelWidgets())
                if (top->objectName() == QLatin1String("IdentityQuestion") && top->isVisible())
                    if (auto *button = top->findChild<QAbstractButton *>(identityAnswer))
                        button->click();
        });
        answering.start(20);
        QTest::qWait(250); // the parse timer's firing at start-up is over
        if (via == Via::Serial) {
            w->pick("ComboBox2", 0);
            w->get<QComboBox>("SPREALCOM")->setEditText(sim->link);
            click("Button10");
        } else {
            w->pick("ComboBox2", 1);
            w->get<QLineEdit>("Edit6")->setText(QStringLiteral("127.0.0.1"));
            w->get<QLineEdit>("Edit34")->setText(QString::number(sim->port));
            click("Button13");
            QTRY_COMPARE_WITH_TIMEOUT(w->shown("Label146"), QStringLiteral("Connected"), 3000);
        }
        QTest::qWait(100);
    }
    bool connected() const
    {
        return via == Via::Serial ? w->shown("Button10") == QStringLiteral("Close")
                                  : w->shown("Label146") == QStringLiteral("Connected");
    }
    void click(const char *name)
    {
        auto *button = w->get<QAbstractButton>(name);
        QVERIFY2(button->isEnabled(), name);
        button->click();
    }
    // A set command, then time for its answer to arrive and be handled before the next command.
    void set(const char *button)
    {
        click(button);
        QTest::qWait(via == Via::Serial ? 400 : 800);
    }
    void type(const char *name, const char *text)
    {
        w->get<QLineEdit>(name)->setText(QString::fromUtf8(text));
    }
    int index(const char *name) { return w->get<QComboBox>(name)->currentIndex(); }
    ProfileActions &actions() { return w->form.profiles(); }

    // The set commands the simulator has received since the last call.
    QStringList setsReceived()
    {
        log += sim->process().readAllStandardError();
        QStringList sets;
        for (const QByteArray &line : log.split('\n'))
            if (line.contains(" <- ") && line.contains("SET"))
                sets << QString::fromLatin1(line.mid(line.indexOf(" <- ") + 4));
        log.clear();
        return sets;
    }
};
