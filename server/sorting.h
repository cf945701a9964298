// Orders list results by the keys of a SortierungStruct.
#ifndef OSTREL_SERVER_SORTING_H_
#define OSTREL_SERVER_SORTING_H_

#include <cwchar>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "serverbase.hh"
#include "text.h"

namespace ostrel::server {

// <0, 0, >0 like strcmp.
template <class Struct>
using SortField = std::function<int(const Struct&, const Struct&)>;

int CompareText(const char* a, const char* b);
int CompareWide(const CORBA::WChar* a, const CORBA::WChar* b);
// Digit runs compare as numbers: "TR-9" < "TR-10".
int CompareNatural(const char* a, const char* b);
// Decimal texts compare by value; texts that are no number come first.
int CompareDecimal(const char* a, const char* b);
template <class T>
int CompareValue(const T& a, const T& b) {
  return a < b ? -1 : b < a ? 1 : 0;
}

// The keys every record that starts with an employee's short view sorts by:
// "personnelNumber", "surname" and "objectid" of the root part that
// `root(record)` returns. A kind adds its own keys to the map.
template <class Struct, class RootOf>
std::map<std::string, SortField<Struct>> EmployeeSortFields(RootOf root) {
  return {
      {"personnelNumber",
       [root](const Struct& a, const Struct& b) {
         return CompareValue(root(a).employeeShort.personnelNumber,
                             root(b).employeeShort.personnelNumber);
       }},
      {"surname",
       [root](const Struct& a, const Struct& b) {
         return CompareWide(root(a).employeeShort.surname.in(), root(b).employeeShort.surname.in());
       }},
      {"objectid",
       [root](const Struct& a, const Struct& b) {
         return CompareNatural(root(a).objectStruct.objectid.in(),
                               root(b).objectStruct.objectid.in());
       }},
  };
}

// The ordering for the sort keys, or an empty function for no keys (the
// store then keeps creation order). An unknown key raises
// ApplicationLayerException.
template <class Struct>
std::function<bool(const Struct&, const Struct&)> MakeOrdering(
    const com::ostrel::serverbase::query::SortierungStruct& sort,
    const std::map<std::string, SortField<Struct>>& fields) {
  using com::ostrel::serverbase::query::DESCENDING;
  std::vector<std::pair<SortField<Struct>, bool>> keys;
  for (CORBA::ULong i = 0; i < sort.keys.length(); ++i) {
    const std::string name = sort.keys[i].key.in();
    auto it = fields.find(name);
    if (it == fields.end()) {
      throw com::ostrel::serverbase::applicationexception::ApplicationLayerException(
          Widen("unknown sort key '" + name + "'").c_str());
    }
    keys.emplace_back(it->second, sort.keys[i].direction == DESCENDING);
  }
  if (keys.empty()) return {};
  return [keys](const Struct& a, const Struct& b) {
    for (const auto& [field, descending] : keys) {
      const int c = field(a, b);
      if (c != 0) return descending ? c > 0 : c < 0;
    }
    return false;
  };
}

}  // namespace ostrel::server

#endif  // OSTREL_SERVER_SORTING_H_
