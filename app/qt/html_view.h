// An embedded web view navigated by writing its address. Until the first
// address it is a white area like about:blank: the web engine's view, and
// the renderer process it starts, are made only then.
#pragma once

#include <QUrl>
#include <QWidget>

#include "text/types.h"

class QWebEnginePage;
class QWebEngineProfile;
class QWebEngineView;

namespace modian {

class HtmlView : public QWidget {
 public:
  HtmlView(QWebEngineProfile& profile, QWidget* parent);

  // Starts navigating to `address` and returns at once; the empty address
  // shows about:blank. The engine receives the address exactly as written:
  // percent escapes are neither decoded nor re-encoded.
  void SetAddress(const AnsiText& address);
  // What SetAddress was last given; empty until then.
  const AnsiText& Address() const { return address_; }

  // The engine's view; nullptr until the first address.
  QWebEngineView* Engine() const { return engine_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QWebEnginePage& Page();

  QWebEngineProfile& profile_;
  QWebEngineView* engine_ = nullptr;
  QWebEnginePage* page_ = nullptr;
  AnsiText address_;
};

// The URL for an address written to a view: about:blank for the empty text
// and for anything but an absolute http or https address, which are all that
// the lookups ever build.
QUrl NavigableUrl(const AnsiText& address);

// Whether giving `url` to the engine would send `utf8Address` as written.
// QUrl decodes escapes of letters and digits ("%61" becomes "a") and
// upper-cases hexadecimal digits.
bool KeepsAddressAsWritten(const QUrl& url, std::string_view utf8Address);

// A page whose script hands `utf8Address` to the engine as it stands,
// replacing itself in the view's history.
QString RedirectPage(std::string_view utf8Address);

}  // namespace modian
