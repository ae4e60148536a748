#pragma once
// The solver's work-area budget. The solver's arrays were sized for one area of 100000 words
// (a real takes two words, an integer one; every real array is followed by two spare words,
// every integer array by one). The arrays themselves now live in ordinary containers, but a
// run still has to fit the budget, and a run that does not is refused with the words it needs.

#include <cstdint>

namespace kalipe {

class RunLog;

class WorkAreaBudget {
public:
    static constexpr std::int64_t kCapacity = 100000;
    // The first pass keeps point identifiers in the first half of the area and displacement
    // identifiers in the second, two words each.
    static constexpr std::int64_t kMaxIdentifiers = 25000;
    // The largest input file a run could ever use. Every record that counts costs the area at
    // least one word, and a record is a line of 60 columns; twice that is allowed per word for
    // trailing blanks, line ends and lines that do not count. A larger file is refused before
    // it is read.
    static constexpr std::int64_t kInputBytesPerWord = 128;
    static constexpr std::int64_t kMaxInputBytes = kCapacity * kInputBytesPerWord;

    // The fewest words an input file of that many bytes would need.
    static std::int64_t InputWords(std::int64_t bytes) {
        return (bytes + kInputBytesPerWord - 1) / kInputBytesPerWord;
    }

    // Adds arrays of `count` reals or integers.
    void AddReals(std::int64_t count) { words_ += 2 * count + 2; }
    void AddIntegers(std::int64_t count) { words_ += count + 1; }

    std::int64_t Words() const { return words_; }
    bool Fits() const { return words_ <= kCapacity; }

    // Words needed by the first pass for its identifier lists.
    static std::int64_t IdentifierWords(std::int64_t points, std::int64_t series);

    // The first layout: input arrays sized from the first pass's counts.
    static WorkAreaBudget FirstLayout(std::int64_t nodes, std::int64_t points, std::int64_t blockLines,
                                      std::int64_t series, std::int64_t longestSeries);

    struct SystemShape {
        std::int64_t blocks = 1;        // number of parabolas
        std::int64_t largestBlock = 0;  // most measurement points in one block
        std::int64_t mostRows = 0;      // most observation rows of one block
        std::int64_t unknowns = 0;      // sum over blocks of (points + 3)
        std::int64_t profileLength = 0; // entries of one profile array
    };

    // Adds the equation system arrays of the estimation.
    void AddSystem(const SystemShape& shape);

    // Words with the safety-factor arrays, which overlay the system arrays after the
    // coefficients: the larger end counts.
    static std::int64_t WithSafetyFactor(const WorkAreaBudget& firstLayout, const WorkAreaBudget& withSystem,
                                         const SystemShape& shape, std::int64_t groundPoints,
                                         std::int64_t blockLines);

    // Writes the shortage report for `required` words.
    static void ReportShortage(RunLog& log, std::int64_t required);

private:
    std::int64_t words_ = 0;
};

} // namespace kalipe
