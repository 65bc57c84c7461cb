#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The languages the window's texts come in. English is the language of the source texts: in
// English no translation is loaded at all.
enum class Language { English, SimplifiedChinese };

// "en" or "zh_CN" (also written "zh-CN"), as --lang takes them.
std::optional<Language> languageNamed(const QString &name);

// The first of the user's interface languages (most wanted first, as QLocale::uiLanguages()
// gives them) that the window speaks; English when none is.
Language languageFor(const QStringList &uiLanguages);

// Makes the running application's texts those of the language: the window's own and Qt's
// (dialog buttons, file dialogs, the command-line help). Texts made earlier keep their language.
void useLanguage(Language language);
