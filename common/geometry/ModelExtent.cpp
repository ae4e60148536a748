#include "ModelExtent.h"

#include <algorithm>

void ModelExtent::Add(double x, double y) {
    if (!any_) {
        minX_ = maxX_ = x;
        minY_ = maxY_ = y;
        any_ = true;
        return;
    }
    minX_ = std::min(minX_, x);
    maxX_ = std::max(maxX_, x);
    minY_ = std::min(minY_, y);
    maxY_ = std::max(maxY_, y);
}

bool ModelExtent::Get(double box[4], double& width, double& height) const {
    if (!any_) {
        width = 200.0;
        height = 100.0;
        return false;
    }
    box[0] = minX_;
    box[1] = maxX_;
    box[2] = minY_;
    box[3] = maxY_;
    if (minX_ == maxX_) {
        box[0] -= 100.0;
        box[1] += 100.0;
    }
    if (minY_ == maxY_) {
        box[2] -= 50.0;
        box[3] += 50.0;
    }
    width = box[1] - box[0];
    height = box[3] - box[2];
    return true;
}
