#include <QApplication>

#include "shell/main_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vapentis"));
  QApplication::setApplicationVersion(QStringLiteral("2.0"));
  vapentis::MainWindow window;
  window.show();
  return QApplication::exec();
}
