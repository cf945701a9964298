// Streamed results: a ...CB operation or a report run hands its result to a
// thread of its own, which delivers it to the client's callback in batches.
#ifndef OSTREL_SERVER_STREAMING_H_
#define OSTREL_SERVER_STREAMING_H_

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>

#include "faults.h"
#include "orb_setup.h"
#include "serverbase.hh"

namespace ostrel::server {

class Streamer {
 public:
  Streamer(int batch_size, int batch_delay_ms, bool quiet);
  ~Streamer();

  void SetBatchSize(int size) { batch_size_ = size; }
  void SetBatchDelay(int delay_ms) { batch_delay_ms_ = delay_ms; }
  int batch_size() const { return batch_size_; }
  int batch_delay_ms() const { return batch_delay_ms_; }

  // Delivers `data` to `callback` on a streaming thread: putData per batch,
  // then finished(); a stream fault changes the end (see reference.idl). A
  // client that fails or disappears ends its stream quietly; a callback
  // endpoint refused under TLS (see ExpectCallbackPeer) is logged, always.
  // Returns at once.
  template <class Callback, class Seq>
  void Send(typename Callback::_ptr_type callback, Seq data, std::optional<Fault> fault,
            std::string operation);

  // Stops every stream after its current delivery and joins the threads;
  // later streams are dropped.
  void Stop();

 private:
  // Runs job on a new thread, unless stopping.
  void Launch(std::function<void()> job);
  // Waits between two batches; false once stopping.
  bool Pause(int delay_ms);
  bool stopping() const;
  void Ended(const std::string& operation, const char* reason) const;
  // A callback this server refused to make: logged even when quiet.
  void Refused(const std::string& operation, CORBA::Object_ptr callback,
               const std::string& why) const;
  // Ends the stream as the fault says, after half of it was sent.
  static void Interrupt(com::ostrel::serverbase::query::AllCallback_ptr callback,
                        const Fault& fault);

  struct Worker {
    std::thread thread;
    std::shared_ptr<std::atomic<bool>> done;
  };

  std::atomic<int> batch_size_;
  std::atomic<int> batch_delay_ms_;
  const bool quiet_;
  mutable std::mutex mu_;
  std::condition_variable wake_;
  bool stopping_ = false;
  std::list<Worker> workers_;
};

template <class Callback, class Seq>
void Streamer::Send(typename Callback::_ptr_type callback, Seq data, std::optional<Fault> fault,
                    std::string operation) {
  auto ref = std::make_shared<typename Callback::_var_type>(Callback::_duplicate(callback));
  auto items = std::make_shared<Seq>(std::move(data));
  const CORBA::ULong batch = static_cast<CORBA::ULong>(std::max(1, batch_size()));
  const int delay_ms = batch_delay_ms();
  Launch([this, ref, items, batch, delay_ms, fault, operation] {
    const CORBA::ULong total = items->length();
    const CORBA::ULong batches = (total + batch - 1) / batch;
    const CORBA::ULong send = fault ? batches / 2 : batches;
    auto* buffer = total > 0 ? items->get_buffer() : nullptr;
    ExpectCallbackPeer(ref->in());
    try {
      for (CORBA::ULong b = 0; b < send; ++b) {
        if ((b > 0 && !Pause(delay_ms)) || stopping()) return Ended(operation, "server stopping");
        const CORBA::ULong first = b * batch;
        const CORBA::ULong n = std::min(batch, total - first);
        // A view into the result, not a copy.
        const Seq part(n, n, buffer + first, false);
        (*ref)->putData(part);
      }
      if (fault) return Interrupt(ref->in(), *fault);
      (*ref)->finished();
    } catch (const com::ostrel::serverbase::query::PutDataException&) {
      Ended(operation, "client raised PutDataException");
    } catch (const CORBA::SystemException& e) {
      const std::string refused = TakeCallbackRefusal();
      if (!refused.empty()) return Refused(operation, ref->in(), refused);
      Ended(operation, e._name());
    } catch (const CORBA::Exception& e) {
      Ended(operation, e._name());
    }
  });
}

}  // namespace ostrel::server

#endif  // OSTREL_SERVER_STREAMING_H_
