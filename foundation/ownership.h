// Taking query results into RAII ownership.
//
// List queries return `std::vector<X*>*`, and the caller owns the vector and
// every element. TakeOwnership turns such a result into a vector of
// unique_ptr, so that nothing has to be freed by hand:
//
//   auto records = ostrel::TakeOwnership(EEAbsentTime::GetActiveEEAbsentTimes(&filters, sort));
//   for (auto& r : records) ...;   // freed when `records` goes
//
// Streamed queries and report runs return a callback object the caller owns;
// hold it in an OwnedCallback (a unique_ptr): destroying it ends the stream
// and frees what is still queued.
#ifndef OSTREL_FOUNDATION_OWNERSHIP_H_
#define OSTREL_FOUNDATION_OWNERSHIP_H_

#include <memory>
#include <vector>

namespace ostrel {

// Takes a query result: the elements move into unique_ptrs, the vector itself
// is deleted. A null result gives an empty vector.
template <class X>
std::vector<std::unique_ptr<X>> TakeOwnership(std::vector<X*>* result) {
  std::vector<std::unique_ptr<X>> owned;
  if (result == nullptr) return owned;
  owned.reserve(result->size());
  for (X* x : *result) owned.emplace_back(x);
  delete result;
  return owned;
}

// The same for the objects a callback hands out with TakeAll().
template <class X>
std::vector<std::unique_ptr<X>> TakeOwnership(std::vector<X*>&& taken) {
  std::vector<std::unique_ptr<X>> owned;
  owned.reserve(taken.size());
  for (X* x : taken) owned.emplace_back(x);
  taken.clear();
  return owned;
}

template <class Callback>
using OwnedCallback = std::unique_ptr<Callback>;

// Takes a callback object returned by a streamed query.
template <class Callback>
OwnedCallback<Callback> TakeOwnership(Callback* callback) {
  return OwnedCallback<Callback>(callback);
}

}  // namespace ostrel

#endif  // OSTREL_FOUNDATION_OWNERSHIP_H_
