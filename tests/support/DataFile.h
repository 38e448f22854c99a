#pragma once

#include <fstream>
#include <iterator>
#include <string>

namespace bw::test {

// The bytes of a file under tests/data, named from there ("registry/values.reg"); empty when
// there is none.
inline std::string DataFile(const std::string& name) {
    std::ifstream in(BWSHOW_TEST_DATA "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace bw::test
