#include "vexception.h"

#include <utility>

#include "string_converter.h"

namespace ostrel {
namespace base {

VException::VException(std::wstring message, std::wstring source, std::wstring detail, int code,
                       bool remote)
    : message_(std::move(message)),
      source_(std::move(source)),
      detail_(std::move(detail)),
      code_(code),
      remote_(remote),
      what_(StringConverter::Convert(message_)) {}

InternalException::InternalException(std::wstring message)
    : message_(std::move(message)), what_(StringConverter::Convert(message_)) {}

}  // namespace base
}  // namespace ostrel
