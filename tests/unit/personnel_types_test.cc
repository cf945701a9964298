// The personnel core's shared types: defaults, accessors against the wire
// struct members, and round trips through ToIdl().
#include <functional>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "bank_account.h"
#include "communication.h"
#include "contact.h"
#include "employee_basic_filter.h"
#include "employee_extended_filter.h"
#include "interval.h"
#include "note.h"
#include "pay_scale_level.h"
#include "personnel_error.h"
#include "postal_address.h"
#include "report_filters.h"
#include "time_period.h"
#include "truncation.h"
#include "vdate.h"
#include "vfixed.h"
#include "vstring.h"

namespace {

using ostrel::base::VDate;
using ostrel::base::VFixed;
using ostrel::base::VString;
namespace bt = com::ostrel::personnel::framework::basictypes;

std::wstring Wide(std::string const& utf8) { return VString(utf8).str(); }
std::string Narrow(std::wstring const& w) { return VString(w).c_str(); }

// One field of a business object, seen as text: through its setter, its
// getter and the wire struct member it is meant to hold.
template <class Bo>
struct Field {
  char const* name;
  std::string sample;
  std::function<void(Bo&, std::string const&)> set;
  std::function<std::string(Bo const&)> get;
  std::function<std::string(typename Bo::StructType const&)> wire;
};

// One overload per kind of field; the member pointers pick it.
template <class Bo, class S = typename Bo::StructType>
Field<Bo> F(char const* name, std::string sample, std::string (Bo::*get)() const,
            void (Bo::*set)(std::string const&), CORBA::String_member S::*member) {
  return {name, sample, [set](Bo& b, std::string const& v) { (b.*set)(v); },
          [get](Bo const& b) { return (b.*get)(); },
          [member](S const& s) { return std::string((s.*member).in()); }};
}

template <class Bo, class S = typename Bo::StructType>
Field<Bo> F(char const* name, std::string sample, std::wstring (Bo::*get)() const,
            void (Bo::*set)(std::wstring const&), CORBA::WString_member S::*member) {
  return {name, sample, [set](Bo& b, std::string const& v) { (b.*set)(Wide(v)); },
          [get](Bo const& b) { return Narrow((b.*get)()); },
          [member](S const& s) { return Narrow((s.*member).in()); }};
}

template <class Bo, class S = typename Bo::StructType>
Field<Bo> F(char const* name, std::string sample, VDate (Bo::*get)() const,
            void (Bo::*set)(VDate const&), CORBA::String_member S::*member) {
  return {name, sample, [set](Bo& b, std::string const& v) { (b.*set)(VDate(v)); },
          [get](Bo const& b) { return (b.*get)().ToIdl(); },
          [member](S const& s) { return std::string((s.*member).in()); }};
}

// The sample is normalised first: the wire text is VFixed's own.
template <class Bo, class S = typename Bo::StructType>
Field<Bo> F(char const* name, std::string sample, VFixed (Bo::*get)() const,
            void (Bo::*set)(VFixed const&), CORBA::String_member S::*member) {
  return {name, VFixed(sample).ToIdl(), [set](Bo& b, std::string const& v) { (b.*set)(VFixed(v)); },
          [get](Bo const& b) { return (b.*get)().ToIdl(); },
          [member](S const& s) { return std::string((s.*member).in()); }};
}

template <class Bo, class S = typename Bo::StructType>
Field<Bo> F(char const* name, std::string sample, long (Bo::*get)() const, void (Bo::*set)(long),
            CORBA::Long S::*member) {
  return {name, sample, [set](Bo& b, std::string const& v) { (b.*set)(std::stol(v)); },
          [get](Bo const& b) { return std::to_string((b.*get)()); },
          [member](S const& s) { return std::to_string(s.*member); }};
}

// Sets every field to its own sample, then checks that each getter and each
// wire member hold that sample, in the object, in a copy built from its
// struct, and in a copy of the object. Distinct samples expose an accessor
// wired to the wrong member.
template <class Bo>
void CheckEveryField(std::vector<Field<Bo>> const& fields) {
  std::set<std::string> samples;
  for (auto const& f : fields) samples.insert(f.sample);
  ASSERT_EQ(samples.size(), fields.size()) << "samples must differ";

  Bo bo;
  for (auto const& f : fields) f.set(bo, f.sample);
  Bo from_wire(bo.ToIdl());
  Bo copied(bo);
  for (auto const& f : fields) {
    SCOPED_TRACE(f.name);
    EXPECT_EQ(f.get(bo), f.sample);
    EXPECT_EQ(f.wire(bo.ToIdl()), f.sample);
    EXPECT_EQ(f.get(from_wire), f.sample);
    EXPECT_EQ(f.get(copied), f.sample);
  }
}

// ResetBo() takes a changed object back to its constructed value, and a copy
// back to the value it was copied with.
template <class Bo>
void CheckResetBo(std::vector<Field<Bo>> const& fields) {
  Bo const fresh;
  Bo bo;
  for (auto const& f : fields) f.set(bo, f.sample);
  Bo copied(bo);
  bo.ResetBo();
  for (auto const& f : fields) f.set(copied, f.get(fresh));
  copied.ResetBo();
  for (auto const& f : fields) {
    SCOPED_TRACE(f.name);
    EXPECT_EQ(f.get(bo), f.get(fresh));
    EXPECT_EQ(f.get(copied), f.sample);
  }
}

template <class Bo>
void CheckFields(std::vector<Field<Bo>> const& fields) {
  CheckEveryField(fields);
  CheckResetBo(fields);
}

TEST(PersonnelFieldsTest, PostalAddress) {
  using B = ostrel::personnel::PostalAddress;
  CheckFields<B>(
      {F<B>("Street", "Hauptstraße", &B::GetStreet, &B::SetStreet, &B::StructType::street),
       F<B>("StreetNumber", "12a", &B::GetStreetNumber, &B::SetStreetNumber,
            &B::StructType::streetNumber),
       F<B>("PostalCode", "80331", &B::GetPostalCode, &B::SetPostalCode,
            &B::StructType::postalCode),
       F<B>("Domicile", "München", &B::GetDomicile, &B::SetDomicile, &B::StructType::domicile),
       F<B>("OidState", "state-de", &B::GetOidState, &B::SetOidState, &B::StructType::oidState),
       F<B>("AddressAddendum", "c/o Ämter", &B::GetAddressAddendum, &B::SetAddressAddendum,
            &B::StructType::addressAddendum)});
}

TEST(PersonnelFieldsTest, Communication) {
  using B = ostrel::personnel::Communication;
  CheckFields<B>({F<B>("Phone", "+49 89 1", &B::GetPhone, &B::SetPhone, &B::StructType::phone),
                  F<B>("Mobile", "+49 170 2", &B::GetMobile, &B::SetMobile, &B::StructType::mobile),
                  F<B>("Fax", "+49 89 3", &B::GetFax, &B::SetFax, &B::StructType::fax),
                  F<B>("Email", "a@example.org", &B::GetEmail, &B::SetEmail, &B::StructType::email),
                  F<B>("Homepage", "https://example.org", &B::GetHomepage, &B::SetHomepage,
                       &B::StructType::homepage)});
}

TEST(PersonnelFieldsTest, BankAccount) {
  using B = ostrel::personnel::BankAccount;
  CheckFields<B>(
      {F<B>("OidBank", "bank-1", &B::GetOidBank, &B::SetOidBank, &B::StructType::oidBank),
       F<B>("AccountNumber", "1234567", &B::GetAccountNumber, &B::SetAccountNumber,
            &B::StructType::accountNumber),
       F<B>("Iban", "DE02120300000000202051", &B::GetIban, &B::SetIban, &B::StructType::iban),
       F<B>("Bic", "BYLADEM1001", &B::GetBic, &B::SetBic, &B::StructType::bic),
       F<B>("ReasonForTransfer", "salary", &B::GetReasonForTransfer, &B::SetReasonForTransfer,
            &B::StructType::reasonForTransfer)});
}

TEST(PersonnelFieldsTest, Contact) {
  using B = ostrel::personnel::Contact;
  CheckFields<B>(
      {F<B>("ContactDate", "2024-02-29", &B::GetContactDate, &B::SetContactDate,
            &B::StructType::contactDate),
       F<B>("ContactPerson", "Frau Weiß", &B::GetContactPerson, &B::SetContactPerson,
            &B::StructType::contactPerson),
       F<B>("Subject", "Rückfrage", &B::GetSubject, &B::SetSubject, &B::StructType::subject),
       F<B>("Text", "Telefonat über Überstunden", &B::GetText, &B::SetText, &B::StructType::text)});
}

TEST(PersonnelFieldsTest, Note) {
  using B = ostrel::personnel::Note;
  CheckFields<B>(
      {F<B>("NoteDate", "2023-12-31", &B::GetNoteDate, &B::SetNoteDate, &B::StructType::noteDate),
       F<B>("Subject", "Betreff", &B::GetSubject, &B::SetSubject, &B::StructType::subject),
       F<B>("Text", "Notiz", &B::GetText, &B::SetText, &B::StructType::text)});
}

TEST(PersonnelFieldsTest, TimePeriod) {
  using B = ostrel::personnel::TimePeriod;
  CheckFields<B>({F<B>("EffectiveFrom", "2024-01-01", &B::GetEffectiveFrom, &B::SetEffectiveFrom,
                       &B::StructType::effectiveFrom),
                  F<B>("EffectiveUntil", "2024-06-30", &B::GetEffectiveUntil, &B::SetEffectiveUntil,
                       &B::StructType::effectiveUntil),
                  F<B>("InternalValidFrom", "2024-02-01", &B::GetInternalValidFrom,
                       &B::SetInternalValidFrom, &B::StructType::internalValidFrom),
                  F<B>("ValidUntil", "2099-12-31", &B::GetValidUntil, &B::SetValidUntil,
                       &B::StructType::validUntil)});
}

TEST(PersonnelFieldsTest, Error) {
  using B = ostrel::personnel::Error;
  CheckFields<B>(
      {F<B>("ErrorCode", "4711", &B::GetErrorCode, &B::SetErrorCode, &B::StructType::errorCode),
       F<B>("Message", "Ungültige Steuerklasse", &B::GetMessage, &B::SetMessage,
            &B::StructType::message),
       F<B>("AttributeName", "taxBracket", &B::GetAttributeName, &B::SetAttributeName,
            &B::StructType::attributeName)});
}

TEST(PersonnelFieldsTest, PayScaleLevel) {
  using B = ostrel::PayScaleLevel;
  CheckFields<B>({F<B>("OidPayScaleGroup", "group-7", &B::GetOidPayScaleGroup,
                       &B::SetOidPayScaleGroup, &B::StructType::oidPayScaleGroup),
                  F<B>("Level", "3", &B::GetLevel, &B::SetLevel, &B::StructType::level),
                  F<B>("Description", "Stufe drei", &B::GetDescription, &B::SetDescription,
                       &B::StructType::description),
                  F<B>("Amount", "3412.5", &B::GetAmount, &B::SetAmount, &B::StructType::amount)});
}

TEST(PersonnelFieldsTest, TruncationUnit) {
  using B = ostrel::Truncation;
  CheckFields<B>({F<B>("TruncationUnit", "0.05", &B::GetTruncationUnit, &B::SetTruncationUnit,
                       &B::StructType::truncationUnit)});
}

TEST(PersonnelDefaultsTest, NumbersAndEnumsStartDefined) {
  EXPECT_EQ(ostrel::personnel::Error().ToIdl().errorCode, 0);
  EXPECT_EQ(ostrel::PayScaleLevel().ToIdl().level, 0);
  EXPECT_EQ(ostrel::Truncation().ToIdl().truncationMode,
            com::ostrel::personnel::domain::typeofvalue::basictypes::TRUNCATION_NONE);

  ostrel::Truncation t;
  t.SetTruncationMode(com::ostrel::personnel::domain::typeofvalue::basictypes::TRUNCATION_ROUND_UP);
  EXPECT_EQ(ostrel::Truncation(t.ToIdl()).GetTruncationMode(),
            com::ostrel::personnel::domain::typeofvalue::basictypes::TRUNCATION_ROUND_UP);
  t.ResetBo();
  EXPECT_EQ(t.GetTruncationMode(),
            com::ostrel::personnel::domain::typeofvalue::basictypes::TRUNCATION_NONE);
}

TEST(PersonnelDefaultsTest, PayScaleLevelTakesIdentityFromServerStruct) {
  EXPECT_TRUE(ostrel::PayScaleLevel().IsNew());

  ostrel::PayScaleLevel::StructType s = ostrel::PayScaleLevel().ToIdl();
  s.objectStruct.objectid = "psl-1";
  s.objectStruct.version = 4;
  ostrel::PayScaleLevel level(s);
  EXPECT_FALSE(level.IsNew());
  EXPECT_EQ(level.GetObjectID(), "psl-1");
  EXPECT_EQ(level.GetObjectStruct().version, 4);
}

// The twelve month accessors against their struct members.
struct Month {
  char const* name;
  bool (ostrel::personnel::Interval::*get)() const;
  void (ostrel::personnel::Interval::*set)(bool);
  CORBA::Boolean bt::IntervalStruct::*member;
};

#define MONTH(Stem, member)                                                                  \
  Month {                                                                                    \
#Stem, &ostrel::personnel::Interval::Get##Stem, &ostrel::personnel::Interval::Set##Stem, \
        &bt::IntervalStruct::member                                                          \
  }

std::vector<Month> const kMonths = {
    MONTH(January, january), MONTH(February, february), MONTH(March, march),
    MONTH(April, april),     MONTH(May, may),           MONTH(June, june),
    MONTH(July, july),       MONTH(August, august),     MONTH(September, september),
    MONTH(October, october), MONTH(November, november), MONTH(December, december)};

TEST(IntervalTest, ConstructorsSetEveryMonthAndCountOne) {
  struct Case {
    char const* name;
    ostrel::personnel::Interval interval;
    bool months;
  };
  for (auto const& c : {Case{"default", ostrel::personnel::Interval(), true},
                        Case{"true", ostrel::personnel::Interval(true), true},
                        Case{"false", ostrel::personnel::Interval(false), false}}) {
    SCOPED_TRACE(c.name);
    bt::IntervalStruct const s = c.interval.ToIdl();
    for (auto const& m : kMonths) {
      SCOPED_TRACE(m.name);
      EXPECT_EQ((c.interval.*m.get)(), c.months);
      EXPECT_EQ(s.*m.member, c.months);
    }
    EXPECT_EQ(c.interval.GetCount(), 1);
    EXPECT_EQ(s.count, 1);
  }
}

TEST(IntervalTest, EachMonthSetterChangesOnlyItsOwnMember) {
  for (std::size_t i = 0; i < kMonths.size(); ++i) {
    SCOPED_TRACE(kMonths[i].name);
    ostrel::personnel::Interval interval(false);
    (interval.*kMonths[i].set)(true);
    ostrel::personnel::Interval const from_wire(interval.ToIdl());
    for (std::size_t j = 0; j < kMonths.size(); ++j) {
      EXPECT_EQ(interval.ToIdl().*kMonths[j].member, i == j) << kMonths[j].name;
      EXPECT_EQ((from_wire.*kMonths[j].get)(), i == j) << kMonths[j].name;
    }
  }
}

TEST(IntervalTest, CountRoundTripsAndResetRestoresConstruction) {
  ostrel::personnel::Interval interval(false);
  interval.SetCount(4);
  interval.SetMarch(true);
  EXPECT_EQ(ostrel::personnel::Interval(interval.ToIdl()).GetCount(), 4);

  ostrel::personnel::Interval copied(interval);
  copied.SetMarch(false);
  copied.ResetBo();
  EXPECT_TRUE(copied.GetMarch());
  EXPECT_EQ(copied.GetCount(), 4);

  interval.ResetBo();
  EXPECT_FALSE(interval.GetMarch());
  EXPECT_EQ(interval.GetCount(), 1);
}

void ExpectExtendedCleared(
    com::ostrel::personnel::framework::filter::EmployeeExtendedFilterStruct const& s) {
  EXPECT_STREQ(s.oidCostCenter, "");
  EXPECT_STREQ(s.oidCostUnit, "");
  EXPECT_STREQ(s.oidDepartment, "");
  EXPECT_STREQ(s.oidEmployeeGroup, "");
}

ostrel::personnel::EmployeeExtendedFilter SampleExtended() {
  ostrel::personnel::EmployeeExtendedFilter f;
  f.SetOidCostCenter("cc");
  f.SetOidCostUnit("cu");
  f.SetOidDepartment("dep");
  f.SetOidEmployeeGroup("grp");
  return f;
}

void ExpectExtendedSample(
    com::ostrel::personnel::framework::filter::EmployeeExtendedFilterStruct const& s) {
  EXPECT_STREQ(s.oidCostCenter, "cc");
  EXPECT_STREQ(s.oidCostUnit, "cu");
  EXPECT_STREQ(s.oidDepartment, "dep");
  EXPECT_STREQ(s.oidEmployeeGroup, "grp");
}

TEST(EmployeeFilterTypesTest, ExtendedFilterSettersAndClear) {
  ostrel::personnel::EmployeeExtendedFilter f = SampleExtended();
  ExpectExtendedSample(f.ToIdl());
  f.ClearEmployeeExtendedFilter();
  ExpectExtendedCleared(f.ToIdl());
  ExpectExtendedCleared(ostrel::personnel::EmployeeExtendedFilter().ToIdl());
}

TEST(EmployeeFilterTypesTest, BasicFilterSettersAndClear) {
  ostrel::personnel::EmployeeBasicFilter f;
  auto check_cleared = [](ostrel::personnel::EmployeeBasicFilter::StructType const& s) {
    EXPECT_STREQ(s.oidPCompany, "");
    EXPECT_EQ(Narrow(s.surname.in()), "");
    EXPECT_STREQ(s.fixedDateOfWithDrawal, "");
    EXPECT_EQ(s.listDisplayOfEmployeeEnum, bt::LIST_ACTIVE_EMPLOYEES);
  };
  check_cleared(f.ToIdl());

  f.SetOidPCompany("company");
  f.SetSurname(Wide("Schäfer"));
  f.SetFixedDateOfWithDrawal(VDate(31, 11, 2099));
  f.SetListDisplayOfEmployeeEnum(bt::LIST_ALL_EMPLOYEES);
  auto const s = f.ToIdl();
  EXPECT_STREQ(s.oidPCompany, "company");
  EXPECT_EQ(Narrow(s.surname.in()), "Schäfer");
  EXPECT_EQ(VDate(s.fixedDateOfWithDrawal.in()), VDate(31, 11, 2099));
  EXPECT_EQ(s.listDisplayOfEmployeeEnum, bt::LIST_ALL_EMPLOYEES);

  f.ClearEmployeeBasicFilter();
  check_cleared(f.ToIdl());
}

TEST(ReportFilterTest, FirstFilterDefaultsAndSetters) {
  ostrel::ReportFirstFilter f;
  auto s = f.ToIdl();
  EXPECT_STREQ(s.oidPCompany, "");
  EXPECT_EQ(s.fromPersonnelNumber, 0);
  EXPECT_EQ(s.untilPersonnelNumber, 0);
  EXPECT_EQ(s.listDisplayOfEmployeeEnum, bt::LIST_ACTIVE_EMPLOYEES);
  ExpectExtendedCleared(s.extendedFilter);

  f.SetOidPCompany("company");
  f.SetFromPersonnelNumber(100);
  f.SetUntilPersonnelNumber(199);
  f.SetListDisplayOfEmployeeEnum(bt::LIST_WITHDRAWN_EMPLOYEES);
  f.SetExtendedFilter(SampleExtended());
  s = f.ToIdl();
  EXPECT_STREQ(s.oidPCompany, "company");
  EXPECT_EQ(s.fromPersonnelNumber, 100);
  EXPECT_EQ(s.untilPersonnelNumber, 199);
  EXPECT_EQ(s.listDisplayOfEmployeeEnum, bt::LIST_WITHDRAWN_EMPLOYEES);
  ExpectExtendedSample(s.extendedFilter);
}

TEST(ReportFilterTest, SecondFilterDefaultsAndSetters) {
  ostrel::ReportSecondFilter f;
  EXPECT_STREQ(f.ToIdl().oidEmployee, "");
  EXPECT_EQ(f.ToIdl().personnelNumber, 0);

  f.SetOidEmployee("ee-9");
  f.SetPersonnelNumber(9);
  EXPECT_STREQ(f.ToIdl().oidEmployee, "ee-9");
  EXPECT_EQ(f.ToIdl().personnelNumber, 9);
}

TEST(ReportFilterTest, ThirdFilterDefaultsAndSetters) {
  ostrel::ReportThirdFilter f;
  auto s = f.ToIdl();
  EXPECT_STREQ(s.oidPCompany, "");
  EXPECT_STREQ(s.fromDate, "");
  EXPECT_STREQ(s.untilDate, "");
  EXPECT_FALSE(s.withdrawn);
  ExpectExtendedCleared(s.extendedFilter);

  f.SetOidPCompany("company");
  f.SetFromDate(VDate(1, 0, 2024));
  f.SetUntilDate(VDate(31, 11, 2024));
  f.SetWithdrawn(true);
  f.SetExtendedFilter(SampleExtended());
  s = f.ToIdl();
  EXPECT_STREQ(s.oidPCompany, "company");
  EXPECT_EQ(VDate(s.fromDate.in()), VDate(1, 0, 2024));
  EXPECT_EQ(VDate(s.untilDate.in()), VDate(31, 11, 2024));
  EXPECT_TRUE(s.withdrawn);
  ExpectExtendedSample(s.extendedFilter);
}

}  // namespace
