// MERDOK, the section model editor of the suite.

#include "section_editor/app/CMerdokApp.h"

#include "platform/core/MemoryPages.h"

namespace {
merdok::CMerdokApp theApplication;
} // namespace

int main(int argc, char** argv) {
    platform::KeepFreedMemoryForReuse();
    return AfxWinMain(argc, argv);
}
