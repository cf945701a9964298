// Insurance records in the reference server: one record per employee with
// its periods (per_employee.h), every operation of InsuranceServant.
//
// Writes send the whole record; changeOfAddressInMaster is only logged (the
// master data's address is not held here).
//
// Findings (errors) the server puts into every answer, computed anew each
// time (what the client sends as errors is not kept):
//   2001 personGroup   a person group other than 101 to 190;
//   2002 duesGroupHI   a dues group of health insurance other than 0 to 9;
//   2003 duesGroupPI   ... of pension insurance other than 0 to 5;
//   2004 duesGroupUI   ... of unemployment insurance other than 0 to 2;
//   2005 duesGroupNI   ... of nursing insurance other than 0 to 2.
//
// The questions, on the employee's record in force at the dates (none: the
// answer is false or empty; an unknown employee raises):
//   getPensionable                     duesGroupPI is not 0;
//   getCheckBoxNIChildEducationActive  duesGroupNI is not 0;
//   getApprenticeFrom                  internalValidFrom of the earliest
//                                      active period with person group 102
//                                      (apprentices), "" without one;
//   getConfirmBeforeSave               "person group changes from A to B"
//                                      when the record sent changes the
//                                      stored person group, "" otherwise
//                                      (and for an employee without record).
// getMigrationEmployee derives, without storing: the employee's short view
// and oidEmployee; the employee's surname and first name where the record's
// are empty.
// getInsuranceWithChildsDevelopment: per known employee with a record, its
// active periods (noHistory: the one in force at the date); children are not
// held here (0, no date).
//
// Filter fields (several filters: any of them): health funds, insurance
// number, oidSocialInsuranceStatus (oidSIStatus) and the optional values
// equal to the record's, and the employee criteria of per_employee.h; the
// extended filter is not held here.
//
// Sort keys: those of per_employee.h and personGroup.
#include <optional>
#include <string>
#include <vector>

#include "dates.h"
#include "employees.h"
#include "insurance_kind.h"
#include "per_employee.h"
#include "registry.h"

namespace {

namespace pbt = com::ostrel::personnel::framework::basictypes;
namespace in = ostrel::insurance;
namespace dates = ostrel::server::dates;
using com::ostrel::serverbase::access::AccessToken_ptr;
using ostrel::server::Arg;
using ostrel::server::CountArg;
using ostrel::server::DateArg;
using ostrel::server::RecordArg;
using ostrel::server::per_employee::AddFinding;

constexpr CORBA::Long kApprentices = 102;

void CheckRange(pbt::ErrorSeq& errors, CORBA::Long code, const wchar_t* what, CORBA::Long value,
                CORBA::Long low, CORBA::Long high, const char* attribute) {
  if (value >= low && value <= high) return;
  AddFinding(errors, code, std::wstring(L"unknown ") + what + L" " + std::to_wstring(value),
             attribute);
}

bool Same(const char* wanted, const char* value) {
  return !*wanted || std::string(wanted) == value;
}

struct InsuranceTable {
  using Record = in::EEInsuranceStruct;
  using Seq = in::EEInsuranceSeq;
  using FilterSeq = in::EEInsuranceFilterSeq;
  using Callback = in::EEInsuranceStructCallback;
  static constexpr char kPrefix[] = "INS";

  static ostrel::server::SortKeys<Record> OwnSortKeys() {
    return {{"personGroup",
             ostrel::server::per_employee::ByPeriod<Record, &in::InsuranceStruct::personGroup>}};
  }

  static bool Matches(const in::EEInsuranceFilterStruct& f, const Record& r) {
    const in::InsuranceStruct& i = r.insurance;
    if (!Same(f.oidHealthFund.in(), i.oidHealthFund.in())) return false;
    if (!Same(f.oidHealthFundKVdR.in(), i.oidHealthFundKVdR.in())) return false;
    if (!Same(f.insuranceNo.in(), i.insuranceNo.in())) return false;
    if (!Same(f.oidSocialInsuranceStatus.in(), i.oidSIStatus.in())) return false;
    if (f.assessmentDuty._d() && f.assessmentDuty.assessmentduty() != i.assessmentDuty) {
      return false;
    }
    if (f.persGroup._d() && f.persGroup.persongroup() != i.personGroup) return false;
    if (f.duesGroupHI._d() && f.duesGroupHI.duesgrouphi() != i.duesGroupHI) return false;
    if (f.duesGroupPI._d() && f.duesGroupPI.duesgrouppi() != i.duesGroupPI) return false;
    if (f.duesGroupUI._d() && f.duesGroupUI.duesgroupui() != i.duesGroupUI) return false;
    if (f.duesGroupNI._d() && f.duesGroupNI.duesgroupni() != i.duesGroupNI) return false;
    if (f.privateHI._d() && f.privateHI.privateHI() != i.privateHI) return false;
    if (f.contributionScaleVHI._d() && f.contributionScaleVHI.contscalevhi() != i.contScaleVHI) {
      return false;
    }
    if (f.multiplyEmployment._d() &&
        f.multiplyEmployment.multiplyemployment() != i.multiplyEmployment) {
      return false;
    }
    return !f.specialCategory._d() ||
           f.specialCategory.specialcategory() == i.specialCategoryOfPersons;
  }

  static void Findings(Record& r) {
    const in::InsuranceStruct& i = r.insurance;
    r.errors.length(0);
    CheckRange(r.errors, 2001, L"person group", i.personGroup, 101, 190, "personGroup");
    CheckRange(r.errors, 2002, L"dues group HI", i.duesGroupHI, 0, 9, "duesGroupHI");
    CheckRange(r.errors, 2003, L"dues group PI", i.duesGroupPI, 0, 5, "duesGroupPI");
    CheckRange(r.errors, 2004, L"dues group UI", i.duesGroupUI, 0, 2, "duesGroupUI");
    CheckRange(r.errors, 2005, L"dues group NI", i.duesGroupNI, 0, 2, "duesGroupNI");
  }
};

class InsuranceServantImpl
    : public POA_com::ostrel::personnel::domain::employee::insurance::InsuranceServant,
      public ostrel::server::PerEmployeeServant<InsuranceTable> {
 public:
  using PerEmployeeServant::PerEmployeeServant;

  // changeOfAddressInMaster is only logged.
  in::EEInsuranceStruct* addInsurance(AccessToken_ptr t, const in::EEInsuranceStruct& r,
                                      CORBA::Boolean removeNew,
                                      CORBA::Boolean changeOfAddressInMaster) override {
    return Add(t, "addInsurance", r, removeNew, {Arg(changeOfAddressInMaster)});
  }
  in::EEInsuranceStruct* setInsurance(AccessToken_ptr t, const in::EEInsuranceStruct& r,
                                      CORBA::Boolean removeNew,
                                      CORBA::Boolean changeOfAddressInMaster) override {
    return Set(t, "setInsurance", r, removeNew, {Arg(changeOfAddressInMaster)});
  }

  CORBA::Boolean getCheckBoxNIChildEducationActive(AccessToken_ptr token, const char* oidEmployee,
                                                   const char* effective) override {
    Enter(token, "getCheckBoxNIChildEducationActive", {Arg(oidEmployee), Arg(effective)},
          DateArg{"effectiveTimePoint", effective});
    const auto r = InForce(oidEmployee, effective, "");
    return r && r->insurance.duesGroupNI != 0;
  }

  CORBA::Boolean getPensionable(AccessToken_ptr token, const char* oidEmployee,
                                const char* effective, const char* valid) override {
    Enter(token, "getPensionable", {Arg(oidEmployee), Arg(effective), Arg(valid)},
          DateArg{"effectiveTimePoint", effective}, DateArg{"validTimePoint", valid});
    const auto r = InForce(oidEmployee, effective, valid);
    return r && r->insurance.duesGroupPI != 0;
  }

  char* getConfirmBeforeSave(AccessToken_ptr token, const in::EEInsuranceStruct& r) override {
    Enter(token, "getConfirmBeforeSave", {RecordArg(r)}, r);
    const std::string oid = Records::EmployeeOf(r);
    ostrel::server::KnownEmployee(core_, oid);
    if (!records().store().Has(oid)) return CORBA::string_dup("");
    const in::EEInsuranceStruct stored = records().store().Get(oid, "");
    if (stored.insurance.personGroup == r.insurance.personGroup) return CORBA::string_dup("");
    const std::string text = "person group changes from " +
                             std::to_string(stored.insurance.personGroup) + " to " +
                             std::to_string(r.insurance.personGroup);
    return CORBA::string_dup(text.c_str());
  }

  in::EEInsuranceStruct* getMigrationEmployee(AccessToken_ptr t,
                                              const in::EEInsuranceStruct& c) override {
    in::EEInsuranceStruct r = Migrating(t, c);
    if (!*r.insurance.surname.in()) r.insurance.surname = r.employeeShort.surname;
    if (!*r.insurance.firstname.in()) r.insurance.firstname = r.employeeShort.firstname;
    return records().New(r);
  }

  char* getApprenticeFrom(AccessToken_ptr token, const char* oidEmployee) override {
    Enter(token, "getApprenticeFrom", {Arg(oidEmployee)});
    ostrel::server::KnownEmployee(core_, oidEmployee);
    if (!records().store().Has(oidEmployee)) return CORBA::string_dup("");
    // The active history comes ordered by internal valid-from date.
    for (const in::EEInsuranceStruct& r : records().store().ActiveHistory(oidEmployee)) {
      if (r.insurance.personGroup == kApprentices) {
        return CORBA::string_dup(r.insurance.timePeriod.internalValidFrom.in());
      }
    }
    return CORBA::string_dup("");
  }

  in::InsuranceWithChildsSeq* getInsuranceWithChildsDevelopment(AccessToken_ptr token,
                                                                const in::StringSeq& oidEmployees,
                                                                const char* effective,
                                                                CORBA::Boolean noHistory) override {
    Enter(token, "getInsuranceWithChildsDevelopment",
          {CountArg(oidEmployees), Arg(effective), Arg(noHistory)},
          DateArg{"effectiveTimePoint", effective});
    std::vector<in::InsuranceWithChildsStruct> rows;
    for (CORBA::ULong i = 0; i < oidEmployees.length(); ++i) {
      const std::string oid = oidEmployees[i].in();
      if (!ostrel::server::FindEmployee(core_, oid) || !records().store().Has(oid)) continue;
      const std::vector<in::EEInsuranceStruct> periods =
          noHistory ? std::vector<in::EEInsuranceStruct>{records().store().Get(oid, effective)}
                    : records().store().ActiveHistory(oid);
      for (const in::EEInsuranceStruct& stored : periods) {
        rows.push_back(Row(records().Out(stored)));
      }
    }
    return new in::InsuranceWithChildsSeq(ostrel::server::ToSeq<in::InsuranceWithChildsSeq>(rows));
  }

  in::EEInsuranceStruct* createInsurance(AccessToken_ptr t,
                                         const in::EEInsuranceStruct& r) override {
    return Create(t, "createInsurance", r);
  }
  in::EEInsuranceSeq* getActiveInsurance(AccessToken_ptr t, const in::EEInsuranceFilterSeq& f,
                                         const SortierungStruct& o) override {
    return Active(t, "getActiveInsurance", f, o);
  }
  void getActiveInsuranceCB(AccessToken_ptr t, const in::EEInsuranceFilterSeq& f,
                            const SortierungStruct& o,
                            in::EEInsuranceStructCallback_ptr cb) override {
    ActiveCB(t, "getActiveInsuranceCB", f, o, cb);
  }
  in::EEInsuranceSeq* getActiveEffectiveInsuranceHistory(AccessToken_ptr t,
                                                         const char* e) override {
    return ActiveHistory(t, "getActiveEffectiveInsuranceHistory", e);
  }
  in::EEInsuranceSeq* getAllInsuranceHistory(AccessToken_ptr t, const char* e) override {
    return AllHistory(t, "getAllInsuranceHistory", e);
  }
  in::EEInsuranceSeq* getEffectiveInsuranceHistory(AccessToken_ptr t, const char* e,
                                                   const char* at) override {
    return EffectiveHistory(t, "getEffectiveInsuranceHistory", e, at);
  }
  in::EEInsuranceStruct* getObjectFromObjectId(AccessToken_ptr t, const char* e, const char* at,
                                               const char* v) override {
    return Get(t, e, at, v);
  }
  in::EEInsuranceSeq* getInsurancesForEmployeeCopy(AccessToken_ptr t, const char* e,
                                                   const char* v) override {
    return Copies(t, "getInsurancesForEmployeeCopy", e, v);
  }
  in::EEInsuranceSeq* getLinkedActiveEffectiveInsuranceHistory(AccessToken_ptr t,
                                                               const char* e) override {
    return LinkedHistory(t, "getLinkedActiveEffectiveInsuranceHistory", e, false);
  }
  in::EEInsuranceSeq* getLinkedAllInsuranceHistory(AccessToken_ptr t, const char* e) override {
    return LinkedHistory(t, "getLinkedAllInsuranceHistory", e, true);
  }

 private:
  // The employee's record in force at the dates; nothing without a record.
  std::optional<in::EEInsuranceStruct> InForce(const std::string& oidEmployee,
                                               const std::string& effective,
                                               const std::string& valid) {
    ostrel::server::KnownEmployee(core_, oidEmployee);
    if (!records().store().Has(oidEmployee)) return std::nullopt;
    return records().store().GetAt(oidEmployee, effective, valid);
  }

  static in::InsuranceWithChildsStruct Row(const in::EEInsuranceStruct& r) {
    in::InsuranceWithChildsStruct row{};
    row.personnelNumber = r.employeeShort.personnelNumber;
    row.name = r.employeeShort.surname;
    row.oidEmployee = r.employeeShort.objectStruct.objectid;
    row.oidPCompany = r.employeeShort.oidPCompany;
    row.oidHealthFund = r.insurance.oidHealthFund;
    row.effectiveFrom = dates::IsUnset(r.insurance.timePeriod.effectiveFrom.in())
                            ? r.insurance.timePeriod.internalValidFrom
                            : r.insurance.timePeriod.effectiveFrom;
    row.numberOfChildren = 0;
    row.birthDateOfYoungestChild = "";
    row.duesGroupNI = r.insurance.duesGroupNI;
    row.dateOfReceipt = r.insurance.dateOfReceipt;
    row.personGroup = r.insurance.personGroup;
    return row;
  }
};

ostrel::server::RegisterServant<InsuranceServantImpl> registration(ostrel::InsuranceService::kName);

}  // namespace
