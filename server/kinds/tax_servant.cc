// Tax records in the reference server: one record per employee with its
// periods (per_employee.h), every operation of TaxServant.
//
// Writes send only the tax record; its oidEmployee names the employee.
//
// Findings (errors) the server puts into every answer, computed anew each
// time (what the client sends as errors is not kept):
//   1001 taxBracket         a tax bracket other than 1 to 6;
//   1002 churchTaxEmployee  church tax (churchTax) without a denomination
//                           of the employee (CHURCH_TAX_NONE).
//
// getMigrationEmployee derives, without storing: the employee's short view
// and oidEmployee; the employee's date of entry as entryDateTaxCard where
// that is empty; the year of that date (of today without one) as
// issueYearTaxCard where that is 0.
//
// Filter fields (several filters: any of them): the five optional values
// equal to the record's, and the employee criteria of per_employee.h
// (surname as a prefix); the extended filter is not held here.
//
// Sort keys: those of per_employee.h and taxBracket.
#include <map>
#include <string>
#include <vector>

#include "dates.h"
#include "employees.h"
#include "per_employee.h"
#include "record_servant.h"
#include "registry.h"
#include "sorting.h"
#include "tax.hh"
#include "text.h"

namespace tx = com::ostrel::personnel::domain::employee::tax;

template <>
struct ostrel::RecordLayout<tx::EETaxStruct>
    : ostrel::EmployeeRecordLayout<&tx::EETaxStruct::employeeShort, &tx::EETaxStruct::tax> {};

namespace {

namespace pbt = com::ostrel::personnel::framework::basictypes;
namespace dates = ostrel::server::dates;
using com::ostrel::serverbase::access::AccessToken_ptr;
using ostrel::server::Arg;
using ostrel::server::CountArg;
using ostrel::server::IdArg;
using ostrel::server::RecordArg;
using ostrel::server::Widen;
using ostrel::server::per_employee::AddFinding;
using Records = ostrel::server::EmployeeRecords<tx::EETaxStruct>;

constexpr char kName[] = "com.ostrel.personnel.servantimpl.employee.tax.TaxServantImpl";

void Check(tx::EETaxStruct& r) {
  r.errors.length(0);
  if (r.tax.taxBracket < 1 || r.tax.taxBracket > 6) {
    AddFinding(r.errors, 1001, L"unknown tax bracket " + std::to_wstring(r.tax.taxBracket),
               "taxBracket");
  }
  if (r.tax.churchTax && r.tax.churchTaxEmployee == tx::CHURCH_TAX_NONE) {
    AddFinding(r.errors, 1002, L"church tax without a denomination", "churchTaxEmployee");
  }
}

bool Matches(const tx::EETaxFilterStruct& f, const tx::EETaxStruct& r) {
  const tx::TaxStruct& t = r.tax;
  if (f.taxBracket._d() && f.taxBracket.taxbracket() != t.taxBracket) return false;
  if (f.taxacation._d() && f.taxacation.taxacation() != t.taxacation) return false;
  if (f.pAYETaxFindings._d() && f.pAYETaxFindings.pAYETaxFindings() != t.payeTaxFindings) {
    return false;
  }
  if (f.incomeTaxReturnYY._d() && f.incomeTaxReturnYY.incomeTaxReturnYY() != t.incomeTaxReturnYY) {
    return false;
  }
  if (f.associationEE._d() && f.associationEE.associationEE() != t.associationEE) return false;
  ostrel::server::per_employee::Criteria c;
  c.oidPCompany = f.oidPCompany.in();
  if (f.pnr._d()) c.pnr = f.pnr.pnr();
  c.surname = Widen(f.surname.in());
  c.fixedDateOfWithDrawal = f.fixedDateOfWithDrawal.in();
  c.listDisplay = f.listDisplayOfEmployeeEnum;
  return ostrel::server::per_employee::Matches(c, r.employeeShort);
}

Records::Store::Ordering Ordering(const tx::SortierungStruct& sort) {
  using R = tx::EETaxStruct;
  static const std::map<std::string, ostrel::server::SortField<R>> kFields = [] {
    auto fields = ostrel::server::per_employee::SortFields<R>();
    fields["taxBracket"] = [](const R& a, const R& b) {
      return ostrel::server::CompareValue(a.tax.taxBracket, b.tax.taxBracket);
    };
    return fields;
  }();
  return ostrel::server::MakeOrdering<R>(sort, kFields);
}

class TaxServantImpl : public POA_com::ostrel::personnel::domain::employee::tax::TaxServant,
                       public ostrel::server::RecordServant {
 public:
  explicit TaxServantImpl(ostrel::server::Core& core)
      : RecordServant(core), records_(core, "TAX", Check) {}

  tx::EETaxStruct* createTax(AccessToken_ptr token, const tx::TaxStruct& tax) override {
    const std::wstring user = Enter(token, "createTax", {Arg(tax.oidEmployee.in())});
    return records_.New(records_.store().Create(user, records_.PreparedFromPeriod(tax)));
  }

  tx::EETaxStruct* addTax(AccessToken_ptr token, const tx::TaxStruct& tax,
                          CORBA::Boolean removeNew) override {
    const std::wstring user = Enter(
        token, "addTax", {Arg(tax.oidEmployee.in()), IdArg(tax.objectStruct), Arg(removeNew)});
    return records_.New(records_.store().Add(user, records_.PreparedFromPeriod(tax), removeNew));
  }

  tx::EETaxStruct* setTax(AccessToken_ptr token, const tx::TaxStruct& tax,
                          CORBA::Boolean removeNew) override {
    const std::wstring user = Enter(
        token, "setTax", {Arg(tax.oidEmployee.in()), IdArg(tax.objectStruct), Arg(removeNew)});
    return records_.New(records_.store().Set(user, records_.PreparedFromPeriod(tax), removeNew));
  }

  tx::EETaxSeq* getActiveTax(AccessToken_ptr token, const tx::EETaxFilterSeq& filter,
                             const tx::SortierungStruct& sort) override {
    Enter(token, "getActiveTax", {CountArg(filter), Arg(sort)});
    return records_.NewSeq<tx::EETaxSeq>(records_.store().List(
        ostrel::server::per_employee::MatchesAny<tx::EETaxStruct>(filter, Matches),
        Ordering(sort)));
  }

  void getActiveTaxCB(AccessToken_ptr token, const tx::EETaxFilterSeq& filter,
                      const tx::SortierungStruct& sort,
                      tx::EETaxStructCallback_ptr callback) override {
    const StreamCall call = EnterStream(token, "getActiveTaxCB", {CountArg(filter), Arg(sort)});
    if (CORBA::is_nil(callback)) {
      throw com::ostrel::serverbase::applicationexception::ApplicationLayerException(
          L"no callback given");
    }
    Stream<tx::EETaxStructCallback>(
        callback,
        records_.ToSeq<tx::EETaxSeq>(records_.store().List(
            ostrel::server::per_employee::MatchesAny<tx::EETaxStruct>(filter, Matches),
            Ordering(sort))),
        call);
  }

  tx::EETaxSeq* getActiveEffectiveTaxHistory(AccessToken_ptr token,
                                             const char* oidEmployee) override {
    Enter(token, "getActiveEffectiveTaxHistory", {Arg(oidEmployee)});
    return records_.NewSeq<tx::EETaxSeq>(records_.store().ActiveHistory(oidEmployee));
  }

  tx::EETaxSeq* getAllTaxHistory(AccessToken_ptr token, const char* oidEmployee) override {
    Enter(token, "getAllTaxHistory", {Arg(oidEmployee)});
    return records_.NewSeq<tx::EETaxSeq>(records_.store().AllHistory(oidEmployee));
  }

  tx::EETaxSeq* getEffectiveTaxHistory(AccessToken_ptr token, const char* oidEmployee,
                                       const char* effective) override {
    Enter(token, "getEffectiveTaxHistory", {Arg(oidEmployee), Arg(effective)});
    return records_.NewSeq<tx::EETaxSeq>(records_.store().EffectiveHistory(oidEmployee, effective));
  }

  tx::EETaxStruct* getObjectFromObjectId(AccessToken_ptr token, const char* oidEmployee,
                                         const char* effective, const char* valid) override {
    Enter(token, "getObjectFromObjectId", {Arg(oidEmployee), Arg(effective), Arg(valid)});
    return records_.New(records_.store().GetAt(oidEmployee, effective, valid));
  }

  tx::EETaxStruct* getMigrationEmployee(AccessToken_ptr token,
                                        const tx::EETaxStruct& created) override {
    Enter(token, "getMigrationEmployee", {RecordArg(created)});
    tx::EETaxStruct r = records_.Prepared(created);
    const std::string entry = r.employeeShort.dateOfEntry.in();
    if (dates::IsUnset(r.tax.entryDateTaxCard.in())) r.tax.entryDateTaxCard = entry.c_str();
    if (r.tax.issueYearTaxCard == 0) {
      const std::string from = dates::IsUnset(entry) ? dates::Today() : entry;
      r.tax.issueYearTaxCard = std::stoi(from.substr(0, 4));
    }
    return records_.New(r);
  }

  tx::EETaxSeq* getTaxsForEmployeeCopy(AccessToken_ptr token, const char* oidEmployee,
                                       const char* validFrom) override {
    Enter(token, "getTaxsForEmployeeCopy", {Arg(oidEmployee), Arg(validFrom)});
    return records_.NewSeq<tx::EETaxSeq>(records_.Copies(oidEmployee, validFrom));
  }

  tx::EETaxSeq* getLinkedActiveEffectiveTaxHistory(AccessToken_ptr token,
                                                   const char* oidEmployee) override {
    Enter(token, "getLinkedActiveEffectiveTaxHistory", {Arg(oidEmployee)});
    return records_.NewSeq<tx::EETaxSeq>(records_.LinkedHistory(oidEmployee, false));
  }

  tx::EETaxSeq* getLinkedAllTaxHistory(AccessToken_ptr token, const char* oidEmployee) override {
    Enter(token, "getLinkedAllTaxHistory", {Arg(oidEmployee)});
    return records_.NewSeq<tx::EETaxSeq>(records_.LinkedHistory(oidEmployee, true));
  }

 private:
  Records records_;
};

ostrel::server::RegisterServant<TaxServantImpl> registration(kName);

}  // namespace
