// ZAPHO, the drawing viewer of the suite.

#include "drawing_viewer/app/CZaphoApp.h"

namespace {
zapho::CZaphoApp theApplication;
} // namespace

int main(int argc, char** argv) {
    return AfxWinMain(argc, argv);
}
