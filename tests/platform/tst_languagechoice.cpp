// Which language the program starts in, and how the choice is remembered.

#include "platform/languagechoice.h"
#include "platform/settingsstore.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(Language)

class TstLanguageChoice : public QObject
{
    Q_OBJECT
private slots:
    void startLanguage_data();
    void startLanguage();
    void remembersTheChoice();
    void unknownRememberedValueIsNoChoice();
};

void TstLanguageChoice::startLanguage_data()
{
    QTest::addColumn<QString>("remembered");
    QTest::addColumn<QString>("languageVar");
    QTest::addColumn<QString>("lcAll");
    QTest::addColumn<QString>("lcMessages");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<Language>("expected");

    const Language ru = Language::Russian;
    const Language en = Language::English;
    QTest::newRow("nothing set") << "" << "" << "" << "" << "" << ru;
    QTest::newRow("Russian locale") << "" << "" << "" << "" << "ru_RU.UTF-8" << ru;
    QTest::newRow("English locale") << "" << "" << "" << "" << "en_US.UTF-8" << en;
    QTest::newRow("British English") << "" << "" << "" << "" << "en_GB" << en;
    QTest::newRow("German locale") << "" << "" << "" << "" << "de_DE.UTF-8" << ru;
    QTest::newRow("LANGUAGE asks for English") << "" << "en" << "" << "" << "de_DE.UTF-8" << en;
    QTest::newRow("LANGUAGE asks for Russian") << "" << "ru" << "" << "" << "en_US.UTF-8" << ru;
    QTest::newRow("LANGUAGE: first spoken one") << "" << "de:fr:en_GB:ru" << "" << "" << "de_DE.UTF-8" << en;
    QTest::newRow("LANGUAGE speaks nothing known") << "" << "de:fr" << "" << "" << "en_US.UTF-8" << en;
    QTest::newRow("C locale") << "" << "" << "" << "" << "C" << ru;
    QTest::newRow("C.UTF-8 locale") << "" << "" << "" << "" << "C.UTF-8" << ru;
    QTest::newRow("POSIX locale") << "" << "" << "" << "" << "POSIX" << ru;
    QTest::newRow("C locale ignores LANGUAGE") << "" << "en" << "" << "" << "C" << ru;
    QTest::newRow("LC_ALL overrides LANG") << "" << "" << "en_US.UTF-8" << "" << "ru_RU.UTF-8" << en;
    QTest::newRow("LC_ALL=C overrides LANG") << "" << "" << "C.UTF-8" << "" << "en_US.UTF-8" << ru;
    QTest::newRow("LC_MESSAGES overrides LANG") << "" << "" << "" << "en_US" << "ru_RU" << en;
    QTest::newRow("remembered Russian wins") << "ru" << "en" << "en_US" << "" << "en_US" << ru;
    QTest::newRow("remembered English wins") << "en" << "ru" << "" << "" << "C" << en;
}

void TstLanguageChoice::startLanguage()
{
    QFETCH(QString, remembered);
    QFETCH(QString, languageVar);
    QFETCH(QString, lcAll);
    QFETCH(QString, lcMessages);
    QFETCH(QString, lang);
    QFETCH(Language, expected);

    const LanguageEnvironment environment{languageVar, lcAll, lcMessages, lang};
    QCOMPARE(chooseLanguage(languageFromCode(remembered), environment), expected);
}

void TstLanguageChoice::remembersTheChoice()
{
    QCOMPARE(SettingsStore::readLanguage(), std::nullopt);
    SettingsStore::writeLanguage(Language::English);
    QCOMPARE(SettingsStore::readLanguage(), std::optional<Language>(Language::English));
    SettingsStore::writeLanguage(Language::Russian);
    QCOMPARE(SettingsStore::readLanguage(), std::optional<Language>(Language::Russian));
    // The language is a value of its own beside the name.
    SettingsStore::writeSignature(QStringLiteral("Иванов"));
    QCOMPARE(SettingsStore::readLanguage(), std::optional<Language>(Language::Russian));
}

void TstLanguageChoice::unknownRememberedValueIsNoChoice()
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Orvasta"),
                       QStringLiteral("Analyse"));
    settings.setValue(QStringLiteral("Software/Orvasta/Analyse/Language"), QStringLiteral("de"));
    settings.sync();
    QCOMPARE(SettingsStore::readLanguage(), std::nullopt);
}

int main(int argc, char *argv[])
{
    // A fresh settings folder of its own, set before QSettings first looks for one.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    QCoreApplication app(argc, argv);
    TstLanguageChoice tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}
#include "tst_languagechoice.moc"
