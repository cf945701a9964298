// What every record kind's servant does before its own work: check the
// token, log the call, apply injected faults. Plus the text forms of the
// arguments in the call log.
#ifndef OSTREL_SERVER_RECORD_SERVANT_H_
#define OSTREL_SERVER_RECORD_SERVANT_H_

#include <optional>
#include <string>
#include <type_traits>
#include <utility>

#include "call_log.h"
#include "core.h"
#include "faults.h"
#include "idl_model.h"
#include "record_layout.h"
#include "serverbase.hh"
#include "text.h"
#include "wire_check.h"

namespace ostrel::server {

// Arguments as the call log shows them.
std::wstring Arg(const char* text);
std::wstring Arg(const CORBA::WChar* text);
std::wstring Arg(CORBA::Long number);
std::wstring Arg(bool flag);
// "key asc,amount desc"
std::wstring Arg(const com::ostrel::serverbase::query::SortierungStruct& sort);
// An identity as its object id, "<new>" while it has none.
std::wstring IdArg(const ObjectStruct& id);
// A record struct as its root object id.
template <class Struct>
std::wstring RecordArg(const Struct& s) {
  return IdArg(::ostrel::RecordLayout<Struct>::RootIdentity(s));
}
// A sequence (filters) as its length in brackets: "[2]".
template <class Seq>
std::wstring CountArg(const Seq& seq) {
  return L"[" + std::to_wstring(seq.length()) + L"]";
}

// An argument as the call log shows it, chosen by its C++ type: texts and
// numbers as they are, a sort order by its keys, a sequence as its length, a
// struct by its identity (objectStruct) where it has one.
namespace log_detail {
template <class T, class = void>
struct HasLength : std::false_type {};
template <class T>
struct HasLength<T, std::void_t<decltype(std::declval<const T&>().length())>> : std::true_type {};
template <class T, class = void>
struct HasIdentity : std::false_type {};
template <class T>
struct HasIdentity<T, std::void_t<decltype(std::declval<const T&>().objectStruct)>>
    : std::true_type {};
}  // namespace log_detail

template <class T>
std::optional<std::wstring> LogArg(const T& v) {
  if constexpr (std::is_same_v<T, const char*> || std::is_same_v<T, char*> ||
                std::is_same_v<T, const CORBA::WChar*> || std::is_same_v<T, bool> ||
                std::is_same_v<T, CORBA::Long>) {
    return Arg(v);
  } else if constexpr (std::is_enum_v<T>) {
    return Arg(static_cast<CORBA::Long>(v));
  } else if constexpr (std::is_same_v<T, com::ostrel::serverbase::query::SortierungStruct>) {
    return Arg(v);
  } else if constexpr (log_detail::HasLength<T>::value) {
    return CountArg(v);
  } else if constexpr (log_detail::HasIdentity<T>::value) {
    return IdArg(v.objectStruct);
  } else {
    return std::nullopt;  // object references (callbacks) are not logged
  }
}

class RecordServant {
 public:
  explicit RecordServant(Core& core) : core_(core) {}
  virtual ~RecordServant() = default;

 protected:
  // Raises AccessDeniedException for a bad token, logs the call, applies the
  // injected faults; returns the caller's user id.
  std::wstring Enter(AccessToken_ptr token, const char* operation, CallArgs args);
  // The same, then every received struct, sequence and DateArg/FixedArg is
  // checked for wire texts (wire_check.h) before the servant's own work.
  template <class... Received>
  std::wstring Enter(AccessToken_ptr token, const char* operation, CallArgs args,
                     const Received&... received) {
    std::wstring user = Enter(token, operation, std::move(args));
    (CheckReceived(operation, received), ...);
    return user;
  }

  // The same, driven by the operation's generated descriptor
  // (ops::<Interface>::<operation>, see idl_model.h): `args` are the
  // operation's arguments after the token, in declaration order. Each is
  // logged by LogArg; each text the IDL declares DateText, FixedText or
  // StampText is checked by its kind under its parameter name, each struct
  // and sequence by its wire texts.
  template <class Op, class... Args>
  std::wstring Enter(AccessToken_ptr token, Op, const Args&... args) {
    std::wstring user = Enter(token, Op::kName, LoggedArgs(args...));
    CheckDeclared<Op>(std::index_sequence_for<Args...>{}, args...);
    return user;
  }

  // The same for a streamed operation; keeps the stream fault for Stream().
  struct StreamCall {
    std::wstring user;
    std::string operation;
    std::optional<Fault> fault;
  };
  StreamCall EnterStream(AccessToken_ptr token, const char* operation, CallArgs args);
  template <class... Received>
  StreamCall EnterStream(AccessToken_ptr token, const char* operation, CallArgs args,
                         const Received&... received) {
    StreamCall call = EnterStream(token, operation, std::move(args));
    (CheckReceived(operation, received), ...);
    return call;
  }

  template <class Op, class... Args>
  StreamCall EnterStream(AccessToken_ptr token, Op, const Args&... args) {
    StreamCall call = EnterStream(token, Op::kName, LoggedArgs(args...));
    CheckDeclared<Op>(std::index_sequence_for<Args...>{}, args...);
    return call;
  }

  // Hands the result to a streaming thread; returns at once.
  template <class Callback, class Seq>
  void Stream(typename Callback::_ptr_type callback, Seq data, const StreamCall& call) {
    core_.streamer().Send<Callback>(callback, std::move(data), call.fault, call.operation);
  }

  Core& core_;

 private:
  template <class... Args>
  static CallArgs LoggedArgs(const Args&... args) {
    CallArgs out;
    auto add = [&out](std::optional<std::wstring> a) {
      if (a) out.push_back(std::move(*a));
    };
    (add(LogArg(args)), ...);
    return out;
  }
  template <class Op, std::size_t... I, class... Args>
  static void CheckDeclared(std::index_sequence<I...>, const Args&... args) {
    static_assert(Op::kParamCount == sizeof...(Args) + 1 &&
                      Op::kParams[0].kind == ::ostrel::idl::Kind::kObject,
                  "an operation's arguments after its access token");
    (CheckDeclaredParam<Op::kParams[I + 1].kind>(Op::kName, Op::kParams[I + 1].name, args), ...);
  }
  template <::ostrel::idl::Kind K, class T>
  static void CheckDeclaredParam(const char* operation, const char* name, const T& arg) {
    using ::ostrel::idl::Kind;
    if constexpr (K == Kind::kDate || K == Kind::kFixed || K == Kind::kStamp) {
      static_assert(std::is_convertible_v<T, const char*>, "a text parameter");
      const TextKind kind = K == Kind::kDate    ? TextKind::kDate
                            : K == Kind::kFixed ? TextKind::kFixed
                                                : TextKind::kTimestamp;
      CheckText(operation, name, kind, arg);
    } else if constexpr (K == Kind::kStruct || K == Kind::kSequence || K == Kind::kUnion) {
      CheckReceived(operation, arg);
    } else {
      (void)operation, (void)name, (void)arg;
    }
  }

  std::optional<Fault> Admit(AccessToken_ptr token, const char* operation, CallArgs args,
                             bool streamed, std::wstring& user);
};

}  // namespace ostrel::server

#endif  // OSTREL_SERVER_RECORD_SERVANT_H_
