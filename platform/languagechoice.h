#pragma once

#include <QString>

#include <optional>

// The languages the program speaks. Russian is the language of its source texts.
enum class Language { Russian, English };

// The parts of the environment that ask for a language, as a person sets them.
struct LanguageEnvironment
{
    QString language;   // LANGUAGE: a priority list, "en_GB:de"
    QString lcAll;      // LC_ALL
    QString lcMessages; // LC_MESSAGES
    QString lang;       // LANG

    static LanguageEnvironment current();
};

// The language the program starts in: the person's remembered choice; else English when the
// environment asks for it (a LANGUAGE entry, or else the messages locale, beginning with "en");
// else Russian. A C or POSIX messages locale means Russian whatever LANGUAGE says, as it does
// for every program that reads LANGUAGE.
Language chooseLanguage(std::optional<Language> remembered, const LanguageEnvironment &environment);

// How a language is remembered: "ru", "en". An unknown code gives nothing.
QString languageCode(Language language);
std::optional<Language> languageFromCode(const QString &code);
