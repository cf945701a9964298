// Sortierung: the sort order of a list query.
#ifndef OSTREL_BASE_SORTIERUNG_H_
#define OSTREL_BASE_SORTIERUNG_H_

#include <string>

#include "bo.h"
#include "serverbase.hh"

namespace ostrel {
namespace base {

using SortierungStruct = com::ostrel::serverbase::query::SortierungStruct;

// An ordered list of sort keys, each ascending or descending. A default
// Sortierung is empty: the server's own order applies. Which keys a record
// kind understands is the server's matter.
class Sortierung : public BO<SortierungStruct> {
 public:
  Sortierung() = default;

  // Appends a key; earlier keys take precedence.
  Sortierung& AddKey(std::string const& key, bool ascending = true);
  void Clear();
  unsigned long KeyCount() const { return Value().keys.length(); }
};

}  // namespace base
}  // namespace ostrel

#endif  // OSTREL_BASE_SORTIERUNG_H_
