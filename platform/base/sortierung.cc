#include "sortierung.h"

namespace ostrel {
namespace base {

Sortierung& Sortierung::AddKey(std::string const& key, bool ascending) {
  auto& keys = Value().keys;
  CORBA::ULong n = keys.length();
  keys.length(n + 1);
  keys[n].key = key.c_str();
  keys[n].direction = ascending ? com::ostrel::serverbase::query::ASCENDING
                                : com::ostrel::serverbase::query::DESCENDING;
  return *this;
}

void Sortierung::Clear() { Value().keys.length(0); }

}  // namespace base
}  // namespace ostrel
