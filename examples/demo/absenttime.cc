// A week of leave entered, corrected, listed and its history read; at the
// end of the walk a stale copy of it is refused.
#include <chrono>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "ownership.h"
#include "time/absenttime.h"
#include "vexception.h"
#include "walk.h"

namespace demo {
namespace {

// The absence entered by the first step, for the stale-copy step at the end.
ostrel::EEAbsentTime g_leave;

void ShowAbsence(char const* what, ostrel::EEAbsentTime const& a) {
  ostrel::EEAbsentTimeTP tp = a.GetHistory();
  std::cout << what << a.GetObjectid() << " v" << a.GetVersion() << ": "
            << a.GetRoot().GetOidAbsentTime() << " " << Date(tp.GetEffectiveFrom()) << " - "
            << Date(tp.GetEffectiveUntil()) << ", " << tp.GetNumberOfWorkingHours().ToIdl()
            << " working hours, valid " << Date(a.GetInternalValidFrom()) << " - "
            << Date(a.GetValidUntil()) << "\n";
}

void SetUntil(ostrel::EEAbsentTime& a, VDate const& until) {
  ostrel::EEAbsentTimeTP tp = a.GetHistory();
  tp.SetEffectiveUntil(until);
  a.SetHistory(tp);
}

// Enters a week of leave, corrects it, lists it back and shows its history.
// Returns the stored absence for the stale-copy step.
void EnterAbsentTime(Walk& walk) {
  ostrel::EEAbsentTime leave;
  ostrel::EEAbsentTimeRoot root = leave.GetRoot();
  ostrel::EmployeeShort e = root.GetEmployeeShort();
  e.SetObjectid("EMP-1");
  e.SetOidPCompany("C-1");
  root.SetEmployeeShort(e);
  root.SetOidAbsentTime("URL");
  leave.SetRoot(root);
  ostrel::EEAbsentTimeTP tp = leave.GetHistory();
  tp.SetEffectiveFrom(VDate(2, 2, 2026));  // months count from 0: 2 March 2026
  leave.SetHistory(tp);
  SetUntil(leave, VDate(6, 2, 2026));
  leave.SetValidFrom(VDate(2, 2, 2026));
  leave.Commit();
  ShowAbsence("absent time entered: ", leave);

  // One more day: the stored period changes and the version goes up.
  SetUntil(leave, VDate(9, 2, 2026));
  leave.Commit();
  ShowAbsence("absent time changed: ", leave);

  ostrel::EEAbsentTimeFilter of_1001;
  of_1001.SetOidPCompany("C-1");
  of_1001.SetPnr(1001);
  std::vector<ostrel::EEAbsentTimeFilter*> filters{&of_1001};
  auto listed = TakeOwnership(ostrel::EEAbsentTime::GetActiveEEAbsentTimes(&filters, Sortierung()));
  std::cout << "absent times of 1001 in C-1: " << listed.size() << "\n";
  for (auto const& a : listed) ShowAbsence("  ", *a);

  auto history =
      TakeOwnership(ostrel::EEAbsentTime::GetAllEEAbsentTimesHistory(leave.GetObjectid()));
  std::cout << "history of " << leave.GetObjectid() << ", every period stored: " << history.size()
            << "\n";
  for (auto const& a : history) ShowAbsence("  ", *a);
  g_leave = leave;
  walk.Touch("absent times",
             "Commit (create, set), GetActiveEEAbsentTimes, GetAllEEAbsentTimesHistory",
             std::to_string(history.size()) + " periods stored, version " +
                 std::to_string(leave.GetVersion()));
}

void CommitStaleCopy(Walk& walk) {
  ostrel::EEAbsentTime& leave = g_leave;
  ostrel::EEAbsentTime stale = leave;
  SetUntil(leave, VDate(10, 2, 2026));
  leave.Commit();
  SetUntil(stale, VDate(13, 2, 2026));
  try {
    stale.Commit();
    std::cout << "stale copy was accepted, which it should not be\n";
    walk.Touch("absent times", "Commit of a stale copy", "accepted (wrong)");
  } catch (VException const& e) {
    std::cout << "stale copy refused (" << U8(e.GetSource()) << "): " << e.what() << "\n";
    ShowAbsence("  the copy is back at its saved value: ", stale);
    walk.Touch("absent times", "Commit of a stale copy", "refused, copy reset");
  }
}

Register enter(400, EnterAbsentTime);
Register stale(990, CommitStaleCopy);

}  // namespace
}  // namespace demo
