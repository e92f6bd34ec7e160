#include "support/unprivileged.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace vellumix::testing {

std::optional<std::string> runInChild(const std::function<std::string()>& body) {
    int fds[2];
    if (::pipe(fds) != 0) return std::nullopt;
    const pid_t pid = ::fork();
    if (pid < 0) return std::nullopt;
    if (pid == 0) {
        ::close(fds[0]);
        // The first byte says that the child got as far as reporting.
        const std::string report = "R" + body();
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
    if (report.empty() || !WIFEXITED(status)) return std::nullopt;
    return report.substr(1);
}

Unprivileged runUnprivileged(const std::function<std::string()>& body) {
    if (::geteuid() != 0) return {true, body(), {}};
    const std::optional<std::string> report = runInChild([&body] {
        const bool dropped =
            ::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0;
        // The first byte says whether the body ran.
        return dropped ? "R" + body() : "S" + std::string(std::strerror(errno));
    });
    if (!report || report->empty()) return {false, {}, "the child reported nothing"};
    if ((*report)[0] == 'S') return {false, {}, "cannot become nobody: " + report->substr(1)};
    return {true, report->substr(1), {}};
}

}  // namespace vellumix::testing
