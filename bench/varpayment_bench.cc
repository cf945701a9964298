// Bulk creation of 1,000 variable payments through the business objects
// against the raw ORB stub call of the same operation, in the same run and
// against the same reference server. bench/ratios.py turns the output into
// the ratio.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "ostrel.h"
#include "pay/varpayment.h"
#include "reference_server.h"

namespace ostrel {
namespace {

constexpr int kEntries = 1000;

// Entries of both employees of company C-1, each with its own factor.
std::vector<VarPayment*> Entries() {
  std::vector<VarPayment*> entries;
  for (int i = 0; i < kEntries; ++i) {
    auto* p = new VarPayment;
    VarPaymentRoot root = p->GetVarPaymentRoot();
    EmployeeShort e = root.GetRoot();
    e.SetObjectid(i % 2 == 0 ? "EMP-1" : "EMP-2");
    e.SetOidPCompany("C-1");
    root.SetEmployeeShort(e);
    root.SetOidValueType("VT-1100");
    p->SetVarPaymentRoot(root);
    VarPaymentTP tp = p->GetVarPaymentTP();
    tp.SetFactor1(base::VFixed(i + 1));
    tp.SetAdditionalInformation(L"Überstunden Schicht " + std::to_wstring(i));
    p->SetVarPaymentTP(tp);
    p->SetEffectiveFrom(base::VDate(1, 2, 2024));
    p->SetEffectiveUntil(base::VDate(31, 2, 2024));
    p->SetInternalValidFrom(base::VDate(1, 2, 2024));
    entries.push_back(p);
  }
  return entries;
}

// The server keeps what each iteration created; start every one empty.
void ClearServer(benchmark::State& state) {
  state.PauseTiming();
  testing::Control()->reset();
  state.ResumeTiming();
}

void BM_CreateVarPayments1000_BusinessObject(benchmark::State& state) {
  std::vector<VarPayment*> entries = Entries();
  for (auto _ : state) {
    ClearServer(state);
    std::vector<VarPayment*>* created = VarPayment::CreateVarPayments(&entries, "C-1");
    if (created->size() != kEntries) state.SkipWithError("wrong size");
    DeleteAll(created);
  }
  for (VarPayment* p : entries) delete p;
}
BENCHMARK(BM_CreateVarPayments1000_BusinessObject)->Unit(benchmark::kMicrosecond);

void BM_CreateVarPayments1000_RawStub(benchmark::State& state) {
  std::vector<VarPayment*> entries = Entries();
  varpayment::VarPaymentSeq const seq = ToIdlSeq<varpayment::VarPaymentSeq>(&entries);
  for (VarPayment* p : entries) delete p;
  auto servant = Remote<VarPaymentService>::Access();
  for (auto _ : state) {
    ClearServer(state);
    varpayment::VarPaymentSeq_var created =
        servant->createVarPaymentSeq(base::Ostrel::Instance()->GetAccessToken(), seq, "C-1");
    if (created->length() != kEntries) state.SkipWithError("wrong size");
  }
}
BENCHMARK(BM_CreateVarPayments1000_RawStub)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ostrel
