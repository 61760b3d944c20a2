#include "platform/programmodule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#ifndef ANALYZE_MODULES_FROM_PROGRAM
#define ANALYZE_MODULES_FROM_PROGRAM "../lib/analyze"
#endif

namespace {
const char *const MissingText = QT_TRANSLATE_NOOP("ProgramModule", "не найден модуль %1");
const char *const NoSymbolText = QT_TRANSLATE_NOOP("ProgramModule", "в модуле %1 нет %2");
}

QString ProgramModule::locate(const QString &fileName)
{
    return locateFrom(QCoreApplication::applicationDirPath(), fileName);
}

QString ProgramModule::locateFrom(const QString &programDirectory, const QString &fileName)
{
    const QStringList candidates = {
        programDirectory + QStringLiteral("/" ANALYZE_MODULES_FROM_PROGRAM "/") + fileName,
#ifdef ANALYZE_BUILD_MODULE_DIR
        QStringLiteral(ANALYZE_BUILD_MODULE_DIR "/") + fileName,
#endif
    };
    for (const QString &candidate : candidates) {
        if (QFileInfo(candidate).isFile())
            return QDir::cleanPath(QFileInfo(candidate).absoluteFilePath());
    }
    return QString();
}

QFunctionPointer ProgramModule::resolve(const QString &fileName, const char *symbol, QString *reason)
{
    const QString path = locate(fileName);
    if (path.isEmpty()) {
        *reason = QCoreApplication::translate("ProgramModule", MissingText).arg(fileName);
        return nullptr;
    }
    QLibrary library(path);
    // Its symbols resolve at once, so that a module that does not fit this program fails here
    // with the loader's reason rather than later in the middle of a paint.
    library.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    if (!library.load()) {
        *reason = library.errorString();
        return nullptr;
    }
    // QLibrary gives no reason for a missing symbol: the module is of another version.
    const QFunctionPointer function = library.resolve(symbol);
    if (!function)
        *reason = QCoreApplication::translate("ProgramModule", NoSymbolText).arg(fileName, QLatin1String(symbol));
    return function;
}
