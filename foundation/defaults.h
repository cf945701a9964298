// A part's defaults as data. A part lists only the members whose default is
// not zero or empty; its constructor applies the list, and a generic test
// reads the same list to check that a new part sends zero or empty in every
// other member:
//
//   class DismissalTP : public DismissalStructFields<RecordPart<dismissal::DismissalStruct>> {
//    public:
//     static inline auto const kDefaults = std::make_tuple(
//         DefaultOf<&dismissal::DismissalStruct::typeOfDismissal>(dismissal::DISMISSAL_END_OF_CONTRACT),
//         ...);
//     DismissalTP() { ApplyDefaults(Value(), kDefaults); MakeBoCopy(); }
//   };
#ifndef OSTREL_FOUNDATION_DEFAULTS_H_
#define OSTREL_FOUNDATION_DEFAULTS_H_

#include <tuple>

#include "field.h"

namespace ostrel {

// The default of the member M: a value field::Set takes (a flag, a number,
// an enumerator, a text, a VDate or a VFixed).
template <auto M, class V>
struct Default {
  static constexpr auto kMember = M;
  V value;
};

template <auto M, class V>
Default<M, V> DefaultOf(V v) {
  return Default<M, V>{v};
}

// Sets every listed member of `s` to its default.
template <class S, class... D>
void ApplyDefaults(S& s, std::tuple<D...> const& defaults) {
  std::apply([&s](auto const&... d) { (field::Set(s.*(d.kMember), d.value), ...); }, defaults);
}

}  // namespace ostrel

#endif  // OSTREL_FOUNDATION_DEFAULTS_H_
