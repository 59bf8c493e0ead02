#include "app/player/player_files.h"

#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QWebEngineUrlRequestJob>

#include <array>
#include <utility>

namespace modian {
namespace {

constexpr char kResourceRoot[] = ":/modian-player";

}  // namespace

QByteArray PlayerFileContentType(QStringView path) {
  static constexpr std::array<std::pair<const char*, const char*>, 7> kTypes{{
      {".html", "text/html;charset=utf-8"},
      {".js", "text/javascript;charset=utf-8"},
      {".css", "text/css;charset=utf-8"},
      {".wasm", "application/wasm"},
      {".svg", "image/svg+xml"},
      {".map", "application/json"},
      {".png", "image/png"},
  }};
  for (const auto& [extension, type] : kTypes) {
    if (path.endsWith(QLatin1String(extension), Qt::CaseInsensitive)) {
      return type;
    }
  }
  return "application/octet-stream";
}

void ReplyWithPlayerFile(QStringView path, QWebEngineUrlRequestJob* job) {
  const QString resource = QLatin1String(kResourceRoot) + path.toString();
  auto file = new QFile(resource, job);
  // The resource engine would resolve "..", and only this tree is served.
  if (!path.startsWith(u'/') || path.contains(u"/..") ||
      !QFileInfo(resource).isFile() ||
      !file->open(QIODevice::ReadOnly)) {
    job->fail(QWebEngineUrlRequestJob::UrlNotFound);
    return;
  }
  job->reply(PlayerFileContentType(path), file);
}

}  // namespace modian
