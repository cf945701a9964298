// What every record kind's servant does before its own work: check the
// token, log the call, apply injected faults. Plus the text forms of the
// arguments in the call log.
#ifndef OSTREL_SERVER_RECORD_SERVANT_H_
#define OSTREL_SERVER_RECORD_SERVANT_H_

#include <optional>
#include <string>
#include <utility>

#include "call_log.h"
#include "core.h"
#include "faults.h"
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

  // Hands the result to a streaming thread; returns at once.
  template <class Callback, class Seq>
  void Stream(typename Callback::_ptr_type callback, Seq data, const StreamCall& call) {
    core_.streamer().Send<Callback>(callback, std::move(data), call.fault, call.operation);
  }

  Core& core_;

 private:
  std::optional<Fault> Admit(AccessToken_ptr token, const char* operation, CallArgs args,
                             bool streamed, std::wstring& user);
};

}  // namespace ostrel::server

#endif  // OSTREL_SERVER_RECORD_SERVANT_H_
