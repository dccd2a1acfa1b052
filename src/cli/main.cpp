#include <cstdio>

int main(int argc, char** argv) {
    (void)argv;
    if (argc < 2) {
        std::fputs("usage: tellmark-cli [-C DIR] COMMAND ...\n", stderr);
        return 2;
    }
    return 2;
}
