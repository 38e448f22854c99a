#pragma once

#include <iosfwd>

// The command line of bwshowtool: dump a show file as JSON, build one from JSON, check a show.
namespace bw::ShowTool {

namespace ExitCode {
inline constexpr int Success = 0;
// An input file cannot be read.
inline constexpr int CannotRead = 1;
// The input is not a show: a show file whose text is not a list or holds no show, or JSON that
// does not describe one.
inline constexpr int NotAShow = 2;
// The check found something to report, or relink left files missing.
inline constexpr int Findings = 3;
// The output cannot be written.
inline constexpr int CannotWrite = 4;
// The command line itself is wrong.
inline constexpr int Usage = 64;
} // namespace ExitCode

// Runs one command line (argv[0] is the program) against the given standard streams and returns
// the exit code. Failures are one line each on `err`; nothing is written to a file then.
int Run(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace bw::ShowTool
