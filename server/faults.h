// Faults injected through the control, taken by the servant operations.
#ifndef OSTREL_SERVER_FAULTS_H_
#define OSTREL_SERVER_FAULTS_H_

#include <mutex>
#include <string>
#include <vector>

#include "reference.hh"

namespace ostrel::server {

struct Fault {
  std::string operation;  // "*" matches every operation
  com::ostrel::reference::FaultKindEnum kind;
  std::wstring message;
  long delay_ms = 0;
  long remaining = 1;
  CORBA::ULong minor = 0;
};

bool IsStreamFault(com::ostrel::reference::FaultKindEnum kind);

class FaultTable {
 public:
  // A count below 1 counts as 1: a fault always applies at least once.
  void Add(const com::ostrel::reference::FaultStruct& fault);
  void Clear();
  // The faults for one call of `operation`, in injection order; each one
  // taken uses up one of its count. A streamed operation also takes the
  // first matching stream fault; other operations leave stream faults alone.
  std::vector<Fault> Take(const std::string& operation, bool streamed);

 private:
  std::mutex mu_;
  std::vector<Fault> faults_;
};

}  // namespace ostrel::server

#endif  // OSTREL_SERVER_FAULTS_H_
