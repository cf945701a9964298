// The services every servant of the reference server shares.
#ifndef OSTREL_SERVER_CORE_H_
#define OSTREL_SERVER_CORE_H_

#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <typeindex>

#include "call_log.h"
#include "faults.h"
#include "record_store.h"
#include "session.h"
#include "streaming.h"

namespace ostrel::server {

struct Options {
  int port = 0;  // 0: any free port
  int batch_size = 100;
  int batch_delay_ms = 0;
  bool quiet = false;
};

class Core {
 public:
  Core(PortableServer::POA_ptr root, const Options& options);

  Sessions& sessions() { return sessions_; }
  CallLog& calls() { return calls_; }
  FaultTable& faults() { return faults_; }
  Streamer& streamer() { return streamer_; }
  bool quiet() const { return quiet_; }

  // The one store of a record struct, made on first use; kinds and seeders
  // that use the same struct share it. reset() empties it.
  template <class Struct>
  RecordStore<Struct>& Store(const std::string& prefix) {
    std::lock_guard<std::mutex> lock(stores_mu_);
    std::unique_ptr<ResettableStore>& slot = stores_[std::type_index(typeid(Struct))];
    if (!slot) slot = std::make_unique<RecordStore<Struct>>(prefix);
    return static_cast<RecordStore<Struct>&>(*slot);
  }

  // Empties every store and runs the registered seeders.
  void Reset();

  // Forgets the records of a deleted employee in every store.
  void ForgetEmployee(const std::string& oidEmployee);

  void RequestStop();
  bool StopRequested() const;
  void WaitForStop();

 private:
  Sessions sessions_;
  CallLog calls_;
  FaultTable faults_;
  Streamer streamer_;
  const bool quiet_;
  std::mutex stores_mu_;
  std::map<std::type_index, std::unique_ptr<ResettableStore>> stores_;
  mutable std::mutex stop_mu_;
  std::condition_variable stop_cv_;
  bool stop_ = false;
};

}  // namespace ostrel::server

#endif  // OSTREL_SERVER_CORE_H_
