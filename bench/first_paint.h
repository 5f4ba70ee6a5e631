// Start-up measurement: prints the time from launch to a window's first paint, then quits.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace aeon::bench {

// The launching script passes its clock (nanoseconds since the epoch) in AEONARIUM_BENCH_START.
class FirstPaintQuit : public QObject {
  public:
    explicit FirstPaintQuit(QWidget& window) : QObject(&window) { window.installEventFilter(this); }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            const char* start = std::getenv("AEONARIUM_BENCH_START");
            if (start != nullptr) {
                const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                     std::chrono::system_clock::now().time_since_epoch())
                                     .count();
                // Whole microseconds: the program's locale must not change the number's form.
                std::printf("first paint after %lld us\n", (now - std::atoll(start)) / 1000);
                std::fflush(stdout);
            }
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

  private:
    bool seen_ = false;
};

}  // namespace aeon::bench
