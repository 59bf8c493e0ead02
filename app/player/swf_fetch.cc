#include "app/player/swf_fetch.h"

#include <QBuffer>
#include <QHostAddress>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QSslError>
#include <QWebEngineUrlRequestJob>

#include <memory>
#include <utility>

namespace modian {
namespace {

// Counts from the last byte received, so a slow but live transfer goes on.
constexpr int kTransferTimeoutMs = 30'000;

bool IsSuccessStatus(const QNetworkReply& reply) {
  const int status =
      reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  return status >= 200 && status < 300;
}

}  // namespace

bool IsLoopbackHost(QStringView host) {
  if (host.compare(u"localhost", Qt::CaseInsensitive) == 0) return true;
  QStringView bare = host;
  if (bare.startsWith(u'[') && bare.endsWith(u']')) bare = bare.sliced(1, bare.size() - 2);
  QHostAddress address;
  return address.setAddress(bare.toString()) && address.isLoopback();
}

bool StartsLikeSwf(QByteArrayView head) {
  return head.size() >= 3 && head[1] == 'W' && head[2] == 'S' &&
         (head[0] == 'F' || head[0] == 'C' || head[0] == 'Z');
}

SwfFetcher::SwfFetcher(QByteArray userAgent)
    : userAgent_(std::move(userAgent)) {}

void SwfFetcher::Start(const QUrl& address, QWebEngineUrlRequestJob* job) {
  QNetworkRequest request(address);
  request.setTransferTimeout(kTransferTimeoutMs);
  if (!userAgent_.isEmpty()) {
    request.setHeader(QNetworkRequest::UserAgentHeader, userAgent_);
  }
  QNetworkReply* reply = network_.get(request);
  QPointer<QWebEngineUrlRequestJob> liveJob(job);
  auto body = std::make_shared<QByteArray>();

  QObject::connect(job, &QObject::destroyed, reply, &QNetworkReply::abort);
  QObject::connect(reply, &QNetworkReply::sslErrors, reply,
                   [reply](const QList<QSslError>&) {
                     if (IsLoopbackHost(reply->url().host())) {
                       reply->ignoreSslErrors();
                     }
                   });
  QObject::connect(reply, &QNetworkReply::readyRead, reply, [reply, body] {
    body->append(reply->readAll());
    if (body->size() > kMaxSwfBytes) reply->abort();
  });
  QObject::connect(reply, &QNetworkReply::finished, reply, [reply, body, liveJob] {
    reply->deleteLater();
    if (liveJob.isNull()) return;
    const bool transferred = reply->error() == QNetworkReply::NoError;
    if (transferred) body->append(reply->readAll());
    if (!transferred || !IsSuccessStatus(*reply) ||
        body->size() > kMaxSwfBytes || !StartsLikeSwf(*body)) {
      liveJob->fail(QWebEngineUrlRequestJob::RequestFailed);
      return;
    }
    auto buffer = new QBuffer(liveJob.data());
    buffer->setData(std::move(*body));
    buffer->open(QIODevice::ReadOnly);
    liveJob->reply("application/x-shockwave-flash", buffer);
  });
}

}  // namespace modian
