// BASNEV, the base menu of the suite.

#include "control/app/CBasnevApp.h"

namespace {
basnev::CBasnevApp theApplication;
} // namespace

int main(int argc, char** argv) {
    return AfxWinMain(argc, argv);
}
