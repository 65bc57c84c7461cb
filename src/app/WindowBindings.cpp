// Each control's handler bound to its event: the command rows, the handlers by name, the profile buttons.
#include "app/Tmainform1.h"

#include "app/DataWatch.h"
#include "app/HandlerGuard.h"
#include "app/ProfileActions.h"
#include "commands/CommandTable.h"
#include "link/TComm.h"
#include "ui/ClickFilter.h"
#include "ui/DependentControls.h"
#include "ui/DropDown.h"
#include "ui/InputFilters.h"

#include <QComboBox>
#include <QHash>
#include <QPushButton>
#include <QTimer>

template <typename Handler> void Tmainform1::bind(QObject *sender, Handler handler)
{
    if (auto *b = qobject_cast<QPushButton *>(sender))
        connect(b, &QPushButton::clicked, this,
                [this, handler] { guarded(this, [&] { (this->*handler)(); }); });
}

void Tmainform1::bindHandlers()
{
    // One pass over the buttons rather than a search of the whole window per row.
    QHash<QString, QPushButton *> buttons;
    for (QPushButton *b : findChildren<QPushButton *>())
        buttons.insert(b->objectName(), b);
    for (const auto family : commandFamilies())
        for (const CommandRow &row : family)
            if (auto *b = buttons.value(QLatin1String(row.button)))
                connect(b, &QPushButton::clicked, this,
                        [this, &row] { guarded(this, [&] { runCommand(row); }); });

    bind(findChild<QPushButton *>(QStringLiteral("Button10")), &Tmainform1::Button10Click);
    bind(findChild<QPushButton *>(QStringLiteral("Button58")), &Tmainform1::Button58Click);
    onUserChange(findChild<QComboBox *>(QStringLiteral("ComboBox2")), this,
                 [this] { guarded(this, [this] { ComboBox2Change(); }); });
    onClickOrDoubleClick(findChild<QWidget *>(QStringLiteral("Label20")), [this] { Label20Click(); });
    bindDependentControls(this, m_form);
    installInputFilters(this);

    connect(Comm1, &TComm::ReceiveData, this,
            [this](const QByteArray &piece) { guarded(this, [&] { Comm1ReceiveData(piece); }); });
    connect(Timer6, &QTimer::timeout, this, [this] { guarded(this, [this] { Timer6Timer(); }); });
    bindGatewayHandlers();
    bindProfileButtons();
    m_watch = new DataWatch(this, m_form, *Comm1, *ClientSocket1, m_trace, *m_profiles);
}

void Tmainform1::bindProfileButtons()
{
    const std::pair<const char *, void (ProfileActions::*)()> buttons[] = {
        {"ProfileOpen", &ProfileActions::open},
        {"ProfileSave", &ProfileActions::save},
        {"ProfileCompare", &ProfileActions::compare},
        {"ProfileWrite", &ProfileActions::write},
    };
    for (const auto &[name, action] : buttons)
        if (auto *b = findChild<QPushButton *>(QLatin1String(name)))
            connect(b, &QPushButton::clicked, this,
                    // The actions object is the window's for its whole life; held by the outer
                    // handler, as UBSan's type check misreads a member reached from the inner one.
                    [this, profiles = m_profiles, action] { guarded(this, [&] { (profiles->*action)(); }); });
    m_profiles->whenIdle([this] {
        if (m_closeWhenIdle)
            close();
    });
}
