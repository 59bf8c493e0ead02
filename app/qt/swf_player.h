// Plays Flash ".swf" addresses in an HTML view: a local player page runs the
// Ruffle emulator, and the page, the emulator and the fetched ".swf" file all
// reach the view through the "modian-player" URL scheme.
#pragma once

#include <QUrl>

class QWebEngineProfile;

namespace modian {

// Registers the player's URL scheme. Call once, before QApplication exists.
void RegisterSwfPlayerScheme();

// Serves the player's scheme to every view of `profile`. Call once per
// profile, after QApplication exists; the handler lives as long as the profile.
void InstallSwfPlayer(QWebEngineProfile& profile);

// The URL a view loads for `address`: for an http or https address whose path
// ends in ".swf" (any case), the player page that plays that address;
// any other address, the empty one included, unchanged.
QUrl PageUrlFor(const QUrl& address);

// The address that a player page URL plays; the empty URL for any other URL.
QUrl AddressPlayedBy(const QUrl& pageUrl);

}  // namespace modian
