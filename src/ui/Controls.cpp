#include "ui/Controls.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

template <typename W> W *placed(W *widget, const QString &name, const QRect &place)
{
    widget->setObjectName(name);
    widget->setGeometry(place);
    return widget;
}

} // namespace

QLabel *label(QWidget *parent, const QString &name, const QString &caption, const QRect &place)
{
    auto *l = placed(new QLabel(caption, parent), name, place);
    l->setTextFormat(Qt::PlainText);
    return l;
}

QLineEdit *field(QWidget *parent, const QString &name, const QString &text, const QRect &place)
{
    auto *edit = placed(new QLineEdit(text, parent), name, place);
    edit->setMaxLength(std::numeric_limits<int>::max());
    return edit;
}

QPushButton *button(QWidget *parent, const QString &name, const QString &caption, const QRect &place)
{
    auto *b = placed(new QPushButton(caption, parent), name, place);
    b->setAutoDefault(false);
    return b;
}

QCheckBox *checkBox(QWidget *parent, const QString &name, const QString &caption, const QRect &place)
{
    return placed(new QCheckBox(caption, parent), name, place);
}

QGroupBox *groupBox(QWidget *parent, const QString &name, const QString &title, const QRect &place)
{
    return placed(new QGroupBox(title, parent), name, place);
}

QPlainTextEdit *memo(QWidget *parent, const QString &name, const QRect &place)
{
    auto *box = placed(new QPlainTextEdit(parent), name, place);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return box;
}
