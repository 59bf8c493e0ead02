// Finds the stroke-order picture of the character in 编辑框1.
#pragma once

#include <string_view>

#include "text/types.h"

namespace modian {

// Reads 编辑框1 through the toolkit, asks the stroke-order site for the
// character and cuts the picture's ".gif" address out of the answer. Leaves
// the query address in StrokeQueryUrl and the picture's address in
// StrokeImageUrl; "http.gif" when the request fails or a marker is missing.
void LocateStrokePicture();

// The picture's address in a downloaded stroke-order page: the page is read
// up to its first zero byte and percent-decoded as UTF-8 into GBK; the address
// runs from the last "http" to the next ".gif" in the stretch between the last
// `character` + "字的笔顺动画" and the next `character` + "的笔顺". "http.gif"
// when any of these is missing.
AnsiText PictureAddressIn(const ByteBlock& page, std::string_view character);

}  // namespace modian
