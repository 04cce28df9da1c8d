#pragma once

class tLogoTab;

// openvideo file [left top] [width height]: shows the video file at that place of the shown
// page (pixels from its upper left corner, as "aPos" gives them) and plays it; closevideo file
// takes it away. The file must be there (erVideoMissingFile); places and sizes are lists of two
// whole numbers (erExpectList2), sizes of at least one pixel (erMinMax). Without a window
// (the console) both fail erInitVideo; closing a file no video shows fails erVideoState.
void registerVideoPrimitives(tLogoTab& primitives);
