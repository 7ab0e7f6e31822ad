#pragma once
// The real HttpClient over QNetworkAccessManager. Get runs a local event
// loop, so the window stays responsive (and its cancel button works) while
// the transfer runs. Redirects are followed, as a browser does, unless they
// lead from https to http. The body goes to a temporary file beside the
// target and replaces the target only when the whole 2xx body has arrived:
// a failed download never spoils the file that was there.

#include "platform/http_client.h"

class QNetworkReply;

namespace lrv {

class QtHttpClient : public HttpClient {
 public:
  HttpResult Get(const HttpRequest& request, const HttpEvents& events) override;
  void Cancel() override;

 private:
  QNetworkReply* current_ = nullptr;
  bool cancelRequested_ = false;
};

}  // namespace lrv
