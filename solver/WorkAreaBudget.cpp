#include "solver/WorkAreaBudget.h"

#include "solver/FixedFormat.h"
#include "solver/Messages.h"
#include "solver/RunLog.h"

#include <algorithm>

namespace kalipe {

namespace {

constexpr std::int64_t kHalfArea = WorkAreaBudget::kCapacity / 2;
constexpr std::int64_t kSafetyFactorSpare = 100;

} // namespace

std::int64_t WorkAreaBudget::IdentifierWords(std::int64_t points, std::int64_t series) {
    // Point identifiers fill the first half from word 1, series identifiers the second half.
    return std::max(2 * 2 * points, kHalfArea + 2 * series);
}

WorkAreaBudget WorkAreaBudget::FirstLayout(std::int64_t nodes, std::int64_t points, std::int64_t blockLines,
                                           std::int64_t series, std::int64_t longestSeries) {
    WorkAreaBudget budget;
    budget.AddReals(nodes + 2);               // ground line x
    budget.AddReals(nodes + 2);               // ground line y
    budget.AddReals(points + blockLines + 1); // point identifiers
    for (int i = 0; i < 3; ++i) {
        budget.AddReals(points); // point x, y, weight
    }
    budget.AddIntegers(points); // series of each point
    for (int i = 0; i < 4; ++i) {
        budget.AddReals(blockLines + 1); // line x, ground y, value, work
    }
    budget.AddIntegers(blockLines + 1);      // line identifiers / ground segments
    budget.AddIntegers(blockLines + 1);      // points per block
    budget.AddReals(series);                 // series identifiers
    budget.AddReals(series * longestSeries); // dx
    budget.AddReals(series * longestSeries); // dy
    budget.AddIntegers(series);              // series lengths
    budget.AddIntegers(blockLines + 1);      // block conditions
    return budget;
}

void WorkAreaBudget::AddSystem(const SystemShape& shape) {
    const std::int64_t m = shape.largestBlock + 3;
    AddReals(shape.blocks * m);      // coefficients
    AddReals(m);                     // block right-hand side
    AddReals(m * m);                 // block matrix
    AddReals(shape.mostRows * m);    // observation matrix
    AddReals(shape.mostRows);        // observation weights
    AddReals(shape.mostRows);        // observation right-hand sides
    AddIntegers(shape.unknowns + 1); // column pointers
    AddReals(shape.unknowns);        // diagonal
    AddReals(shape.unknowns);        // system right-hand side
    AddReals(shape.profileLength);   // upper profile
    AddReals(shape.profileLength);   // lower profile
}

std::int64_t WorkAreaBudget::WithSafetyFactor(const WorkAreaBudget& firstLayout,
                                              const WorkAreaBudget& withSystem, const SystemShape& shape,
                                              std::int64_t groundPoints, std::int64_t blockLines) {
    WorkAreaBudget overlay = firstLayout;
    const std::int64_t m = shape.largestBlock + 3;
    overlay.AddReals(shape.blocks * m);
    overlay.AddReals(m);
    for (int i = 0; i < 3; ++i) {
        overlay.AddReals(groundPoints + blockLines + kSafetyFactorSpare);
    }
    return std::max(withSystem.Words(), overlay.Words());
}

void WorkAreaBudget::ReportShortage(RunLog& log, std::int64_t required) {
    log.Star();
    log.Write(" " + Cp932(msg::kAreaShort) + fmt::Int(required, 7) + " *****");
    log.Message(msg::kAreaEnlarge);
}

} // namespace kalipe
