#include "app/commandline.h"

#include "app/application.h"
#include "app/qtoptions.h"
#include "app/resultreport.h"
#include "app/resultsexport.h"
#include "app/translations.h"
#include "document/decisionfile.h"
#include "document/decisionresults.h"
#include "document/groupmerge.h"
#include "document/wholefile.h"
#include "platform/errordisplay.h"
#include "platform/platformerror.h"
#include "platform/printtarget.h"
#include "report/reportprinter.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>

#ifndef ANALYZE_VERSION
#define ANALYZE_VERSION "1.0"
#endif

namespace {

class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

const QString ResultsOption = QStringLiteral("results");
const QString ReportOption = QStringLiteral("report");
const QString MergeOption = QStringLiteral("merge");
const QString ExportOption = QStringLiteral("export");
const QString ProgramName = QStringLiteral("analyze");

void say(QIODevice &device, const QString &text)
{
    device.write(text.toUtf8());
    if (!text.endsWith(QLatin1Char('\n')))
        device.write("\n");
}

int refuse(QIODevice &err, const QString &message)
{
    say(err, message);
    return CommandRefused;
}

// Reads and computes one file; *status is set when it cannot be done.
std::optional<std::pair<DecisionDocument, DecisionResults>> computeFile(const QString &path, QIODevice &err, int *status)
{
    const DecisionReadResult read = readDecisionFile(path);
    if (!read.document) {
        *status = refuse(err, notOpenedText(path, read.error));
        return std::nullopt;
    }
    const DecisionComputation computation = computeDecision(*read.document);
    if (!computation.results) {
        say(err, CommandLine::tr("Решение из «%1» не вычислено. %2")
                         .arg(path, failureText(*computation.failure)));
        *status = CommandNotComputable;
        return std::nullopt;
    }
    return std::make_pair(*read.document, *computation.results);
}

int results(const CommandRequest &request, QIODevice &out, QIODevice &err)
{
    int status = CommandDone;
    const auto computed = computeFile(request.inputs.value(0), err, &status);
    if (!computed)
        return status;
    const QByteArray json = resultsJson(computed->second);
    const bool written = out.write(json) == json.size();
    // Standard output may be a full disk or /dev/full: cut JSON is no result.
    auto *file = qobject_cast<QFileDevice *>(&out);
    if (!written || (file && !file->flush()))
        return refuse(err, CommandLine::tr("Не удалось вывести результат: %1")
                                   .arg(file ? WholeFile::reason(*file) : out.errorString()));
    return CommandDone;
}

int report(const CommandRequest &request, QIODevice &err)
{
    int status = CommandDone;
    const auto computed = computeFile(request.inputs.value(0), err, &status);
    if (!computed)
        return status;
    const ReportData data = resultReportData(computed->first, computed->second, reportDateText());

    // The print target writes the file whole or not at all, the way a decision file is written.
    const QString previousOutput = PrintTarget::pdfOutput();
    PrintTarget::setPdfOutput(request.output);
    QString failure;
    try {
        printReport(data);
    } catch (const PrintTarget::FileNotWritten &error) {
        failure = error.reason();
    } catch (const PlatformError &error) {
        failure = error.message();
    } catch (const std::exception &error) {
        failure = QString::fromUtf8(error.what());
    }
    PrintTarget::setPdfOutput(previousOutput);
    if (!failure.isEmpty())
        return refuse(err, CommandLine::tr("Не удалось записать отчёт «%1»: %2").arg(request.output, failure));
    return CommandDone;
}

int exportResults(const CommandRequest &request, QIODevice &err)
{
    int status = CommandDone;
    const auto computed = computeFile(request.inputs.value(0), err, &status);
    if (!computed)
        return status;
    QString reason;
    if (!ResultsExport::write(request.output, computed->first, computed->second, &reason))
        return refuse(err, CommandLine::tr("Не удалось записать результаты «%1»: %2").arg(request.output, reason));
    return CommandDone;
}

int merge(const CommandRequest &request, QIODevice &err)
{
    QList<MergeInput> inputs;
    for (const QString &path : request.inputs) {
        const DecisionReadResult read = readDecisionFile(path);
        if (!read.document)
            return refuse(err, notOpenedText(path, read.error));
        inputs.append(MergeInput{path, *read.document});
    }
    const MergeResult merged = mergeDecisions(inputs);
    if (!merged.document)
        return refuse(err, CommandLine::tr("Решения не объединены. %1").arg(merged.error));
    QString error;
    if (!saveDecisionFile(request.output, *merged.document, &error))
        return refuse(err, error);
    return CommandDone;
}

int runParsed(const QStringList &arguments)
{
    QFile out;
    QFile err;
    out.open(stdout, QIODevice::WriteOnly);
    err.open(stderr, QIODevice::WriteOnly);
    const int status = executeCommand(parseCommandLine(arguments), out, err);
    if (status != CommandDone)
        return status;
    // What the command printed counts only if it arrived.
    if (!out.flush())
        return refuse(err, CommandLine::tr("Не удалось вывести результат: %1").arg(WholeFile::reason(out)));
    errno = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        return refuse(err, CommandLine::tr("Не удалось вывести результат: %1").arg(WholeFile::reason(errno ? errno : EIO)));
    return CommandDone;
}

} // namespace

bool isCommand(const QStringList &arguments)
{
    return parseCommandLine(arguments).mode != CommandRequest::Mode::Window;
}

namespace {

// Every option the program takes; Qt's own are listed in the help only by --help-all.
void describeOptions(QCommandLineParser &parser, bool listQtOptions)
{
    // Qt's options are words after a single dash (-platform, -style); ours may then be written so too.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(CommandLine::tr(
            "Анализ иерархий: выбор одной из альтернатив по нескольким критериям.\n"
            "Без команд открывает окно (с файлом решения, если он назван)."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({
            QCommandLineOption(ResultsOption, CommandLine::tr("Вывести вычисленное решение из ФАЙЛА в JSON на стандартный вывод.")),
            QCommandLineOption(ReportOption, CommandLine::tr("Записать отчёт страницы результата для ФАЙЛА в PDF."),
                               CommandLine::tr("OUT.pdf")),
            QCommandLineOption(ExportOption,
                               CommandLine::tr("Записать результаты решения из ФАЙЛА в таблицу: книгу .xlsx или файл .csv (по расширению)."),
                               CommandLine::tr("OUT.xlsx|OUT.csv")),
            QCommandLineOption(MergeOption,
                               CommandLine::tr("Объединить решения группы из ФАЙЛОВ (геометрическое среднее суждений) в OUT.ahp."),
                               CommandLine::tr("OUT.ahp")),
    });
    parser.addOptions(qtOwnOptions(listQtOptions));
    parser.addPositionalArgument(CommandLine::tr("ФАЙЛ"), CommandLine::tr("Файл решения (.ahp); для --merge два и больше."),
                                 CommandLine::tr("[ФАЙЛ…]"));
}

}

CommandRequest parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    describeOptions(parser, false);

    CommandRequest request;
    auto wrong = [&request](const QString &text) {
        request.mode = CommandRequest::Mode::Error;
        request.text = text + QLatin1Char('\n') + CommandLine::tr("Справка: analyze --help");
        return request;
    };
    if (!parser.parse(arguments))
        return wrong(parser.errorText());
    if (parser.isSet(QStringLiteral("help-all"))) {
        QCommandLineParser everything;
        describeOptions(everything, true);
        request.mode = CommandRequest::Mode::Help;
        request.text = everything.helpText();
        return request;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        request.mode = CommandRequest::Mode::Help;
        request.text = parser.helpText();
        return request;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        request.mode = CommandRequest::Mode::Version;
        request.text = ProgramName + QLatin1Char(' ') + QStringLiteral(ANALYZE_VERSION) + QLatin1Char('\n');
        return request;
    }
    const bool results = parser.isSet(ResultsOption);
    const bool report = parser.isSet(ReportOption);
    const bool merge = parser.isSet(MergeOption);
    const bool exporting = parser.isSet(ExportOption);
    if (int(results) + int(report) + int(merge) + int(exporting) > 1)
        return wrong(CommandLine::tr("Можно указать только одну из команд --results, --report, --export и --merge"));
    if (parser.values(ReportOption).size() > 1 || parser.values(MergeOption).size() > 1 || parser.values(ExportOption).size() > 1)
        return wrong(CommandLine::tr("Выходной файл можно указать только один раз"));
    request.inputs = parser.positionalArguments();
    const qsizetype files = request.inputs.size();
    if (merge) {
        request.mode = CommandRequest::Mode::Merge;
        request.output = parser.value(MergeOption);
        if (files < 2)
            return wrong(CommandLine::tr("Для --merge нужны два или больше файла решений"));
    } else if (report || results || exporting) {
        request.mode = report ? CommandRequest::Mode::Report
                              : exporting ? CommandRequest::Mode::Export : CommandRequest::Mode::Results;
        request.output = parser.value(report ? ReportOption : ExportOption);
        if (files != 1)
            return wrong(CommandLine::tr("Нужен ровно один файл решения, а указано %1").arg(files));
        if (exporting && !request.output.isEmpty() && ResultsExport::formatOf(request.output) == ResultsExport::Format::Unknown)
            return wrong(CommandLine::tr("Таблица результатов пишется в файл .xlsx или .csv, а указано «%1»").arg(request.output));
    } else if (files > 1) {
        return wrong(CommandLine::tr("Окно открывает один файл решения, а указано %1").arg(files));
    }
    if (request.output.isEmpty() && request.mode != CommandRequest::Mode::Results && request.mode != CommandRequest::Mode::Window)
        return wrong(CommandLine::tr("Не указан выходной файл"));
    return request;
}

int executeCommand(const CommandRequest &request, QIODevice &out, QIODevice &err)
{
    switch (request.mode) {
    case CommandRequest::Mode::Help:
    case CommandRequest::Mode::Version:
        out.write(request.text.toUtf8());
        return CommandDone;
    case CommandRequest::Mode::Error:
        return refuse(err, request.text);
    case CommandRequest::Mode::Results:
        return results(request, out, err);
    case CommandRequest::Mode::Report:
        return report(request, err);
    case CommandRequest::Mode::Merge:
        return merge(request, err);
    case CommandRequest::Mode::Export:
        return exportResults(request, err);
    case CommandRequest::Mode::Window:
        break;
    }
    return refuse(err, CommandLine::tr("Окно не открывается из команды"));
}

QString windowFileArgument(const QStringList &arguments)
{
    const CommandRequest request = parseCommandLine(arguments);
    return request.mode == CommandRequest::Mode::Window ? request.inputs.value(0) : QString();
}

std::optional<int> runCommandLine(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandRequest::Mode mode = parseCommandLine(arguments).mode;
    if (mode == CommandRequest::Mode::Window)
        return std::nullopt;
    // Without a window, what the platform reports (an unreadable settings file, a missing
    // translation) goes where the command's own messages go.
    ErrorDisplay::setSink([](const QString &message) {
        QFile err;
        if (err.open(stderr, QIODevice::WriteOnly))
            say(err, message);
    });
    if (mode == CommandRequest::Mode::Report) {
        // The report is drawn by widgets, but never shown: no display is needed or used.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        prepareApplication(app);
        return runParsed(QCoreApplication::arguments());
    }
    QCoreApplication app(argc, argv);
    // The language of the window: its texts, Qt's own in the help and the parser's messages.
    Translations::applyChosen();
    // Parsed again now that the texts speak that language.
    return runParsed(QCoreApplication::arguments());
}
