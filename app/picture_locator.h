// Finds the stroke-order picture of the character in 编辑框1.
#pragma once

namespace modian {

// Reads 编辑框1 through the toolkit, asks the stroke-order site for the
// character and cuts the picture's ".gif" address out of the answer. Leaves
// the query address in StrokeQueryUrl and the picture's address in
// StrokeImageUrl; "http.gif" when the page or a marker is missing.
void LocateStrokePicture();

}  // namespace modian
