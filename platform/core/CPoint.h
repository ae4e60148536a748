#pragma once
// Integer point, size and rectangle in device or logical units, as the framework has them.

struct CSize {
    int cx = 0;
    int cy = 0;
    CSize() = default;
    CSize(int width, int height) : cx(width), cy(height) {}
    friend bool operator==(const CSize&, const CSize&) = default;
};

struct CPoint {
    int x = 0;
    int y = 0;
    CPoint() = default;
    CPoint(int px, int py) : x(px), y(py) {}
    void Offset(int dx, int dy) {
        x += dx;
        y += dy;
    }
    CPoint operator+(const CSize& size) const { return CPoint(x + size.cx, y + size.cy); }
    CPoint operator-(const CSize& size) const { return CPoint(x - size.cx, y - size.cy); }
    CSize operator-(const CPoint& other) const { return CSize(x - other.x, y - other.y); }
    friend bool operator==(const CPoint&, const CPoint&) = default;
};
