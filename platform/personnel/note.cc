#include "note.h"

namespace ostrel {
namespace personnel {

Note::Note() { MakeBoCopy(); }

Note::Note(StructType const& s) : BO(s) { MakeBoCopy(); }

Note::Note(Note const& o) : BO(o) { MakeBoCopy(); }

base::VDate Note::GetNoteDate() const { return base::VDate(Value().noteDate.in()); }
std::wstring Note::GetSubject() const { return std::wstring(Value().subject.in()); }
std::wstring Note::GetText() const { return std::wstring(Value().text.in()); }

void Note::SetNoteDate(base::VDate const& v) { Value().noteDate = v.ToIdl().c_str(); }
void Note::SetSubject(std::wstring const& v) { Value().subject = v.c_str(); }
void Note::SetText(std::wstring const& v) { Value().text = v.c_str(); }

}  // namespace personnel
}  // namespace ostrel
