// The application object: the last line of defence against exceptions, and settings refresh.
#pragma once

#include <QApplication>

namespace aeon::app {

class Application : public QApplication {
    Q_OBJECT

  public:
    Application(int& argc, char** argv);

    // No exception may unwind through Qt: anything that escapes an event goes to the reporter.
    bool notify(QObject* receiver, QEvent* event) override;

  protected:
    // A change of the system's regional settings is read again for the next conversion.
    bool event(QEvent* event) override;
};

}  // namespace aeon::app
