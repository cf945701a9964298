#include "control.h"

#include "orb_setup.h"

namespace ostrel::server {

void ControlServantImpl::injectFault(const com::ostrel::reference::FaultStruct& fault) {
  core_.faults().Add(fault);
}

void ControlServantImpl::clearFaults() { core_.faults().Clear(); }

com::ostrel::reference::CallSeq* ControlServantImpl::calls() { return core_.calls().Snapshot(); }

void ControlServantImpl::clearCalls() { core_.calls().Clear(); }

void ControlServantImpl::reset() { core_.Reset(); }

void ControlServantImpl::setBatchSize(CORBA::Long size) {
  if (size < 1) throw CORBA::BAD_PARAM(0, CORBA::COMPLETED_NO);
  core_.streamer().SetBatchSize(size);
}

void ControlServantImpl::setBatchDelay(CORBA::Long delayMs) {
  if (delayMs < 0) throw CORBA::BAD_PARAM(0, CORBA::COMPLETED_NO);
  core_.streamer().SetBatchDelay(delayMs);
}

// Only asks main to stop: shutting the ORB down from an upcall is not allowed
// to wait, and the streams must be joined first.
void ControlServantImpl::shutdown() { core_.RequestStop(); }

}  // namespace ostrel::server

namespace ostrel::server {

char* ControlServantImpl::referenceAddress(CORBA::Object_ptr target) {
  return CORBA::string_dup(ReferenceAddress(target).c_str());
}

void ControlServantImpl::reportStreamFailure(
    com::ostrel::serverbase::query::AllCallback_ptr target,
    const com::ostrel::serverbase::query::DatabaseExceptionStruct& failure) {
  target->setException(failure);
}

void ControlServantImpl::reportStreamDomainFailure(
    com::ostrel::serverbase::query::AllCallback_ptr target,
    const com::ostrel::serverbase::applicationexception::DomainExceptionStruct& failure) {
  target->setDomainException(failure);
}

com::ostrel::serverbase::applicationexception::optException* ControlServantImpl::echoFailure(
    const com::ostrel::serverbase::applicationexception::optException& failure) {
  return new com::ostrel::serverbase::applicationexception::optException(failure);
}

}  // namespace ostrel::server
