// The employee end to end against the reference server's seeded employees
// (companies C-1 and C-2, EMP-1 … EMP-7): which operation is called with
// which arguments, what comes back, and what later queries see afterwards.
#include <gtest/gtest.h>

#include <chrono>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "employee/employee.h"
#include "record_suite.h"
#include "reference_server.h"
#include "remote.h"

namespace ostrel {
namespace {

namespace ref = com::ostrel::reference;
namespace bt = com::ostrel::personnel::framework::basictypes;
using base::VDate;
using testing::Args;
using testing::CallsOf;
using testing::InjectFault;

template <class T>
using Owned = std::unique_ptr<std::vector<T*>, void (*)(std::vector<T*>*)>;
template <class T>
Owned<T> Own(std::vector<T*>* v) {
  return Owned<T>(v, &DeleteAll<T>);
}

// Filters as the static functions take them.
class Filters {
 public:
  Filters(std::initializer_list<EmployeeFilter> filters) : filters_(filters) {
    for (EmployeeFilter& f : filters_) pointers_.push_back(&f);
  }
  std::vector<EmployeeFilter*> const* get() const { return &pointers_; }

 private:
  std::vector<EmployeeFilter> filters_;
  std::vector<EmployeeFilter*> pointers_;
};

EmployeeFilter Company(std::string const& oid, bool all = false) {
  EmployeeFilter f;
  f.SetOidPCompany(oid);
  if (all) f.SetListDisplayOfEmployeeEnum(bt::LIST_ALL_EMPLOYEES);
  return f;
}

base::Sortierung SortBy(char const* key, bool descending = false) {
  base::Sortierung sort;
  sort.AddKey(key, !descending);
  return sort;
}

std::vector<std::string> Oids(std::vector<EmployeeExtended*> const& rows) {
  std::vector<std::string> out;
  for (EmployeeExtended const* r : rows) out.push_back(r->GetObjectID());
  return out;
}

// Every line of a report run, once the server finished it.
std::vector<std::wstring> Lines(Employee::ReportCallback* raw) {
  std::unique_ptr<Employee::ReportCallback> cb(raw);
  EXPECT_TRUE(cb->WaitForEnd(std::chrono::seconds(10)));
  EXPECT_TRUE(cb->IsFinished());
  std::vector<std::wstring> out;
  for (base::VString* line : cb->TakeAll()) {
    out.push_back(line->str());
    delete line;
  }
  return out;
}

template <class F>
base::VException Raised(F f) {
  try {
    f();
  } catch (base::VException const& e) {
    return e;
  }
  ADD_FAILURE() << "no VException";
  return base::VException(L"", L"", L"", 0, false);
}

class EmployeeTest : public testing::RecordTest {
 protected:
  static std::unique_ptr<EmployeeForCalculate> ForCalculate(std::string const& oid,
                                                            VDate const& from) {
    auto e = std::make_unique<EmployeeForCalculate>();
    e->SetOidEmployee(oid);
    e->SetCalculateValidFrom(from);
    return e;
  }

  static void Calculate(std::string const& oid, VDate const& from) {
    auto e = ForCalculate(oid, from);
    std::vector<EmployeeForCalculate*> v = {e.get()};
    Employee::Calculate(&v);
  }

  static Owned<EmployeeAfterCalculate> AfterCalculate() {
    Filters none{};
    return Own(Employee::GetEmployeesAfterCalculate(none.get(), base::Sortierung()));
  }

  static Owned<EmployeeWaitForCalculate> Queue(Filters const& filters = {},
                                               base::Sortierung const& sort = {}) {
    return Own(Employee::GetEmployeesWaitForCalculate(filters.get(), sort));
  }
};

// --- search ---------------------------------------------------------------------

TEST_F(EmployeeTest, SearchWithoutFiltersSendsAnEmptySequenceAndGetsEveryEmployee) {
  Filters none{};
  auto rows = Own(Employee::GetEmployees(none.get(), base::Sortierung()));
  ASSERT_EQ(Oids(*rows), (std::vector<std::string>{"EMP-1", "EMP-2", "EMP-3", "EMP-4", "EMP-5",
                                                   "EMP-6", "EMP-7"}));
  auto calls = CallsOf("getEmployees");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].arguments, (Args{L"[0]", L""}));

  EmployeeExtended const& first = *(*rows)[0];
  EmployeeShort const s = first.GetEe().GetEeShort();
  EXPECT_EQ(s.GetSurname(), L"Müller");
  EXPECT_EQ(s.GetFirstname(), L"Jürgen");
  EXPECT_EQ(s.GetTitle(), "Dr.");
  EXPECT_EQ(s.GetOidPCompany(), "C-1");
  EXPECT_EQ(s.GetPersonnelNumber(), 1001);
  EXPECT_EQ(s.GetDateOfEntry(), VDate(1, 3, 2015));
  EXPECT_EQ(s.GetJournalizedUntil(), VDate(29, 1, 2024));
  EXPECT_EQ(first.GetNextJournalizing(), VDate(31, 2, 2024));
  EXPECT_TRUE(first.GetEe().GetStateOfValuation());
  EXPECT_EQ((*rows)[4]->GetEe().GetEeShort().GetFirstname(), L"Łukasz");
}

TEST_F(EmployeeTest, AClearedFilterTravelsAsClearedAndListsActiveEmployees) {
  Filters cleared{EmployeeFilter()};
  auto rows = Own(Employee::GetEmployees(cleared.get(), base::Sortierung()));
  // EMP-3 withdrew on 31.01.2024.
  EXPECT_EQ(Oids(*rows),
            (std::vector<std::string>{"EMP-1", "EMP-2", "EMP-4", "EMP-5", "EMP-6", "EMP-7"}));
  EXPECT_EQ(CallsOf("getEmployees").at(0).arguments,
            (Args{L"[1]", L"fixedDateOfWithDrawal=0000-00-00;listDisplay=0", L""}));

  EmployeeFilter withdrawn;
  withdrawn.SetListDisplayOfEmployeeEnum(bt::LIST_WITHDRAWN_EMPLOYEES);
  Filters w{withdrawn};
  EXPECT_EQ(Oids(*Own(Employee::GetEmployees(w.get(), base::Sortierung()))),
            (std::vector<std::string>{"EMP-3"}));
  // Before the withdrawal she still counts as active.
  withdrawn.SetFixedDateOfWithDrawal(VDate(15, 0, 2024));
  Filters before{withdrawn};
  EXPECT_TRUE(Own(Employee::GetEmployees(before.get(), base::Sortierung()))->empty());
}

TEST_F(EmployeeTest, FiltersCombineWithinAndAddUpAcross) {
  EmployeeFilter c1 = Company("C-1", true);
  c1.SetPersonnelnumber("100");
  c1.SetSurname(L"Sch");
  EmployeeFilter c2 = Company("C-2");
  c2.SetPersonnelnumber("2001");
  Filters filters{c1, c2};
  auto rows = Own(Employee::GetEmployees(filters.get(), SortBy("personnelNumber", true)));
  EXPECT_EQ(Oids(*rows), (std::vector<std::string>{"EMP-5", "EMP-2"}));
  auto args = CallsOf("getEmployees").at(0).arguments;
  ASSERT_EQ(args.size(), 4u);
  EXPECT_EQ(args[1],
            L"oidPCompany=C-1;personnelnumber=100;surname=Sch;"
            L"fixedDateOfWithDrawal=0000-00-00;listDisplay=2");
  EXPECT_EQ(args[3], L"personnelNumber desc");
}

TEST_F(EmployeeTest, SortsBySurnameAndSendsEveryCriterion) {
  Filters c2{Company("C-2")};
  auto rows = Own(Employee::GetEmployees(c2.get(), SortBy("surname")));
  EXPECT_EQ(Oids(*rows), (std::vector<std::string>{"EMP-6", "EMP-5", "EMP-7"}));

  EmployeeFilter f;
  personnel::EmployeeExtendedFilter extended;
  extended.SetOidCostCenter("CC-200");
  f.SetExtendedFilter(extended);
  f.SetInValuation(true);
  f.SetStateOfValuation(true);
  f.SetJournalizedUntil(VDate(31, 0, 2024));
  Filters in_valuation{f};
  rows = Own(Employee::GetEmployees(in_valuation.get(), base::Sortierung()));
  EXPECT_EQ(Oids(*rows), (std::vector<std::string>{"EMP-6"}));
  EXPECT_EQ(CallsOf("getEmployees").at(1).arguments.at(1),
            L"journalizedUntil=2024-01-31;inValuation=true;stateOfValuation=true;"
            L"fixedDateOfWithDrawal=0000-00-00;listDisplay=0;oidCostCenter=CC-200");
}

TEST_F(EmployeeTest, NoMatchGivesAnEmptyVectorAndBadInputIsRefused) {
  Filters nobody{Company("C-9")};
  auto rows = Own(Employee::GetEmployees(nobody.get(), base::Sortierung()));
  ASSERT_NE(rows.get(), nullptr);
  EXPECT_TRUE(rows->empty());

  EmployeeFilter letters;
  letters.SetPersonnelnumber("10a");
  Filters bad{letters};
  base::VException e = Raised([&] { Employee::GetEmployees(bad.get(), base::Sortierung()); });
  EXPECT_EQ(e.GetCode(), base::VException::kDomain);
  EXPECT_EQ(e.GetMessage(), L"personnel number '10a' is not a number");

  e = Raised([&] { Employee::GetEmployees(nobody.get(), SortBy("shoeSize")); });
  EXPECT_EQ(e.GetCode(), base::VException::kApplicationLayer);
  EXPECT_EQ(e.GetMessage(), L"unknown sort key 'shoeSize'");
}

TEST_F(EmployeeTest, OneEmployeeByObjectId) {
  EmployeeExtended x = Employee::GetEmployeeExtended("EMP-6");
  EXPECT_EQ(x.GetObjectID(), "EMP-6");
  Employee e = x.GetEe();
  EXPECT_TRUE(e.GetInValuation());
  EXPECT_EQ(e.GetValuationEffectiveFrom(), VDate(1, 1, 2024));
  EXPECT_EQ(e.GetEeShort().GetNamePrefix(), "von");
  EXPECT_EQ(e.GetEeShort().GetFirstname(), L"Élodie");
  EXPECT_EQ(CallsOf("getEmployeeExtended").at(0).arguments, (Args{L"EMP-6"}));

  base::VException unknown = Raised([] { Employee::GetEmployeeExtended("EMP-99"); });
  EXPECT_EQ(unknown.GetCode(), base::VException::kPersistency);
  EXPECT_EQ(unknown.GetMessage(), L"unknown object id 'EMP-99'");

  InjectFault("getEmployeeExtended", ref::RAISE_ACCESS_DENIED, L"Zugriff verweigert für Ayşe");
  base::VException denied = Raised([] { Employee::GetEmployeeExtended("EMP-7"); });
  EXPECT_EQ(denied.GetCode(), base::VException::kAccessDenied);
  EXPECT_EQ(denied.GetMessage(), L"Zugriff verweigert für Ayşe");
}

// --- calculation -------------------------------------------------------------------

TEST_F(EmployeeTest, CalculationResultsCarryTheErrorOfEachEmployee) {
  auto ok = ForCalculate("EMP-1", VDate(1, 2, 2024));
  auto no_entry = ForCalculate("EMP-4", VDate(1, 2, 2024));
  std::vector<EmployeeForCalculate*> run = {ok.get(), no_entry.get()};
  Employee::Calculate(&run);
  EXPECT_EQ(CallsOf("calculate").at(0).arguments, (Args{L"EMP-1:2024-03-01", L"EMP-4:2024-03-01"}));

  auto results = AfterCalculate();
  ASSERT_EQ(results->size(), 2u);
  EmployeeAfterCalculate const& first = *(*results)[0];
  EXPECT_EQ(first.GetObjectID(), "EMP-1");
  EXPECT_FALSE(first.HasException());
  EXPECT_TRUE(first.GetEmployee().GetInValuation());
  EXPECT_EQ(first.GetEmployee().GetValuationEffectiveFrom(), VDate(1, 2, 2024));
  EXPECT_TRUE(first.GetDateOfReverseProjection().IsEmpty());  // nothing journalized reached
  EXPECT_TRUE(first.GetDateLastCalculationOfEmployee().IsValid());
  EXPECT_THROW(first.GetException(), base::InternalException);

  EmployeeAfterCalculate const& failed = *(*results)[1];
  EXPECT_EQ(failed.GetObjectID(), "EMP-4");
  ASSERT_TRUE(failed.HasException());
  base::VException e = failed.GetException();
  EXPECT_EQ(e.GetCode(), base::VException::kDomain);
  EXPECT_EQ(e.GetMessage(), L"employee 1004 has no date of entry");
  EXPECT_FALSE(failed.GetEmployee().GetStateOfValuation());

  // The search sees the new states.
  EmployeeFilter failed_state;
  failed_state.SetStateOfValuation(false);
  Filters f{failed_state};
  EXPECT_EQ(Oids(*Own(Employee::GetEmployees(f.get(), base::Sortierung()))),
            (std::vector<std::string>{"EMP-4"}));
}

TEST_F(EmployeeTest, ACalculationIntoJournalizedMonthsJoinsTheRetroactiveQueueOnce) {
  EXPECT_EQ(Queue()->size(), 3u);
  Calculate("EMP-1", VDate(1, 0, 2024));  // journalized until 29.02.2024
  Calculate("EMP-1", VDate(1, 0, 2024));

  auto results = AfterCalculate();
  ASSERT_EQ(results->size(), 1u);  // the latest result per employee
  EXPECT_EQ((*results)[0]->GetDateOfReverseProjection(), VDate(1, 0, 2024));

  auto queue = Queue();
  ASSERT_EQ(queue->size(), 4u);
  EmployeeWaitForCalculate const& added = *queue->back();
  EXPECT_EQ(added.GetObjectID(), "WFC-4");
  EXPECT_EQ(added.GetEeAddOnStruct().GetEmployeeRoot().GetObjectid(), "EMP-1");
  EXPECT_EQ(added.GetEeAddOnStruct().GetSurname(), L"Müller");
  EXPECT_EQ(added.GetEffectiveFromOfCalculationCase(), VDate(1, 0, 2024));
  EXPECT_EQ(added.GetCreatedBY(), "test");
  EXPECT_TRUE(added.GetCreatedOn().IsValid());
  EXPECT_TRUE(added.GetCalculateNecessary());
  EXPECT_TRUE(added.GetDeselectionIsAllowed());
}

TEST_F(EmployeeTest, CalculateExtendCalculatesTheSecondEmployeeToo) {
  EmployeeForCalculateExtend e;
  e.SetOidEmployee("EMP-5");
  e.SetCalculateValidFrom(VDate(1, 1, 2024));
  e.SetOidEmployeeCalculate("EMP-7");
  std::vector<EmployeeForCalculateExtend*> run = {&e};
  Employee::CalculateExtend(&run);
  EXPECT_EQ(CallsOf("calculateExtend").at(0).arguments, (Args{L"EMP-5:2024-02-01:EMP-7"}));
  auto results = AfterCalculate();
  ASSERT_EQ(results->size(), 2u);
  EXPECT_EQ((*results)[0]->GetObjectID(), "EMP-5");
  EXPECT_EQ((*results)[1]->GetObjectID(), "EMP-7");
}

TEST_F(EmployeeTest, ACalculationWithAnUnknownEmployeeChangesNothing) {
  auto ok = ForCalculate("EMP-1", VDate(1, 2, 2024));
  auto unknown = ForCalculate("EMP-42", VDate(1, 2, 2024));
  std::vector<EmployeeForCalculate*> run = {ok.get(), unknown.get()};
  base::VException e = Raised([&] { Employee::Calculate(&run); });
  EXPECT_EQ(e.GetCode(), base::VException::kPersistency);
  EXPECT_EQ(e.GetMessage(), L"unknown object id 'EMP-42'");
  EXPECT_TRUE(AfterCalculate()->empty());

  InjectFault("calculate", ref::RAISE_APPLICATION_LAYER, L"Abrechnung läuft bereits");
  run.pop_back();
  e = Raised([&] { Employee::Calculate(&run); });
  EXPECT_EQ(e.GetMessage(), L"Abrechnung läuft bereits");
  EXPECT_TRUE(AfterCalculate()->empty());
}

TEST_F(EmployeeTest, RestoreInValuationEndsTheValuation) {
  EmployeeFilter in_valuation;
  in_valuation.SetInValuation(true);
  Filters f{in_valuation};
  auto before = Own(Employee::GetEmployees(f.get(), base::Sortierung()));
  ASSERT_EQ(Oids(*before), (std::vector<std::string>{"EMP-6"}));
  long const version = (*before)[0]->GetEe().GetEeShort().GetVersion();

  EmployeeRoot root;
  root.SetObjectid("EMP-6");
  root.SetOidPCompany("C-2");
  std::vector<EmployeeRoot*> roots = {&root};
  Employee::RestoreInValuation(&roots);
  EXPECT_EQ(CallsOf("restoreInValuation").at(0).arguments, (Args{L"EMP-6"}));

  EXPECT_TRUE(Own(Employee::GetEmployees(f.get(), base::Sortierung()))->empty());
  Employee after = Employee::GetEmployeeExtended("EMP-6").GetEe();
  EXPECT_TRUE(after.GetValuationEffectiveFrom().IsEmpty());
  EXPECT_GT(after.GetEeShort().GetVersion(), version);
}

// --- retroactive queue ----------------------------------------------------------------

TEST_F(EmployeeTest, TheQueueFiltersByEmployeeAndSorts) {
  auto c2 = Queue({Company("C-2")}, SortBy("effectiveFromOfCalculationCase", true));
  ASSERT_EQ(c2->size(), 2u);
  EXPECT_EQ((*c2)[0]->GetObjectID(), "WFC-3");
  EXPECT_EQ((*c2)[0]->GetEeAddOnStruct().GetFirstname(), L"Łukasz");
  EXPECT_EQ((*c2)[0]->GetInitiateObjectType(), bt::INITIATED_BY_COMPANY);
  EXPECT_EQ((*c2)[1]->GetObjectID(), "WFC-2");
  EXPECT_FALSE((*c2)[1]->GetDeselectionIsAllowed());
  EXPECT_EQ((*c2)[1]->GetCreatedOn().ToIdl(), "2024-02-20T14:00:00");
}

TEST_F(EmployeeTest, DeselectionMarksTheEntryAndFiltersSeeIt) {
  auto queue = Queue({Company("C-1")});
  ASSERT_EQ(queue->size(), 1u);
  std::vector<EmployeeWaitForCalculate*> entries = {(*queue)[0]};
  Employee::DeselectionOfRetroactiveCalculation("C-1", &entries);
  EXPECT_EQ(CallsOf("deselectionOfRetroactiveCalculation").at(0).arguments,
            (Args{L"C-1", L"WFC-1"}));

  EmployeeFilter deselected;
  deselected.SetDeselected(true);
  auto marked = Queue({deselected});
  ASSERT_EQ(marked->size(), 1u);
  EXPECT_EQ((*marked)[0]->GetObjectID(), "WFC-1");
  EXPECT_FALSE((*marked)[0]->GetCalculateNecessary());
  EXPECT_EQ((*marked)[0]->GetDeselectBy(), "test");
  EXPECT_TRUE((*marked)[0]->GetDeselectOn().IsValid());

  EmployeeFilter pending;
  pending.SetDeselected(false);
  EXPECT_EQ(Queue({pending})->size(), 2u);
  // The employee search knows who has a deselected entry.
  Filters f{deselected};
  EXPECT_EQ(Oids(*Own(Employee::GetEmployees(f.get(), base::Sortierung()))),
            (std::vector<std::string>{"EMP-2"}));
}

TEST_F(EmployeeTest, DeselectionIsAllOrNothing) {
  auto c2 = Queue({Company("C-2")});  // WFC-2 may not be deselected, WFC-3 may
  ASSERT_EQ(c2->size(), 2u);
  std::vector<EmployeeWaitForCalculate*> both = {(*c2)[1], (*c2)[0]};
  base::VException e = Raised([&] { Employee::DeselectionOfRetroactiveCalculation("C-2", &both); });
  EXPECT_EQ(e.GetCode(), base::VException::kDomain);
  EXPECT_EQ(e.GetMessage(), L"deselection of entry 'WFC-2' is not allowed");

  std::vector<EmployeeWaitForCalculate*> allowed = {(*c2)[1]};
  e = Raised([&] { Employee::DeselectionOfRetroactiveCalculation("C-1", &allowed); });
  EXPECT_EQ(e.GetMessage(), L"entry 'WFC-3' does not belong to company 'C-1'");

  EmployeeFilter deselected;
  deselected.SetDeselected(true);
  EXPECT_TRUE(Queue({deselected})->empty());
}

// --- journalizing and check-up -------------------------------------------------------

TEST_F(EmployeeTest, JournalizingMovesTheDatesAndReportsEachEmployee) {
  EmployeeExtended emp1 = Employee::GetEmployeeExtended("EMP-1");
  EmployeeExtended emp4 = Employee::GetEmployeeExtended("EMP-4");
  std::vector<EmployeeExtended*> run = {&emp1, &emp4};
  EXPECT_EQ(
      Lines(Employee::SetJournalize(&run)),
      (Args{L"Journalizing of 2 employees", L"1001 Müller, Jürgen: journalized until 31.03.2024",
            L"1004 Weiß, Zoë: skipped, nothing to journalize", L"Journalized: 1, skipped: 1"}));
  EXPECT_EQ(CallsOf("setJournalize").at(0).arguments, (Args{L"EMP-1:2024-03-31", L"EMP-4:"}));

  EmployeeExtended after = Employee::GetEmployeeExtended("EMP-1");
  EXPECT_EQ(after.GetEe().GetEeShort().GetJournalizedUntil(), VDate(31, 2, 2024));
  EXPECT_EQ(after.GetNextJournalizing(), VDate(30, 3, 2024));

  // The date the client sends wins over the stored one.
  after.SetNextJournalizing(VDate(29, 1, 2024));
  std::vector<EmployeeExtended*> again = {&after};
  EXPECT_EQ(Lines(Employee::SetJournalize(&again)).at(1),
            L"1001 Müller, Jürgen: skipped, already journalized until 31.03.2024");
}

TEST_F(EmployeeTest, JournalizingByFilterLeavesOneDate) {
  Filters c2{Company("C-2")};
  std::unique_ptr<std::vector<std::string>> dates(Employee::GetDifferentJournalizeDates(nullptr));
  EXPECT_EQ(*dates, (std::vector<std::string>{"2024-01-31", "2024-02-29"}));
  EXPECT_EQ(CallsOf("getDifferentJournalizeDates").at(0).arguments, (Args{L"[0]"}));

  std::vector<std::wstring> lines = Lines(Employee::SetJournalizeWithFilter(c2.get()));
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[1], L"2001 Nowak, Łukasz: journalized until 29.02.2024");
  EXPECT_EQ(lines[3], L"1001 Yılmaz, Ayşe: journalized until 29.02.2024");
  EXPECT_EQ(lines[4], L"Journalized: 3, skipped: 0");

  dates.reset(Employee::GetDifferentJournalizeDates(c2.get()));
  EXPECT_EQ(*dates, (std::vector<std::string>{"2024-02-29"}));
  // Journalizing ends the valuation of EMP-6.
  EXPECT_FALSE(Employee::GetEmployeeExtended("EMP-6").GetEe().GetInValuation());
}

TEST_F(EmployeeTest, AFailedCalculationBlocksJournalizing) {
  Calculate("EMP-4", VDate(1, 2, 2024));
  EmployeeExtended emp4 = Employee::GetEmployeeExtended("EMP-4");
  emp4.SetNextJournalizing(VDate(31, 2, 2024));
  std::vector<EmployeeExtended*> run = {&emp4};
  EXPECT_EQ(Lines(Employee::SetJournalize(&run)).at(1),
            L"1004 Weiß, Zoë: skipped, last calculation failed");
}

TEST_F(EmployeeTest, AReportRunThatFailsRaisesAtOnce) {
  EmployeeExtended ghost;
  EmployeeShort s = ghost.GetEe().GetEeShort();
  s.SetObjectid("EMP-99");
  Employee e = ghost.GetEe();
  e.SetEeShort(s);
  ghost.SetEe(e);
  std::vector<EmployeeExtended*> run = {&ghost};
  base::VException x = Raised([&] { Employee::SetJournalize(&run); });
  EXPECT_EQ(x.GetMessage(), L"unknown object id 'EMP-99'");

  InjectFault("setJournalizeWithFilter", ref::RAISE_DOMAIN, L"Periode gesperrt");
  x = Raised([] { Employee::SetJournalizeWithFilter(nullptr); });
  EXPECT_EQ(x.GetCode(), base::VException::kDomain);
  EXPECT_EQ(x.GetMessage(), L"Periode gesperrt");
  // Nothing was journalized.
  EXPECT_EQ(Employee::GetEmployeeExtended("EMP-5").GetEe().GetEeShort().GetJournalizedUntil(),
            VDate(31, 0, 2024));
}

TEST_F(EmployeeTest, CheckUpReportsAndRecordsTheFindings) {
  Calculate("EMP-4", VDate(1, 2, 2024));
  std::vector<std::wstring> lines = Lines(Employee::EmployeeCheckUpWithCallback("C-1"));
  EXPECT_EQ(lines,
            (Args{L"Check of company C-1: 4 employees", L"1001 Müller, Jürgen: ok",
                  L"1002 Schäfer, Anna-Lena: ok", L"1003 Øberg, Søren: ok",
                  L"1004 Weiß, Zoë: error: no date of entry; warning: last calculation failed",
                  L"Errors: 1, warnings: 1"}));
  EXPECT_EQ(CallsOf("EmployeeCheckUpWithCallback").at(0).arguments, (Args{L"C-1"}));

  EmployeeExtended emp4 = Employee::GetEmployeeExtended("EMP-4");
  EXPECT_FALSE(emp4.GetStateOfLastCheck());
  EXPECT_EQ(emp4.GetWarningStateOfCheck(), 1);
  VDate const today = VDate::Today();
  EXPECT_TRUE(emp4.GetLastCheck() >= today.AddDays(-1) && emp4.GetLastCheck() <= today.AddDays(1));
  EXPECT_TRUE(Employee::GetEmployeeExtended("EMP-1").GetStateOfLastCheck());
  // Other companies are not checked.
  EXPECT_TRUE(Employee::GetEmployeeExtended("EMP-5").GetLastCheck().IsEmpty());

  base::VException e = Raised([] { Employee::EmployeeCheckUpWithCallback("C-9"); });
  EXPECT_EQ(e.GetCode(), base::VException::kPersistency);
  EXPECT_EQ(e.GetMessage(), L"unknown company 'C-9'");
  e = Raised([] { Employee::EmployeeCheckUpWithCallback(""); });
  EXPECT_EQ(e.GetCode(), base::VException::kApplicationLayer);
}

// --- look-ups -------------------------------------------------------------------------

TEST_F(EmployeeTest, GrossInformationSendsTheDatesInOrder) {
  auto gross = Own(Employee::GetGrossInformation("EMP-1", VDate(15, 1, 2024), VDate(1, 2, 2024)));
  EXPECT_EQ(CallsOf("getGrossInformation").at(0).arguments,
            (Args{L"EMP-1", L"2024-02-15", L"2024-03-01"}));
  std::vector<long> keys;
  for (EEValuePosition const* p : *gross) keys.push_back(p->GetValueTypeKey());
  ASSERT_EQ(keys, (std::vector<long>{1000, 1100, 1500, 3000}));
  EXPECT_EQ(gross->back()->GetResult().ToIdl(), "6025.00");
  EXPECT_EQ(gross->back()->GetEffectiveFrom(), VDate(1, 1, 2024));

  // Valid only from its month on.
  EXPECT_TRUE(
      Own(Employee::GetGrossInformation("EMP-1", VDate(15, 1, 2024), VDate(31, 0, 2024)))->empty());
  base::VException e = Raised([] { Employee::GetGrossInformation("EMP-99", VDate(), VDate()); });
  EXPECT_EQ(e.GetMessage(), L"unknown object id 'EMP-99'");
}

TEST_F(EmployeeTest, InsuranceDefaultsAndSuccessorFlag) {
  ForInitialiseOfInsurance emp2 = Employee::GetInitialiseOfInsurance("EMP-2");
  EXPECT_TRUE(emp2.GetInsolvencyDuty());
  EXPECT_TRUE(emp2.GetERPaysNISurcharge());
  EXPECT_EQ(emp2.GetObjectID(), "");
  ForInitialiseOfInsurance emp5 = Employee::GetInitialiseOfInsurance("EMP-5");
  EXPECT_FALSE(emp5.GetInsolvencyDuty());
  EXPECT_FALSE(emp5.GetERPaysNISurcharge());

  EXPECT_TRUE(Employee::IsEESuccessor("EMP-5"));
  EXPECT_FALSE(Employee::IsEESuccessor("EMP-1"));
  EXPECT_EQ(CallsOf("isSuccessor").size(), 2u);
  EXPECT_EQ(Raised([] { Employee::IsEESuccessor("EMP-99"); }).GetCode(),
            base::VException::kPersistency);
}

TEST_F(EmployeeTest, ReportSelections) {
  ReportFirstFilter first;
  first.SetOidPCompany("C-1");
  first.SetFromPersonnelNumber(1002);
  auto from_1002 = Own(Employee::GetEmployeesFromReportFirst(first));
  std::vector<std::string> oids;
  for (EmployeeShort const* s : *from_1002) oids.push_back(s->GetObjectID());
  EXPECT_EQ(oids, (std::vector<std::string>{"EMP-2", "EMP-4"}));  // EMP-3 withdrew
  EXPECT_EQ(CallsOf("getEmployeesFromReportFirst").at(0).arguments,
            (Args{L"C-1", L"1002", L"0", L"0"}));

  ReportSecondFilter by_oid;
  by_oid.SetOidEmployee("EMP-6");
  ReportSecondFilter by_number;
  by_number.SetPersonnelNumber(1001);
  std::vector<ReportSecondFilter*> picked = {&by_oid, &by_number};
  auto second = Own(Employee::GetEmployeesFromReportSecond(&picked));
  oids.clear();
  for (EmployeeShort const* s : *second) oids.push_back(s->GetObjectID());
  EXPECT_EQ(oids, (std::vector<std::string>{"EMP-6", "EMP-1", "EMP-7"}));
  EXPECT_EQ(CallsOf("getEmployeesFromReportSecond").at(0).arguments,
            (Args{L"[2]", L"EMP-6:0", L":1001"}));

  std::vector<ReportSecondFilter*> none;
  EXPECT_TRUE(Own(Employee::GetEmployeesFromReportSecond(&none))->empty());
}

}  // namespace

// This binary runs no kind through the standard suite.
namespace testing {
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(StandardRecord);
}  // namespace testing
}  // namespace ostrel
