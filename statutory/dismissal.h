// Dismissal certificate data: what an employer certifies when an employment
// ends, one record per employee and validity period: the period
// (DismissalTP), the record object with the employee (EEDismissal), its
// filter, and the dismissal servant's queries.
#ifndef OSTREL_STATUTORY_DISMISSAL_H_
#define OSTREL_STATUTORY_DISMISSAL_H_

#include <string>
#include <vector>

#include "bo.h"
#include "defaults.h"
#include "dismissal_fields.h"
#include "dismissal_kind.h"
#include "employee/employee.h"
#include "personnel_bo.h"
#include "sortierung.h"
#include "vcallback.h"
#include "vdate.h"
#include "vfixed.h"

namespace ostrel {

// The dismissal data of one validity period.
//
// A new period has the defaults of kDefaults and zero, false or empty in
// every other member; it counts as unchanged. Built from a struct, or
// copied, it takes that identity and keeps the value as its saved value.
//
// DismissalTP carries Get/Set of every plain member of DismissalStruct (generated accessors).
class DismissalTP : public DismissalStructFields<RecordPart<dismissal::DismissalStruct>> {
  using S = dismissal::DismissalStruct;

 public:
  static inline auto const kDefaults =
      std::make_tuple(DefaultOf<&S::limitedWorkPermit>(dismissal::WORK_PERMIT_UNLIMITED),
                      DefaultOf<&S::typeOfDismissal>(dismissal::DISMISSAL_END_OF_CONTRACT),
                      DefaultOf<&S::actionAgainstUnlawfulDismissal>(dismissal::ACTION_UNKNOWN),
                      DefaultOf<&S::typeOfDelivery>(dismissal::DELIVERY_UNKNOWN),
                      DefaultOf<&S::socialSelection>(dismissal::SOCIAL_SELECTION_NOT_MADE),
                      DefaultOf<&S::timeUnit>(dismissal::TERM_UNIT_NONE),
                      DefaultOf<&S::timing>(dismissal::TERM_TIMING_NONE),
                      DefaultOf<&S::paymentOfBenefits>(dismissal::BENEFITS_NOT_PAID),
                      DefaultOf<&S::alongPayment>(dismissal::ALONG_PAYMENT_NO),
                      DefaultOf<&S::compensationForHolidays>(dismissal::HOLIDAY_NOT_COMPENSATED),
                      DefaultOf<&S::preRetirementPay>(dismissal::PRE_RETIREMENT_PAY_NO));

  DismissalTP();
  using DismissalStructFields::DismissalStructFields;
};

// Selection of GetActiveDismissals and GetActiveDismissalsCB. Several
// filters in one query select what any of them selects.
//
// A new filter (and one after ClearEEDismissalFilter) has no company and no
// surname, the personnel number cleared, the empty withdrawal date and list
// display LIST_ACTIVE_EMPLOYEES (0).
class EEDismissalFilter {
 public:
  EEDismissalFilter();

  void ClearEEDismissalFilter();

  void SetOidPCompany(std::string const& v) { field::Set(filter_.oidPCompany, v); }
  void SetPnr(long v) { filter_.pnr.pnr(static_cast<CORBA::Long>(v)); }
  void ClearPnr() { filter_.pnr._default(); }
  void SetSurname(std::string const& v) { field::Set(filter_.surname, v); }
  void SetFixedDateOfWithDrawal(base::VDate const& v) {
    field::Set(filter_.fixedDateOfWithDrawal, v);
  }
  void SetListDisplayOfEmployeeEnum(
      com::ostrel::personnel::framework::basictypes::ListDisplayOfEmployeeEnum v) {
    field::Set(filter_.listDisplayOfEmployeeEnum, v);
  }

  dismissal::EEDismissalFilterStruct ToIdl() const { return filter_; }

 private:
  dismissal::EEDismissalFilterStruct filter_{};
};

// An employee's dismissal data of one validity period, with the employee's
// short view. It is keyed by the employee: GetObjectid() is the employee's
// object id, and the record is new (IsNew()) until it was created or read
// from the server; setting the employee does not change that.
//
// A new EEDismissal holds a default EmployeeShort and a default DismissalTP.
//
// Commit sends only the period (createDismissal; addDismissal when the
// valid-from date differs from the stored internal valid-from date, which
// then takes it; setDismissal otherwise; add and set with the object's
// remove-new flag) and takes over the whole answer. Delete sends only the
// employee's object id of the current value, whether or not the record was
// ever stored. A failed Commit or Delete returns to the last saved value.
class EEDismissal
    : public PersonnelRecord<dismissal::EEDismissalStruct, EmployeeShort, DismissalTP> {
 public:
  using Callback = base::VCallback<
      EEDismissal,
      POA_com::ostrel::personnel::domain::employee::elena::dismissal::EEDismissalStructCallback,
      dismissal::EEDismissalSeq>;

  EEDismissal() = default;
  explicit EEDismissal(dismissal::EEDismissalStruct const& s) : PersonnelRecord(s) {}

  EmployeeShort GetEmployeeShort() const { return GetRoot(); }
  void SetEmployeeShort(EmployeeShort const& v) { SetRoot(v); }

  // Empties the effective-from date; no remote call.
  void ResetEffectiveFrom() { Period().effectiveFrom = ""; }

  void Commit();
  void Delete();

  // Queries; list results are new vectors of new objects, owned by the
  // caller. The string of the history queries is the employee's object id.
  static std::vector<EEDismissal*>* GetActiveDismissals(
      std::vector<EEDismissalFilter*> const* filters, base::Sortierung const& sort);
  static Callback* GetActiveDismissalsCB(std::vector<EEDismissalFilter*> const* filters,
                                         base::Sortierung const& sort, unsigned int max_hits);
  static std::vector<EEDismissal*>* GetAllDismissalHistory(std::string oid_employee);
  static std::vector<EEDismissal*>* GetActiveEffectiveDismissalHistory(std::string oid_employee);
  static std::vector<EEDismissal*>* GetEffectiveDismissalHistory(std::string oid_employee,
                                                                 base::VDate date);

 private:
  using PersonnelRecord::GetRoot;
  using PersonnelRecord::SetRoot;
};

}  // namespace ostrel

#endif  // OSTREL_STATUTORY_DISMISSAL_H_
