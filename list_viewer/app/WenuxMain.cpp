// WENUX, the list and log viewer of the suite.

#include "list_viewer/app/CWenuxApp.h"

namespace {
wenux::CWenuxApp theApplication;
} // namespace

int main(int argc, char** argv) {
    return AfxWinMain(argc, argv);
}
