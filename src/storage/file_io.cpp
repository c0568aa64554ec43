#include "storage/file_io.h"

#include <cerrno>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace zt {

namespace fs = std::filesystem;

namespace {

// A chain of links longer than this is taken for a loop, as the system does.
constexpr int kMostLinks = 40;

// Follows symbolic links from `path` to the file they name (which need not exist yet).
std::optional<fs::path> linkTarget(fs::path path) {
    for (int hops = 0; hops <= kMostLinks; ++hops) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error))) return path;
        const fs::path next = fs::read_symlink(path, error);
        if (error) return std::nullopt;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return std::nullopt;
}

// Temporary files are named after their target and the writing process,
// ".<name>.tmp-<pid>-XXXXXX", so that a later write can tell its own leftovers from other
// files. Long names are cut so the temporary name still fits the folder's limit.
std::string temporaryPrefix(const std::string& targetName) {
    return "." + targetName.substr(0, 200) + ".tmp-";
}

// Removes the temporary files of `targetName` in `folder` whose writer is no longer running:
// a plain file of this player, named by temporaryPrefix, the pid, a dash and six characters.
void removeStaleTemporaries(const fs::path& folder, const std::string& targetName) {
    const std::string prefix = temporaryPrefix(targetName);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.compare(0, prefix.size(), prefix) != 0) continue;
        const std::string rest = name.substr(prefix.size());
        const std::size_t dash = rest.find('-');
        if (dash == 0 || dash > 9 || rest.size() != dash + 7 ||
            rest.find_first_not_of("0123456789") != dash)
            continue;
        const pid_t writer = static_cast<pid_t>(std::stol(rest.substr(0, dash)));
        if (writer == ::getpid() || ::kill(writer, 0) == 0 || errno != ESRCH) continue;
        struct stat info {};
        const fs::path file = folder / name;
        if (::lstat(file.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
            info.st_uid == ::geteuid())
            ::unlink(file.c_str());
    }
    ::closedir(dir);
}

bool writeAll(int fd, const std::string& content) {
    std::size_t written = 0;
    while (written < content.size()) {
        const ssize_t n = ::write(fd, content.data() + written, content.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        written += static_cast<std::size_t>(n);
    }
    return true;
}

// Flushes a folder's entries, so that a rename in it survives a power loss.
void syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    // The new file is in place whatever this answers; a folder that cannot be flushed
    // (some file systems refuse) leaves only the timing to the system.
    ::fsync(fd);
    ::close(fd);
}

} // namespace

bool writeFileAtomically(const std::string& path, const std::string& content) {
    const std::optional<fs::path> target = linkTarget(path);
    if (!target || !target->has_filename()) return false;
    const fs::path folder = target->has_parent_path() ? target->parent_path() : fs::path(".");
    const std::string name = target->filename().string();

    // The file that is there: only a plain file the player may write is replaced, and the
    // new one gets its permission bits. A new file is readable like any other the player
    // makes (mkstemp makes it private).
    struct stat old {};
    const bool replacing = ::stat(target->c_str(), &old) == 0;
    if (replacing && (!S_ISREG(old.st_mode) || ::access(target->c_str(), W_OK) != 0)) return false;
    mode_t mode = old.st_mode & 0777;
    if (!replacing) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }

    removeStaleTemporaries(folder, name);
    std::string temp =
        (folder / (temporaryPrefix(name) + std::to_string(::getpid()) + "-XXXXXX")).string();
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return false;
    bool ok = writeAll(fd, content) && ::fchmod(fd, mode) == 0;
    if (ok && replacing && ::fchown(fd, old.st_uid, old.st_gid) != 0) {
        // Root saving a player's file leaves it the player's. Nobody else may give a file
        // away; for them the new file is simply their own.
    }
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(temp.c_str(), target->c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    syncFolder(folder);
    return true;
}

std::optional<std::string> readWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream content;
    content << file.rdbuf();
    if (file.bad()) return std::nullopt;
    return content.str();
}

void ignoreFileSizeLimitSignal() {
    ::signal(SIGXFSZ, SIG_IGN);
}

} // namespace zt
