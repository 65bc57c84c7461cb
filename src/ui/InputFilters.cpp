#include "ui/InputFilters.h"

#include "commands/Gbk.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include <array>
#include <cstring>
#include <functional>
#include <optional>

namespace {

using enum CharacterSet;

// clang-format off
const std::array<FieldFilter, 43> fieldFilters{{
    {"Edit7",     Digits,        5},
    {"Edit2",     Digits,        2},
    {"APNname",   Any,           33},
    {"DNSuser",   Any,           33},
    {"DNSpass",   Any,           11},
    {"Edit22",    Any,           30},
    {"IP1_1",     Digits,        3},
    {"IP1_2",     Digits,        3},
    {"IP1_3",     Digits,        3},
    {"IP1_4",     Digits,        3},
    {"Edit18",    Digits,        5},
    {"Edit19",    Digits,        4},
    {"Edit20",    Digits,        4},
    {"AD1H",      SignedDecimal, 5},
    {"AD1L",      SignedDecimal, 5},
    {"AD1LD",     SignedDecimal, 5},
    {"AD2H",      SignedDecimal, 5},
    {"AD2L",      SignedDecimal, 5},
    {"AD2LD",     SignedDecimal, 5},
    {"AD3H",      SignedDecimal, 5},
    {"AD3L",      SignedDecimal, 5},
    {"AD3LD",     SignedDecimal, 5},
    {"AD4H",      SignedDecimal, 5},
    {"AD4L",      SignedDecimal, 5},
    {"AD4LD",     SignedDecimal, 5},
    {"PUSET1",    Digits,        8},
    {"PUSET2",    Digits,        8},
    {"COMDDATA1", UpperHex,      NoLimit},
    {"COMDDATA2", UpperHex,      NoLimit},
    {"ACOMBY1",   UpperHex,      2},
    {"ACOMBY2",   UpperHex,      2},
    {"ACOMBY3",   UpperHex,      2},
    {"BCOMBY1",   UpperHex,      2},
    {"BCOMBY2",   UpperHex,      2},
    {"BCOMBY3",   UpperHex,      2},
    {"MAD1MADR",  SignedDecimal, 3},
    {"MAD2MADR",  SignedDecimal, 3},
    {"MAD3MADR",  SignedDecimal, 3},
    {"MAD4MADR",  SignedDecimal, 3},
    {"MPD1MADR",  SignedDecimal, 3},
    {"MPD2MADR",  SignedDecimal, 3},
    {"RS485DTM",  SignedDecimal, 3},
    {"Edit3",     UpperHex,      NoLimit},
}};
// Every other field takes anything: discomm, Edit6, Edit34, DLA1, DLA2, MPD3MADR, the
// Length and Coefficient fields, and the command and byte fields of slots 3 and 4.
// clang-format on

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

bool inSet(CharacterSet set, char16_t c)
{
    if (c == Backspace)
        return true;
    switch (set) {
    case Digits:
        return isDigit(c);
    case SignedDecimal:
        return isDigit(c) || c == u'.' || c == u'-';
    case UpperHex:
        return isDigit(c) || (c >= u'A' && c <= u'F');
    case Any:
        return true;
    }
    return false;
}

// The character code a keystroke types, as the field would receive it; none
// for keys that only move the caret, delete forward or move the focus.
std::optional<char16_t> typedCharacter(const QKeyEvent &key)
{
    switch (key.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return std::nullopt;
    case Qt::Key_Backspace:
        return Backspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return u'\r';
    case Qt::Key_Escape:
        return char16_t(27);
    default:
        break;
    }
    const Qt::KeyboardModifiers mods = key.modifiers();
    // A clipboard or editing shortcut arrives as its control character (Ctrl+V is 22).
    if ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier) && key.key() >= Qt::Key_A &&
        key.key() <= Qt::Key_Z)
        return char16_t(key.key() - Qt::Key_A + 1);
    const QString text = key.text();
    if (text.isEmpty())
        return std::nullopt;
    return text.at(0).unicode();
}

class KeyFilter : public QObject
{
public:
    KeyFilter(QLineEdit *edit, const FieldFilter &filter, std::function<void(qsizetype)> afterKey)
        : QObject(edit), m_edit(edit), m_filter(filter), m_afterKey(std::move(afterKey))
    {
        edit->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress)
            return refuses(static_cast<QKeyEvent *>(event));
        if (event->type() == QEvent::InputMethod)
            return refuses(static_cast<QInputMethodEvent *>(event));
        return QObject::eventFilter(watched, event);
    }

private:
    bool refuses(const QKeyEvent *key)
    {
        const std::optional<char16_t> typed = typedCharacter(*key);
        if (!typed)
            return false;
        // The whole text counts, selected or not.
        const qsizetype before = toGbk(m_edit->text()).size();
        const bool accepted = acceptsTyped(m_filter, *typed, before);
        if (m_afterKey)
            m_afterKey(before);
        return !accepted;
    }

    // Characters composed by an input method are typed characters too, each one
    // against the text the one before it left: several committed at once are handed
    // to the field one by one, and only the refused ones stay out.
    bool refuses(QInputMethodEvent *composed)
    {
        const QString committed = composed->commitString();
        if (committed.isEmpty())
            return false;
        const qsizetype first = committed.at(0).isHighSurrogate() && committed.size() > 1 ? 2 : 1;
        if (committed.size() == first) {
            const qsizetype before = toGbk(m_edit->text()).size();
            const bool accepted = acceptsTyped(m_filter, committed.at(0).unicode(), before);
            if (m_afterKey)
                m_afterKey(before);
            return !accepted;
        }
        for (qsizetype i = 0; i < committed.size();) {
            const qsizetype length = committed.at(i).isHighSurrogate() && i + 1 < committed.size() ? 2 : 1;
            QInputMethodEvent one;
            one.setCommitString(committed.mid(i, length));
            QCoreApplication::sendEvent(m_edit, &one);
            i += length;
        }
        QInputMethodEvent rest(composed->preeditString(), composed->attributes());
        QCoreApplication::sendEvent(m_edit, &rest);
        return true;
    }

    QLineEdit *m_edit;
    FieldFilter m_filter;
    std::function<void(qsizetype)> m_afterKey;
};

} // namespace

bool acceptsTyped(const FieldFilter &filter, char16_t typed, qsizetype lengthBefore)
{
    if (!inSet(filter.set, typed))
        return false;
    return filter.limit == NoLimit || typed == Backspace || lengthBefore < filter.limit;
}

const FieldFilter *findFieldFilter(const char *field)
{
    for (const FieldFilter &filter : fieldFilters)
        if (std::strcmp(filter.field, field) == 0)
            return &filter;
    return nullptr;
}

void installInputFilters(QWidget *window)
{
    for (const FieldFilter &filter : fieldFilters) {
        auto *edit = window->findChild<QLineEdit *>(QLatin1String(filter.field));
        if (!edit)
            continue;
        std::function<void(qsizetype)> afterKey;
        if (std::strcmp(filter.field, "RS485DTM") == 0) {
            // The button is usable when the text a keystroke finds is two characters long.
            QPointer<QPushButton> set = window->findChild<QPushButton *>(QStringLiteral("Button83"));
            afterKey = [set](qsizetype before) {
                if (set)
                    set->setEnabled(before == 2);
            };
        }
        new KeyFilter(edit, filter, std::move(afterKey));
    }
}
