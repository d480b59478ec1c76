// Saves a picture of the window at start and of every tool tab, each after
// its calculation ran on the initial inputs, for the documentation.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTest>

#include <cstdio>

#include "shell/main_window.h"
#include "shell/start_up.h"

namespace {

struct Shot {
  int tab;  // -1: the window at start
  const char* file;
  const char* presses[2];  // buttons pressed in order before the picture
};

constexpr Shot kShots[] = {
    {-1, "window.png", {nullptr, nullptr}},      {0, "tab-sizing.png", {"Command5", nullptr}},
    {1, "tab-steam.png", {"Command3", nullptr}}, {2, "tab-pipe.png", {"Option1", "Command4"}},
    {3, "tab-pump.png", {"Command10", nullptr}}, {4, "tab-exchanger.png", {"Command11", nullptr}},
    {5, "tab-channel.png", {nullptr, nullptr}},  {6, "tab-help.png", {nullptr, nullptr}},
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
    if (shot.tab >= 0) window.ShowToolTab(shot.tab);
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
  return 0;
}
