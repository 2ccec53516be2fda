// kirvos-cli: the command line over the core. The first argument names the command; each command lives
// in its own file and is listed in the table below.
#include <cstdio>   // std::fprintf
#include <cstring>  // std::strcmp

#include "app/cli_commands.h"

namespace {

struct Command {
    const char* name;
    int (*run)(int argc, char** argv);
};

constexpr Command kCommands[] = {
    {"fem", kirvos::RunFemCommand},
    {"design", kirvos::RunDesignCommand},
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: kirvos-cli COMMAND [ARGS] (commands: fem, design)\n");
        return 2;
    }
    for (const Command& command : kCommands) {
        if (std::strcmp(argv[1], command.name) == 0) return command.run(argc - 1, argv + 1);
    }
    std::fprintf(stderr, "kirvos-cli: unknown command '%s'\n", argv[1]);
    return 2;
}
