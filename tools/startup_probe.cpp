// Start-up probe: shows either the calculator's window or a bare main window
// with one label, and on the first painted frame prints the monotonic clock
// and the peak resident memory, then quits.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>

#include "gui/shell/main_window.h"
#include "gui/shell/start_up.h"

namespace {

class FirstPaint : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      // Report once the whole frame has been painted and flushed.
      QTimer::singleShot(0, [] {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("%lld %ld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
                    usage.ru_maxrss);
        std::fflush(stdout);
        QApplication::exit(0);
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool seen_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
  const bool bare = argc > 1 && std::strcmp(argv[1], "bare") == 0;
  QApplication app(argc, argv);
  std::unique_ptr<QMainWindow> window;
  if (bare) {
    window = std::make_unique<QMainWindow>();
    window->setCentralWidget(new QLabel(QStringLiteral("Vapentis")));
    window->resize(753, 500);
  } else {
    vapentis::PrepareApplication();
    window = std::make_unique<vapentis::MainWindow>();
  }
  FirstPaint probe;
  window->installEventFilter(&probe);
  window->show();
  return QApplication::exec();
}
