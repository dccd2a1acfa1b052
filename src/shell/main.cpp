#include "shell/application.h"

int main(int argc, char** argv) { return tellmark::shell::runProgram(argc, argv); }
