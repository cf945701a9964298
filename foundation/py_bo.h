// PyBO<Struct>: a record object over one flat per-employee record struct.
#ifndef OSTREL_FOUNDATION_PY_BO_H_
#define OSTREL_FOUNDATION_PY_BO_H_

#include "personnel_bo.h"
#include "record_layout.h"

namespace ostrel {

// A PersonnelBO laid over a flat struct that begins with the employee's
// short view, followed by the record's own identity and time period
// (RecordLayout<Struct> says where):
//   - GetObjectid, GetTimestamp, GetLastuserid and their setters address the
//     identity at the very start of the struct, the employee's; so does the
//     BoInterface identity, so the record is new until it was stored or
//     read from the server;
//   - GetLastChangedDate and GetLastChangedUserID read the record's own
//     identity;
//   - the four period dates are the record's time period.
//
// A new object's valid-from date is the undefined date VDate(-1, -1, -1),
// not the base's default date. Other constructors as every record object's:
// from a server struct the identity
// and the valid-from date (its internal valid-from date) are taken from it;
// a copy takes its valid-from date anew from the stored internal valid-from
// date, with remove-new true; assignment copies both.
//
// Commit is three-way, but add… and set… receive true exactly when the
// valid-until date is 31 December 2099 and false for any other date (the
// empty one too), whatever SetRemoveNew said. A failed Commit returns to
// the last saved value, then raises. Delete does nothing.
template <class Struct, class Layout = RecordLayout<Struct>>
class PyBO : public PersonnelBO<Struct, Layout> {
  using Base = PersonnelBO<Struct, Layout>;

 public:
  PyBO() { this->SetValidFrom(base::VDate(-1, -1, -1)); }
  explicit PyBO(Struct const& s) : Base(s) {
    this->SetObjectStruct(Layout::RootIdentity(this->Value()));
    this->SetValidFrom(this->GetInternalValidFrom());
    this->MakeBoCopy();
  }
  PyBO(PyBO const& o) : Base(o) {
    this->SetValidFrom(this->GetInternalValidFrom());
    this->MakeBoCopy();
  }
  PyBO& operator=(PyBO const&) = default;

  void Delete() {}

 protected:
  template <class Service, class Create, class Add, class Set>
  void CommitRecord(Create create, Add add, Set set) {
    this->template CommitThreeWay<Service>(create, add, set, OnFailure::kReset,
                                           RemoveNew::kOpenValidUntil);
  }
};

}  // namespace ostrel

#endif  // OSTREL_FOUNDATION_PY_BO_H_
