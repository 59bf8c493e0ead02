#include "app/qt/lone_picture_style.h"

#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

namespace modian {

namespace {

// Chromium styles its picture documents through inline styles, which an
// author rule marked !important outranks, also after it restyles the picture
// on a resize or a click.
constexpr char kScript[] = R"js(
(function () {
  if (!(document.contentType || '').startsWith('image/')) return;
  const style = document.createElement('style');
  style.textContent =
      'html, body { background: #fff !important; height: auto !important; }' +
      'body { margin: 15px 10px !important; display: block !important; }' +
      'img { display: block !important; margin: 0 !important;' +
      ' position: static !important; width: auto !important;' +
      ' height: auto !important; max-width: none !important;' +
      ' max-height: none !important; background: none !important;' +
      ' cursor: default !important; }';
  (document.head || document.documentElement).appendChild(style);
})();
)js";

}  // namespace

void DrawLonePicturesAtTopLeft(QWebEngineProfile& profile) {
  QWebEngineScript script;
  script.setName(QStringLiteral("modian-lone-picture"));
  script.setSourceCode(QString::fromLatin1(kScript));
  script.setInjectionPoint(QWebEngineScript::DocumentReady);
  script.setWorldId(QWebEngineScript::ApplicationWorld);
  script.setRunsOnSubFrames(false);
  profile.scripts()->insert(script);
}

}  // namespace modian
