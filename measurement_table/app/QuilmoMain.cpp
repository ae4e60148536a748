// QUILMO, the measurement table editor of the suite.

#include "measurement_table/app/CQuilmoApp.h"

namespace {
quilmo::CQuilmoApp theApplication;
} // namespace

int main(int argc, char** argv) {
    return AfxWinMain(argc, argv);
}
