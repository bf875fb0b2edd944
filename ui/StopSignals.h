// A program stopped by the system (SIGTERM, SIGINT, SIGHUP) closes its window as the close
// button does, so the game in progress is kept as it stands and the file is closed whole. The
// signal handler only writes a byte to a pipe; the window's event loop does the rest.
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace zelvaro::ui {

class StopSignals : public QObject {
public:
    // `stop` runs in the event loop once a stop signal has come.
    explicit StopSignals(std::function<void()> stop);
    ~StopSignals() override;
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

private:
    std::function<void()> stop_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace zelvaro::ui
