// RecordLayout<Struct>: where a record struct keeps its parts and identity.
#ifndef OSTREL_LAYOUT_RECORD_LAYOUT_H_
#define OSTREL_LAYOUT_RECORD_LAYOUT_H_

#include "personnel.hh"
#include "serverbase.hh"

namespace ostrel {

using ObjectStruct = com::ostrel::serverbase::query::ObjectStruct;
using TimePeriodStruct = com::ostrel::personnel::framework::basictypes::TimePeriodStruct;

// Layout of a record struct made of a root member and a period member:
//   - the root part begins with `objectStruct` (the root identity, which
//     identifies the record) and, for records of an employee, holds
//     `employeeShort`;
//   - the period part begins with `objectStruct` followed by `timePeriod`.
// Per-employee records, whose root part is the employee's short view, use
// EmployeeRecordLayout below.
template <auto RootMember, auto PeriodMember>
struct MemberLayout {
  template <class S>
  static auto& RootPart(S& s) {
    return s.*RootMember;
  }
  template <class S>
  static auto& PeriodPart(S& s) {
    return s.*PeriodMember;
  }
  template <class S>
  static auto& RootIdentity(S& s) {
    return RootPart(s).objectStruct;
  }
  template <class S>
  static auto& PeriodIdentity(S& s) {
    return PeriodPart(s).objectStruct;
  }
  template <class S>
  static auto& Period(S& s) {
    return PeriodPart(s).timePeriod;
  }
  // The employee's object id: that of the short view in the root part.
  template <class S>
  static char const* EmployeeOid(S const& s) {
    return RootPart(s).employeeShort.objectStruct.objectid;
  }
};

// Layout of a per-employee record (tax, insurance, ...): the employee's short
// view first, then the record's period part. The root identity is the
// employee's, so there is one record per employee and the employee's object
// id is the record's key.
template <auto ShortMember, auto PeriodMember>
struct EmployeeRecordLayout : MemberLayout<ShortMember, PeriodMember> {
  static constexpr bool kKeyedByEmployee = true;
  template <class S>
  static char const* EmployeeOid(S const& s) {
    return (s.*ShortMember).objectStruct.objectid;
  }
};

// Tells generic code (business objects and the reference server alike) where
// a record struct holds its parts. The primary template fits the common shape
// { root, history }; a record kind of another shape specialises it next to
// its struct, usually by deriving from MemberLayout with its own members.
template <class Struct>
struct RecordLayout : MemberLayout<&Struct::root, &Struct::history> {};

}  // namespace ostrel

#endif  // OSTREL_LAYOUT_RECORD_LAYOUT_H_
