#include "ui/PageGrid.h"

#include "ui/Controls.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

QGridLayout *gridOf(QWidget *box)
{
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    return grid;
}

QLineEdit *fitChars(QLineEdit *edit, int chars)
{
    const QFontMetrics metrics = edit->fontMetrics();
    edit->setFixedWidth(metrics.horizontalAdvance(QString(chars, QLatin1Char('0'))) + 12);
    return edit;
}

QComboBox *fitChars(QComboBox *box, int chars)
{
    // Room for the text, the arrow and the frame.
    const QFontMetrics metrics = box->fontMetrics();
    box->setFixedWidth(metrics.horizontalAdvance(QString(chars, QLatin1Char('0'))) + 32);
    return box;
}

QPushButton *snug(QPushButton *button)
{
    const QFontMetrics metrics = button->fontMetrics();
    button->setFixedWidth(metrics.horizontalAdvance(button->text()) + 18);
    return button;
}

QLabel *caption(QWidget *parent, const QString &forControl, const QString &text)
{
    return label(parent, forControl + QStringLiteral("Caption"), text, {});
}

QLabel *unit(QWidget *parent, const QString &forControl, const QString &text)
{
    return label(parent, forControl + QStringLiteral("Unit"), text, {});
}
