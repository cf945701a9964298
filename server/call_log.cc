#include "call_log.h"

#include <utility>

namespace ostrel::server {

void CallLog::Record(const char* operation, CallArgs arguments) {
  std::lock_guard<std::mutex> lock(mu_);
  if (calls_.size() == kCapacity) calls_.pop_front();
  calls_.push_back(Call{operation, std::move(arguments)});
}

com::ostrel::reference::CallSeq* CallLog::Snapshot() const {
  std::lock_guard<std::mutex> lock(mu_);
  auto* seq = new com::ostrel::reference::CallSeq;
  seq->length(static_cast<CORBA::ULong>(calls_.size()));
  CORBA::ULong i = 0;
  for (const Call& call : calls_) {
    com::ostrel::reference::CallStruct& out = (*seq)[i++];
    out.operation = call.operation.c_str();
    out.arguments.length(static_cast<CORBA::ULong>(call.arguments.size()));
    for (CORBA::ULong k = 0; k < out.arguments.length(); ++k) {
      out.arguments[k] = call.arguments[k].c_str();
    }
  }
  return seq;
}

void CallLog::Clear() {
  std::lock_guard<std::mutex> lock(mu_);
  calls_.clear();
}

}  // namespace ostrel::server
