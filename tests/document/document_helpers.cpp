#include "document_helpers.h"

namespace DocumentTest {

namespace {
const QStringList Scale = {QStringLiteral("3"), QStringLiteral("1/5"), QStringLiteral("2.5"), QStringLiteral("7"),
                           QStringLiteral("1/2"), QStringLiteral("9"), QStringLiteral("1.25"), QStringLiteral("1/9")};

QString mirrorOf(const QString &text)
{
    return text.startsWith(QLatin1String("1/")) ? text.mid(2) : QStringLiteral("1/") + text;
}

QList<QStringList> patterned(int order, int seed)
{
    QList<QStringList> upper;
    for (int i = 0; i < order; ++i) {
        QStringList row;
        for (int j = i + 1; j < order; ++j)
            row << Scale.at((i * 3 + j * 5 + seed) % Scale.size());
        upper << row;
    }
    return reciprocalMatrix(upper);
}
}

QList<QStringList> reciprocalMatrix(const QList<QStringList> &upperRows)
{
    const int n = int(upperRows.size());
    QList<QStringList> cells(n, QStringList(n));
    for (int i = 0; i < n; ++i) {
        cells[i][i] = QStringLiteral("1");
        for (int j = i + 1; j < n; ++j) {
            const QString text = upperRows.at(i).value(j - i - 1);
            cells[i][j] = text;
            cells[j][i] = mirrorOf(text);
        }
    }
    return cells;
}

DecisionDocument decision(int n, int m)
{
    DecisionDocument document;
    document.user = QStringLiteral("Иванов \"И.И.\" \\ отдел");
    for (int i = 0; i < n; ++i)
        document.criteria << QStringLiteral("Критерий «%1»").arg(i + 1);
    for (int k = 0; k < m; ++k)
        document.alternatives << QStringLiteral("Вариант %1").arg(k + 1);
    document.criteriaJudgements = patterned(n, 0);
    for (int c = 0; c < n; ++c)
        document.alternativesJudgements << patterned(m, c + 1);
    return document;
}

DecisionDocument unfinishedDecision(int n, int m)
{
    DecisionDocument document = decision(n, m);
    document.user.clear();
    document.criteria[1] = document.criteria[0];
    document.alternatives[2] = QString();
    document.criteriaJudgements[0][1] = QString();
    document.criteriaJudgements[1][0] = QStringLiteral("1,5");
    document.criteriaJudgements[0][2] = QStringLiteral("abc\n\t\"}\\u0000");
    document.alternativesJudgements[n - 1][0][m - 1] = QStringLiteral("10");
    document.alternativesJudgements[n - 1][m - 1][0] = QString(QChar(0x1)) + QStringLiteral("ё");
    return document;
}

}
