#include "app/resultsexport.h"

#include "document/decisiondocument.h"
#include "document/decisionresults.h"
#include "document/jsontext.h"
#include "document/wholefile.h"
#include "model/judgement.h"
#include "platform/spreadsheetbook.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>

#include <clocale>
#include <memory>
#include <string>

namespace {

class ResultsExportText
{
    Q_DECLARE_TR_FUNCTIONS(ResultsExportText)
};

QStringList firstSheetHeader()
{
    return {ResultsExportText::tr("Альтернатива"), ResultsExportText::tr("Глобальный приоритет"), ResultsExportText::tr("Место")};
}

QByteArray csvField(const QString &text)
{
    QByteArray bytes = text.toUtf8();
    if (bytes.contains(',') || bytes.contains('"') || bytes.contains('\n') || bytes.contains('\r')) {
        bytes.replace("\"", "\"\"");
        bytes = '"' + bytes + '"';
    }
    return bytes;
}

// libxlsxwriter prints its numbers with the C library, which follows LC_NUMERIC, and the
// application object set that from the environment: "0,25" would spoil the workbook.
class NumbersWithPoint
{
public:
    NumbersWithPoint()
    {
        const char *current = std::setlocale(LC_NUMERIC, nullptr);
        m_saved = current ? current : "C";
        std::setlocale(LC_NUMERIC, "C");
    }
    ~NumbersWithPoint() { std::setlocale(LC_NUMERIC, m_saved.c_str()); }
    NumbersWithPoint(const NumbersWithPoint &) = delete;
    NumbersWithPoint &operator=(const NumbersWithPoint &) = delete;

private:
    std::string m_saved;
};

// One worksheet; the book keeps the first error of any write.
class Sheet
{
public:
    Sheet(SpreadsheetBook *book, int sheet)
        : m_book(book), m_sheet(sheet)
    {
    }
    void text(int row, int col, const QString &value, bool bold = false)
    {
        m_book->text(m_sheet, row, col, value.toUtf8().constData(), bold);
    }
    void number(int row, int col, double value) { m_book->number(m_sheet, row, col, value); }
    void width(int col, double characters) { m_book->columnWidth(m_sheet, col, characters); }

private:
    SpreadsheetBook *m_book;
    int m_sheet;
};

// A judgement as the computation read it; the decision was computed, so every cell reads.
double judgementValue(const QString &fileText)
{
    return validateJudgement(fromFileText(fileText, decimalPointOf(QLocale()))).value;
}

void fillMatrix(Sheet &sheet, const QString &title, const QStringList &names, const QList<QStringList> &texts,
                const PriorityResult &result)
{
    const int n = int(names.size());
    sheet.width(0, 32);
    sheet.text(0, 0, title, true);
    for (int j = 0; j < n; ++j)
        sheet.text(1, j + 1, names.at(j), true);
    sheet.text(1, n + 1, ResultsExportText::tr("Вес"), true);
    for (int i = 0; i < n; ++i) {
        sheet.text(i + 2, 0, names.at(i), true);
        for (int j = 0; j < n; ++j)
            sheet.number(i + 2, j + 1, judgementValue(texts.value(i).value(j)));
        if (size_t(i) < result.weights.size())
            sheet.number(i + 2, n + 1, result.weights[size_t(i)]);
    }
    const struct
    {
        QString label;
        double value;
    } measures[] = {
        {QStringLiteral("λmax"), result.lambdaMax},
        {ResultsExportText::tr("Индекс согласованности (ИС)"), result.ci},
        {ResultsExportText::tr("Случайный индекс (СИ)"), result.ri},
        {ResultsExportText::tr("Отношение согласованности (ОС)"), result.cr},
    };
    int row = n + 3;
    for (const auto &measure : measures) {
        sheet.text(row, 0, measure.label);
        sheet.number(row, 1, measure.value);
        ++row;
    }
}

QString buildFailure(const std::string &libraryReason, int systemError)
{
    if (systemError != 0)
        return WholeFile::reason(systemError);
    return ResultsExportText::tr("книга не собрана (%1)").arg(QString::fromStdString(libraryReason));
}

} // namespace

namespace ResultsExport {

Format formatOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.compare(QLatin1String("xlsx"), Qt::CaseInsensitive) == 0)
        return Format::Workbook;
    if (suffix.compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0)
        return Format::Csv;
    return Format::Unknown;
}

int rankOf(const DecisionResults &results, int alternative)
{
    const double own = results.global.at(size_t(alternative));
    int above = 0;
    for (double other : results.global)
        above += other > own ? 1 : 0;
    return above + 1;
}

QByteArray csv(const DecisionDocument &document, const DecisionResults &results)
{
    QByteArray out;
    const QStringList header = firstSheetHeader();
    for (qsizetype c = 0; c < header.size(); ++c)
        out += (c > 0 ? "," : "") + csvField(header.at(c));
    out += "\r\n";
    for (int j = 0; j < int(results.global.size()); ++j) {
        out += csvField(document.alternatives.value(j)) + ',' + JsonText::number(results.global[size_t(j)]) + ','
               + QByteArray::number(rankOf(results, j)) + "\r\n";
    }
    return out;
}

bool workbook(const DecisionDocument &document, const DecisionResults &results, QByteArray *bytes, QString *reason)
{
    // Made in a folder of this program's own, never beside the target, and read back whole.
    QTemporaryDir folder;
    if (!folder.isValid()) {
        *reason = ResultsExportText::tr("нет временной папки (%1)").arg(folder.errorString());
        return false;
    }
    const QByteArray path = QFile::encodeName(folder.filePath(QStringLiteral("results.xlsx")));
    const QByteArray tmpdir = QFile::encodeName(folder.path());

    const SpreadsheetBook::Factory create = SpreadsheetBook::factory(reason);
    if (!create)
        return false;
    const NumbersWithPoint point;
    const std::unique_ptr<SpreadsheetBook> book(create(path.constData(), tmpdir.constData()));
    if (!book) {
        *reason = ResultsExportText::tr("книга не собрана");
        return false;
    }
    auto addSheet = [&](const QString &name) { return book->addSheet(name.toUtf8().constData()); };

    if (const int first = addSheet(ResultsExportText::tr("Результаты")); first >= 0) {
        Sheet sheet(book.get(), first);
        sheet.width(0, 32);
        sheet.width(1, 20);
        const QStringList header = firstSheetHeader();
        for (int c = 0; c < header.size(); ++c)
            sheet.text(0, c, header.at(c), true);
        for (int j = 0; j < int(results.global.size()); ++j) {
            sheet.text(j + 1, 0, document.alternatives.value(j));
            sheet.number(j + 1, 1, results.global[size_t(j)]);
            sheet.number(j + 1, 2, rankOf(results, j));
        }
    }
    const Hierarchy tree = document.hierarchy();
    if (const int weights = addSheet(ResultsExportText::tr("Веса критериев")); weights >= 0) {
        Sheet sheet(book.get(), weights);
        sheet.width(0, 32);
        sheet.text(0, 0, ResultsExportText::tr("Критерий"), true);
        sheet.text(0, 1, ResultsExportText::tr("Вес"), true);
        for (int i = 0; i < document.criteriaCount(); ++i) {
            sheet.text(i + 1, 0, document.criteria.at(i));
            if (size_t(i) < results.criteria.weights.size())
                sheet.number(i + 1, 1, results.criteria.weights[size_t(i)]);
        }
        // Under sub-criteria the alternatives are weighed by the leaves: their weights follow,
        // each leaf named by its path.
        if (!tree.isFlat()) {
            const int first = document.criteriaCount() + 2;
            sheet.text(first, 0, ResultsExportText::tr("Критерий нижнего уровня"), true);
            sheet.text(first, 1, ResultsExportText::tr("Вес"), true);
            for (int l = 0; l < int(results.leaves.size()); ++l) {
                sheet.text(first + 1 + l, 0, tree.pathText(results.leaves[size_t(l)].path));
                sheet.number(first + 1 + l, 1, results.leaves[size_t(l)].weight);
            }
        }
    }
    if (const int criteria = addSheet(ResultsExportText::tr("Матрица критериев")); criteria >= 0) {
        Sheet sheet(book.get(), criteria);
        fillMatrix(sheet, ResultsExportText::tr("Сравнение критериев"), document.criteria, document.criteriaJudgements, results.criteria);
    }
    for (int k = 0; k < int(results.subcriteria.size()); ++k) {
        const SubcriteriaResult &sub = results.subcriteria[size_t(k)];
        const CriterionNode *node = tree.node(sub.path);
        if (!node)
            continue;
        QStringList names;
        for (const CriterionNode &child : node->subcriteria)
            names << child.name;
        if (const int matrix = addSheet(ResultsExportText::tr("Подкритерии %1").arg(k + 1)); matrix >= 0) {
            Sheet sheet(book.get(), matrix);
            fillMatrix(sheet, ResultsExportText::tr("Сравнение подкритериев «%1»").arg(tree.pathText(sub.path)), names,
                       node->judgements, sub.matrix);
        }
    }
    for (int c = 0; c < int(results.alternatives.size()); ++c) {
        // Sheet names are short and may not hold every character a name may: the criterion's
        // number names the sheet, its name (under sub-criteria, its path) heads it.
        const QString name = size_t(c) < results.leaves.size() ? tree.pathText(results.leaves[size_t(c)].path)
                                                               : document.criteria.value(c);
        if (const int matrix = addSheet(ResultsExportText::tr("Критерий %1").arg(c + 1)); matrix >= 0) {
            Sheet sheet(book.get(), matrix);
            fillMatrix(sheet, ResultsExportText::tr("Сравнение альтернатив по критерию «%1»").arg(name),
                       document.alternatives, document.alternativesJudgements.value(c), results.alternatives[size_t(c)]);
        }
    }

    std::string libraryReason;
    int systemError = 0;
    if (!book->close(&libraryReason, &systemError)) {
        *reason = buildFailure(libraryReason, systemError);
        return false;
    }
    QFile file(QFile::decodeName(path));
    if (!file.open(QIODevice::ReadOnly)) {
        *reason = WholeFile::reason(file);
        return false;
    }
    const qint64 size = file.size();
    *bytes = file.readAll();
    if (file.error() != QFileDevice::NoError || bytes->size() != size) {
        *reason = WholeFile::reason(file);
        return false;
    }
    return true;
}

bool write(const QString &path, const DecisionDocument &document, const DecisionResults &results, QString *reason)
{
    QByteArray bytes;
    switch (formatOf(path)) {
    case Format::Csv:
        bytes = csv(document, results);
        break;
    case Format::Workbook:
        if (!workbook(document, results, &bytes, reason))
            return false;
        break;
    case Format::Unknown:
        *reason = ResultsExportText::tr("таблица пишется в файл .xlsx или .csv");
        return false;
    }
    return WholeFile::write(path, bytes, reason);
}

}
