#pragma once

// How the program keeps its memory from growing with use.
namespace HeapPolicy {

// The window's pictures (the backing store of the whole window, the style's pixmaps) are as
// large as the window and are made anew at every new size. With the C library's default,
// freeing one such block raises the size from which blocks get pages of their own, so that
// later ones come from the shared heap and stay with the process after they are freed: memory
// grows with every resize. Here large blocks always get pages of their own, which go back to
// the system when freed.
void returnLargeBlocks();

// Qt's pixmap cache, where the style keeps its pictures of header sections, buttons and
// scroll bars, never forgets a picture's name in Qt 6.4: not when it drops the picture for
// room, not even when it is emptied. Every size a section or a scroll bar ever had stays in
// memory for as long as the program runs, so memory grows with every new size of the window
// and of its columns. The cache is turned off: the style paints its few gradients directly.
void keepPixmapCacheEmpty();

}
