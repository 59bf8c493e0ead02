#include "app/picture_locator.h"

#include "app/addresses.h"
#include "app/program_state.h"
#include "app/toolkit.h"
#include "text/bytes.h"
#include "text/gbk.h"
#include "text/markers.h"
#include "text/percent.h"
#include "web/request_page.h"

namespace modian {

using enum Control;
using enum Property;

void LocateStrokePicture() {
  StrokeQueryUrl = StrokeQueryAddress(GetText(编辑框1, kText));
  ByteBlock page;
  {
    const WaitScope waiting;
    page = RequestPage(*StrokeQueryUrl, {.method = 0});
  }
  // A failed request gives an empty page, which leaves "http.gif": the panel
  // opens all the same.
  StrokeImageUrl = PictureAddressIn(page, GetText(编辑框1, kText));
}

AnsiText PictureAddressIn(const ByteBlock& page, std::string_view character) {
  const AnsiText heading = AnsiText(character) + Gbk("字的笔顺动画");
  const AnsiText caption = AnsiText(character) + Gbk("的笔顺");
  // The whole page is decoded before anything is searched; each cut then
  // works on what the one before it left.
  AnsiText stretch = UrlDecode(AsText(page), {.viaUtf8 = true});
  stretch = TextAfterLast(stretch, heading);
  stretch = TextBefore(stretch, caption);
  stretch = TextAfterLast(stretch, "http");
  stretch = TextBefore(stretch, ".gif");
  return "http" + stretch + ".gif";
}

}  // namespace modian
