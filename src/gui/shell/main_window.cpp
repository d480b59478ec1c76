#include "gui/shell/main_window.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QIcon>
#include <QKeySequence>
#include <QMenuBar>
#include <QPushButton>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <QTabWidget>
#include <QUrl>

#include <stdexcept>
#include <string>
#include <string_view>

#include "core/catalog/maker_info.h"
#include "core/catalog/program_info.h"
#include "core/catalog/tool_catalog.h"
#include "core/description/presenter.h"
#include "core/numeric/numeric.h"
#include "gui/dialogs/sheet_dialog.h"
#include "gui/shell/help_tab.h"
#include "gui/tabs/tool_pages.h"
#include "gui/widgets/error_box.h"
#include "gui/widgets/metrics.h"
#include "gui/widgets/picture.h"
#include "gui/widgets/qt_text.h"
#include "gui/widgets/result_box.h"

namespace vapentis {

namespace {

constexpr int kPageWidthTwips = 6975;
constexpr int kPageHeightTwips = 5175;
constexpr int kTabHeaderTwips = 520;

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

// "VapentisKOVALT2.0---Ardelle": the program, its product code with its version, the maker.
std::string WindowTitle() {
  return std::string(program::kName) + std::string(program::kProductCode) + "---" +
         std::string(maker::kName);
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(Utf8(WindowTitle()));
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

  // The client area: the background picture, unscaled at the top left, under every control.
  auto* client =
      new PictureView(QStringLiteral(":/resources/background.svg"), QSize(750, 475), this);
  client->setObjectName(QStringLiteral("Client"));
  setCentralWidget(client);
  buildTabs(client);
  buildMenu();

  auto* sheet = new QAction(this);
  sheet->setObjectName(QStringLiteral("SheetShortcut"));
  sheet->setShortcut(QKeySequence::Print);
  sheet->setShortcutContext(Qt::WindowShortcut);
  connect(sheet, &QAction::triggered, this, &MainWindow::OpenSheet);
  addAction(sheet);
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
  // One command per tool with a command of its own, in catalog order, then the shell's own.
  for (const ToolDescription* tool : Tools()) {
    if (!tool->shown_beside.empty()) continue;
    connect(add(tool->menu_caption, PageOf(*tool).menu_code), &QAction::triggered, this,
            [this, tool] { showToolTabs(tool); });
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
  // The tools with a menu command of their own, then help, then the tools shown
  // beside another's tab: each tab keeps its place as tools are added.
  const auto add_tools = [&](bool beside) {
    for (const ToolDescription* tool : Tools()) {
      if (tool->shown_beside.empty() == beside) continue;
      if ((PageOf(*tool).menu_code == nullptr) != beside) {
        throw std::logic_error("a tool has a menu command exactly when it is shown by its own: " +
                               std::string(tool->name));
      }
      TabPage* page = MakePage(*tool).release();
      tool_pages_.emplace(tool, page);
      add(page, tool->tab_caption);
      connect(page, &TabPage::used, this, [this, tool] { used_.insert(tool->name); });
      connect(page, &TabPage::sheetRequested, this, &MainWindow::OpenSheet);
    }
  };
  add_tools(false);
  help_ = new HelpTab;
  add(help_, "帮助");
  add_tools(true);
  tabs_->setCurrentIndex(0);
  // Where a command shows tabs beside its own, the tab the user picks takes the cursor.
  connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
    if (auto* page = qobject_cast<TabPage*>(tabs_->widget(index)); page && tabs_->isVisible()) {
      page->focusFirstInput();
    }
  });
  for (const auto& [tool, page] : tool_pages_) {
    connect(page, &TabPage::answered, this,
            [this, tool](const char* button, const Presented& presented) {
              handOn(tool, button, presented);
            });
  }

  // One tab shows at a time, so the tab bar's far end has room for the sheet.
  auto* sheet = new QPushButton(QStringLiteral("计算书…"), tabs_);
  sheet->setObjectName(QStringLiteral("SheetButton"));
  sheet->setFont(TabCaptionFont());
  sheet->setAutoDefault(false);
  sheet->setFocusPolicy(Qt::TabFocus);
  sheet->setAccessibleDescription(QStringLiteral("生成计算书：预览、导出PDF、打印或复制"));
  connect(sheet, &QPushButton::clicked, this, &MainWindow::OpenSheet);
  tabs_->setCornerWidget(sheet, Qt::TopRightCorner);

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

void MainWindow::showToolTabs(const ToolDescription* tool) {
  ShowToolTab(tabs_->indexOf(tool_pages_.at(tool)));
  // The tabs shown beside it follow its own, which stays current.
  for (const ToolDescription* other : Tools()) {
    if (other->shown_beside == tool->name)
      tabs_->setTabVisible(tabs_->indexOf(tool_pages_.at(other)), true);
  }
}

void MainWindow::handOn(const ToolDescription* tool, const char* button,
                        const Presented& presented) {
  if (!presented.Succeeded() || !presented.outcome) return;
  for (const HandOn& hand_on : HandOns()) {
    if (&hand_on.from() != tool || std::string_view(hand_on.button) != button) continue;
    for (const Figure& figure : presented.outcome->figures) {
      if (figure.name != hand_on.figure) continue;
      const ToolDescription& to = hand_on.to();
      TabPage* page = tool_pages_.at(&to);
      page->setInputText(hand_on.input, Utf8(NumberText(figure.value, LocaleDecimalSeparator())));
      if (hand_on.show_and_calculate) {
        showToolTabs(to.shown_beside.empty() ? &to : FindTool(to.shown_beside));
        tabs_->setCurrentWidget(page);
        page->pressCalculate();
      }
    }
  }
}

void MainWindow::HideTools() { tabs_->hide(); }

void MainWindow::OpenSheet() {
  if (sheet_ == nullptr) {
    std::vector<SheetSource> sources;
    for (const ToolDescription* tool : Tools()) {
      const TabPage* page = tool_pages_.at(tool);
      sources.push_back({tool, [page] { return page->inputTexts(); }});
    }
    sheet_ = new SheetDialog(std::move(sources), this);
  }
  std::set<std::string_view> ticked = used_;
  if (tabs_->isVisible()) {
    if (const auto* page = qobject_cast<const TabPage*>(tabs_->currentWidget());
        page != nullptr && page->tool() != nullptr) {
      ticked.insert(page->tool()->name);
    }
  }
  sheet_->tick(ticked);
  sheet_->exec();
}

void MainWindow::OpenMakerSite() {
  const QUrl address(Utf8(maker::kWebAddress));
  if (!QDesktopServices::openUrl(address)) {
    ShowError(this, QStringLiteral("无法启动浏览器打开网址：%1").arg(address.toString()));
  }
}

}  // namespace vapentis
