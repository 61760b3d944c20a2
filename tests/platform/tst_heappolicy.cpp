#include "platform/heappolicy.h"

#include <QFile>
#include <QPixmap>
#include <QPixmapCache>
#include <QtTest>

#include <cstdlib>
#include <cstring>
#include <unistd.h>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// Resident memory of this process in bytes.
qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toLongLong() * sysconf(_SC_PAGESIZE) : -1;
}

// Kept where the compiler must assume it is read, so that the block is really made and used.
void *volatile lastBlock = nullptr;

void touchAndFree(std::size_t bytes)
{
    lastBlock = std::malloc(bytes);
    QVERIFY(lastBlock);
    std::memset(lastBlock, 1, bytes);
    std::free(lastBlock);
}

}

class TstHeapPolicy : public QObject
{
    Q_OBJECT
private slots:
    void windowSizedBlockGoesBackWhenFreed();
    void pixmapNamesAreNotKept();
};

// As when the window grows and shrinks again: a block as large as a big window's picture is
// freed, then a somewhat smaller one is made and freed. The second must not stay with the
// process.
void TstHeapPolicy::windowSizedBlockGoesBackWhenFreed()
{
#if !defined(__GLIBC__) || defined(__SANITIZE_ADDRESS__)
    QSKIP("only the GNU C library's own allocator is set here");
#endif
    HeapPolicy::returnLargeBlocks();
    constexpr std::size_t MB = 1024 * 1024;
    touchAndFree(20 * MB);
    const qint64 before = residentBytes();
    QVERIFY(before > 0);
    touchAndFree(15 * MB);
    const qint64 grown = residentBytes() - before;
    QVERIFY2(grown < qint64(2 * MB), qPrintable(QString::number(grown)));
}

// As the style does for every new size of a header section or a scroll bar: pictures under
// names never used before. Neither the pictures nor their names may stay.
void TstHeapPolicy::pixmapNamesAreNotKept()
{
#if !defined(__GLIBC__) || defined(__SANITIZE_ADDRESS__)
    QSKIP("the C library's own count of memory in use is read here");
#else
    HeapPolicy::keepPixmapCacheEmpty();
    QPixmap picture(8, 8);
    picture.fill(Qt::cyan);
    const QString padding(200, QLatin1Char('x'));
    const auto insertNamed = [&](int from, int count) {
        for (int i = from; i < from + count; ++i)
            QPixmapCache::insert(QStringLiteral("section-%1-%2").arg(i).arg(padding), picture);
    };
    insertNamed(0, 1000);
    const size_t before = mallinfo2().uordblks;
    insertNamed(1000, 20000);
    const qint64 grown = qint64(mallinfo2().uordblks) - qint64(before);
    // Kept, the names alone would take some 10 MB.
    QVERIFY2(grown < 512 * 1024, qPrintable(QString::number(grown)));
    QPixmap found;
    QVERIFY(!QPixmapCache::find(QStringLiteral("section-20999-") + padding, &found));
#endif
}

QTEST_MAIN(TstHeapPolicy)
#include "tst_heappolicy.moc"
