#include <QApplication>
#include <QCommandLineParser>

#include "core/catalog/program_info.h"
#include "gui/shell/main_window.h"
#include "gui/shell/start_up.h"
#include "gui/widgets/qt_text.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(vapentis::Utf8(vapentis::program::kName));
  QApplication::setApplicationVersion(vapentis::Utf8(vapentis::program::kVersion));
  QApplication::setDesktopFileName(vapentis::Utf8(vapentis::program::kDesktopId));

  QCommandLineParser options;
  options.setApplicationDescription(
      QStringLiteral("Engineering calculator for MVR evaporation plants"));
  options.addHelpOption();
  options.addVersionOption();
  options.addPositionalArgument(QStringLiteral("file"),
                                QStringLiteral("The case file (.vapentis) to open"),
                                QStringLiteral("[file]"));
  options.process(app);

  vapentis::PrepareApplication();

  vapentis::MainWindow window;
  window.show();
  // A case given, by the shell or by opening the file in the file manager, opens at once.
  if (const QStringList files = options.positionalArguments(); !files.isEmpty()) {
    window.OpenCase(files.constFirst());
  }
  return QApplication::exec();
}
