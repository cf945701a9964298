// The control servant: lets tests inject faults, read the call log, reset
// the stores, tune streaming and stop the server.
#ifndef OSTREL_SERVER_CONTROL_H_
#define OSTREL_SERVER_CONTROL_H_

#include "core.h"
#include "reference.hh"

namespace ostrel::server {

class ControlServantImpl : public POA_com::ostrel::reference::ControlServant {
 public:
  explicit ControlServantImpl(Core& core) : core_(core) {}

  void injectFault(const com::ostrel::reference::FaultStruct& fault) override;
  void clearFaults() override;
  com::ostrel::reference::CallSeq* calls() override;
  void clearCalls() override;
  void reset() override;
  void setBatchSize(CORBA::Long size) override;
  void setBatchDelay(CORBA::Long delayMs) override;
  void shutdown() override;
  char* referenceAddress(CORBA::Object_ptr target) override;
  void reportStreamFailure(
      com::ostrel::serverbase::query::AllCallback_ptr target,
      const com::ostrel::serverbase::query::DatabaseExceptionStruct& failure) override;
  void reportStreamDomainFailure(
      com::ostrel::serverbase::query::AllCallback_ptr target,
      const com::ostrel::serverbase::applicationexception::DomainExceptionStruct& failure) override;
  com::ostrel::serverbase::applicationexception::optException* echoFailure(
      const com::ostrel::serverbase::applicationexception::optException& failure) override;

 private:
  Core& core_;
};

}  // namespace ostrel::server

#endif  // OSTREL_SERVER_CONTROL_H_
