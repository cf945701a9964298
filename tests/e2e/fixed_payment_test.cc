// Fixed payments end to end against the reference server: the three-way
// commit and the long delete, the effective time point passed through as
// text, histories by the payment's id against evaluation rows by the
// employee's, the filter's undefined dates, and the print run that streams
// to a callback object of the application. The server's seeded employees are
// used: EMP-1 (company C-1, 1001, journalized until 2024-02-29), EMP-2 (C-1,
// 1002, Schäfer), EMP-3 (C-1, withdrawn 2024-01-31) and EMP-5 (C-2, 2001).
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "pay/fixed_payment.h"
#include "reference_server.h"

namespace ostrel {
namespace {

namespace ref = com::ostrel::reference;
namespace pbt = com::ostrel::personnel::framework::basictypes;
using base::VDate;
using base::VFixed;
using testing::CallsOf;
using testing::InjectFault;

template <class T>
using Owned = std::unique_ptr<std::vector<T*>, void (*)(std::vector<T*>*)>;
template <class T>
Owned<T> Own(std::vector<T*>* v) {
  return Owned<T>(v, &DeleteAll<T>);
}

using Args = std::vector<std::wstring>;

personnel::Interval Quarterly() {
  personnel::Interval i(false);
  i.SetMarch(true);
  i.SetJune(true);
  i.SetSeptember(true);
  i.SetDecember(true);
  return i;
}

class FixedPayments : public ::testing::Test {
 protected:
  void SetUp() override { testing::ResetServer(); }

  // A new fixed payment of `employee` under value type `value_type`, valid
  // from 1 March 2024: factor1 x 2 = result.
  static FixedPayment Payment(std::string const& employee, std::string const& value_type,
                              char const* factor1) {
    FixedPayment p;
    FixedPaymentRoot root = p.GetRoot();
    EmployeeShort e = root.GetEmployeeShort();
    e.SetObjectid(employee);
    root.SetEmployeeShort(e);
    root.SetOidValueType(value_type);
    p.SetRoot(root);
    FixedPaymentTP tp = p.GetHistory();
    tp.SetFactor1(VFixed(factor1));
    tp.SetFactor2(VFixed("2"));
    tp.SetResult(VFixed(factor1) * 2);
    p.SetHistory(tp);
    p.SetValidFrom(VDate(1, 2, 2024));
    return p;
  }
  static FixedPayment Stored(FixedPayment p) {
    p.Commit();
    return p;
  }

  static void SetFactor1(FixedPayment& p, char const* v) {
    FixedPaymentTP tp = p.GetHistory();
    tp.SetFactor1(VFixed(v));
    p.SetHistory(tp);
  }
  static std::string Factor1(FixedPayment const& p) { return p.GetHistory().GetFactor1().ToIdl(); }

  static std::vector<std::string> Listed(FixedPaymentFilter const& f) {
    FixedPaymentFilter copy = f;
    std::vector<FixedPaymentFilter*> filters{&copy};
    auto list = Own(FixedPayment::GetActiveFixedPayments(&filters, base::Sortierung()));
    std::vector<std::string> out;
    for (FixedPayment* p : *list) out.push_back(Factor1(*p));
    return out;
  }
};

TEST_F(FixedPayments, CommitCreatesSetsOrAddsAndTheServerNamesThePeriod) {
  FixedPayment p = Payment("EMP-2", "VT-1000", "1500");
  p.Commit();
  EXPECT_EQ(CallsOf("createFixedPayment").at(0).arguments, Args{L"<new>"});
  EXPECT_EQ(p.GetObjectid(), "FP-1");
  EXPECT_EQ(p.GetRoot().GetEmployeeShort().GetSurname(), L"Schäfer");
  EXPECT_EQ(p.GetHistory().GetOidFixedPayment(), p.GetHistory().GetObjectID());

  SetFactor1(p, "1600");
  p.Commit();
  EXPECT_EQ(CallsOf("setFixedPayment").at(0).arguments, (Args{L"FP-1", L"true"}));
  std::string const first_period = p.GetHistory().GetOidFixedPayment();

  SetFactor1(p, "1700");
  p.SetValidFrom(VDate(1, 6, 2024));
  p.SetRemoveNew(false);
  p.Commit();
  EXPECT_EQ(CallsOf("addFixedPayment").at(0).arguments, (Args{L"FP-1", L"false"}));
  EXPECT_EQ(p.GetInternalValidFrom(), VDate(1, 6, 2024));
  EXPECT_NE(p.GetHistory().GetOidFixedPayment(), first_period);
}

TEST_F(FixedPayments, FailedCommitAndDeleteReturnToTheSavedValue) {
  FixedPayment p = Stored(Payment("EMP-1", "VT-1000", "100"));
  SetFactor1(p, "200");
  InjectFault("setFixedPayment", ref::RAISE_DOMAIN, L"too much");
  EXPECT_THROW(p.Commit(), base::VException);
  EXPECT_EQ(Factor1(p), "100");

  SetFactor1(p, "300");
  InjectFault("deleteFixedPayment", ref::RAISE_PERSISTENCY, L"in use");
  EXPECT_THROW(p.Delete(), base::VException);
  EXPECT_EQ(Factor1(p), "100");

  p.Delete();
  EXPECT_EQ(CallsOf("deleteFixedPayment").at(1).arguments, (Args{L"EMP-1", L"FP-1", L"1"}));
  EXPECT_TRUE(Listed(FixedPaymentFilter()).empty());
}

TEST_F(FixedPayments, FetchSendsTheEffectiveTimePointAsItIsGiven) {
  FixedPayment p = Stored(Payment("EMP-1", "VT-1000", "100"));
  FixedPayment got = FixedPayment::GetObjectFromObjectId("FP-1", "2024-03-15", VDate(1, 3, 2024));
  EXPECT_EQ(Factor1(got), "100");
  EXPECT_EQ(CallsOf("getObjectFromObjectId").at(0).arguments,
            (Args{L"FP-1", L"2024-03-15", L"2024-04-01"}));
  // Not read as a date on the way: the server sees the text itself.
  try {
    FixedPayment::GetObjectFromObjectId("FP-1", " 2024-03-15", VDate(-1, -1, -1));
    FAIL();
  } catch (base::VException const& e) {
    EXPECT_EQ(e.GetMessage(), L"invalid date ' 2024-03-15'");
  }
  EXPECT_EQ(CallsOf("getObjectFromObjectId").at(1).arguments,
            (Args{L"FP-1", L" 2024-03-15", L"0000-00-00"}));
}

TEST_F(FixedPayments, HistoriesTakeThePaymentsIdEvaluationsTheEmployees) {
  FixedPayment p = Payment("EMP-1", "VT-1100", "10");
  FixedPaymentTP tp = p.GetHistory();
  tp.SetInterval(Quarterly());
  p.SetHistory(tp);
  p.SetEffectiveFrom(VDate(1, 2, 2024));
  p.Commit();
  SetFactor1(p, "12");
  p.SetValidFrom(VDate(1, 6, 2024));
  p.SetEffectiveFrom(VDate(1, 6, 2024));
  p.Commit();  // a second period
  Stored(Payment("EMP-1", "VT-7", "5"));
  Stored(Payment("EMP-2", "VT-1000", "99"));

  EXPECT_EQ(Own(FixedPayment::GetAllFixedPaymentHistory("FP-1"))->size(), 2u);
  EXPECT_EQ(Own(FixedPayment::GetActiveEffectiveFixedPaymentHistory("FP-1"))->size(), 2u);
  auto april = Own(FixedPayment::GetEffectiveFixedPaymentHistory("FP-1", VDate(1, 3, 2024)));
  ASSERT_EQ(april->size(), 1u);
  EXPECT_EQ(Factor1(*(*april)[0]), "10");
  EXPECT_EQ(CallsOf("getAllFixedPaymentHistory").at(0).arguments, Args{L"FP-1"});
  EXPECT_EQ(CallsOf("getEffectiveFixedPaymentHistory").at(0).arguments,
            (Args{L"FP-1", L"2024-04-01"}));

  // Active: each payment's latest period, as entered.
  auto active = Own(FixedPayment::GetEvaFixedPayments("EMP-1"));
  ASSERT_EQ(active->size(), 2u);
  EvaFixedPayment const& overtime = *(*active)[0];
  EXPECT_EQ(overtime.GetFactor1().ToIdl(), "12");
  EXPECT_EQ(overtime.GetTimePeriod().GetEffectiveFrom(), VDate(1, 6, 2024));
  EXPECT_EQ(overtime.GetTimePeriod().GetInternalValidFrom(), VDate(1, 6, 2024));
  EXPECT_EQ(overtime.GetTimePeriod().GetValidUntil(), VDate(31, 11, 2099));
  EXPECT_TRUE(overtime.GetInterval().GetJune());
  EXPECT_FALSE(overtime.GetInterval().GetJuly());
  EXPECT_EQ((*active)[1]->GetVTypeKey(), 7);
  EXPECT_EQ((*active)[1]->GetDescription(), "Value type 7");

  EXPECT_EQ(Own(FixedPayment::GetEvaAllFixedPaymentHistory("EMP-1"))->size(), 3u);
  EXPECT_EQ(Own(FixedPayment::GetEvaActiveEffectiveFixedPaymentHistory("EMP-1"))->size(), 3u);
  auto march = Own(FixedPayment::GetEvaEffectiveFixedPaymentHistory("EMP-1", VDate(15, 2, 2024)));
  ASSERT_EQ(march->size(), 2u);
  EXPECT_EQ((*march)[0]->GetFactor1().ToIdl(), "10");
  EXPECT_EQ((*march)[0]->GetTimePeriod().GetValidUntil(), VDate(30, 5, 2024));
  EXPECT_EQ(CallsOf("getEvaActiveFixedPayments").at(0).arguments, Args{L"EMP-1"});
  EXPECT_EQ(CallsOf("getEvaAllFixedPaymentHistory").at(0).arguments, Args{L"EMP-1"});
  EXPECT_EQ(CallsOf("getEvaActiveEffectiveFixedPaymentHistory").at(0).arguments, Args{L"EMP-1"});
  EXPECT_EQ(CallsOf("getEvaEffectiveFixedPaymentHistory").at(0).arguments,
            (Args{L"EMP-1", L"2024-03-15"}));

  // A row is never written back.
  testing::Control()->clearCalls();
  EvaFixedPayment row = *(*active)[0];
  row.Commit();
  row.Delete();
  EXPECT_TRUE(testing::Calls().empty());
}

TEST_F(FixedPayments, NewFilterSelectsCurrentPaymentsOfActiveEmployees) {
  Stored(Payment("EMP-1", "VT-1000", "1"));
  Stored(Payment("EMP-2", "VT-1100", "2"));
  FixedPayment old = Payment("EMP-1", "VT-1000", "3");  // ended before journalizing
  old.SetValidFrom(VDate(1, 0, 2024));
  old.SetValidUntil(VDate(31, 0, 2024));
  old.Commit();
  Stored(Payment("EMP-3", "VT-1000", "4"));  // withdrawn

  // Undefined dates restrict nothing; after journalized and active
  // employees do.
  EXPECT_EQ(Listed(FixedPaymentFilter()), (std::vector<std::string>{"1", "2"}));
  FixedPaymentFilter all, vtn, withdrawn;
  all.SetAfterJournalized(false);
  vtn.SetVtn(1100);
  withdrawn.SetListDisplayOfEmployeeEnum(pbt::LIST_WITHDRAWN_EMPLOYEES);
  EXPECT_EQ(Listed(all), (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_EQ(Listed(vtn), std::vector<std::string>{"2"});
  EXPECT_EQ(Listed(withdrawn), std::vector<std::string>{"4"});
}

TEST_F(FixedPayments, StreamedListAndEmployeeCopy) {
  for (char const* f : {"1", "2", "3"}) Stored(Payment("EMP-2", "VT-1000", f));
  std::vector<FixedPaymentFilter*> none;
  std::unique_ptr<FixedPayment::Callback> cb(
      FixedPayment::GetActiveFixedPaymentsCB(&none, base::Sortierung(), 0));
  ASSERT_TRUE(cb->WaitForEnd(std::chrono::milliseconds(10000)));
  EXPECT_TRUE(cb->IsFinished());
  EXPECT_EQ(cb->GetReceived(), 3u);
  EXPECT_EQ(CallsOf("getActiveFixedPaymentsCB").size(), 1u);

  auto copies = Own(FixedPayment::GetFixedPaymentsForEmployeeCopy("EMP-2", "2025-01-01"));
  ASSERT_EQ(copies->size(), 3u);
  EXPECT_TRUE((*copies)[0]->IsNew());
  EXPECT_EQ((*copies)[0]->GetHistory().GetOidFixedPayment(), "");
  EXPECT_EQ(CallsOf("getFixedPaymentsForEmployeeCopy").at(0).arguments,
            (Args{L"EMP-2", L"2025-01-01"}));
}

// The application's own receiver of the print run's lines.
using ReportLines = base::VCallback<std::string,
                                    POA_com::ostrel::personnel::domain::employee::fixedpayment::
                                        FixedPaymentReportFileStructCallback,
                                    fixedpayment::FixedPaymentReportFileSeq>;

TEST_F(FixedPayments, PrintRunStreamsReportLinesToTheApplicationsCallback) {
  Stored(Payment("EMP-1", "VT-1000", "1500"));
  Stored(Payment("EMP-5", "VT-1100", "10"));
  std::unique_ptr<ReportLines> lines(Remote<FixedPaymentService>::Stream(
      new ReportLines(), [](fixedpayment::FixedPaymentServant_ptr s, AccessToken_ptr t, auto cb) {
        s->printFixedPayments(t, cb);
      }));
  ASSERT_TRUE(lines->WaitForEnd(std::chrono::milliseconds(10000)));
  std::vector<std::string*> got = lines->TakeAll();
  ASSERT_EQ(got.size(), 3u);
  EXPECT_EQ(*got[0], "Fixed payments: 2");
  EXPECT_EQ(*got[1], "1001 Müller: 1000 Base salary 1500 x 2 = 3000");
  EXPECT_EQ(*got[2], "2001 Nowak: 1100 Overtime 10 x 2 = 20");
  for (std::string* s : got) delete s;
}

}  // namespace
}  // namespace ostrel
