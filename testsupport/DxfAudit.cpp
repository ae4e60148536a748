#include "testsupport/DxfAudit.h"

#include "testsupport/FileBytes.h"

#include <cstdio>
#include <cstdlib>

namespace testsupport {

namespace {

const char kAuditScript[] = R"(
import glob, os, sys, ezdxf
for path in sorted(glob.glob(os.path.join(sys.argv[1], '*.dxf'))):
    name = os.path.basename(path)
    try:
        doc = ezdxf.readfile(path)
    except Exception as error:
        print(name, 'does not load:', error); continue
    auditor = doc.audit()
    for item in auditor.errors + auditor.fixes:
        print(name, item.code, item.message)
)";

} // namespace

bool EzdxfAvailable() {
    return std::system("/usr/bin/python3 -c 'import ezdxf' >/dev/null 2>&1") == 0;
}

std::string EzdxfAuditProblems(const std::string& directory) {
    const std::string script = directory + "/.ezdxf-audit.py";
    WriteBytes(script, kAuditScript);
    const std::string command = "/usr/bin/python3 '" + script + "' '" + directory + "' 2>&1";
    std::string report;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) {
        return "the audit could not be started";
    }
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe)) {
        report += buffer;
    }
    if (::pclose(pipe) != 0 && report.empty()) {
        report = "the audit failed";
    }
    std::remove(script.c_str());
    return report;
}

} // namespace testsupport
