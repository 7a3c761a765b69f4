#pragma once
// Runs long work of the core on a worker thread while the windows go on:
// run() keeps the event loop turning (painting, timers, clicks) until the
// work has ended, and hands its progress to the window thread as the
// progressed signal. The caller stays on the window thread throughout, so
// message boxes and dialogs before and after the work are shown from there.
//
//   BackgroundRun background;
//   connect(&background, &BackgroundRun::progressed, window, &Window::showProgress);
//   if (background.run(work) == WorkOutcome::Stopped) { ... leave nothing half done ... }
//
// While it runs, the controls that could start other work must be disabled
// (runningChanged tells when). Closing the main window asks for a stop;
// run() then waits for the worker to return before it returns itself.
#include <QObject>
#include <atomic>
#include <cstdint>

#include "platform/background_work.h"

namespace vorelan {

class BackgroundRun : public QObject, public BackgroundWork {
  Q_OBJECT

 public:
  explicit BackgroundRun(QObject* parent = nullptr);
  ~BackgroundRun() override;

  WorkOutcome run(const std::function<void(WorkProgress&)>& work) override;

  bool isRunning() const { return running_; }
  // Asks the running work to stop; nothing happens when none runs.
  void requestStop();

 signals:
  // On the window thread. Reports coming faster than the window takes them
  // are joined: the window sees the latest count, and the last one always.
  void progressed(qint64 done, qint64 total);
  void runningChanged(bool running);

 private:
  class Progress;
  void deliverProgress();

  bool running_ = false;
  std::atomic<bool> stop_{false};
  std::atomic<bool> deliveryPending_{false};
  std::atomic<std::int64_t> done_{0};
  std::atomic<std::int64_t> total_{0};
};

}  // namespace vorelan
