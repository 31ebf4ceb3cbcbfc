// The system calls player files go through (file_calls.h).
#include "platform/file_calls.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace hazama {
namespace {

FileCalls& system_calls() {
    static FileCalls calls;
    return calls;
}

FileCalls* in_force = nullptr;

}  // namespace

int FileCalls::open(const char* path, int flags, mode_t mode) {
    return ::open(path, flags, mode);
}

ssize_t FileCalls::read(int fd, void* into, std::size_t size) {
    return ::read(fd, into, size);
}

ssize_t FileCalls::write(int fd, const void* bytes, std::size_t size) {
    return ::write(fd, bytes, size);
}

int FileCalls::fsync(int fd) {
    return ::fsync(fd);
}

int FileCalls::close(int fd) {
    return ::close(fd);
}

int FileCalls::rename(const char* from, const char* to) {
    return std::rename(from, to);
}

FileCalls& FileCalls::used() {
    return in_force != nullptr ? *in_force : system_calls();
}

UsingFileCalls::UsingFileCalls(FileCalls& calls) : before_(in_force) {
    in_force = &calls;
}

UsingFileCalls::~UsingFileCalls() {
    in_force = before_;
}

}  // namespace hazama
