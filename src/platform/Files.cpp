// POSIX implementation of the file helpers.
#include "platform/Files.h"

#include "base/Exceptions.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <iterator>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace qbx {
namespace {

std::string Reason()
{
    return std::strerror(errno);
}

mode_t CurrentUmask()
{
    mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

} // namespace

bool FileExists(const std::string& fileName)
{
    struct stat info
    {
    };
    return ::stat(fileName.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string ReadWholeFile(const std::string& fileName)
{
    std::ifstream in(fileName, std::ios::binary);
    if (!in)
        throw EFileError("Cannot open file " + fileName + ": " + Reason());
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        throw EFileError("Cannot read file " + fileName + ": " + Reason());
    return content;
}

std::string ResolveLinks(const std::string& fileName)
{
    char buffer[PATH_MAX];
    if (::realpath(fileName.c_str(), buffer))
        return buffer;
    // A link to a file that does not exist yet: follow it by hand, so the file appears at its target.
    std::string name = fileName;
    for (int hops = 0; hops < 40; ++hops) {
        ssize_t n = ::readlink(name.c_str(), buffer, sizeof buffer - 1);
        if (n <= 0)
            break;
        std::string target(buffer, static_cast<std::size_t>(n));
        std::string folder = FolderOf(name);
        name = target.front() == '/' || folder.empty() ? target : folder + "/" + target;
    }
    return name;
}

void WriteFileAtomically(const std::string& linkOrFile, const std::function<void(const std::string&)>& write)
{
    // Writing through a symbolic link replaces its target, and leaves the link as it is.
    const std::string fileName = ResolveLinks(linkOrFile);
    std::string folder = FolderOf(fileName);
    std::string temp;
    try {
        temp = CreateTempFile(".qb", folder.empty() ? "." : folder);
    } catch (const EFileError&) {
        throw EFileError("Cannot write file " + fileName + ": " + Reason());
    }
    try {
        write(temp);
    } catch (...) {
        ::unlink(temp.c_str());
        throw;
    }
    int fd = ::open(temp.c_str(), O_WRONLY);
    bool ok = fd >= 0 && ::fsync(fd) == 0;
    std::string reason = ok ? std::string() : Reason();
    if (fd >= 0 && ::close(fd) != 0 && ok) {
        ok = false;
        reason = Reason();
    }
    // A new file gets the usual permissions rather than the private ones of a temporary file.
    struct stat info
    {
    };
    mode_t mode = 0666 & ~CurrentUmask();
    if (::stat(fileName.c_str(), &info) == 0)
        mode = info.st_mode & 07777;
    ::chmod(temp.c_str(), mode);
    if (ok && ::rename(temp.c_str(), fileName.c_str()) != 0) {
        ok = false;
        reason = Reason();
    }
    if (!ok) {
        ::unlink(temp.c_str());
        throw EFileError("Cannot write file " + fileName + ": " + reason);
    }
}

void WriteFileAtomically(const std::string& linkOrFile, std::string_view content)
{
    WriteFileAtomically(linkOrFile, [&](const std::string& temp) {
        int fd = ::open(temp.c_str(), O_WRONLY | O_TRUNC);
        bool ok = fd >= 0;
        for (std::size_t done = 0; ok && done < content.size();) {
            ssize_t n = ::write(fd, content.data() + done, content.size() - done);
            if (n < 0 && errno == EINTR)
                continue;
            ok = n > 0;
            done += ok ? static_cast<std::size_t>(n) : 0;
        }
        std::string reason = ok ? std::string() : Reason();
        if (fd >= 0 && ::close(fd) != 0 && ok) {
            ok = false;
            reason = Reason();
        }
        if (!ok)
            throw EFileError("Cannot write file " + ResolveLinks(linkOrFile) + ": " + reason);
    });
}

std::string SystemTempFolder()
{
    const char* dir = std::getenv("TMPDIR");
    std::string folder = dir && *dir ? dir : "/tmp";
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

std::string CreateTempFile(const std::string& prefix, const std::string& folder)
{
    std::string dir = folder.empty() ? SystemTempFolder() : folder;
    if (dir.size() > 1 && dir.back() == '/')
        dir.pop_back();
    std::string pattern = dir + "/" + prefix + "XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    int fd = ::mkstemp(name.data());
    if (fd < 0)
        throw EFileError("Cannot create a temporary file in " + dir + ": " + Reason());
    ::close(fd);
    return name.data();
}

std::string ExecutableFolder()
{
    char buffer[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0)
        return CurrentFolder();
    return FolderOf(std::string(buffer, static_cast<std::size_t>(n)));
}

std::string CurrentFolder()
{
    char buffer[PATH_MAX];
    return ::getcwd(buffer, sizeof buffer) ? buffer : ".";
}

std::string FolderOf(const std::string& fileName)
{
    std::size_t slash = fileName.find_last_of('/');
    if (slash == std::string::npos)
        return {};
    return slash == 0 ? "/" : fileName.substr(0, slash);
}

std::string ChangeExtension(const std::string& fileName, const std::string& extension)
{
    std::size_t slash = fileName.find_last_of('/');
    std::size_t dot = fileName.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return fileName + extension;
    return fileName.substr(0, dot) + extension;
}

std::string Extension(const std::string& fileName)
{
    std::string extension = fileName.substr(ChangeExtension(fileName, "").size());
    std::transform(extension.begin(), extension.end(), extension.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

} // namespace qbx
