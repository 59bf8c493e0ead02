#include "app/qt/swf_player.h"

#include <QByteArray>
#include <QString>
#include <QUrlQuery>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>

#include "app/player/player_files.h"
#include "app/player/swf_fetch.h"

// Resources compiled into the library must be registered by hand, as nothing
// else references their object file.
static void InitPlayerResources() { Q_INIT_RESOURCE(player); }

namespace modian {
namespace {

constexpr char kScheme[] = "modian-player";
constexpr char kHost[] = "player";
constexpr char kPagePath[] = "/play.html";
// The page fetches the ".swf" from here with its own query, so the file comes
// from the same origin as the page and no CORS header is needed from the site.
constexpr char kSwfPath[] = "/swf";
constexpr char kSourceKey[] = "src";

class PlayerSchemeHandler final : public QWebEngineUrlSchemeHandler {
 public:
  explicit PlayerSchemeHandler(QWebEngineProfile& profile)
      : QWebEngineUrlSchemeHandler(&profile),
        fetcher_(profile.httpUserAgent().toUtf8()) {}

  void requestStarted(QWebEngineUrlRequestJob* job) override {
    const QUrl url = job->requestUrl();
    if (url.host() != QLatin1String(kHost)) {
      job->fail(QWebEngineUrlRequestJob::UrlNotFound);
      return;
    }
    if (job->requestMethod() != "GET") {
      job->fail(QWebEngineUrlRequestJob::RequestDenied);
      return;
    }
    if (url.path() == QLatin1String(kSwfPath)) {
      const QUrl address = SourceAddressOf(url);
      if (!address.isValid()) {
        job->fail(QWebEngineUrlRequestJob::UrlInvalid);
        return;
      }
      fetcher_.Start(address, job);
      return;
    }
    ReplyWithPlayerFile(url.path(), job);
  }

  static QUrl SourceAddressOf(const QUrl& url) {
    const QString source =
        QUrlQuery(url).queryItemValue(kSourceKey, QUrl::FullyDecoded);
    QUrl address(source, QUrl::StrictMode);
    if (!IsPlayableAddress(address)) return {};
    return address;
  }

  static bool IsPlayableAddress(const QUrl& address) {
    const QString scheme = address.scheme();
    return address.isValid() && !address.host().isEmpty() &&
           (scheme == QLatin1String("http") ||
            scheme == QLatin1String("https")) &&
           address.path().endsWith(QLatin1String(".swf"), Qt::CaseInsensitive);
  }

 private:
  SwfFetcher fetcher_;
};

}  // namespace

void RegisterSwfPlayerScheme() {
  QWebEngineUrlScheme scheme(kScheme);
  scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
  scheme.setFlags(QWebEngineUrlScheme::SecureScheme |
                  QWebEngineUrlScheme::CorsEnabled);
  QWebEngineUrlScheme::registerScheme(scheme);
}

void InstallSwfPlayer(QWebEngineProfile& profile) {
  InitPlayerResources();
  if (profile.urlSchemeHandler(kScheme) != nullptr) return;
  profile.installUrlSchemeHandler(kScheme, new PlayerSchemeHandler(profile));
}

QUrl PageUrlFor(const QUrl& address) {
  if (!PlayerSchemeHandler::IsPlayableAddress(address)) return address;
  QUrl page;
  page.setScheme(kScheme);
  page.setHost(kHost);
  page.setPath(kPagePath);
  // Every byte but the unreserved ones is escaped, so "&", "+" and "#" in
  // the address survive both QUrlQuery and the page's URLSearchParams.
  page.setQuery(QLatin1String(kSourceKey) + QLatin1Char('=') +
                    QString::fromLatin1(QUrl::toPercentEncoding(
                        address.toString(QUrl::FullyEncoded))),
                QUrl::StrictMode);
  return page;
}

QUrl AddressPlayedBy(const QUrl& pageUrl) {
  if (pageUrl.scheme() != QLatin1String(kScheme) ||
      pageUrl.host() != QLatin1String(kHost) ||
      pageUrl.path() != QLatin1String(kPagePath)) {
    return {};
  }
  return PlayerSchemeHandler::SourceAddressOf(pageUrl);
}

}  // namespace modian
