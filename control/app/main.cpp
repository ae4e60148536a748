#include "control/app/BasnevApp.h"

int main(int argc, char** argv) {
    CBasnevApp app;
    return AfxWinMain(argc, argv);
}
