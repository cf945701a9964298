// Wire order of bank details, fixed, variable and scale payments: every field
// of each period and root part (and of the nested account and interval)
// travels to the reference server and back over IIOP and must come back
// through its own getter and at its own position in the encoding. The
// server-made rows (evaluation, development) must hold what was entered at
// their own positions. Filters travel one way: their encoding is checked,
// and what the server decoded is read back from its call log.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "pay/bankdetails.h"
#include "pay/fixedpayment.h"
#include "pay/scalepayment.h"
#include "pay/varpayment.h"
#include "reference_server.h"
#include "round_trip.h"

namespace ostrel {
namespace {

namespace pbt = com::ostrel::personnel::framework::basictypes;
using testing::ExpectHolds;
using testing::ExpectRoundTrips;
using testing::Field;
using testing::Filter;
using testing::Optional;
using testing::Skip;
using testing::WireField;
using testing::WireTable;
using testing::WireType;
using testing::WireValue;
using testing::WireValues;
using ExtendedFilterStruct =
    com::ostrel::personnel::framework::filter::EmployeeExtendedFilterStruct;
using EmployeeShortStruct = com::ostrel::personnel::domain::employee::EmployeeShortStruct;

// A field the server fills: `get` must return `value(round)`.
template <class Part, class G>
WireField<Part> Reads(int number, G (Part::*get)() const, std::function<WireValue(int)> value) {
  using K = testing::wire_detail::KindOf<std::decay_t<G>>;
  WireField<Part> f;
  f.number = number;
  f.type = K::type;
  f.get = [get](Part const& p) { return K::Wire((p.*get)()); };
  f.value = std::move(value);
  return f;
}

auto Always(WireValue v) {
  return [v](int) { return v; };
}

base::VDate VDateNone() { return base::VDate(""); }

template <class T>
std::vector<T*> Taken(std::vector<T*>* v) {
  std::vector<T*> out(*v);
  delete v;
  return out;
}
template <class T>
void Free(std::vector<T*> const& v) {
  for (T* t : v) delete t;
}

// --- tables ---------------------------------------------------------------

WireTable<BankDetailsTP> BankDetailsFields() {
  using P = BankDetailsTP;
  return WireTable<P>({
      Skip<P, ObjectStruct>(1),
      Skip<P, TimePeriodStruct>(2),
      Field(3, &P::SetModeOfPayment, &P::GetModeOfPayment),
      Skip<P, pbt::BankAccountStruct>(4),
      Field(5, &P::SetOwnerOfAccount, &P::GetOwnerOfAccount),
      Field(6, &P::SetRepetitionOfName, &P::GetRepetitionOfName),
      Field(7, &P::SetRetentionPercentageFromNetPay, &P::GetRetentionPercentageFromNetPay),
      Field(8, &P::SetRetentionAmountFromNetPay, &P::GetRetentionAmountFromNetPay),
      Field(9, &P::SetTruncation, &P::GetTruncation),
      Field(10, &P::SetTruncationScale, &P::GetTruncationScale),
      Field(11, &P::SetOidCompanyAccount, &P::GetOidCompanyAccount),
      Field(12, &P::SetTypeOfBankTransferEnum, &P::GetTypeOfBankTransferEnum),
      Field(13, &P::SetRankingNumber, &P::GetRankingNumber),
      Field(14, &P::SetRetentionOidValueTypesFromNetPay, &P::GetRetentionOidValueTypesFromNetPay),
      Field(15, &P::SetIncludedRetroactiveCalculation, &P::GetIncludedRetroactiveCalculation),
      Field(16, &P::SetDeductionFromNetIncome, &P::GetDeductionFromNetIncome),
      Field(17, &P::SetForSalary, &P::GetForSalary),
      Field(18, &P::SetForAnticipationAndAdvancePayment, &P::GetForAnticipationAndAdvancePayment),
  });
}

WireTable<personnel::BankAccount> BankAccountFields() {
  using A = personnel::BankAccount;
  return WireTable<A>({
      Field(1, &A::SetOidBank, &A::GetOidBank),
      Field(2, &A::SetAccountNumber, &A::GetAccountNumber),
      Field(3, &A::SetIban, &A::GetIban),
      Field(4, &A::SetBic, &A::GetBic),
      Field(5, &A::SetReasonForTransfer, &A::GetReasonForTransfer),
  });
}

WireTable<personnel::Interval> IntervalFields() {
  using I = personnel::Interval;
  return WireTable<I>({
      Field(1, &I::SetJanuary, &I::GetJanuary),
      Field(2, &I::SetFebruary, &I::GetFebruary),
      Field(3, &I::SetMarch, &I::GetMarch),
      Field(4, &I::SetApril, &I::GetApril),
      Field(5, &I::SetMay, &I::GetMay),
      Field(6, &I::SetJune, &I::GetJune),
      Field(7, &I::SetJuly, &I::GetJuly),
      Field(8, &I::SetAugust, &I::GetAugust),
      Field(9, &I::SetSeptember, &I::GetSeptember),
      Field(10, &I::SetOctober, &I::GetOctober),
      Field(11, &I::SetNovember, &I::GetNovember),
      Field(12, &I::SetDecember, &I::GetDecember),
      Field(13, &I::SetCount, &I::GetCount),
  });
}

// The period's own object id (field 3) is the server's: read past it here.
WireTable<FixedPaymentTP> FixedPaymentFields() {
  using P = FixedPaymentTP;
  return WireTable<P>({
      Skip<P, ObjectStruct>(1),
      Skip<P, TimePeriodStruct>(2),
      Skip<P, CORBA::String_member>(3),
      Skip<P, pbt::IntervalStruct>(4),
      Field(5, &P::SetFactor1, &P::GetFactor1),
      Field(6, &P::SetFactor2, &P::GetFactor2),
      Field(7, &P::SetResult, &P::GetResult),
      Field(8, &P::SetPercentage, &P::GetPercentage),
      Field(9, &P::SetPerformanceFactor, &P::GetPerformanceFactor),
      Field(10, &P::SetOidCostUnit, &P::GetOidCostUnit),
      Field(11, &P::SetOidCostCenter, &P::GetOidCostCenter),
      Field(12, &P::SetNoAutomaticIncrease, &P::GetNoAutomaticIncrease),
  });
}

WireTable<FixedPaymentRoot> FixedPaymentRootFields() {
  using R = FixedPaymentRoot;
  return WireTable<R>({
      Skip<R, ObjectStruct>(1),
      Skip<R, EmployeeShortStruct>(2),
      Field(3, &R::SetOidValueType, &R::GetOidValueType),
  });
}

// Rows of a payment under value type "VT-1100" whose period was filled from
// FixedPaymentFields.
WireTable<EvaFixedPayment> EvaFields() {
  using E = EvaFixedPayment;
  auto entered = [](int tp_number) {
    return
        [tp_number](int round) { return WireValue(WireValues::Fixed(tp_number, round).ToIdl()); };
  };
  return WireTable<E>({
      Reads(1, &E::GetVTypeKey, Always(1100L)),
      Reads(2, &E::GetDescription, Always(std::string("Overtime"))),
      Skip<E, TimePeriodStruct>(3),
      Skip<E, pbt::IntervalStruct>(4),
      Reads(5, &E::GetFactor1, entered(5)),
      Reads(6, &E::GetFactor2, entered(6)),
      Reads(7, &E::GetResult, entered(7)),
  });
}

WireTable<VarPaymentTP> VarPaymentFields() {
  using P = VarPaymentTP;
  return WireTable<P>({
      Skip<P, ObjectStruct>(1),
      Skip<P, TimePeriodStruct>(2),
      Skip<P, CORBA::String_member>(3),
      Field(4, &P::SetFactor1, &P::GetFactor1),
      Field(5, &P::SetFactor2, &P::GetFactor2),
      Field(6, &P::SetResult, &P::GetResult),
      Field(7, &P::SetPercentage, &P::GetPercentage),
      Field(8, &P::SetPerformanceFactor, &P::GetPerformanceFactor),
      Field(9, &P::SetOidCostUnit, &P::GetOidCostUnit),
      Field(10, &P::SetOidCostCenter, &P::GetOidCostCenter),
      Field(11, &P::SetErrorMessage, &P::GetErrorMessage),
      Field(12, &P::SetAdditionalInformation, &P::GetAdditionalInformation),
  });
}

// Only value types the server knows are stored.
WireTable<VarPaymentRoot> VarPaymentRootFields() {
  using R = VarPaymentRoot;
  return WireTable<R>({
      Skip<R, ObjectStruct>(1),
      Skip<R, EmployeeShortStruct>(2),
      Field(3, &R::SetOidValueType, &R::GetOidValueType, std::string("VT-1500")),
  });
}

WireTable<ScalePaymentTP> ScalePaymentFields() {
  using P = ScalePaymentTP;
  return WireTable<P>({
      Skip<P, ObjectStruct>(1),
      Skip<P, TimePeriodStruct>(2),
      Skip<P, CORBA::String_member>(3),
      Field(4, &P::SetOidPayScaleGroup, &P::GetOidPayScaleGroup),
      Field(5, &P::SetPayScaleLevel, &P::GetPayScaleLevel),
      Skip<P, pbt::IntervalStruct>(6),
      Field(7, &P::SetPercentage, &P::GetPercentage),
      Field(8, &P::SetPerformanceFactor, &P::GetPerformanceFactor),
      Field(9, &P::SetOidCostUnit, &P::GetOidCostUnit),
      Field(10, &P::SetOidCostCenter, &P::GetOidCostCenter),
      Field(11, &P::SetPrintOnStatementOfEarnings, &P::GetPrintOnStatementOfEarnings),
      Field(12, &P::SetLastUpgrading, &P::GetLastUpgrading),
      Field(13, &P::SetNextUpgrading, &P::GetNextUpgrading),
      Field(14, &P::SetNoAutomaticIncrease, &P::GetNoAutomaticIncrease),
  });
}

WireTable<ScalePaymentRoot> ScalePaymentRootFields() {
  using R = ScalePaymentRoot;
  return WireTable<R>({
      Skip<R, ObjectStruct>(1),
      Skip<R, EmployeeShortStruct>(2),
      Field(3, &R::SetOidPayScale, &R::GetOidPayScale),
  });
}

// --- the records ----------------------------------------------------------

class PayWireOrder : public ::testing::Test {
 protected:
  void SetUp() override { testing::ResetServer(); }

  template <class Record>
  static void BelongsTo(Record& r, std::string const& oid_employee) {
    auto root = r.GetRoot();
    EmployeeShort e;
    e.SetObjectid(oid_employee);
    e.SetOidPCompany("C-1");
    root.SetEmployeeShort(e);
    r.SetRoot(root);
  }
};

TEST_F(PayWireOrder, BankDetails) {
  EEBankDetails record;
  BelongsTo(record, "EMP-1");
  int const last =
      ExpectRoundTrips(BankDetailsFields(), record.GetHistory(), [&record](BankDetailsTP const& p) {
        record.SetHistory(p);
        record.Commit();
        return record.GetHistory();
      });
  EEBankDetails const fetched =
      EEBankDetails::GetObjectFromObjectId(record.GetObjectid(), VDateNone(), VDateNone());
  ExpectHolds(BankDetailsFields(), fetched.GetHistory(), last);

  ExpectRoundTrips(BankAccountFields(), personnel::BankAccount(),
                   [&record](personnel::BankAccount const& a) {
                     BankDetailsTP tp = record.GetHistory();
                     tp.SetBankAccount(a);
                     record.SetHistory(tp);
                     record.Commit();
                     return record.GetHistory().GetBankAccount();
                   });
}

TEST_F(PayWireOrder, FixedPaymentAndItsEvaluationRow) {
  FixedPayment record;
  BelongsTo(record, "EMP-2");
  FixedPaymentRoot root = record.GetRoot();
  root.SetOidValueType("VT-1100");
  record.SetRoot(root);
  WireTable<EvaFixedPayment> const eva = EvaFields();
  int round = 0;
  int const last = ExpectRoundTrips(
      FixedPaymentFields(), record.GetHistory(), [&record, &eva, &round](FixedPaymentTP const& p) {
        record.SetHistory(p);
        record.Commit();
        // The server's evaluation row shows what was just entered.
        std::vector<EvaFixedPayment*> rows = Taken(FixedPayment::GetEvaFixedPayments("EMP-2"));
        EXPECT_EQ(rows.size(), 1u);
        if (!rows.empty()) ExpectHolds(eva, *rows[0], round);
        ++round;
        Free(rows);
        return record.GetHistory();
      });
  EXPECT_EQ(record.GetHistory().GetOidFixedPayment(), record.GetHistory().GetObjectID());
  ExpectHolds(
      FixedPaymentFields(),
      FixedPayment::GetObjectFromObjectId(record.GetObjectid(), "", VDateNone()).GetHistory(),
      last);

  ExpectRoundTrips(IntervalFields(), personnel::Interval(),
                   [&record](personnel::Interval const& i) {
                     FixedPaymentTP tp = record.GetHistory();
                     tp.SetInterval(i);
                     record.SetHistory(tp);
                     record.Commit();
                     return record.GetHistory().GetInterval();
                   });
  ExpectRoundTrips(FixedPaymentRootFields(), record.GetRoot(),
                   [&record](FixedPaymentRoot const& r) {
                     record.SetRoot(r);
                     record.Commit();
                     return record.GetRoot();
                   });
}

TEST_F(PayWireOrder, VarPayment) {
  VarPayment record;
  VarPaymentRoot root = record.GetVarPaymentRoot();
  EmployeeShort e;
  e.SetObjectid("EMP-1");
  e.SetOidPCompany("C-1");
  root.SetEmployeeShort(e);
  root.SetOidValueType("VT-1000");
  record.SetVarPaymentRoot(root);
  int const last = ExpectRoundTrips(VarPaymentFields(), record.GetVarPaymentTP(),
                                    [&record](VarPaymentTP const& p) {
                                      record.SetVarPaymentTP(p);
                                      record.Commit();
                                      return record.GetVarPaymentTP();
                                    });
  EXPECT_EQ(record.GetVarPaymentTP().GetOidVarPayment(), record.GetVarPaymentTP().GetObjectID());
  ExpectHolds(VarPaymentFields(),
              VarPayment::GetObjectFromObjectId(record.GetObjectid(), VDateNone(), VDateNone())
                  .GetVarPaymentTP(),
              last);
  ExpectRoundTrips(VarPaymentRootFields(), record.GetVarPaymentRoot(),
                   [&record](VarPaymentRoot const& r) {
                     record.SetVarPaymentRoot(r);
                     record.Commit();
                     return record.GetVarPaymentRoot();
                   });
}

TEST_F(PayWireOrder, ScalePayment) {
  ScalePayment record;
  BelongsTo(record, "EMP-5");
  int const last = ExpectRoundTrips(ScalePaymentFields(), record.GetHistory(),
                                    [&record](ScalePaymentTP const& p) {
                                      record.SetHistory(p);
                                      record.Commit();
                                      return record.GetHistory();
                                    });
  EXPECT_EQ(record.GetHistory().GetOidScalePayment(), record.GetHistory().GetObjectID());
  ExpectHolds(
      ScalePaymentFields(),
      ScalePayment::GetObjectFromObjectId(record.GetObjectid(), "", VDateNone()).GetHistory(),
      last);
  ExpectRoundTrips(ScalePaymentRootFields(), record.GetRoot(),
                   [&record](ScalePaymentRoot const& r) {
                     record.SetRoot(r);
                     record.Commit();
                     return record.GetRoot();
                   });
}

TEST_F(PayWireOrder, ScalePaymentDevelopmentRow) {
  ScalePayment p;
  BelongsTo(p, "EMP-1");
  ScalePaymentRoot root = p.GetRoot();
  root.SetOidPayScale("PS-METAL");
  p.SetRoot(root);
  ScalePaymentTP tp = p.GetHistory();
  tp.SetOidPayScaleGroup("PSG-EG05");
  tp.SetPayScaleLevel(3);
  tp.SetPercentage(base::VFixed("90"));
  tp.SetPerformanceFactor(base::VFixed("1.05"));
  p.SetHistory(tp);
  p.SetValidFrom(base::VDate(1, 6, 2024));
  p.Commit();

  using D = ScalePaymentDevelopment;
  WireTable<D> const table({
      Reads(1, &D::GetPersonnelnumber, Always(1001L)),
      Reads(2, &D::GetName, Always(std::wstring(L"Müller, Jürgen"))),
      Reads(3, &D::GetPayScaleKey, Always(std::wstring(L"Metall- und Elektroindustrie"))),
      Reads(4, &D::GetPayScaleGroupKey, Always(std::wstring(L"EG 05"))),
      Reads(5, &D::GetPayScaleLevelKey, Always(3L)),
      Reads(6, &D::GetPayScaleLevelDescription, Always(std::wstring(L"Stufe 3"))),
      Reads(7, &D::GetAmount, Always(std::string("3014.55"))),  // 3190.00 x 90 % x 1.05
      Reads(8, &D::GetValueTypeNumber, Always(1000L)),
      Reads(9, &D::GetValueTypeDescription, Always(std::wstring(L"Base salary"))),
      Reads(10, &D::GetValidFrom, Always(std::string("2024-07-01"))),
      Reads(11, &D::GetValidUntil, Always(std::string("2099-12-31"))),
      Skip<D, pbt::IntervalStruct>(12),
  });
  std::vector<std::string> ids{p.GetObjectid()};
  std::vector<D*> rows =
      Taken(ScalePayment::GetScalePaymentDevelopment(&ids, base::VDate(1, 7, 2024), true));
  ASSERT_EQ(rows.size(), 1u);
  ExpectHolds(table, *rows[0], 0);
  Free(rows);
}

// --- the filters ----------------------------------------------------------

// "{name=value;...}" of the first filter the server logged, as values in
// member order.
std::vector<std::wstring> LoggedValues(std::string const& operation) {
  std::vector<testing::Call> calls = testing::CallsOf(operation);
  EXPECT_FALSE(calls.empty());
  if (calls.empty()) return {};
  std::wstring text = calls.back().arguments.at(0);
  std::vector<std::wstring> values;
  size_t const open = text.find(L'{');
  size_t const close = text.find(L'}');
  std::wstring const body = text.substr(open + 1, close - open - 1);
  size_t start = 0;
  while (start <= body.size()) {
    size_t end = body.find(L';', start);
    if (end == std::wstring::npos) end = body.size();
    std::wstring const item = body.substr(start, end - start);
    values.push_back(item.substr(item.find(L'=') + 1));
    start = end + 1;
  }
  return values;
}

std::wstring AsLogged(WireValue const& v) {
  switch (v.index()) {
    case 0: {
      std::string const& s = std::get<0>(v);
      return std::wstring(s.begin(), s.end());
    }
    case 1:
      return std::get<1>(v);
    case 2:
      return std::to_wstring(std::get<2>(v));
    default:
      return std::get<3>(v) ? L"true" : L"false";
  }
}

// Every round: the filter's encoding holds each value at its position, and
// the server decoded the same values (query runs the list with the filter;
// the call log shows what arrived, extended filters aside).
template <class F, class Query>
void ExpectFilterTravels(std::vector<WireField<F>> const& fields, std::string const& operation,
                         Query query) {
  WireTable<F> const table(fields);
  for (int round = 0; round < WireValues::kRounds; ++round) {
    F f;
    table.Fill(f, round);
    for (std::string const& m : table.PositionMismatches(f.ToIdl(), round)) {
      ADD_FAILURE() << operation << " round " << round << ": " << m;
    }
    query(f);
    std::vector<std::wstring> const logged = LoggedValues(operation);
    ASSERT_EQ(logged.size(), fields.size()) << operation;
    for (size_t i = 0; i < fields.size(); ++i) {
      if (fields[i].type == WireType::kSkip) continue;
      EXPECT_EQ(logged[i], AsLogged(fields[i].value(round)))
          << operation << " round " << round << ", member " << i + 1;
    }
  }
}

TEST_F(PayWireOrder, Filters) {
  using B = EEBankDetailsFilter;
  ExpectFilterTravels<B>(
      {
          Optional(1, &B::SetModeOfPayment),
          Filter(2, &B::SetOidBank),
          Filter(3, &B::SetAccountNumber),
          Filter(4, &B::SetReasonForTransfer),
          Filter(5, &B::SetOwnerOfAccount),
          Optional(6, &B::SetRepetitionOfNameType),
          Optional(7, &B::SetTruncationType),
          Optional(8, &B::SetTruncationScaleType),
          Filter(9, &B::SetOidCompanyAccount),
          Filter(10, &B::SetOidPCompany),
          Optional(11, &B::SetPnr),
          Filter(12, &B::SetSurname),
          Filter(13, &B::SetFixedDateOfWithDrawal),
          Filter(14, &B::SetListDisplayOfEmployeeEnum),
      },
      "getActiveEEBankDetails", [](B& f) {
        std::vector<B*> filters{&f};
        DeleteAll(EEBankDetails::GetActiveEEBankDetailss(&filters, base::Sortierung()));
      });

  using FP = FixedPaymentFilter;
  ExpectFilterTravels<FP>(
      {
          Filter(1, &FP::SetFromDate),
          Filter(2, &FP::SetUntilDate),
          Filter(3, &FP::SetAfterJournalized),
          Optional(4, &FP::SetVtn),
          Filter(5, &FP::SetOidPCompany),
          Optional(6, &FP::SetPnr),
          Filter(7, &FP::SetSurname),
          Filter(8, &FP::SetFixedDateOfWithDrawal),
          Skip<FP, ExtendedFilterStruct>(9),
          Filter(10, &FP::SetListDisplayOfEmployeeEnum),
      },
      "getActiveFixedPayments", [](FP& f) {
        std::vector<FP*> filters{&f};
        DeleteAll(FixedPayment::GetActiveFixedPayments(&filters, base::Sortierung()));
      });

  using VP = VarPaymentFilter;
  ExpectFilterTravels<VP>(
      {
          Filter(1, &VP::SetFromDate),
          Filter(2, &VP::SetUntilDate),
          Filter(3, &VP::SetAfterJournalized),
          Optional(4, &VP::SetVtn),
          Filter(5, &VP::SetOidPCompany),
          Optional(6, &VP::SetPnr),
          Filter(7, &VP::SetSurname),
          Filter(8, &VP::SetFixedDateOfWithDrawal),
          Skip<VP, ExtendedFilterStruct>(9),
          Filter(10, &VP::SetOidCostCenterVP),
          Filter(11, &VP::SetOidCostUnitVP),
      },
      "getActiveVarPayments", [](VP& f) {
        std::vector<VP*> filters{&f};
        DeleteAll(VarPayment::GetActiveVarPayments(&filters, base::Sortierung(), "C-1"));
      });

  using SP = ScalePaymentFilter;
  ExpectFilterTravels<SP>(
      {
          Filter(1, &SP::SetFromDate),
          Filter(2, &SP::SetUntilDate),
          Filter(3, &SP::SetAfterJournalized),
          Filter(4, &SP::SetOidPayScale),
          Filter(5, &SP::SetOidPayScaleGroup),
          Filter(6, &SP::SetOidPCompany),
          Optional(7, &SP::SetPnr),
          Filter(8, &SP::SetSurname),
          Filter(9, &SP::SetFixedDateOfWithDrawal),
          Optional(10, &SP::SetPayScaleLevel),
          Filter(11, &SP::SetListDisplayOfEmployeeEnum),
          Skip<SP, ExtendedFilterStruct>(12),
      },
      "getActiveScalePaymentsCB", [](SP& f) {
        std::vector<SP*> filters{&f};
        delete ScalePayment::GetActiveScalePaymentsCB(&filters, base::Sortierung(), 0);
      });
}

}  // namespace
}  // namespace ostrel
