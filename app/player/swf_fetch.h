// Fetches a ".swf" file from its web address on behalf of the player page and
// answers the page's request with it.
#pragma once

#include <QNetworkAccessManager>
#include <QStringView>
#include <QUrl>

class QWebEngineUrlRequestJob;

namespace modian {

// Larger than any stroke-order animation by far; a bigger body is refused
// rather than held in memory.
inline constexpr qint64 kMaxSwfBytes = 32 * 1024 * 1024;

// Whether `host` names this machine: "localhost", 127.0.0.0/8 or ::1.
bool IsLoopbackHost(QStringView host);

class SwfFetcher {
 public:
  // Requests go out with `userAgent`, the one the views send.
  explicit SwfFetcher(QByteArray userAgent);

  // Fetches `address` without blocking and answers `job` with the body, or
  // fails it when the file cannot be had: unreachable host, an HTTP status
  // other than 2xx, a body that is not a SWF file or is over kMaxSwfBytes.
  // Certificate errors fail the fetch, except from a loopback host, where no
  // one stands between the program and the site. If the job is cancelled
  // first, the transfer is aborted.
  void Start(const QUrl& address, QWebEngineUrlRequestJob* job);

 private:
  QNetworkAccessManager network_;
  QByteArray userAgent_;
};

// Whether `head` starts like a SWF file: "FWS", "CWS" or "ZWS".
bool StartsLikeSwf(QByteArrayView head);

}  // namespace modian
