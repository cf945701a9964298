// Which servant operations were called with which arguments, for the control.
#ifndef OSTREL_SERVER_CALL_LOG_H_
#define OSTREL_SERVER_CALL_LOG_H_

#include <cstddef>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

#include "reference.hh"

namespace ostrel::server {

using CallArgs = std::vector<std::wstring>;

class CallLog {
 public:
  // The oldest calls are dropped beyond this, so that long benchmark runs do
  // not grow the server without bound.
  static constexpr std::size_t kCapacity = 100000;

  void Record(const char* operation, CallArgs arguments);
  com::ostrel::reference::CallSeq* Snapshot() const;
  void Clear();

 private:
  struct Call {
    std::string operation;
    CallArgs arguments;
  };
  mutable std::mutex mu_;
  std::deque<Call> calls_;
};

}  // namespace ostrel::server

#endif  // OSTREL_SERVER_CALL_LOG_H_
