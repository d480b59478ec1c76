// How the program prepares the application before its window is built, so that
// the first frame appears without work it does not need.
#pragma once

namespace vapentis {

// Gives the application its style: the platform's own, whose toolbar-extension
// arrow (built by every menu bar, shown only when the menu overflows) is read
// when first painted instead of at start-up, where reading it would load every
// image-format plugin installed; and Qt's own texts (the buttons of a message,
// the edit menu of a box) in Chinese. Call it once the QApplication exists.
void PrepareApplication();

// Installs Qt's Chinese texts: the system's qtbase_zh_CN translation, or one
// built into the program under ":/translations". False when there is neither.
bool LoadQtChineseTexts();

}  // namespace vapentis
