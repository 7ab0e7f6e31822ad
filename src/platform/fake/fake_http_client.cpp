#include "platform/fake/fake_http_client.h"

#include <algorithm>

#include "base/files.h"
#include "platform/http_events.h"

namespace lrv {

std::string HttpReasonPhrase(int status) {
  switch (status) {
    case 200: return "OK";
    case 204: return "No Content";
    case 301: return "Moved Permanently";
    case 302: return "Found";
    case 304: return "Not Modified";
    case 400: return "Bad Request";
    case 401: return "Unauthorized";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    case 407: return "Proxy Authentication Required";
    case 500: return "Internal Server Error";
    case 503: return "Service Unavailable";
    default: return "Status";
  }
}

void FakeHttpClient::Cancel() {
  ++cancelCalls;
  if (running_) cancelRequested_ = true;
}

HttpResult FakeHttpClient::Get(const HttpRequest& request, const HttpEvents& events) {
  requests.push_back(request);
  running_ = true;
  cancelRequested_ = false;
  auto status = [&](HttpEvent e) {
    if (events.status) events.status(HttpEventText(e));
  };
  HttpResult result;
  auto finish = [&](HttpResult r) {
    running_ = false;
    return r;
  };

  Response response;
  if (const auto it = responses.find(request.url); it != responses.end()) response = it->second;
  else response.status = 404;

  status(HttpEvent::HostResolved);
  if (response.status == 0) {
    status(HttpEvent::ConnectionFailed);
    result.error = "Connection refused";
    return finish(result);
  }
  status(HttpEvent::Connected);
  status(HttpEvent::RequestSending);
  result.statusCode = response.status;

  if (!request.headerFile.empty()) {
    std::string header = "HTTP/1.1 " + std::to_string(response.status) + " " + HttpReasonPhrase(response.status) + "\r\n";
    for (const std::string& line : response.headerLines) header += line + "\r\n";
    try {
      WriteFileAtomic(request.headerFile, header);
    } catch (const IoError& e) {
      result.error = e.what();
      status(HttpEvent::Failure);
      return finish(result);
    }
  }

  const bool success = response.status >= 200 && response.status < 300;
  std::optional<AtomicFile> body;
  try {
    if (success && !request.bodyFile.empty()) body.emplace(request.bodyFile);
    const std::size_t total = response.body.size();
    const std::size_t deliver = response.stallAfter ? std::min(*response.stallAfter, total) : total;
    std::size_t sent = 0;
    while (sent < deliver) {
      const std::size_t n = std::min(std::max<std::size_t>(chunkSize, 1), deliver - sent);
      if (body) body->Write(std::string_view(response.body).substr(sent, n));
      sent += n;
      status(HttpEvent::PacketReceived);
      if (events.progress) events.progress(static_cast<std::int64_t>(sent), static_cast<std::int64_t>(total));
      if (cancelRequested_) {
        result.cancelled = true;
        result.error = "Operation cancelled";
        status(HttpEvent::Disconnected);
        return finish(result);
      }
    }
    if (response.stallAfter) {
      result.timedOut = true;
      result.error = "No data for " + std::to_string(request.timeoutSeconds) + " seconds";
      status(HttpEvent::Failure);
      return finish(result);
    }
    if (!success) {
      result.error = std::to_string(response.status) + " " + HttpReasonPhrase(response.status);
      status(HttpEvent::Failure);
      return finish(result);
    }
    if (body) body->Commit();
  } catch (const IoError& e) {
    result.error = e.what();
    status(HttpEvent::Failure);
    return finish(result);
  }
  result.ok = true;
  status(HttpEvent::Success);
  return finish(result);
}

}  // namespace lrv
