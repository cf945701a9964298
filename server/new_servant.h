// Allocation of servants.
#ifndef OSTREL_SERVER_NEW_SERVANT_H_
#define OSTREL_SERVER_NEW_SERVANT_H_

#include <cstddef>
#include <new>
#include <utility>

namespace ostrel::server {

// Memory from a function the optimiser cannot see into. With -O2 and
// sanitizers GCC otherwise warns falsely (-Warray-bounds) about a skeleton's
// virtual base once the servant's constructor is inlined after operator new.
void* ServantMemory(std::size_t size);

// new Impl(args...), released as usual by delete in _remove_ref().
template <class Impl, class... Args>
Impl* NewServant(Args&&... args) {
  void* memory = ServantMemory(sizeof(Impl));
  try {
    return new (memory) Impl(std::forward<Args>(args)...);
  } catch (...) {
    ::operator delete(memory);
    throw;
  }
}

}  // namespace ostrel::server

#endif  // OSTREL_SERVER_NEW_SERVANT_H_
