// korvex-peak-rss PROGRAM [ARGS...]: runs PROGRAM with its output discarded, then prints its
// exit code (-1 when it did not exit normally) and its peak resident size in bytes. A
// process keeps the peak of the process it was forked from, so a program forked straight
// from a large test would report the test's size; forked from this small launcher it
// reports its own.
#include <cstdio>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: korvex-peak-rss PROGRAM [ARGS...]\n");
        return 2;
    }
    const pid_t pid = fork();
    if (pid == 0) {
        const int sink = open("/dev/null", O_WRONLY);
        dup2(sink, STDOUT_FILENO);
        dup2(sink, STDERR_FILENO);
        execv(argv[1], argv + 1);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (pid < 0 || wait4(pid, &status, 0, &usage) != pid)
        return 1;
    std::printf("%d %lld\n", WIFEXITED(status) ? WEXITSTATUS(status) : -1,
                static_cast<long long>(usage.ru_maxrss) * 1024);
    return 0;
}
