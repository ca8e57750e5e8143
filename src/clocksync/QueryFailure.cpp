#include "clocksync/QueryFailure.h"

namespace clocksync {

namespace {

// Windows Sockets error codes (winsock2.h), named here so that this file
// stays free of the platform's headers.
constexpr int kConnectionRefused = 10061; // WSAECONNREFUSED
constexpr int kTimedOut = 10060;          // WSAETIMEDOUT
constexpr int kHostNotFound = 11001;      // WSAHOST_NOT_FOUND, also getaddrinfo's EAI_NONAME
constexpr int kNoAddress = 11004;         // WSANO_DATA: the name exists without an address

} // namespace

QueryFailure FailureOfSocketError(int code) {
    switch (code) {
    case kConnectionRefused: return QueryFailure::Refused;
    case kTimedOut: return QueryFailure::TimedOut;
    case kHostNotFound:
    case kNoAddress: return QueryFailure::NameNotFound;
    default: return QueryFailure::Other;
    }
}

} // namespace clocksync
