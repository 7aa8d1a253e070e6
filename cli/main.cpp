// varquin-cli: the command-line calculator on the same core as the desktop program.

#include <cstring>
#include <iostream>

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << "varquin-cli " << VARQUIN_VERSION << '\n';
        return 0;
    }
    std::cout << "Usage : varquin-cli --version\n";
    return argc > 1 ? 2 : 0;
}
