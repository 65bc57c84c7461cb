#include "app/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace {

bool isChinese(const QString &name)
{
    return name.compare(QLatin1String("zh"), Qt::CaseInsensitive) == 0 ||
           name.startsWith(QLatin1String("zh-"), Qt::CaseInsensitive) ||
           name.startsWith(QLatin1String("zh_"), Qt::CaseInsensitive);
}

bool isEnglish(const QString &name)
{
    return name == QLatin1String("C") || name.compare(QLatin1String("en"), Qt::CaseInsensitive) == 0 ||
           name.startsWith(QLatin1String("en-"), Qt::CaseInsensitive) ||
           name.startsWith(QLatin1String("en_"), Qt::CaseInsensitive);
}

// Qt's own texts: from the system's Qt, or from the "translations" folder beside the program, where
// a self-contained installation keeps them.
bool loadQtTexts(QTranslator &translator, const QString &locale)
{
    const QString file = QStringLiteral("qtbase_") + locale;
    const QString folders[] = {
        QLibraryInfo::path(QLibraryInfo::TranslationsPath),
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations"))};
    for (const QString &folder : folders)
        if (translator.load(file, folder))
            return true;
    return false;
}

} // namespace

std::optional<Language> languageNamed(const QString &name)
{
    if (name == QLatin1String("en"))
        return Language::English;
    if (name == QLatin1String("zh_CN") || name == QLatin1String("zh-CN"))
        return Language::SimplifiedChinese;
    return std::nullopt;
}

Language languageFor(const QStringList &uiLanguages)
{
    for (const QString &name : uiLanguages) {
        if (isChinese(name))
            return Language::SimplifiedChinese;
        if (isEnglish(name))
            return Language::English;
    }
    return Language::English;
}

void useLanguage(Language language)
{
    // Owned by the application: one pair for each application the process makes.
    static QPointer<QTranslator> ours;
    static QPointer<QTranslator> qts;
    if (!ours || !qts) {
        ours = new QTranslator(QCoreApplication::instance());
        qts = new QTranslator(QCoreApplication::instance());
    }
    QCoreApplication::removeTranslator(ours);
    QCoreApplication::removeTranslator(qts);
    if (language == Language::English)
        return;
    if (ours->load(QStringLiteral(":/i18n/tl380cfg_zh_CN.qm")))
        QCoreApplication::installTranslator(ours);
    if (loadQtTexts(*qts, QStringLiteral("zh_CN")))
        QCoreApplication::installTranslator(qts);
}
