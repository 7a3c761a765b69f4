#include "ui/background_run.h"

#include <QEventLoop>
#include <QMetaObject>
#include <exception>
#include <stdexcept>
#include <thread>

namespace vorelan {

// The run as the worker sees it. Only atomics are touched from the worker;
// the signal is emitted on the window thread.
class BackgroundRun::Progress : public WorkProgress {
 public:
  explicit Progress(BackgroundRun& owner) : owner_(owner) {}

  void report(std::int64_t done, std::int64_t total) override {
    owner_.done_.store(done, std::memory_order_relaxed);
    owner_.total_.store(total, std::memory_order_relaxed);
    // One delivery waits in the window's queue at most, however fast the
    // work reports.
    if (!owner_.deliveryPending_.exchange(true)) {
      QMetaObject::invokeMethod(&owner_, &BackgroundRun::deliverProgress, Qt::QueuedConnection);
    }
  }
  bool stopRequested() const override { return owner_.stop_.load(); }

 private:
  BackgroundRun& owner_;
};

BackgroundRun::BackgroundRun(QObject* parent) : QObject(parent) {}

BackgroundRun::~BackgroundRun() = default;

void BackgroundRun::requestStop() {
  if (running_) stop_ = true;
}

void BackgroundRun::deliverProgress() {
  deliveryPending_ = false;
  emit progressed(done_.load(), total_.load());
}

WorkOutcome BackgroundRun::run(const std::function<void(WorkProgress&)>& work) {
  if (running_) throw std::logic_error("a background run is already going");
  running_ = true;
  stop_ = false;
  done_ = 0;
  total_ = 0;
  emit runningChanged(true);

  QEventLoop loop;
  Progress progress(*this);
  std::atomic<bool> ended{false};
  std::exception_ptr fault;
  std::thread worker([&] {
    try {
      work(progress);
    } catch (...) {
      fault = std::current_exception();
    }
    ended = true;
    QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
  });
  loop.exec();
  // The loop also returns when the program is told to end (every event loop
  // is left then): the work is asked to stop and waited for.
  if (!ended) stop_ = true;
  worker.join();

  running_ = false;
  deliveryPending_ = false;
  emit progressed(done_.load(), total_.load());
  emit runningChanged(false);
  if (fault) std::rethrow_exception(fault);
  return stop_ ? WorkOutcome::Stopped : WorkOutcome::Finished;
}

}  // namespace vorelan
