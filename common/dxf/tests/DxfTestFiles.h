#pragma once
// Small file helpers of the DXF tests.

#include "testsupport/FileBytes.h"

#include <string>
#include <vector>

namespace dxftest {

// A fresh path in the test output directory.
std::string OutputPath(const std::string& name);
// The lines of a file without their line ends.
std::vector<std::string> ReadLines(const std::string& path);
using testsupport::ReadBytes;
using testsupport::WriteBytes;
// A DXF text from code/value pairs ("0", "LINE", "8", "0", ...), lines ended by CR LF.
std::string DxfText(const std::vector<std::string>& pairs);
// An ENTITIES section holding the given groups, closed by ENDSEC and EOF.
std::string EntitiesDxf(const std::vector<std::string>& pairs);

} // namespace dxftest
