#include "common/ui/table/TableText.h"

#include "platform/ui/QtText.h"

#include <QStringList>

bool SplitTableText(const QString& text, std::vector<std::vector<CString>>& cells) {
    cells.clear();
    QString normalized = text;
    normalized.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalized.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (normalized.endsWith(QLatin1Char('\n'))) {
        normalized.chop(1);
    }
    if (normalized.isEmpty()) {
        return true;
    }
    for (const QString& line : normalized.split(QLatin1Char('\n'))) {
        std::vector<CString> row;
        for (const QString& piece : line.split(QLatin1Char('\t'))) {
            CString cell;
            if (!platform::FromQString(piece, cell)) {
                return false;
            }
            row.push_back(cell);
        }
        cells.push_back(std::move(row));
    }
    return true;
}
