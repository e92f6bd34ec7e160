#include "model/uuid.h"

#include <sys/random.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <random>

namespace vellumix {
namespace {

// Random bytes from the kernel, taken a page at a time so that making 100,000
// items costs a few dozen system calls instead of 100,000. One buffer per thread.
class RandomPool {
public:
    void fill(std::uint8_t* out, std::size_t count) {
        while (count > 0) {
            if (used_ == size_) refill();
            const std::size_t take = std::min(count, size_ - used_);
            std::memcpy(out, buffer_ + used_, take);
            used_ += take;
            out += take;
            count -= take;
        }
    }

private:
    void refill() {
        std::size_t got = 0;
        while (got < sizeof buffer_) {
            const ssize_t n = getrandom(buffer_ + got, sizeof buffer_ - got, 0);
            if (n > 0) {
                got += static_cast<std::size_t>(n);
            } else if (n < 0 && errno != EINTR) {
                // No kernel source (very old kernels, seccomp): fall back to the
                // library's nondeterministic generator rather than fail.
                std::random_device device;
                for (; got < sizeof buffer_; ++got) buffer_[got] = static_cast<std::uint8_t>(device());
            }
        }
        size_ = got;
        used_ = 0;
    }

    std::uint8_t buffer_[4096];
    std::size_t size_ = 0;
    std::size_t used_ = 0;
};

}  // namespace

Uuid::Uuid() {
    thread_local RandomPool pool;
    pool.fill(bytes_.data(), bytes_.size());
    bytes_[6] = static_cast<std::uint8_t>((bytes_[6] & 0x0F) | 0x40);  // version 4
    bytes_[8] = static_cast<std::uint8_t>((bytes_[8] & 0x3F) | 0x80);  // RFC 4122 variant
}

std::string Uuid::toString() const {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string text;
    text.reserve(36);
    for (std::size_t i = 0; i < bytes_.size(); ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10) text += '-';
        text += kHex[bytes_[i] >> 4];
        text += kHex[bytes_[i] & 0x0F];
    }
    return text;
}

}  // namespace vellumix
