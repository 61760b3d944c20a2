// The command line against the window: a group's files merged, the merged decision typed into
// the window, and --results, --report and the merge's own numbers compared with what the window
// computes and prints, to the last bit. Then the real program run as a person runs it: exit
// statuses, standard output and error, output files written or not.

#include "app_helpers.h"
#include "document/smalldisk.h"

#include "app/commandline.h"
#include "app/resultreport.h"
#include "document/decisionfile.h"
#include "document/decisionresults.h"
#include "document/groupmerge.h"
#include "model/judgement.h"
#include "model/numberformat.h"
#include "model/synthesis.h"
#include "platform/printtarget.h"
#include "platform/stringgrid.h"
#include "report/reportdata.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QStandardPaths>

#include <cstring>
#include <utility>

using namespace WindowTest;

namespace {

constexpr int Criteria = 4;
constexpr int Alternatives = 3;

QList<QStringList> fromUpper(const QList<QStringList> &upper)
{
    const int n = int(upper.size()) + 1;
    QList<QStringList> cells(n, QStringList(n));
    for (int i = 0; i < n; ++i) {
        cells[i][i] = QStringLiteral("1");
        for (int j = i + 1; j < n; ++j) {
            const QString text = upper.at(i).at(j - i - 1);
            cells[i][j] = text;
            cells[j][i] = text.startsWith(QLatin1String("1/")) ? text.mid(2) : QStringLiteral("1/") + text;
        }
    }
    return cells;
}

// One expert's decision under the window's default names.
DecisionDocument expert(const QList<QStringList> &criteria, const QList<QList<QStringList>> &alternatives)
{
    DecisionDocument document;
    for (int i = 0; i < Criteria; ++i)
        document.criteria << defaultCriterionName(i);
    for (int k = 0; k < Alternatives; ++k)
        document.alternatives << defaultAlternativeName(k);
    document.criteriaJudgements = fromUpper(criteria);
    for (const QList<QStringList> &upper : alternatives)
        document.alternativesJudgements << fromUpper(upper);
    return document;
}

DecisionDocument mergedGroup()
{
    const DecisionDocument first = expert({{"3", "1/5", "2"}, {"1/7", "1.5"}, {"4"}},
            {{{"2", "4"}, {"2"}}, {{"1/3", "1.5"}, {"2"}}, {{"5", "9"}, {"3"}}, {{"1/2", "1/4"}, {"1/2"}}});
    const DecisionDocument second = expert({{"5", "1/3", "1"}, {"1/5", "2"}, {"7"}},
            {{{"3", "6"}, {"1/2"}}, {{"1/2", "2.5"}, {"3"}}, {{"7", "8"}, {"2"}}, {{"1/3", "1/7"}, {"1"}}});
    const DecisionDocument third = expert({{"2", "1/9", "3"}, {"1/3", "1"}, {"9"}},
            {{{"1", "3"}, {"4"}}, {{"1/4", "1"}, {"5"}}, {{"3", "7"}, {"1.25"}}, {{"1/5", "1/2"}, {"1/3"}}});
    const MergeResult merged = mergeDecisions({{"a.ahp", first}, {"b.ahp", second}, {"c.ahp", third}});
    if (!merged.document)
        qFatal("%s", qPrintable(merged.error));
    return *merged.document;
}

// The merged decision with its second criterion split into two sub-criteria.
DecisionDocument withSubcriteria()
{
    DecisionDocument document = mergedGroup();
    document.subcriteria = {SubcriteriaSet(), SubcriteriaSet{{CriterionNode{"Сборка", {}, {}}, CriterionNode{"Материалы", {}, {}}},
                                                             fromUpper({{"3"}})}};
    document.alternativesJudgements.insert(2, fromUpper({{"1/2", "3"}, {"5"}}));
    return document;
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

// The judgements put into a comparison grid as opening a file puts them: a merged mean has
// decimals and fifteen digits, more than the keyboard lets a person type into a cell.
void putMatrix(StringGrid *grid, const QList<QStringList> &cells)
{
    for (int i = 0; i < cells.size(); ++i)
        for (int j = 0; j < cells.size(); ++j)
            grid->setCell(j + 1, i + 1, cells[i][j]);
}

bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

#define COMPARE_EXACTLY(a, b) \
    QVERIFY2(sameBits((a), (b)), qPrintable(QString::number((a), 'g', 17) + " != " + QString::number((b), 'g', 17)))

QString pdfTool(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(20000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

struct Run
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// python3 with openpyxl, a reader that shares nothing with the writer: the system's first.
QString workbookReader()
{
    for (const QString &python : {QStringLiteral("/usr/bin/python3"), QStandardPaths::findExecutable(QStringLiteral("python3"))}) {
        QProcess process;
        process.start(python, {QStringLiteral("-c"), QStringLiteral("import openpyxl")});
        if (!python.isEmpty() && process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
            return python;
    }
    return QString();
}

// Every sheet in order as [title, rows]; Python writes each float in its shortest exact form.
const char ReadWorkbook[] = "import json, sys, openpyxl\n"
                            "book = openpyxl.load_workbook(sys.argv[1])\n"
                            "json.dump([[s.title, [list(r) for r in s.iter_rows(values_only=True)]] for s in book], sys.stdout)\n";

// RFC 4180: fields split at commas, records at CRLF, quotes doubled inside quoted fields.
QList<QStringList> parseCsv(const QByteArray &bytes)
{
    const QString text = QString::fromUtf8(bytes);
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted && c == '"' && text.mid(i + 1, 1) == "\"") {
            field += c;
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && c == ',') {
            record << std::exchange(field, QString());
        } else if (!quoted && c == '\r' && text.mid(i + 1, 1) == "\n") {
            record << std::exchange(field, QString());
            records << std::exchange(record, QStringList());
            ++i;
        } else {
            field += c;
        }
    }
    return records;
}

// The workbook holds 16 significant digits of a number: all that libxlsxwriter writes.
double asWorkbookKeepsIt(double value)
{
    return QString::number(value, 'g', 16).toDouble();
}

Run runCommand(const QStringList &arguments)
{
    QBuffer out;
    QBuffer err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    QStringList all{QStringLiteral("analyze")};
    all += arguments;
    Run run;
    run.status = executeCommand(parseCommandLine(all), out, err);
    run.out = out.data();
    run.err = err.data();
    return run;
}

} // namespace

class TstCommandLine : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void agreesWithWindow();
    void program_data();
    void program();
    void parsing_data();
    void parsing();
    void exportAgreesWithResults_data();
    void exportAgreesWithResults();
    void exportHoldsTheHierarchy();
    void fullDisk_data();
    void fullDisk();
    void reportKeepsProtections_data();
    void reportKeepsProtections();
    void asPersonTypesIt_data();
    void asPersonTypesIt();

private:
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }
};

void TstCommandLine::initTestCase()
{
    QString error;
    DecisionDocument unfinished = mergedGroup();
    unfinished.alternativesJudgements[2][0][1] = QString();
    unfinished.alternativesJudgements[2][1][0] = QString();
    QVERIFY(saveDecisionFile(path("group.ahp"), mergedGroup(), &error));
    QVERIFY(saveDecisionFile(path("unfinished.ahp"), unfinished, &error));
    unfinished.allowMissing = true;
    QVERIFY(saveDecisionFile(path("gaps.ahp"), unfinished, &error));
    for (int j = 2; j < unfinished.alternativesCount(); ++j)
        unfinished.alternativesJudgements[2][0][j] = unfinished.alternativesJudgements[2][j][0] = QString();
    QVERIFY(saveDecisionFile(path("gaps-unlinked.ahp"), unfinished, &error));
    DecisionDocument renamed = mergedGroup();
    renamed.alternatives[1] = QStringLiteral("Другая");
    QVERIFY(saveDecisionFile(path("renamed.ahp"), renamed, &error));
    QFile broken(path("broken.ahp"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("{\"format\": \"analyze-decision\", \"version\": 1,");

    QVERIFY(saveDecisionFile(path("tree.ahp"), withSubcriteria(), &error));
    DecisionDocument treeUnfinished = withSubcriteria();
    treeUnfinished.subcriteria[1].judgements[0][1] = QString();
    QVERIFY(saveDecisionFile(path("tree-unfinished.ahp"), treeUnfinished, &error));
    DecisionDocument other = withSubcriteria();
    other.subcriteria[1].criteria[1].name = QStringLiteral("Отделка");
    QVERIFY(saveDecisionFile(path("tree-other.ahp"), other, &error));
    DecisionDocument lonely = withSubcriteria();
    lonely.subcriteria[1].criteria.removeLast();
    lonely.subcriteria[1].judgements = {QStringList{"1"}};
    lonely.alternativesJudgements.removeAt(3);
    QVERIFY(writeBytes(path("tree-lonely.ahp"), writeDecision(lonely)));
    QVERIFY(writeBytes(path("tree-v1.ahp"), writeDecision(withSubcriteria()).replace("\"version\": 2,", "\"version\": 1,")));
}

void TstCommandLine::agreesWithWindow()
{
    // The merge through the command line gives the merged judgements of mergeDecisions.
    QString error;
    const DecisionDocument merged = mergedGroup();
    QList<MergeInput> members;
    QStringList memberFiles;
    for (int k = 0; k < 2; ++k) {
        memberFiles << path(QStringLiteral("member%1.ahp").arg(k));
        QVERIFY(saveDecisionFile(memberFiles.last(), merged, &error));
    }
    const Run mergeRun = runCommand(QStringList{"--merge", path("out.ahp")} + memberFiles);
    QCOMPARE(mergeRun.status, 0);
    QCOMPARE(*readDecisionFile(path("out.ahp")).document, merged);

    // The merged judgements in the window, every page on to the result.
    auto form = openWindow();
    goToCriteriaPage(form.get(), Criteria, Alternatives);
    putMatrix(find<StringGrid>(form.get(), "ChoiceTab"), merged.criteriaJudgements);
    click(find<QPushButton>(form.get(), "NextBtn"));
    QCOMPARE(page(form.get()), 3);
    auto *compTab = find<StringGrid>(form.get(), "CompTab");
    for (int c = 0; c < Criteria; ++c) {
        putMatrix(compTab, merged.alternativesJudgements[c]);
        if (c + 1 < Criteria)
            click(find<QPushButton>(form.get(), "NextMatrixBtn"));
    }
    click(find<QPushButton>(form.get(), "NextBtn"));
    QCOMPARE(page(form.get()), 4);

    // The judgements as the window holds them: leaving a grid runs the mirroring pass, which
    // keeps at most ten characters of a divisor, so a mirrored 15-digit mean can come back cut.
    const DecisionDocument shown = form->decision()->document();
    const DecisionComputation computation = computeDecision(shown);
    QVERIFY(computation.results);
    const DecisionResults &results = *computation.results;
    const DecisionModel &model = form->model();
    for (int i = 0; i < Criteria; ++i)
        COMPARE_EXACTLY(results.criteria.weights[size_t(i)], model.CriterionWeight.value(i));
    for (int c = 0; c < Criteria; ++c) {
        const PriorityResult &alt = results.alternatives[size_t(c)];
        for (int j = 0; j < Alternatives; ++j)
            COMPARE_EXACTLY(alt.weights[size_t(j)], model.AltMatrixValue.value(c, Alternatives, j));
        COMPARE_EXACTLY(alt.ri, model.AltMatrixValue.value(c, ResultColumn, 0));
        COMPARE_EXACTLY(alt.ci, model.AltMatrixValue.value(c, ResultColumn, 1));
        COMPARE_EXACTLY(alt.cr, model.AltMatrixValue.value(c, ResultColumn, 2));
    }
    QCOMPARE(results.decision, find<QLabel>(form.get(), "Decision")->text());

    // --results: the window's doubles, read back from the JSON.
    QVERIFY(saveDecisionFile(path("shown.ahp"), shown, &error));
    const Run resultsRun = runCommand({"--results", path("shown.ahp")});
    QCOMPARE(resultsRun.status, 0);
    QVERIFY(resultsRun.err.isEmpty());
    const QJsonObject json = QJsonDocument::fromJson(resultsRun.out).object();
    const QJsonArray weights = json["criteria"].toObject()["weights"].toArray();
    QCOMPARE(weights.size(), Criteria);
    for (int i = 0; i < Criteria; ++i)
        COMPARE_EXACTLY(weights[i].toDouble(), model.CriterionWeight.value(i));
    const QJsonArray alternatives = json["alternatives"].toArray();
    QCOMPARE(alternatives.size(), Criteria);
    for (int c = 0; c < Criteria; ++c) {
        const QJsonObject m = alternatives[c].toObject();
        for (int j = 0; j < Alternatives; ++j)
            COMPARE_EXACTLY(m["weights"].toArray()[j].toDouble(), model.AltMatrixValue.value(c, Alternatives, j));
        COMPARE_EXACTLY(m["cr"].toDouble(), model.AltMatrixValue.value(c, ResultColumn, 2));
        QCOMPARE(m["inconsistent"].toBool(), model.AltMatrixInconsistent.value(c));
    }
    auto *globales = find<StringGrid>(form.get(), "Globales");
    const QJsonArray global = json["global"].toArray();
    for (int j = 0; j < Alternatives; ++j) {
        COMPARE_EXACTLY(global[j].toDouble(), computeGlobalPriority(model, Criteria, j, Alternatives));
        QCOMPARE(formatMeasure(global[j].toDouble()), globales->cell(j + 1, 1));
    }
    QCOMPARE(json["decision"].toString(), find<QLabel>(form.get(), "Decision")->text());
    QCOMPARE(json["best"].toArray(), QJsonArray{QJsonValue(int(results.best.front()))});

    // --report: what the print button hands to the report, and the same printed sheet.
    const ReportData window = form->collectReportData();
    const ReportData command = resultReportData(shown, results, find<QLineEdit>(form.get(), "DataStamp")->text());
    QCOMPARE(command.pageIndex, window.pageIndex);
    QCOMPARE(command.table, window.table);
    QCOMPARE(command.globalPriorities, window.globalPriorities);
    QCOMPARE(command.decision, window.decision);
    QCOMPARE(command.criteriaNames, window.criteriaNames);
    QCOMPARE(command.alternativeNames, window.alternativeNames);
    QCOMPARE(command.alternativesCount, window.alternativesCount);
    QCOMPARE(command.userName, window.userName);
    QCOMPARE(command.dateText, window.dateText);

    PrintTarget::setPdfOutput(path("window.pdf"));
    printAnswer() = true;
    click(find<QPushButton>(form.get(), "PrintBtn"));
    PrintTarget::setPdfOutput(QString());
    const Run reportRun = runCommand({"--report", path("command.pdf"), path("shown.ahp")});
    QCOMPARE(reportRun.status, 0);
    QVERIFY(errors().isEmpty());
    const QString windowText = pdfTool("pdftotext", {"-layout", path("window.pdf"), "-"});
    QVERIFY(windowText.contains(find<QLabel>(form.get(), "Decision")->text().left(30)));
    QCOMPARE(pdfTool("pdftotext", {"-layout", path("command.pdf"), "-"}), windowText);
    QVERIFY(pdfTool("pdfinfo", {path("command.pdf")}).contains(QRegularExpression("Pages: +1\\n")));
}

void TstCommandLine::program_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");     // a fragment of standard output; empty: nothing at all
    QTest::addColumn<QString>("err");     // a fragment of standard error; empty: nothing at all
    QTest::addColumn<QString>("written"); // the output file, when one must exist afterwards

    QTest::newRow("results") << QStringList{"--results", "group.ahp"} << 0 << "{\"criteria\": {\"weights\": [" << "" << "";
    QTest::newRow("results, unreadable") << QStringList{"--results", "broken.ahp"} << 1 << ""
                                         << "Файл «broken.ahp» не открыт. Он повреждён" << "";
    QTest::newRow("results, missing") << QStringList{"--results", "nothing.ahp"} << 1 << ""
                                      << "Файл «nothing.ahp» не открыт. Такого файла нет" << "";
    QTest::newRow("results, empty cell") << QStringList{"--results", "unfinished.ahp"} << 2 << ""
            << "Ячейка должна быть заполнена: матрица альтернатив для критерия 3 («Критерий 3»), строка 1 («Альтернатива   A»), столбец 2 («Альтернатива   B»)"
            << "";
    QTest::newRow("results, pairs left out") << QStringList{"--results", "gaps.ahp"} << 0 << "\"missing\": 1, \"estimated\": [[0, 1, " << "" << "";
    QTest::newRow("results, items not linked") << QStringList{"--results", "gaps-unlinked.ahp"} << 2 << ""
            << "матрица альтернатив для критерия 3 («Критерий 3»): Недостаточно сравнений: ни одна цепочка сравнений не связывает «Альтернатива   A» с «Альтернатива   B»" << "";
    QTest::newRow("merge, pairs left out") << QStringList{"--merge", "m5.ahp", "gaps.ahp", "unfinished.ahp"} << 1 << ""
            << "Файл «unfinished.ahp»: Ячейка должна быть заполнена" << "";
    QTest::newRow("merge, pairs left out and given") << QStringList{"--merge", "m6.ahp", "gaps.ahp", "group.ahp"} << 0 << "" << "" << "m6.ahp";
    QTest::newRow("report, pairs left out") << QStringList{"--report", "r4.pdf", "gaps.ahp"} << 0 << "" << "" << "r4.pdf";
    QTest::newRow("report") << QStringList{"--report", "r.pdf", "group.ahp"} << 0 << "" << "" << "r.pdf";
    QTest::newRow("report, empty cell") << QStringList{"--report", "r2.pdf", "unfinished.ahp"} << 2 << ""
                                        << "Ячейка должна быть заполнена" << "";
    QTest::newRow("report, unreadable") << QStringList{"--report", "r3.pdf", "broken.ahp"} << 1 << "" << "не открыт" << "";
    QTest::newRow("report, no folder") << QStringList{"--report", "none/r.pdf", "group.ahp"} << 1 << ""
                                       << "Не удалось записать отчёт «none/r.pdf»" << "";
    QTest::newRow("export") << QStringList{"--export", "e.csv", "group.ahp"} << 0 << "" << "" << "e.csv";
    QTest::newRow("export, another type") << QStringList{"--export", "e.ods", "group.ahp"} << 1 << ""
                                          << "пишется в файл .xlsx или .csv, а указано «e.ods»\nСправка: analyze --help" << "";
    QTest::newRow("export, empty cell") << QStringList{"--export", "e2.xlsx", "unfinished.ahp"} << 2 << ""
                                        << "Ячейка должна быть заполнена" << "";
    QTest::newRow("export, unreadable") << QStringList{"--export", "e3.xlsx", "broken.ahp"} << 1 << "" << "не открыт" << "";
    QTest::newRow("export, no folder") << QStringList{"--export", "none/e.xlsx", "group.ahp"} << 1 << ""
                                       << "нет такого файла или папки" << "";
    QTest::newRow("merge") << QStringList{"--merge", "m.ahp", "group.ahp", "group.ahp"} << 0 << "" << "" << "m.ahp";
    QTest::newRow("merge, names differ") << QStringList{"--merge", "m2.ahp", "group.ahp", "renamed.ahp"} << 1 << ""
            << "Решения не объединены. Файл «renamed.ahp»: другие альтернативы, чем в «group.ahp»: 2-е: «Другая»" << "";
    QTest::newRow("merge, empty cell") << QStringList{"--merge", "m3.ahp", "group.ahp", "unfinished.ahp"} << 1 << ""
            << "Файл «unfinished.ahp»: Ячейка должна быть заполнена («»): матрица альтернатив для критерия 3" << "";
    QTest::newRow("merge, unreadable") << QStringList{"--merge", "m4.ahp", "group.ahp", "broken.ahp"} << 1 << "" << "не открыт" << "";
    QTest::newRow("results, sub-criteria") << QStringList{"--results", "tree.ahp"} << 0
            << "\"subcriteria\": [{\"path\": [1], \"name\": \"Критерий 2\", \"matrix\": {\"weights\": [" << "" << "";
    QTest::newRow("results, sub-criteria empty cell") << QStringList{"--results", "tree-unfinished.ahp"} << 2 << ""
            << "Ячейка должна быть заполнена: матрица подкритериев «Критерий 2», строка 1 («Сборка»), столбец 2 («Материалы»)" << "";
    QTest::newRow("results, one sub-criterion") << QStringList{"--results", "tree-lonely.ahp"} << 1 << ""
            << "Файл «tree-lonely.ahp» не открыт. Критерий 2 («Критерий 2»): подкритериев 1, а должно быть от 2 до 15" << "";
    QTest::newRow("results, version 1 with sub-criteria") << QStringList{"--results", "tree-v1.ahp"} << 1 << ""
            << "Подкритерии есть только в файлах версии 2, а в этом файле версии 1 критерий 2 — объект" << "";
    QTest::newRow("report, sub-criteria") << QStringList{"--report", "tree.pdf", "tree.ahp"} << 0 << "" << "" << "tree.pdf";
    QTest::newRow("report, sub-criteria empty cell") << QStringList{"--report", "tree2.pdf", "tree-unfinished.ahp"} << 2 << ""
                                                     << "матрица подкритериев «Критерий 2»" << "";
    QTest::newRow("merge, sub-criteria") << QStringList{"--merge", "tm.ahp", "tree.ahp", "tree.ahp"} << 0 << "" << "" << "tm.ahp";
    QTest::newRow("merge, other sub-criteria") << QStringList{"--merge", "tm2.ahp", "tree.ahp", "tree-other.ahp"} << 1 << ""
            << "Решения не объединены. Файл «tree-other.ahp»: другие подкритерии, чем в «tree.ahp»: подкритерий 2.2: «Отделка» вместо «Материалы»" << "";
    QTest::newRow("help") << QStringList{"--help"} << 0 << "--merge <OUT.ahp>" << "" << "";
    QTest::newRow("version") << QStringList{"--version"} << 0 << "analyze 1.0" << "" << "";
    QTest::newRow("two commands") << QStringList{"--results", "--merge", "x.ahp", "group.ahp", "group.ahp"} << 1 << ""
                                  << "только одну из команд" << "";
    QTest::newRow("unknown option") << QStringList{"--results", "--fast", "group.ahp"} << 1 << "" << "fast" << "";
}

void TstCommandLine::program()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QFETCH(QString, written);

    // The real program, with no display at all.
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(m_dir.path());
    process.start(QStringLiteral(ANALYZE_EXECUTABLE), arguments);
    QVERIFY(process.waitForFinished(60000));
    const QString stdOut = QString::fromUtf8(process.readAllStandardOutput());
    // Qt's own notes (an unset runtime folder of the offscreen platform) are not the program's.
    QStringList errLines = QString::fromUtf8(process.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
    errLines.removeIf([](const QString &line) { return line.startsWith("QStandardPaths:"); });
    const QString stdErr = errLines.join('\n');

    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), status);
    if (out.isEmpty())
        QVERIFY2(stdOut.isEmpty(), qPrintable(stdOut));
    else
        QVERIFY2(stdOut.contains(out), qPrintable(stdOut));
    if (err.isEmpty())
        QVERIFY2(stdErr.isEmpty(), qPrintable(stdErr));
    else
        QVERIFY2(stdErr.contains(err), qPrintable(stdErr));

    const QString output = arguments.size() > 1 && (arguments[0] == "--report" || arguments[0] == "--merge" || arguments[0] == "--export")
            ? arguments[1] : QString();
    if (!output.isEmpty())
        QCOMPARE(QFileInfo::exists(path(output)), !written.isEmpty());
    if (written.endsWith(".pdf")) {
        QFile pdf(path(written));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
    } else if (written.endsWith(".csv")) {
        QFile csv(path(written));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QVERIFY(csv.readLine().startsWith("Альтернатива,"));
    } else if (!written.isEmpty()) {
        QVERIFY(readDecisionFile(path(written)).document);
    }
    // Nothing half-written is left beside the output.
    QCOMPARE(QDir(m_dir.path()).entryList({".analyze-report-*"}, QDir::Files | QDir::Hidden), QStringList());
}

void TstCommandLine::parsing_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("command");
    QTest::addColumn<QString>("windowFile");
    QTest::newRow("no arguments") << QStringList{"analyze"} << false << "";
    QTest::newRow("a file") << QStringList{"analyze", "decision.ahp"} << false << "decision.ahp";
    QTest::newRow("a file after --") << QStringList{"analyze", "--", "--results"} << false << "--results";
    QTest::newRow("results") << QStringList{"analyze", "--results", "a.ahp"} << true << "";
    QTest::newRow("report with =") << QStringList{"analyze", "--report=o.pdf", "a.ahp"} << true << "";
    QTest::newRow("help") << QStringList{"analyze", "-h"} << true << "";
    QTest::newRow("two files for the window") << QStringList{"analyze", "a.ahp", "b.ahp"} << true << "";
    QTest::newRow("a misspelt command") << QStringList{"analyze", "--result", "a.ahp"} << true << "";
    QTest::newRow("an unknown option") << QStringList{"analyze", "--bogus", "a.ahp"} << true << "";
    QTest::newRow("help with Qt's options") << QStringList{"analyze", "--help-all"} << true << "";
    QTest::newRow("Qt's platform and style") << QStringList{"analyze", "-platform", "offscreen", "-style", "fusion", "a.ahp"} << false << "a.ahp";
    QTest::newRow("Qt's options with = and two dashes") << QStringList{"analyze", "-style=fusion", "--reverse", "a.ahp", "-qwindowtitle", "T"} << false << "a.ahp";
    QTest::newRow("X11's options") << QStringList{"analyze", "-display", ":1", "-geometry", "10x10", "-nograb", "a.ahp"} << false << "a.ahp";
}

void TstCommandLine::parsing()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, command);
    QFETCH(QString, windowFile);
    QCOMPARE(isCommand(arguments), command);
    QCOMPARE(windowFileArgument(arguments), windowFile);
}

void TstCommandLine::fullDisk_data()
{
    QTest::addColumn<QStringList>("arguments"); // DISK/ stands for the full disk
    QTest::addColumn<QString>("output");        // where standard output goes
    QTest::addColumn<QString>("old");           // a file on the disk that must stay as it was
    QTest::newRow("results into a file") << QStringList{"--results", "group.ahp"} << "DISK/out.json" << "";
    QTest::newRow("results into /dev/full") << QStringList{"--results", "group.ahp"} << "/dev/full" << "";
    QTest::newRow("help into /dev/full") << QStringList{"--help"} << "/dev/full" << "";
    QTest::newRow("report over an old one") << QStringList{"--report", "DISK/old.pdf", "group.ahp"} << "" << "old.pdf";
    QTest::newRow("merge over an old one") << QStringList{"--merge", "DISK/old.ahp", "group.ahp", "group.ahp"} << "" << "old.ahp";
    QTest::newRow("workbook over an old one") << QStringList{"--export", "DISK/old.xlsx", "group.ahp"} << "" << "old.xlsx";
    QTest::newRow("CSV over an old one") << QStringList{"--export", "DISK/old.csv", "group.ahp"} << "" << "old.csv";
    // The workbook is put together in the temporary folder first.
    QTest::newRow("workbook, temporary folder full") << QStringList{"--export", "kept.xlsx", "group.ahp"} << "TMPDIR=DISK/" << "";
}

// A write that fails is exit 1 with the system's cause, and leaves the old file whole.
void TstCommandLine::fullDisk()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, output);
    QFETCH(QString, old);
    SmallDisk disk;
    if (!disk.isUsable())
        QSKIP("neither a small file system nor a file size limit can be had here");
    arguments.replaceInStrings(QStringLiteral("DISK/"), disk.path() + QLatin1Char('/'));
    output.replace(QStringLiteral("DISK/"), disk.path() + QLatin1Char('/'));
    QByteArray oldBytes;
    if (!old.isEmpty()) {
        QFile group(path("group.ahp"));
        QVERIFY(group.open(QIODevice::ReadOnly));
        oldBytes = group.readAll();
        QFile file(disk.filePath(old));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(oldBytes), oldBytes.size());
    }

    QProcess process;
    process.setWorkingDirectory(m_dir.path());
    if (output.startsWith(QLatin1String("TMPDIR="))) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TMPDIR"), output.mid(7));
        process.setProcessEnvironment(environment);
        QFile kept(path(arguments[1]));
        QVERIFY(kept.open(QIODevice::WriteOnly) && kept.write("kept") == 4);
        kept.close();
        output.clear();
    } else if (!output.isEmpty()) {
        process.setStandardOutputFile(output);
    }
    disk.fill();
    process.start(QStringLiteral(ANALYZE_EXECUTABLE), arguments);
    const bool finished = process.waitForFinished(60000);
    disk.release();
    QVERIFY(finished);
    const QString err = QString::fromUtf8(process.readAllStandardError());
    QCOMPARE(process.exitCode(), 1);
    // Under a file size limit the sheet is cut already in memory; only a full disk has its cause.
    if (output == QLatin1String("/dev/full") || disk.error() == ENOSPC)
        QVERIFY2(err.contains("на диске нет места"), qPrintable(err));
    else
        QVERIFY2(err.contains("Не удалось"), qPrintable(err));
    if (!old.isEmpty()) {
        QFile file(disk.filePath(old));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), oldBytes);
        QCOMPARE(QDir(disk.path()).entryList(QDir::Files), QStringList{old});
    }
    if (arguments.contains("kept.xlsx")) {
        QFile kept(path("kept.xlsx"));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("kept"));
        QCOMPARE(QDir(disk.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    }
}

// Under sub-criteria the workbook weighs the leaves, holds every sub-criteria matrix and names
// each alternatives matrix by its leaf's path, with the numbers --results gives.
void TstCommandLine::exportHoldsTheHierarchy()
{
    const QString python = workbookReader();
    if (python.isEmpty())
        QSKIP("python3-openpyxl is not installed (scripts/setup.sh installs it): the workbook cannot be read back");
    auto run = [](const QStringList &arguments) {
        QProcess process;
        process.start(QStringLiteral(ANALYZE_EXECUTABLE), arguments);
        process.waitForFinished(60000);
        return std::make_pair(process.exitCode(), process.readAllStandardOutput());
    };
    const auto results = run({"--results", path("tree.ahp")});
    QCOMPARE(results.first, 0);
    const QJsonObject json = QJsonDocument::fromJson(results.second).object();
    const QJsonArray leaves = json["leaves"].toArray();
    const QJsonArray subcriteria = json["subcriteria"].toArray();
    QVERIFY(!subcriteria.isEmpty());
    QCOMPARE(run({"--export", path("tree.xlsx"), path("tree.ahp")}).first, 0);
    QProcess reader;
    reader.start(python, {"-c", ReadWorkbook, path("tree.xlsx")});
    QVERIFY(reader.waitForFinished(60000));
    const QJsonArray sheets = QJsonDocument::fromJson(reader.readAllStandardOutput()).array();
    QCOMPARE(sheets.size(), 3 + subcriteria.size() + leaves.size());
    const DecisionDocument tree = withSubcriteria();
    const QJsonArray weightRows = sheets[1][1].toArray();
    const int first = tree.criteriaCount() + 2;
    QCOMPARE(weightRows.size(), first + 1 + leaves.size());
    for (int l = 0; l < leaves.size(); ++l) {
        CriterionPath leafPath;
        for (const QJsonValue &step : leaves[l].toObject()["path"].toArray())
            leafPath << step.toInt();
        const QString name = tree.hierarchy().pathText(leafPath);
        QCOMPARE(weightRows[first + 1 + l][0].toString(), name);
        QVERIFY(sameBits(weightRows[first + 1 + l][1].toDouble(), asWorkbookKeepsIt(leaves[l].toObject()["weight"].toDouble())));
        QVERIFY2(sheets[3 + subcriteria.size() + l][1][0][0].toString().contains(name), qPrintable(name));
    }
    for (int k = 0; k < subcriteria.size(); ++k)
        QVERIFY(sheets[3 + k][1][0][0].toString().contains(subcriteria[k].toObject()["name"].toString()));
}

void TstCommandLine::exportAgreesWithResults_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("locale");
    QTest::newRow("csv") << ".csv" << "C.UTF-8";
    QTest::newRow("xlsx") << ".xlsx" << "C.UTF-8";
    // The C library of a decimal-comma locale must not spoil the workbook's numbers.
    QTest::newRow("xlsx, Russian locale") << ".xlsx" << "ru_RU.UTF-8";
}

// The real program's --export against its --results, number by number, read back by readers
// that share nothing with the writers.
void TstCommandLine::exportAgreesWithResults()
{
    QFETCH(QString, suffix);
    QFETCH(QString, locale);
    // Names that need quoting in a CSV file.
    DecisionDocument named = mergedGroup();
    named.alternatives = QStringList{"Шкода, Октавия", "Лада \"Веста\"", "Киа\nРио"};
    named.criteria[1] = QStringLiteral("Расход, л/100 км");
    QString error;
    QVERIFY(saveDecisionFile(path("named.ahp"), named, &error));

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), locale);
    if (locale != QLatin1String("C.UTF-8")) {
        // A locale of our own, so that the test does not depend on the ones the system has built.
        const QString locales = m_dir.filePath(QStringLiteral("locales"));
        QDir().mkpath(locales);
        QProcess localedef;
        localedef.start(QStringLiteral("localedef"), {"-i", "ru_RU", "-f", "UTF-8", locales + "/" + locale});
        if (!localedef.waitForFinished(60000) || localedef.exitCode() != 0)
            QSKIP("ru_RU cannot be built here: the 'locales' package is missing (scripts/setup.sh installs it)");
        environment.insert(QStringLiteral("LOCPATH"), locales);
    }
    auto run = [&](const QStringList &arguments) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(ANALYZE_EXECUTABLE), arguments);
        process.waitForFinished(60000);
        return std::make_pair(process.exitCode(), process.readAllStandardOutput());
    };
    const auto results = run({"--results", path("named.ahp")});
    QCOMPARE(results.first, 0);
    const QJsonObject json = QJsonDocument::fromJson(results.second).object();
    const QJsonArray global = json["global"].toArray();
    QCOMPARE(global.size(), Alternatives);
    const QString out = path("named" + suffix);
    QCOMPARE(run({"--export", out, path("named.ahp")}).first, 0);
    const QStringList header{"Альтернатива", "Глобальный приоритет", "Место"};
    // Places by the priorities: this decision has no tie.
    auto place = [&global](int j) {
        int above = 0;
        for (const QJsonValue &other : global)
            above += other.toDouble() > global[j].toDouble() ? 1 : 0;
        return above + 1;
    };

    if (suffix == ".csv") {
        QFile file(out);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QStringList> records = parseCsv(file.readAll());
        QCOMPARE(records.size(), Alternatives + 1);
        QCOMPARE(records[0], header);
        for (int j = 0; j < Alternatives; ++j) {
            QCOMPARE(records[j + 1].size(), 3);
            QCOMPARE(records[j + 1][0], named.alternatives[j]);
            bool number = false;
            COMPARE_EXACTLY(records[j + 1][1].toDouble(&number), global[j].toDouble());
            QVERIFY(number);
            QCOMPARE(records[j + 1][2], QString::number(place(j)));
        }
        QCOMPARE(place(json["best"].toArray()[0].toInt()), 1);
        return;
    }

    const QString python = workbookReader();
    if (python.isEmpty())
        QSKIP("python3-openpyxl is not installed (scripts/setup.sh installs it): the workbook cannot be read back");
    QProcess reader;
    reader.start(python, {"-c", ReadWorkbook, out});
    QVERIFY(reader.waitForFinished(60000));
    QVERIFY2(reader.exitCode() == 0, reader.readAllStandardError().constData());
    const QJsonArray sheets = QJsonDocument::fromJson(reader.readAllStandardOutput()).array();
    QCOMPARE(sheets.size(), 3 + Criteria);
    auto cell = [&sheets](int sheet, int row, int col) { return sheets[sheet][1][row][col]; };
    auto exactly = [&](int sheet, int row, int col, double expected) {
        const QJsonValue value = cell(sheet, row, col);
        return value.isDouble() && sameBits(value.toDouble(), asWorkbookKeepsIt(expected));
    };

    QCOMPARE(sheets[0][1].toArray().size(), Alternatives + 1);
    for (int c = 0; c < 3; ++c)
        QCOMPARE(cell(0, 0, c).toString(), header[c]);
    for (int j = 0; j < Alternatives; ++j) {
        QCOMPARE(cell(0, j + 1, 0).toString(), named.alternatives[j]);
        QVERIFY2(exactly(0, j + 1, 1, global[j].toDouble()), qPrintable(QString::number(global[j].toDouble(), 'g', 17)));
        QCOMPARE(cell(0, j + 1, 2).toDouble(), double(place(j)));
    }
    const QJsonObject criteria = json["criteria"].toObject();
    for (int i = 0; i < Criteria; ++i) {
        QCOMPARE(cell(1, i + 1, 0).toString(), named.criteria[i]);
        QVERIFY(exactly(1, i + 1, 1, criteria["weights"].toArray()[i].toDouble()));
    }
    // The criteria matrix, then each criterion's: judgements, weights and the four measures.
    for (int sheet = 2; sheet < 3 + Criteria; ++sheet) {
        const bool ofCriteria = sheet == 2;
        const QJsonObject measures = ofCriteria ? criteria : json["alternatives"].toArray()[sheet - 3].toObject();
        const QList<QStringList> cells = ofCriteria ? named.criteriaJudgements : named.alternativesJudgements[sheet - 3];
        const QStringList names = ofCriteria ? named.criteria : named.alternatives;
        const int n = int(names.size());
        for (int i = 0; i < n; ++i) {
            QCOMPARE(cell(sheet, 1, i + 1).toString(), names[i]);
            QCOMPARE(cell(sheet, i + 2, 0).toString(), names[i]);
            QVERIFY(exactly(sheet, i + 2, n + 1, measures["weights"].toArray()[i].toDouble()));
            for (int j = 0; j < n; ++j)
                QVERIFY2(exactly(sheet, i + 2, j + 1, validateJudgement(cells[i][j]).value), qPrintable(cells[i][j]));
        }
        const char *keys[] = {"lambdaMax", "ci", "ri", "cr"};
        for (int k = 0; k < 4; ++k)
            QVERIFY2(exactly(sheet, n + 3 + k, 1, measures[keys[k]].toDouble()), keys[k]);
    }
}

void TstCommandLine::reportKeepsProtections_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("err");
    QTest::newRow("private") << "private" << 0 << "";
    QTest::newRow("read-only, someone else's") << "read-only" << 1 << "файл защищён от записи";
    QTest::newRow("symbolic link") << "link" << 0 << "";
}

// The report is written the way a decision file is: permissions kept, a link followed, a file
// marked read-only refused, nothing left beside it.
void TstCommandLine::reportKeepsProtections()
{
    QFETCH(QString, kind);
    QFETCH(int, status);
    QFETCH(QString, err);
    QTemporaryDir folder;
    const QString real = folder.filePath(QStringLiteral("real.pdf"));
    QString target = real;
    {
        QFile file(real);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("old");
    }
    QStringList expectedFiles{"real.pdf"};
    if (kind == "private") {
        QVERIFY(QFile::setPermissions(real, QFile::ReadOwner | QFile::WriteOwner));
    } else if (kind == "read-only") {
        QVERIFY(QFile::setPermissions(real, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        if (::geteuid() == 0)
            QCOMPARE(::chown(QFile::encodeName(real).constData(), 65534, 65534), 0);
    } else {
        target = folder.filePath(QStringLiteral("link.pdf"));
        QCOMPARE(::symlink("real.pdf", QFile::encodeName(target).constData()), 0);
        expectedFiles.prepend("link.pdf");
    }
    const QFile::Permissions permissions = QFileInfo(real).permissions();
    const uint owner = QFileInfo(real).ownerId();

    const Run run = runCommand({"--report", target, path("group.ahp")});
    QCOMPARE(run.status, status);
    QVERIFY2(run.err.contains(err.toUtf8()), run.err.constData());
    QFile file(real);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(5), status == 0 ? QByteArray("%PDF-") : QByteArray("old"));
    QCOMPARE(QFileInfo(real).permissions(), permissions);
    QCOMPARE(QFileInfo(real).ownerId(), owner);
    QCOMPARE(QFileInfo(target).isSymLink(), kind == "link");
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System), expectedFiles);
}

// The real program under each language as a person starts it. A wrong command line ends at once
// with its message; a right one reaches the window, which opens the file (and so remembers it
// among the recent files).
void TstCommandLine::asPersonTypesIt_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("settings"); // the remembered language, "fifo" for an unreadable file
    QTest::addColumn<int>("status");       // -1: the window, still open
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");

    const QString russian = QStringLiteral("C.UTF-8");
    const QString english = QStringLiteral("en_US.UTF-8");
    const auto both = [&](const char *name, const QStringList &arguments, int status, const QStringList &ru, const QStringList &en) {
        QTest::addRow("%s, Russian", name) << arguments << russian << "" << status << ru[0] << ru[1];
        QTest::addRow("%s, English", name) << arguments << english << "" << status << en[0] << en[1];
    };
    both("two files", {"group.ahp", "group.ahp"}, 1,
         {"", "Окно открывает один файл решения, а указано 2\nСправка: analyze --help"},
         {"", "The window opens one decision file, but 2 were given\nHelp: analyze --help"});
    both("misspelt command", {"--result", "group.ahp"}, 1,
         {"", "Неизвестный параметр «result».\nСправка: analyze --help"}, {"", "Unknown option 'result'.\nHelp: analyze --help"});
    both("unknown option", {"--bogus", "group.ahp"}, 1,
         {"", "Неизвестный параметр «bogus»."}, {"", "Unknown option 'bogus'."});
    both("help", {"--help"}, 0, {"Использование: ", ""}, {"Usage: ", ""});
    both("help lists the help of Qt's options", {"--help"}, 0, {"--help-all ", ""}, {"--help-all ", ""});
    both("help with Qt's options", {"--help-all"}, 0, {"--style <style>", ""}, {"--platform <platformName[:options]>  QPA plugin.", ""});
    both("own options in the help with Qt's", {"--help-all"}, 0, {"Вывести вычисленное решение", ""}, {"Write the computed decision", ""});
    both("results", {"--results", "group.ahp"}, 0,
         {"\"decision\": \"Для Вашей задачи наиболее оптимальна", ""}, {"\"decision\": \"For your problem the best choice is", ""});
    both("Qt's platform", {"-platform", "offscreen", "group.ahp"}, -1, {"", ""}, {"", ""});
    both("Qt's style", {"-style", "fusion", "group.ahp"}, -1, {"", ""}, {"", ""});
    both("Qt's options written otherwise", {"-style=fusion", "--reverse", "group.ahp", "-qwindowtitle", "T"}, -1, {"", ""}, {"", ""});

    // The remembered language comes before the environment's.
    QTest::newRow("English remembered") << QStringList{"--bogus"} << russian << "en" << 1 << "" << "Unknown option 'bogus'.";
    QTest::newRow("Russian remembered") << QStringList{"--results", "group.ahp"} << english << "ru" << 0
                                        << "\"decision\": \"Для Вашей задачи" << "";
    QTest::newRow("unreadable settings, a command") << QStringList{"--results", "group.ahp"} << english << "fifo" << 0
                                                     << "\"decision\": \"For your problem" << "not read";
    QTest::newRow("unreadable settings, the help") << QStringList{"--help"} << russian << "fifo" << 0
                                                    << "Использование: " << "не прочитан";
}

void TstCommandLine::asPersonTypesIt()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, lang);
    QFETCH(QString, settings);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);

    QTemporaryDir home;
    const QString settingsFile = home.filePath("config/Orvasta/Analyse.conf");
    QVERIFY(QDir().mkpath(QFileInfo(settingsFile).path()));
    if (settings == "fifo") {
        QCOMPARE(QProcess::execute("mkfifo", {settingsFile}), 0);
    } else if (!settings.isEmpty()) {
        QFile file(settingsFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write("[Software]\nOrvasta\\Analyse\\Language=" + settings.toUtf8() + "\n") > 0);
        QVERIFY(file.flush());
    }

    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QString::fromLatin1(name));
    environment.insert("LANG", lang);
    // A window that opened by mistake stays up, where a display would have refused it.
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
    environment.insert("XDG_DATA_HOME", home.filePath("data"));
    environment.insert("XDG_RUNTIME_DIR", home.path());
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(m_dir.path());
    process.start(QStringLiteral(ANALYZE_EXECUTABLE), arguments);
    QVERIFY(process.waitForStarted());

    if (status < 0) {
        const auto opened = [&settingsFile] {
            QFile file(settingsFile);
            return file.open(QIODevice::ReadOnly) && file.readAll().contains("group.ahp");
        };
        QTRY_VERIFY_WITH_TIMEOUT(opened() || process.state() == QProcess::NotRunning, 60000);
        const QString stdErr = QString::fromUtf8(process.readAllStandardError());
        QVERIFY2(process.state() == QProcess::Running, qPrintable(stdErr));
        process.kill();
        process.waitForFinished();
        return;
    }

    // A command or a refusal ends by itself, with no window to close.
    const bool finished = process.waitForFinished(30000);
    if (!finished)
        process.kill();
    QVERIFY2(finished, "the program did not end: a window opened");
    const QString stdOut = QString::fromUtf8(process.readAllStandardOutput());
    const QString stdErr = QString::fromUtf8(process.readAllStandardError());
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), status);
    if (out.isEmpty())
        QVERIFY2(stdOut.isEmpty(), qPrintable(stdOut));
    else
        QVERIFY2(stdOut.contains(out), qPrintable(stdOut));
    if (err.isEmpty())
        QVERIFY2(stdErr.isEmpty(), qPrintable(stdErr));
    else
        QVERIFY2(stdErr.contains(err), qPrintable(stdErr));
}

ANALYZE_WINDOW_TEST_MAIN(TstCommandLine)
#include "tst_commandline.moc"
