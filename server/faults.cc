#include "faults.h"

#include "text.h"

namespace ostrel::server {

namespace ref = com::ostrel::reference;

bool IsStreamFault(ref::FaultKindEnum kind) {
  return kind == ref::STREAM_STOP_HALFWAY || kind == ref::STREAM_SET_EXCEPTION ||
         kind == ref::STREAM_SET_DOMAIN_EXCEPTION || kind == ref::STREAM_EXIT_HALFWAY;
}

void FaultTable::Add(const ref::FaultStruct& in) {
  Fault f;
  f.operation = in.operation.in();
  f.kind = in.kind;
  f.message = ToUnits(in.message.in());  // it goes out again in an exception
  f.delay_ms = in.delayMs;
  f.remaining = in.count < 1 ? 1 : in.count;
  f.minor = static_cast<CORBA::ULong>(in.minor);
  std::lock_guard<std::mutex> lock(mu_);
  faults_.push_back(std::move(f));
}

void FaultTable::Clear() {
  std::lock_guard<std::mutex> lock(mu_);
  faults_.clear();
}

std::vector<Fault> FaultTable::Take(const std::string& operation, bool streamed) {
  std::vector<Fault> taken;
  bool stream_fault_taken = false;
  std::lock_guard<std::mutex> lock(mu_);
  for (auto it = faults_.begin(); it != faults_.end();) {
    const bool matches = it->operation == "*" || it->operation == operation;
    const bool stream = IsStreamFault(it->kind);
    if (!matches || (stream && (!streamed || stream_fault_taken))) {
      ++it;
      continue;
    }
    stream_fault_taken = stream_fault_taken || stream;
    taken.push_back(*it);
    if (--it->remaining == 0) {
      it = faults_.erase(it);
    } else {
      ++it;
    }
  }
  return taken;
}

}  // namespace ostrel::server
