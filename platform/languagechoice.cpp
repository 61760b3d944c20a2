#include "platform/languagechoice.h"

#include <QStringList>

namespace {

bool isCLocale(const QString &locale)
{
    const QString name = locale.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    return name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX");
}

// The language a locale or LANGUAGE entry names, when it is one the program speaks.
std::optional<Language> spokenLanguage(const QString &entry)
{
    if (entry.startsWith(QLatin1String("en")))
        return Language::English;
    if (entry.startsWith(QLatin1String("ru")))
        return Language::Russian;
    return std::nullopt;
}

}

LanguageEnvironment LanguageEnvironment::current()
{
    return {qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"),
            qEnvironmentVariable("LC_MESSAGES"), qEnvironmentVariable("LANG")};
}

Language chooseLanguage(std::optional<Language> remembered, const LanguageEnvironment &environment)
{
    if (remembered)
        return *remembered;
    QString messagesLocale = environment.lcAll;
    if (messagesLocale.isEmpty())
        messagesLocale = environment.lcMessages;
    if (messagesLocale.isEmpty())
        messagesLocale = environment.lang;
    if (isCLocale(messagesLocale))
        return Language::Russian;
    // LANGUAGE lists languages in order of preference: the first one spoken here decides.
    const QStringList preferred = environment.language.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString &entry : preferred) {
        if (const auto language = spokenLanguage(entry))
            return *language;
    }
    return spokenLanguage(messagesLocale).value_or(Language::Russian);
}

QString languageCode(Language language)
{
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("ru");
}

std::optional<Language> languageFromCode(const QString &code)
{
    if (code == QLatin1String("en"))
        return Language::English;
    if (code == QLatin1String("ru"))
        return Language::Russian;
    return std::nullopt;
}
