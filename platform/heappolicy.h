#pragma once

// How the C library hands memory back to the system. The window's pictures (the backing store
// of the whole window, the style's pixmaps) are as large as the window and are made anew at
// every new size. With the C library's default, freeing one such block raises the size from
// which blocks get pages of their own, so that later ones come from the shared heap and stay
// with the process after they are freed: memory grows with every resize. Here large blocks
// always get pages of their own, which go back to the system when freed.
namespace HeapPolicy {

void returnLargeBlocks();

}
