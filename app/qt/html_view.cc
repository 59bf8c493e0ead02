#include "app/qt/html_view.h"

#include <QPalette>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include "app/qt/swf_player.h"

#include "text/code_page.h"

namespace modian {

namespace {

const QUrl& BlankUrl() {
  static const QUrl blank(QStringLiteral("about:blank"));
  return blank;
}

}  // namespace

QUrl NavigableUrl(const AnsiText& address) {
  if (address.empty()) return BlankUrl();
  const AnsiText utf8 = AnsiToUtf8(address);
  const QUrl url = QUrl::fromEncoded(
      QByteArray(utf8.data(), static_cast<qsizetype>(utf8.size())),
      QUrl::TolerantMode);
  const QString scheme = url.scheme();
  if (!url.isValid() || url.host().isEmpty() ||
      (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
    return BlankUrl();
  }
  return url;
}

bool KeepsAddressAsWritten(const QUrl& url, std::string_view utf8Address) {
  const QByteArray encoded = url.toEncoded();
  return std::string_view(encoded.constData(),
                          static_cast<std::size_t>(encoded.size())) ==
         utf8Address;
}

QString RedirectPage(std::string_view utf8Address) {
  const QString address = QString::fromUtf8(
      utf8Address.data(), static_cast<qsizetype>(utf8Address.size()));
  QString literal;
  literal.reserve(address.size() * 6 + 2);
  literal += QLatin1Char('"');
  for (const QChar unit : address) {
    const char16_t code = unit.unicode();
    const bool plain = (code >= u'0' && code <= u'9') ||
                       (code >= u'A' && code <= u'Z') ||
                       (code >= u'a' && code <= u'z') ||
                       QStringView(u"%:/?#[]@!$&'()*+,;=-._~").contains(unit);
    if (plain) {
      literal += unit;
    } else {
      literal += QStringLiteral("\\u%1").arg(static_cast<int>(code), 4, 16,
                                             QLatin1Char('0'));
    }
  }
  literal += QLatin1Char('"');
  return QStringLiteral("<!DOCTYPE html><html><head><script>location.replace(") +
         literal + QStringLiteral(");</script></head><body></body></html>");
}

HtmlView::HtmlView(QWebEngineProfile& profile, QWidget* parent)
    : QWidget(parent), profile_(profile) {
  QPalette colours = palette();
  colours.setColor(QPalette::Window, Qt::white);
  setPalette(colours);
  setAutoFillBackground(true);
  // A press on a view, enabled or not, must not drag the window.
  setAttribute(Qt::WA_NoMousePropagation);
}

QWebEnginePage& HtmlView::Page() {
  if (page_ == nullptr) {
    engine_ = new QWebEngineView(this);
    // Given before the engine's view is shown, which would otherwise make a
    // page of its own in the default profile.
    page_ = new QWebEnginePage(&profile_, engine_);
    engine_->setPage(page_);
    engine_->setGeometry(rect());
    engine_->show();
  }
  return *page_;
}

void HtmlView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (engine_ != nullptr) engine_->setGeometry(rect());
}

void HtmlView::SetAddress(const AnsiText& address) {
  address_ = address;
  const QUrl url = NavigableUrl(address);
  // A ".swf" address plays in the local player page, which fetches it.
  const QUrl pageUrl = PageUrlFor(url);
  if (pageUrl != url || url == BlankUrl()) {
    Page().setUrl(pageUrl);
    return;
  }
  const AnsiText utf8 = AnsiToUtf8(address);
  if (KeepsAddressAsWritten(url, utf8)) {
    Page().setUrl(url);
  } else {
    Page().setHtml(RedirectPage(utf8));
  }
}

}  // namespace modian
