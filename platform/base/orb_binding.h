// Everything that depends on the particular ORB in use lives behind these
// functions, so that another ORB is a change of orb_binding.cc alone.
#ifndef OSTREL_BASE_ORB_BINDING_H_
#define OSTREL_BASE_ORB_BINDING_H_

#include <string>

#include "serverbase.hh"

namespace ostrel {
namespace base {
namespace orb_binding {

// Starts the client ORB: UTF-8 and UTF-16 code sets, large messages, a
// loopback endpoint for callbacks, and the per-call time-out. Activates the
// root POA so that callback objects can receive upcalls.
CORBA::ORB_ptr InitClientOrb(unsigned long call_timeout_ms);

// The text form of a reference to the object with the plain key `key` at
// host:port.
std::string ObjectUrl(std::string const& host, int port, char const* key);

}  // namespace orb_binding
}  // namespace base
}  // namespace ostrel

#endif  // OSTREL_BASE_ORB_BINDING_H_
