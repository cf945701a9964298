// The payroll result lines (value positions) of the reference server, for the
// servants that answer with them (value positions, gross information).
//
// Seeded after the employees for every employee with a date of entry, for the
// months January and February 2024 (EMP-3, withdrawn, January only). Per month
// and employee, with `bezug` "EE" (employee side) or "ER" (employer side):
//   1000 base salary, 1100 overtime        -> feed 3000
//   1200 piece-work wage (EMP-2 only)      -> feeds 3000; production fields set
//   1500 one-off bonus (user position: document number and date set;
//        EMP-1, EMP-5, EMP-7 in February)  -> feeds 3000
//   3000 total gross                       -> feeds 9000
//   4000 income tax (20 % of gross)        -> feeds 9000
//   9000 payout (gross - tax)
//   5000 employer's pension share (9.3 %)  -> feeds 5900            (ER)
//   5900 employer's total cost (gross + 5000)                       (ER)
// "A feeds B" means A.oidParentObject is B's object id: A is one of B's
// causers, and B (with B's own parents in turn) is A's consequence.
// oidGenesisObject names the record a position came from (for example the
// fixed payment "FP-<employee>") and is not followed. Object ids are "VP-<n>"
// in seed order. Every position is valid from its month's first day to
// 2099-12-31.
#ifndef OSTREL_SERVER_KINDS_VALUE_POSITIONS_H_
#define OSTREL_SERVER_KINDS_VALUE_POSITIONS_H_

#include <string>
#include <vector>

#include "valueposition.hh"

namespace ostrel::server {

class Core;

inline constexpr int kValuePositionSeedOrder = -90;

// An employee's positions in seed order (month, then the order above).
std::vector<com::ostrel::personnel::domain::employee::valueposition::ValuePositionStruct>
ValuePositionsOf(Core& core, const std::string& oidEmployee);

}  // namespace ostrel::server

#endif  // OSTREL_SERVER_KINDS_VALUE_POSITIONS_H_
