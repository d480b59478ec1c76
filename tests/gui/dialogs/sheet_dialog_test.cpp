// The calculation sheet in the window: where it opens from and what it ticks,
// its boxes and preview, the PDF, the clipboard and printing.
#include "gui/dialogs/sheet_dialog.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/catalog/tool_catalog.h"
#include "core/description/presenter.h"
#include "core/mvr/sizing_tool.h"
#include "core/sheet/running_cost.h"
#include "gui/dialogs/sheet_pages.h"
#include "gui/shell/main_window.h"
#include "gui/widgets/offered_file.h"
#include "ui_test_support.h"

#ifdef Q_OS_WIN
#include <windows.h>

#include <cwchar>
#endif

namespace vapentis {
namespace {

using testing::Find;
using testing::ModalCatcher;
using testing::Utf8;

// Runs `open`, and while the sheet dialog it opens is up, `inspect` on it; then closes it.
void WithSheetOpen(const std::function<void()>& open,
                   const std::function<void(QWidget*)>& inspect) {
  bool seen = false;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == nullptr || dialog->objectName() != QStringLiteral("SheetDialog")) return;
    poll.stop();
    seen = true;
    inspect(dialog);
    static_cast<QDialog*>(dialog)->reject();
  });
  poll.start(5);
  open();
  EXPECT_TRUE(seen) << "the sheet dialog did not open";
}

// The names of the tools ticked in the dialog.
std::set<std::string> Ticked(QWidget* dialog) {
  std::set<std::string> ticked;
  for (const ToolDescription* tool : Tools()) {
    const QString name = QStringLiteral("Sheet_%1").arg(Utf8(tool->name));
    if (Find<QCheckBox>(dialog, qPrintable(name))->isChecked())
      ticked.insert(std::string(tool->name));
  }
  return ticked;
}

class SheetDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<MainWindow>();
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  }

  void trigger(const char* code) { Find<QAction>(window_.get(), code)->trigger(); }
  void press(const char* button) { Find<QPushButton>(window_.get(), button)->click(); }
  // Through the window system, as a key the user presses, so shortcuts see it.
  void ctrlP() {
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    QTest::keyClick(window_->windowHandle(), Qt::Key_P, Qt::ControlModifier);
  }

  std::set<std::string> tickedAfter(const std::function<void()>& open) {
    std::set<std::string> ticked;
    WithSheetOpen(open, [&](QWidget* dialog) { ticked = Ticked(dialog); });
    return ticked;
  }

  std::unique_ptr<MainWindow> window_;
};

// Ticked at first: the tool on show and every tool the user asked figures of,
// a channel size picked among them, the look-up at start-up not.
TEST_F(SheetDialogTest, OpensWithTheToolOnShowAndTheToolsUsedTicked) {
  EXPECT_EQ(tickedAfter([&] { ctrlP(); }), std::set<std::string>{}) << "at start";
  trigger("MVR");
  EXPECT_EQ(tickedAfter([&] { ctrlP(); }), std::set<std::string>{"sizing"});
  trigger("ZQXZ");
  press("Command3");
  trigger("P");
  press("Command10");
  trigger("HELP");
  EXPECT_EQ(tickedAfter([&] { ctrlP(); }), (std::set<std::string>{"steam", "pump"}));
  trigger("CGCX");
  auto* sizes = Find<QComboBox>(window_.get(), "Combo2");
  sizes->setCurrentIndex(3);
  emit sizes->activated(3);
  trigger("HE");
  EXPECT_EQ(tickedAfter([&] { ctrlP(); }),
            (std::set<std::string>{"steam", "pump", "channel", "exchanger"}));
}

TEST_F(SheetDialogTest, OpensFromTheButtonBesideTheTabsAndFromEveryResultBoxMenu) {
  trigger("P");
  auto* button = Find<QPushButton>(window_.get(), "SheetButton");
  EXPECT_TRUE(button->isVisible());
  EXPECT_EQ(button->text(), QStringLiteral("计算书…"));
  EXPECT_EQ(tickedAfter([&] { button->click(); }), std::set<std::string>{"pump"});

  const char* const kResultBoxes[][2] = {{"MVR", "Text4"}, {"ZQXZ", "Text6"}, {"GLJS", "Text9"},
                                         {"P", "Text19"},  {"HE", "Text21"},  {"CGCX", "Text10"}};
  for (const auto& [code, box] : kResultBoxes) {
    SCOPED_TRACE(box);
    trigger(code);
    auto* result = Find<QPlainTextEdit>(window_.get(), box);
    emit result->customContextMenuRequested(QPoint(5, 5));
    QMenu* menu = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (top->objectName() == QStringLiteral("ResultMenu") && top->isVisible()) {
        menu = qobject_cast<QMenu*>(top);
      }
    }
    ASSERT_NE(menu, nullptr);
    QAction* sheet = menu->findChild<QAction*>(QStringLiteral("ResultSheet"));
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->text(), QStringLiteral("生成计算书…"));
    EXPECT_FALSE(menu->actions().size() < 3) << "Qt's own commands stay";
    menu->close();
    WithSheetOpen([&] { sheet->trigger(); }, [](QWidget*) {});
  }
}

// The dialog alone, over the window's pages as they stand.
class SheetDialogAlone : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<MainWindow>();
    WithSheetOpen([&] { window_->OpenSheet(); },
                  [&](QWidget* dialog) { dialog_ = static_cast<SheetDialog*>(dialog); });
    ASSERT_NE(dialog_, nullptr);
  }

  void tick(std::set<std::string_view> tools) { dialog_->tick(tools); }
  QLineEdit* box(const char* name) { return Find<QLineEdit>(dialog_, name); }
  QString preview() { return Find<QTextEdit>(dialog_, "SheetPreview")->toPlainText(); }

  std::unique_ptr<MainWindow> window_;
  SheetDialog* dialog_ = nullptr;
};

// The preview holds the sheet's width whatever is ticked: no sideways scrolling.
TEST_F(SheetDialogAlone, PreviewNeedsNoSidewaysScrolling) {
  dialog_->show();
  const std::set<std::string_view> kTicks[] = {{}, {"sizing"}, {"steam", "pipe", "channel"}};
  for (const auto& tools : kTicks) {
    tick(tools);
    QApplication::processEvents();
    EXPECT_EQ(Find<QTextEdit>(dialog_, "SheetPreview")->horizontalScrollBar()->maximum(), 0)
        << tools.size() << " tools ticked";
  }
  dialog_->hide();
}

TEST_F(SheetDialogAlone, ShowsTheCostBoxesWhileSizingIsTicked) {
  const std::pair<std::set<std::string_view>, bool> kCases[] = {
      {{"sizing"}, true}, {{"pump"}, false}, {{"steam", "sizing"}, true}, {{}, false}};
  for (const auto& [tools, shown] : kCases) {
    tick(tools);
    EXPECT_EQ(Find<QGroupBox>(dialog_, "SheetCost")->isVisibleTo(dialog_), shown);
  }
  const ToolDescription& cost = RunningCostDescription();
  const char* const kBoxes[] = {"CostElectricity", "CostSteam", "CostSteamPerTon", "CostHours"};
  ASSERT_EQ(cost.inputs.size(), std::size(kBoxes));
  for (std::size_t i = 0; i < cost.inputs.size(); ++i) {
    SCOPED_TRACE(kBoxes[i]);
    EXPECT_EQ(box(kBoxes[i])->text(), Utf8(cost.inputs[i].start_text));
    EXPECT_EQ(box(kBoxes[i])->toolTip(), Utf8(InputHint(cost.inputs[i], "\n")));
  }
}

TEST_F(SheetDialogAlone, PreviewFollowsEveryChangeAtOnce) {
  tick({"sizing", "pump"});
  EXPECT_TRUE(preview().contains(Utf8(SizingTool().menu_caption)));
  box("SheetProject")->setText(QStringLiteral("某化工园区高盐废水项目"));
  EXPECT_TRUE(preview().contains(QStringLiteral("某化工园区高盐废水项目")));
  box("SheetAuthor")->setText(QStringLiteral("张工"));
  EXPECT_TRUE(preview().contains(QStringLiteral("张工")));
  EXPECT_TRUE(preview().contains(QStringLiteral("MVR电费=125.4元/小时")));
  box("CostElectricity")->setText(QStringLiteral("1.4"));
  EXPECT_TRUE(preview().contains(QStringLiteral("MVR电费=250.7元/小时")));
  Find<QCheckBox>(dialog_, "Sheet_sizing")->click();
  EXPECT_FALSE(preview().contains(Utf8(SizingTool().menu_caption)));
  EXPECT_TRUE(preview().contains(QStringLiteral("张工"))) << "the header stays";
}

TEST_F(SheetDialogAlone, AFailingToolStillRendersBesideTheOthers) {
  Find<QLineEdit>(window_.get(), "Text15")->setText(QStringLiteral("0"));
  tick({"sizing", "pump", "exchanger"});
  const QString shown = preview();
  EXPECT_TRUE(
      shown.contains(QString::fromUtf8(FailureMessage(CalcFailure::Kind::DivisionByZero).data())));
  EXPECT_TRUE(shown.contains(QStringLiteral("换热管数量=127条")));
  EXPECT_TRUE(shown.contains(QStringLiteral("蒸发量=3.75吨/小时")));
}

TEST_F(SheetDialogAlone, CopiesTheSheetAsHtmlAndAsTabSeparatedText) {
  tick({"pump"});
  Find<QPushButton>(dialog_, "SheetCopy")->click();
  const QMimeData* data = QApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  ASSERT_TRUE(data->hasHtml());
  ASSERT_TRUE(data->hasText());
  EXPECT_TRUE(data->html().contains(QStringLiteral("<table")));
  EXPECT_TRUE(data->text().contains(QStringLiteral("流量\t100\tm3/h")) ||
              data->text().contains(QStringLiteral("流量（m3/h）\t100")))
      << data->text().toStdString();
  EXPECT_TRUE(data->text().contains(QStringLiteral("泵的计算功率=23.8kW")));
}

TEST_F(SheetDialogAlone, EveryBoxTickAndButtonIsNamedAndReachedByTab) {
  std::vector<QWidget*> controls;
  for (QWidget* w : dialog_->findChildren<QWidget*>()) {
    if (w->objectName().isEmpty()) continue;
    if (qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractButton*>(w)) controls.push_back(w);
  }
  ASSERT_GE(controls.size(), 18u);
  for (QWidget* control : controls) {
    SCOPED_TRACE(control->objectName().toStdString());
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    ASSERT_NE(accessible, nullptr);
    EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty());
    EXPECT_FALSE(accessible->text(QAccessible::Description).isEmpty());
  }
  // The focus chain passes through every one of them.
  tick({"sizing"});
  std::set<QWidget*> reached;
  QWidget* at = Find<QCheckBox>(dialog_, "Sheet_sizing");
  for (int i = 0; i < 60; ++i, at = at->nextInFocusChain()) {
    if (at->focusPolicy() & Qt::TabFocus) reached.insert(at);
  }
  for (QWidget* control : controls) {
    EXPECT_TRUE(reached.count(control) != 0) << control->objectName().toStdString();
  }
}

TEST(SheetFileName, ReplacesWhatWindowsForbidsAndCutsTheNameToSixtyCharacters) {
  const QDate date(2026, 12, 8);
  struct Case {
    const char* name;
    QString given;
    QString expected;
  };
  const Case kCases[] = {
      {"plain", QStringLiteral("高盐废水项目"), QStringLiteral("计算书-高盐废水项目-20261208.pdf")},
      {"forbidden characters", QStringLiteral(R"(a\b/c:d*e?f"g<h>i|j)"),
       QStringLiteral("计算书-a_b_c_d_e_f_g_h_i_j-20261208.pdf")},
      {"control characters", QStringLiteral("a\tb\nc\x7f"),
       QStringLiteral("计算书-a_b_c_-20261208.pdf")},
      {"sixty characters kept", QString(60, QChar(0x4E00)),
       QStringLiteral("计算书-%1-20261208.pdf").arg(QString(60, QChar(0x4E00)))},
      {"ten thousand cut", QString(10000, QLatin1Char('x')),
       QStringLiteral("计算书-%1-20261208.pdf").arg(QString(60, QLatin1Char('x')))},
      {"characters beyond 16 bits count once",
       QString::fromUcs4(std::u32string(61, U'\U0001F600').c_str(), 61),
       QStringLiteral("计算书-%1-20261208.pdf")
           .arg(QString::fromUcs4(std::u32string(60, U'\U0001F600').c_str(), 60))},
  };
  for (const Case& c : kCases) EXPECT_EQ(SheetFileName(c.given, date), c.expected) << c.name;
}

TEST_F(SheetDialogAlone, OffersTheProjectOrElseTheFirstToolInTheDocumentsFolder) {
  const QString folder = DocumentsFolder();
  const QString today = QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
  tick({"steam", "pump"});
  EXPECT_EQ(dialog_->defaultPdfPath(),
            QDir(folder).filePath(QStringLiteral("计算书-低压饱和蒸汽性质-%1.pdf").arg(today)));
  box("SheetProject")->setText(QStringLiteral("二期/扩建"));
  EXPECT_EQ(dialog_->defaultPdfPath(),
            QDir(folder).filePath(QStringLiteral("计算书-二期_扩建-%1.pdf").arg(today)));
}

// Text of a PDF as poppler reads it back; empty when poppler is not there.
QString PdfText(const QString& path, const char* tool = "pdftotext") {
  QProcess process;
  process.start(QString::fromLatin1(tool), {path, QStringLiteral("-")});
  if (!process.waitForFinished(20000) || process.exitCode() != 0) return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

QString WithoutBlanks(QString text) {
  text.remove(QRegularExpression(QStringLiteral("\\s")));
  return text;
}

bool PopplerThere() {
  return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
         !QStandardPaths::findExecutable(QStringLiteral("pdffonts")).isEmpty();
}

// With the start-up inputs and sizing, steam and pump pressed: every caption,
// input value and result line of the three, and the seven cost figures.
TEST_F(SheetDialogAlone, ExportsAPdfWithEveryFigureAndEveryFontEmbedded) {
  tick({"sizing", "steam", "pump"});
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("计算书.pdf"));
  ASSERT_TRUE(dialog_->exportPdf(path));
  ASSERT_TRUE(QFile::exists(path));
  // scripts/test-windows reads the Windows build's export from here.
  if (const QByteArray out = qgetenv("VAPENTIS_SHEET_PDF"); !out.isEmpty()) {
    QFile::remove(QString::fromLocal8Bit(out));
    ASSERT_TRUE(QFile::copy(path, QString::fromLocal8Bit(out)));
  }
  if (!PopplerThere()) GTEST_SKIP() << "poppler-utils is not installed here";

  const QString text = WithoutBlanks(PdfText(path));
  std::vector<std::string> expected = {"MVR电费=125.4元/小时",         "MVR吨料液电费=25.07元/吨",
                                       "MVR年电费=90.3万元",           "多效蒸发蒸汽费=300元/小时",
                                       "多效蒸发吨料液蒸汽费=60元/吨", "多效蒸发年蒸汽费=216万元",
                                       "采用MVR年节约=125.7万元",      "第1页共"};
  for (const char* name : {"sizing", "steam", "pump"}) {
    const ToolDescription& tool = *FindTool(name);
    InputTexts texts(tool);
    for (const InputDescription& input : tool.inputs) {
      texts[input.key] = input.start_text.empty() ? std::string() : std::string(input.start_text);
      if (!input.choices.empty() || input.key == "mode") continue;
      expected.push_back(std::string(input.label));
      expected.push_back(std::string(input.start_text));
    }
    const Presented presented = Present(texts, '.');
    for (const std::string& line : presented.outcome->lines) expected.push_back(line);
  }
  for (const std::string& piece : expected) {
    EXPECT_TRUE(text.contains(WithoutBlanks(QString::fromStdString(piece)))) << piece;
  }

  QProcess fonts;
  fonts.start(QStringLiteral("pdffonts"), {path});
  ASSERT_TRUE(fonts.waitForFinished(20000));
  const QStringList rows = QString::fromUtf8(fonts.readAllStandardOutput()).split('\n');
  int font_rows = 0;
  for (const QString& row : rows.mid(2)) {
    if (row.trimmed().isEmpty()) continue;
    ++font_rows;
    const QStringList columns = row.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    // name, type…, encoding, emb, sub, uni, object, ID: "emb" is the fifth from the end.
    ASSERT_GE(columns.size(), 5);
    EXPECT_EQ(columns[columns.size() - 5], QStringLiteral("yes")) << row.toStdString();
  }
  EXPECT_GT(font_rows, 0);
}

TEST_F(SheetDialogAlone, EveryToolTogetherFitsFourPagesUnderThreeHundredKilobytes) {
  std::set<std::string_view> all;
  for (const ToolDescription* tool : Tools()) all.insert(tool->name);
  tick(all);
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("all.pdf"));
  ASSERT_TRUE(dialog_->exportPdf(path));
  EXPECT_LT(QFile(path).size(), 300 * 1024);
  QPdfWriter counter(folder.filePath(QStringLiteral("count.pdf")));
  SetSheetPageLayout(counter);
  const int pages = DrawSheetPages(dialog_->html(), counter);
  EXPECT_GE(pages, 1);
  EXPECT_LE(pages, 4);
  if (!PopplerThere()) GTEST_SKIP() << "poppler-utils is not installed here";
  // Each result line once: none drawn again, clipped, at the top of the next page.
  const QString text = WithoutBlanks(PdfText(path));
  for (const QString& line : dialog_->text().split(QLatin1Char('\n'))) {
    if (!line.contains(QLatin1Char('=')) || line.contains(QLatin1Char('\t'))) continue;
    EXPECT_EQ(text.count(WithoutBlanks(line)), 1) << line.toStdString();
  }
}

// Written through a file that is put in place only when whole: a folder that
// cannot hold it gets no file and the user a message naming it.
TEST_F(SheetDialogAlone, AFileThatCannotBeWrittenGivesAMessageAndLeavesNothing) {
  tick({"pump"});
  QTemporaryDir folder;
  QFile blocker(folder.filePath(QStringLiteral("not-a-folder")));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  const QString path = folder.filePath(QStringLiteral("not-a-folder/计算书.pdf"));
  ModalCatcher catcher;
  EXPECT_FALSE(dialog_->exportPdf(path));
  ASSERT_EQ(catcher.texts().size(), 1);
  EXPECT_TRUE(catcher.texts()[0].contains(QDir::toNativeSeparators(path)));
  EXPECT_FALSE(QFile::exists(path));
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::NoDotAndDotDot).size(), 1)
      << "no half-written file beside it";
}

TEST_F(SheetDialogAlone, ALongProjectNameWrapsOnThePage) {
  box("SheetProject")->setText(QString(10000, QLatin1Char('x')));
  tick({"pump"});
  QTemporaryDir folder;
  QPdfWriter writer(folder.filePath(QStringLiteral("long.pdf")));
  SetSheetPageLayout(writer);
  const QSizeF body(writer.width(), writer.height());
  QTextDocument document;
  LayOutSheet(document, dialog_->html(), writer, body);
  EXPECT_LE(document.size().width(), body.width() + 1) << "nothing runs off the page";
  EXPECT_EQ(QFileInfo(dialog_->defaultPdfPath()).fileName().size(),
            QStringLiteral("计算书--yyyyMMdd.pdf").size() + 60);
}

// Printing draws the very pages of the PDF: printed to a PDF file, the same text.
TEST_F(SheetDialogAlone, PrintingToAPdfFileGivesTheExportedText) {
  tick({"sizing", "steam", "pump"});
  QTemporaryDir folder;
  const QString exported = folder.filePath(QStringLiteral("exported.pdf"));
  const QString printed = folder.filePath(QStringLiteral("printed.pdf"));
  ASSERT_TRUE(dialog_->exportPdf(exported));
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(printed);
  SetSheetPageLayout(printer);
  EXPECT_GE(DrawSheetPages(dialog_->html(), printer), 1);
  ASSERT_TRUE(QFile::exists(printed));
  if (!PopplerThere()) GTEST_SKIP() << "poppler-utils is not installed here";
  const QString text = PdfText(exported);
  EXPECT_FALSE(text.isEmpty());
  EXPECT_EQ(PdfText(printed), text);
}

#ifdef Q_OS_WIN
// Why Windows' own print dialog cannot open here, or empty when it can: it
// needs an installed printer and a window system to own it, which the offscreen
// platform lacks (scripts/test-windows runs these tests with -platform windows).
std::string NoNativePrintDialog() {
  if (QPrinterInfo::availablePrinters().isEmpty()) return "no printer is installed";
  if (QGuiApplication::platformName() == QStringLiteral("offscreen")) {
    return "Windows' print dialog needs the windows platform";
  }
  return {};
}

// The file the installed test printer writes to, as scripts/test-windows set
// it up; empty when the printer is a real one.
QString PrinterOutput() { return QString::fromLocal8Bit(qgetenv("VAPENTIS_PRINTER_OUTPUT")); }

// The visible Win32 dialog that `owner` opened, or nullptr.
HWND DialogOwnedBy(HWND owner) {
  struct Search {
    HWND owner;
    HWND found;
  } search{owner, nullptr};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* search = reinterpret_cast<Search*>(data);
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        if (GetWindow(window, GW_OWNER) != search->owner || !IsWindowVisible(window) ||
            std::wcscmp(name, L"#32770") != 0) {
          return TRUE;
        }
        search->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// While alive, answers each print dialog `owner` opens with a button: IDOK
// prints, IDCANCEL cancels. Windows' dialog runs its own message loop, which
// still fires Qt's timers.
class NativeDialogAnswer {
 public:
  NativeDialogAnswer(QWidget* owner, int button) {
    QObject::connect(&timer_, &QTimer::timeout, [this, owner, button] {
      HWND dialog = DialogOwnedBy(reinterpret_cast<HWND>(owner->winId()));
      if (dialog == nullptr || dialog == answered_) return;
      answered_ = dialog;
      ++answered_count_;
      PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    });
    timer_.start(20);
  }

  int answered() const { return answered_count_; }

 private:
  QTimer timer_;
  HWND answered_ = nullptr;
  int answered_count_ = 0;
};
#endif

// 打印… opens the system's print dialog; cancelled, it prints nothing and says nothing.
TEST_F(SheetDialogAlone, PrintOpensThePrintDialogAndACancelPrintsNothing) {
  ModalCatcher errors;
  dialog_->show();
#ifdef Q_OS_WIN
  if (const std::string reason = NoNativePrintDialog(); !reason.empty()) GTEST_SKIP() << reason;
  NativeDialogAnswer cancel(dialog_, IDCANCEL);
  Find<QPushButton>(dialog_, "SheetPrint")->click();
  EXPECT_EQ(cancel.answered(), 1);
  if (const QString output = PrinterOutput(); !output.isEmpty()) {
    EXPECT_FALSE(QFile::exists(output)) << "the printer got a job";
  }
#else
  bool opened = false;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* print = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
    if (print == nullptr) return;
    poll.stop();
    opened = true;
    print->reject();
  });
  poll.start(5);
  Find<QPushButton>(dialog_, "SheetPrint")->click();
  EXPECT_TRUE(opened);
#endif
  EXPECT_TRUE(errors.texts().isEmpty());
}

// Windows' print dialog opens only on an installed printer: without one the
// user is told so and pointed to the PDF, rather than nothing happening.
TEST_F(SheetDialogAlone, PrintWithoutAPrinterSaysSoAndPointsToThePdf) {
#ifndef Q_OS_WIN
  GTEST_SKIP() << "Qt's own print dialog prints to a PDF file without any printer";
#else
  if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "a printer is installed";
  ModalCatcher errors;
  dialog_->show();
  Find<QPushButton>(dialog_, "SheetPrint")->click();
  ASSERT_EQ(errors.texts().size(), 1);
  EXPECT_TRUE(errors.texts()[0].contains(QStringLiteral("没有安装打印机")));
  EXPECT_TRUE(errors.texts()[0].contains(QStringLiteral("导出PDF")));
#endif
}

// Print pressed in Windows' dialog sends the sheet's pages to the printer as
// its driver writes them; scripts/test-windows reads the figures back.
TEST_F(SheetDialogAlone, PrintPressedInTheDialogSendsTheSheetToThePrinter) {
#ifndef Q_OS_WIN
  GTEST_SKIP() << "the pages printed are checked by PrintingToAPdfFileGivesTheExportedText";
#else
  if (const std::string reason = NoNativePrintDialog(); !reason.empty()) GTEST_SKIP() << reason;
  const QString output = PrinterOutput();
  if (output.isEmpty()) GTEST_SKIP() << "would print on a real printer";
  tick({"sizing", "steam", "pump"});
  ModalCatcher errors;
  dialog_->show();
  NativeDialogAnswer print(dialog_, IDOK);
  Find<QPushButton>(dialog_, "SheetPrint")->click();
  EXPECT_EQ(print.answered(), 1);
  EXPECT_TRUE(errors.texts().isEmpty());
  QFile printed(output);
  ASSERT_TRUE(printed.open(QIODevice::ReadOnly)) << "the printer wrote nothing";
  EXPECT_TRUE(printed.read(4) == "%!PS");
#endif
}

}  // namespace
}  // namespace vapentis
