#include "shell/tab_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFrame>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QResource>
#include <QShowEvent>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>
#include <utility>

namespace vapentis {

namespace {

// A wrapping label that grows downward to the lines its text needs, rather than
// clip them. It measures when first shown: measuring at construction would lay
// out the text of every hidden tab before the window could appear.
class WrappingLabel : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void showEvent(QShowEvent* event) override {
    if (!measured_) {
      measured_ = true;
      resize(width(), std::max(height(), heightForWidth(width())));
    }
    QLabel::showEvent(event);
  }

 private:
  bool measured_ = false;
};

}  // namespace

int Twips(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }

QRect TwipRect(int left, int top, int width, int height) {
  return {Twips(left), Twips(top), Twips(width), Twips(height)};
}

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

char LocaleDecimalSeparator() {
  const QString point = QLocale().decimalPoint();
  if (point.size() == 1 && point.at(0).unicode() < 0x80) return point.at(0).toLatin1();
  return '.';
}

void ReplaceResult(QPlainTextEdit& box, const std::vector<std::string>& lines) {
  box.setPlainText(QString::fromStdString(JoinLines(lines)));
}

QPixmap PicturePixmap(const QString& svg_resource, QSize size, qreal device_pixel_ratio) {
  if (device_pixel_ratio == 1.0 || device_pixel_ratio == 2.0) {
    const QSize pixels = size * device_pixel_ratio;
    const QResource raw(QStringLiteral(":/pictures/%1@%2x.rgb32")
                            .arg(QFileInfo(svg_resource).completeBaseName())
                            .arg(static_cast<int>(device_pixel_ratio)));
    const qint64 bytes_per_line = qint64{pixels.width()} * 4;
    const bool aligned = reinterpret_cast<quintptr>(raw.data()) % alignof(quint32) == 0;
    if (raw.isValid() && raw.compressionAlgorithm() == QResource::NoCompression &&
        raw.size() == bytes_per_line * pixels.height() && aligned) {
      // Shares the resource's pixels; the pixmap copies them only if painted on.
      // The pictures are opaque, so the pixmap need not look for transparency.
      QImage image(raw.data(), pixels.width(), pixels.height(), bytes_per_line,
                   QImage::Format_RGB32);
      image.setDevicePixelRatio(device_pixel_ratio);
      return QPixmap::fromImage(std::move(image));
    }
  }
  QPixmap pixmap(size * device_pixel_ratio);
  pixmap.setDevicePixelRatio(device_pixel_ratio);
  pixmap.fill(Qt::transparent);
  QSvgRenderer renderer(svg_resource);
  QPainter painter(&pixmap);
  renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
  return pixmap;
}

void ShowError(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Critical, QStringLiteral("Vapentis"), text, QMessageBox::Ok, parent);
  box.exec();
}

TabPage::TabPage(QWidget* parent) : QWidget(parent) { setFont(WindowFont()); }

QLabel* TabPage::addLabel(QWidget* parent, const char* name, const QString& caption, QRect rect) {
  auto* label = new WrappingLabel(caption, parent);
  label->setObjectName(name);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setGeometry(rect);
  return label;
}

QLineEdit* TabPage::addInput(QWidget* parent, const char* name, const QString& text, QRect rect) {
  auto* box = new QLineEdit(text, parent);
  box->setObjectName(name);
  box->setGeometry(rect);
  return box;
}

QPushButton* TabPage::addButton(QWidget* parent, const char* name, const QString& caption,
                                QRect rect) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  button->setGeometry(rect);
  return button;
}

QPushButton* TabPage::addExitButton(QWidget* parent, const char* name, const QString& caption,
                                    QRect rect) {
  QPushButton* button = addButton(parent, name, caption, rect);
  connect(button, &QPushButton::clicked, this, &TabPage::exitRequested);
  return button;
}

QPlainTextEdit* TabPage::addResultBox(QWidget* parent, const char* name, QRect rect) {
  auto* box = new QPlainTextEdit(parent);
  box->setObjectName(name);
  box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setTabChangesFocus(true);
  box->setGeometry(rect);
  return box;
}

QFrame* TabPage::addFrame(const char* name, QRect rect) {
  auto* frame = new QFrame(this);
  frame->setObjectName(name);
  frame->setFrameShape(QFrame::Box);
  frame->setFrameShadow(QFrame::Sunken);
  frame->setGeometry(rect);
  return frame;
}

QCheckBox* TabPage::addCheckBox(QWidget* parent, const char* name, const QString& caption,
                                QRect rect) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(name);
  box->setGeometry(rect);
  return box;
}

QRadioButton* TabPage::addOptionButton(QWidget* parent, const char* name, const QString& caption,
                                       QRect rect) {
  auto* option = new QRadioButton(caption, parent);
  option->setObjectName(name);
  option->setGeometry(rect);
  return option;
}

QLabel* TabPage::addPicture(QWidget* parent, const char* name, const QString& resource, QSize size,
                            QRect rect) {
  auto* picture = new QLabel(parent);
  picture->setObjectName(name);
  picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  picture->setPixmap(PicturePixmap(resource, size, qApp->devicePixelRatio()));
  picture->setGeometry(rect);
  return picture;
}

QComboBox* TabPage::addCombo(QWidget* parent, const char* name, std::string_view items,
                             QRect rect) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(name);
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->setDuplicatesEnabled(true);
  const QString text = QString::fromUtf8(items.data(), static_cast<qsizetype>(items.size()));
  combo->addItems(text.split(QLatin1Char(' ')));
  combo->setGeometry(rect);
  return combo;
}

void TabPage::pressOnEnter(const std::vector<QLineEdit*>& boxes, QPushButton* button) {
  for (QLineEdit* box : boxes) {
    connect(box, &QLineEdit::returnPressed, button, &QPushButton::click);
  }
}

void TabPage::bindInput(std::string_view input, QLineEdit* box, QLabel* label) {
  inputs_.push_back({std::string(input), box, label});
}

void TabPage::reportFailure(const CalcFailure& failure) {
  const auto bound = std::find_if(inputs_.begin(), inputs_.end(),
                                  [&](const BoundInput& b) { return b.input == failure.input(); });
  QString text = QString::fromUtf8(failure.what());
  if (!failure.input().empty() && bound != inputs_.end()) {
    text += QStringLiteral("\n请检查输入框“%1”。").arg(bound->label->text());
  }
  ShowError(this, text);
  if (!failure.input().empty() && bound != inputs_.end()) {
    bound->box->setFocus(Qt::OtherFocusReason);
    bound->box->selectAll();
  }
}

}  // namespace vapentis
