#include "core.h"

#include "registry.h"

namespace ostrel::server {

Core::Core(PortableServer::POA_ptr root, const Options& options)
    : sessions_(root),
      streamer_(options.batch_size, options.batch_delay_ms, options.quiet),
      quiet_(options.quiet) {}

void Core::Reset() {
  {
    std::lock_guard<std::mutex> lock(stores_mu_);
    for (auto& [type, store] : stores_) store->Clear();
  }
  for (const Seeder& seed : Registry::Seeders()) seed(*this);
}

void Core::ForgetEmployee(const std::string& oidEmployee) {
  std::lock_guard<std::mutex> lock(stores_mu_);
  for (auto& [type, store] : stores_) store->ForgetEmployee(oidEmployee);
}

void Core::RequestStop() {
  {
    std::lock_guard<std::mutex> lock(stop_mu_);
    stop_ = true;
  }
  stop_cv_.notify_all();
}

bool Core::StopRequested() const {
  std::lock_guard<std::mutex> lock(stop_mu_);
  return stop_;
}

void Core::WaitForStop() {
  std::unique_lock<std::mutex> lock(stop_mu_);
  stop_cv_.wait(lock, [this] { return stop_; });
}

}  // namespace ostrel::server
