#pragma once
// The extent of a section model's points as the documents keep it ("model box"). A model
// whose points share one x (or one y) is widened by 100 (or 50) on each side, so that
// a view can always fit it; an empty model has no box and the size 200 x 100.

class ModelExtent {
public:
    void Add(double x, double y);

    // False for an empty model (the box is left alone). Otherwise the box as minimum x,
    // maximum x, minimum y, maximum y. Both forms give the size.
    bool Get(double box[4], double& width, double& height) const;

private:
    bool any_ = false;
    double minX_ = 0.0;
    double maxX_ = 0.0;
    double minY_ = 0.0;
    double maxY_ = 0.0;
};
