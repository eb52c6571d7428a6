// Files as the system uses them: whole reads, atomic writes, temporary names, the program's folder.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace qbx {

bool FileExists(const std::string& fileName);

// The whole content of a file; raises EFileError "Cannot open file NAME: reason" on failure.
std::string ReadWholeFile(const std::string& fileName);

// The absolute name of the file that `fileName` stands for, every symbolic link followed; a name that
// cannot be resolved is returned as it is.
std::string ResolveLinks(const std::string& fileName);

// Writes to a temporary file beside the target and renames it over the target, so that a failed
// write never leaves a truncated file in place of a good one. Raises EFileError naming the file.
void WriteFileAtomically(const std::string& fileName, std::string_view content);
// The same for a file that a writer fills itself: `write` gets the temporary file's name (an empty
// file) and raises on failure; the target is replaced only when it returned.
void WriteFileAtomically(const std::string& fileName, const std::function<void(const std::string&)>& write);

// Creates a new empty file named with `prefix` in `folder` (the system temporary folder when empty)
// and returns its full name; the caller deletes it. Raises EFileError when the folder is not writable.
std::string CreateTempFile(const std::string& prefix, const std::string& folder = {});

// The system temporary folder ($TMPDIR or /tmp), without a trailing slash.
std::string SystemTempFolder();

// The folder of the running executable, without a trailing slash.
std::string ExecutableFolder();

std::string CurrentFolder();

// The folder part of a file name ("" for a bare name) and the name with a new extension.
std::string FolderOf(const std::string& fileName);
std::string ChangeExtension(const std::string& fileName, const std::string& extension);
// A file name's extension with its point, lower-cased ("" when it has none).
std::string Extension(const std::string& fileName);

} // namespace qbx
