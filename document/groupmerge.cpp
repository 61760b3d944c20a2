#include "document/groupmerge.h"

#include "document/decisionfile.h"
#include "model/judgement.h"
#include "model/numberformat.h"

#include <QCoreApplication>

#include <cmath>
#include <vector>

namespace {

class GroupMerge
{
    Q_DECLARE_TR_FUNCTIONS(GroupMerge)
};

MergeResult refused(const QString &error)
{
    return MergeResult{std::nullopt, error};
}

// The file's texts use "." whatever the locale.
const QLocale &fileLocale()
{
    static const QLocale c = QLocale::c();
    return c;
}

// The first name that differs between two lists of the same length, as "2 («A» и «B»)".
QString firstDifference(const QStringList &mine, const QStringList &theirs)
{
    for (qsizetype i = 0; i < mine.size() && i < theirs.size(); ++i) {
        if (mine.at(i) != theirs.at(i))
            return GroupMerge::tr("%1-е: «%2» вместо «%3»")
                    .arg(QString::number(i + 1), theirs.at(i), mine.at(i));
    }
    return QString();
}

// The first criterion whose sub-criteria differ, as "критерий 2.1: «A» вместо «B»".
QString treeDifference(const QList<CriterionNode> &mine, const QList<CriterionNode> &theirs, CriterionPath &path)
{
    if (mine.size() != theirs.size()) {
        QStringList numbers;
        for (int i : path)
            numbers << QString::number(i + 1);
        return GroupMerge::tr("у критерия %1 подкритериев %2 вместо %3")
                .arg(numbers.join(QLatin1Char('.'))).arg(theirs.size()).arg(mine.size());
    }
    for (int i = 0; i < mine.size(); ++i) {
        path.append(i);
        if (path.size() > 1 && mine.at(i).name != theirs.at(i).name) {
            QStringList numbers;
            for (int k : path)
                numbers << QString::number(k + 1);
            return GroupMerge::tr("подкритерий %1: «%2» вместо «%3»")
                    .arg(numbers.join(QLatin1Char('.')), theirs.at(i).name, mine.at(i).name);
        }
        const QString below = treeDifference(mine.at(i).subcriteria, theirs.at(i).subcriteria, path);
        if (!below.isEmpty())
            return below;
        path.removeLast();
    }
    return QString();
}

} // namespace

MergeResult mergeDecisions(const QList<MergeInput> &inputs)
{
    if (inputs.size() < 2)
        return refused(GroupMerge::tr("Для объединения нужно не меньше двух файлов решений"));

    const DecisionDocument &first = inputs.front().document;
    for (const MergeInput &input : inputs) {
        const DecisionDocument &doc = input.document;
        const QString shape = checkDecision(doc);
        if (!shape.isEmpty())
            return refused(GroupMerge::tr("Файл «%1»: %2").arg(input.fileName, shape));
        if (doc.criteriaCount() != first.criteriaCount())
            return refused(GroupMerge::tr("Файл «%1»: критериев %2, а в «%3» их %4")
                                   .arg(input.fileName, QString::number(doc.criteriaCount()),
                                        inputs.front().fileName, QString::number(first.criteriaCount())));
        if (doc.alternativesCount() != first.alternativesCount())
            return refused(GroupMerge::tr("Файл «%1»: альтернатив %2, а в «%3» их %4")
                                   .arg(input.fileName, QString::number(doc.alternativesCount()),
                                        inputs.front().fileName, QString::number(first.alternativesCount())));
        if (doc.criteria != first.criteria)
            return refused(GroupMerge::tr("Файл «%1»: другие критерии, чем в «%2»: %3")
                                   .arg(input.fileName, inputs.front().fileName,
                                        firstDifference(first.criteria, doc.criteria)));
        if (doc.alternatives != first.alternatives)
            return refused(GroupMerge::tr("Файл «%1»: другие альтернативы, чем в «%2»: %3")
                                   .arg(input.fileName, inputs.front().fileName,
                                        firstDifference(first.alternatives, doc.alternatives)));
        CriterionPath path;
        const QString tree = treeDifference(first.hierarchy().criteria, doc.hierarchy().criteria, path);
        if (!tree.isEmpty())
            return refused(GroupMerge::tr("Файл «%1»: другие подкритерии, чем в «%2»: %3")
                                   .arg(input.fileName, inputs.front().fileName, tree));
    }

    // Every off-diagonal cell of every file must hold a judgement, mirrors included: a group's
    // mean over a half-finished matrix would not be anyone's judgement. Only a file that allows
    // missing judgements may leave a pair out, both cells empty; the pair's mean is then over the
    // files that gave it.
    DecisionDocument merged = first;
    for (const MergeInput &input : inputs)
        merged.allowMissing = merged.allowMissing || input.document.allowMissing;
    for (int matrix : matricesOf(first)) {
        const int order = int(matrixItems(first, matrix).size());
        std::vector<double> logSums(size_t(order * order), 0.0);
        std::vector<int> given(size_t(order * order), 0);
        for (const MergeInput &input : inputs) {
            const QList<QStringList> cells = matrixOf(input.document, matrix);
            for (int i = 0; i < order; ++i) {
                for (int j = 0; j < order; ++j) {
                    if (i == j)
                        continue;
                    const QString text = cells.at(i).at(j);
                    if (input.document.allowMissing && text.isEmpty() && cells.at(j).at(i).isEmpty())
                        continue;
                    const JudgementCheck check = validateJudgement(text, fileLocale());
                    if (!check.valid)
                        return refused(GroupMerge::tr("Файл «%1»: %2 («%3»): %4")
                                               .arg(input.fileName, check.message, text,
                                                    describeCell(input.document, matrix, i, j)));
                    logSums[size_t(i * order + j)] += std::log(check.value);
                    ++given[size_t(i * order + j)];
                }
            }
        }
        QList<QStringList> result = matrixOf(first, matrix);
        for (int i = 0; i < order; ++i) {
            for (int j = i + 1; j < order; ++j) {
                const int k = given[size_t(i * order + j)];
                if (k == 0) {
                    result[i][j] = result[j][i] = QString();
                    continue;
                }
                const double g = std::exp(logSums[size_t(i * order + j)] / k);
                // The value at least 1 is written out, its mirror as "1/" of the same text, so
                // the pair stays exactly reciprocal and on the scale.
                const bool upperHolds = g >= 1.0;
                const QString text = formatGeneral(upperHolds ? g : 1.0 / g, fileLocale());
                const QString mirror = QStringLiteral("1/") + text;
                result[i][j] = upperHolds ? text : mirror;
                result[j][i] = upperHolds ? mirror : text;
            }
            result[i][i] = QStringLiteral("1");
        }
        setMatrixOf(merged, matrix, result);
    }
    return MergeResult{merged, QString()};
}
