// dorvane-format: the table formatter over .docx files, without windows.

#include <iostream>

#include "tools/format/BatchRun.h"
#include "tools/format/FormatArguments.h"

int main(int argc, char** argv) {
    using namespace dorvane::tools;
    FormatArguments arguments;
    try {
        arguments = ParseFormatArguments(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const UsageError& e) {
        std::cerr << "dorvane-format: " << e.what() << '\n';
        return 2;
    }
    if (arguments.help) {
        std::cout << FormatUsage();
        return 0;
    }
    try {
        return RunBatch(arguments, std::cout, std::cerr);
    } catch (const std::exception& e) {
        std::cerr << "dorvane-format: " << e.what() << '\n';
        return 1;
    }
}
