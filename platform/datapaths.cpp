#include "platform/datapaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef ANALYZE_DATA_FROM_PROGRAM
#define ANALYZE_DATA_FROM_PROGRAM "../share/analyze"
#endif

QString dataDirectory(const QString &kind)
{
    return dataDirectoryOf(QCoreApplication::applicationDirPath(), kind);
}

QString dataDirectoryOf(const QString &programDirectory, const QString &kind)
{
    const QStringList candidates = {
        programDirectory + QStringLiteral("/" ANALYZE_DATA_FROM_PROGRAM "/") + kind,
        programDirectory + QLatin1Char('/') + kind,
#ifdef ANALYZE_BUILD_DATA_DIR
        QStringLiteral(ANALYZE_BUILD_DATA_DIR "/") + kind,
#endif
    };
    for (const QString &candidate : candidates) {
        if (QFileInfo(candidate).isDir())
            return QDir::cleanPath(QFileInfo(candidate).absoluteFilePath());
    }
    return QString();
}
