#include "shell/main_window.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QIcon>
#include <QMenuBar>
#include <QPainter>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <QTabWidget>
#include <QUrl>

#include <string_view>

#include "catalog/maker_info.h"
#include "catalog/tool_catalog.h"
#include "shell/help_tab.h"
#include "tabs/tool_pages.h"
#include "widgets/error_box.h"
#include "widgets/metrics.h"
#include "widgets/picture.h"

namespace vapentis {

namespace {

constexpr int kPageWidthTwips = 6975;
constexpr int kPageHeightTwips = 5175;
constexpr int kTabHeaderTwips = 520;

// The client area: the background picture, unscaled at the top left, under
// every control.
class Background : public QWidget {
 public:
  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent*) override {
    const qreal ratio = devicePixelRatioF();
    if (picture_.isNull() || picture_.devicePixelRatio() != ratio) {
      picture_ =
          PicturePixmap(QStringLiteral(":/resources/background.svg"), QSize(750, 475), ratio);
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
  }

 private:
  QPixmap picture_;
};

// Tab headers of a fixed height, as the tab table gives them.
class ToolTabBar : public QTabBar {
 public:
  using QTabBar::QTabBar;

 protected:
  QSize tabSizeHint(int index) const override {
    QSize size = QTabBar::tabSizeHint(index);
    size.setHeight(Twips(kTabHeaderTwips));
    return size;
  }
};

class ToolTabs : public QTabWidget {
 public:
  explicit ToolTabs(QWidget* parent) : QTabWidget(parent) { setTabBar(new ToolTabBar(this)); }

  // Height of everything around a page: the tab bar and the pane's frame.
  int pageChromeHeight() {
    QStyleOptionTabWidgetFrame option;
    initStyleOption(&option);
    constexpr int kProbe = 1000;
    option.rect = QRect(0, 0, width(), kProbe);
    const QRect contents = style()->subElementRect(QStyle::SE_TabWidgetTabContents, &option, this);
    return kProbe - contents.height();
  }

  int pageChromeWidth() {
    QStyleOptionTabWidgetFrame option;
    initStyleOption(&option);
    constexpr int kProbe = 1000;
    option.rect = QRect(0, 0, kProbe, height());
    const QRect contents = style()->subElementRect(QStyle::SE_TabWidgetTabContents, &option, this);
    return kProbe - contents.width();
  }
};

QString Utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(QStringLiteral("VapentisKOVALT2.0---Ardelle"));
  setWindowIcon(PictureIcon(QStringLiteral(":/resources/icon.svg")));
  setFont(WindowFont());
  move(Twips(3100), Twips(200));
  resize(Twips(11300), Twips(7500));

  auto* client = new Background(this);
  client->setObjectName(QStringLiteral("Client"));
  setCentralWidget(client);
  buildTabs(client);
  buildMenu();
}

void MainWindow::buildMenu() {
  QMenuBar* bar = menuBar();
  // Native menu bars keep the platform's menu font; at 12 pt the nine
  // captions would not fit the window. The platform face may lack Chinese, so
  // it must not take the window font's choice to go without fallback faces.
  QFont menu_font = QApplication::font("QMenuBar");
  menu_font.setStyleStrategy(QFont::PreferDefault);
  bar->setFont(menu_font);
  const auto add = [bar](std::string_view caption, const char* code) {
    QAction* action = bar->addAction(Utf8(caption));
    action->setObjectName(QString::fromLatin1(code));
    return action;
  };
  // One command per tool, in catalog order, then the shell's own.
  for (const ToolDescription* tool : Tools()) {
    QWidget* page = tool_pages_.at(tool);
    connect(add(tool->menu_caption, PageOf(tool->name).menu_code), &QAction::triggered, this,
            [this, page] { ShowToolTab(tabs_->indexOf(page)); });
  }
  connect(add("获取更多信息", "HQGD"), &QAction::triggered, this, &MainWindow::OpenMakerSite);
  connect(add("帮助", "HELP"), &QAction::triggered, this,
          [this] { ShowToolTab(tabs_->indexOf(help_)); });
  connect(add("退出", "ESC"), &QAction::triggered, this, &MainWindow::close);
}

void MainWindow::buildTabs(QWidget* client) {
  auto* tabs = new ToolTabs(client);
  tabs_ = tabs;
  tabs_->setObjectName(QStringLiteral("SSTab2"));
  tabs_->tabBar()->setFont(TabCaptionFont());

  const auto add = [this](TabPage* page, std::string_view caption) {
    tabs_->addTab(page, Utf8(caption));
    connect(page, &TabPage::exitRequested, this, &MainWindow::HideTools);
  };
  for (const ToolDescription* tool : Tools()) {
    TabPage* page = PageOf(tool->name).make();
    tool_pages_.emplace(tool, page);
    add(page, tool->tab_caption);
  }
  help_ = new HelpTab;
  add(help_, "帮助");
  tabs_->setCurrentIndex(0);

  // The tab table measures the page itself; the tab bar and the pane's frame
  // come on top, so every control sits at its place inside the page.
  tabs_->setGeometry(Twips(2040), Twips(360), Twips(kPageWidthTwips) + tabs->pageChromeWidth(),
                     Twips(kPageHeightTwips) + tabs->pageChromeHeight());
  tabs_->hide();
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (placed_) return;
  placed_ = true;
  // The placement is the window's outer size; take the frame off once known.
  const QSize frame = frameGeometry().size() - geometry().size();
  if (!frame.isEmpty()) resize(Twips(11300) - frame.width(), Twips(7500) - frame.height());
}

void MainWindow::ShowToolTab(int index) {
  if (index < 0 || index >= tabs_->count()) return;
  tabs_->show();
  // Showing tab `index` first keeps one tab visible while the others go.
  tabs_->setTabVisible(index, true);
  for (int i = 0; i < tabs_->count(); ++i) {
    if (i != index) tabs_->setTabVisible(i, false);
  }
  tabs_->setCurrentIndex(index);
  static_cast<TabPage*>(tabs_->widget(index))->focusFirstInput();
}

void MainWindow::HideTools() { tabs_->hide(); }

void MainWindow::OpenMakerSite() {
  const QUrl address(QString::fromUtf8(maker::kWebAddress.data(),
                                       static_cast<qsizetype>(maker::kWebAddress.size())));
  if (!QDesktopServices::openUrl(address)) {
    ShowError(this, QStringLiteral("无法启动浏览器打开网址：%1").arg(address.toString()));
  }
}

}  // namespace vapentis
