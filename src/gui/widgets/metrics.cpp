#include "gui/widgets/metrics.h"

#include <QFontDatabase>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace vapentis {

int Twips(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }

QRect TwipRect(int left, int top, int width, int height) {
  return {Twips(left), Twips(top), Twips(width), Twips(height)};
}

QRect TwipRect(const TwipBox& box) { return TwipRect(box.left, box.top, box.width, box.height); }

namespace {

const QStringList& SongFamilies() {
  static const QStringList families = {"SimSun", "宋体", "Noto Serif CJK SC", "AR PL UMing CN",
                                       "AR PL UMing TW"};
  return families;
}

// The listed faces hold every character the window shows, so with one of them
// installed the fonts go without fallback faces, whose look-up took a twentieth
// of the start-up. Without any, Qt merges in whatever Chinese face there is.
bool SongFaceInstalled() {
  static const bool installed = [] {
    const QStringList installed_families = QFontDatabase::families();
    return std::any_of(SongFamilies().begin(), SongFamilies().end(), [&](const QString& family) {
      return installed_families.contains(family, Qt::CaseInsensitive);
    });
  }();
  return installed;
}

QFont SongFont(double points) {
  QFont font;
  font.setFamilies(SongFamilies());
  font.setPointSizeF(points);
  font.setWeight(QFont::Normal);
  if (SongFaceInstalled()) font.setStyleStrategy(QFont::NoFontMerging);
#ifndef Q_OS_WIN
  // Unhinted, the Song glyphs look the same at these sizes, and the start-up
  // no longer hints every Chinese glyph of every tab; Windows keeps SimSun's
  // own bitmaps.
  font.setHintingPreference(QFont::PreferNoHinting);
#endif
  return font;
}

}  // namespace

QFont WindowFont() { return SongFont(12); }
QFont TabCaptionFont() { return SongFont(11.25); }

QFont SheetFont() {
  QFont font = SongFont(10.5);
  font.setStyleStrategy(QFont::PreferDefault);
  return font;
}

}  // namespace vapentis
