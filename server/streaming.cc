#include "streaming.h"

#include <unistd.h>
#include <chrono>
#include <cstdio>

namespace ostrel::server {

namespace ref = com::ostrel::reference;
namespace query = com::ostrel::serverbase::query;

Streamer::Streamer(int batch_size, int batch_delay_ms, bool quiet)
    : batch_size_(batch_size), batch_delay_ms_(batch_delay_ms), quiet_(quiet) {}

Streamer::~Streamer() { Stop(); }

void Streamer::Launch(std::function<void()> job) {
  std::lock_guard<std::mutex> lock(mu_);
  if (stopping_) return;
  // Join the streams that have ended so that threads do not pile up.
  for (auto it = workers_.begin(); it != workers_.end();) {
    if (*it->done) {
      it->thread.join();
      it = workers_.erase(it);
    } else {
      ++it;
    }
  }
  auto done = std::make_shared<std::atomic<bool>>(false);
  std::thread thread([job = std::move(job), done] {
    try {
      job();
    } catch (...) {
      // a stream must never take the server down
    }
    *done = true;
  });
  workers_.push_back(Worker{std::move(thread), done});
}

bool Streamer::Pause(int delay_ms) {
  std::unique_lock<std::mutex> lock(mu_);
  if (delay_ms <= 0) return !stopping_;
  return !wake_.wait_for(lock, std::chrono::milliseconds(delay_ms), [this] { return stopping_; });
}

bool Streamer::stopping() const {
  std::lock_guard<std::mutex> lock(mu_);
  return stopping_;
}

void Streamer::Stop() {
  std::list<Worker> workers;
  {
    std::lock_guard<std::mutex> lock(mu_);
    stopping_ = true;
    workers.swap(workers_);
  }
  wake_.notify_all();
  for (Worker& w : workers) w.thread.join();
}

void Streamer::Ended(const std::string& operation, const char* reason) const {
  if (!quiet_)
    std::fprintf(stderr, "reference_server: stream of %s ended: %s\n", operation.c_str(), reason);
}

void Streamer::Refused(const std::string& operation, CORBA::Object_ptr callback,
                       const std::string& why) const {
  std::fprintf(stderr,
               "reference_server: stream of %s not delivered: callback endpoint %s refused: %s\n",
               operation.c_str(), ReferenceAddress(callback).c_str(), why.c_str());
}

void Streamer::Interrupt(query::AllCallback_ptr callback, const Fault& fault) {
  switch (fault.kind) {
    case ref::STREAM_SET_EXCEPTION: {
      query::DatabaseExceptionStruct e{};
      e.message = fault.message.c_str();
      e.source = L"";
      e.detail = L"";
      callback->setException(e);
      return;
    }
    case ref::STREAM_SET_DOMAIN_EXCEPTION: {
      com::ostrel::serverbase::applicationexception::DomainExceptionStruct e{};
      e.message = fault.message.c_str();
      e.domainClass = L"";
      e.memberName = L"";
      callback->setDomainException(e);
      return;
    }
    case ref::STREAM_EXIT_HALFWAY:
      _exit(3);
    default:  // STREAM_STOP_HALFWAY: just fall silent
      return;
  }
}

}  // namespace ostrel::server
