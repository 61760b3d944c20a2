#include "app/translations.h"

#include "platform/programidentity.h"

#include "platform/datapaths.h"
#include "platform/errordisplay.h"
#include "platform/platformerror.h"
#include "platform/settingsstore.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

const char ApplicationTitle[] = QT_TRANSLATE_NOOP("Application", "Анализ иерархий");
const char MissingTranslationMessage[] =
    QT_TRANSLATE_NOOP("Application", "Не удалось загрузить английский перевод из «%1»; программа продолжит работу на русском языке.");
const QString EnglishFile = QStringLiteral("analyze_en");
const QString QtRussianFile = QStringLiteral("qtbase_ru");

Language currentLanguage = Language::Russian;
QTranslator *programTranslator = nullptr;
QTranslator *qtTranslator = nullptr;

void remove(QTranslator *&translator)
{
    if (!translator)
        return;
    QCoreApplication::removeTranslator(translator);
    delete translator;
    translator = nullptr;
}

QTranslator *load(const QString &file, const QString &directory)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file, directory))
        return translator;
    delete translator;
    return nullptr;
}

// The English texts, loaded once for inEveryLanguage whatever language is installed.
const QTranslator *englishTexts()
{
    static QTranslator english;
    static const bool loaded = english.load(EnglishFile, dataDirectory(QStringLiteral("translations")));
    return loaded ? &english : nullptr;
}

}

void Translations::apply(Language language)
{
    remove(programTranslator);
    remove(qtTranslator);
    currentLanguage = Language::Russian;
    if (language == Language::English) {
        const QString directory = dataDirectory(QStringLiteral("translations"));
        programTranslator = load(EnglishFile, directory);
        if (programTranslator) {
            QCoreApplication::installTranslator(programTranslator);
            currentLanguage = Language::English;
        }
    }
    // English needs no translation of Qt's own dialogs.
    if (currentLanguage == Language::Russian) {
        qtTranslator = load(QtRussianFile, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        if (qtTranslator)
            QCoreApplication::installTranslator(qtTranslator);
    }
    ProgramIdentity::setTitle(QCoreApplication::translate("Application", ApplicationTitle));
    if (language != currentLanguage) {
        const QString directory = dataDirectory(QStringLiteral("translations"));
        ErrorDisplay::show(QCoreApplication::translate("Application", MissingTranslationMessage)
                               .arg(directory.isEmpty() ? EnglishFile + QStringLiteral(".qm") : directory));
    }
}

void Translations::applyChosen()
{
    // The environment's language first, so that a message about the settings file speaks it.
    const Language fromEnvironment = chooseLanguage(std::nullopt, LanguageEnvironment::current());
    apply(fromEnvironment);
    std::optional<Language> remembered;
    try {
        remembered = SettingsStore::readLanguage();
    } catch (const PlatformError &error) {
        ErrorDisplay::show(error.message());
    }
    if (remembered && *remembered != fromEnvironment)
        apply(*remembered);
}

Language Translations::current()
{
    return currentLanguage;
}

QStringList Translations::inEveryLanguage(const TranslatableText &text)
{
    QStringList texts{QString::fromUtf8(text.source)};
    if (const QTranslator *english = englishTexts()) {
        const QString translated = english->translate(text.context, text.source);
        if (!translated.isEmpty())
            texts << translated;
    }
    return texts;
}
