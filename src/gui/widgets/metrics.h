// Lengths and fonts of the window: twips as the layout tables give them, and
// the Song faces of every control.
#pragma once

#include <QFont>
#include <QRect>

namespace vapentis {

// A rectangle as the layout tables give it: left, top, width, height in twips
// (1/1440 inch, 15 to a pixel at 96 dots per inch).
struct TwipBox {
  int left;
  int top;
  int width;
  int height;
};

// Device-independent pixels of a length in twips.
int Twips(int twips);
QRect TwipRect(int left, int top, int width, int height);
QRect TwipRect(const TwipBox& box);

QFont WindowFont();      // 12 pt Song face, every control but the tab captions
QFont TabCaptionFont();  // 11.25 pt Song face
// The calculation sheet's Song face, 10.5 pt, which may take glyphs it lacks
// (✓, Ä) from other faces: a page must never lose a character.
QFont SheetFont();

}  // namespace vapentis
