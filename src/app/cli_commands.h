#pragma once
// Commands of kirvos-cli. Each takes the arguments after the command word (argv[0] is the command word
// itself) and returns the process exit code: 0 on success, non-zero on any failure, with a one-line
// message on standard error for usage errors.

namespace kirvos {

// kirvos-cli fem FILE [--json OUT|-] [--samples N]
int RunFemCommand(int argc, char** argv);

// kirvos-cli design FILE.ws1 ...: written in its own file (cli_design.cpp) and added to the command
// table in cli_main.cpp.
int RunDesignCommand(int argc, char** argv);

}  // namespace kirvos
