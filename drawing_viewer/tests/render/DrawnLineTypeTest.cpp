// The DXF export writes every line, polyline and arrow (its shaft too where the heads are
// blocks) with the line type the view's pen draws it with, for each pair of line type and
// width code and in each colour method.

#include "drawing_viewer/core/CMainDoc.h"
#include "drawing_viewer/core/CPlotArrow.h"
#include "drawing_viewer/core/CPlotDxfWriter.h"
#include "drawing_viewer/core/CPlotLine.h"
#include "drawing_viewer/core/CPlotPolyLine.h"
#include "drawing_viewer/render/PlotRenderer.h"
#include "testsupport/Fixtures.h"

#include "platform/core/Unset.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace zapho {
namespace {

struct Pair {
    int lineType;
    int widthCode;
};

std::vector<Pair> AllPairs() {
    std::vector<Pair> pairs;
    for (int lineType = -1; lineType <= 5; ++lineType) {
        for (int widthCode : {platform::kUnsetInt, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9}) {
            pairs.push_back({lineType, widthCode});
        }
    }
    return pairs;
}

std::string PenLineTypeName(int penStyle) {
    static const char* const kNames[5] = {"CONTINUOUS", "DASHED", "DOT", "DASHDOT", "DASHDOTDOT"};
    return penStyle >= 0 && penStyle < 5 ? kNames[penStyle] : "(pen style " + std::to_string(penStyle) + ")";
}

// The line type (group 6) of each drawn entity of the ENTITIES section, in file order.
std::vector<std::string> EntityLineTypes(const std::string& dxf) {
    std::istringstream in(dxf);
    std::vector<std::string> types;
    std::string code;
    std::string value;
    bool inside = false;
    bool drawn = false;
    auto trim = [](std::string text) {
        text.erase(0, text.find_first_not_of(" \r"));
        text.erase(text.find_last_not_of(" \r") + 1);
        return text;
    };
    while (std::getline(in, code) && std::getline(in, value)) {
        code = trim(code);
        value = trim(value);
        if (code == "2" && value == "ENTITIES") {
            inside = true;
        } else if (inside && code == "0") {
            drawn = value == "LINE" || value == "POLYLINE" || value == "LWPOLYLINE";
        } else if (inside && drawn && code == "6") {
            types.push_back(value);
        }
    }
    return types;
}

class DrawnLineTypeTest : public testsupport::TempDirTest {
protected:
    using MakeItem = std::unique_ptr<CPlotData> (*)(const Pair&, int row);

    // Exports a page of one item a pair and checks each entity's line type against the pen.
    void ExpectTheViewsLineTypes(const char* kind, MakeItem make) {
        const std::vector<Pair> pairs = AllPairs();
        CMainDoc doc;
        doc.m_drawing.AddPage();
        for (std::size_t row = 0; row < pairs.size(); ++row) {
            doc.m_drawing.AddPlotItem(make(pairs[row], static_cast<int>(row)), 0, 0, 0);
        }
        const PlotRenderer view(doc, false);
        const int widthColors[4] = {5, 8, 1, 6};
        for (int method : {CPlotDxfWriter::kCurrentColors, CPlotDxfWriter::kWidthColors}) {
            for (int version : {0, 14}) {
                CPlotDxfWriter writer(0.5, 0.8, method, widthColors);
                writer.m_nVersion = version;
                const std::string name = std::string(kind) + ".dxf";
                ASSERT_TRUE(writer.ExportPage(Path(name).c_str(), doc.m_drawing, 0));
                const std::vector<std::string> types = EntityLineTypes(dir_.Read(name));
                ASSERT_FALSE(types.empty());
                ASSERT_EQ(types.size() % pairs.size(), 0u) << kind << ": entities of one item each";
                const std::size_t each = types.size() / pairs.size();
                for (std::size_t i = 0; i < types.size(); ++i) {
                    const Pair& pair = pairs[i / each];
                    const int pen = view.ResolveLineStyle(pair.widthCode, pair.lineType).penStyle;
                    EXPECT_EQ(types[i], PenLineTypeName(pen))
                        << kind << " T" << pair.lineType << "," << pair.widthCode << " colour method "
                        << method << " version " << version;
                }
            }
        }
    }
};

TEST_F(DrawnLineTypeTest, LinesPolylinesAndArrowsTakeTheViewsLineType) {
    ExpectTheViewsLineTypes("line", [](const Pair& pair, int row) -> std::unique_ptr<CPlotData> {
        return std::make_unique<CPlotLine>(CPoint(0, 10 * row), CPoint(500, 10 * row), pair.lineType,
                                           pair.widthCode);
    });
    ExpectTheViewsLineTypes("polyline", [](const Pair& pair, int row) -> std::unique_ptr<CPlotData> {
        auto polyline = std::make_unique<CPlotPolyLine>(pair.lineType, pair.widthCode);
        polyline->m_points = {{0, 10 * row}, {250, 10 * row + 5}, {500, 10 * row}};
        return polyline;
    });
    ExpectTheViewsLineTypes("arrow", [](const Pair& pair, int row) -> std::unique_ptr<CPlotData> {
        return std::make_unique<CPlotArrow>(CPoint(0, 10 * row), CPoint(500, 10 * row), pair.widthCode,
                                            pair.lineType, 25, 10, 24);
    });
    // Head width 0 with a head of shape 4 or 5: the heads are blocks and the shaft a line of its own.
    ExpectTheViewsLineTypes("blockarrow", [](const Pair& pair, int row) -> std::unique_ptr<CPlotData> {
        const int styles[3] = {4, 15, -5};
        return std::make_unique<CPlotArrow>(CPoint(0, 10 * row), CPoint(500, 10 * row), pair.widthCode,
                                            pair.lineType, 25, 0, styles[row % 3]);
    });
}

} // namespace
} // namespace zapho
