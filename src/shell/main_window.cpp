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

#include <array>

#include "shell/help_tab.h"
#include "shell/maker_info.h"
#include "tabs/channel_tab.h"
#include "tabs/exchanger_tab.h"
#include "tabs/pipe_tab.h"
#include "tabs/pump_tab.h"
#include "tabs/sizing_tab.h"
#include "tabs/steam_tab.h"
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

struct MenuCommand {
  const char* code;
  const char* caption;
  int tab;  // -1: not a tab command
};

constexpr std::array<MenuCommand, 9> kMenu = {{
    {"MVR", "MVR蒸发器选型", 0},
    {"ZQXZ", "低压饱和蒸汽性质", 1},
    {"GLJS", "流体管径计算", 2},
    {"P", "离心泵功率", 3},
    {"HE", "管壳式换热器", 4},
    {"CGCX", "国标槽钢查询", 5},
    {"HQGD", "获取更多信息", -1},
    {"HELP", "帮助", 6},
    {"ESC", "退出", -1},
}};

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(QStringLiteral("VapentisKOVALT2.0---Ardelle"));
  setWindowIcon(PictureIcon(QStringLiteral(":/resources/icon.svg")));
  setFont(WindowFont());
  // Every control sits at a place in twips, so a larger window would show only
  // more background: no maximise button and no resize border, on any platform.
  // The Windows hint gives a dialog frame instead of a sizing one.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  move(Twips(3100), Twips(200));
  setFixedSize(Twips(11300), Twips(7500));

  auto* client = new Background(this);
  client->setObjectName(QStringLiteral("Client"));
  setCentralWidget(client);
  buildMenu();
  buildTabs(client);
}

void MainWindow::buildMenu() {
  QMenuBar* bar = menuBar();
  // Native menu bars keep the platform's menu font; at 12 pt the nine
  // captions would not fit the window. The platform face may lack Chinese, so
  // it must not take the window font's choice to go without fallback faces.
  QFont menu_font = QApplication::font("QMenuBar");
  menu_font.setStyleStrategy(QFont::PreferDefault);
  bar->setFont(menu_font);
  for (const MenuCommand& command : kMenu) {
    QAction* action = bar->addAction(QString::fromUtf8(command.caption));
    action->setObjectName(QString::fromLatin1(command.code));
    const QString code = QString::fromLatin1(command.code);
    if (command.tab >= 0) {
      connect(action, &QAction::triggered, this, [this, tab = command.tab] { ShowToolTab(tab); });
    } else if (code == QLatin1String("HQGD")) {
      connect(action, &QAction::triggered, this, &MainWindow::OpenMakerSite);
    } else {
      connect(action, &QAction::triggered, this, &MainWindow::close);
    }
  }
}

void MainWindow::buildTabs(QWidget* client) {
  auto* tabs = new ToolTabs(client);
  tabs_ = tabs;
  tabs_->setObjectName(QStringLiteral("SSTab2"));
  tabs_->tabBar()->setFont(TabCaptionFont());

  const std::array<std::pair<TabPage*, const char*>, 7> pages = {{
      {new SizingTab, "MVR选型"},
      {new SteamTab, "低压饱和蒸汽"},
      {new PipeTab, "流体管径"},
      {new PumpTab, "离心泵"},
      {new ExchangerTab, "管壳换热器"},
      {new ChannelTab, "国标槽钢"},
      {new HelpTab, "帮助"},
  }};
  for (const auto& [page, caption] : pages) {
    tabs_->addTab(page, QString::fromUtf8(caption));
    connect(page, &TabPage::exitRequested, this, &MainWindow::HideTools);
  }
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
  if (!frame.isEmpty()) setFixedSize(Twips(11300) - frame.width(), Twips(7500) - frame.height());
}

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  // The caption offers no maximise, but a system command or a window manager's
  // key still may; the controls would not follow, so the window goes back.
  static constexpr Qt::WindowStates kLarger = Qt::WindowMaximized | Qt::WindowFullScreen;
  if (event->type() == QEvent::WindowStateChange && (windowState() & kLarger)) {
    QMetaObject::invokeMethod(
        this, [this] { setWindowState(windowState() & ~kLarger); }, Qt::QueuedConnection);
  }
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
