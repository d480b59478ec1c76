// Runs the window tests offscreen with one QApplication for the whole run.
#include <QApplication>

#include <gtest/gtest.h>

#include "gui/shell/start_up.h"

namespace {

// The offscreen platform warns about window hints it cannot honour; that
// noise would hide the messages that matter.
QtMessageHandler previous_handler = nullptr;

void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.contains(QLatin1String("propagateSizeHints"))) return;
  if (previous_handler != nullptr) previous_handler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
  previous_handler = qInstallMessageHandler(QuietHandler);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  // The window is tested in the application the program prepares.
  vapentis::PrepareApplication();
  return RUN_ALL_TESTS();
}
