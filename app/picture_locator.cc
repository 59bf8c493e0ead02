#include "app/picture_locator.h"

#include "app/addresses.h"
#include "app/program_state.h"
#include "app/toolkit.h"
#include "text/bytes.h"
#include "text/gbk.h"
#include "text/markers.h"
#include "text/percent.h"

namespace modian {

using enum Control;
using enum Property;

void LocateStrokePicture() {
  StrokeQueryUrl = StrokeQueryAddress(GetText(编辑框1, kText));
  const ByteBlock body = {};  // the page from the stroke-order site
  StrokeImageUrl = UrlDecode(AsText(body), {.viaUtf8 = true});
  StrokeImageUrl = TextAfterLast(*StrokeImageUrl,
                                 GetText(编辑框1, kText) + Gbk("字的笔顺动画"));
  StrokeImageUrl =
      TextBefore(*StrokeImageUrl, GetText(编辑框1, kText) + Gbk("的笔顺"));
  StrokeImageUrl = TextAfterLast(*StrokeImageUrl, "http");
  StrokeImageUrl = TextBefore(*StrokeImageUrl, ".gif");
  StrokeImageUrl = "http" + *StrokeImageUrl + ".gif";
}

}  // namespace modian
