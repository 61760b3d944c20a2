// startup_launch PROGRAM: starts PROGRAM, which prints the milliseconds from its launch to its
// first painted window, and adds the peak resident memory of its whole run:
//   "<milliseconds> <peak kilobytes>"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

int main(int argc, char *argv[])
{
    if (argc < 2) {
        fprintf(stderr, "usage: %s PROGRAM [ARGUMENTS]\n", argv[0]);
        return 2;
    }
    int output[2];
    if (pipe(output) != 0)
        return 2;
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    const long long launchNs = (long long)ts.tv_sec * 1000000000LL + ts.tv_nsec;
    const pid_t child = fork();
    if (child < 0)
        return 2;
    if (child == 0) {
        setenv("ANALYZE_LAUNCH_NS", std::to_string(launchNs).c_str(), 1);
        dup2(output[1], STDOUT_FILENO);
        close(output[0]);
        close(output[1]);
        execv(argv[1], argv + 1);
        _exit(127);
    }
    close(output[1]);
    std::string printed;
    char buffer[256];
    ssize_t got;
    while ((got = read(output[0], buffer, sizeof buffer)) > 0)
        printed.append(buffer, size_t(got));
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0 || printed.empty()) {
        fprintf(stderr, "%s did not report its first paint\n", argv[1]);
        return 1;
    }
    while (!printed.empty() && (printed.back() == '\n' || printed.back() == '\r'))
        printed.pop_back();
    printf("%s %ld\n", printed.c_str(), usage.ru_maxrss);
    return 0;
}
