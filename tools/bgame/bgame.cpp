// Stand-in for Retrosheet's box-score tool on systems where it does not run:
//
//   bgame -y YEAR -s MMDD -e MMDD -dsp EVENTFILE
//
// Reads the event file and writes to standard output one game line per game
// whose date lies within the keys. The first line of the output is a game
// line, so the reader takes the season's year from it.

#include "platform/fileio.h"
#include "tools/bgame/eventfile.h"

#include <cstdio>
#include <iostream>
#include <string>

namespace {

int usage()
{
    std::cerr << "usage: bgame -y YEAR -s MMDD -e MMDD -dsp EVENTFILE\n";
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    using namespace rota::bgame;
    if (argc != 9 || std::string(argv[1]) != "-y" || std::string(argv[3]) != "-s" || std::string(argv[5]) != "-e" ||
        std::string(argv[7]) != "-dsp")
        return usage();
    // The year is accepted as the real tool takes it; the games' dates come
    // from the event file itself.
    const int start = parseKey(argv[4]);
    const int end = parseKey(argv[6]);
    if (start < 0 || end < 0)
        return usage();

    std::string text;
    try {
        text = rota::readFileBytes(argv[8]);
    } catch (const std::exception& e) {
        std::cerr << "bgame: " << e.what() << "\n";
        return 1;
    }

    std::string out;
    for (const EventGame& game : parseEventFile(text)) {
        const int key = monthDayKey(game);
        if (key >= start && key <= end)
            out += gameLine(game) + "\n";
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
