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
#include <string>

#include "dates.h"
#include "per_employee.h"
#include "registry.h"
#include "tax_kind.h"

namespace {

namespace tx = ostrel::tax;
namespace dates = ostrel::server::dates;
using com::ostrel::serverbase::access::AccessToken_ptr;
using ostrel::server::per_employee::AddFinding;

struct TaxTable {
  using Record = tx::EETaxStruct;
  using Seq = tx::EETaxSeq;
  using FilterSeq = tx::EETaxFilterSeq;
  using Callback = tx::EETaxStructCallback;
  static constexpr char kPrefix[] = "TAX";

  static ostrel::server::SortKeys<Record> OwnSortKeys() {
    return {
        {"taxBracket", ostrel::server::per_employee::ByPeriod<Record, &tx::TaxStruct::taxBracket>}};
  }

  static bool Matches(const tx::EETaxFilterStruct& f, const Record& r) {
    const tx::TaxStruct& t = r.tax;
    if (f.taxBracket._d() && f.taxBracket.taxbracket() != t.taxBracket) return false;
    if (f.taxacation._d() && f.taxacation.taxacation() != t.taxacation) return false;
    if (f.pAYETaxFindings._d() && f.pAYETaxFindings.pAYETaxFindings() != t.payeTaxFindings) {
      return false;
    }
    if (f.incomeTaxReturnYY._d() &&
        f.incomeTaxReturnYY.incomeTaxReturnYY() != t.incomeTaxReturnYY) {
      return false;
    }
    return !f.associationEE._d() || f.associationEE.associationEE() == t.associationEE;
  }

  static void Findings(Record& r) {
    r.errors.length(0);
    if (r.tax.taxBracket < 1 || r.tax.taxBracket > 6) {
      AddFinding(r.errors, 1001, L"unknown tax bracket " + std::to_wstring(r.tax.taxBracket),
                 "taxBracket");
    }
    if (r.tax.churchTax && r.tax.churchTaxEmployee == tx::CHURCH_TAX_NONE) {
      AddFinding(r.errors, 1002, L"church tax without a denomination", "churchTaxEmployee");
    }
  }
};

class TaxServantImpl : public POA_com::ostrel::personnel::domain::employee::tax::TaxServant,
                       public ostrel::server::PerEmployeeServant<TaxTable> {
 public:
  using PerEmployeeServant::PerEmployeeServant;

  tx::EETaxStruct* getMigrationEmployee(AccessToken_ptr t, const tx::EETaxStruct& c) override {
    tx::EETaxStruct r = Migrating(t, c);
    const std::string entry = r.employeeShort.dateOfEntry.in();
    if (dates::IsUnset(r.tax.entryDateTaxCard.in())) r.tax.entryDateTaxCard = entry.c_str();
    if (r.tax.issueYearTaxCard == 0) {
      const std::string from = dates::IsUnset(entry) ? dates::Today() : entry;
      r.tax.issueYearTaxCard = std::stoi(from.substr(0, 4));
    }
    return records().New(r);
  }

  tx::EETaxStruct* createTax(AccessToken_ptr t, const tx::TaxStruct& r) override {
    return CreatePeriod(t, "createTax", r);
  }
  tx::EETaxStruct* addTax(AccessToken_ptr t, const tx::TaxStruct& r, CORBA::Boolean rn) override {
    return AddPeriod(t, "addTax", r, rn);
  }
  tx::EETaxStruct* setTax(AccessToken_ptr t, const tx::TaxStruct& r, CORBA::Boolean rn) override {
    return SetPeriod(t, "setTax", r, rn);
  }
  tx::EETaxSeq* getActiveTax(AccessToken_ptr t, const tx::EETaxFilterSeq& f,
                             const SortierungStruct& o) override {
    return Active(t, "getActiveTax", f, o);
  }
  void getActiveTaxCB(AccessToken_ptr t, const tx::EETaxFilterSeq& f, const SortierungStruct& o,
                      tx::EETaxStructCallback_ptr cb) override {
    ActiveCB(t, "getActiveTaxCB", f, o, cb);
  }
  tx::EETaxSeq* getActiveEffectiveTaxHistory(AccessToken_ptr t, const char* e) override {
    return ActiveHistory(t, "getActiveEffectiveTaxHistory", e);
  }
  tx::EETaxSeq* getAllTaxHistory(AccessToken_ptr t, const char* e) override {
    return AllHistory(t, "getAllTaxHistory", e);
  }
  tx::EETaxSeq* getEffectiveTaxHistory(AccessToken_ptr t, const char* e, const char* at) override {
    return EffectiveHistory(t, "getEffectiveTaxHistory", e, at);
  }
  tx::EETaxStruct* getObjectFromObjectId(AccessToken_ptr t, const char* e, const char* at,
                                         const char* v) override {
    return Get(t, e, at, v);
  }
  tx::EETaxSeq* getTaxsForEmployeeCopy(AccessToken_ptr t, const char* e, const char* v) override {
    return Copies(t, "getTaxsForEmployeeCopy", e, v);
  }
  tx::EETaxSeq* getLinkedActiveEffectiveTaxHistory(AccessToken_ptr t, const char* e) override {
    return LinkedHistory(t, "getLinkedActiveEffectiveTaxHistory", e, false);
  }
  tx::EETaxSeq* getLinkedAllTaxHistory(AccessToken_ptr t, const char* e) override {
    return LinkedHistory(t, "getLinkedAllTaxHistory", e, true);
  }
};

ostrel::server::RegisterServant<TaxServantImpl> registration(ostrel::TaxService::kName);

}  // namespace
