// VException and InternalException: the application's exception types.
#ifndef OSTREL_BASE_VEXCEPTION_H_
#define OSTREL_BASE_VEXCEPTION_H_

#include <exception>
#include <string>

namespace ostrel {
namespace base {

// The application's exception. Every failure of a remote operation reaches
// the caller as a VException:
//   GetMessage()  the text for the user (the server's message, unchanged);
//   GetSource()   what failed: the exception's name, e.g. "DomainException"
//                 or "TRANSIENT" for a system exception;
//   GetDetail()   further detail, e.g. "minor 0x41540002, completed NO";
//   GetCode()     one of the codes below;
//   IsRemote()    true when the failure was reported by or on the way to the
//                 server, false for failures found on the client.
// For ORB system exceptions GetMinor() and GetCompletion() are also set.
class VException : public std::exception {
 public:
  enum Code {
    kUnknown = 0,
    kAccessDenied = 1,
    kApplicationLayer = 2,
    kPersistency = 3,
    kDomain = 4,
    kPutData = 5,
    kSystem = 9,
    kCallback = 8888,  // reported through a callback stream
  };
  // Completion status of a system exception.
  enum Completion { kCompletedYes, kCompletedNo, kCompletedMaybe, kNotASystemException };

  VException(std::wstring message, std::wstring source, std::wstring detail, int code, bool remote);
  VException(VException const&) = default;
  VException(VException&&) noexcept = default;
  VException& operator=(VException const&) = default;
  VException& operator=(VException&&) noexcept = default;
  ~VException() override = default;

  std::wstring const& GetMessage() const { return message_; }
  std::wstring const& GetSource() const { return source_; }
  std::wstring const& GetDetail() const { return detail_; }
  int GetCode() const { return code_; }
  bool IsRemote() const { return remote_; }

  unsigned long GetMinor() const { return minor_; }
  Completion GetCompletion() const { return completion_; }
  void SetSystemInfo(unsigned long minor, Completion completion) {
    minor_ = minor;
    completion_ = completion;
  }

  // The message as UTF-8.
  char const* what() const noexcept override { return what_.c_str(); }

 private:
  std::wstring message_;
  std::wstring source_;
  std::wstring detail_;
  int code_;
  bool remote_;
  unsigned long minor_ = 0;
  Completion completion_ = kNotASystemException;
  std::string what_;
};

// Thrown by accessors asked for something their object does not hold; the
// message names the accessor.
class InternalException : public std::exception {
 public:
  explicit InternalException(std::wstring message);
  InternalException(InternalException const&) = default;
  InternalException& operator=(InternalException const&) = default;
  ~InternalException() override = default;

  std::wstring const& GetMessage() const { return message_; }
  char const* what() const noexcept override { return what_.c_str(); }

 private:
  std::wstring message_;
  std::string what_;
};

}  // namespace base
}  // namespace ostrel

#endif  // OSTREL_BASE_VEXCEPTION_H_
