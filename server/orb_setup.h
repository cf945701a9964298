// Everything ORB-specific of the reference server.
#ifndef OSTREL_SERVER_ORB_SETUP_H_
#define OSTREL_SERVER_ORB_SETUP_H_

#include <string>

#include "serverbase.hh"

namespace ostrel::server {

// The ORB listening on 127.0.0.1:port only (port 0: any free port), with
// UTF-8/UTF-16 code sets, 64 MiB messages and a time-out for calls to
// clients' callbacks.
CORBA::ORB_ptr InitOrb(int port, bool quiet);

// The adapter whose object keys are the plain servant names.
PortableServer::POA_ptr NamedAdapter(CORBA::ORB_ptr orb);

// Activates servant under `name` as its object key; the adapter takes over
// the servant's reference. Returns the object's reference.
CORBA::Object_ptr ActivateNamed(PortableServer::POA_ptr named, const std::string& name,
                                PortableServer::Servant servant);

// The TCP port an object reference of this server points to.
int ListeningPort(CORBA::Object_ptr ref);

}  // namespace ostrel::server

#endif  // OSTREL_SERVER_ORB_SETUP_H_
