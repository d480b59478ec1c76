#include <QApplication>
#include <QCommandLineParser>

#include "shell/main_window.h"
#include "shell/start_up.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vapentis"));
  QApplication::setApplicationVersion(QStringLiteral(VAPENTIS_VERSION));
  QApplication::setDesktopFileName(QStringLiteral("example.ardelle.Vapentis"));

  QCommandLineParser options;
  options.setApplicationDescription(
      QStringLiteral("Engineering calculator for MVR evaporation plants"));
  options.addHelpOption();
  options.addVersionOption();
  options.process(app);

  vapentis::PrepareApplication();

  vapentis::MainWindow window;
  window.show();
  return QApplication::exec();
}
