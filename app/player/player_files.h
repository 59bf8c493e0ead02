// The player page and the emulator's files, compiled into the program and
// served to the view under the player's URL scheme.
#pragma once

#include <QByteArray>
#include <QStringView>

class QWebEngineUrlRequestJob;

namespace modian {

// The content type a player file is served with, chosen by its extension;
// "application/octet-stream" for an unknown one.
QByteArray PlayerFileContentType(QStringView path);

// Answers `job` with the player file at `path` ("/play.html",
// "/ruffle/ruffle.js"…), or fails it as not found when there is none.
void ReplyWithPlayerFile(QStringView path, QWebEngineUrlRequestJob* job);

}  // namespace modian
