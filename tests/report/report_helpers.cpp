#include "report_helpers.h"

#include "platform/printtarget.h"
#include "report/reportprinter.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

void useReportFonts()
{
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

static QStringList criteriaNames(int n)
{
    QStringList names;
    for (int i = 0; i < n; ++i)
        names << QStringLiteral("Критерий %1").arg(i + 1);
    return names;
}

static QStringList alternativeNames(int m)
{
    QStringList names;
    for (int k = 0; k < m; ++k)
        names << QStringLiteral("Вариант %1").arg(QChar(u'A' + k));
    return names;
}

// Headers, "1" on the diagonal, "r/c" judgements and a priority column "0.0000rrr1".
static ReportTable comparisonTable(const QStringList &names)
{
    const int n = int(names.size());
    ReportTable table;
    QStringList header{QString()};
    header << names << QStringLiteral("Приоритет");
    table << header;
    for (int r = 1; r <= n; ++r) {
        QStringList row{names.at(r - 1)};
        for (int c = 1; c <= n; ++c)
            row << (r == c ? QStringLiteral("1") : QStringLiteral("%1/%2").arg(r).arg(c));
        row << QStringLiteral("0.0000%1").arg(r * 10 + 1, 3, 10, QChar(u'0'));
        table << row;
    }
    return table;
}

static ReportData common(int pageIndex)
{
    ReportData data;
    data.pageIndex = pageIndex;
    data.userName = QStringLiteral("Иванова Мария");
    data.dateText = QStringLiteral("07.12.2025");
    return data;
}

ReportData namesPage(int n, int m)
{
    ReportData data = common(1);
    data.alternativesCount = m;
    data.alternativeNames = alternativeNames(m);
    data.criteriaNames = criteriaNames(n);
    return data;
}

ReportData criteriaPage(int n)
{
    ReportData data = common(2);
    data.criteriaNames = criteriaNames(n);
    data.rndCoordText = QStringLiteral("1.49");
    data.idxCoordText = QStringLiteral("0.0712");
    data.ratioCoordText = QStringLiteral("0.0478");
    data.table = comparisonTable(data.criteriaNames);
    return data;
}

ReportData alternativesPage(int m, const QString &criterion)
{
    ReportData data = common(3);
    data.alternativesCount = m;
    data.alternativeNames = alternativeNames(m);
    data.criterionName = criterion;
    data.rndCoordText = QStringLiteral("0.58");
    data.idxCoordText = QStringLiteral("0.0193");
    data.ratioCoordText = QStringLiteral("0.0333");
    QStringList letters;
    for (int k = 0; k < m; ++k)
        letters << QString(QChar(u'A' + k));
    data.table = comparisonTable(letters);
    return data;
}

ReportData resultPage(int n, int m)
{
    ReportData data = common(4);
    data.alternativesCount = m;
    data.alternativeNames = alternativeNames(m);
    data.criteriaNames = criteriaNames(n);
    QStringList header{QStringLiteral("Лок.приор.")};
    header << data.criteriaNames;
    data.table << header;
    for (int j = 0; j < m; ++j) {
        QStringList row{QString(QChar(u'A' + j))};
        for (int i = 0; i < n; ++i)
            row << QStringLiteral("0.%1%2").arg(j, 2, 10, QChar(u'0')).arg(i, 6, 10, QChar(u'0'));
        data.table << row;
    }
    for (int j = 0; j < m; ++j)
        data.globalPriorities << QStringLiteral("0.1%1").arg(j + 1, 2, 10, QChar(u'0'));
    data.decision = QStringLiteral("Для Вашей задачи наиболее оптимальна альтернатива A -'Вариант A'");
    return data;
}

static QString runTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

PrintedSheet printSheet(const ReportData &data, const QString &name)
{
    static QTemporaryDir temporary;
    const QString keep = qEnvironmentVariable("REPORT_SHEETS_DIR");
    const QString folder = keep.isEmpty() ? temporary.path() : keep;
    QDir().mkpath(folder);

    PrintedSheet sheet;
    sheet.pdfPath = QDir(folder).filePath(name + QStringLiteral(".pdf"));
    QFile::remove(sheet.pdfPath);
    PrintTarget::setPdfOutput(sheet.pdfPath);
    printReport(data);
    PrintTarget::setPdfOutput(QString());

    sheet.text = runTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), sheet.pdfPath, QStringLiteral("-")});
    const QString info = runTool(QStringLiteral("pdfinfo"), {sheet.pdfPath});
    const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption);
    const QRegularExpression title(QStringLiteral("^Title:\\s+(.*)$"), QRegularExpression::MultilineOption);
    sheet.pages = pages.match(info).captured(1).toInt();
    sheet.title = title.match(info).captured(1).trimmed();
    return sheet;
}

QStringList sheetLines(const QString &text)
{
    QStringList lines;
    for (const QString &line : text.split(QChar(u'\n'))) {
        const QString simplified = line.simplified();
        if (!simplified.isEmpty())
            lines << simplified;
    }
    return lines;
}

QList<SheetWord> sheetWords(const QString &pdfPath)
{
    const QString html = runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdfPath, QStringLiteral("-")});
    const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QList<SheetWord> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
        words.append({m.captured(5), QRectF(topLeft, bottomRight)});
    }
    return words;
}
