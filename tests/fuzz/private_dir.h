// Targets that write files work in a folder of their own: the processes of one run share a
// working directory and would read each other's inputs.
#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <string>

inline void EnterPrivateDirectory() {
    const std::string dir = "work-" + std::to_string(getpid());
    mkdir(dir.c_str(), 0755);
    if (chdir(dir.c_str()) != 0) _exit(2);
}
