// The demo's walk through the record kinds, against the application server
// named by OSTREL_SERVER, logged in as OSTREL_USER / OSTREL_PASSWORD.
//
// Each record kind (or a few that belong together) has a file of its own in
// this folder with one or more steps; a step registers itself with its
// place in the walk, and the walk runs the steps in ascending place. A step
// notes what it did with each record kind it touched (Walk::Touch); the walk
// ends with a table of them and the line "walk complete: N record kinds".
//
// Every list result and callback object goes straight into TakeOwnership,
// so nothing in the walk is freed by hand.
#ifndef OSTREL_EXAMPLES_DEMO_WALK_H_
#define OSTREL_EXAMPLES_DEMO_WALK_H_

#include <iostream>
#include <string>
#include <vector>

#include "employee/employee.h"
#include "ownership.h"
#include "sortierung.h"
#include "string_converter.h"
#include "vdate.h"
#include "vexception.h"
#include "vfixed.h"

namespace demo {

// What every step uses.
using ostrel::TakeOwnership;
using ostrel::base::Sortierung;
using ostrel::base::VDate;
using ostrel::base::VException;
using ostrel::base::VFixed;

class Walk {
 public:
  // Notes, for the closing table, which operations a step called on a record
  // kind and what came of them.
  void Touch(std::string kind, std::string operations, std::string result);

  // Runs every registered step in order, then prints the table.
  void Run();

 private:
  struct Touched {
    std::string kind;
    std::string operations;
    std::string result;
  };
  std::vector<Touched> touched_;
};

using Step = void (*)(Walk&);

// Registers a step at `place` (ascending; steps of one place run in the
// order their files were linked). A static object of a step's file:
//   demo::Register enter_leave(300, EnterAbsentTime);
struct Register {
  Register(int place, Step step);
};

// The names come as wide text; the terminal wants UTF-8.
inline std::string U8(std::wstring const& w) { return ostrel::base::StringConverter::Convert(w); }

// Unset dates show as "-".
inline std::string Date(ostrel::base::VDate const& d) { return d.IsValid() ? d.ToDisplay() : "-"; }

inline std::string Name(ostrel::EmployeeShort const& e) {
  return std::to_string(e.GetPersonnelNumber()) + " " + U8(e.GetSurname()) + ", " +
         U8(e.GetFirstname());
}

}  // namespace demo

#endif  // OSTREL_EXAMPLES_DEMO_WALK_H_
