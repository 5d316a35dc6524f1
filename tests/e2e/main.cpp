// korubel-soundcheck play <event-log>
// korubel-soundcheck game            (commands on standard input; see playscript.h)
// korubel-soundcheck analyse <recording.raw> <event-log>
// korubel-soundcheck silent <recording.raw>
// korubel-soundcheck stall [--hung-server] [--questions N] [--tolerance MS]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tests/e2e/analysis.h"
#include "tests/e2e/playscript.h"
#include "tests/e2e/stallcheck.h"

static int usage(const char *name)
{
    std::fprintf(stderr, "usage: %s play <event-log> | game | analyse <recording.raw> <event-log> | silent <recording.raw>\n"
                         "       %s stall [--hung-server] [--questions N] [--tolerance MS]\n", name, name);
    return 2;
}

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], "play") == 0)
        return playScript(argc, argv, QString::fromLocal8Bit(argv[2]));
    if (argc == 2 && std::strcmp(argv[1], "game") == 0)
        return gameScript(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "silent") == 0)
        return checkSilence(QString::fromLocal8Bit(argv[2]));
    if (argc == 4 && std::strcmp(argv[1], "analyse") == 0)
        return analyseRecording(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    if (argc >= 2 && std::strcmp(argv[1], "stall") == 0) {
        bool hung = false;
        int questions = 1, tolerance = 25;
        for (int n = 2; n < argc; ++n) {
            if (std::strcmp(argv[n], "--hung-server") == 0)
                hung = true;
            else if (std::strcmp(argv[n], "--questions") == 0 && n + 1 < argc)
                questions = std::atoi(argv[++n]);
            else if (std::strcmp(argv[n], "--tolerance") == 0 && n + 1 < argc)
                tolerance = std::atoi(argv[++n]);
            else
                return usage(argv[0]);
        }
        return stallCheck(argc, argv, hung, std::max(1, questions), tolerance);
    }
    return usage(argv[0]);
}
