#include "platform/datapaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString dataDirectory(const QString &kind)
{
    const QString exeDir = QCoreApplication::applicationDirPath();
    const QStringList candidates = {
        exeDir + QStringLiteral("/../share/analyze/") + kind,
        exeDir + QLatin1Char('/') + kind,
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
