#include "record_servant.h"

#include <unistd.h>
#include <chrono>
#include <thread>

namespace ostrel::server {

namespace ax = com::ostrel::serverbase::applicationexception;
namespace ref = com::ostrel::reference;

std::wstring Arg(const char* text) { return Widen(text ? text : ""); }

std::wstring Arg(const CORBA::WChar* text) { return text ? text : L""; }

std::wstring Arg(CORBA::Long number) { return std::to_wstring(number); }

std::wstring Arg(bool flag) { return flag ? L"true" : L"false"; }

std::wstring Arg(const com::ostrel::serverbase::query::SortierungStruct& sort) {
  std::wstring out;
  for (CORBA::ULong i = 0; i < sort.keys.length(); ++i) {
    if (i > 0) out += L",";
    out += Widen(sort.keys[i].key.in());
    out +=
        sort.keys[i].direction == com::ostrel::serverbase::query::DESCENDING ? L" desc" : L" asc";
  }
  return out;
}

std::wstring IdArg(const ObjectStruct& id) {
  const char* oid = id.objectid.in();
  return *oid ? Widen(oid) : L"<new>";
}

std::wstring RecordServant::Enter(AccessToken_ptr token, const char* operation, CallArgs args) {
  std::wstring user;
  Admit(token, operation, std::move(args), false, user);
  return user;
}

RecordServant::StreamCall RecordServant::EnterStream(AccessToken_ptr token, const char* operation,
                                                     CallArgs args) {
  StreamCall call;
  call.operation = operation;
  call.fault = Admit(token, operation, std::move(args), true, call.user);
  return call;
}

std::optional<Fault> RecordServant::Admit(AccessToken_ptr token, const char* operation,
                                          CallArgs args, bool streamed, std::wstring& user) {
  user = core_.sessions().Check(token);
  core_.calls().Record(operation, std::move(args));
  std::optional<Fault> stream_fault;
  for (const Fault& f : core_.faults().Take(operation, streamed)) {
    const CORBA::WChar* message = f.message.c_str();
    switch (f.kind) {
      case ref::RAISE_ACCESS_DENIED:
        throw ax::AccessDeniedException(message);
      case ref::RAISE_APPLICATION_LAYER:
        throw ax::ApplicationLayerException(message);
      case ref::RAISE_PERSISTENCY:
        throw ax::PersistencyException(message);
      case ref::RAISE_DOMAIN:
        throw ax::DomainException(message);
      case ref::RAISE_SYSTEM:
        throw CORBA::TRANSIENT(f.minor, CORBA::COMPLETED_NO);
      case ref::DELAY:
        std::this_thread::sleep_for(std::chrono::milliseconds(f.delay_ms));
        break;
      case ref::EXIT_PROCESS:
        _exit(3);
      default:
        stream_fault = f;
        break;
    }
  }
  return stream_fault;
}

}  // namespace ostrel::server
