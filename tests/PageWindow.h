#pragma once

#include "app/Tmainform1.h"
#include "commands/ExchangeState.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

// The main window, shown, with its controls looked up by name.
struct PageWindow
{
    ExchangeState exchange;
    Tmainform1 form{exchange};

    PageWindow()
    {
        form.show();
        if (!QTest::qWaitForWindowExposed(&form))
            qWarning("window not exposed");
    }

    template <typename W = QWidget> W *get(const QString &name)
    {
        auto *w = form.findChild<W *>(name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }

    // The user picks item I: the drop-down's activated signal runs its change handler.
    void pick(const QString &name, int index)
    {
        auto *box = get<QComboBox>(name);
        box->setCurrentIndex(index);
        emit box->activated(index);
    }

    void click(const QString &name) { QTest::mouseClick(get(name), Qt::LeftButton); }

    // What a control shows: field or drop-down text, caption, title, memo lines.
    QString shown(const QString &name)
    {
        QWidget *w = get(name);
        if (auto *edit = qobject_cast<QLineEdit *>(w))
            return edit->text();
        if (auto *box = qobject_cast<QComboBox *>(w))
            return box->currentText();
        if (auto *l = qobject_cast<QLabel *>(w))
            return l->text();
        if (auto *b = qobject_cast<QAbstractButton *>(w))
            return b->text();
        if (auto *g = qobject_cast<QGroupBox *>(w))
            return g->title();
        if (auto *m = qobject_cast<QPlainTextEdit *>(w))
            return m->toPlainText();
        qFatal("no text for %s", qPrintable(name));
    }
};
