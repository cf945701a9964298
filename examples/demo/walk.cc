#include "walk.h"

#include <algorithm>
#include <iomanip>
#include <iostream>
#include <set>
#include <utility>

#include "ostrel.h"
#include "vexception.h"

namespace demo {
namespace {

struct Entry {
  int place;
  Step step;
};

// Filled by static objects of the step files, before main runs.
std::vector<Entry>& Steps() {
  static std::vector<Entry> steps;
  return steps;
}

}  // namespace

Register::Register(int place, Step step) { Steps().push_back({place, step}); }

void Walk::Touch(std::string kind, std::string operations, std::string result) {
  touched_.push_back({std::move(kind), std::move(operations), std::move(result)});
}

void Walk::Run() {
  std::vector<Entry> steps = Steps();
  std::stable_sort(steps.begin(), steps.end(),
                   [](Entry const& a, Entry const& b) { return a.place < b.place; });
  for (Entry const& e : steps) {
    e.step(*this);
    std::cout << "\n";
  }
  std::size_t width = 4;
  for (Touched const& t : touched_) width = std::max(width, t.kind.size());
  std::cout << std::left << std::setw(static_cast<int>(width)) << "kind"
            << "  operations -> result\n";
  std::set<std::string> kinds;
  for (Touched const& t : touched_) {
    std::cout << std::setw(static_cast<int>(width)) << t.kind << "  " << t.operations << " -> "
              << t.result << "\n";
    kinds.insert(t.kind);
  }
  std::cout << "walk complete: " << kinds.size() << " record kinds\n";
}

}  // namespace demo

int main() {
  try {
    ostrel::base::Ostrel* runtime = ostrel::base::Ostrel::Instance();
    runtime->Login();
    std::cout << "logged in as " << demo::U8(runtime->Config().user) << " at "
              << runtime->Config().host << ":" << runtime->Config().port << "\n\n";
    demo::Walk walk;
    walk.Run();
    runtime->Logout();
    return 0;
  } catch (ostrel::base::VException const& e) {
    std::cerr << "demo failed: " << e.what() << "\n";
    return 1;
  }
}
