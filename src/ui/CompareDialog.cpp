#include "ui/CompareDialog.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

QDialog *showCompareDialog(QWidget *parent, const QList<CompareRow> &rows, const QString &note)
{
    auto *dialog = new QDialog(parent);
    dialog->setObjectName(QStringLiteral("CompareDialog"));
    dialog->setWindowTitle(QCoreApplication::translate("CompareDialog", "Compare"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    auto *layout = new QVBoxLayout(dialog);
    auto *said = new QLabel(note, dialog);
    said->setObjectName(QStringLiteral("CompareNote"));
    said->setWordWrap(true);
    layout->addWidget(said);

    auto *table = new QTableWidget(int(rows.size()), 4, dialog);
    table->setObjectName(QStringLiteral("CompareTable"));
    table->setHorizontalHeaderLabels({QString(), QCoreApplication::translate("CompareDialog", "Setting"),
                                      QCoreApplication::translate("CompareDialog", "Collector"),
                                      QCoreApplication::translate("CompareDialog", "Profile")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    const QColor shade(255, 224, 160);
    for (int r = 0; r < rows.size(); ++r) {
        const CompareRow &row = rows.at(r);
        const QString cells[] = {row.differs ? QStringLiteral("≠") : QString(), row.setting, row.collector,
                                 row.profile};
        for (int c = 0; c < 4; ++c) {
            auto *item = new QTableWidgetItem(cells[c]);
            if (row.differs)
                item->setBackground(shade);
            table->setItem(r, c, item);
        }
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog->resize(640, 520);
    dialog->show();
    return dialog;
}
