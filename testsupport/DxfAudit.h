#pragma once
// The independent check of the DXF files the suite writes: ezdxf (Debian's python3-ezdxf,
// run with /usr/bin/python3, since another python3 may come first on PATH) loads each
// file and audits it.

#include <string>

namespace testsupport {

bool EzdxfAvailable();

// Loads and audits every "*.dxf" file of the directory: one line per problem (a file
// that does not load, an audit error or fix), empty when every file is clean.
std::string EzdxfAuditProblems(const std::string& directory);

} // namespace testsupport
