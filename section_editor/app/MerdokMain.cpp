// MERDOK, the section model editor of the suite.

#include "section_editor/app/CMerdokApp.h"

namespace {
merdok::CMerdokApp theApplication;
} // namespace

int main(int argc, char** argv) {
    return AfxWinMain(argc, argv);
}
