#include "platform/heappolicy.h"

// Defines __GLIBC__ on the GNU C library.
#include <cstdlib>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include <QPixmapCache>

namespace HeapPolicy {

void returnLargeBlocks()
{
#ifdef __GLIBC__
    // The C library's own starting value; fixing it stops it from rising.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
}

void keepPixmapCacheEmpty()
{
    // A limit of nothing: every picture is refused, and with it its name.
    QPixmapCache::setCacheLimit(0);
}

}
