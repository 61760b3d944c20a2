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
    return describeMatrix(document, matrix);
}

int orderOf(const DecisionDocument &document, int matrix)
{
    return int(matrixItems(document, matrix).size());
}

// "критерий 2.1 («Качество › Сборка»)": where a criterion is, by its numbers from 1 and its names.
QString criterionPlace(const CriterionPath &path, const QStringList &names)
{
    QStringList numbers;
    for (int i : path)
        numbers << QString::number(i + 1);
    return DecisionFile::tr("критерий %1 («%2»)").arg(numbers.join(QLatin1Char('.')), joinedPath(names));
}

// The sub-criteria below the top level: counts, levels and leaves.
QString checkTree(const QList<CriterionNode> &nodes, CriterionPath &path, QStringList &names)
{
    for (int i = 0; i < nodes.size(); ++i) {
        const CriterionNode &node = nodes.at(i);
        path.append(i);
        names.append(node.name);
        if (node.hasSubcriteria()) {
            const int count = int(node.subcriteria.size());
            if (path.size() >= MaxCriteriaLevels)
                return DecisionFile::tr("%1: уровней критериев больше %2").arg(criterionPlace(path, names)).arg(MaxCriteriaLevels);
            if (count < MinSubcriteria || count > MaxSubcriteria)
                return DecisionFile::tr("%1: подкритериев %2, а должно быть от %3 до %4")
                        .arg(criterionPlace(path, names)).arg(count).arg(MinSubcriteria).arg(MaxSubcriteria);
            const QString below = checkTree(node.subcriteria, path, names);
            if (!below.isEmpty())
                return below;
        }
        path.removeLast();
        names.removeLast();
    }
    return QString();
}

// Counts, sizes and diagonals of a document whose every cell is already a string.
QString checkMatrix(const DecisionDocument &document, int matrix)
{
    const QList<QStringList> cells = matrixOf(document, matrix);
    const int order = orderOf(document, matrix);
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
    return QString();
}

QString leafMatricesText(const DecisionDocument &document, qsizetype count)
{
    if (!document.hasSubcriteria())
        return DecisionFile::tr("Матриц альтернатив %1, а должно быть %2: по одной на критерий")
                .arg(count).arg(document.criteriaCount());
    return DecisionFile::tr("Матриц альтернатив %1, а должно быть %2: по одной на критерий без подкритериев")
            .arg(count).arg(document.leafCount());
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
    const Hierarchy tree = document.hierarchy();
    CriterionPath path;
    QStringList names;
    QString problem = checkTree(tree.criteria, path, names);
    if (!problem.isEmpty())
        return problem;
    const int leaves = tree.leafCount();
    if (leaves > MaxLeaves)
        return DecisionFile::tr("Критериев без подкритериев %1, а должно быть не больше %2").arg(leaves).arg(MaxLeaves);
    if (document.alternativesJudgements.size() != leaves)
        return leafMatricesText(document, document.alternativesJudgements.size());
    problem = checkMatrix(document, CriteriaMatrix);
    for (int k = 0; problem.isEmpty() && k < tree.subcriteriaPlaces().size(); ++k)
        problem = checkMatrix(document, subcriteriaMatrix(k));
    for (int c = 0; problem.isEmpty() && c < leaves; ++c)
        problem = checkMatrix(document, c);
    return problem;
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
    const int order = orderOf(document, matrix);
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

// One level of criteria: a name, or (from version 2) an object with sub-criteria and their matrix,
// whose cells are read once the whole tree is known (*matrices, depth-first).
bool readCriteria(const QJsonArray &array, int version, CriterionPath &path, QStringList &names,
                  QList<CriterionNode> *nodes, QList<QJsonValue> *matrices, QString *error)
{
    for (qsizetype i = 0; i < array.size(); ++i) {
        const QJsonValue item = array.at(i);
        path.append(int(i));
        CriterionNode node;
        if (item.isString()) {
            node.name = item.toString();
        } else if (!item.isObject()) {
            *error = path.size() == 1 ? DecisionFile::tr("«%1»: %2 %3 не является строкой")
                                                .arg(QStringLiteral("criteria"), DecisionFile::tr("название")).arg(i + 1)
                                      : DecisionFile::tr("%1: не является ни строкой, ни объектом")
                                                .arg(criterionPlace(path, names + QStringList{QString()}));
            return false;
        } else if (version < 2) {
            *error = DecisionFile::tr("Подкритерии есть только в файлах версии 2, а в этом файле версии %1 критерий %2 — объект")
                             .arg(version).arg(i + 1);
            return false;
        } else {
            const QJsonObject object = item.toObject();
            const QJsonValue name = object.value(QStringLiteral("name"));
            if (!name.isString()) {
                *error = name.isUndefined() ? DecisionFile::tr("%1: нет названия («name»)").arg(criterionPlace(path, names + QStringList{QString()}))
                                            : DecisionFile::tr("%1: название («name») не является строкой").arg(criterionPlace(path, names + QStringList{QString()}));
                return false;
            }
            node.name = name.toString();
            names.append(node.name);
            const QString place = criterionPlace(path, names);
            if (path.size() >= MaxCriteriaLevels) {
                *error = DecisionFile::tr("%1: уровней критериев больше %2").arg(place).arg(MaxCriteriaLevels);
                return false;
            }
            const QJsonValue below = object.value(QStringLiteral("criteria"));
            if (!below.isArray()) {
                *error = below.isUndefined() ? DecisionFile::tr("%1: нет подкритериев («criteria»)").arg(place)
                                             : DecisionFile::tr("%1: «criteria» должен быть массивом").arg(place);
                return false;
            }
            const QJsonArray subcriteria = below.toArray();
            if (subcriteria.size() < MinSubcriteria || subcriteria.size() > MaxSubcriteria) {
                *error = DecisionFile::tr("%1: подкритериев %2, а должно быть от %3 до %4")
                                 .arg(place).arg(subcriteria.size()).arg(MinSubcriteria).arg(MaxSubcriteria);
                return false;
            }
            const QJsonValue matrix = object.value(QStringLiteral("criteriaJudgements"));
            if (matrix.isUndefined()) {
                *error = DecisionFile::tr("%1: нет матрицы подкритериев («criteriaJudgements»)").arg(place);
                return false;
            }
            matrices->append(matrix);
            if (!readCriteria(subcriteria, version, path, names, &node.subcriteria, matrices, error))
                return false;
            names.removeLast();
        }
        nodes->append(node);
        path.removeLast();
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

// "[" and a matrix's rows, one a line; the closing bracket is the caller's.
QByteArray matrixRows(const QList<QStringList> &rows, const QByteArray &rowIndent)
{
    QByteArray out("[\n");
    for (qsizetype r = 0; r < rows.size(); ++r) {
        out += rowIndent + JsonText::stringArray(rows.at(r));
        out += r + 1 < rows.size() ? ",\n" : "\n";
    }
    return out;
}

// A level of criteria, one a line; a criterion with sub-criteria as an object over several lines.
QByteArray criteriaJson(const QList<CriterionNode> &nodes, const QByteArray &indent)
{
    const QByteArray step("  ");
    const QByteArray inner = indent + step;
    QByteArray out("[\n");
    for (qsizetype i = 0; i < nodes.size(); ++i) {
        const CriterionNode &node = nodes.at(i);
        if (!node.hasSubcriteria()) {
            out += inner + JsonText::string(node.name);
        } else {
            const QByteArray member = inner + step;
            out += inner + "{\n";
            out += member + "\"name\": " + JsonText::string(node.name) + ",\n";
            out += member + "\"criteria\": " + criteriaJson(node.subcriteria, member) + ",\n";
            out += member + "\"criteriaJudgements\": " + matrixRows(node.judgements, member + step);
            out += member + "]\n";
            out += inner + "}";
        }
        out += i + 1 < nodes.size() ? ",\n" : "\n";
    }
    out += indent + "]";
    return out;
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
    const QJsonValue allowMissing = root.value(QStringLiteral("allowMissing"));
    if (!allowMissing.isUndefined() && !allowMissing.isBool())
        return refused(DecisionFile::tr("«allowMissing» должен быть true или false"));
    document.allowMissing = allowMissing.toBool();

    QString error;
    const QJsonValue criteria = root.value(QStringLiteral("criteria"));
    if (!criteria.isArray())
        return refused(criteria.isUndefined() ? DecisionFile::tr("В файле нет члена «%1»").arg(QStringLiteral("criteria"))
                                              : DecisionFile::tr("«%1» должен быть массивом строк").arg(QStringLiteral("criteria")));
    Hierarchy tree;
    QList<QJsonValue> subcriteriaMatrices;
    CriterionPath path;
    QStringList pathNames;
    if (!readCriteria(criteria.toArray(), int(versionNumber), path, pathNames, &tree.criteria, &subcriteriaMatrices, &error))
        return refused(error);
    document.setHierarchy(tree);
    if (!readNames(root, QStringLiteral("alternatives"), QT_TRANSLATE_NOOP("DecisionFile", "название"), &document.alternatives, &error))
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
    tree = document.hierarchy();
    const QString treeProblem = checkTree(tree.criteria, path, pathNames);
    if (!treeProblem.isEmpty())
        return refused(treeProblem);
    const int leaves = tree.leafCount();
    if (leaves > MaxLeaves)
        return refused(DecisionFile::tr("Критериев без подкритериев %1, а должно быть не больше %2").arg(leaves).arg(MaxLeaves));
    const QList<TreePlace> inner = tree.subcriteriaPlaces();
    for (int k = 0; k < inner.size(); ++k) {
        QList<QStringList> cells;
        if (!readMatrix(subcriteriaMatrices.value(k), document, subcriteriaMatrix(k), &cells, &error))
            return refused(error);
        tree.node(inner.at(k).path)->judgements = cells;
    }
    document.setHierarchy(tree);

    const QJsonValue altValue = root.value(QStringLiteral("alternativesJudgements"));
    if (altValue.isUndefined())
        return refused(DecisionFile::tr("В файле нет члена «%1»").arg(QStringLiteral("alternativesJudgements")));
    if (!altValue.isArray())
        return refused(DecisionFile::tr("«alternativesJudgements» должен быть массивом матриц"));
    const QJsonArray altMatrices = altValue.toArray();
    if (altMatrices.size() != leaves)
        return refused(leafMatricesText(document, altMatrices.size()));
    document.alternativesJudgements.reserve(leaves);
    for (int c = 0; c < leaves; ++c) {
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
    const bool flat = !document.hasSubcriteria();
    out += indent + "\"version\": " + QByteArray::number(flat ? FlatDecisionFileVersion : DecisionFileVersion) + ",\n";
    for (const auto &[name, value] : extra)
        out += indent + JsonText::string(name) + ": " + JsonText::string(value) + ",\n";
    out += indent + "\"user\": " + JsonText::string(document.user) + ",\n";
    // Only when on, so that a decision without it is written as it always was.
    if (document.allowMissing)
        out += indent + "\"allowMissing\": true,\n";
    auto writeMatrix = [&out](const QList<QStringList> &rows, const QByteArray &rowIndent) {
        out += matrixRows(rows, rowIndent);
    };
    if (flat)
        out += indent + "\"criteria\": " + JsonText::stringArray(document.criteria) + ",\n";
    else
        out += indent + "\"criteria\": " + criteriaJson(document.hierarchy().criteria, indent) + ",\n";
    out += indent + "\"alternatives\": " + JsonText::stringArray(document.alternatives) + ",\n";
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
