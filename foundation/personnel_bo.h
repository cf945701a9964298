// PersonnelBO<Struct>: a business object over one employee record struct.
#ifndef OSTREL_FOUNDATION_PERSONNEL_BO_H_
#define OSTREL_FOUNDATION_PERSONNEL_BO_H_

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "bo.h"
#include "field.h"
#include "ostrel.h"
#include "record_layout.h"
#include "remote.h"
#include "string_converter.h"
#include "vdate.h"
#include "vdatetime.h"
#include "vstring.h"

namespace ostrel {

// What a failed Commit or long Delete leaves in the object.
enum class OnFailure {
  kReset,  // back to the last saved value, then the exception is raised
  kKeep,   // unsaved changes stay
};

// Which remove-new flag add… and set… receive.
enum class RemoveNew {
  kFromObject,           // the object's flag (SetRemoveNew), true unless changed
  kOpenValidUntil,       // true exactly when the valid-until date is 31.12.2099
  kTrueOnAddFalseOnSet,  // add… always true, set… always false
};

// The open end of a validity, 31 December 2099.
inline base::VDate const& OpenEnd() {
  static base::VDate const open_end(31, 11, 2099);
  return open_end;
}

// An operation that receives one part of the record struct, not all of it:
//   CommitThreeWay<S>(SendingPart<&EEDismissalStruct::history>(&Stub::createDismissal), ...)
template <auto Part, class Op>
auto SendingPart(Op op) {
  return [op](auto servant, auto token, auto const& record, auto... rest) {
    return std::invoke(op, servant, token, record.*Part, rest...);
  };
}

// A part of a record (its period, a root, the employee's short view, a
// nested entry): a BO over the part's struct whose identity is the struct's
// `objectStruct`. The one rule for the saved value of the family:
//   - default: what the part's own default constructor sets up is the saved
//     value (the part counts as unchanged);
//   - built from a struct or copied: that value is the saved value.
// Assignment takes current value, saved value and identity.
template <class Struct>
class RecordPart : public base::BO<Struct> {
 public:
  RecordPart() = default;
  explicit RecordPart(Struct const& s) : base::BO<Struct>(s) {
    this->SetObjectStruct(s.objectStruct);
    this->MakeBoCopy();
  }
  RecordPart(RecordPart const& o) : base::BO<Struct>(o) { this->MakeBoCopy(); }
  RecordPart& operator=(RecordPart const&) = default;
};

// Adds to BO<Struct> the valid-from date of the next change and the
// remove-new flag, accessors for the record's identity and period (located by
// RecordLayout<Struct>), and the Commit and Delete forms the record kinds use.
//
// Copying does not carry a valid-from date or remove-new flag changed on the
// original (the copy starts with the defaults); assignment does.
template <class Struct, class Layout = RecordLayout<Struct>>
class PersonnelBO : public base::BO<Struct> {
  using Base = base::BO<Struct>;

 public:
  using Base::IsNew;
  using Base::ToIdl;

  PersonnelBO() = default;
  explicit PersonnelBO(Struct const& s) : Base(s) {}
  PersonnelBO(PersonnelBO const& o) : Base(o) {}
  PersonnelBO& operator=(PersonnelBO const& o) {
    Base::operator=(o);
    valid_from_ = o.valid_from_;
    remove_new_ = o.remove_new_;
    return *this;
  }
  ~PersonnelBO() override = default;

  // Root identity of the current value.
  std::string GetObjectid() const { return std::string(Layout::RootIdentity(Value()).objectid); }
  void SetObjectid(std::string const& v) { Layout::RootIdentity(Value()).objectid = v.c_str(); }
  long GetVersion() const { return Layout::RootIdentity(Value()).version; }
  std::string GetTimestamp() const { return std::string(Layout::RootIdentity(Value()).timestamp); }
  void SetTimestamp(std::string const& v) { Layout::RootIdentity(Value()).timestamp = v.c_str(); }
  std::string GetLastuserid() const {
    return base::StringConverter::Convert(field::Wide(Layout::RootIdentity(Value()).lastuserid));
  }
  void SetLastuserid(base::VString const& v) {
    field::Set(Layout::RootIdentity(Value()).lastuserid, v);
  }

  // The period's four dates.
  base::VDate GetEffectiveFrom() const { return field::Date(Period().effectiveFrom); }
  void SetEffectiveFrom(base::VDate const& d) { field::Set(Period().effectiveFrom, d); }
  base::VDate GetEffectiveUntil() const { return field::Date(Period().effectiveUntil); }
  void SetEffectiveUntil(base::VDate const& d) { field::Set(Period().effectiveUntil, d); }
  base::VDate GetInternalValidFrom() const { return field::Date(Period().internalValidFrom); }
  void SetInternalValidFrom(base::VDate const& d) { field::Set(Period().internalValidFrom, d); }
  base::VDate GetValidUntil() const { return field::Date(Period().validUntil); }
  void SetValidUntil(base::VDate const& d) { field::Set(Period().validUntil, d); }

  // The date from which the next Commit is to be valid; not part of the
  // struct until then.
  base::VDate GetValidFrom() const { return valid_from_; }
  void SetValidFrom(base::VDate const& d) { valid_from_ = d; }

  void SetRemoveNew(bool v) { remove_new_ = v; }
  bool GetRemoveNew() const { return remove_new_; }

  // Makes the object new: the next Commit creates it.
  void ClearObjectStruct() { this->SetObjectStruct(ObjectStruct()); }

  // Who changed the period last, and when.
  base::VString GetLastChangedUserID() const override {
    return base::VString(Layout::PeriodIdentity(Value()).lastuserid.in());
  }
  base::VDateTime GetLastChangedDate() const override {
    return base::VDateTime(std::string(Layout::PeriodIdentity(Value()).timestamp));
  }

 protected:
  using Base::MakeBoCopy;
  using Base::Value;

  TimePeriodStruct& Period() { return Layout::Period(Value()); }
  TimePeriodStruct const& Period() const { return Layout::Period(Value()); }

  // The object id of the employee the record belongs to.
  char const* EmployeeOid() const { return Layout::EmployeeOid(Value()); }

  // Makes `s` the current and saved value and registers its root identity:
  // the state after a successful Commit or after reading from the server.
  void TakeOver(Struct const& s) {
    this->SetValue(s);
    this->SetObjectStruct(Layout::RootIdentity(Value()));
    MakeBoCopy();
  }

  // The remove-new flag that add… (adding == true) or set… receives.
  bool RemoveNewFor(RemoveNew rule, bool adding) const {
    switch (rule) {
      case RemoveNew::kOpenValidUntil:
        return !GetValidUntil().IsDifferent(OpenEnd());
      case RemoveNew::kTrueOnAddFalseOnSet:
        return adding;
      case RemoveNew::kFromObject:
      default:
        return remove_new_;
    }
  }

  // Commit, two-way form: create(servant, token, struct) for a new object,
  // otherwise set(servant, token, struct, removeNew); both after the internal
  // valid-from date was set from the valid-from member. The answer becomes
  // the object's current and saved value.
  template <class Service, class Create, class Set>
  void CommitTwoWay(Create create, Set set, OnFailure on_failure = OnFailure::kReset,
                    RemoveNew rule = RemoveNew::kFromObject) {
    using R = Remote<Service>;
    try {
      auto servant = R::Access();
      SetInternalValidFrom(valid_from_);
      Struct const s = ToIdl();
      auto result =
          IsNew()
              ? MakeOwned(std::invoke(create, servant.in(), R::Token(), s))
              : MakeOwned(std::invoke(set, servant.in(), R::Token(), s, RemoveNewFor(rule, false)));
      TakeOver(result.in());
    } catch (CORBA::Exception& e) {
      if (on_failure == OnFailure::kReset) this->ResetBo();
      base::Ostrel::Instance()->ConvertException(e);
    }
  }

  // Commit, three-way form: create for a new object; add when the valid-from
  // member differs from the stored internal valid-from date (which then takes
  // the new date); set otherwise, with the internal valid-from date unchanged.
  template <class Service, class Create, class Add, class Set>
  void CommitThreeWay(Create create, Add add, Set set, OnFailure on_failure = OnFailure::kReset,
                      RemoveNew rule = RemoveNew::kFromObject) {
    using R = Remote<Service>;
    try {
      auto servant = R::Access();
      if (IsNew()) {
        SetInternalValidFrom(valid_from_);
        TakeOver(MakeOwned(std::invoke(create, servant.in(), R::Token(), ToIdl())).in());
      } else if (valid_from_.IsDifferent(GetInternalValidFrom())) {
        SetInternalValidFrom(valid_from_);
        TakeOver(
            MakeOwned(std::invoke(add, servant.in(), R::Token(), ToIdl(), RemoveNewFor(rule, true)))
                .in());
      } else {
        TakeOver(MakeOwned(
                     std::invoke(set, servant.in(), R::Token(), ToIdl(), RemoveNewFor(rule, false)))
                     .in());
      }
    } catch (CORBA::Exception& e) {
      if (on_failure == OnFailure::kReset) this->ResetBo();
      base::Ostrel::Instance()->ConvertException(e);
    }
  }

  // Commit, list form: as the three-way form, but add and set also receive
  // `list...` (the filters and sort order of the list the caller shows) before
  // the struct and answer that list refreshed; it is returned as new R
  // objects in the server's order, owned by the caller. The object keeps the
  // values it sent and counts as unchanged. A new object is created as in the
  // three-way form, and the list stays empty. A failure resets the object;
  // no list is returned then.
  template <class Service, class R, class Create, class Add, class Set, class... L>
  std::vector<R*>* CommitListed(Create create, Add add, Set set, L const&... list) {
    using Rm = Remote<Service>;
    std::unique_ptr<std::vector<R*>, void (*)(std::vector<R*>*)> result(new std::vector<R*>,
                                                                        &DeleteAll<R>);
    try {
      auto servant = Rm::Access();
      if (IsNew()) {
        SetInternalValidFrom(valid_from_);
        TakeOver(MakeOwned(std::invoke(create, servant.in(), Rm::Token(), ToIdl())).in());
      } else {
        if (valid_from_.IsDifferent(GetInternalValidFrom())) {
          SetInternalValidFrom(valid_from_);
          auto seq =
              MakeOwned(std::invoke(add, servant.in(), Rm::Token(), list..., ToIdl(), remove_new_));
          AppendAll(result.get(), seq.in());
        } else {
          auto seq =
              MakeOwned(std::invoke(set, servant.in(), Rm::Token(), list..., ToIdl(), remove_new_));
          AppendAll(result.get(), seq.in());
        }
        MakeBoCopy();
      }
    } catch (CORBA::Exception& e) {
      this->ResetBo();
      base::Ostrel::Instance()->ConvertException(e);
    }
    return result.release();
  }

  // Delete and Restore…: op(servant, token) sends what the record kind's
  // operation takes. The short form (kKeep) only converts a failure;
  // the long form (kReset) first returns to the saved value.
  template <class Service, class Op>
  void RemoteWrite(Op op, OnFailure on_failure) {
    using R = Remote<Service>;
    try {
      auto servant = R::Access();
      std::invoke(op, servant.in(), R::Token());
    } catch (CORBA::Exception& e) {
      if (on_failure == OnFailure::kReset) this->ResetBo();
      base::Ostrel::Instance()->ConvertException(e);
    }
  }

  // The standard arguments of delete… and restore…: employee object id,
  // object id and version of the root identity. Read through the const view:
  // sending the value must not give the object a private copy of it.
  template <class Service, class Op>
  void StandardDelete(Op op, OnFailure on_failure) {
    RemoteWrite<Service>(
        [this, &op](auto servant, auto token) {
          Struct const& v = std::as_const(*this).Value();
          std::invoke(op, servant, token, Layout::EmployeeOid(v),
                      Layout::RootIdentity(v).objectid.in(), Layout::RootIdentity(v).version);
        },
        on_failure);
  }

 private:
  template <class T>
  static typename Owned<T*>::type MakeOwned(T* p) {
    return typename Owned<T*>::type(p);
  }

  base::VDate valid_from_;
  bool remove_new_ = true;
};

// A record object of the common shape: a root part `Root` (a BO over the root
// struct) and a period part `TP` (a BO over the period struct), with the three
// constructors every such record has:
//   - default: a default root and period part, taken as saved value;
//   - from a server struct: identity and valid-from date taken from it;
//   - copy: valid-from date taken anew from the stored internal valid-from
//     date, remove-new true (assignment copies both).
template <class Struct, class Root, class TP, class Layout = RecordLayout<Struct>>
class PersonnelRecord : public PersonnelBO<Struct, Layout> {
  using Base = PersonnelBO<Struct, Layout>;

 public:
  PersonnelRecord() {
    SetRoot(Root());
    SetHistory(TP());
    this->MakeBoCopy();
  }
  explicit PersonnelRecord(Struct const& s) : Base(s) {
    this->SetObjectStruct(Layout::RootIdentity(this->Value()));
    this->SetValidFrom(this->GetInternalValidFrom());
    this->MakeBoCopy();
  }
  PersonnelRecord(PersonnelRecord const& o) : Base(o) {
    this->SetValidFrom(this->GetInternalValidFrom());
    this->MakeBoCopy();
  }
  PersonnelRecord& operator=(PersonnelRecord const& o) = default;

  Root GetRoot() const { return Root(Layout::RootPart(this->Value())); }
  void SetRoot(Root const& r) { Layout::RootPart(this->Value()) = r.ToIdl(); }
  TP GetHistory() const { return TP(Layout::PeriodPart(this->Value())); }
  void SetHistory(TP const& p) { Layout::PeriodPart(this->Value()) = p.ToIdl(); }
};

}  // namespace ostrel

#endif  // OSTREL_FOUNDATION_PERSONNEL_BO_H_
