// Saves a picture of the window at start and of every tool tab of the catalog,
// each after its calculation ran on the initial inputs, for the documentation.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <span>
#include <vector>

#include "core/catalog/tool_catalog.h"
#include "gui/dialogs/sheet_dialog.h"
#include "gui/shell/main_window.h"
#include "gui/shell/start_up.h"
#include "gui/tabs/tool_pages.h"
#include "gui/widgets/qt_text.h"
#include "gui/widgets/tab_page.h"

namespace {

using vapentis::ControlKind;
using vapentis::ControlRow;
using vapentis::ToolDescription;

QAbstractButton* Button(const vapentis::MainWindow& window, const char* name) {
  auto* button = window.findChild<QAbstractButton*>(QString::fromLatin1(name));
  if (button == nullptr) std::fprintf(stderr, "no button %s\n", name);
  return button;
}

bool Trigger(const vapentis::MainWindow& window, const char* code) {
  auto* command = window.findChild<QAction*>(QString::fromLatin1(code));
  if (command == nullptr) {
    std::fprintf(stderr, "no menu command %s\n", code);
    return false;
  }
  command->trigger();
  return true;
}

// The buttons a user presses to see the tool's start texts calculated: the first
// choice where none is ticked at start, then the calculate button.
std::vector<const char*> StartPresses(const ToolDescription& tool) {
  const std::span<const ControlRow> rows = vapentis::PageOf(tool).controls;
  std::vector<const char*> presses;
  for (const vapentis::InputDescription& input : tool.inputs) {
    if (input.choices.empty() || !input.start_text.empty()) continue;
    for (const ControlRow& row : rows) {
      if (row.input == input.key && row.text == input.choices.front().key)
        presses.push_back(row.name);
    }
  }
  for (const ControlRow& row : rows) {
    if (row.kind == ControlKind::CalculateButton) presses.push_back(row.name);
  }
  return presses;
}

bool Save(vapentis::MainWindow& window, const QDir& out, const QString& file) {
  QTest::qWait(100);
  const QString path = out.filePath(file);
  if (!window.grab().save(path)) return false;
  std::printf("%s\n", qPrintable(path));
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
  vapentis::PrepareApplication();
  vapentis::MainWindow window;
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return 1;
  if (!Save(window, out, QStringLiteral("window.png"))) return 1;
  // Every tool of the catalog, shown as its menu command shows it and calculated.
  auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("SSTab2"));
  for (const ToolDescription* tool : vapentis::Tools()) {
    const ToolDescription* shower =
        tool->shown_beside.empty() ? tool : vapentis::FindTool(tool->shown_beside);
    if (!Trigger(window, vapentis::PageOf(*shower).menu_code)) return 1;
    for (auto* page : window.findChildren<vapentis::TabPage*>()) {
      if (page->tool() == tool) tabs->setCurrentWidget(page);
    }
    for (const char* name : StartPresses(*tool)) {
      QAbstractButton* button = Button(window, name);
      if (button == nullptr) return 1;
      button->click();
    }
    const QString file = QStringLiteral("tab-%1.png").arg(vapentis::Utf8(tool->name));
    if (!Save(window, out, file)) return 1;
  }
  if (!Trigger(window, "HELP") || !Save(window, out, QStringLiteral("tab-help.png"))) return 1;
  // The calculation sheet after every tool was pressed: the dialog
  // as it opens, taken once it shows, then closed.
  QDialog* shown = nullptr;
  QTimer::singleShot(300, [&shown] {
    shown = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (shown != nullptr) shown->reject();
  });
  const QString sheet_path = out.filePath(QStringLiteral("sheet-dialog.png"));
  const QString pdf_path = out.filePath(QStringLiteral("sheet.pdf"));
  QTimer::singleShot(200, [&sheet_path, &pdf_path] {
    if (QWidget* dialog = QApplication::activeModalWidget()) {
      if (dialog->grab().save(sheet_path)) std::printf("%s\n", qPrintable(sheet_path));
      // The sheet's pages, which scripts/screenshots turns into a picture of the first.
      if (auto* sheet = qobject_cast<vapentis::SheetDialog*>(dialog);
          sheet != nullptr && sheet->exportPdf(pdf_path)) {
        std::printf("%s\n", qPrintable(pdf_path));
      }
    }
  });
  window.findChild<QAction*>(QStringLiteral("MVR"))->trigger();
  window.OpenSheet();
  if (shown == nullptr) return 1;
  return 0;
}
