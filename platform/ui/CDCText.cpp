// Text on a DC: the selected font in device pixels, placed in GDI's character cells.

#include "platform/ui/CDC.h"

#include "platform/core/CodePage.h"
#include "platform/ui/FontSubstitution.h"
#include "platform/ui/QtColor.h"
#include "platform/ui/QtText.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

qint16 BigEndian16(const QByteArray& table, int at) {
    return static_cast<qint16>((static_cast<quint8>(table[at]) << 8) | static_cast<quint8>(table[at + 1]));
}

// The cell of a face without internal leading, around the baseline, in ems: up to the top of
// the em box (the typographic ascender, which holds every CP932 glyph) and down to the face's
// own descent, as the Latin descenders of the CJK stand-ins reach below the em box.
struct CellInEms {
    double ascent = 0.88;
    double descent = 0.12;
    double Height() const { return ascent + descent; }
};

CellInEms CellOfFace(QFont font) {
    constexpr int kReferencePixels = 1000;
    constexpr int kTypoAscender = 68; // byte offset in the OS/2 table
    font.setPixelSize(kReferencePixels);
    const QFontMetricsF metrics(font);
    CellInEms cell;
    if (metrics.height() > 0) {
        cell = {metrics.ascent() / kReferencePixels, metrics.descent() / kReferencePixels};
    }
    const QRawFont raw = QRawFont::fromFont(font);
    const QByteArray os2 = raw.isValid() ? raw.fontTable("OS/2") : QByteArray();
    if (os2.size() >= kTypoAscender + 2 && raw.unitsPerEm() > 0) {
        const int ascender = BigEndian16(os2, kTypoAscender);
        if (ascender > 0) {
            cell.ascent = std::min(cell.ascent, ascender / raw.unitsPerEm());
        }
    }
    return cell;
}

} // namespace

// The Japanese Windows faces have no internal leading, so their glyphs fill a positive (cell)
// height; their Noto CJK stand-ins are sized to fill the same cell from the em box's top to
// their lowest descender, instead of shrinking into their much taller line height.
bool CDC::FillsWindowsCell() const {
    const LOGFONT& lf = font_->LogFont();
    return lf.lfHeight > 0 && platform::IsSubstitutedWindowsFace(CString(lf.lfFaceName));
}

int CDC::CellPixels() const {
    const LONG height = font_->LogFont().lfHeight;
    const int logicalHeight = height ? static_cast<int>(std::abs(height)) : 12;
    return std::max(1, static_cast<int>(std::lround(logicalHeight * std::fabs(ScaleY()))));
}

QFont CDC::DeviceFont() const {
    const LOGFONT& lf = font_->LogFont();
    QFont font(platform::SubstituteFontFamily(CString(lf.lfFaceName)));
    const int pixels = CellPixels();
    font.setPixelSize(pixels);
    if (FillsWindowsCell()) {
        font.setPixelSize(std::max(1, static_cast<int>(pixels / CellOfFace(font).Height())));
    } else if (lf.lfHeight > 0) {
        // A positive height is the cell height: shrink the character height to fit it.
        QFontMetrics metrics(font);
        if (metrics.height() > 0) {
            font.setPixelSize(std::max(1, pixels * pixels / metrics.height()));
        }
    }
    font.setWeight(lf.lfWeight >= FW_BOLD ? QFont::Bold : QFont::Normal);
    font.setItalic(lf.lfItalic != 0);
    font.setUnderline(lf.lfUnderline != 0);
    font.setStrikeOut(lf.lfStrikeOut != 0);
    font.setStyleStrategy(printing_ ? QFont::PreferDefault : QFont::NoAntialias);
    font.setKerning(false);
    return font;
}

namespace {

bool SameFont(const LOGFONT& a, const LOGFONT& b) {
    return a.lfHeight == b.lfHeight && a.lfWidth == b.lfWidth && a.lfEscapement == b.lfEscapement &&
           a.lfOrientation == b.lfOrientation && a.lfWeight == b.lfWeight && a.lfItalic == b.lfItalic &&
           a.lfUnderline == b.lfUnderline && a.lfStrikeOut == b.lfStrikeOut && a.lfCharSet == b.lfCharSet &&
           a.lfPitchAndFamily == b.lfPitchAndFamily &&
           std::strncmp(a.lfFaceName, b.lfFaceName, sizeof a.lfFaceName) == 0;
}

} // namespace

const CDC::DeviceText& CDC::TextFont() const {
    TextFontCache& cache = textFontCache_;
    const LOGFONT& font = font_->LogFont();
    if (!cache.valid || cache.device != device_ || cache.printing != printing_ || cache.scaleY != ScaleY() ||
        !SameFont(cache.font, font)) {
        cache.text = MakeTextFont();
        cache.font = font;
        cache.scaleY = ScaleY();
        cache.device = device_;
        cache.printing = printing_;
        cache.valid = true;
    }
    return cache.text;
}

CDC::DeviceText CDC::MakeTextFont() const {
    DeviceText text;
    text.font = DeviceFont();
    if (FillsWindowsCell()) {
        const int cell = CellPixels();
        const CellInEms shares = CellOfFace(text.font);
        text.ascent =
            std::clamp(static_cast<int>(std::lround(cell * shares.ascent / shares.Height())), 1, cell);
        text.descent = cell - text.ascent;
        return text;
    }
    const QFontMetrics metrics(text.font, device_);
    text.ascent = metrics.ascent();
    text.descent = metrics.descent();
    return text;
}

BOOL CDC::TextOut(int x, int y, const CString& text) {
    if (!painter_) {
        return FALSE;
    }
    const DeviceText& font = TextFont();
    QString qtext = platform::ToQString(text);
    QPoint origin = ToDevice(x, y);
    const int extra = ExtraPixels();
    // The width places right and centred texts and bounds an opaque background; measuring
    // lays the text out once more, which a left-aligned transparent text can do without.
    const bool needsWidth = (textAlign_ & TA_RIGHT) != 0 || bkMode_ == OPAQUE;
    const int width = needsWidth ? QFontMetrics(font.font, device_).horizontalAdvance(qtext) +
                                       extra * static_cast<int>(qtext.size())
                                 : 0;
    QRect box(0, 0, width, font.Height());
    if ((textAlign_ & TA_CENTER) == TA_CENTER) {
        box.moveLeft(-box.width() / 2);
    } else if (textAlign_ & TA_RIGHT) {
        box.moveLeft(-box.width());
    }
    if ((textAlign_ & TA_BASELINE) == TA_BASELINE) {
        box.moveTop(-font.ascent);
    } else if (textAlign_ & TA_BOTTOM) {
        box.moveTop(-box.height());
    }
    painter_->save();
    painter_->translate(origin);
    painter_->rotate(-font_->LogFont().lfEscapement / 10.0);
    painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (bkMode_ == OPAQUE) {
        painter_->fillRect(box, platform::ToQColor(bkColor_));
    }
    painter_->setFont(font.font);
    painter_->setPen(platform::ToQColor(textColor_));
    if (extra == 0) {
        painter_->drawText(box.left(), box.top() + font.ascent, qtext);
    } else {
        const QFontMetrics metrics(font.font, device_);
        int left = box.left();
        for (qsizetype i = 0; i < qtext.size(); ++i) {
            const QString character = qtext.mid(i, 1);
            painter_->drawText(left, box.top() + font.ascent, character);
            left += metrics.horizontalAdvance(character) + extra;
        }
    }
    painter_->restore();
    return TRUE;
}

BOOL CDC::ExtTextOut(int x, int y, UINT options, const CRect* rect, const CString& text, const int* dx) {
    if (!painter_) {
        return FALSE;
    }
    if ((options & ETO_OPAQUE) && rect) {
        FillSolidRect(*rect, bkColor_);
    }
    if (!dx) {
        return TextOut(x, y, text);
    }
    const std::string_view bytes(text.GetString(), static_cast<std::size_t>(text.GetLength()));
    const DeviceText& cellFont = TextFont();
    const QFont& font = cellFont.font;
    // One glyph per character at its own cell: a single glyph run per call.
    QString glyphs;
    QList<QPointF> positions;
    int cell = x;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t length = platform::Cp932CharLength(bytes, i);
        const auto first = static_cast<unsigned char>(bytes[i]);
        // Blank cells need no glyph; the background was filled above.
        if (first != ' ') {
            const QString glyph = first < 0x80
                                      ? QString(QChar(first))
                                      : platform::ToQString(CString(std::string(bytes.substr(i, length))));
            const QPoint origin = ToDevice(cell, y);
            glyphs += glyph.left(1);
            positions.append(QPointF(origin.x(), origin.y() + cellFont.ascent));
        }
        for (std::size_t b = 0; b < length; ++b) {
            cell += dx[i + b];
        }
        i += length;
    }
    painter_->save();
    painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter_->setFont(font);
    painter_->setPen(platform::ToQColor(textColor_));
    const QRawFont raw = QRawFont::fromFont(font);
    QList<quint32> indexes = raw.isValid() ? raw.glyphIndexesForString(glyphs) : QList<quint32>();
    if (indexes.size() == glyphs.size()) {
        // Characters the face lacks are drawn one by one, so that Qt may fall back to another face.
        QList<quint32> found;
        QList<QPointF> at;
        for (qsizetype g = 0; g < glyphs.size(); ++g) {
            if (indexes[g] != 0) {
                found.append(indexes[g]);
                at.append(positions[g]);
            } else {
                painter_->drawText(positions[g], glyphs.mid(g, 1));
            }
        }
        QGlyphRun run;
        run.setRawFont(raw);
        run.setGlyphIndexes(found);
        run.setPositions(at);
        painter_->drawGlyphRun(QPointF(0, 0), run);
    } else {
        for (qsizetype g = 0; g < glyphs.size(); ++g) {
            painter_->drawText(positions[g], glyphs.mid(g, 1));
        }
    }
    painter_->restore();
    return TRUE;
}

CSize CDC::GetTextExtent(const CString& text) const {
    const DeviceText& font = TextFont();
    QFontMetrics metrics(font.font, device_);
    const QString qtext = platform::ToQString(text);
    int width = metrics.horizontalAdvance(qtext) + ExtraPixels() * static_cast<int>(qtext.size());
    return CSize(static_cast<int>(std::lround(width / std::fabs(ScaleX()))),
                 static_cast<int>(std::lround(font.Height() / std::fabs(ScaleY()))));
}

BOOL CDC::GetTextMetrics(TEXTMETRIC* tm) const {
    const DeviceText& font = TextFont();
    QFontMetrics metrics(font.font, device_);
    double sy = std::fabs(ScaleY());
    double sx = std::fabs(ScaleX());
    tm->tmHeight = static_cast<LONG>(std::lround(font.ascent / sy) + std::lround(font.descent / sy));
    tm->tmAveCharWidth = static_cast<LONG>(std::lround(metrics.horizontalAdvance(QLatin1Char('x')) / sx));
    return TRUE;
}
