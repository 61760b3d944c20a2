#include "entry/namelisting.h"
#include "entry_helpers.h"

#include <QtTest>

namespace {
// A step in which the person presses Enter (or leaves) without typing anything first.
const QString Untouched = QStringLiteral("<untouched>");

void typeUnlessUntouched(MemoryEditor &editor, const QString &step)
{
    if (step != Untouched)
        editor.type(step);
}
}

class TstNameListing : public QObject
{
    Q_OBJECT

private slots:
    void show_data();
    void show();
    void leavingTheEditor_data();
    void leavingTheEditor();
    void enterSequence_data();
    void enterSequence();
    void clickingAnotherEntryCommitsToTheShownOne();
    void untypedTextIsNeverCommitted();
};

void TstNameListing::show_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("shown");

    const QStringList abc = {QStringLiteral("Критерий 1"), QStringLiteral("Критерий 2"),
                             QStringLiteral("Критерий 3")};
    QTest::newRow("first") << abc << 0 << "Критерий 1";
    QTest::newRow("last") << abc << 2 << "Критерий 3";
    QTest::newRow("no current entry keeps the editor") << abc << -1 << "typed";
    QTest::newRow("empty list keeps the editor") << QStringList() << -1 << "typed";
    QTest::newRow("current beyond the list keeps the editor") << abc << 3 << "typed";
}

void TstNameListing::show()
{
    QFETCH(QStringList, entries);
    QFETCH(int, current);
    QFETCH(QString, shown);

    MemoryList list(entries, current);
    MemoryEditor editor;
    editor.type(QStringLiteral("typed"));

    showEntry(list, editor);

    QCOMPARE(editor.text(), shown);
    QCOMPARE(editor.isModified(), shown == QLatin1String("typed"));
    QCOMPARE(list.outOfRangeAccesses(), 0);
}

void TstNameListing::leavingTheEditor_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("editorText");
    QTest::addColumn<bool>("modified");

    QTest::newRow("typed name stored, flag kept")
            << 1 << "new" << QStringList{"a", "new", "c"} << "new" << true;
    QTest::newRow("without typing nothing changes")
            << 1 << Untouched << QStringList{"a", "b", "c"} << "b" << false;
    QTest::newRow("empty name refused silently")
            << 1 << "" << QStringList{"a", "b", "c"} << "b" << false;
    QTest::newRow("blank-only name kept as typed")
            << 0 << "   " << QStringList{"   ", "b", "c"} << "   " << true;
    QTest::newRow("name of another entry allowed")
            << 2 << "a" << QStringList{"a", "b", "a"} << "a" << true;
    QTest::newRow("no current entry keeps the typing")
            << -1 << "new" << QStringList{"a", "b", "c"} << "new" << true;
}

void TstNameListing::leavingTheEditor()
{
    QFETCH(int, current);
    QFETCH(QString, step);
    QFETCH(QStringList, entries);
    QFETCH(QString, editorText);
    QFETCH(bool, modified);

    MemoryList list({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}, current);
    MemoryEditor editor;
    showEntry(list, editor);
    typeUnlessUntouched(editor, step);

    commitName(list, editor);

    QCOMPARE(list.entries(), entries);
    QCOMPARE(list.currentEntry(), current);
    QCOMPARE(editor.text(), editorText);
    QCOMPARE(editor.isModified(), modified);
    QCOMPARE(list.outOfRangeAccesses(), 0);
}

void TstNameListing::enterSequence_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("start");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("renamed");
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("editorText");

    const QStringList abc = {"a", "b", "c"};
    QTest::newRow("names all in one go")
            << abc << 0 << QStringList{"x", "y", "z"} << QStringList{"x", "y", "z"} << 2 << "z";
    QTest::newRow("empty name refused, selection still advances")
            << abc << 0 << QStringList{""} << abc << 1 << "b";
    QTest::newRow("empty name refused in the middle")
            << abc << 0 << QStringList{"x", "", "z"} << QStringList{"x", "b", "z"} << 2 << "z";
    QTest::newRow("blank-only name")
            << abc << 1 << QStringList{" "} << QStringList{"a", " ", "c"} << 2 << "c";
    QTest::newRow("last entry stays, no wrap")
            << abc << 2 << QStringList{"z"} << QStringList{"a", "b", "z"} << 2 << "z";
    QTest::newRow("Enter again on the last entry")
            << abc << 1 << QStringList{"y", "z", Untouched} << QStringList{"a", "y", "z"} << 2
            << "z";
    QTest::newRow("Enter without typing only advances")
            << abc << 0 << QStringList{Untouched, Untouched} << abc << 2 << "c";
    QTest::newRow("two equal names")
            << abc << 0 << QStringList{"b"} << QStringList{"b", "b", "c"} << 1 << "b";
    QTest::newRow("single entry")
            << QStringList{"a"} << 0 << QStringList{"x"} << QStringList{"x"} << 0 << "x";
    QTest::newRow("fifteen criteria from first to last")
            << QStringList(15, QStringLiteral("Критерий")) << 0 << QStringList(15, QStringLiteral("Цена"))
            << QStringList(15, QStringLiteral("Цена")) << 14 << "Цена";
    QTest::newRow("empty list")
            << QStringList() << -1 << QStringList{"x"} << QStringList() << -1 << "x";
    QTest::newRow("no current entry keeps the typing")
            << abc << -1 << QStringList{"x"} << abc << -1 << "x";
}

void TstNameListing::enterSequence()
{
    QFETCH(QStringList, entries);
    QFETCH(int, start);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, renamed);
    QFETCH(int, current);
    QFETCH(QString, editorText);

    MemoryList list(entries, start);
    MemoryEditor editor;
    showEntry(list, editor);

    for (const QString &step : steps) {
        typeUnlessUntouched(editor, step);
        enterName(list, editor);
    }

    QCOMPARE(list.entries(), renamed);
    QCOMPARE(list.currentEntry(), current);
    QCOMPARE(editor.text(), editorText);
    QCOMPARE(list.outOfRangeAccesses(), 0);
}

void TstNameListing::clickingAnotherEntryCommitsToTheShownOne()
{
    MemoryList list({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}, 0);
    MemoryEditor editor;
    showEntry(list, editor);
    editor.type(QStringLiteral("x"));

    // The editor loses the focus before the list's selection changes.
    commitName(list, editor);
    list.setCurrentEntry(2);
    showEntry(list, editor);

    QCOMPARE(list.entries(), (QStringList{"x", "b", "c"}));
    QCOMPARE(editor.text(), QStringLiteral("c"));
    QVERIFY(!editor.isModified());
}

void TstNameListing::untypedTextIsNeverCommitted()
{
    MemoryList list({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}, 0);
    MemoryEditor editor;
    showEntry(list, editor);
    // The selection moved but the editor still shows the name of entry 0.
    list.setCurrentEntry(2);

    commitName(list, editor);

    QCOMPARE(list.entries(), (QStringList{"a", "b", "c"}));
    QCOMPARE(editor.text(), QStringLiteral("a"));
}

QTEST_GUILESS_MAIN(TstNameListing)
#include "tst_namelisting.moc"
