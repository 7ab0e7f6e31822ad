#pragma once
// HttpClient for tests: serves scripted responses by URL and writes the body
// and header files as the real client does (the body only for a complete 2xx
// answer, replacing the old file at once; the header file whenever an answer
// came). Records every request, proxy included.

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "platform/http_client.h"

namespace lrv {

class FakeHttpClient : public HttpClient {
 public:
  struct Response {
    int status = 200;                      // 0: no answer, the connection fails
    std::string body;                      // bytes
    std::vector<std::string> headerLines;  // "Content-Type: text/plain", without line ends
    // The transfer stalls after this many body bytes and times out
    // (0: before the first byte). Not set: no timeout.
    std::optional<std::size_t> stallAfter;
  };

  // Addresses not served answer 404 with an empty body.
  std::map<std::string, Response> responses;
  std::size_t chunkSize = 4096;  // bytes per progress event

  std::vector<HttpRequest> requests;
  int cancelCalls = 0;

  Response& Serve(const std::string& url, std::string body, int status = 200) {
    Response& r = responses[url];
    r.status = status;
    r.body = std::move(body);
    return r;
  }

  HttpResult Get(const HttpRequest& request, const HttpEvents& events) override;
  // Ends the running Get after the current chunk (call it from an event).
  void Cancel() override;

 private:
  bool running_ = false;
  bool cancelRequested_ = false;
};

// The reason phrase written after a status code ("OK", "Not Found").
std::string HttpReasonPhrase(int status);

}  // namespace lrv
