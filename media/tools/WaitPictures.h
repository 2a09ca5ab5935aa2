// The waiting pictures of the medium's WAIT folder, attente1.bmp to
// attente3.bmp: shown one after the other (stretched to 490 x 290) while the
// setup runs. A calm landscape under a dial whose needle and the dots below
// tell the picture's place in the series.
#pragma once

#include <string>

#include "Image.h"

namespace tavrik::media {

constexpr int kWaitWidth = 490;
constexpr int kWaitHeight = 290;
constexpr int kWaitPictureCount = 3;

// step: 1 to kWaitPictureCount.
Image MakeWaitPicture(int step);

// "attente" + step + ".bmp".
std::string WaitPictureFileName(int step);

}  // namespace tavrik::media
