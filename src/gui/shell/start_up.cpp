#include "gui/shell/start_up.h"

#include <QApplication>
#include <QIconEngine>
#include <QLibraryInfo>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QTranslator>

#include <optional>

namespace vapentis {

namespace {

// Stands for a standard icon of a style and asks the style for it on first use.
class DeferredIconEngine : public QIconEngine {
 public:
  DeferredIconEngine(QStyle* style, QStyle::StandardPixmap which) : style_(style), which_(which) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    icon().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return icon().pixmap(size, mode, state);
  }
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                       qreal scale) override {
    return icon().pixmap(size, scale, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return icon().actualSize(size, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return icon().availableSizes(mode, state);
  }
  QIconEngine* clone() const override { return new DeferredIconEngine(style_, which_); }

 private:
  const QIcon& icon() {
    // A style replaced since leaves no icon rather than a dangling one.
    if (!icon_) icon_ = style_ != nullptr ? style_->standardIcon(which_) : QIcon();
    return *icon_;
  }

  QPointer<QStyle> style_;
  QStyle::StandardPixmap which_;
  std::optional<QIcon> icon_;
};

class StartUpStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;

  QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                     const QWidget* widget) const override {
    if (option == nullptr && (which == SP_ToolBarHorizontalExtensionButton ||
                              which == SP_ToolBarVerticalExtensionButton)) {
      return QIcon(new DeferredIconEngine(baseStyle(), which));
    }
    return QProxyStyle::standardIcon(which, option, widget);
  }
};

}  // namespace

bool LoadQtChineseTexts() {
  auto* translator = new QTranslator(qApp);
  // The system's translation where Qt is shared, else one built into the program.
  const QString name = QStringLiteral("qtbase_zh_CN");
  if (translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
      translator->load(name, QStringLiteral(":/translations"))) {
    return QCoreApplication::installTranslator(translator);
  }
  delete translator;
  return false;
}

void PrepareApplication() {
  // A fresh instance of the style in use, so that a -style choice still holds.
  QStyle* base = QStyleFactory::create(QApplication::style()->name());
  if (base != nullptr) QApplication::setStyle(new StartUpStyle(base));
  // Without the translation Qt's own buttons stay English; the program runs all the same.
  LoadQtChineseTexts();
}

}  // namespace vapentis
