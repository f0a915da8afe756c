#include "native_user_files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

#include "common/user_files.h"

namespace {

std::string userFolder;

std::string pathOf(std::string_view name) {
    return userFolder + "/" + std::string(name);
}

// A descriptor closed with its owner.
class Descriptor {
  public:
    explicit Descriptor(int descriptor) : descriptor_(descriptor) {}
    ~Descriptor() {
        if (descriptor_ >= 0) {
            ::close(descriptor_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return descriptor_; }
    bool close() { return ::close(std::exchange(descriptor_, -1)) == 0; }

  private:
    int descriptor_;
};

bool writeAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Appends the rest of the file, at most `limit` bytes and one more.
bool readUpTo(int descriptor, std::size_t limit, std::string& bytes) {
    char chunk[65536];
    while (bytes.size() <= limit) {
        const ssize_t read = ::read(descriptor, chunk, sizeof chunk);
        if (read < 0) {
            return false;
        }
        if (read == 0) {
            break;
        }
        bytes.append(chunk, static_cast<std::size_t>(read));
    }
    return true;
}

bool copyAll(int from, int to) {
    char chunk[65536];
    for (;;) {
        const ssize_t read = ::read(from, chunk, sizeof chunk);
        if (read <= 0) {
            return read == 0;
        }
        if (!writeAll(to, std::string_view(chunk, static_cast<std::size_t>(read)))) {
            return false;
        }
    }
}

bool finish(Descriptor& file, bool written) {
    written = written && ::fsync(file.get()) == 0;
    return file.close() && written;
}

}  // namespace

void useUserFolder(const std::string& folder) {
    userFolder = folder;
}

UserFileContents readUserFile(std::string_view name, std::size_t maxBytes) {
    Descriptor file(::open(pathOf(name).c_str(), O_RDONLY));
    if (file.get() < 0) {
        const bool missing = errno == ENOENT || errno == ENOTDIR;
        return {missing ? FileRead::Missing : FileRead::Failed, {}, false};
    }
    UserFileContents contents{FileRead::Read, {}, false};
    if (!readUpTo(file.get(), maxBytes, contents.bytes)) {
        return {FileRead::Failed, {}, false};
    }
    contents.cut = contents.bytes.size() > maxBytes;
    contents.bytes.resize(std::min(contents.bytes.size(), maxBytes));
    return contents;
}

bool replaceUserFile(std::string_view name, std::string_view bytes) {
    const std::string path = pathOf(name);
    const std::string written = path + ".new";
    Descriptor file(::open(written.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644));
    if (file.get() < 0) {
        return false;
    }
    if (!finish(file, writeAll(file.get(), bytes)) ||
        ::rename(written.c_str(), path.c_str()) != 0) {
        ::unlink(written.c_str());
        return false;
    }
    return true;
}

CopyOutcome copyUserFile(std::string_view name, std::string_view copyName) {
    Descriptor from(::open(pathOf(name).c_str(), O_RDONLY));
    if (from.get() < 0) {
        return CopyOutcome::Failed;
    }
    const std::string copyPath = pathOf(copyName);
    Descriptor to(::open(copyPath.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644));
    if (to.get() < 0) {
        return errno == EEXIST ? CopyOutcome::NameTaken : CopyOutcome::Failed;
    }
    if (!finish(to, copyAll(from.get(), to.get()))) {
        ::unlink(copyPath.c_str());
        return CopyOutcome::Failed;
    }
    return CopyOutcome::Copied;
}

UserFilesLock::~UserFilesLock() {
    if (handle_ >= 0) {
        ::close(static_cast<int>(handle_));
    }
}

LockAttempt UserFilesLock::tryTake() {
    ::mkdir(userFolder.c_str(), 0755);
    const int file = ::open(pathOf("lists.lock").c_str(), O_RDWR | O_CREAT, 0644);
    if (file < 0) {
        return LockAttempt::Unavailable;
    }
    if (::flock(file, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(file);
        return error == EWOULDBLOCK ? LockAttempt::Busy : LockAttempt::Unavailable;
    }
    handle_ = file;
    return LockAttempt::Taken;
}
