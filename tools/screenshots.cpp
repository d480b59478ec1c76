// Saves a picture of the window at start and of every tool tab, each after
// its calculation ran on the initial inputs, for the documentation.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPixmap>
#include <QTest>
#include <QTimer>

#include <cstdio>

#include "gui/dialogs/sheet_dialog.h"
#include "gui/shell/main_window.h"
#include "gui/shell/start_up.h"

namespace {

struct Shot {
  const char* menu;  // the menu command chosen first; nullptr: the window at start
  const char* file;
  const char* presses[2];  // buttons pressed in order before the picture
};

constexpr Shot kShots[] = {
    {nullptr, "window.png", {nullptr, nullptr}},
    {"MVR", "tab-sizing.png", {"Command5", nullptr}},
    {"ZQXZ", "tab-steam.png", {"Command3", nullptr}},
    {"GLJS", "tab-pipe.png", {"Option1", "Command4"}},
    {"P", "tab-pump.png", {"Command10", nullptr}},
    {"HE", "tab-exchanger.png", {"Command11", nullptr}},
    {"CGCX", "tab-channel.png", {nullptr, nullptr}},
    {"HELP", "tab-help.png", {nullptr, nullptr}},
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
  vapentis::PrepareApplication();
  vapentis::MainWindow window;
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return 1;
  for (const Shot& shot : kShots) {
    if (shot.menu != nullptr) {
      auto* command = window.findChild<QAction*>(QString::fromLatin1(shot.menu));
      if (command == nullptr) {
        std::fprintf(stderr, "no menu command %s\n", shot.menu);
        return 1;
      }
      command->trigger();
    }
    for (const char* name : shot.presses) {
      if (name == nullptr) continue;
      auto* button = window.findChild<QAbstractButton*>(QString::fromLatin1(name));
      if (button == nullptr) {
        std::fprintf(stderr, "no button %s\n", name);
        return 1;
      }
      button->click();
    }
    QTest::qWait(100);
    const QString path = out.filePath(QString::fromLatin1(shot.file));
    if (!window.grab().save(path)) return 1;
    std::printf("%s\n", qPrintable(path));
  }
  // The calculation sheet after sizing, steam and pump were pressed: the dialog
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
