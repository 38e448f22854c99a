#include "tooling/ShowTool.h"

#include <iostream>

int main(int argc, char* argv[]) {
    return bw::ShowTool::Run(argc, argv, std::cin, std::cout, std::cerr);
}
