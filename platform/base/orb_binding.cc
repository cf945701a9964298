#include "orb_binding.h"

#include <string>

namespace ostrel {
namespace base {
namespace orb_binding {

CORBA::ORB_ptr InitClientOrb(unsigned long call_timeout_ms) {
  std::string const timeout = std::to_string(call_timeout_ms);
  // Code sets: corbaloc references carry no code-set information, so both
  // sides are told. Wide text is UTF-16 code units on both sides; the
  // business objects split characters outside the BMP into surrogate pairs
  // (StringConverter::SplitNonBmp) because this ORB mishandles UCS-4.
  char const* options[][2] = {{"nativeCharCodeSet", "UTF-8"},
                              {"nativeWCharCodeSet", "UTF-16"},
                              {"defaultWCharCodeSet", "UTF-16"},
                              {"giopMaxMsgSize", "67108864"},
                              {"endPoint", "giop:tcp:127.0.0.1:"},
                              {"clientCallTimeOutPeriod", timeout.c_str()},
                              {nullptr, nullptr}};
  int argc = 0;
  char* argv[] = {nullptr};
  CORBA::ORB_var orb = CORBA::ORB_init(argc, argv, "omniORB4", options);
  CORBA::Object_var obj = orb->resolve_initial_references("RootPOA");
  PortableServer::POA_var poa = PortableServer::POA::_narrow(obj);
  PortableServer::POAManager_var manager = poa->the_POAManager();
  manager->activate();
  return orb._retn();
}

std::string ObjectUrl(std::string const& host, int port, char const* key) {
  // GIOP 1.2: 1.0 cannot carry wide strings.
  return "corbaloc:iiop:1.2@" + host + ":" + std::to_string(port) + "/" + key;
}

}  // namespace orb_binding
}  // namespace base
}  // namespace ostrel
