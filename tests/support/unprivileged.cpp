#include "support/unprivileged.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace vellumix::testing {

Unprivileged runUnprivileged(const std::function<std::string()>& body) {
    if (::geteuid() != 0) return {true, body(), {}};
    int fds[2];
    if (::pipe(fds) != 0) return {false, {}, std::string("pipe: ") + std::strerror(errno)};
    const pid_t pid = ::fork();
    if (pid < 0) return {false, {}, std::string("fork: ") + std::strerror(errno)};
    if (pid == 0) {
        ::close(fds[0]);
        const bool dropped =
            ::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0;
        // The first byte says whether the body ran.
        const std::string report = dropped ? "R" + body() : "S" + std::string(std::strerror(errno));
        std::FILE* out = ::fdopen(fds[1], "w");
        std::fwrite(report.data(), 1, report.size(), out);
        std::fclose(out);
        ::_exit(0);
    }
    ::close(fds[1]);
    std::string report;
    std::FILE* in = ::fdopen(fds[0], "r");
    for (int c; (c = std::fgetc(in)) != EOF;)
        report += static_cast<char>(c);
    std::fclose(in);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (report.empty() || !WIFEXITED(status)) return {false, {}, "the child reported nothing"};
    if (report[0] == 'S') return {false, {}, "cannot become nobody: " + report.substr(1)};
    return {true, report.substr(1), {}};
}

}  // namespace vellumix::testing
