#include "physics/ListeningDistance.h"

namespace corvane {

namespace {
double g_listeningDistance = -1;
}

double ListeningDistance() {
    return g_listeningDistance;
}
void SetListeningDistance(double metres) {
    g_listeningDistance = metres;
}

} // namespace corvane
