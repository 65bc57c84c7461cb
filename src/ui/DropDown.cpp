#include "ui/DropDown.h"

#include "ui/ItemTexts.h"

#include <QComboBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPointer>
#include <QSignalBlocker>

#include <limits>

namespace {

void forgetSelectionWhenEdited(QComboBox *box)
{
    QObject::connect(box->lineEdit(), &QLineEdit::textEdited, box, [box](const QString &text) {
        if (box->currentIndex() < 0)
            return;
        QLineEdit *edit = box->lineEdit();
        const int caret = edit->cursorPosition();
        const QSignalBlocker quiet(box);
        box->setCurrentIndex(-1);
        edit->setText(text);
        edit->setCursorPosition(caret);
    });
}

// One for every box: it only stands in while the edit field is handed over.
QCompleter *standInCompleter()
{
    static QPointer<QCompleter> standIn;
    if (!standIn)
        standIn = new QCompleter(QCoreApplication::instance());
    return standIn;
}

} // namespace

QComboBox *dropDown(QWidget *parent, const QString &name, const QStringList &items, int startIndex,
                    const QRect &place)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    box->setGeometry(place);
    // Filled before the edit field exists, so that the field takes its text once, not once per item.
    // A word shown in the user's language keeps its English item behind it.
    for (const QString &item : items) {
        const QString shown = shownItem(item);
        box->addItem(shown);
        if (shown != item)
            box->setItemData(box->count() - 1, item, ItemValueRole);
    }
    box->setCurrentIndex(startIndex);
    // Editable through an edit field of our own: setEditable() would also build the list's popup,
    // which waits for the user's first look at the list, and a completer, which goes at once. The
    // stand-in completer keeps the box from making its own.
    auto *edit = new QLineEdit(box);
    edit->setPalette(box->palette());
    edit->setCompleter(standInCompleter());
    box->setLineEdit(edit);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    // The toolkit selects the item whose text equals the typed one when editing ends
    // (focus leaving, Return): here only the user's pick selects an item.
    QObject::disconnect(box->lineEdit(), &QLineEdit::editingFinished, box, nullptr);
    box->lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    box->setMaxVisibleItems(16);
    forgetSelectionWhenEdited(box);
    return box;
}

QComboBox *dropDownShowing(QWidget *parent, const QString &name, const QStringList &items,
                           const QString &startText, const QRect &place)
{
    QComboBox *box = dropDown(parent, name, items, -1, place);
    box->setEditText(shownItem(startText));
    return box;
}

namespace {

// The item whose shown text the drop-down shows: the selected one first.
int shownItemAt(const QComboBox *box)
{
    const QString shown = box->currentText();
    const int at = box->currentIndex();
    if (at >= 0 && box->itemText(at) == shown)
        return at;
    return box->findText(shown, Qt::MatchExactly | Qt::MatchCaseSensitive);
}

} // namespace

QString dropDownValue(const QComboBox *box)
{
    const int at = shownItemAt(box);
    if (at >= 0)
        if (const QVariant value = box->itemData(at, ItemValueRole); value.isValid())
            return value.toString();
    return box->currentText();
}

void showDropDownValue(QComboBox *box, const QString &value)
{
    const int at = box->findData(value, ItemValueRole, Qt::MatchExactly | Qt::MatchCaseSensitive);
    box->setEditText(at >= 0 ? box->itemText(at) : value);
}

void onUserChange(QComboBox *box, QObject *context, const std::function<void()> &handler)
{
    QObject::connect(box, &QComboBox::activated, context, [handler] { handler(); });
    QObject::connect(box->lineEdit(), &QLineEdit::textEdited, context, [handler] { handler(); });
}
