// Decision files as they are written, read back and refused.

#include "document_helpers.h"
#include "smalldisk.h"

#include "document/decisionfile.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace DocumentTest;

namespace {

QJsonObject validObject()
{
    return QJsonDocument::fromJson(writeDecision(decision(3, 3))).object();
}

QByteArray bytesOf(const QJsonObject &object)
{
    return QJsonDocument(object).toJson();
}

// A copy of the valid 3 x 3 decision with one member replaced.
QByteArray withMember(const QString &key, const QJsonValue &value)
{
    QJsonObject object = validObject();
    object.insert(key, value);
    return bytesOf(object);
}

QJsonArray stringRow(int count)
{
    QJsonArray row;
    for (int i = 0; i < count; ++i)
        row.append(QStringLiteral("1"));
    return row;
}

// The valid decision with cell (row, col) of a matrix (-1 criteria, else the criterion's
// alternatives) set to value.
QByteArray withCell(int matrix, int row, int col, const QJsonValue &value)
{
    QJsonObject object = validObject();
    if (matrix < 0) {
        QJsonArray rows = object.value(QStringLiteral("criteriaJudgements")).toArray();
        QJsonArray cells = rows.at(row).toArray();
        cells.replace(col, value);
        rows.replace(row, cells);
        object.insert(QStringLiteral("criteriaJudgements"), rows);
    } else {
        QJsonArray matrices = object.value(QStringLiteral("alternativesJudgements")).toArray();
        QJsonArray rows = matrices.at(matrix).toArray();
        QJsonArray cells = rows.at(row).toArray();
        cells.replace(col, value);
        rows.replace(row, cells);
        matrices.replace(matrix, rows);
        object.insert(QStringLiteral("alternativesJudgements"), matrices);
    }
    return bytesOf(object);
}

QJsonArray names(int count)
{
    QJsonArray array;
    for (int i = 0; i < count; ++i)
        array.append(QStringLiteral("N%1").arg(i + 1));
    return array;
}

} // namespace

class TstDecisionFile : public QObject
{
    Q_OBJECT
private slots:
    void roundTrip_data();
    void roundTrip();
    void writtenAsDocumented();
    void unknownMembersIgnored();
    void refused_data();
    void refused();
    void refusedMessageNamesFileOnce_data() { refused_data(); }
    void refusedMessageNamesFileOnce();
    void separator_data();
    void separator();
    void fileRefused_data();
    void fileRefused();
    void saveReplacesWhole();
    void failedSaveKeepsOldFile_data();
    void failedSaveKeepsOldFile();
    void fullDiskKeepsOldFile();
};

void TstDecisionFile::roundTrip_data()
{
    QTest::addColumn<DecisionDocument>("document");
    QTest::newRow("15 x 10 complete") << decision(15, 10);
    QTest::newRow("15 x 10 unfinished") << unfinishedDecision(15, 10);
    QTest::newRow("3 x 3 unfinished") << unfinishedDecision(3, 3);
}

void TstDecisionFile::roundTrip()
{
    QFETCH(DecisionDocument, document);
    const DecisionReadResult fromBytes = readDecision(writeDecision(document));
    QVERIFY2(fromBytes.document, qPrintable(fromBytes.error));
    QCOMPARE(*fromBytes.document, document);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("decision.ahp"));
    QString error;
    QVERIFY2(saveDecisionFile(path, document, &error), qPrintable(error));
    const DecisionReadResult fromFile = readDecisionFile(path);
    QVERIFY2(fromFile.document, qPrintable(fromFile.error));
    QCOMPARE(fromFile.document->criteriaCount(), document.criteriaCount());
    QCOMPARE(fromFile.document->alternativesCount(), document.alternativesCount());
    QCOMPARE(*fromFile.document, document);
}

void TstDecisionFile::writtenAsDocumented()
{
    // Members in the documented order, UTF-8 as it is (not \u escapes), standard JSON.
    const QByteArray bytes = writeDecision(decision(3, 3));
    const QList<QByteArray> keys = {"\"format\": \"analyze-decision\"", "\"version\": 1,", "\"user\"", "\"criteria\"",
                                    "\"alternatives\"", "\"criteriaJudgements\"", "\"alternativesJudgements\""};
    qsizetype at = -1;
    for (const QByteArray &key : keys) {
        const qsizetype next = bytes.indexOf(key);
        QVERIFY2(next > at, key.constData());
        at = next;
    }
    QVERIFY(bytes.contains("Критерий «1»"));
    QJsonParseError parseError;
    QJsonDocument::fromJson(bytes, &parseError);
    QCOMPARE(parseError.error, QJsonParseError::NoError);
}

void TstDecisionFile::unknownMembersIgnored()
{
    QJsonObject object = validObject();
    object.insert(QStringLiteral("comment"), QStringLiteral("from a later program"));
    object.insert(QStringLiteral("weights"), QJsonArray{1, 2, 3});
    const DecisionReadResult result = readDecision(bytesOf(object));
    QVERIFY2(result.document, qPrintable(result.error));
    QCOMPARE(*result.document, decision(3, 3));
}

void TstDecisionFile::refused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");

    QTest::newRow("empty") << QByteArray() << "Он пуст";
    QTest::newRow("blanks") << QByteArray(" \n\t ") << "Он пуст";
    QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << "не текст UTF-8";
    QTest::newRow("not UTF-8") << QByteArray("{\"format\": \"\xff\xfe\"}") << "не текст UTF-8";
    QTest::newRow("cut short") << writeDecision(decision(3, 3)).left(200) << "Он повреждён: ошибка JSON на позиции";
    QTest::newRow("array") << QByteArray("[1, 2]") << "ожидался объект JSON";
    QTest::newRow("other format") << withMember("format", "spreadsheet") << "Это не файл решения: формат «spreadsheet» вместо «analyze-decision»";
    QTest::newRow("no format") << bytesOf([] { auto o = validObject(); o.remove("format"); return o; }())
                               << "нет члена «format»";
    QTest::newRow("version 3") << withMember("version", 3) << "Он записан более новой программой (версия 3)";
    QTest::newRow("version text") << withMember("version", "1") << "Неверная версия файла";
    QTest::newRow("version 0") << withMember("version", 0) << "Неверная версия файла";
    QTest::newRow("version 1.5") << withMember("version", 1.5) << "Неверная версия файла";
    QTest::newRow("user number") << withMember("user", 7) << "«user» должен быть строкой";
    QTest::newRow("no criteria") << bytesOf([] { auto o = validObject(); o.remove("criteria"); return o; }())
                                 << "В файле нет члена «criteria»";
    QTest::newRow("criteria text") << withMember("criteria", "Цена") << "«criteria» должен быть массивом строк";
    QTest::newRow("name number") << withMember("alternatives", QJsonArray{"A", 2, "C"}) << "«alternatives»: название 2 не является строкой";
    QTest::newRow("2 criteria") << withMember("criteria", names(2)) << "Число критериев 2, а должно быть от 3 до 15";
    QTest::newRow("16 criteria") << withMember("criteria", names(16)) << "Число критериев 16, а должно быть от 3 до 15";
    QTest::newRow("2 alternatives") << withMember("alternatives", names(2)) << "Число альтернатив 2, а должно быть от 3 до 10";
    QTest::newRow("11 alternatives") << withMember("alternatives", names(11)) << "Число альтернатив 11, а должно быть от 3 до 10";
    QTest::newRow("4 criteria, 3 x 3 matrix") << withMember("criteria", names(4)) << "матрица критериев: строк 3, а должно быть 4";
    QTest::newRow("short row") << withMember("criteriaJudgements", QJsonArray{stringRow(3), stringRow(2), stringRow(3)})
                               << "матрица критериев: в строке 2 ячеек 2, а должно быть 3";
    QTest::newRow("row not array") << withMember("criteriaJudgements", QJsonArray{stringRow(3), "1", stringRow(3)})
                                   << "матрица критериев: строка 2 должна быть массивом строк";
    QTest::newRow("no alternatives matrices") << bytesOf([] { auto o = validObject(); o.remove("alternativesJudgements"); return o; }())
                                              << "В файле нет члена «alternativesJudgements»";
    QTest::newRow("two alternatives matrices")
            << withMember("alternativesJudgements", [] {
                   QJsonArray matrices = validObject().value("alternativesJudgements").toArray();
                   matrices.removeLast();
                   return matrices;
               }())
            << "Матриц альтернатив 2, а должно быть 3: по одной на критерий";
    QTest::newRow("criteria cell number") << withCell(-1, 0, 2, 5)
                                          << "Ячейка не является строкой: матрица критериев, строка 1 («Критерий «1»»), столбец 3 («Критерий «3»»)";
    QTest::newRow("alternatives cell null") << withCell(1, 2, 0, QJsonValue::Null)
                                            << "Ячейка не является строкой: матрица альтернатив для критерия 2 («Критерий «2»»), строка 3 («Вариант 3»), столбец 1 («Вариант 1»)";
    QTest::newRow("long row") << withMember("criteriaJudgements", QJsonArray{stringRow(3), stringRow(4), stringRow(3)})
                              << "матрица критериев: в строке 2 ячеек 4, а должно быть 3";
    QTest::newRow("diagonal with a blank") << withCell(-1, 1, 1, " 1")
                                           << "На диагонали должна стоять «1», а стоит « 1»: матрица критериев";
    QTest::newRow("diagonal") << withCell(2, 1, 1, "2")
                              << "На диагонали должна стоять «1», а стоит «2»: матрица альтернатив для критерия 3 («Критерий «3»»), строка 2 («Вариант 2»), столбец 2 («Вариант 2»)";
}

void TstDecisionFile::refused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const DecisionReadResult result = readDecision(bytes);
    QVERIFY(!result.document);
    QVERIFY2(result.error.contains(message), qPrintable(result.error));
}

// "Файл «x» не открыт." and then the reason as a sentence of its own, not "Файл …" again.
void TstDecisionFile::refusedMessageNamesFileOnce()
{
    QFETCH(QByteArray, bytes);
    const QString message = notOpenedText(QStringLiteral("x.ahp"), readDecision(bytes).error);
    const QString lead = QStringLiteral("Файл «x.ahp» не открыт. ");
    QVERIFY2(message.startsWith(lead) && message.count(QStringLiteral("Файл")) == 1, qPrintable(message));
    // A member's name in quotes is the file's own spelling.
    const QChar first = message.at(lead.size());
    QVERIFY2(first.isUpper() || first == QChar(0x00AB), qPrintable(message));
}

void TstDecisionFile::separator_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QChar>("point");
    QTest::addColumn<QString>("file");
    QTest::newRow("comma decimal") << "1,5" << QChar(',') << "1.5";
    QTest::newRow("comma fraction") << "1/2,5" << QChar(',') << "1/2.5";
    // A point typed under a comma locale is no number there; it must not become one elsewhere.
    QTest::newRow("point under comma") << "1.5" << QChar(',') << "1,5";
    QTest::newRow("point locale") << "2.5" << QChar('.') << "2.5";
    QTest::newRow("comma under point") << "2,5" << QChar('.') << "2,5";
    QTest::newRow("other separator") << QString("3") + QChar(0x66b) + "5" << QChar(0x66b) << "3.5";
}

void TstDecisionFile::separator()
{
    QFETCH(QString, cell);
    QFETCH(QChar, point);
    QFETCH(QString, file);
    QCOMPARE(toFileText(cell, point), file);
    QCOMPARE(fromFileText(file, point), cell);
}

void TstDecisionFile::fileRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    // The reader gives the reason alone; the message names the file once.
    QTest::newRow("missing") << "missing" << "Такого файла нет";
    QTest::newRow("folder") << "folder" << "Это не обычный файл";
    QTest::newRow("fifo") << "fifo" << "Это не обычный файл";
    QTest::newRow("huge") << "huge"
                          << QStringLiteral("Он слишком велик для файла решения (%1 байт, допустимо до %2)")
                                     .arg(MaxDecisionFileSize + 1).arg(MaxDecisionFileSize);
    QTest::newRow("bad content") << "bad" << "Он пуст";
    QTest::newRow("link to itself") << "loop" << "Не удалось открыть: петля символических ссылок";
}

void TstDecisionFile::fileRefused()
{
    QFETCH(QString, kind);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("decision.ahp"));
    if (kind == "folder") {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("decision.ahp")));
    } else if (kind == "fifo") {
        // A fifo with no writer would block a reader for ever: it must not even be opened.
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == "huge") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(MaxDecisionFileSize + 1));
    } else if (kind == "bad") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else if (kind == "loop") {
        QCOMPARE(::symlink("decision.ahp", QFile::encodeName(path).constData()), 0);
    }
    const DecisionReadResult result = readDecisionFile(path);
    QVERIFY(!result.document);
    QCOMPARE(result.error, message);
    QCOMPARE(notOpenedText(path, result.error), QStringLiteral("Файл «%1» не открыт. %2").arg(path, message));
}

void TstDecisionFile::saveReplacesWhole()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("decision.ahp"));
    QString error;
    QVERIFY(saveDecisionFile(path, decision(15, 10), &error));
    QVERIFY(saveDecisionFile(path, decision(3, 3), &error));
    QCOMPARE(*readDecisionFile(path).document, decision(3, 3));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"decision.ahp"});
}

void TstDecisionFile::failedSaveKeepsOldFile_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("message");
    QTest::newRow("wrong counts") << "decision.ahp" << "Решение не сохранено";
    QTest::newRow("no such folder") << "blocker/decision.ahp" << "Не удалось записать файл";
    // Even root, who may write it, leaves a file marked read-only as it is.
    QTest::newRow("read-only") << "read-only" << "файл защищён от записи";
}

void TstDecisionFile::failedSaveKeepsOldFile()
{
    QFETCH(QString, where);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString old = dir.filePath(QStringLiteral("decision.ahp"));
    QString error;
    QVERIFY(saveDecisionFile(old, decision(4, 3), &error));
    QFile oldFile(old);
    QVERIFY(oldFile.open(QIODevice::ReadOnly));
    const QByteArray oldBytes = oldFile.readAll();
    oldFile.close();
    // A plain file where the folder should be makes the write fail even for root.
    QFile blocker(dir.filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    DecisionDocument bad = decision(4, 3);
    if (where == "decision.ahp")
        bad.alternativesJudgements.removeLast();
    if (where == "read-only") {
        QVERIFY(QFile::setPermissions(old, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        where = "decision.ahp";
        bad = decision(3, 3);
    }
    QVERIFY(!saveDecisionFile(dir.filePath(where), bad, &error));
    QVERIFY2(error.contains(message), qPrintable(error));
    QVERIFY(oldFile.open(QIODevice::ReadOnly));
    QCOMPARE(oldFile.readAll(), oldBytes);
}

// A write that fails partway renames nothing over the old file and says why.
void TstDecisionFile::fullDiskKeepsOldFile()
{
    SmallDisk disk;
    if (!disk.isUsable())
        QSKIP("neither a small file system nor a file size limit can be had here");
    const QString path = disk.filePath(QStringLiteral("decision.ahp"));
    QString error;
    QVERIFY(saveDecisionFile(path, decision(3, 3), &error));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray old = file.readAll();
    file.close();

    disk.fill();
    const bool saved = saveDecisionFile(path, decision(15, 10), &error);
    disk.release();
    QVERIFY(!saved);
    const QString cause = disk.error() == ENOSPC ? "на диске нет места" : "файл слишком велик";
    QVERIFY2(error.contains(cause) && error.contains(path), qPrintable(error));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), old);
    QCOMPARE(QDir(disk.path()).entryList(QDir::Files), QStringList{"decision.ahp"});
}

QTEST_GUILESS_MAIN(TstDecisionFile)
#include "tst_decisionfile.moc"
