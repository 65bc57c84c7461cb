#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>

// The message boxes the window has shown and not yet closed, oldest first.
struct ShownBox
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

inline QList<QMessageBox *> openBoxes()
{
    QList<QMessageBox *> boxes;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible())
            boxes << box;
    return boxes;
}

// Closes every open box with OK and tells what they said.
inline QList<ShownBox> closeBoxes()
{
    QList<ShownBox> shown;
    for (QMessageBox *box : openBoxes()) {
        shown << ShownBox{box->windowTitle(), box->text(), box->icon()};
        box->button(QMessageBox::Ok)->click();
    }
    QTest::qWait(10);
    return shown;
}

// Closes every open box with OK and tells their texts.
inline QStringList boxTexts()
{
    QStringList texts;
    for (const ShownBox &box : closeBoxes())
        texts << box.text;
    return texts;
}
