#include "ui/CsvFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QSaveFile>

QString askCsvPath(QWidget *parent, const QString &title, const QString &suggestedName)
{
    QFileDialog dialog(parent, title, QDir::home().filePath(suggestedName),
                       QCoreApplication::translate("CsvFile", "CSV files (*.csv)"));
    dialog.setObjectName(QStringLiteral("CsvSaveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

bool saveCsv(QWidget *parent, const QString &path, const QByteArray &csv)
{
    QSaveFile file(path);
    const QByteArray bytes = "\xEF\xBB\xBF" + csv;
    // A write the disk cuts short is no error to write(): only the flush says so, and commit()
    // would then put the cut file in place. So the flush is asked first.
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() && file.commit())
        return true;
    file.cancelWriting();
    auto *box = new QMessageBox(QMessageBox::Warning, parent ? parent->window()->windowTitle() : QString(),
                                QCoreApplication::translate("CsvFile", "%1: not saved: %2")
                                    .arg(QDir::toNativeSeparators(path), file.errorString()),
                                QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("CsvNotSaved"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->show();
    return false;
}
