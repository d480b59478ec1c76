#include "gui/shell/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeySequence>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <QTabWidget>
#include <QUrl>

#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>

#include "core/catalog/maker_info.h"
#include "core/catalog/program_info.h"
#include "core/catalog/tool_catalog.h"
#include "core/description/presenter.h"
#include "core/numeric/numeric.h"
#include "gui/dialogs/sheet_dialog.h"
#include "gui/shell/case_io.h"
#include "gui/shell/help_tab.h"
#include "gui/tabs/tool_pages.h"
#include "gui/widgets/error_box.h"
#include "gui/widgets/metrics.h"
#include "gui/widgets/offered_file.h"
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

  // The case commands take keys, not menu places: the menu bar keeps its nine commands.
  const auto add_command = [this](const char* name, const QString& caption, QKeySequence keys,
                                  void (MainWindow::*command)()) {
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, command);
    addAction(action);
  };
  add_command("CaseOpenCommand", QStringLiteral("打开算例…"), QKeySequence(Qt::CTRL | Qt::Key_O),
              &MainWindow::chooseCaseToOpen);
  add_command("CaseSaveCommand", QStringLiteral("保存算例"), QKeySequence(Qt::CTRL | Qt::Key_S),
              &MainWindow::saveCaseCommand);
  add_command("CaseSaveAsCommand", QStringLiteral("算例另存为…"),
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &MainWindow::saveCaseAs);
  setAcceptDrops(true);
  for (const auto& [tool, page] : tool_pages_) {
    connect(page, &TabPage::edited, this, &MainWindow::markModified);
  }
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

  // Few tabs show at a time, so the tab bar's far end has room for the case and the sheet.
  auto* corner = new QWidget(tabs_);
  auto* corner_row = new QHBoxLayout(corner);
  corner_row->setContentsMargins(0, 0, 0, 0);
  corner_row->setSpacing(Twips(60));
  const auto add_corner_button = [&](const char* name, const QString& caption,
                                     const QString& description, void (MainWindow::*command)()) {
    auto* button = new QPushButton(caption, corner);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(TabCaptionFont());
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::TabFocus);
    button->setAccessibleDescription(description);
    connect(button, &QPushButton::clicked, this, command);
    corner_row->addWidget(button);
  };
  add_corner_button("CaseOpen", QStringLiteral("打开算例…"),
                    QStringLiteral("打开保存过的算例：各页的输入和计算书的表头、价格"),
                    &MainWindow::chooseCaseToOpen);
  add_corner_button("CaseSave", QStringLiteral("保存算例"),
                    QStringLiteral("把各页的输入和计算书的表头、价格存为算例文件"),
                    &MainWindow::saveCaseCommand);
  add_corner_button("SheetButton", QStringLiteral("计算书…"),
                    QStringLiteral("生成计算书：预览、导出PDF、打印或复制"),
                    &MainWindow::OpenSheet);
  tabs_->setCornerWidget(corner, Qt::TopRightCorner);

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

SheetDialog* MainWindow::sheetDialog() {
  if (sheet_ == nullptr) {
    std::vector<SheetSource> sources;
    for (const ToolDescription* tool : Tools()) {
      const TabPage* page = tool_pages_.at(tool);
      sources.push_back({tool, [page] { return page->inputTexts(); }});
    }
    sheet_ = new SheetDialog(std::move(sources), this);
    connect(sheet_, &SheetDialog::edited, this, &MainWindow::markModified);
  }
  return sheet_;
}

void MainWindow::OpenSheet() {
  SheetDialog* sheet = sheetDialog();
  std::set<std::string_view> ticked = used_;
  if (tabs_->isVisible()) {
    if (const auto* page = qobject_cast<const TabPage*>(tabs_->currentWidget());
        page != nullptr && page->tool() != nullptr) {
      ticked.insert(page->tool()->name);
    }
  }
  sheet->tick(ticked);
  sheet->exec();
}

Case MainWindow::CurrentCase() {
  Case c = StartCase();
  c.tools.clear();
  for (const ToolDescription* tool : Tools()) c.tools.push_back(tool_pages_.at(tool)->caseTool());
  // A sheet never opened holds what it would open with.
  if (sheet_ != nullptr) {
    c.header = sheet_->header();
    c.running_cost = sheet_->assumptions();
  }
  if (tabs_->isVisible()) {
    if (tabs_->currentWidget() == help_) {
      c.shown = kCaseHelpShown;
    } else if (const auto* page = qobject_cast<const TabPage*>(tabs_->currentWidget())) {
      c.shown = page->tool()->name;
    }
  }
  return c;
}

bool MainWindow::OpenCase(const QString& path) {
  // Read and checked whole before anything in the window changes.
  std::variant<Case, QString> read = ReadCaseFile(path);
  if (const QString* refusal = std::get_if<QString>(&read)) {
    ShowError(this, *refusal);
    return false;
  }
  const Case& c = std::get<Case>(read);
  for (const CaseTool& tool : c.tools) tool_pages_.at(tool.tool)->setCase(tool);
  sheetDialog()->setHeaderAndAssumptions(c.header, c.running_cost);
  // Quietly, as the window showed them: no message, and nothing handed from tab to tab.
  for (const CaseTool& tool : c.tools) {
    TabPage* page = tool_pages_.at(tool.tool);
    if (tool.calculated || page->followsItsInputs()) page->recalculate();
  }
  if (c.shown.empty()) {
    HideTools();
  } else if (c.shown == kCaseHelpShown) {
    ShowToolTab(tabs_->indexOf(help_));
  } else if (const ToolDescription* tool = FindTool(c.shown)) {
    showToolTabs(tool->shown_beside.empty() ? tool : FindTool(tool->shown_beside));
    tabs_->setCurrentWidget(tool_pages_.at(tool));
  }
  setCasePath(path);
  return true;
}

bool MainWindow::SaveCase(const QString& path) {
  const QString problem = WriteCaseFile(path, CurrentCase());
  if (!problem.isEmpty()) {
    ShowError(this, problem);
    return false;
  }
  setCasePath(path);
  return true;
}

void MainWindow::setCasePath(const QString& path) {
  case_path_ = path;
  setWindowTitle(QFileInfo(path).fileName() + QStringLiteral("[*] - ") + Utf8(WindowTitle()));
  setWindowModified(false);
}

void MainWindow::markModified() {
  if (!case_path_.isEmpty()) setWindowModified(true);
}

namespace {

QString CaseFilter() {
  return Utf8(program::kName) + QStringLiteral(" 算例 (*") + Utf8(kCaseExtension) + u')';
}

QString CaseSuffix() { return Utf8(kCaseExtension.substr(1)); }

}  // namespace

void MainWindow::chooseCaseToOpen() {
  if (!settleModifiedCase()) return;
  const QString folder =
      case_path_.isEmpty() ? DocumentsFolder() : QFileInfo(case_path_).absolutePath();
  const QString path =
      QFileDialog::getOpenFileName(this, QStringLiteral("打开算例"), folder, CaseFilter());
  if (!path.isEmpty()) OpenCase(path);
}

void MainWindow::saveCaseCommand() {
  if (case_path_.isEmpty()) {
    saveCaseAs();
  } else {
    SaveCase(case_path_);
  }
}

void MainWindow::saveCaseAs() {
  QString offered = case_path_;
  if (offered.isEmpty()) {
    const QString project =
        sheet_ != nullptr ? QString::fromStdString(sheet_->header().project) : QString();
    offered = QDir(DocumentsFolder()).filePath(CaseFileName(project, QDate::currentDate()));
  }
  QFileDialog dialog(this, QStringLiteral("算例另存为"), QString(), CaseFilter());
  dialog.setObjectName(QStringLiteral("CaseSaveDialog"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(CaseSuffix());
  dialog.setDirectory(QFileInfo(offered).absolutePath());
  dialog.selectFile(QFileInfo(offered).fileName());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  SaveCase(dialog.selectedFiles().constFirst());
}

bool MainWindow::settleModifiedCase() {
  if (case_path_.isEmpty() || !isWindowModified()) return true;
  QMessageBox box(QMessageBox::Question, Utf8(program::kName),
                  QStringLiteral("算例已修改，是否保存？"), QMessageBox::NoButton, this);
  box.setObjectName(QStringLiteral("CaseModifiedQuestion"));
  QPushButton* save = box.addButton(QStringLiteral("保存"), QMessageBox::AcceptRole);
  QPushButton* discard = box.addButton(QStringLiteral("不保存"), QMessageBox::DestructiveRole);
  QPushButton* cancel = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
  save->setObjectName(QStringLiteral("CaseSaveAnswer"));
  discard->setObjectName(QStringLiteral("CaseDiscardAnswer"));
  cancel->setObjectName(QStringLiteral("CaseCancelAnswer"));
  box.setDefaultButton(save);
  box.setEscapeButton(cancel);
  box.exec();
  if (box.clickedButton() == save) return SaveCase(case_path_);
  return box.clickedButton() == discard;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (settleModifiedCase()) {
    event->accept();
  } else {
    event->ignore();
  }
}

namespace {

// The first local file of a drop that is a case, by its extension; empty if none.
QString DroppedCase(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls()) return {};
  for (const QUrl& url : data->urls()) {
    const QString path = url.toLocalFile();
    if (!path.isEmpty() &&
        QFileInfo(path).suffix().compare(CaseSuffix(), Qt::CaseInsensitive) == 0) {
      return path;
    }
  }
  return {};
}

}  // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedCase(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  const QString path = DroppedCase(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  if (settleModifiedCase()) OpenCase(path);
}

void MainWindow::OpenMakerSite() {
  const QUrl address(Utf8(maker::kWebAddress));
  if (!QDesktopServices::openUrl(address)) {
    ShowError(this, QStringLiteral("无法启动浏览器打开网址：%1").arg(address.toString()));
  }
}

}  // namespace vapentis
