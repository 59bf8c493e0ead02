// How a view shows an address that is a picture on its own.
#pragma once

class QWebEngineProfile;

namespace modian {

// The lookup panels' geometry was laid out for a view that draws a lone
// picture at the page's top-left, 10 pixels in from the left and 15 from the
// top, on a white page. Chromium centres it on a dark background instead,
// which in the picture panel's 1200 x 1200 view puts it outside the window.
// This makes every view of `profile` draw lone pictures the old way.
void DrawLonePicturesAtTopLeft(QWebEngineProfile& profile);

}  // namespace modian
