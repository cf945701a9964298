#include "new_servant.h"

namespace ostrel::server {

[[gnu::noinline]] void* ServantMemory(std::size_t size) { return ::operator new(size); }

}  // namespace ostrel::server
