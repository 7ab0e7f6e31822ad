#pragma once
// HTTP downloads of the update service: a GET whose body and response
// header are written to files, optionally through a proxy, with progress
// and status events and a transfer timeout.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace lrv {

struct HttpProxy {
  std::string host;
  int port = 0;
  std::string user;      // empty: no authentication
  std::string password;
};

struct HttpRequest {
  std::string url;
  std::optional<HttpProxy> proxy;
  std::filesystem::path bodyFile;    // the response body is written here
  std::filesystem::path headerFile;  // the response header lines, if not empty
  int timeoutSeconds = 60;           // no bytes for this long ends the transfer
};

struct HttpEvents {
  std::function<void(std::int64_t received, std::int64_t total)> progress;  // total -1: unknown
  std::function<void(const std::string& status)> status;                    // UTF-8
};

struct HttpResult {
  bool ok = false;          // a 2xx answer whose body was written completely
  int statusCode = 0;       // 0 when no answer came
  bool timedOut = false;
  bool cancelled = false;
  std::string error;        // UTF-8 description when !ok
};

class HttpClient {
 public:
  virtual ~HttpClient() = default;
  // Blocks until the transfer ends; the real client keeps the window
  // responsive meanwhile.
  virtual HttpResult Get(const HttpRequest& request, const HttpEvents& events) = 0;
  // Ends a running Get (from an event handler or the window's cancel button).
  virtual void Cancel() = 0;
};

}  // namespace lrv
