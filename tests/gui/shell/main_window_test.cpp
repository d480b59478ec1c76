#include "gui/shell/main_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalog/tool_catalog.h"
#include "core/reference/channel_tool.h"
#include "gui/shell/help_tab.h"
#include "gui/tabs/tool_pages.h"
#include "ui_test_support.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace vapentis {
namespace {

using testing::Find;
using testing::ModalCatcher;

class UrlCatcher : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> urls;

 public slots:
  void open(const QUrl& url) { urls.push_back(url); }
};

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<MainWindow>();
    window_->show();
    tabs_ = Find<QTabWidget>(window_.get(), "SSTab2");
  }

  void trigger(const char* code) { Find<QAction>(window_.get(), code)->trigger(); }

  void expectOnlyTab(int index) { expectTabs(index, {}); }

  // Tab `index` current, the tabs `beside` shown after it, and no other.
  void expectTabs(int index, const std::vector<int>& beside) {
    ASSERT_TRUE(tabs_->isVisible());
    EXPECT_EQ(tabs_->currentIndex(), index);
    for (int i = 0; i < tabs_->count(); ++i) {
      const bool shown = i == index || std::find(beside.begin(), beside.end(), i) != beside.end();
      EXPECT_EQ(tabs_->isTabVisible(i), shown) << i;
    }
  }

  std::unique_ptr<MainWindow> window_;
  QTabWidget* tabs_ = nullptr;
};

struct TabCommand {
  const char* code;
  int tab;
  QString caption;
  std::vector<int> beside;  // the tabs the command shows after its own
};

// Each tab in its place: the tools with a menu command of their own in catalog order,
// then help, then the tools shown beside another's tab, with the command that shows it.
struct Tab {
  int index;
  QString caption;
  const char* code;
};

std::vector<Tab> Tabs() {
  std::vector<Tab> tabs;
  for (const bool beside : {false, true}) {
    if (beside) tabs.push_back({static_cast<int>(tabs.size()), QStringLiteral("帮助"), "HELP"});
    for (const ToolDescription* tool : Tools()) {
      if (tool->shown_beside.empty() == beside) continue;
      const ToolDescription* shower = beside ? FindTool(tool->shown_beside) : tool;
      tabs.push_back({static_cast<int>(tabs.size()), testing::Utf8(tool->tab_caption),
                      PageOf(*shower).menu_code});
    }
  }
  return tabs;
}

// Every tab command of the menu: its own tab, current, and the tabs shown beside it.
std::vector<TabCommand> TabCommands() {
  std::vector<TabCommand> commands;
  for (const Tab& tab : Tabs()) {
    const bool own = std::none_of(commands.begin(), commands.end(), [&](const TabCommand& c) {
      return std::string_view(c.code) == tab.code;
    });
    if (own) {
      commands.push_back({tab.code, tab.index, tab.caption, {}});
    } else {
      for (TabCommand& command : commands) {
        if (std::string_view(command.code) == tab.code) command.beside.push_back(tab.index);
      }
    }
  }
  return commands;
}

// The menu command with this object name.
TabCommand CommandOf(const char* code) {
  for (const TabCommand& command : TabCommands()) {
    if (std::string_view(command.code) == code) return command;
  }
  ADD_FAILURE() << "no tab command " << code;
  return {};
}

// The tab the menu command shows.
int TabOf(const char* code) {
  for (const TabCommand& command : TabCommands()) {
    if (std::string_view(command.code) == code) return command.tab;
  }
  ADD_FAILURE() << "no tab command " << code;
  return -1;
}

TEST_F(MainWindowTest, StartsWithCaptionPlacementAndHiddenTools) {
  EXPECT_EQ(window_->windowTitle(), QStringLiteral("VapentisKOVALT2.0---Ardelle"));
  EXPECT_EQ(window_->frameGeometry().topLeft(), QPoint(207, 13));
  EXPECT_EQ(window_->frameGeometry().size(), QSize(753, 500));
  EXPECT_FALSE(window_->windowIcon().isNull());
  EXPECT_FALSE(tabs_->isVisible());
  EXPECT_EQ(tabs_->count(), static_cast<int>(Tools().size()) + 1) << "every tool and help";
  EXPECT_EQ(tabs_->currentIndex(), TabOf("MVR"));
}

// Every control sits at its place in twips: the window offers no larger size.
TEST_F(MainWindowTest, KeepsTheSizeItOpensWith) {
  const QSize opened = window_->size();
  EXPECT_EQ(window_->minimumSize(), opened);
  EXPECT_EQ(window_->maximumSize(), opened);
  const Qt::WindowFlags flags = window_->windowFlags();
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::MSWindowsFixedSizeDialogHint));

  const QSize kAsked[] = {opened * 2, opened / 2, QSize(opened.width() + 1, opened.height())};
  for (const QSize& asked : kAsked) {
    window_->resize(asked);
    EXPECT_EQ(window_->size(), opened) << asked.width() << "x" << asked.height();
  }
  window_->showMinimized();
  window_->showNormal();
  EXPECT_EQ(window_->frameGeometry().size(), QSize(753, 500));
  for (const Qt::WindowState larger : {Qt::WindowMaximized, Qt::WindowFullScreen}) {
    window_->setWindowState(larger);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window_->windowState() == Qt::WindowNoState; }))
        << larger;
    EXPECT_EQ(window_->frameGeometry().size(), QSize(753, 500)) << larger;
  }
}

#ifdef _WIN32
// The frame Windows draws: only the windows platform makes a native window, so
// the offscreen run starts this test again on it, once per screen scale.
TEST(MainWindowNative, HasNeitherMaximiseBoxNorSizingBorderAtAnyScale) {
  if (QGuiApplication::platformName() == QLatin1String("windows")) {
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const auto hwnd = reinterpret_cast<HWND>(window.winId());
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    EXPECT_EQ(style & WS_MAXIMIZEBOX, 0);
    EXPECT_EQ(style & WS_THICKFRAME, 0);
    EXPECT_NE(style & WS_MINIMIZEBOX, 0);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_EQ(window.minimumSize(), window.maximumSize());

    // The caption's commands: it minimises and comes back, and maximising
    // leaves its size.
    RECT opened{};
    GetWindowRect(hwnd, &opened);
    SendMessageW(hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(hwnd));
    SendMessageW(hwnd, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(IsIconic(hwnd));
    SendMessageW(hwnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !IsZoomed(hwnd); }));
    RECT now{};
    GetWindowRect(hwnd, &now);
    EXPECT_EQ(now.right - now.left, opened.right - opened.left);
    EXPECT_EQ(now.bottom - now.top, opened.bottom - opened.top);
    return;
  }
  for (const char* scale : {"1", "1.5", "2"}) {
    SCOPED_TRACE(scale);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("windows"));
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(scale));
    QProcess native;
    native.setProcessEnvironment(environment);
    native.setProcessChannelMode(QProcess::MergedChannels);
    native.start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--gtest_filter=MainWindowNative.*")});
    ASSERT_TRUE(native.waitForFinished(120000));
    const std::string output = native.readAll().toStdString();
    EXPECT_EQ(native.exitCode(), 0) << output;
    EXPECT_NE(output.find("[  PASSED  ] 1 test."), std::string::npos) << output;
  }
}
#endif

TEST_F(MainWindowTest, TabsCarryTheirCaptionsAndFonts) {
  ASSERT_EQ(static_cast<std::size_t>(tabs_->count()), Tabs().size());
  for (const Tab& tab : Tabs()) EXPECT_EQ(tabs_->tabText(tab.index), tab.caption);
  EXPECT_EQ(window_->font().families().value(0), QStringLiteral("SimSun"));
  EXPECT_EQ(window_->font().families().value(1), QStringLiteral("宋体"));
  EXPECT_DOUBLE_EQ(window_->font().pointSizeF(), 12);
  EXPECT_DOUBLE_EQ(tabs_->tabBar()->font().pointSizeF(), 11.25);
  EXPECT_DOUBLE_EQ(Find<QLineEdit>(window_.get(), "Text1")->font().pointSizeF(), 12);
}

TEST_F(MainWindowTest, MenuHasTheNineCommandsInOrderAllVisible) {
  const char* kCodes[] = {"MVR", "ZQXZ", "GLJS", "P", "HE", "CGCX", "HQGD", "HELP", "ESC"};
  QStringList captions;
  for (const ToolDescription* tool : Tools()) {
    if (tool->shown_beside.empty()) captions << testing::Utf8(tool->menu_caption);
  }
  captions << QStringLiteral("获取更多信息") << QStringLiteral("帮助") << QStringLiteral("退出");
  QMenuBar* bar = window_->menuBar();
  const QList<QAction*> actions = bar->actions();
  ASSERT_EQ(static_cast<std::size_t>(actions.size()), std::size(kCodes));
  for (int i = 0; i < actions.size(); ++i) {
    EXPECT_EQ(actions[i]->objectName(), QString::fromLatin1(kCodes[i]));
    EXPECT_EQ(actions[i]->text(), captions[i]);
    EXPECT_EQ(actions[i]->menu(), nullptr);
    const QRect place = bar->actionGeometry(actions[i]);
    EXPECT_FALSE(place.isEmpty()) << kCodes[i];
    EXPECT_TRUE(bar->rect().contains(place)) << kCodes[i];
  }
}

TEST_F(MainWindowTest, EachMenuCommandShowsOnlyItsTabWhateverWasCurrent) {
  for (const TabCommand& before : TabCommands()) {
    for (const TabCommand& command : TabCommands()) {
      trigger(before.code);
      trigger(command.code);
      SCOPED_TRACE(std::string(before.code) + " then " + command.code);
      expectTabs(command.tab, command.beside);
    }
  }
}

TEST_F(MainWindowTest, SameCommandTwiceLeavesTheSameTab) {
  trigger("CGCX");
  trigger("CGCX");
  expectOnlyTab(TabOf("CGCX"));
  trigger("HELP");
  expectOnlyTab(TabOf("HELP"));
}

TEST_F(MainWindowTest, ExitButtonsHideTheToolsAndKeepEveryText) {
  const std::pair<const char*, const char*> kExits[] = {
      {"MVR", "Command1"}, {"ZQXZ", "Command2"}, {"GLJS", "Command7"}, {"P", "Command9"},
      {"HE", "Command12"}, {"CGCX", "Command6"}, {"HELP", "Command8"}, {"MVR", "ThermalExit"}};
  for (const auto& [code, button] : kExits) {
    trigger(code);
    Find<QPushButton>(window_.get(), button)->click();
    EXPECT_FALSE(tabs_->isVisible()) << button;
  }

  trigger("MVR");
  Find<QLineEdit>(window_.get(), "Text1")->setText(QStringLiteral("8"));
  Find<QPushButton>(window_.get(), "Command5")->click();
  const QString result = Find<QPlainTextEdit>(window_.get(), "Text4")->toPlainText();
  ASSERT_FALSE(result.isEmpty());
  Find<QPushButton>(window_.get(), "Command1")->click();
  trigger("HELP");
  trigger("MVR");
  expectTabs(TabOf("MVR"), CommandOf("MVR").beside);
  EXPECT_EQ(Find<QLineEdit>(window_.get(), "Text1")->text(), QStringLiteral("8"));
  EXPECT_EQ(Find<QPlainTextEdit>(window_.get(), "Text4")->toPlainText(), result);
}

// Typing right after choosing a tool replaces the first box's text rather than
// adding to it.
TEST_F(MainWindowTest, ShowingATabPutsTheCursorInItsFirstBoxWithTheTextSelected) {
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  const std::pair<const char*, const char*> kFirstBoxes[] = {
      {"MVR", "Text1"}, {"ZQXZ", "Text5"}, {"GLJS", "Text11"},
      {"P", "Text18"},  {"HE", "Text23"},  {"CGCX", "Combo2"},
  };
  for (const auto& [code, name] : kFirstBoxes) {
    SCOPED_TRACE(code);
    trigger(code);
    QWidget* control = Find<QWidget>(window_.get(), name);
    auto* box = qobject_cast<QLineEdit*>(control);
    if (auto* list = qobject_cast<QComboBox*>(control)) box = list->lineEdit();
    ASSERT_NE(box, nullptr);
    // A list's box hands its focus to the list.
    EXPECT_TRUE(QApplication::focusWidget() == box || QApplication::focusWidget() == control);
    EXPECT_FALSE(box->text().isEmpty());
    EXPECT_EQ(box->selectedText(), box->text());
  }
  trigger("MVR");
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("7"));
  EXPECT_EQ(Find<QLineEdit>(window_.get(), "Text1")->text(), QStringLiteral("7"));
  // The box shown for the mode chosen is the first one.
  trigger("ZQXZ");
  QTest::mouseClick(Find<QCheckBox>(window_.get(), "Check2"), Qt::LeftButton);
  trigger("HELP");
  trigger("ZQXZ");
  EXPECT_EQ(QApplication::focusWidget(), Find<QLineEdit>(window_.get(), "Text7"));
  // A tab shown beside the current one takes the cursor into its first box when chosen.
  trigger("MVR");
  tabs_->setCurrentIndex(
      tabs_->indexOf(Find<QWidget>(window_.get(), "ThermalResult")->parentWidget()));
  auto* first = Find<QLineEdit>(window_.get(), "ThermalEvaporation");
  EXPECT_EQ(QApplication::focusWidget(), first);
  EXPECT_EQ(first->selectedText(), first->text());
}

TEST_F(MainWindowTest, ChannelResultHoldsTheDefaultSizeBeforeItsTabIsShown) {
  EXPECT_EQ(Find<QPlainTextEdit>(window_.get(), "Text10")->toPlainText(),
            testing::CoreResult(ChannelTool()));
}

TEST_F(MainWindowTest, MoreInformationOpensTheSiteAndChangesNothing) {
  UrlCatcher catcher;
  QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
  trigger("HELP");
  trigger("HQGD");
  QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
  ASSERT_EQ(catcher.urls.size(), 1);
  EXPECT_EQ(catcher.urls[0], QUrl(QStringLiteral("https://www.ardelle.example")));
  expectOnlyTab(TabOf("HELP"));
  EXPECT_TRUE(window_->isVisible());
}

TEST_F(MainWindowTest, EscapeClosesTheWindowFromAnyState) {
  const char* kStates[] = {nullptr, "MVR", "CGCX", "HELP"};
  for (const char* state : kStates) {
    MainWindow window;
    window.show();
    if (state != nullptr) Find<QAction>(&window, state)->trigger();
    Find<QAction>(&window, "ESC")->trigger();
    EXPECT_FALSE(window.isVisible()) << (state ? state : "start");
  }
}

TEST_F(MainWindowTest, EveryControlLiesInsideItsFullSizePage) {
  for (const Tab& command : Tabs()) {
    trigger(command.code);
    tabs_->setCurrentIndex(command.index);
    QWidget* page = tabs_->widget(command.index);
    EXPECT_EQ(page->size(), QSize(465, 345)) << command.code;
    for (QWidget* control : page->findChildren<QWidget*>()) {
      if (control->objectName().isEmpty() || !control->isVisibleTo(page)) continue;
      const QRect place(control->mapTo(page, QPoint(0, 0)), control->size());
      EXPECT_TRUE(page->rect().contains(place))
          << command.code << " " << control->objectName().toStdString();
    }
  }
}

TEST_F(MainWindowTest, NoLabelClipsItsTextOnceItsTabIsShown) {
  for (const Tab& command : Tabs()) {
    trigger(command.code);
    tabs_->setCurrentIndex(command.index);
    for (QLabel* label : tabs_->widget(command.index)->findChildren<QLabel*>()) {
      if (!label->wordWrap() || !label->isVisibleTo(tabs_)) continue;
      EXPECT_GE(label->height(), label->heightForWidth(label->width()))
          << command.code << " " << label->objectName().toStdString();
    }
  }
}

// Every character in `text` has a glyph in `font`, its fallback faces included.
void ExpectDrawable(const QFont& font, const QString& text, const std::string& where) {
  const QFontMetrics metrics(font);
  for (const char32_t c : text.toUcs4()) {
    if (c < 0x20) continue;
    EXPECT_TRUE(metrics.inFontUcs4(c))
        << where << ": U+" << std::hex << static_cast<unsigned>(c) << " in " << text.toStdString();
  }
}

void ExpectWidgetTextsDrawable(QWidget* root, const std::string& where) {
  for (QWidget* widget : root->findChildren<QWidget*>()) {
    QStringList texts;
    if (auto* label = qobject_cast<QLabel*>(widget)) texts << label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) texts << button->text();
    if (auto* box = qobject_cast<QLineEdit*>(widget)) texts << box->text();
    if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) texts << box->toPlainText();
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
      for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
    }
    for (const QString& text : texts) {
      ExpectDrawable(widget->font(), text, where + " " + widget->objectName().toStdString());
    }
  }
}

// The window's fonts may go without fallback faces, so every caption, list item
// and result line must be drawable in the face itself, and the menu, in the
// platform's face, must still reach a Chinese one.
TEST_F(MainWindowTest, EveryTextShownHasItsGlyphs) {
  for (QAction* action : window_->menuBar()->actions()) {
    ExpectDrawable(window_->menuBar()->font(), action->text(), "menu");
  }
  for (int i = 0; i < tabs_->count(); ++i) {
    ExpectDrawable(tabs_->tabBar()->font(), tabs_->tabText(i), "tab caption");
  }
  struct Step {
    const char* menu;
    const char* control;  // clicked in order; the last one computes
  };
  const Step kSteps[] = {
      {"MVR", "Command5"}, {"ZQXZ", "Command3"}, {"ZQXZ", "Check2"},          {"ZQXZ", "Command3"},
      {"GLJS", "Option1"}, {"GLJS", "Command4"}, {"GLJS", "Option2"},         {"GLJS", "Command4"},
      {"P", "Command10"},  {"HE", "Command11"},  {"MVR", "ThermalCalculate"},
  };
  for (const Step& step : kSteps) {
    trigger(step.menu);
    Find<QAbstractButton>(window_.get(), step.control)->click();
    ExpectWidgetTextsDrawable(tabs_, std::string(step.menu) + " after " + step.control);
  }
  trigger("CGCX");
  auto* sizes = Find<QComboBox>(window_.get(), "Combo2");
  for (int i = 0; i < sizes->count(); ++i) {
    sizes->setCurrentIndex(i);
    emit sizes->activated(i);
    ExpectWidgetTextsDrawable(tabs_->widget(5), "channel " + sizes->itemText(i).toStdString());
  }
}

TEST_F(MainWindowTest, BackgroundPictureIsDrawnUnderTheMenuBar) {
  const QImage shot = window_->centralWidget()->grab().toImage();
  QSet<QRgb> colours;
  for (int y = 0; y < shot.height(); y += 7) {
    for (int x = 0; x < shot.width(); x += 7) colours.insert(shot.pixel(x, y));
  }
  EXPECT_GT(colours.size(), 10);
}

TEST(HelpTab, ShowsTheTenLinesOfHelp) {
  const QString text = HelpText();
  const QStringList lines = text.split(QStringLiteral("\r\n"));
  ASSERT_EQ(lines.size(), 11);
  EXPECT_TRUE(lines[10].isEmpty());
  EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n")));
  EXPECT_EQ(lines[0], QStringLiteral("    本软件是Ardelle发布的一款"));
  EXPECT_EQ(lines[1], QStringLiteral("免费的、与MVR蒸发器相关的基本功能软件，目前版本为"));
  EXPECT_EQ(lines[2], QStringLiteral("KOVALT2.0。我公司后续会发布更多更新的版本，请关注官网。"));
  EXPECT_TRUE(lines[3].startsWith(QStringLiteral("    ")) && lines[3].size() > 4);
  EXPECT_TRUE(lines[4].endsWith(QString(16, QLatin1Char(' '))));
  EXPECT_NE(lines[4].at(lines[4].size() - 17), QLatin1Char(' '));
  EXPECT_EQ(lines[5], QStringLiteral("     "));
  EXPECT_EQ(lines[6],
            QStringLiteral("网址：https://www.ardelle.example") + QString(30, QLatin1Char(' ')));
  EXPECT_TRUE(lines[7].startsWith(QStringLiteral("电话：")));
  EXPECT_TRUE(lines[7].endsWith(QString(25, QLatin1Char(' '))));
  EXPECT_TRUE(lines[8].startsWith(QStringLiteral("传真：")));
  EXPECT_EQ(lines[9], QStringLiteral("邮箱：info@ardelle.example"));

  MainWindow window;
  auto* box = Find<QPlainTextEdit>(&window, "Text8");
  EXPECT_EQ(box->toPlainText(),
            QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

}  // namespace
}  // namespace vapentis

#include "main_window_test.moc"
