#pragma once
// The boat pictures of the start diagram, the result slit and the course editor: a boat seen
// from above, bow to the right, in its frame's colours with the frame number.
#include <QImage>

// A picture `width` x `height` pixels of the boat of frame 1..6.
QImage BoatPicture(int frame, int width = 48, int height = 20);
