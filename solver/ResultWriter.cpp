#include "solver/ResultWriter.h"

#include "solver/FixedFormat.h"
#include "solver/Messages.h"
#include "solver/RunLog.h"
#include "solver/SafetyFactor.h"
#include "solver/SlipSurfaceEnds.h"

#include <cmath>
#include <utility>

namespace kalipe {

namespace {

constexpr std::size_t kTitleWidth = 50;

// The stretch of one block and the abscissas the log reports for it.
struct BlockStretch {
    double xs = 0.0; // left end
    double x1 = 0.0; // first measurement point
    double xn = 0.0; // last measurement point
    double xe = 0.0; // right end
};

BlockStretch StretchOf(const PreparedModel& model, const SurfaceEnds& ends, int block,
                       std::size_t firstPoint) {
    const int last = model.BlockCount() - 1;
    BlockStretch stretch;
    stretch.xs = block == 0 ? ends.left.x : model.lines[static_cast<std::size_t>(block - 1)].x;
    stretch.xe = block == last ? ends.right.x : model.lines[static_cast<std::size_t>(block)].x;
    const int count = model.pointsPerBlock[static_cast<std::size_t>(block)];
    if (count == 0) {
        stretch.x1 = stretch.xs;
        stretch.xn = stretch.xe;
        return stretch;
    }
    const MeasurementPoint& first = model.points[firstPoint];
    const MeasurementPoint& final = model.points[firstPoint + static_cast<std::size_t>(count) - 1];
    stretch.x1 = first.x;
    // A point's position at its first reading, or at its last when it stands alone.
    stretch.xn = count > 1 ? final.positions.front().x : final.positions.back().x;
    if (stretch.xn < stretch.x1) {
        std::swap(stretch.x1, stretch.xn);
    }
    return stretch;
}

// A number of the result file. The analysis program scans these lines as plain reals, which
// would read an exponent without its letter (0.1234567-100) as two numbers: a value too small
// for two exponent digits is written as zero, one too large as stars, which it refuses.
std::string ResultField(double value) {
    std::string field = fmt::Exp(value, 14, 7);
    if (field.find('E') != std::string::npos || field.find('*') != std::string::npos) {
        return field;
    }
    return std::fabs(value) < 1.0 ? fmt::Exp(0.0, 14, 7) : std::string(14, '*');
}

std::string ResultLine(const Parabola& p, const BlockStretch& s) {
    std::string line;
    for (double value : {p.a, p.b, p.c, s.xs, s.xe}) {
        line += "  " + ResultField(value);
    }
    return line;
}

void LogBlock(RunLog& log, const Parabola& p, const BlockStretch& s) {
    log.Write(" * A=" + fmt::Exp(p.a, 12, 4) + " B=" + fmt::Exp(p.b, 12, 4) + " C=" + fmt::Exp(p.c, 12, 4) +
              " X=" + fmt::Exp(s.xs, 12, 4) + " X=" + fmt::Exp(s.xe, 12, 4) + " *");
    log.Write("  XS=" + fmt::Fixed(s.xs, 10, 3) + "  X1=" + fmt::Fixed(s.x1, 10, 3) +
              "  XN=" + fmt::Fixed(s.xn, 10, 3) + "  XE=" + fmt::Fixed(s.xe, 10, 3) + " *");
    log.Write("  YS=" + fmt::Fixed(p.At(s.xs), 10, 3) + "  Y1=" + fmt::Fixed(p.At(s.x1), 10, 3) +
              "  YN=" + fmt::Fixed(p.At(s.xn), 10, 3) + "  YE=" + fmt::Fixed(p.At(s.xe), 10, 3) + " *");
}

std::string CrLf(const std::string& line) {
    return line + "\r\n";
}

} // namespace

std::string ResultWriter::TitleLine(const std::string& title) {
    return " " + Cp932(msg::kTitle) + fmt::PadRight(title, kTitleWidth) + fmt::Blanks(7) + "*****";
}

std::string ResultWriter::CountLine(int blocks) {
    return " " + Cp932(msg::kBlockCountLabel) + fmt::Int(blocks, 3) + fmt::Blanks(55) + "*****";
}

std::string ResultWriter::CountLineWithSafety(int blocks, double factor, const SoilConstants& soil) {
    return " " + Cp932(msg::kBlockCountLabel) + fmt::Int(blocks, 3) + "   " + Cp932(msg::kSafetyLabel) +
           fmt::Fixed(factor, 7, 4) + " " + Cp932(msg::kGammaLabel) + fmt::Fixed(soil.gamma, 7, 3) +
           "  C=" + fmt::Fixed(soil.cohesion, 7, 3) + " " + Cp932(msg::kPhiLabel) +
           fmt::Fixed(soil.phi, 7, 3) + "  *****";
}

std::string ResultWriter::HeadingLine() {
    return "     **** A ****     **** B ****     **** C ****     ** X TOP **     ** X END **";
}

std::string ResultWriter::Write(const PreparedModel& model, const std::vector<BlockSolution>& solution,
                                const std::string& title, RunLog& log) {
    const SurfaceEnds ends = SlipSurfaceEnds::Find(model, solution);
    const int blocks = model.BlockCount();

    std::string result = CrLf(TitleLine(title));
    if (model.soil.computeSafetyFactor && ends.left.crossing && ends.right.crossing) {
        std::vector<Parabola> parabolas;
        for (const BlockSolution& block : solution) {
            parabolas.push_back(block.parabola);
        }
        std::vector<double> lines;
        for (const BlockLine& line : model.lines) {
            lines.push_back(line.x);
        }
        const double factor =
            SafetyFactor::Compute(model.ground, parabolas, lines, ends.left.x, ends.right.x, model.soil, log);
        result += CrLf(CountLineWithSafety(blocks, factor, model.soil));
    } else {
        result += CrLf(CountLine(blocks));
    }
    result += CrLf(HeadingLine());

    log.Star();
    log.Write(" * Z=A*S**2+B*S+C * " + fmt::Int(blocks, 3) + Cp932(msg::kBlockUnit));
    log.Star();
    std::size_t firstPoint = 0;
    for (int block = 0; block < blocks; ++block) {
        const Parabola& parabola = solution[static_cast<std::size_t>(block)].parabola;
        const BlockStretch stretch = StretchOf(model, ends, block, firstPoint);
        result += CrLf(ResultLine(parabola, stretch));
        LogBlock(log, parabola, stretch);
        firstPoint += static_cast<std::size_t>(model.pointsPerBlock[static_cast<std::size_t>(block)]);
    }
    if (model.inner.Present()) {
        log.Star();
        log.Write(" * NBINN=" + fmt::Int(model.innerBlock + 1, 3) + "   XBINN=" +
                  fmt::Fixed(model.inner.x, 10, 3) + "   YBINN=" + fmt::Fixed(model.inner.y, 10, 3) + " *");
    }
    return result;
}

} // namespace kalipe
