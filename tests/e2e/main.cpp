// korubel-soundcheck play <event-log>
// korubel-soundcheck analyse <recording.raw> <event-log>
#include <cstdio>
#include <cstring>

#include "analysis.h"
#include "playscript.h"

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], "play") == 0)
        return playScript(argc, argv, QString::fromLocal8Bit(argv[2]));
    if (argc == 4 && std::strcmp(argv[1], "analyse") == 0)
        return analyseRecording(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    std::fprintf(stderr, "usage: %s play <event-log> | analyse <recording.raw> <event-log>\n", argv[0]);
    return 2;
}
