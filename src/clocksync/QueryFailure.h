#pragma once
// Why an exchange with the time server failed, in the few kinds a user can
// act on; the report names the last one.
#include <string>
#include <utility>

#include "core/Error.h"

namespace clocksync {

enum class QueryFailure {
    Other,             // the system's own reason goes with it
    Refused,           // nothing listens on the port
    TimedOut,          // no connection or no answer in time
    NameNotFound,      // the name server knows no such host
    ClosedWithoutData, // the server closed before sending the time
};

// A failed exchange, with its kind beside the system's text.
class QueryError : public core::Error {
public:
    QueryError(std::string text, QueryFailure failure) : core::Error(std::move(text)), failure_(failure) {}
    QueryFailure failure() const noexcept { return failure_; }

private:
    QueryFailure failure_;
};

// The kind of a Windows Sockets or name-resolution error code.
QueryFailure FailureOfSocketError(int code);

} // namespace clocksync
