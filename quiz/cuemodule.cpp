// The sound module's one entry point: the program resolves it by name
// after loading the module (see soundmodule.h).
#include "quiz/pulsecueplayer.h"
#include "quiz/wavdata.h"

extern "C" Q_DECL_EXPORT CuePlayer *korubel_create_cue_player()
{
    return new PulseCuePlayer(cueResource);
}
