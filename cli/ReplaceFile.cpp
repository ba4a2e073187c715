#include "cli/ReplaceFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

namespace zodiora::cli {

namespace {

bool WriteAll(int fd, std::string_view text)
{
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::string Problem(const std::string& what)
{
    return what + ": " + std::strerror(errno);
}

}  // namespace

std::string ReplaceFile(const std::string& given, std::string_view text)
{
    // A link is followed, so the file it names is replaced and the link kept.
    std::error_code error;
    std::string path = given;
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(given, error))) {
        // A dangling link is replaced itself.
        if (const auto target = std::filesystem::canonical(given, error); !error) path = target.string();
    }
    struct stat old {};
    const bool exists = ::stat(path.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode)) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC);
        if (fd < 0) return Problem("cannot open '" + path + "'");
        const bool ok = WriteAll(fd, text);
        const int saved = errno;
        ::close(fd);
        errno = saved;
        return ok ? std::string() : Problem("cannot write '" + path + "'");
    }
    const std::filesystem::path target(path);
    const std::string folder = target.has_parent_path() ? target.parent_path().string() : ".";
    std::string pattern = folder + "/." + target.filename().string() + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) return Problem("cannot write '" + path + "'");
    // The file keeps its permissions; a new one gets those a plain create would.
    mode_t mode = 0;
    if (exists) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, text) && ::fsync(fd) == 0;
    int saved = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        saved = errno;
    }
    if (ok && ::rename(name.data(), path.c_str()) == 0) return {};
    if (ok) saved = errno;
    ::unlink(name.data());
    errno = saved;
    return Problem("cannot write '" + path + "'");
}

}  // namespace zodiora::cli
