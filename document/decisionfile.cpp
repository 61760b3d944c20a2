#include "document/decisionfile.h"

#include "document/jsontext.h"
#include "document/wholefile.h"
#include "model/decisionmodel.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QStringDecoder>

#include <cerrno>
#include <cmath>

namespace {

// The messages' translation context.
class DecisionFile
{
    Q_DECLARE_TR_FUNCTIONS(DecisionFile)
};

const QString Diagonal = QStringLiteral("1");

QString matrixName(const DecisionDocument &document, int matrix)
{
    if (matrix == CriteriaMatrix)
        return DecisionFile::tr("матрица критериев");
    return DecisionFile::tr("матрица альтернатив для критерия %1 («%2»)")
            .arg(QString::number(matrix + 1), document.criteria.value(matrix));
}

// Counts, sizes and diagonals of a document whose every cell is already a string.
QString checkShape(const DecisionDocument &document)
{
    const int n = document.criteriaCount();
    const int m = document.alternativesCount();
    if (n < MinCriteria || n > MaxCriteria)
        return DecisionFile::tr("Число критериев %1, а должно быть от %2 до %3").arg(n).arg(MinCriteria).arg(MaxCriteria);
    if (m < MinAlternatives || m > MaxAlternatives)
        return DecisionFile::tr("Число альтернатив %1, а должно быть от %2 до %3").arg(m).arg(MinAlternatives).arg(MaxAlternatives);
    if (document.alternativesJudgements.size() != n)
        return DecisionFile::tr("Матриц альтернатив %1, а должно быть %2: по одной на критерий")
                .arg(document.alternativesJudgements.size()).arg(n);
    for (int matrix = CriteriaMatrix; matrix < n; ++matrix) {
        const QList<QStringList> cells = matrixOf(document, matrix);
        const int order = matrix == CriteriaMatrix ? n : m;
        if (cells.size() != order)
            return DecisionFile::tr("%1: строк %2, а должно быть %3").arg(matrixName(document, matrix), QString::number(cells.size()), QString::number(order));
        for (int row = 0; row < order; ++row) {
            if (cells.at(row).size() != order)
                return DecisionFile::tr("%1: в строке %2 ячеек %3, а должно быть %4")
                        .arg(matrixName(document, matrix), QString::number(row + 1),
                             QString::number(cells.at(row).size()), QString::number(order));
            if (cells.at(row).at(row) != Diagonal)
                return DecisionFile::tr("На диагонали должна стоять «1», а стоит «%1»: %2")
                        .arg(cells.at(row).at(row), describeCell(document, matrix, row, row));
        }
    }
    return QString();
}

DecisionReadResult refused(const QString &error)
{
    return DecisionReadResult{std::nullopt, error};
}

// A JSON array of strings; *error names the first member that is not one.
bool readNames(const QJsonObject &root, const QString &key, const char *itemWhat, QStringList *names, QString *error)
{
    const QJsonValue value = root.value(key);
    if (!value.isArray()) {
        *error = value.isUndefined() ? DecisionFile::tr("В файле нет члена «%1»").arg(key)
                                     : DecisionFile::tr("«%1» должен быть массивом строк").arg(key);
        return false;
    }
    const QJsonArray array = value.toArray();
    names->reserve(array.size());
    for (qsizetype i = 0; i < array.size(); ++i) {
        if (!array.at(i).isString()) {
            *error = DecisionFile::tr("«%1»: %2 %3 не является строкой").arg(key, DecisionFile::tr(itemWhat)).arg(i + 1);
            return false;
        }
        names->append(array.at(i).toString());
    }
    return true;
}

// A matrix of strings, every row `order` long. The names of the document are already read, so
// that a bad cell is named by its place.
bool readMatrix(const QJsonValue &value, const DecisionDocument &document, int matrix,
                QList<QStringList> *cells, QString *error)
{
    const int order = matrix == CriteriaMatrix ? document.criteriaCount() : document.alternativesCount();
    if (!value.isArray()) {
        *error = DecisionFile::tr("%1 должна быть массивом строк").arg(matrixName(document, matrix));
        return false;
    }
    const QJsonArray rows = value.toArray();
    if (rows.size() != order) {
        *error = DecisionFile::tr("%1: строк %2, а должно быть %3").arg(matrixName(document, matrix), QString::number(rows.size()), QString::number(order));
        return false;
    }
    cells->reserve(order);
    for (int row = 0; row < order; ++row) {
        const QJsonValue rowValue = rows.at(row);
        if (!rowValue.isArray()) {
            *error = DecisionFile::tr("%1: строка %2 должна быть массивом строк").arg(matrixName(document, matrix), QString::number(row + 1));
            return false;
        }
        const QJsonArray rowCells = rowValue.toArray();
        if (rowCells.size() != order) {
            *error = DecisionFile::tr("%1: в строке %2 ячеек %3, а должно быть %4")
                    .arg(matrixName(document, matrix), QString::number(row + 1),
                         QString::number(rowCells.size()), QString::number(order));
            return false;
        }
        QStringList texts;
        texts.reserve(order);
        for (int col = 0; col < order; ++col) {
            if (!rowCells.at(col).isString()) {
                *error = DecisionFile::tr("Ячейка не является строкой: %1").arg(describeCell(document, matrix, row, col));
                return false;
            }
            texts.append(rowCells.at(col).toString());
        }
        cells->append(texts);
    }
    return true;
}

bool looksBinary(const QByteArray &bytes)
{
    if (bytes.contains('\0'))
        return true;
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    Q_UNUSED(text);
    return decoder.hasError();
}

} // namespace

QString checkDecision(const DecisionDocument &document)
{
    return checkShape(document);
}

DecisionReadResult readDecision(const QByteArray &bytes)
{
    if (bytes.trimmed().isEmpty())
        return refused(DecisionFile::tr("Он пуст"));
    if (looksBinary(bytes))
        return refused(DecisionFile::tr("Это не текст UTF-8 и потому не файл решения"));

    QJsonParseError parseError;
    const QJsonDocument json = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return refused(DecisionFile::tr("Он повреждён: ошибка JSON на позиции %1 (%2)")
                               .arg(parseError.offset).arg(parseError.errorString()));
    if (!json.isObject())
        return refused(DecisionFile::tr("Это не файл решения: ожидался объект JSON"));
    const QJsonObject root = json.object();

    const QJsonValue format = root.value(QStringLiteral("format"));
    if (format.toString() != DecisionFileFormat)
        return refused(format.isString() ? DecisionFile::tr("Это не файл решения: формат «%1» вместо «%2»").arg(format.toString(), DecisionFileFormat)
                                         : DecisionFile::tr("Это не файл решения: нет члена «format» со значением «%1»").arg(DecisionFileFormat));

    const QJsonValue version = root.value(QStringLiteral("version"));
    const double versionNumber = version.toDouble(-1.0);
    if (!version.isDouble() || versionNumber < 1.0 || versionNumber != std::floor(versionNumber))
        return refused(DecisionFile::tr("Неверная версия файла: ожидалось целое число от 1"));
    if (versionNumber > DecisionFileVersion)
        return refused(DecisionFile::tr("Он записан более новой программой (версия %1), а эта читает версии до %2")
                               .arg(QString::number(versionNumber, 'g', 17)).arg(DecisionFileVersion));

    DecisionDocument document;
    const QJsonValue user = root.value(QStringLiteral("user"));
    if (!user.isUndefined() && !user.isString())
        return refused(DecisionFile::tr("«user» должен быть строкой"));
    document.user = user.toString();

    QString error;
    if (!readNames(root, QStringLiteral("criteria"), QT_TRANSLATE_NOOP("DecisionFile", "название"), &document.criteria, &error)
            || !readNames(root, QStringLiteral("alternatives"), QT_TRANSLATE_NOOP("DecisionFile", "название"), &document.alternatives, &error))
        return refused(error);
    const int n = document.criteriaCount();
    const int m = document.alternativesCount();
    if (n < MinCriteria || n > MaxCriteria)
        return refused(DecisionFile::tr("Число критериев %1, а должно быть от %2 до %3").arg(n).arg(MinCriteria).arg(MaxCriteria));
    if (m < MinAlternatives || m > MaxAlternatives)
        return refused(DecisionFile::tr("Число альтернатив %1, а должно быть от %2 до %3").arg(m).arg(MinAlternatives).arg(MaxAlternatives));

    const QJsonValue criteriaCells = root.value(QStringLiteral("criteriaJudgements"));
    if (criteriaCells.isUndefined())
        return refused(DecisionFile::tr("В файле нет члена «%1»").arg(QStringLiteral("criteriaJudgements")));
    if (!readMatrix(criteriaCells, document, CriteriaMatrix, &document.criteriaJudgements, &error))
        return refused(error);

    const QJsonValue altValue = root.value(QStringLiteral("alternativesJudgements"));
    if (altValue.isUndefined())
        return refused(DecisionFile::tr("В файле нет члена «%1»").arg(QStringLiteral("alternativesJudgements")));
    if (!altValue.isArray())
        return refused(DecisionFile::tr("«alternativesJudgements» должен быть массивом матриц"));
    const QJsonArray altMatrices = altValue.toArray();
    if (altMatrices.size() != n)
        return refused(DecisionFile::tr("Матриц альтернатив %1, а должно быть %2: по одной на критерий").arg(altMatrices.size()).arg(n));
    document.alternativesJudgements.reserve(n);
    for (int c = 0; c < n; ++c) {
        QList<QStringList> cells;
        if (!readMatrix(altMatrices.at(c), document, c, &cells, &error))
            return refused(error);
        document.alternativesJudgements.append(cells);
    }

    error = checkShape(document);
    if (!error.isEmpty())
        return refused(error);
    return DecisionReadResult{document, QString()};
}

DecisionReadResult readDecisionFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        // A loop of links or a folder without access is not a missing file: the system says which.
        QFile file(path);
        if (file.open(QIODevice::ReadOnly) || file.errorString() == qt_error_string(ENOENT))
            return refused(DecisionFile::tr("Такого файла нет"));
        return refused(DecisionFile::tr("Не удалось открыть: %1").arg(WholeFile::reason(file)));
    }
    // A fifo or a device would block or never end: only a regular file is opened at all.
    if (!info.isFile())
        return refused(DecisionFile::tr("Это не обычный файл"));
    if (info.size() > MaxDecisionFileSize)
        return refused(DecisionFile::tr("Он слишком велик для файла решения (%1 байт, допустимо до %2)")
                               .arg(QString::number(info.size()), QString::number(MaxDecisionFileSize)));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(DecisionFile::tr("Не удалось открыть: %1").arg(WholeFile::reason(file)));
    // The size may have changed since it was looked at; never read more than the limit.
    const QByteArray bytes = file.read(MaxDecisionFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return refused(DecisionFile::tr("Не удалось прочитать: %1").arg(WholeFile::reason(file)));
    if (bytes.size() > MaxDecisionFileSize)
        return refused(DecisionFile::tr("Он слишком велик для файла решения (%1 байт, допустимо до %2)")
                               .arg(QString::number(bytes.size()), QString::number(MaxDecisionFileSize)));
    return readDecision(bytes);
}

QString notOpenedText(const QString &path, const QString &reason)
{
    // The reason is a sentence of its own, even when it starts with a matrix's name.
    QString sentence = reason;
    if (!sentence.isEmpty())
        sentence[0] = sentence.at(0).toUpper();
    return DecisionFile::tr("Файл «%1» не открыт. %2").arg(path, sentence);
}

QByteArray writeDecision(const DecisionDocument &document, const ExtraMembers &extra)
{
    const QByteArray indent("  ");
    QByteArray out;
    out.reserve(4096);
    out += "{\n";
    out += indent + "\"format\": " + JsonText::string(DecisionFileFormat) + ",\n";
    out += indent + "\"version\": " + QByteArray::number(DecisionFileVersion) + ",\n";
    for (const auto &[name, value] : extra)
        out += indent + JsonText::string(name) + ": " + JsonText::string(value) + ",\n";
    out += indent + "\"user\": " + JsonText::string(document.user) + ",\n";
    out += indent + "\"criteria\": " + JsonText::stringArray(document.criteria) + ",\n";
    out += indent + "\"alternatives\": " + JsonText::stringArray(document.alternatives) + ",\n";
    auto writeMatrix = [&out](const QList<QStringList> &rows, const QByteArray &rowIndent) {
        out += "[\n";
        for (qsizetype r = 0; r < rows.size(); ++r) {
            out += rowIndent + JsonText::stringArray(rows.at(r));
            out += r + 1 < rows.size() ? ",\n" : "\n";
        }
    };
    out += indent + "\"criteriaJudgements\": ";
    writeMatrix(document.criteriaJudgements, indent + indent);
    out += indent + "],\n";
    out += indent + "\"alternativesJudgements\": [\n";
    for (qsizetype c = 0; c < document.alternativesJudgements.size(); ++c) {
        out += indent + indent;
        writeMatrix(document.alternativesJudgements.at(c), indent + indent + indent);
        out += indent + indent + "]";
        out += c + 1 < document.alternativesJudgements.size() ? ",\n" : "\n";
    }
    out += indent + "]\n";
    out += "}\n";
    return out;
}

bool saveDecisionFile(const QString &path, const DecisionDocument &document, QString *error, const ExtraMembers &extra)
{
    auto fail = [error](const QString &message) {
        if (error)
            *error = message;
        return false;
    };
    const QString problem = checkDecision(document);
    if (!problem.isEmpty())
        return fail(DecisionFile::tr("Решение не сохранено в «%1»: %2").arg(path, problem));
    const QByteArray bytes = writeDecision(document, extra);
    if (bytes.size() > MaxDecisionFileSize)
        return fail(DecisionFile::tr("Решение не сохранено в «%1»: файл вышел бы больше %2 байт и не открылся бы снова")
                            .arg(path, QString::number(MaxDecisionFileSize)));
    QString reason;
    if (!WholeFile::write(path, bytes, &reason))
        return fail(DecisionFile::tr("Не удалось записать файл «%1»: %2").arg(path, reason));
    if (error)
        error->clear();
    return true;
}
