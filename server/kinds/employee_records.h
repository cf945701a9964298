// Master data and employment of the reference server's employees, shared by
// the master, employment, entry and entry-reason servants.
//
// Both records are kept per employee (keyed by the employee's object id).
// Their root part is the employee's short view as it is now; writes keep the
// short view in step: the names come from the latest master period, the
// entry and withdrawal dates from the latest employment period.
#ifndef OSTREL_SERVER_KINDS_EMPLOYEE_RECORDS_H_
#define OSTREL_SERVER_KINDS_EMPLOYEE_RECORDS_H_

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core.h"
#include "employment_kind.h"
#include "master_kind.h"
#include "record_servant.h"
#include "record_store.h"
#include "sorting.h"

namespace ostrel {
namespace server {

namespace master_idl = com::ostrel::personnel::domain::employee::master;
namespace employment_idl = com::ostrel::personnel::domain::employee::employment;

// After the employees (kEmployeeSeedOrder), before kinds that read master
// data or employments.
inline constexpr int kEmployeeRecordsSeedOrder = -90;

// --- master_servant.cc ------------------------------------------------------

// Stores the first master record of the employee its root names and returns
// it as the master servant answers. An employee that has master data raises
// PersistencyException.
master_idl::EEMasterStruct CreateMasterRecord(Core& core, const std::wstring& user,
                                              const master_idl::EEMasterStruct& record);

// The employee's master record in force at `date` (the latest for ""), as
// the master servant answers; nothing when the employee has none.
std::optional<master_idl::EEMasterStruct> FindMasterRecord(Core& core,
                                                           const std::string& oidEmployee,
                                                           const std::string& date = "");

// --- employment_servant.cc --------------------------------------------------

// As CreateMasterRecord, for the employment.
employment_idl::EEEmploymentStruct CreateEmploymentRecord(
    Core& core, const std::wstring& user, const employment_idl::EEEmploymentStruct& record);

std::optional<employment_idl::EEEmploymentStruct> FindEmploymentRecord(
    Core& core, const std::string& oidEmployee, const std::string& date = "");

// Withdraws the employee on `date` (a withdrawal as withDrawal does it, with
// a new period from the day after). An employee without employment or
// already withdrawn raises DomainException.
void WithdrawEmployee(Core& core, const std::wstring& user, const std::string& oidEmployee,
                      const std::string& date);

// --- entry_servant.cc -------------------------------------------------------

// The employee and the employees linked to it by copies (createEmployeeCopy,
// in either direction, transitively), the employee first, the others in the
// order the copies were made. Deleted employees are left out.
std::vector<std::string> LinkedEmployees(Core& core, const std::string& oidEmployee);

// An employee of the migration source (a former payroll system).
struct MigrationSourceEmployee {
  const char* company_key;
  const char* personnel_number;
  const wchar_t* first_name;
  const wchar_t* last_name;
  const char* date_of_birth;
  const char* street;
  const char* street_number;
  const char* postal_code;
  const char* domicile;
  const char* date_of_entry;
  const char* oid_cost_center;
};

// The source's employee with the company key and personnel number, or null.
const MigrationSourceEmployee* FindMigrationEmployee(const std::string& companyKey,
                                                     const std::string& personnelNumber);

// Whether an employee of the company other than `exceptOid` has the number.
bool PersonnelNumberUsed(Core& core, const std::string& oidPCompany, long personnelNumber,
                         const std::string& exceptOid = "");

// The company's highest personnel number plus one; 1 for a company without
// employees.
long NextPersonnelNumber(Core& core, const std::string& oidPCompany);

// --- what the master and employment servants share -------------------------

namespace sort_key_detail {
template <class T>
struct ClassOf;
template <class C, class T>
struct ClassOf<T C::*> {
  using type = C;
};
template <auto M, auto... Rest, class T>
const auto& Member(const T& t) {
  if constexpr (sizeof...(Rest) == 0) {
    return t.*M;
  } else {
    return Member<Rest...>(t.*M);
  }
}
inline int Compare(const CORBA::String_member& a, const CORBA::String_member& b) {
  return CompareText(a.in(), b.in());
}
inline int Compare(const CORBA::WString_member& a, const CORBA::WString_member& b) {
  return CompareWide(a.in(), b.in());
}
template <class T>
int Compare(const T& a, const T& b) {
  return CompareValue(a, b);
}
}  // namespace sort_key_detail

// A sort key on the member a path of members reaches (a part, then its
// member, ...): text, wide text or a value, each compared as such. One line
// per key:
//   {"surname", MemberKey<&R::history, &ms::MasterStruct::surname>()},
template <auto First, auto... Rest>
auto MemberKey() {
  using R = typename sort_key_detail::ClassOf<decltype(First)>::type;
  return SortField<R>([](const R& a, const R& b) {
    return sort_key_detail::Compare(sort_key_detail::Member<First, Rest...>(a),
                                    sort_key_detail::Member<First, Rest...>(b));
  });
}

// The servant side of a record kept per employee. The kind's table names
// the store, how a stored record is answered, which filter selects it and
// the sort keys (MemberKey); the history queries are then one
// line each:
//   struct MasterTable {
//     using Record = ms::EEMasterStruct;
//     using Seq = ms::EEMasterSeq;
//     using FilterSeq = ms::EEMasterFilterSeq;
//     static constexpr char kStore[] = "MA";
//     static Record Answer(Core&, Record);                       // as clients see it
//     static bool Matches(Core&, const Filter&, const Record&);  // on the answer
//     static const std::map<std::string, SortField<Record>>& SortKeys();
//   };
template <class Table>
class EmployeeRecordServant : public RecordServant {
 public:
  using R = typename Table::Record;
  using Seq = typename Table::Seq;
  using Store = RecordStore<R>;

 protected:
  explicit EmployeeRecordServant(Core& core)
      : RecordServant(core), store_(core.Store<R>(Table::kStore)) {}

  Seq* ActiveHistory(AccessToken_ptr token, const char* operation, const char* oidEmployee) {
    Enter(token, operation, {Arg(oidEmployee)});
    return Answers(store_.ActiveHistory(oidEmployee));
  }
  Seq* AllHistory(AccessToken_ptr token, const char* operation, const char* oidEmployee) {
    Enter(token, operation, {Arg(oidEmployee)});
    return Answers(store_.AllHistory(oidEmployee));
  }
  Seq* EffectiveHistory(AccessToken_ptr token, const char* operation, const char* oidEmployee,
                        const char* effective) {
    Enter(token, operation, {Arg(oidEmployee), Arg(effective)},
          DateArg{"EffectiveTimePoint", effective});
    return Answers(store_.EffectiveHistory(oidEmployee, effective));
  }
  // The histories of the employee and of the employees linked to it by
  // copies (LinkedEmployees), in that order.
  Seq* LinkedActiveHistory(AccessToken_ptr token, const char* operation, const char* oidEmployee) {
    Enter(token, operation, {Arg(oidEmployee)});
    return Linked(oidEmployee, &Store::ActiveHistory);
  }
  Seq* LinkedAllHistory(AccessToken_ptr token, const char* operation, const char* oidEmployee) {
    Enter(token, operation, {Arg(oidEmployee)});
    return Linked(oidEmployee, &Store::AllHistory);
  }
  // getObjectFromObjectId: the record in force at `effective` as known at
  // `valid`.
  R* At(AccessToken_ptr token, const char* oidEmployee, const char* effective, const char* valid) {
    Enter(token, "getObjectFromObjectId", {Arg(oidEmployee), Arg(effective), Arg(valid)},
          DateArg{"effectiveTimePoint", effective}, DateArg{"validTimePoint", valid});
    return new R(Table::Answer(core_, store_.GetAt(oidEmployee, effective, valid)));
  }

  // Every answered record that `keep` lets through and any of the filters
  // selects (no filter: every one), sorted by the keys (none: store order).
  std::vector<R> Select(const typename Table::FilterSeq& filters,
                        const com::ostrel::serverbase::query::SortierungStruct& sort,
                        const std::function<bool(const R&)>& keep) {
    const typename Store::Ordering order = MakeOrdering<R>(sort, Table::SortKeys());
    std::vector<R> out;
    for (const R& stored : store_.List({})) {
      const R r = Table::Answer(core_, stored);
      if (!keep(r)) continue;
      bool selected = filters.length() == 0;
      for (CORBA::ULong i = 0; i < filters.length() && !selected; ++i) {
        selected = Table::Matches(core_, filters[i], r);
      }
      if (selected) out.push_back(r);
    }
    if (order) std::stable_sort(out.begin(), out.end(), order);
    return out;
  }

  Seq* Answers(const std::vector<R>& items) {
    auto* seq = new Seq;
    seq->length(static_cast<CORBA::ULong>(items.size()));
    for (CORBA::ULong i = 0; i < seq->length(); ++i) (*seq)[i] = Table::Answer(core_, items[i]);
    return seq;
  }

  Store& store_;

 private:
  Seq* Linked(const std::string& oidEmployee,
              std::vector<R> (Store::*history)(const std::string&) const) {
    std::vector<R> out = (store_.*history)(oidEmployee);
    for (const std::string& oid : LinkedEmployees(core_, oidEmployee)) {
      if (oid == oidEmployee || !store_.Has(oid)) continue;
      for (R& r : (store_.*history)(oid)) out.push_back(std::move(r));
    }
    return Answers(out);
  }
};

// --- entryreason_servant.cc -------------------------------------------------

// Whether an entry reason with the object id exists and is not deleted.
bool EntryReasonExists(Core& core, const std::string& oidEntryReason);

}  // namespace server
}  // namespace ostrel

#endif  // OSTREL_SERVER_KINDS_EMPLOYEE_RECORDS_H_
