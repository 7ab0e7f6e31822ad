#include "platform/qt/qt_http_client.h"

#include <optional>

#include <QAuthenticator>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include "base/files.h"
#include "platform/http_events.h"
#include "platform/qt/qt_text.h"

namespace lrv {

namespace {

bool IsSuccess(int status) { return status >= 200 && status < 300; }

int StatusOf(const QNetworkReply* reply) {
  return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

// The response header as the server sent it: the status line, then one
// line per field, each ended by CR LF.
std::string HeaderText(const QNetworkReply* reply) {
  const bool http2 = reply->attribute(QNetworkRequest::Http2WasUsedAttribute).toBool();
  std::string out = http2 ? "HTTP/2 " : "HTTP/1.1 ";
  out += std::to_string(StatusOf(reply));
  const QByteArray reason = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toByteArray();
  if (!reason.isEmpty()) {
    out += ' ';
    out += reason.toStdString();
  }
  out += "\r\n";
  for (const auto& [name, value] : reply->rawHeaderPairs()) {
    out += name.toStdString();
    out += ": ";
    out += value.toStdString();
    out += "\r\n";
  }
  return out;
}

HttpEvent FailureEvent(QNetworkReply::NetworkError error) {
  switch (error) {
    case QNetworkReply::HostNotFoundError: return HttpEvent::InvalidHost;
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyTimeoutError:
    case QNetworkReply::UnknownProxyError:
      return HttpEvent::ConnectionFailed;
    default: return HttpEvent::Failure;
  }
}

}  // namespace

void QtHttpClient::Cancel() {
  cancelRequested_ = true;
  if (current_) current_->abort();
}

HttpResult QtHttpClient::Get(const HttpRequest& request, const HttpEvents& events) {
  cancelRequested_ = false;
  HttpResult result;
  auto status = [&](HttpEvent e) {
    if (events.status) events.status(HttpEventText(e));
  };

  const QUrl url(FromUtf8(request.url), QUrl::StrictMode);
  const QString scheme = url.scheme().toLower();
  if (!url.isValid() || url.host().isEmpty() || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
    result.error = "Invalid address: " + request.url;
    status(HttpEvent::InvalidHost);
    return result;
  }

  std::optional<AtomicFile> body;
  try {
    if (!request.bodyFile.empty()) body.emplace(request.bodyFile);
  } catch (const IoError& e) {
    result.error = e.what();
    status(HttpEvent::Failure);
    return result;
  }

  QNetworkAccessManager manager;
  if (request.proxy) {
    const HttpProxy& p = *request.proxy;
    manager.setProxy(QNetworkProxy(QNetworkProxy::HttpProxy, FromUtf8(p.host), static_cast<quint16>(p.port),
                                   FromUtf8(p.user), FromUtf8(p.password)));
  } else {
    manager.setProxy(QNetworkProxy(QNetworkProxy::NoProxy));
  }
  QObject::connect(&manager, &QNetworkAccessManager::proxyAuthenticationRequired, &manager,
                   [&] { status(HttpEvent::Authentication); });
  QObject::connect(&manager, &QNetworkAccessManager::authenticationRequired, &manager,
                   [&] { status(HttpEvent::Authentication); });

  QNetworkRequest networkRequest(url);
  networkRequest.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);

  status(HttpEvent::HostResolved);
  QNetworkReply* reply = manager.get(networkRequest);
  current_ = reply;

  QEventLoop loop;
  QTimer idle;
  idle.setSingleShot(true);
  bool timedOut = false;
  QObject::connect(&idle, &QTimer::timeout, reply, [&] {
    if (cancelRequested_) return;
    timedOut = true;
    reply->abort();
  });
  auto restartIdle = [&] {
    if (request.timeoutSeconds > 0) idle.start(request.timeoutSeconds * 1000);
  };
  restartIdle();

  std::int64_t received = 0;
  std::optional<std::string> writeError;
  auto takeData = [&] {
    const QByteArray chunk = reply->readAll();
    if (chunk.isEmpty()) return;
    restartIdle();
    // Bodies of redirects and error pages are not the file asked for.
    if (!IsSuccess(StatusOf(reply))) return;
    received += chunk.size();
    if (body && !writeError) {
      try {
        body->Write(std::string_view(chunk.constData(), static_cast<std::size_t>(chunk.size())));
      } catch (const IoError& e) {
        writeError = e.what();
        reply->abort();
        return;
      }
    }
    status(HttpEvent::PacketReceived);
    // Reported per packet: Qt's own progress signal is throttled and can
    // stay silent about a packet that arrived just before a stall.
    if (events.progress) {
      const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
      events.progress(received, length.isValid() ? length.toLongLong() : -1);
    }
  };

  QObject::connect(reply, &QNetworkReply::socketStartedConnecting, &loop, [&] { status(HttpEvent::Connected); });
  QObject::connect(reply, &QNetworkReply::requestSent, &loop, [&] {
    restartIdle();
    status(HttpEvent::RequestSending);
  });
  QObject::connect(reply, &QNetworkReply::redirected, &loop, [&] { status(HttpEvent::Redirect); });
  QObject::connect(reply, &QNetworkReply::readyRead, &loop, takeData);
  QObject::connect(reply, &QNetworkReply::downloadProgress, &loop, [&] { restartIdle(); });
  QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);

  if (!reply->isFinished()) loop.exec();
  idle.stop();
  if (!writeError && !cancelRequested_ && !timedOut) takeData();
  current_ = nullptr;

  result.statusCode = StatusOf(reply);
  // Whichever ended the transfer first is its cause.
  result.timedOut = timedOut;
  result.cancelled = cancelRequested_ && !timedOut;

  if (result.statusCode != 0 && !request.headerFile.empty()) {
    try {
      WriteFileAtomic(request.headerFile, HeaderText(reply));
    } catch (const IoError& e) {
      if (!writeError) writeError = e.what();
    }
  }

  // A body cut short by a closed connection must not count as the file.
  bool complete = true;
  const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
  if (length.isValid() && !reply->hasRawHeader("Content-Encoding")) complete = received == length.toLongLong();

  if (result.cancelled) {
    result.error = "Cancelled";
    status(HttpEvent::Disconnected);
  } else if (result.timedOut) {
    result.error = "No data arrived for " + std::to_string(request.timeoutSeconds) + " seconds";
    status(HttpEvent::Failure);
  } else if (writeError) {
    result.error = *writeError;
    status(HttpEvent::Failure);
  } else if (reply->error() != QNetworkReply::NoError) {
    result.error = ToUtf8(reply->errorString());
    status(FailureEvent(reply->error()));
  } else if (!IsSuccess(result.statusCode)) {
    result.error = "HTTP status " + std::to_string(result.statusCode);
    status(HttpEvent::Failure);
  } else if (!complete) {
    result.error = "The answer ended before its whole body arrived";
    status(HttpEvent::Failure);
  } else {
    try {
      if (body) body->Commit();
      result.ok = true;
      status(HttpEvent::Success);
    } catch (const IoError& e) {
      result.error = e.what();
      status(HttpEvent::Failure);
    }
  }
  return result;
}

}  // namespace lrv
