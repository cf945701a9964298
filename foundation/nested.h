// Vectors of nested business objects inside a record, and the error list.
#ifndef OSTREL_FOUNDATION_NESTED_H_
#define OSTREL_FOUNDATION_NESTED_H_

#include <vector>

#include "personnel.hh"
#include "personnel_error.h"

namespace ostrel {

// A new vector (the caller owns it and its elements) with one new BO per
// element of `seq`, in sequence order.
template <class BO, class Seq>
std::vector<BO*>* NewVector(Seq const& seq) {
  auto* v = new std::vector<BO*>;
  v->reserve(seq.length());
  for (CORBA::ULong i = 0; i < seq.length(); ++i) v->push_back(new BO(seq[i]));
  return v;
}

// Rebuilds `seq` from the elements' ToIdl(), in vector order; a null vector
// empties it. The elements stay the caller's.
template <class Seq, class BO>
void AssignSeq(Seq& seq, std::vector<BO*> const* v) {
  if (v == nullptr) {
    seq.length(0);
    return;
  }
  seq.length(static_cast<CORBA::ULong>(v->size()));
  for (CORBA::ULong i = 0; i < seq.length(); ++i) seq[i] = (*v)[i]->ToIdl();
}

// The error list a record returns from the server, and the count of errors
// that its last reading found. A record holds one and forwards GetErrors,
// SetErrors and GetErrorCount to it:
//   - Get: a new vector of new Error objects; the count becomes its size;
//   - Set: rebuilds the sequence (null empties it); the count stays;
//   - Count: 0 until the first Get.
class ErrorList {
 public:
  using ErrorSeq = com::ostrel::personnel::framework::basictypes::ErrorSeq;

  std::vector<personnel::Error*>* Get(ErrorSeq const& errors) {
    count_ = static_cast<int>(errors.length());
    return NewVector<personnel::Error>(errors);
  }
  static void Set(ErrorSeq& errors, std::vector<personnel::Error*> const* v) {
    AssignSeq(errors, v);
  }
  int Count() const { return count_; }

 private:
  int count_ = 0;
};

}  // namespace ostrel

#endif  // OSTREL_FOUNDATION_NESTED_H_
