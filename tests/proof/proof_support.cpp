// SPDX-License-Identifier: GPL-3.0-or-later
#include "proof_support.h"

#include <grp.h>
#include <poll.h>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>

#include <cstdlib>

namespace sb::proof {

std::pair<pid_t, std::string> startProgram(const std::filesystem::path& data,
                                           const std::string& script, const StartOptions& options)
{
    const passwd* user = options.account.empty() ? nullptr : ::getpwnam(options.account.c_str());
    std::vector<std::string> all{SUMBLITZ_PROGRAM, "--data-dir", data.string(), "--script", script};
    if (options.shared) {
        all.emplace_back("--shared");
    }
    std::vector<char*> argv(all.size() + 1, nullptr); // ending in a null
    std::ranges::transform(all, argv.begin(), [](std::string& a) { return a.data(); });
    int gate[2], io[2]; // io: the program's standard output and input, both ways at once
    if (::pipe(gate) != 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, io) != 0) {
        return {-1, ""};
    }
    const pid_t child = ::fork();
    if (child == 0) {
        char go = 0;
        ::close(gate[1]);
        const bool opened = ::read(gate[0], &go, 1) == 1;
        ::dup2(io[1], STDOUT_FILENO);
        ::dup2(io[1], STDIN_FILENO);
        ::close(io[0]);
        ::umask(022);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        if (user != nullptr && (::initgroups(options.account.c_str(), user->pw_gid) != 0 ||
                                ::setgid(user->pw_gid) != 0 || ::setuid(user->pw_uid) != 0 ||
                                ::setenv("HOME", options.home.c_str(), 1) != 0)) {
            ::_exit(126);
        }
        if (opened) {
            ::execv(SUMBLITZ_PROGRAM, argv.data());
        }
        ::_exit(127);
    }
    ::close(gate[0]);
    ::close(io[1]);
    options.plant(child);
    static_cast<void>(::write(gate[1], "x", 1));
    ::close(gate[1]);
    std::string said;
    int holds = 0;
    pollfd wait{io[0], POLLIN, 0};
    while (said.find("ready") == std::string::npos && ::poll(&wait, 1, 30000) > 0) {
        char buffer[512];
        const ssize_t n = ::read(io[0], buffer, sizeof buffer);
        if (n <= 0) {
            break;
        }
        said.append(buffer, static_cast<std::size_t>(n));
        for (std::size_t at = 0; (at = said.find("held\n", at)) != std::string::npos;) {
            said.erase(at, 5);
            options.atHold(++holds);
            static_cast<void>(::write(io[0], "\n", 1));
        }
    }
    ::close(io[0]);
    if (said.find("ready") == std::string::npos) {
        ::kill(child, SIGKILL);
        static_cast<void>(endOf(child));
        return {-1, said};
    }
    return {child, said};
}

bool writeClass(const std::filesystem::path& dir, const std::vector<std::string>& names,
                DrillSettings pupil, const DrillSettings& defaults)
{
    StudentFile f(DataDir{diskFileSystem(), dir, realClock()});
    static_cast<void>(OpenStudentFile(f, {}));
    const auto append = [&](const std::string& name) {
        setName(pupil, name);
        return AppendStudent(f, pupil).ok();
    };
    return std::ranges::all_of(names, append) && RewriteStudentFile(f, names, {}, defaults).ok();
}

bool classWith(const std::filesystem::path& dir, const std::string& pupil, bool shared)
{
    Settings s;
    LoadOriginalDefaults(s);
    s.curSettings = test::originalDefaults(pupil);
    s.curSettings.autoTeach = s.curSettings.loadOnStart = 1;
    return SaveExitSettings(s, false, DataDir{diskFileSystem(), dir, realClock()}, shared).ok() &&
           writeClass(dir, {pupil}, s.curSettings, s.defaultSettings);
}

std::string runProgram(const std::filesystem::path& data, const std::string& script,
                       const StartOptions& options)
{
    const auto [child, said] = startProgram(data, script, options);
    if (child <= 0) {
        return "?";
    }
    ::kill(child, SIGTERM);
    static_cast<void>(endOf(child));
    std::string notices = said.find("notice: ") == std::string::npos ? "?" : "";
    for (std::size_t at = said.find("notice: "); at != std::string::npos;
         at = said.find("notice: ", at + 1)) {
        notices.append(at == said.find("notice: ") ? "" : "\n");
        notices.append(said, at + 8, said.find('\n', at) - at - 8);
    }
    return notices;
}

} // namespace sb::proof
