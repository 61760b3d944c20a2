#include "platform/heappolicy.h"

#include <QFile>
#include <QtTest>

#include <cstdlib>
#include <cstring>
#include <unistd.h>

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

QTEST_GUILESS_MAIN(TstHeapPolicy)
#include "tst_heappolicy.moc"
