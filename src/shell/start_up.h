// How the program prepares the application before its window is built, so that
// the first frame appears without work it does not need.
#pragma once

namespace vapentis {

// Gives the application its style: the platform's own, whose toolbar-extension
// arrow (built by every menu bar, shown only when the menu overflows) is read
// when first painted instead of at start-up, where reading it would load every
// image-format plugin installed. Call it once the QApplication exists.
void PrepareApplication();

}  // namespace vapentis
