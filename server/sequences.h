// Growing IDL sequences on the server.
#ifndef OSTREL_SERVER_SEQUENCES_H_
#define OSTREL_SERVER_SEQUENCES_H_

namespace ostrel::server {

// Appends one element and returns it. length() leaves the numbers and flags
// of new struct elements indeterminate, so the element is value-initialised
// first: a field the caller does not set goes out as zero, not as garbage.
template <class Seq>
auto& AppendNew(Seq& seq) {
  const auto n = seq.length();
  seq.length(n + 1);
  seq[n] = {};
  return seq[n];
}

}  // namespace ostrel::server

#endif  // OSTREL_SERVER_SEQUENCES_H_
