#pragma once

namespace compila {

// Ctrl-C (and, where the system has them, a request to end the program or
// the closing of its console) is turned into a request that the program
// notices when it next asks, so that it can end cleanly: no write is cut
// short. From the first call on; a second call changes nothing.
void intercetta_interruzione();

// True once an interruption has been asked for.
bool interruzione_richiesta();

}  // namespace compila
