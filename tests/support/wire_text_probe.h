// Sends a struct through a raw stub once per declared text member (and per
// malformed form of it), with that one member malformed, and expects the
// server to refuse it naming the operation, the member and the text. The
// members come from the struct's WireTexts declaration, so a struct that
// declares nothing fails here instead of passing unchecked.
#ifndef OSTREL_TESTS_SUPPORT_WIRE_TEXT_PROBE_H_
#define OSTREL_TESTS_SUPPORT_WIRE_TEXT_PROBE_H_

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ostrel.h"
#include "serverbase.hh"
#include "string_converter.h"
#include "wire_texts.h"

namespace ostrel {
namespace testing {

// Texts a careless client might send, per kind of member.
inline std::vector<char const*> MalformedTexts(TextKind kind) {
  switch (kind) {
    case TextKind::kDate:
      return {"31.12.2099", "2099-02-30"};
    case TextKind::kFixed:
      return {"12,50", "1.2.3"};
    case TextKind::kTimestamp:
    default:
      return {"31.12.2099 10:00:00", "2099-12-31T25:00:00"};
  }
}

// How many (member, malformed text) probes ProbeWireTexts sent in this run.
inline int& ProbeCount() {
  static int count = 0;
  return count;
}

// `send(s)` calls one servant operation with `s` through the raw stub.
// `base` is a struct the operation would otherwise accept or refuse for
// other reasons: the text check must come first.
template <class Struct, class Send>
void ProbeWireTexts(char const* operation, Struct base, Send send) {
  GrowSequences(base);
  std::vector<std::pair<std::string, TextKind>> members;
  ForEachText(base, [&](std::string const& path, TextKind kind, auto const&) {
    members.emplace_back(path, kind);
  });
  ASSERT_FALSE(members.empty()) << operation << ": the struct declares no wire texts";
  for (std::size_t target = 0; target < members.size(); ++target) {
    for (char const* bad : MalformedTexts(members[target].second)) {
      Struct s = base;
      std::size_t at = 0;
      ForEachText(s, [&](std::string const&, TextKind, auto& member) {
        if (at++ == target) member = bad;
      });
      SCOPED_TRACE(std::string(operation) + " " + members[target].first + " = " + bad);
      ++ProbeCount();
      try {
        send(s);
        ADD_FAILURE() << "accepted";
      } catch (com::ostrel::serverbase::applicationexception::DomainException const& e) {
        std::string const message =
            base::StringConverter::Convert(base::StringConverter::JoinSurrogates(e.message.in()));
        EXPECT_NE(message.find(operation), std::string::npos) << message;
        EXPECT_NE(message.find(members[target].first + " '" + bad + "'"), std::string::npos)
            << message;
      } catch (CORBA::Exception const& e) {
        ADD_FAILURE() << "refused with " << e._name() << ", not DomainException";
      }
    }
  }
}

// A sequence of one element, for operations that receive a sequence.
template <class Seq, class S>
Seq One(S const& s) {
  Seq seq;
  seq.length(1);
  seq[0] = s;
  return seq;
}

// The token of the logged-in test user, for raw stub calls.
inline com::ostrel::serverbase::access::AccessToken_ptr RawToken() {
  return base::Ostrel::Instance()->GetAccessToken().in();
}

}  // namespace testing
}  // namespace ostrel

#endif  // OSTREL_TESTS_SUPPORT_WIRE_TEXT_PROBE_H_
