#include "files.h"

#include "errors.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

std::string ReadFileBytes(const std::string& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw CannotOpenFile(path, errno);
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        throw CannotOpenFile(path, EISDIR);
    }
    std::string bytes;
    if (st.st_size > 0)
        bytes.reserve(static_cast<size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            int e = errno;
            ::close(fd);
            throw CannotOpenFile(path, e);
        }
        if (n == 0)
            break;
        bytes.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    return bytes;
}

static std::string FolderOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

void WriteFileAtomic(const std::string& path, const std::string& bytes) {
    std::string folder = FolderOf(path);
    std::string base =
        path.substr(path.find_last_of('/') == std::string::npos ? 0 : path.find_last_of('/') + 1);
    std::string temp;
    int fd = -1;
    std::random_device rd;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "%08x", static_cast<unsigned>(rd()));
        temp = folder + "/." + base + "." + suffix + ".tmp";
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        throw CannotCreateFile(path, errno);
    // Keep the permissions of a file that is replaced.
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(fd, old.st_mode & 07777);
    else if (::stat(path.c_str(), &old) == 0 && S_ISDIR(old.st_mode)) {
        ::close(fd);
        ::unlink(temp.c_str());
        throw CannotCreateFile(path, EISDIR);
    }
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            int e = errno;
            ::close(fd);
            ::unlink(temp.c_str());
            throw CannotCreateFile(path, e);
        }
        done += static_cast<size_t>(n);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        int e = errno;
        ::unlink(temp.c_str());
        throw CannotCreateFile(path, e);
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        int e = errno;
        ::unlink(temp.c_str());
        throw CannotCreateFile(path, e);
    }
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

static char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsIgnoreCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    return true;
}

bool LessIgnoreCase(const std::string& a, const std::string& b) {
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        unsigned char x = static_cast<unsigned char>(Lower(a[i]));
        unsigned char y = static_cast<unsigned char>(Lower(b[i]));
        if (x != y)
            return x < y;
    }
    if (a.size() != b.size())
        return a.size() < b.size();
    return a < b; // names equal but for case: a fixed order all the same
}

std::vector<std::string> ListFolderByMask(const std::string& dir, const std::string& mask) {
    std::string ext = mask;
    if (ext.rfind("*", 0) == 0)
        ext = ext.substr(1);
    DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
    if (!d) {
        int e = errno;
        throw FileError("Cannot open folder \"" + dir + "\". " + std::strerror(e));
    }
    std::vector<std::string> names;
    std::string folder = dir;
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    while (dirent* e = ::readdir(d)) {
        std::string name = e->d_name;
        if (name.empty() || name[0] == '.')
            continue;
        if (name.size() < ext.size() || !EqualsIgnoreCase(name.substr(name.size() - ext.size()), ext))
            continue;
        if (!FileExists(folder + name))
            continue;
        names.push_back(name);
    }
    ::closedir(d);
    std::sort(names.begin(), names.end(), LessIgnoreCase);
    return names;
}

} // namespace platform
