// Note: a dated free-text note on an employee.
#ifndef OSTREL_PERSONNEL_NOTE_H_
#define OSTREL_PERSONNEL_NOTE_H_

#include <string>

#include "bo.h"
#include "personnel.hh"
#include "vdate.h"

namespace ostrel {
namespace personnel {

// A default Note is all empty (its date is the empty text). Every
// constructor takes the saved value, so ResetBo() returns to the constructed
// state.
class Note : public base::BO<com::ostrel::personnel::framework::basictypes::NoteStruct> {
 public:
  Note();
  explicit Note(StructType const& s);
  Note(Note const& o);
  Note& operator=(Note const&) = default;

  base::VDate GetNoteDate() const;
  std::wstring GetSubject() const;
  std::wstring GetText() const;

  void SetNoteDate(base::VDate const& v);
  void SetSubject(std::wstring const& v);
  void SetText(std::wstring const& v);
};

}  // namespace personnel
}  // namespace ostrel

#endif  // OSTREL_PERSONNEL_NOTE_H_
