#include "SimulatorRun.h"

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace bench {

namespace {

// The program's exit status, or -1 when it could not run or did not exit.
int runQuietly(std::vector<std::string> arguments)
{
    std::vector<char*> argv;
    for (auto& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    int const spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return -1;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

std::string readFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream contents;
    contents << file.rdbuf();
    return contents.str();
}

}

SimulatorRun runSimulator(const std::string& home, const std::string& script, const std::string& logFile, const std::vector<std::string>& extra)
{
    std::vector<std::string> arguments { DRAWLET_BUILD_DIR "/bin/drawlet-sim", "--headless", "--home", home, "--script", script, "--log", logFile };
    arguments.insert(arguments.end(), extra.begin(), extra.end());
    // The log file is appended to; each run starts a fresh one.
    std::error_code ignored;
    std::filesystem::remove(logFile, ignored);
    SimulatorRun run;
    auto const start = std::chrono::steady_clock::now();
    run.status = runQuietly(std::move(arguments));
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.log = readFile(logFile);
    return run;
}

bool runSettingsTool(const std::string& home, const std::vector<std::string>& arguments)
{
    std::vector<std::string> all { DRAWLET_BUILD_DIR "/bin/drawlet-settings", "--home", home };
    all.insert(all.end(), arguments.begin(), arguments.end());
    return runQuietly(std::move(all)) == 0;
}

}
