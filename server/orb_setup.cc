#include "orb_setup.h"

#include <omniORB4/IIOP.h>
#include <omniORB4/omniIOR.h>

namespace ostrel::server {

CORBA::ORB_ptr InitOrb(int port, bool quiet) {
  const std::string endpoint = "giop:tcp:127.0.0.1:" + (port > 0 ? std::to_string(port) : "");
  // Wide text is UTF-16 code units (surrogate pairs for characters outside
  // the BMP) on both sides: this ORB writes wrong lengths under UCS-4.
  const char* options[][2] = {{"nativeCharCodeSet", "UTF-8"},
                              {"nativeWCharCodeSet", "UTF-16"},
                              {"giopMaxMsgSize", "67108864"},
                              {"endPoint", endpoint.c_str()},
                              // A client that hangs in a callback cannot hold its stream forever.
                              {"clientCallTimeOutPeriod", "10000"},
                              {"clientConnectTimeOutPeriod", "5000"},
                              // One thread per connection, and more for concurrent calls on one.
                              {"threadPerConnectionPolicy", "1"},
                              {"maxServerThreadPerConnection", "16"},
                              {"maxServerThreadPoolSize", "128"},
                              {"traceLevel", quiet ? "0" : "1"},
                              {nullptr, nullptr}};
  // No command-line ORB arguments: they could add a second endpoint.
  int argc = 1;
  char name[] = "reference_server";
  char* argv[] = {name, nullptr};
  return CORBA::ORB_init(argc, argv, "omniORB4", options);
}

PortableServer::POA_ptr NamedAdapter(CORBA::ORB_ptr orb) {
  CORBA::Object_var obj = orb->resolve_initial_references("omniINSPOA");
  return PortableServer::POA::_narrow(obj);
}

CORBA::Object_ptr ActivateNamed(PortableServer::POA_ptr named, const std::string& name,
                                PortableServer::Servant servant) {
  PortableServer::ObjectId_var id = PortableServer::string_to_ObjectId(name.c_str());
  named->activate_object_with_id(id, servant);
  servant->_remove_ref();
  return named->id_to_reference(id);
}

int ListeningPort(CORBA::Object_ptr ref) {
  omniIOR* ior = ref->_PR_getobj()->_getIOR();
  int port = -1;
  const IOP::TaggedProfileList& profiles = ior->iopProfiles();
  for (CORBA::ULong i = 0; i < profiles.length() && port < 0; ++i) {
    if (profiles[i].tag != IOP::TAG_INTERNET_IOP) continue;
    IIOP::ProfileBody body;
    IIOP::unmarshalProfile(profiles[i], body);
    port = body.address.port;
  }
  ior->release();
  return port;
}

}  // namespace ostrel::server
