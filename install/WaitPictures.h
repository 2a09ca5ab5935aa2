// The slide show of waiting pictures while the packaged setup runs: the
// medium's WAIT folder is copied to the target disk, then the progress page
// shows the pictures that its "wait.ini" lists, one after the other.
#pragma once

#include <string>

namespace tavrik {

namespace vcl {
class TImage;
}

// Whether a file of the medium's WAIT folder is copied: "." and ".." and
// names without a dot are not.
bool IsCopiedWaitFile(const std::string& name);

// The count of pictures a "wait.ini" gives in [WAIT] NB (0 when it gives
// none or no number), and the file name of picture `number`.
int WaitPictureCount(const std::string& list);
std::string WaitPictureName(const std::string& list, int number);

// Copies every file of the source folder whose name has a dot into the
// target folder (created with its parents), overwriting; sub-folders and
// names without a dot are skipped, failures ignored.
void CopyWaitPictures(const std::string& sourceFolder, const std::string& targetFolder);

// Shows the picture numbered WaitImageNumber in the copied folder, moves the
// number on (1 after the last) and restarts the countdown. A folder, list or
// picture that is missing or unreadable shows no picture.
void ShowNextWaitPicture(vcl::TImage& image);

}  // namespace tavrik
