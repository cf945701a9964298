// A walk through real record operations against the application server named
// by OSTREL_SERVER: login, create, update, a new period, the lists and
// histories, a streamed list, a refused change, delete and restore.
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "ostrel.h"
#include "string_converter.h"
#include "test_record.h"

namespace {

using ostrel::TestRecord;
using ostrel::TestRecordFilter;
using ostrel::base::StringConverter;
using ostrel::base::VDate;
using ostrel::base::VException;
using ostrel::base::VFixed;

void Show(char const* what, TestRecord const& r) {
  std::cout << what << ": " << r.GetObjectid() << " v" << r.GetVersion() << " key "
            << r.GetRoot().GetKey() << ", amount " << r.GetHistory().GetAmount().ToIdl()
            << ", valid " << r.GetInternalValidFrom().c_str() << " - " << r.GetValidUntil().c_str()
            << ", note " << StringConverter::Convert(r.GetHistory().GetNote()) << "\n";
}

}  // namespace

int main() {
  try {
    auto* runtime = ostrel::base::Ostrel::Instance();
    runtime->Login();
    std::cout << "logged in as " << StringConverter::Convert(runtime->Config().user) << "\n";

    TestRecord r;
    auto root = r.GetRoot();
    root.SetOidEmployee("EMP-1");
    root.SetOidPCompany("C-1");
    root.SetPersonnelNumber(1001);
    root.SetSurname(L"Özdemir");
    root.SetKey("travel");
    r.SetRoot(root);
    auto tp = r.GetHistory();
    tp.SetAmount(VFixed("120.50"));
    tp.SetNote(L"Fraktur \U0001D518 and a card \U0001F0A1");
    r.SetHistory(tp);
    r.SetValidFrom(VDate(1, 0, 2026));
    r.CommitThreeWay();
    Show("created", r);

    tp = r.GetHistory();
    tp.SetAmount(tp.GetAmount() + VFixed("0.25"));
    r.SetHistory(tp);
    r.CommitThreeWay();
    Show("updated", r);

    r.SetValidFrom(VDate(1, 6, 2026));
    tp = r.GetHistory();
    tp.SetAmount(VFixed("130"));
    r.SetHistory(tp);
    r.CommitThreeWay();
    Show("new period", r);

    std::unique_ptr<std::vector<TestRecord*>, void (*)(std::vector<TestRecord*>*)> history(
        TestRecord::GetAllTestRecordsHistory(r.GetObjectid()), &ostrel::DeleteAll<TestRecord>);
    for (TestRecord* p : *history) Show("  history", *p);

    for (int i = 0; i < 4; ++i) {
      TestRecord more;
      auto more_root = more.GetRoot();
      more_root.SetOidEmployee("EMP-2");
      more_root.SetOidPCompany("C-1");
      more_root.SetKey("bulk-" + std::to_string(i));
      more.SetRoot(more_root);
      more.Commit();
    }
    TestRecordFilter company;
    company.SetOidPCompany("C-1");
    std::vector<TestRecordFilter*> filters{&company};
    std::unique_ptr<TestRecord::Callback> stream(
        TestRecord::GetActiveTestRecordCB(&filters, ostrel::base::Sortierung(), 0));
    stream->WaitForEnd(std::chrono::seconds(10));
    std::cout << "streamed " << stream->GetReceived() << " records of company C-1\n";

    TestRecord stale = r;
    r.CommitThreeWay();
    tp = stale.GetHistory();
    tp.SetAmount(VFixed("1"));
    stale.SetHistory(tp);
    try {
      stale.CommitThreeWay();
    } catch (VException const& e) {
      std::cout << "refused as expected: " << e.what() << "\n";
      Show("  left at its saved value", stale);
    }

    r.Delete();
    std::cout << "deleted " << r.GetObjectid() << "\n";
    r.RestoreTestRecord();
    std::cout << "restored " << r.GetObjectid() << "\n";
    runtime->Logout();
    return 0;
  } catch (VException const& e) {
    std::cerr << "demo failed: " << e.what() << "\n";
    return 1;
  }
}
