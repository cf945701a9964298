// The statutory records without a server: what a new record and a new
// filter hold, the error list, the change-of-address flag, and what the
// local operations change.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ownership.h"
#include "statutory/dismissal.h"
#include "statutory/insurance.h"
#include "statutory/pensionfunds.h"
#include "statutory/tax.h"

namespace ostrel {
namespace {

namespace pbt = com::ostrel::personnel::framework::basictypes;
using base::VDate;

EmployeeShort Employee(std::string const& oid) {
  EmployeeShort e;
  e.SetObjectid(oid);
  return e;
}

personnel::Error Finding(long code, std::wstring const& message) {
  personnel::Error e;
  e.SetErrorCode(code);
  e.SetMessage(message);
  return e;
}

// The error list behaves alike on every record that has one.
template <class Record>
void ExpectErrorList() {
  Record r;
  EXPECT_EQ(r.GetErrorCount(), 0);
  personnel::Error a = Finding(1, L"first");
  personnel::Error b = Finding(2, L"second");
  std::vector<personnel::Error*> two = {&a, &b};
  r.SetErrors(&two);
  EXPECT_EQ(r.GetErrorCount(), 0) << "SetErrors does not count";

  auto errors = TakeOwnership(r.GetErrors());
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_EQ(errors[1]->GetErrorCode(), 2);
  EXPECT_EQ(errors[1]->GetMessage(), L"second");
  EXPECT_NE(errors[0].get(), &a) << "GetErrors returns new objects";
  EXPECT_EQ(r.GetErrorCount(), 2);

  // The record keeps copies: changing the caller's objects changes nothing.
  a.SetErrorCode(99);
  EXPECT_EQ(TakeOwnership(r.GetErrors())[0]->GetErrorCode(), 1);

  r.SetErrors(nullptr);
  EXPECT_EQ(r.GetErrorCount(), 2) << "the count is that of the last GetErrors";
  EXPECT_TRUE(TakeOwnership(r.GetErrors()).empty());
  EXPECT_EQ(r.GetErrorCount(), 0);
}

TEST(StatutoryRecords, ErrorList) {
  ExpectErrorList<EETax>();
  ExpectErrorList<EEInsurance>();
  ExpectErrorList<EEZVK>();
  ExpectErrorList<EEVBLU>();
}

// Per-employee records: the employee's object id is the record's, but
// naming the employee does not make a record stored.
template <class Record>
void ExpectKeyedByEmployee() {
  Record r;
  EXPECT_TRUE(r.IsNew());
  r.SetEmployeeShort(Employee("EMP-1"));
  EXPECT_EQ(r.GetObjectid(), "EMP-1");
  EXPECT_TRUE(r.IsNew());
  EXPECT_EQ(r.GetObjectID(), "");
}

TEST(StatutoryRecords, KeyedByTheEmployee) {
  ExpectKeyedByEmployee<EETax>();
  ExpectKeyedByEmployee<EEInsurance>();
  ExpectKeyedByEmployee<EEZVK>();
  ExpectKeyedByEmployee<EEVBLU>();
  ExpectKeyedByEmployee<EEDismissal>();
}

template <class Record>
void ExpectResetEffectiveFrom() {
  Record r;
  r.SetEffectiveFrom(VDate(1, 2, 2026));
  r.SetEffectiveUntil(VDate(31, 2, 2026));
  r.ResetEffectiveFrom();
  EXPECT_EQ(r.GetEffectiveFrom().ToIdl(), "") << "the empty date, not the undefined one";
  EXPECT_EQ(r.GetEffectiveUntil(), VDate(31, 2, 2026));
}

TEST(StatutoryRecords, ResetEffectiveFromEmptiesTheDate) {
  ExpectResetEffectiveFrom<EEInsurance>();
  ExpectResetEffectiveFrom<EEZVK>();
  ExpectResetEffectiveFrom<EEVBLU>();
  ExpectResetEffectiveFrom<EEDismissal>();
}

TEST(StatutoryRecords, NewRecordsAreUnchanged) {
  // The baseline is taken after the defaults: ResetBo keeps them.
  EETax t;
  t.ResetBo();
  EXPECT_EQ(t.GetTax().GetTaxBracket(), 1);
  EEInsurance i;
  i.ResetBo();
  EXPECT_EQ(i.GetInsurance().GetPersonGroup(), 101);
  EXPECT_EQ(i.GetInsurance().GetTotalRateToVNI().ToIdl(), "0");
  EEDismissal d;
  d.ResetBo();
  EXPECT_EQ(d.GetHistory().GetTypeOfDismissal(), dismissal::DISMISSAL_END_OF_CONTRACT);
}

TEST(StatutoryRecords, InsuranceAccessorsSpelledTwoWays) {
  Insurance i;
  i.SetERAllowanceVHI(11);
  i.SetERAllowancePHI(12);
  i.SetERAllowanceVNI(13);
  i.SetERAllowancePNI(14);
  i.SetNameAtBirth(L"Straße");
  EXPECT_EQ(i.GetErAllowanceVHI(), 11);
  EXPECT_EQ(i.GetErAllowancePHI(), 12);
  EXPECT_EQ(i.GetErAllowanceVNI(), 13);
  EXPECT_EQ(i.GetErAllowancePNI(), 14);
  EXPECT_EQ(i.GetnameAtBirth(), L"Straße");
  Tax t;
  t.SetfreeAllowanceDaily(base::VFixed("3.50"));
  EXPECT_EQ(t.GetfreeAllowanceDaily().ToIdl(), "3.50");
}

TEST(StatutoryRecords, ChangeOfAddressFlagTravelsWithCopiesOnly) {
  EEInsurance a;
  EXPECT_FALSE(a.GetChangeOfAddressInMaster());
  a.SetChangeOfAdressInMaster(true);
  EXPECT_TRUE(EEInsurance(a).GetChangeOfAddressInMaster());
  EEInsurance assigned;
  assigned = a;
  EXPECT_TRUE(assigned.GetChangeOfAddressInMaster());
  EXPECT_FALSE(EEInsurance(a.ToIdl()).GetChangeOfAddressInMaster());

  // The error count likewise: copied, but not taken from a struct.
  personnel::Error e = Finding(1, L"x");
  std::vector<personnel::Error*> one = {&e};
  a.SetErrors(&one);
  TakeOwnership(a.GetErrors());
  EXPECT_EQ(EEInsurance(a).GetErrorCount(), 1);
  EXPECT_EQ(EEInsurance(a.ToIdl()).GetErrorCount(), 0);
}

TEST(StatutoryRecords, PartsBuiltFromAStructTakeItsIdentity) {
  tax::TaxStruct s = Tax().ToIdl();
  s.objectStruct.objectid = "TAX-EMP-1-P1";
  s.objectStruct.version = 3;
  Tax t(s);
  EXPECT_EQ(t.GetObjectID(), "TAX-EMP-1-P1");
  t.SetTaxBracket(4);
  t.ResetBo();
  EXPECT_EQ(t.GetTaxBracket(), 1) << "the struct is the saved value";
  t.ClearObjectStruct();
  EXPECT_TRUE(t.IsNew());
  EXPECT_EQ(std::string(t.ToIdl().objectStruct.objectid.in()), "TAX-EMP-1-P1");
}

// --- filters ----------------------------------------------------------------

template <class FilterStruct>
void ExpectEmployeeCriteriaCleared(FilterStruct const& f) {
  EXPECT_FALSE(f.pnr._d());
  EXPECT_STREQ(f.oidPCompany.in(), "");
  EXPECT_STREQ(f.fixedDateOfWithDrawal.in(), "") << "the empty date";
  EXPECT_EQ(f.listDisplayOfEmployeeEnum, pbt::LIST_ACTIVE_EMPLOYEES);
}

TEST(StatutoryFilters, TaxFilterStartsClearedAndClearsAgain) {
  EETaxFilter f;
  auto check = [](tax::EETaxFilterStruct const& s) {
    ExpectEmployeeCriteriaCleared(s);
    EXPECT_FALSE(s.taxBracket._d());
    EXPECT_FALSE(s.taxacation._d());
    EXPECT_FALSE(s.pAYETaxFindings._d());
    EXPECT_FALSE(s.incomeTaxReturnYY._d());
    EXPECT_FALSE(s.associationEE._d());
    EXPECT_STREQ(s.surname.in(), "");
    EXPECT_STREQ(s.extendedFilter.oidCostCenter.in(), "");
  };
  check(f.ToIdl());

  f.SetTaxBracket(3);
  f.SetAssociationEE(false);  // FALSE as a value, not as "cleared"
  f.SetPnr(1001);
  f.SetSurname("Mü");
  f.SetFixedDateOfWithDrawal(VDate(1, 0, 2026));
  personnel::EmployeeExtendedFilter x;
  x.SetOidCostCenter("CC-1");
  f.SetExtendedFilter(x);
  tax::EETaxFilterStruct const set = f.ToIdl();
  EXPECT_TRUE(set.taxBracket._d());
  EXPECT_EQ(set.taxBracket.taxbracket(), 3);
  EXPECT_TRUE(set.associationEE._d());
  EXPECT_FALSE(set.associationEE.associationEE());
  EXPECT_STREQ(set.fixedDateOfWithDrawal.in(), "2026-01-01");
  EXPECT_STREQ(set.extendedFilter.oidCostCenter.in(), "CC-1");

  f.ClearTaxBracket();
  EXPECT_FALSE(f.ToIdl().taxBracket._d());
  EXPECT_TRUE(f.ToIdl().pnr._d()) << "clearing one value keeps the others";
  f.ClearEETaxFilter();
  check(f.ToIdl());
}

TEST(StatutoryFilters, InsuranceFilterStartsClearedAndClearsAgain) {
  EEInsuranceFilter f;
  auto check = [](insurance::EEInsuranceFilterStruct const& s) {
    ExpectEmployeeCriteriaCleared(s);
    for (bool set :
         {s.assessmentDuty._d(), s.persGroup._d(), s.duesGroupHI._d(), s.duesGroupPI._d(),
          s.duesGroupUI._d(), s.duesGroupNI._d(), s.privateHI._d(), s.contributionScaleVHI._d(),
          s.multiplyEmployment._d(), s.specialCategory._d()}) {
      EXPECT_FALSE(set);
    }
    EXPECT_STREQ(s.oidHealthFund.in(), "");
    EXPECT_STREQ(s.oidSocialInsuranceStatus.in(), "");
    EXPECT_EQ(std::wstring(s.surname.in()), L"");
  };
  check(f.ToIdl());
  f.SetPersGroup(102);
  f.SetDuesGroupNI(2);
  f.SetSpecialCategory(insurance::SPECIAL_CATEGORY_STUDENT);
  f.SetSurname(L"Schäfer");
  EXPECT_EQ(f.ToIdl().persGroup.persongroup(), 102);
  EXPECT_EQ(f.ToIdl().duesGroupNI.duesgroupni(), 2);
  EXPECT_EQ(f.ToIdl().specialCategory.specialcategory(), insurance::SPECIAL_CATEGORY_STUDENT);
  f.ClearDuesGroupNI();
  EXPECT_FALSE(f.ToIdl().duesGroupNI._d());
  EXPECT_TRUE(f.ToIdl().persGroup._d());
  f.ClearEEInsuranceFilter();
  check(f.ToIdl());
}

TEST(StatutoryFilters, PensionFundAndDismissalFiltersStartCleared) {
  EEZVKFilter z;
  z.SetOidRecipient("ZVK-WEST");
  z.SetPnr(7);
  z.ClearEEZVKFilter();
  ExpectEmployeeCriteriaCleared(z.ToIdl());
  EXPECT_STREQ(z.ToIdl().oidRecipient.in(), "");

  EEVBLUFilter v;
  ExpectEmployeeCriteriaCleared(v.ToIdl());
  v.SetListDisplayOfEmployeeEnum(pbt::LIST_ALL_EMPLOYEES);
  v.ClearEEVBLUFilter();
  ExpectEmployeeCriteriaCleared(v.ToIdl());

  EEDismissalFilter d;
  ExpectEmployeeCriteriaCleared(d.ToIdl());
  d.SetPnr(1);
  d.ClearPnr();
  EXPECT_FALSE(d.ToIdl().pnr._d());
}

}  // namespace
}  // namespace ostrel
