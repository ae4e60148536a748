// A child program for the process services' tests. The tests start it with the real
// launcher; it reports what it saw into a file named on its command line.
//
//   args <out> <element>...        writes each argv element after <out>, each ended by a NUL
//   inherit <out>                  writes "fds=<open descriptors> sigint=<default|ignored> blocked=<n>"
//   crash                          dies of SIGSEGV
//   hold <mutex> <ready>           holds the named mutex, writes "1" (or "0") to <ready>, waits
//   serve <class> <ready> <front>  answers for the window class until killed; bring-to-front
//                                  creates <front>; control 1 reads "child <pid>"
//   basemenu <ready>               takes "Verrant BASNEV 01", makes the shared name buffer and answers
//                                  for "VerrantControl" (slot 232 reads "killed") until killed
//   exchange <out> <op>...         runs the name exchange with the base menu; op "r:<id>" reads
//                                  a slot, "w:<id>:<name>" reports a name; writes one line per op
//                                  ("<op letter> <id> <result>[ <name>]") and "m <message>" per message

#include "common/process/BaseMenuExchange.h"
#include "common/process/CNamedMutex.h"
#include "common/process/CSharedNameBuffer.h"
#include "common/process/WindowClassServer.h"
#include "platform/core/CodePage.h"
#include "platform/core/MessageSink.h"

#include <algorithm>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {

void WriteFileAtomically(const std::string& path, const std::string& bytes) {
    std::string temporary = path + ".part";
    std::ofstream(temporary, std::ios::binary) << bytes;
    std::rename(temporary.c_str(), path.c_str());
}

int Args(int argc, char** argv) {
    std::string bytes;
    for (int i = 3; i < argc; ++i) {
        bytes += argv[i];
        bytes += '\0';
    }
    WriteFileAtomically(argv[2], bytes);
    return 0;
}

int Inherit(const char* out) {
    std::string fds;
    DIR* listing = ::opendir("/proc/self/fd");
    while (const dirent* entry = listing ? ::readdir(listing) : nullptr) {
        if (entry->d_name[0] != '.' && std::to_string(::dirfd(listing)) != entry->d_name) {
            fds += (fds.empty() ? "" : ",") + std::string(entry->d_name);
        }
    }
    if (listing) {
        ::closedir(listing);
    }
    struct sigaction interrupt {};
    ::sigaction(SIGINT, nullptr, &interrupt);
    sigset_t blocked;
    ::sigprocmask(SIG_BLOCK, nullptr, &blocked);
    int blockedCount = 0;
    for (int sig = 1; sig < NSIG; ++sig) {
        blockedCount += sigismember(&blocked, sig) == 1;
    }
    WriteFileAtomically(out, "fds=" + fds +
                                 " sigint=" + (interrupt.sa_handler == SIG_IGN ? "ignored" : "default") +
                                 " blocked=" + std::to_string(blockedCount));
    return 0;
}

int Crash() {
    rlimit noCore{0, 0};
    ::setrlimit(RLIMIT_CORE, &noCore);
    std::raise(SIGSEGV);
    return 1;
}

int Hold(const char* name, const char* ready) {
    CNamedMutex held;
    bool created = held.Create(CString(platform::Utf8ToCp932(name))) == CNamedMutex::CreateResult::Created;
    WriteFileAtomically(ready, created ? "1" : "0");
    for (;;) {
        ::pause();
    }
}

class ChildWindow : public process::WindowTextProvider {
public:
    explicit ChildWindow(std::string frontMarker) : frontMarker_(std::move(frontMarker)) {}
    bool BringToFront() override {
        WriteFileAtomically(frontMarker_, "front");
        return true;
    }
    bool GetControlText(int controlId, CString& text) override {
        text = CString("child " + std::to_string(::getpid()));
        return controlId == 1;
    }
    bool SetControlText(int, const CString&) override { return false; }

private:
    std::string frontMarker_;
};

int Serve(const char* className, const char* ready, const char* front) {
    ChildWindow window(front);
    process::WindowClassServer server(window);
    WriteFileAtomically(ready, server.Register(className) ? "1" : "0");
    for (;;) {
        server.ServeOnce(-1);
    }
}

class BaseMenuWindow : public process::WindowTextProvider {
public:
    bool BringToFront() override { return true; }
    bool GetControlText(int controlId, CString& text) override {
        text = "killed";
        return controlId == process::kMeasurementSlot;
    }
    bool SetControlText(int, const CString&) override { return false; }
};

int BaseMenu(const char* ready) {
    CNamedMutex instance;
    CSharedNameBuffer buffer;
    BaseMenuWindow window;
    process::WindowClassServer server(window);
    bool started = instance.Create("Verrant BASNEV 01") == CNamedMutex::CreateResult::Created &&
                   buffer.Create() && buffer.Write("left behind") &&
                   server.Register(process::kBaseMenuWindowClass);
    WriteFileAtomically(ready, started ? "1" : "0");
    for (;;) {
        server.ServeOnce(-1);
    }
}

// Collects the messages the exchange shows, for the report file.
class LineSink : public platform::MessageSink {
public:
    explicit LineSink(std::string& lines) : lines_(lines) { previous_ = platform::SetMessageSink(this); }
    ~LineSink() override { platform::SetMessageSink(previous_); }
    int ShowMessage(const CString& text, const CString&, UINT type) override {
        lines_ += "m " + platform::Cp932ToUtf8(text.str()) + "\n";
        return platform::DefaultButton(type);
    }
    void Beep(UINT) override {}

private:
    std::string& lines_;
    platform::MessageSink* previous_;
};

const char* ResultName(process::BaseMenuExchange result) {
    switch (result) {
    case process::BaseMenuExchange::NotRunning:
        return "NotRunning";
    case process::BaseMenuExchange::Unchanged:
        return "Unchanged";
    case process::BaseMenuExchange::Replaced:
        return "Replaced";
    case process::BaseMenuExchange::Failed:
        return "Failed";
    }
    return "?";
}

std::string RunOperation(const std::string& op) {
    std::size_t idEnd = std::min(op.find(':', 2), op.size());
    int controlId = 0;
    std::from_chars(op.data() + 2, op.data() + idEnd, controlId);
    if (op[0] == 'r') {
        CString name;
        process::BaseMenuExchange result = process::ReadBaseMenuSlot(controlId, name);
        return "r " + std::to_string(controlId) + " " + ResultName(result) + " " +
               platform::Cp932ToUtf8(name.str());
    }
    CString name(platform::Utf8ToCp932(op.substr(idEnd + 1)));
    return "w " + std::to_string(controlId) + " " +
           ResultName(process::ReportFileToBaseMenuSlot(controlId, name));
}

int Exchange(int argc, char** argv) {
    std::string lines;
    {
        LineSink sink(lines);
        for (int i = 3; i < argc; ++i) {
            std::string line = RunOperation(argv[i]);
            lines += line + "\n";
        }
    }
    WriteFileAtomically(argv[2], lines);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "args" && argc > 2) {
        return Args(argc, argv);
    }
    if (mode == "inherit" && argc > 2) {
        return Inherit(argv[2]);
    }
    if (mode == "crash") {
        return Crash();
    }
    if (mode == "hold" && argc > 3) {
        return Hold(argv[2], argv[3]);
    }
    if (mode == "serve" && argc > 4) {
        return Serve(argv[2], argv[3], argv[4]);
    }
    if (mode == "basemenu" && argc > 2) {
        return BaseMenu(argv[2]);
    }
    if (mode == "exchange" && argc > 2) {
        return Exchange(argc, argv);
    }
    std::fprintf(stderr, "process_test_child: unknown mode\n");
    return 2;
}
