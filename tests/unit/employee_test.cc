// The employee's business objects and EEValuePosition without a server:
// defaults, which constructors take an identity, nested views, the filter's
// clearing, the error of a calculation result, and every accessor against
// the wire member it is meant to read.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "calculation/valueposition.h"
#include "employee/employee.h"
#include "vstring.h"

namespace ostrel {
namespace {

namespace ae = com::ostrel::serverbase::applicationexception;
namespace bt = com::ostrel::personnel::framework::basictypes;
using base::VDate;
using base::VDateTime;
using base::VFixed;

std::wstring Wide(std::string const& utf8) { return base::VString(utf8).str(); }
std::string Narrow(std::wstring const& w) { return base::VString(w).c_str(); }

employee::EmployeeShortStruct ShortStruct(char const* oid) {
  EmployeeShort s;
  s.SetObjectid(oid);
  s.SetVersion(3);
  s.SetSurname(L"Müller");
  return s.ToIdl();
}

// --- defaults ---------------------------------------------------------------

TEST(EmployeeDefaults, EmployeeIsNotInValuationAndItsStateIsTrue) {
  Employee e;
  EXPECT_FALSE(e.GetInValuation());
  EXPECT_TRUE(e.GetStateOfValuation());
  EXPECT_EQ(e.GetEeShort().GetSexEnum(), static_cast<SexEnum>(1));
  EXPECT_EQ(e.GetEeShort().GetPersonnelNumber(), 0);
  EXPECT_EQ(e.GetEeShort().GetVersion(), 0);
  EXPECT_TRUE(e.IsNew());
  // The extended row holds such an employee.
  EXPECT_TRUE(EmployeeExtended().GetEe().GetStateOfValuation());
  EXPECT_FALSE(EmployeeExtended().GetEe().GetInValuation());
}

TEST(EmployeeDefaults, QueueEntryNeedsCalculationAndMayNotBeDeselected) {
  EmployeeWaitForCalculate w;
  EXPECT_TRUE(w.GetCalculateNecessary());
  EXPECT_FALSE(w.GetDeselectionIsAllowed());
  EXPECT_EQ(w.GetInitiateObjectType(), static_cast<InitiateObjectTypeEnum>(0));
  EXPECT_TRUE(w.GetEffectiveFromOfCalculationCase().IsEmpty());
  EXPECT_TRUE(w.GetValidFromOfCalculationCase().IsEmpty());
  EXPECT_TRUE(w.GetCreatedOn().IsEmpty());
  EXPECT_TRUE(w.GetDeselectOn().IsEmpty());
  EXPECT_EQ(w.GetCreatedBY(), "");
  EXPECT_EQ(w.GetClassOfBasic(), "");
  EXPECT_EQ(w.GetDeselectBy(), "");
  EXPECT_TRUE(w.IsNew());
  EXPECT_EQ(w.GetEeAddOnStruct().GetSurname(), L"");
  // The defaults are also the saved value.
  w.SetCalculateNecessary(false);
  w.ResetBo();
  EXPECT_TRUE(w.GetCalculateNecessary());
}

TEST(EmployeeDefaults, StructDefaultsAreZeroAndFalse) {
  EXPECT_FALSE(EmployeeRoot().GetInValuation());
  EXPECT_FALSE(EmployeeRoot().GetStateOfValuation());
  EXPECT_EQ(EmployeeRoot().GetPersonnelnumber(), 0);
  EXPECT_EQ(EmployeeAddOn().GetSex(), static_cast<SexEnum>(0));
  EXPECT_FALSE(ForInitialiseOfInsurance().GetInsolvencyDuty());
  EXPECT_FALSE(ForInitialiseOfInsurance().GetERPaysNISurcharge());
  EXPECT_FALSE(EmployeeAfterCalculate().HasException());
  EXPECT_TRUE(EmployeeForCalculate().GetCalculateValidFrom().IsEmpty());
  EXPECT_EQ(EEValuePosition().GetValueTypeKey(), 0);
  EXPECT_FALSE(EEValuePosition().IsClosed());
  EXPECT_EQ(EEValuePosition().GetDepth(), 0);
}

// --- identity ---------------------------------------------------------------

// Built from a struct that carries "X-1" where its class keeps the identity.
struct IdentityCase {
  char const* name;
  std::function<std::string()> registered;
  bool expected;
};

TEST(EmployeeIdentity, OnlyViewsOfAStoredEmployeeOrEntryTakeTheIdentity) {
  employee::EmployeeStruct emp = Employee().ToIdl();
  emp.eeShort = ShortStruct("X-1");
  employee::EmployeeExtendedStruct ext = EmployeeExtended().ToIdl();
  ext.ee = emp;
  employee::EmployeeAfterCalculateStruct after = EmployeeAfterCalculate().ToIdl();
  after.employee = emp;
  employee::EmployeeWaitForCalculateStruct wait = EmployeeWaitForCalculate().ToIdl();
  wait.objectStruct.objectid = "X-1";
  employee::EmployeeRootStruct root = EmployeeRoot().ToIdl();
  root.objectStruct.objectid = "X-1";
  employee::EmployeeAddOnStruct add_on = EmployeeAddOn().ToIdl();
  add_on.employeeRoot = root;
  employee::ForInitialiseOfInsuranceStruct insurance = ForInitialiseOfInsurance().ToIdl();
  insurance.oidEmployee = "X-1";
  employee::EmployeeForCalculateStruct calc = EmployeeForCalculate().ToIdl();
  calc.oidEmployee = "X-1";
  employee::EmployeeForCalculateExtendStruct calc_ext = EmployeeForCalculateExtend().ToIdl();
  calc_ext.oidEmployee = "X-1";

  std::vector<IdentityCase> const cases = {
      {"EmployeeShort", [&] { return EmployeeShort(ShortStruct("X-1")).GetObjectID(); }, true},
      {"EmployeeRoot", [&] { return EmployeeRoot(root).GetObjectID(); }, true},
      {"EmployeeExtended", [&] { return EmployeeExtended(ext).GetObjectID(); }, true},
      {"EmployeeAfterCalculate", [&] { return EmployeeAfterCalculate(after).GetObjectID(); }, true},
      {"EmployeeWaitForCalculate", [&] { return EmployeeWaitForCalculate(wait).GetObjectID(); },
       true},
      {"Employee", [&] { return Employee(emp).GetObjectID(); }, false},
      {"EmployeeAddOn", [&] { return EmployeeAddOn(add_on).GetObjectID(); }, false},
      {"EmployeeForCalculate", [&] { return EmployeeForCalculate(calc).GetObjectID(); }, false},
      {"EmployeeForCalculateExtend",
       [&] { return EmployeeForCalculateExtend(calc_ext).GetObjectID(); }, false},
      {"ForInitialiseOfInsurance",
       [&] { return ForInitialiseOfInsurance(insurance).GetObjectID(); }, false},
  };
  for (IdentityCase const& c : cases) {
    EXPECT_EQ(c.registered(), c.expected ? "X-1" : "") << c.name;
  }
}

TEST(EmployeeIdentity, NestedViewsAreCopiesAndSettersReplaceThem) {
  Employee e;
  e.SetEeShort(EmployeeShort(ShortStruct("EMP-1")));
  EmployeeShort view = e.GetEeShort();
  EXPECT_EQ(view.GetObjectID(), "EMP-1");
  view.SetSurname(L"Schäfer");
  EXPECT_EQ(e.GetEeShort().GetSurname(), L"Müller");
  e.SetEeShort(view);
  EXPECT_EQ(e.GetEeShort().GetSurname(), L"Schäfer");
  // Setting a part changes the current value only.
  EXPECT_EQ(e.GetObjectID(), "");

  EmployeeExtended x;
  x.SetEe(e);
  EXPECT_EQ(x.GetEe().GetEeShort().GetSurname(), L"Schäfer");
  EXPECT_EQ(x.GetObjectID(), "");  // a default row stays new
  EXPECT_EQ(EmployeeExtended(x.ToIdl()).GetObjectID(), "EMP-1");
}

// The short view and the root are record parts: built from a struct or
// copied, what they hold is their saved value; a default one saves its
// defaults.
TEST(EmployeeIdentity, PartsSaveWhatTheyWereBuiltOrCopiedFrom) {
  EmployeeShort from_struct(ShortStruct("EMP-2"));
  from_struct.SetSurname(L"Schäfer");
  from_struct.ResetBo();
  EXPECT_EQ(from_struct.GetSurname(), L"Müller");

  EmployeeShort copy(from_struct);
  copy.SetTitle("Dr.");
  copy.ResetBo();
  EXPECT_EQ(copy.GetSurname(), L"Müller");
  EXPECT_EQ(copy.GetTitle(), "");
  EXPECT_EQ(copy.GetObjectID(), "EMP-2");

  EmployeeShort fresh;
  fresh.SetPersonnelNumber(4711);
  fresh.ResetBo();
  EXPECT_EQ(fresh.GetPersonnelNumber(), 0);
  EXPECT_EQ(fresh.GetSexEnum(), static_cast<SexEnum>(1));

  employee::EmployeeRootStruct root_struct = EmployeeRoot().ToIdl();
  root_struct.objectStruct.objectid = "EMP-5";
  root_struct.personnelnumber = 2001;
  EmployeeRoot root(root_struct);
  EmployeeRoot root_copy(root);
  root_copy.SetPersonnelnumber(2002);
  root_copy.ResetBo();
  EXPECT_EQ(root_copy.GetPersonnelnumber(), 2001);
  EXPECT_EQ(root_copy.GetObjectID(), "EMP-5");
}

// --- filter -------------------------------------------------------------------

TEST(EmployeeFilter, ClearingResetsEveryCriterion) {
  EmployeeFilter f;
  personnel::EmployeeExtendedFilter extended;
  extended.SetOidCostCenter("CC-1");
  f.SetOidPCompany("C-1");
  f.SetPersonnelnumber("1001");
  f.SetSurname(L"Müller");
  f.SetJournalizedUntil(VDate(29, 1, 2024));
  f.SetInValuation(true);
  f.SetStateOfValuation(false);
  f.SetFixedDateOfWithDrawal(VDate(1, 0, 2024));
  f.SetListDisplayOfEmployeeEnum(bt::LIST_ALL_EMPLOYEES);
  f.SetDeselected(false);
  f.SetExtendedFilter(extended);

  employee::EmployeeFilterStruct set = f.ToIdl();
  EXPECT_TRUE(set.inValuation._d());
  EXPECT_TRUE(set.inValuation.inValuation());
  EXPECT_TRUE(set.stateOfValuation._d());
  EXPECT_FALSE(set.stateOfValuation.stateOfValuation());
  EXPECT_TRUE(set.deselected._d());
  EXPECT_FALSE(set.deselected.deselected());
  EXPECT_STREQ(set.personnelnumber, "1001");
  EXPECT_STREQ(set.journalizedUntil, "2024-02-29");
  EXPECT_STREQ(set.extendedFilter.oidCostCenter, "CC-1");

  f.ClearEmployeeFilter();
  employee::EmployeeFilterStruct s = f.ToIdl();
  EXPECT_FALSE(s.inValuation._d());
  EXPECT_FALSE(s.stateOfValuation._d());
  EXPECT_FALSE(s.deselected._d());
  EXPECT_STREQ(s.oidPCompany, "");
  EXPECT_STREQ(s.personnelnumber, "");
  EXPECT_EQ(std::wstring(s.surname.in()), L"");
  EXPECT_STREQ(s.journalizedUntil, "");                 // the empty date
  EXPECT_STREQ(s.fixedDateOfWithDrawal, "0000-00-00");  // the undefined date
  EXPECT_EQ(s.listDisplayOfEmployeeEnum, static_cast<ListDisplayOfEmployeeEnum>(0));
  EXPECT_STREQ(s.extendedFilter.oidCostCenter, "");

  // A new filter is a cleared one.
  employee::EmployeeFilterStruct fresh = EmployeeFilter().ToIdl();
  EXPECT_FALSE(fresh.inValuation._d() || fresh.stateOfValuation._d() || fresh.deselected._d());
  EXPECT_STREQ(fresh.fixedDateOfWithDrawal, "0000-00-00");
}

TEST(EmployeeFilter, ClearOfOneFlagLeavesTheOthers) {
  EmployeeFilter f;
  f.SetInValuation(false);
  f.SetDeselected(true);
  f.ClearInValuation();
  EXPECT_FALSE(f.ToIdl().inValuation._d());
  EXPECT_TRUE(f.ToIdl().deselected._d());
  f.ClearDeselected();
  EXPECT_FALSE(f.ToIdl().deselected._d());
}

// --- the error of a calculation result -----------------------------------------

TEST(EmployeeAfterCalculate, WithoutErrorGetExceptionThrowsInternalException) {
  EmployeeAfterCalculate ok;
  EXPECT_FALSE(ok.HasException());
  try {
    ok.GetException();
    FAIL() << "GetException must throw";
  } catch (base::InternalException const& e) {
    EXPECT_EQ(e.GetMessage(), L"EmployeeAfterCalculate::GetException: idl-struct has no exception");
  }
}

TEST(EmployeeAfterCalculate, CarriedErrorsBecomeVExceptions) {
  employee::EmployeeAfterCalculateStruct s = EmployeeAfterCalculate().ToIdl();
  s.exception.message(L"Sperre für 1001");
  s.exception._d(ae::PERSISTENCY_EXCEPTION);
  EmployeeAfterCalculate persistency(s);
  ASSERT_TRUE(persistency.HasException());
  base::VException e = persistency.GetException();
  EXPECT_EQ(e.GetMessage(), L"Sperre für 1001");
  EXPECT_EQ(e.GetCode(), base::VException::kPersistency);

  ae::DomainExceptionStruct d{};
  d.message = L"no date of entry";
  d.domainClass = L"Employee";
  d.memberName = L"dateOfEntry";
  s.exception.domainException(d);
  EmployeeAfterCalculate domain(s);
  ASSERT_TRUE(domain.HasException());
  EXPECT_EQ(domain.GetException().GetMessage(), L"no date of entry");
  EXPECT_EQ(domain.GetException().GetCode(), base::VException::kDomain);

  s.exception._default();
  EXPECT_FALSE(EmployeeAfterCalculate(s).HasException());
}

// --- EEValuePosition ------------------------------------------------------------

TEST(EEValuePosition, CopyKeepsTheStructAssignmentAlsoClosedAndDepth) {
  valueposition::ValuePositionStruct s = EEValuePosition().ToIdl();
  s.objectStruct.objectid = "VP-7";
  s.result = "12.50";
  EEValuePosition p(s);
  p.SetClosed(true);
  p.SetDepth(3);

  EEValuePosition copy(p);
  EXPECT_EQ(copy.GetObjectID(), "VP-7");
  EXPECT_EQ(copy.GetResult().ToIdl(), "12.50");
  EXPECT_FALSE(copy.IsClosed());
  EXPECT_EQ(copy.GetDepth(), 0);

  EEValuePosition assigned;
  assigned = p;
  EXPECT_EQ(assigned.GetObjectID(), "VP-7");
  EXPECT_TRUE(assigned.IsClosed());
  EXPECT_EQ(assigned.GetDepth(), 3);
  EXPECT_EQ(assigned.GetResult().ToIdl(), "12.50");
}

// One struct member, filled with a sample, and the accessor that must read it
// back as that sample.
struct PositionField {
  char const* name;
  std::string sample;
  std::function<void(valueposition::ValuePositionStruct&, std::string const&)> fill;
  std::function<std::string(EEValuePosition const&)> read;
};

using VP = valueposition::ValuePositionStruct;

PositionField P(char const* name, std::string sample, CORBA::String_member VP::*m,
                std::string (EEValuePosition::*get)() const) {
  return {name, sample, [m](VP& s, std::string const& v) { s.*m = v.c_str(); },
          [get](EEValuePosition const& p) { return (p.*get)(); }};
}
PositionField P(char const* name, std::string sample, CORBA::WString_member VP::*m,
                std::wstring (EEValuePosition::*get)() const) {
  return {name, sample, [m](VP& s, std::string const& v) { s.*m = Wide(v).c_str(); },
          [get](EEValuePosition const& p) { return Narrow((p.*get)()); }};
}
PositionField P(char const* name, std::string sample, CORBA::String_member VP::*m,
                VDate (EEValuePosition::*get)() const) {
  return {name, sample, [m](VP& s, std::string const& v) { s.*m = v.c_str(); },
          [get](EEValuePosition const& p) { return (p.*get)().ToIdl(); }};
}
PositionField P(char const* name, std::string sample, CORBA::String_member VP::*m,
                VFixed (EEValuePosition::*get)() const) {
  return {name, sample, [m](VP& s, std::string const& v) { s.*m = v.c_str(); },
          [get](EEValuePosition const& p) { return (p.*get)().ToIdl(); }};
}

TEST(EEValuePosition, EveryAccessorReadsItsOwnMember) {
  using E = EEValuePosition;
  std::vector<PositionField> const fields = {
      P("effectiveFrom", "2024-01-01", &VP::effectiveFrom, &E::GetEffectiveFrom),
      P("effectiveUntil", "2024-01-31", &VP::effectiveUntil, &E::GetEffectiveUntil),
      P("validFrom", "2024-02-01", &VP::validFrom, &E::GetValidFrom),
      P("validUntil", "2099-12-31", &VP::validUntil, &E::GetValidUntil),
      P("oidEmployee", "EMP-1", &VP::oidEmployee, &E::GetOidEmployee),
      P("oidValueType", "VT-1000", &VP::oidValueType, &E::GetOidValueType),
      P("shortDescription", "Grundgehalt", &VP::shortDescription, &E::GetShortDescription),
      P("oidParentObject", "VP-3", &VP::oidParentObject, &E::GetOidParentObject),
      P("shortDescriptionPO", "Gesamtbrutto", &VP::shortDescriptionPO, &E::GetShortDescriptionPO),
      P("oidGenesisObject", "FP-1", &VP::oidGenesisObject, &E::GetOidGenesisObject),
      P("shortDescriptionGO", "Festbezug", &VP::shortDescriptionGO, &E::GetShortDescriptionGO),
      P("factor1", "1.01", &VP::factor1, &E::GetFactor1),
      P("factor2", "1.02", &VP::factor2, &E::GetFactor2),
      P("result", "1.03", &VP::result, &E::GetResult),
      P("bezug", "EE", &VP::bezug, &E::GetBezug),
      P("percentage", "1.04", &VP::percentage, &E::GetPercentage),
      P("performanceFactor", "1.05", &VP::performanceFactor, &E::GetPerformanceFactor),
      P("oidCostCenter", "CC-100", &VP::oidCostCenter, &E::GetOidCostCenter),
      P("costCenterKey", "100", &VP::costCenterKey, &E::GetCostCenterKey),
      P("shortDescriptionCC", "Verwaltung Süd", &VP::shortDescriptionCC, &E::GetShortDescriptionCC),
      P("oidCostUnit", "CU-7", &VP::oidCostUnit, &E::GetOidCostUnit),
      P("costUnitKey", "7", &VP::costUnitKey, &E::GetCostUnitKey),
      P("shortDescriptionCU", "Träger Nord", &VP::shortDescriptionCU, &E::GetShortDescriptionCU),
      P("eraCorrectionFactor", "1.06", &VP::eraCorrectionFactor, &E::GetEraCorrectionFactor),
      P("documentDate", "2024-02-12", &VP::documentDate, &E::GetDocumentDate),
      P("documentNumber", "BEL-1", &VP::documentNumber, &E::GetDocumentNumber),
      P("orderNumber", "A-4711", &VP::orderNumber, &E::GetOrderNumber),
      P("partNumber", "T-0815", &VP::partNumber, &E::GetPartNumber),
      P("setupTimeAndUnit", "1.07", &VP::setupTimeAndUnit, &E::GetSetupTimeAndUnit),
      P("yield", "1.08", &VP::yield, &E::GetYield),
      P("targetOfTimeAndUnit", "1.09", &VP::targetOfTimeAndUnit, &E::GetTargetOfTimeAndUnit),
      P("totalTarget", "1.10", &VP::totalTarget, &E::GetTotalTarget),
      P("rateOfLaborUtilisation", "1.11", &VP::rateOfLaborUtilisation,
        &E::GetRateOfLaborUtilisation),
      P("bookingDate", "2024-02-14", &VP::bookingDate, &E::GetBookingDate),
      P("stageNumber", "30", &VP::stageNumber, &E::GetStageNumber),
  };
  // Every member but the identity and the one long, each with its own sample.
  ASSERT_EQ(fields.size(), 35u);
  std::set<std::string> samples;
  for (PositionField const& f : fields) samples.insert(f.sample);
  ASSERT_EQ(samples.size(), fields.size());

  VP s = EEValuePosition().ToIdl();
  s.objectStruct.objectid = "VP-1";
  s.valueTypeKey = 1000;
  for (PositionField const& f : fields) f.fill(s, f.sample);
  EEValuePosition p(s);
  for (PositionField const& f : fields) EXPECT_EQ(f.read(p), f.sample) << f.name;
  EXPECT_EQ(p.GetValueTypeKey(), 1000);
  EXPECT_EQ(p.GetObjectID(), "VP-1");

  // ToIdl gives the struct back whole, through a copy too.
  EEValuePosition back(EEValuePosition(p).ToIdl());
  for (PositionField const& f : fields) EXPECT_EQ(f.read(back), f.sample) << f.name;
}

// --- accessors of the employee classes --------------------------------------------

// As PositionField, for classes with setters: set through the accessor, read
// the struct member.
template <class Bo>
struct BoField {
  char const* name;
  std::string sample;
  std::function<void(Bo&, std::string const&)> set;
  std::function<std::string(Bo const&)> get;
  std::function<std::string(typename Bo::StructType const&)> wire;
};

template <class Bo, class S = typename Bo::StructType>
BoField<Bo> F(char const* name, std::string sample, std::string (Bo::*get)() const,
              void (Bo::*set)(std::string const&), CORBA::String_member S::*m) {
  return {name, sample, [set](Bo& b, std::string const& v) { (b.*set)(v); },
          [get](Bo const& b) { return (b.*get)(); },
          [m](S const& s) { return std::string((s.*m).in()); }};
}
template <class Bo, class S = typename Bo::StructType>
BoField<Bo> F(char const* name, std::string sample, std::wstring (Bo::*get)() const,
              void (Bo::*set)(std::wstring const&), CORBA::WString_member S::*m) {
  return {name, sample, [set](Bo& b, std::string const& v) { (b.*set)(Wide(v)); },
          [get](Bo const& b) { return Narrow((b.*get)()); },
          [m](S const& s) { return Narrow((s.*m).in()); }};
}
template <class Bo, class S = typename Bo::StructType>
BoField<Bo> F(char const* name, std::string sample, VDate (Bo::*get)() const,
              void (Bo::*set)(VDate const&), CORBA::String_member S::*m) {
  return {name, sample, [set](Bo& b, std::string const& v) { (b.*set)(VDate(v)); },
          [get](Bo const& b) { return (b.*get)().ToIdl(); },
          [m](S const& s) { return std::string((s.*m).in()); }};
}
template <class Bo, class S = typename Bo::StructType>
BoField<Bo> F(char const* name, std::string sample, VDateTime (Bo::*get)() const,
              void (Bo::*set)(VDateTime const&), CORBA::String_member S::*m) {
  return {name, sample, [set](Bo& b, std::string const& v) { (b.*set)(VDateTime(v)); },
          [get](Bo const& b) { return (b.*get)().ToIdl(); },
          [m](S const& s) { return std::string((s.*m).in()); }};
}

template <class Bo>
void ExpectRoundTrips(std::vector<BoField<Bo>> const& fields) {
  Bo bo;
  for (BoField<Bo> const& f : fields) f.set(bo, f.sample);
  typename Bo::StructType const s = bo.ToIdl();
  for (BoField<Bo> const& f : fields) {
    EXPECT_EQ(f.wire(s), f.sample) << f.name;
    EXPECT_EQ(f.get(Bo(s)), f.sample) << f.name;
  }
}

TEST(EmployeeAccessors, TextFieldsReachTheirMembers) {
  using R = EmployeeRoot;
  using RS = employee::EmployeeRootStruct;
  ExpectRoundTrips<R>({
      F<R, RS>("oidPCompany", "C-1", &R::GetOidPCompany, &R::SetOidPCompany, &RS::oidPCompany),
      F<R, RS>("journalizedUntil", "2024-02-29", &R::GetJournalizedUntil, &R::SetJournalizedUntil,
               &RS::journalizedUntil),
      F<R, RS>("valuationEffectiveFrom", "2024-02-01", &R::GetValuationEffectiveFrom,
               &R::SetValuationEffectiveFrom, &RS::valuationEffectiveFrom),
      F<R, RS>("valuationValidFrom", "2024-02-15", &R::GetValuationValidFrom,
               &R::SetValuationValidFrom, &RS::valuationValidFrom),
      F<R, RS>("stateOfValMessage", "gesperrt", &R::GetStateOfValMessage, &R::SetStateOfValMessage,
               &RS::stateOfValMessage),
  });

  using W = EmployeeWaitForCalculate;
  using WS = employee::EmployeeWaitForCalculateStruct;
  ExpectRoundTrips<W>({
      F<W, WS>("effectiveFromOfCalculationCase", "2023-11-01",
               &W::GetEffectiveFromOfCalculationCase, &W::SetEffectiveFromOfCalculationCase,
               &WS::effectiveFromOfCalculationCase),
      F<W, WS>("validFromOfCalculationCase", "2024-02-10", &W::GetValidFromOfCalculationCase,
               &W::SetValidFromOfCalculationCase, &WS::validFromOfCalculationCase),
      F<W, WS>("createdOn", "2024-02-10T09:30:00", &W::GetCreatedOn, &W::SetCreatedOn,
               &WS::createdOn),
      F<W, WS>("createdBY", "payroll", &W::GetCreatedBY, &W::SetCreatedBY, &WS::createdBY),
      F<W, WS>("classOfBasic", "FixedPayment", &W::GetClassOfBasic, &W::SetClassOfBasic,
               &WS::classOfBasic),
      F<W, WS>("deselectBy", "admin", &W::GetDeselectBy, &W::SetDeselectBy, &WS::deselectBy),
      F<W, WS>("deselectOn", "2024-02-11T10:00:00", &W::GetDeselectOn, &W::SetDeselectOn,
               &WS::deselectOn),
  });

  using A = EmployeeAddOn;
  using AS = employee::EmployeeAddOnStruct;
  ExpectRoundTrips<A>({
      F<A, AS>("title", "Dr.", &A::GetTitle, &A::SetTitle, &AS::title),
      F<A, AS>("surname", "Weiß", &A::GetSurname, &A::SetSurname, &AS::surname),
      F<A, AS>("namePrefix", "von", &A::GetNamePrefix, &A::SetNamePrefix, &AS::namePrefix),
      F<A, AS>("firstname", "Zoë", &A::GetFirstname, &A::SetFirstname, &AS::firstname),
      F<A, AS>("dateOfEntry", "2019-01-01", &A::GetDateOfEntry, &A::SetDateOfEntry,
               &AS::dateOfEntry),
      F<A, AS>("dateOfWithDrawal", "2024-01-31", &A::GetDateOfWithDrawal, &A::SetDateOfWithDrawal,
               &AS::dateOfWithDrawal),
  });

  using X = Employee;
  using XS = employee::EmployeeStruct;
  ExpectRoundTrips<X>({
      F<X, XS>("valuationEffectiveFrom", "2024-03-01", &X::GetValuationEffectiveFrom,
               &X::SetValuationEffectiveFrom, &XS::valuationEffectiveFrom),
      F<X, XS>("valuationValidFrom", "2024-03-05", &X::GetValuationValidFrom,
               &X::SetValuationValidFrom, &XS::valuationValidFrom),
      F<X, XS>("stateOfValMessage", "ok", &X::GetStateOfValMessage, &X::SetStateOfValMessage,
               &XS::stateOfValMessage),
  });
}

TEST(EmployeeAccessors, FlagsAndNumbersReachTheirMembers) {
  EmployeeRoot r;
  r.SetObjectid("EMP-1");
  r.SetPersonnelnumber(1001);
  r.SetVersion(4);
  r.SetInValuation(true);
  r.SetStateOfValuation(false);
  employee::EmployeeRootStruct rs = r.ToIdl();
  EXPECT_STREQ(rs.objectStruct.objectid, "EMP-1");
  EXPECT_EQ(rs.personnelnumber, 1001);
  EXPECT_EQ(rs.objectStruct.version, 4);
  EXPECT_TRUE(rs.inValuation);
  EXPECT_FALSE(rs.stateOfValuation);

  EmployeeWaitForCalculate w;
  w.SetInitiateObjectType(bt::INITIATED_BY_PAY_SCALE);
  w.SetDeselectionIsAllowed(true);
  w.SetCalculateNecessary(false);
  employee::EmployeeWaitForCalculateStruct ws = w.ToIdl();
  EXPECT_EQ(ws.initiateObjectType, bt::INITIATED_BY_PAY_SCALE);
  EXPECT_TRUE(ws.deselectionIsAllowed);
  EXPECT_FALSE(ws.calculateNecessary);

  ForInitialiseOfInsurance i;
  i.SetERPaysNISurcharge(true);
  EXPECT_TRUE(i.ToIdl().eRPaysNISurcharge);
  EXPECT_FALSE(i.ToIdl().insolvencyDuty);

  EmployeeForCalculateExtend c;
  c.SetOidEmployee("EMP-1");
  c.SetOidEmployeeCalculate("EMP-2");
  c.SetCalculateValidFrom(VDate(1, 2, 2024));
  employee::EmployeeForCalculateExtendStruct cs = c.ToIdl();
  EXPECT_STREQ(cs.oidEmployee, "EMP-1");
  EXPECT_STREQ(cs.oidEmployeeCalculate, "EMP-2");
  EXPECT_STREQ(cs.calculateValidFrom, "2024-03-01");
}

}  // namespace
}  // namespace ostrel
