// TORVAN, the analysis program of the suite.

#include "analysis/app/CTorvanApp.h"

namespace {
torvan::CTorvanApp theApplication;
} // namespace

int main(int argc, char** argv) {
    return AfxWinMain(argc, argv);
}
