// Writing a file over an existing one without ever losing the one it
// replaces.
//
// The new bytes go into a temporary file beside the target; only when every
// write, the flush to the disk and the close succeeded does the temporary
// file take the target's name, and the file that stood there before becomes
// the backup (BackupName, YrText.h), replacing an older backup. On any
// failure the temporary file is removed and the target and its backup are
// left exactly as they were, so a full disk, a read-only folder or a pipe
// whose reader went away costs the user the new file, never the old one.
//
// The target's name is used as given (its case included). The new file is
// created with the usual permissions (0666 less the umask), as a file
// written anew under that name would be. Reports nothing; the caller tells
// the user.
#pragma once

#include <functional>
#include <string>

class TYrStream;

// Runs `write` on a stream created for the new file; true when the new file
// stands under `fileName` with everything `write` wrote. `write` leaves
// errors in the stream (Status/FirstError) and must not close it.
bool SaveReplacing(const std::string& fileName, const std::function<void(TYrStream&)>& write);
