// VCallback<BO, POA_Callback, Seq>: receiver of a streamed list query.
#ifndef OSTREL_FOUNDATION_VCALLBACK_H_
#define OSTREL_FOUNDATION_VCALLBACK_H_

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <queue>
#include <string>
#include <utility>
#include <vector>

#include "all_callback_impl.h"
#include "ostrel.h"
#include "serverbase.hh"
#include "setting.h"
#include "string_converter.h"
#include "vexception.h"
#include "vstring.h"

namespace ostrel {
namespace base {

using DatabaseExceptionStruct = com::ostrel::serverbase::query::DatabaseExceptionStruct;

// Told about a stream's progress. Every notification comes on an ORB thread,
// outside the callback object's lock; an observer must not delete the
// callback object from inside a notification.
class VCallbackObserver {
 public:
  virtual ~VCallbackObserver() = default;
  // A delivery from the server queued `count` objects; at the end of the
  // stream, the number still queued (when not zero).
  virtual void OnData(unsigned int /*count*/) {}
  virtual void OnUnused() {}
  // A delivery made by calling PutData() directly queued `count` objects.
  virtual void OnDirectData(unsigned int /*count*/) {}
  // The received count reached a multiple of the maximum hits.
  virtual void OnMaxHits(bool /*reached*/) {}
  // The stream ended after `received` objects.
  virtual void OnFinished(unsigned int /*received*/) {}
  // The server reported a failure; the callback object keeps ownership.
  virtual void OnException(VException* /*e*/) {}
};

// Receives the batches of one streamed query on an ORB thread and queues one
// new BO per received struct for the application, which takes them with
// Take() (the taker owns what it takes).
//
// Limit: with maximum hits n > 0, a delivery that would pass the next
// multiple of n is cut there; reaching it tells the observer (OnMaxHits) and
// ends the stream from this side, unless SetNoLimitStop(true). With n == 0
// there is no limit and only the server's finished() ends the stream.
//
// Without an observer, each delivery's size is kept in the batch queue and
// the end of the stream shows in IsFinished()/IsFailed(); WaitForEnd()
// blocks until one of them (or the limit) ends it.
//
// Ownership and lifetime: the application owns this object and deletes it
// whenever it likes, also mid-stream. What the ORB calls is a small
// reference-counted servant (_this() activates it under a random key that no
// other process can guess) that forwards into this object; it lives until
// the ORB lets go of it. Once the stream ended (finished, limit reached,
// no delivery in time) or the object is destroyed, the servant is off the
// POA: a later call on the reference is refused and changes nothing.
// Destruction waits for an upcall in progress, turns later ones away, ends
// the stream and frees every object still queued. A server that vanishes
// mid-stream leaves the object waiting: WaitForEnd() then returns false at
// its time-out. When by then nothing at all arrived although the stream
// started at least a call time-out ago (OSTREL_CALL_TIMEOUT_MS; a server
// that could not or would not call back), the stream ends as failed, with
// an exception that says so.
template <class BO, class POA_Callback, class Seq>
class VCallback : public AllCallbackImpl {
  class Servant;

 public:
  // The typed object reference the server calls back.
  using Reference = decltype(std::declval<POA_Callback&>()._this());

  // A stream of at most `max_hits` objects (0: no limit).
  explicit VCallback(unsigned int max_hits) : max_hits_(max_hits) {}

  // A report stream: the limit is the setting "Callback"/"MaxHits" of scope
  // SYSTEM (the last one wins; a value that is not a number means no limit),
  // 1000 without it.
  VCallback() : max_hits_(MaxHitsFromSettings()) {}

  ~VCallback() override {
    gate_->Close();
    servant_->Deactivate();
    servant_->_remove_ref();
    if (!stopped_) {
      AllCallbackImpl::finished();
      stopped_ = true;
    }
    for (BO* bo : objects_) delete bo;
  }

  VCallback(VCallback const&) = delete;
  VCallback& operator=(VCallback const&) = delete;

  // Activates the servant (once) and gives a new reference to it.
  Reference _this() {
    if (servant_->Activate()) {
      std::lock_guard<std::mutex> lock(mutex_);
      started_ = std::chrono::steady_clock::now();
    }
    return servant_->_this();
  }

  // A delivery made directly (not through the ORB); the observer hears of it
  // through OnDirectData.
  virtual void PutData(Seq const& data) { Deliver(data, true); }

  // What the server calls, forwarded by the servant; callable directly too.
  void putData(Seq const& data) { Deliver(data, false); }
  void finished() override { Finish(observer_); }
  void setException(DatabaseExceptionStruct const& e) {
    if (stopped_) return;
    Fail(std::make_unique<VException>(StringConverter::JoinSurrogates(e.message.in()),
                                      StringConverter::JoinSurrogates(e.source.in()),
                                      StringConverter::JoinSurrogates(e.detail.in()),
                                      VException::kCallback, true));
  }
  void setDomainException(DomainExceptionStruct const& e) {
    if (stopped_) return;
    Fail(std::unique_ptr<VException>(AllCallbackImpl::ConvertDomainExceptionStruct(e)));
  }

  // --- For the application ---------------------------------------------

  // Attaches an observer (not owned; null detaches). Attach before the
  // stream starts to hear of every delivery.
  void SetObserver(VCallbackObserver* observer) { observer_ = observer; }
  // Reaching the limit then neither notifies nor ends the stream.
  void SetNoLimitStop(bool v) { no_limit_stop_ = v; }

  // The oldest queued object, or null; the caller owns it.
  BO* Take() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (objects_.empty()) return nullptr;
    BO* bo = objects_.front();
    objects_.pop_front();
    return bo;
  }
  // Every queued object, oldest first; the caller owns them.
  std::vector<BO*> TakeAll() {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<BO*> all(objects_.begin(), objects_.end());
    objects_.clear();
    return all;
  }
  std::size_t GetQueuedCount() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return objects_.size();
  }
  // The size of the oldest delivery not yet looked at (kept only while no
  // observer is attached); false when there is none.
  bool TakeBatchSize(unsigned int* size) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (batches_.empty()) return false;
    *size = batches_.front();
    batches_.pop();
    return true;
  }

  unsigned int GetReceived() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return received_;
  }
  unsigned int GetMaxHits() const { return max_hits_; }
  bool IsStopped() const { return stopped_; }
  bool IsFinished() const { return finished_; }
  bool IsFailed() const { return failed_; }
  // The failure the server reported, or null; owned by this object.
  VException const* GetException() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return exception_.get();
  }

  // Waits until the stream ended (finished, limit reached or failed); false
  // when `timeout` passed first. A stream that received nothing by then,
  // a call time-out after it started, ends failed: GetException() says that
  // no delivery arrived.
  bool WaitForEnd(std::chrono::milliseconds timeout) {
    {
      std::unique_lock<std::mutex> lock(mutex_);
      if (ended_.wait_for(lock, timeout, [this] { return stopped_ || failed_ || told_end_; })) {
        return true;
      }
      if (received_ > 0 || started_ == std::chrono::steady_clock::time_point()) return false;
    }
    unsigned long const limit_ms = Ostrel::Instance()->Config().call_timeout_ms;
    auto const waited = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - started_);
    if (limit_ms > 0 && waited.count() >= static_cast<long>(limit_ms)) NoDelivery(waited);
    return false;
  }

 private:
  // The way from the servant into its VCallback, shared by both. Closing it
  // waits for the upcalls inside and turns every later one away, so the
  // servant never reaches a VCallback that is gone.
  class Gate {
   public:
    explicit Gate(VCallback* owner) : owner_(owner) {}
    VCallback* Enter() {
      std::lock_guard<std::mutex> lock(mutex_);
      if (owner_ != nullptr) ++inside_;
      return owner_;
    }
    void Leave() {
      std::lock_guard<std::mutex> lock(mutex_);
      if (--inside_ == 0) idle_.notify_all();
    }
    void Close() {
      std::unique_lock<std::mutex> lock(mutex_);
      owner_ = nullptr;
      idle_.wait(lock, [this] { return inside_ == 0; });
    }

   private:
    std::mutex mutex_;
    std::condition_variable idle_;
    VCallback* owner_;
    int inside_ = 0;
  };

  // What the POA holds: reference-counted (it starts with the VCallback's
  // reference; activation adds the POA's), so it outlives the VCallback
  // until the ORB has let go of it.
  class Servant : public virtual POA_com::ostrel::serverbase::query::AllCallback,
                  public POA_Callback {
   public:
    explicit Servant(std::shared_ptr<Gate> gate) : gate_(std::move(gate)) {}

    void putData(Seq const& data) override {
      Forward([&](VCallback* cb) { cb->putData(data); });
    }
    void finished() override {
      Forward([](VCallback* cb) { cb->finished(); });
    }
    void setException(DatabaseExceptionStruct const& e) override {
      Forward([&](VCallback* cb) { cb->setException(e); });
    }
    void setDomainException(DomainExceptionStruct const& e) override {
      Forward([&](VCallback* cb) { cb->setDomainException(e); });
    }

    PortableServer::POA_ptr _default_POA() override { return Ostrel::Instance()->CallbackPoa(); }

    // True when this call activated it.
    bool Activate() {
      std::lock_guard<std::mutex> lock(mutex_);
      if (id_) return false;
      id_.reset(Ostrel::Instance()->ActivateCallback(this));
      return true;
    }

    // Takes the servant off the POA, so that later calls are refused; the
    // POA drops its reference once the last request on it completed.
    void Deactivate() {
      PortableServer::ObjectId_var id;
      {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!id_ || deactivated_) return;
        deactivated_ = true;
        id = new PortableServer::ObjectId(*id_);
      }
      try {
        PortableServer::POA_var poa = Ostrel::Instance()->CallbackPoa();
        if (!CORBA::is_nil(poa.in())) poa->deactivate_object(id.in());
      } catch (CORBA::Exception&) {
        // The ORB is gone or the object no longer active: nothing to undo.
      }
    }

   private:
    template <class F>
    void Forward(F f) {
      VCallback* cb = gate_->Enter();
      if (cb == nullptr) return;
      struct Leave {
        Gate* gate;
        ~Leave() { gate->Leave(); }
      } leave{gate_.get()};
      f(cb);
    }

    std::shared_ptr<Gate> gate_;
    std::mutex mutex_;
    std::unique_ptr<PortableServer::ObjectId> id_;
    bool deactivated_ = false;
  };

  static unsigned int MaxHitsFromSettings() {
    unsigned int max_hits = 1000;
    std::vector<Setting*> settings =
        Setting::GetSettings(VString("SYSTEM"), std::wstring(L"SYSTEM"));
    for (Setting* s : settings) {
      if (s->GetSection() == L"Callback" && s->GetKey() == L"MaxHits") {
        int v = WToI(s->GetValue().str());
        max_hits = v > 0 ? static_cast<unsigned int>(v) : 0;
      }
      delete s;
    }
    return max_hits;
  }

  void Deliver(Seq const& data, bool direct) {
    if (stopped_) return;
    // One observer for the whole batch, though another may be attached
    // meanwhile.
    VCallbackObserver* const o = observer_;
    unsigned int n = data.length();
    bool limit_reached = false;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      if (max_hits_ > 0 && (received_ % max_hits_) + n > max_hits_) {
        n = max_hits_ - (received_ % max_hits_);
      }
      for (unsigned int i = 0; i < n; ++i) objects_.push_back(new BO(data[i]));
      received_ += n;
      if (o == nullptr) batches_.push(n);
      limit_reached =
          !no_limit_stop_ && max_hits_ > 0 && received_ > 0 && received_ % max_hits_ == 0;
    }
    if (o != nullptr) direct ? o->OnDirectData(n) : o->OnData(n);
    if (limit_reached) {
      if (o != nullptr) o->OnMaxHits(true);
      Finish(o);
    }
  }

  // `o`: the observer of the delivery that ended the stream, or the one
  // attached now.
  void Finish(VCallbackObserver* const o) {
    std::size_t queued = 0;
    unsigned int received = 0;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      if (stopped_) return;
      AllCallbackImpl::finished();
      stopped_ = true;
      queued = objects_.size();
      received = received_;
    }
    servant_->Deactivate();
    if (o != nullptr && queued > 0) o->OnData(static_cast<unsigned int>(queued));
    if (o != nullptr) {
      o->OnFinished(received);
    } else {
      finished_ = true;
    }
    std::lock_guard<std::mutex> lock(mutex_);
    told_end_ = true;
    ended_.notify_all();
  }

  // The wait ran out before the first delivery: the server could not or
  // would not call back (a refused callback endpoint, for instance). Ends
  // the stream as failed rather than as an empty one.
  void NoDelivery(std::chrono::milliseconds waited) {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      if (stopped_ || received_ > 0) return;
      AllCallbackImpl::finished();
      stopped_ = true;
    }
    servant_->Deactivate();
    std::string const server =
        Ostrel::Instance()->Config().host + ":" + std::to_string(Ostrel::Instance()->Config().port);
    Fail(std::make_unique<VException>(
        StringConverter::ToWide("no delivery arrived from the application server " + server +
                                " within " + std::to_string(waited.count()) +
                                " ms; it may have refused to call back (see its log)"),
        L"VCallback", L"", VException::kCallback, true));
  }

  void Fail(std::unique_ptr<VException> x) {
    VException* raw = x.get();
    {
      std::lock_guard<std::mutex> lock(mutex_);
      // An earlier failure stays readable until the object goes.
      if (exception_) old_exceptions_.push_back(std::move(exception_));
      exception_ = std::move(x);
    }
    if (VCallbackObserver* const o = observer_) {
      o->OnException(raw);
    } else {
      failed_ = true;
    }
    std::lock_guard<std::mutex> lock(mutex_);
    told_end_ = true;
    ended_.notify_all();
  }

  mutable std::mutex mutex_;
  std::condition_variable ended_;
  std::deque<BO*> objects_;
  std::queue<unsigned int> batches_;
  std::atomic<bool> stopped_{false};
  std::atomic<bool> finished_{false};
  std::atomic<bool> failed_{false};
  bool told_end_ = false;
  unsigned int received_ = 0;
  unsigned int const max_hits_;
  std::atomic<bool> no_limit_stop_{false};
  std::atomic<VCallbackObserver*> observer_{nullptr};
  std::unique_ptr<VException> exception_;
  std::vector<std::unique_ptr<VException>> old_exceptions_;
  // When _this() activated the servant; the epoch while it has not.
  std::chrono::steady_clock::time_point started_;
  std::shared_ptr<Gate> const gate_ = std::make_shared<Gate>(this);
  Servant* const servant_ = new Servant(gate_);
};

}  // namespace base
}  // namespace ostrel

#endif  // OSTREL_FOUNDATION_VCALLBACK_H_
